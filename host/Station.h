// One station as the hosts work on it: the EPROM the module creates for the
// station (through its entry points), its working file and its reference file.
//
// The station opens its EPROM with NouvelleEprom and finds it with ChercheInstance; its
// destructor closes both files and the EPROM (FermeEprom). The files are zone file
// streams the host opens and hands over; the EPROM owns them from then on.
#pragma once

#include <g20seq/interface/CustomEprom.h>
#include <g20seq/support/StringList.h>

#include <memory>
#include <string>
#include <vector>

namespace g20seq {
class TCustomZoneCPS;
}

namespace g20seq::host {

// A zone of a station: its type and number.
struct TZoneId {
    TTypeZones TypeZone = PrcIdentification;
    int Numero = 0;
};
// "PrcProgrammes=5": the zone as messages and the command line write it.
std::string ZoneIdText(TTypeZones TypeZone, int Numero);

class TStation {
public:
    // Creates the EPROM of the station Nom for the protocol model (the G20 model of the
    // station's variant when Protocole is a G20 model). A name the generation does not
    // handle raises the module's exception.
    TStation(const std::string& Nom, TInterfacedPersistent* Protocole);
    ~TStation();
    TStation(const TStation&) = delete;
    TStation& operator=(const TStation&) = delete;

    // Writes the factory image of a new station Nom into Path, through a working copy
    // committed under the image's lock.
    static void CreateImage(const std::string& Nom, const std::string& Path,
                            TInterfacedPersistent* Protocole);
    // Opens the image in Path (its identification names the station) as the working file.
    static std::unique_ptr<TStation> Open(const std::string& Path, bool Writable,
                                          TInterfacedPersistent* Protocole);

    TCustomEprom& Eprom() const { return *FEprom; }
    const std::string& Nom() const { return FNom; }

    // Opens the image in Path as the working file; the zones held are read from it again.
    void OpenFile(const std::string& Path, bool Writable);
    // Writes the whole image into a new zone file, which becomes the working file.
    void SaveToNewFile(const std::string& Path);
    // Copies the working file into a new reference file, then closes the reference file.
    void SaveToNewRefFile(const std::string& Path);
    // Opens Path (read-only) as the reference file.
    void OpenRefFile(const std::string& Path);
    // Writes one zone held from this EPROM into the working file.
    void SaveZone(TCustomZoneCPS& Zone);
    // Closes the working and the reference files (before the working file is committed).
    void CloseFiles();

private:
    std::string FNom;
    std::string FHandle;
    TCustomEprom* FEprom = nullptr;
};

} // namespace g20seq::host
