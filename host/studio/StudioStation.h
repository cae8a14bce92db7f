// A station as the studio keeps it open: its EPROM works on a working copy beside the
// image, never on the image itself.
//
// Saving closes the station's files, commits the working copy over the image and opens a
// fresh working copy of the saved image, so the EPROM never writes into a file that was
// renamed over the image. The image's lock is held only while committing: the studio may
// stay open for hours while the command-line tool changes other images, or this one. Under
// the lock the image is checked to be the one the working copy was made from; when another
// program replaced it meanwhile, the save is refused unless the caller overwrites.
#pragma once

#include "SafeSave.h"
#include "Station.h"

#include <memory>
#include <string>

#include <sys/stat.h>

namespace g20seq::host {

// The image was replaced since the station opened it.
class EImageChanged : public EHostIOError {
public:
    using EHostIOError::EHostIOError;
};

class TStudioStation {
public:
    // Opens the image in Path through a working copy; raises the module's exception for a
    // malformed image and EHostIOError when the copy cannot be made.
    TStudioStation(std::string Path, TInterfacedPersistent* Protocole);
    ~TStudioStation();
    TStudioStation(const TStudioStation&) = delete;
    TStudioStation& operator=(const TStudioStation&) = delete;

    // Writes the factory image of a new station Nom into Path (safely), then opens it.
    static std::unique_ptr<TStudioStation> Create(const std::string& Nom, const std::string& Path,
                                                  TInterfacedPersistent* Protocole);

    TStation& Station() const { return *FStation; }
    TCustomEprom& Eprom() const { return FStation->Eprom(); }
    const std::string& Path() const { return FPath; }
    const std::string& WorkingFile() const { return FCopie->WorkingFile(); }

    // Whether the working copy holds other bytes than the image (or either cannot be read).
    bool Modified() const;
    // Commits the working copy (see above). Raises EImageChanged, unless Overwrite, when the
    // image is not the one opened; EHostIOError when the commit fails (the image stays as
    // it was, and the station goes on with a fresh copy of it).
    void Save(bool Overwrite = false);

private:
    // Identity of the image file: replaced or rewritten, it changes.
    struct TIdentite {
        dev_t Device = 0;
        ino_t Inode = 0;
        off_t Size = 0;
        timespec Modified{};
        bool operator==(const TIdentite& Other) const;
    };
    static TIdentite IdentiteDe(const std::string& Path);
    // Copies the image into a new working copy and remembers the image's identity.
    void NouvelleCopie();

    std::string FPath;
    TIdentite FOuverte;
    std::unique_ptr<TSafeSave> FCopie;
    std::unique_ptr<TStation> FStation;
};

} // namespace g20seq::host
