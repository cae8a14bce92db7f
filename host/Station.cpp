#include "Station.h"

#include "SafeSave.h"
#include "protocol/ZoneFiles.h"
#include <g20seq/entry/ModuleEntry.h>
#include <g20seq/model/CustomZoneCPS.h>

namespace g20seq::host {

std::string ZoneIdText(TTypeZones TypeZone, int Numero) {
    return TypeZoneName(TypeZone) + "=" + std::to_string(Numero);
}

TStation::TStation(const std::string& Nom, TInterfacedPersistent* Protocole) : FNom(Nom) {
    FHandle = std::to_string(NouvelleEprom(Nom.c_str(), Protocole));
    FEprom = ChercheInstance(FHandle.c_str());
    if (FEprom == nullptr) {
        FermeEprom(FHandle.c_str());
        throw EHostIOError("the module did not register the station '" + Nom + "'");
    }
}

TStation::~TStation() {
    CloseFiles();
    FermeEprom(FHandle.c_str());
}

void TStation::CreateImage(const std::string& Nom, const std::string& Path,
                           TInterfacedPersistent* Protocole) {
    TStation station(Nom, Protocole);
    TSafeSave save(Path, TSafeSave::TStart::Empty);
    station.SaveToNewFile(save.WorkingFile());
    station.CloseFiles();
    save.Commit();
}

std::unique_ptr<TStation> TStation::Open(const std::string& Path, bool Writable,
                                         TInterfacedPersistent* Protocole) {
    auto stream = OpenZoneFile(Path, Writable);
    auto station = std::make_unique<TStation>(stream->GetIdentification(), Protocole);
    station->Eprom().ReadFromFile(stream.release());
    return station;
}

void TStation::OpenFile(const std::string& Path, bool Writable) {
    FEprom->ReadFromFile(OpenZoneFile(Path, Writable).release());
}

void TStation::SaveToNewFile(const std::string& Path) {
    if (!FEprom->SaveToNewFile(CreateZoneFile(Path).release()))
        throw EHostIOError("the image of '" + FNom + "' could not be written completely to '" +
                           Path + "' (see the event log)");
}

void TStation::SaveToNewRefFile(const std::string& Path) {
    const bool saved = FEprom->SaveToNewRefFile(CreateZoneFile(Path).release());
    FEprom->FreeRefFile();
    if (!saved)
        throw EHostIOError("cannot copy the image into the reference file '" + Path + "'");
}

void TStation::OpenRefFile(const std::string& Path) {
    FEprom->ReadFromRefFile(OpenZoneFile(Path, false).release());
}

void TStation::SaveZone(TCustomZoneCPS& Zone) {
    if (!FEprom->SaveZoneToFile(&Zone))
        throw EHostIOError("cannot save " + ZoneIdText(Zone.GetTypeZone(), Zone.GetNumeroZone()) +
                           " into the image (see the event log)");
}

void TStation::CloseFiles() {
    if (FEprom->GetFichierReference() != nullptr)
        FEprom->FreeRefFile();
    FEprom->CloseFile();
}

} // namespace g20seq::host
