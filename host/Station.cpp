#include "Station.h"

#include "SafeSave.h"
#include "protocol/ProtocoleG20.h"
#include "protocol/ZoneFiles.h"
#include <g20seq/entry/ModuleEntry.h>
#include <g20seq/model/CustomZoneCPS.h>

namespace g20seq::host {

std::string ZoneIdText(TTypeZones TypeZone, int Numero) {
    return TypeZoneName(TypeZone) + "=" + std::to_string(Numero);
}

namespace {

// Refuses a file whose last block runs past its end, or that lacks zones of station Nom (a
// file cut at a block boundary): the module would show those zones with their default
// values as if they had been read.
std::unique_ptr<TKevCustomFileStream> Complete(std::unique_ptr<TKevCustomFileStream> File,
                                               const std::string& Path, const std::string& Nom) {
    if (const auto bloc = BlockPastEnd(*File))
        throw EHostIOError("'" + Path + "' is damaged: the block of " +
                           ZoneIdText(static_cast<TTypeZones>(bloc->first), bloc->second) +
                           " claims more bytes than the file holds (the file may be truncated)");
    const auto manquantes = MissingZones(*File, Nom);
    if (!manquantes.empty())
        throw EHostIOError("'" + Path + "' is not a complete image of station '" + Nom +
                           "': it has no block for " + std::to_string(manquantes.size()) +
                           " of its zones, from " +
                           ZoneIdText(manquantes[0].first, manquantes[0].second) +
                           " on (the file may be truncated)");
    return File;
}

} // namespace

TStation::TStation(const std::string& Nom, TInterfacedPersistent* Protocole) : FNom(Nom) {
    if (auto* g20 = dynamic_cast<TProtocoleG20*>(Protocole))
        Protocole = &g20->PourStation(Nom);
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
    const std::string nom = stream->GetIdentification();
    stream = Complete(std::move(stream), Path, nom);
    auto station = std::make_unique<TStation>(nom, Protocole);
    station->Eprom().ReadFromFile(stream.release());
    return station;
}

void TStation::OpenFile(const std::string& Path, bool Writable) {
    FEprom->ReadFromFile(Complete(OpenZoneFile(Path, Writable), Path, FNom).release());
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
    FEprom->ReadFromRefFile(Complete(OpenZoneFile(Path, false), Path, FNom).release());
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
