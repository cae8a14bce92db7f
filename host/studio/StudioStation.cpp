#include "studio/StudioStation.h"

#include "ImageLock.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

namespace g20seq::host {

namespace {

std::string Contenu(const std::string& Path) {
    std::ifstream file(Path, std::ios::binary);
    if (!file)
        throw EHostIOError("cannot read '" + Path + "'");
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace

bool TStudioStation::TIdentite::operator==(const TIdentite& Other) const {
    return Device == Other.Device && Inode == Other.Inode && Size == Other.Size &&
           Modified.tv_sec == Other.Modified.tv_sec && Modified.tv_nsec == Other.Modified.tv_nsec;
}

TStudioStation::TIdentite TStudioStation::IdentiteDe(const std::string& Path) {
    struct stat status {};
    if (::stat(Path.c_str(), &status) != 0)
        throw EHostIOError("cannot examine '" + Path + "': " + std::strerror(errno));
    return {status.st_dev, status.st_ino, status.st_size, status.st_mtim};
}

TStudioStation::TStudioStation(std::string Path, TInterfacedPersistent* Protocole)
    : FPath(std::move(Path)) {
    NouvelleCopie();
    FStation = TStation::Open(FCopie->WorkingFile(), true, Protocole);
}

TStudioStation::~TStudioStation() {
    FStation.reset(); // closes the files before the working copy is removed
}

std::unique_ptr<TStudioStation> TStudioStation::Create(const std::string& Nom,
                                                       const std::string& Path,
                                                       TInterfacedPersistent* Protocole) {
    TStation::CreateImage(Nom, Path, Protocole);
    return std::make_unique<TStudioStation>(Path, Protocole);
}

void TStudioStation::NouvelleCopie() {
    // The identity is taken first: an image replaced during the copy reads as changed.
    FOuverte = IdentiteDe(FPath);
    FCopie = std::make_unique<TSafeSave>(FPath, TSafeSave::TStart::CopyOfTarget,
                                         TSafeSave::TLocking::ByCaller);
}

bool TStudioStation::Modified() const {
    try {
        return Contenu(FCopie->WorkingFile()) != Contenu(FPath);
    } catch (const EHostIOError&) {
        return true; // an image that is gone or unreadable does not hold the copy
    }
}

void TStudioStation::Save(bool Overwrite) {
    const TImageLock verrou(FPath);
    if (!Overwrite && !(IdentiteDe(FPath) == FOuverte))
        throw EImageChanged("'" + FPath + "' was changed by another program since it was opened");
    FStation->CloseFiles();
    try {
        FCopie->Commit();
    } catch (const EHostIOError&) {
        NouvelleCopie();
        FStation->OpenFile(FCopie->WorkingFile(), true);
        throw;
    }
    NouvelleCopie();
    FStation->OpenFile(FCopie->WorkingFile(), true);
}

} // namespace g20seq::host
