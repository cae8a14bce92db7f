#include "support/FakeProtocol.h"

#include <array>

namespace g20seq::testkit {

namespace {

// The G20 protocol model: sizes, storage in files and numbering per zone type.
constexpr std::array<FakeZoneRow, 31> G20Rows = {{
    {PrcConfiguration, PrcConfiguration, 183, 183, true, 0},
    {PrcConfigurationMini, PrcConfigurationRAZ, 183, 183, false, 0},
    {PrcElectrodes, PrcElectrodes, 79, 79, true, 16},
    {PrcElectrodeMini, PrcElectrodesRAZ, 79, 79, false, 0},
    {PrcCompteurs, PrcCompteurs, 9, 12, true, 16},
    {PrcCompteursMini, PrcCompteursRAZ, 9, 9, false, 0},
    {PrcProgrammes, PrcProgrammes, 163, 163, true, 128},
    {PrcProgrammesMini, PrcprogrammesRAZ, 163, 163, false, 0},
    {PrcLienProcessAvance, PrcLienProcessAvance, 1000, 1000, true, 128},
    {PrcLienProcess, PrcLienProcess, 1070, 1070, true, 128},
    {PrcAssignationPoint, PrcAssignationPoint, 22, 22, true, 128},
    {PrcFraise, PrcFraise, 5, 5, true, 4},
    {PrcFraiseMini, PrcFraiseRAZ, 5, 5, false, 0},
    {PrcCompteurFraise, PrcCompteurFraise, 3, 3, true, 4},
    {PrcApprentissage, PrcApprentissage, 13, 13, true, 16},
    {PrcIdentification, PrcIdentification, 0, 19, false, 0},
    {PrcDiagnostic, PrcDiagnostic, 0, 20, false, 0},
    {PrcDefautsPresents, PrcDefautsPresents, 0, 12, false, 0},
    {PrcThermique, PrcThermique, 0, 2, false, 0},
    {PrcPeriodes, PrcPeriodes, 0, 26, false, 12},
    {PrcEtatNovram, PrcRAZZonesNovram, 0, 2, false, 0},
    {PrcAcquittements, PrcAcquittements, 2, 0, false, 0},
    {PrcSignalisationModification, PrcSignalisationModification, 1, 0, false, 0},
    {PrcSignaturesPerdues, PrcSignaturesPerdues, 2, 2, false, 0},
    {PrcMouchard, PrcMouchard, 0, 20, false, 0},
    {PrcLanguesEffectives, PrcLanguesEffectives, 0, 9, false, 0},
    {PrcHorodateur, PrcHorodateur, 6, 6, false, 0},
    {PrcSoudage, PrcSoudage, 0, 13, false, 128},
    {PrcMesures, PrcMesures, 0, 14, false, 128},
    {PrcSignatures, PrcSignatures, 0, 34, false, 0},
    {PrcTypeLogicielsAdditionnels, PrcTypeLogicielsAdditionnels, 0, 16, false, 0},
}};

} // namespace

FakeZoneProtocole::FakeZoneProtocole(Word Send, Word Receive, LongWord Adresse, bool InFile,
                                     int Zones)
    : TailleSend(Send), TailleReceive(Receive), Adresse(Adresse), InFile(InFile),
      NombreZones(Zones) {}

FakeProtocol::FakeProtocol() {
    for (const FakeZoneRow& row : G20Rows)
        for (int type = row.First; type <= row.Last; ++type)
            SetZone(static_cast<TTypeZones>(type), row.Send, row.Receive, row.InFile, row.Zones);
}

FakeProtocol::~FakeProtocol() = default;

bool FakeProtocol::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IProtocoleModel::IID) {
        *Obj = static_cast<IProtocoleModel*>(this);
        return true;
    }
    if (IID == IProtocoleNom::IID) {
        *Obj = static_cast<IProtocoleNom*>(this);
        return true;
    }
    return TInterfacedPersistent::QueryInterface(IID, Obj);
}

IZoneProtocole* FakeProtocol::GetZoneProtocole(TTypeZones TypeZone) {
    std::lock_guard lock(FMutex);
    ++FLookUps;
    const auto found = FZones.find(TypeZone);
    return found != FZones.end() ? found->second.get() : nullptr;
}

void FakeProtocol::IncNombreEproms() {
    std::lock_guard lock(FMutex);
    ++FNombreEproms;
}

bool FakeProtocol::DecNombreEproms() {
    std::lock_guard lock(FMutex);
    if (FNombreEproms > 0)
        --FNombreEproms;
    return FNombreEproms == 0;
}

TInterfacedPersistent* FakeProtocol::CreateAutomate(TObject*) {
    return nullptr;
}

std::string FakeProtocol::GetNom() {
    std::lock_guard lock(FMutex);
    return FNom;
}

void FakeProtocol::SetNom(const std::string& Nom) {
    std::lock_guard lock(FMutex);
    FNom = Nom;
}

int FakeProtocol::NombreEproms() const {
    std::lock_guard lock(FMutex);
    return FNombreEproms;
}

int FakeProtocol::LookUps() const {
    std::lock_guard lock(FMutex);
    return FLookUps;
}

FakeZoneProtocole* FakeProtocol::Zone(TTypeZones TypeZone) const {
    std::lock_guard lock(FMutex);
    const auto found = FZones.find(TypeZone);
    return found != FZones.end() ? found->second.get() : nullptr;
}

void FakeProtocol::SetZone(TTypeZones TypeZone, Word Send, Word Receive, bool InFile, int Zones) {
    std::lock_guard lock(FMutex);
    FZones[TypeZone] =
        std::make_unique<FakeZoneProtocole>(Send, Receive, BaseAdresse(TypeZone), InFile, Zones);
}

void FakeProtocol::SetTailles(TTypeZones TypeZone, Word Send, Word Receive) {
    FakeZoneProtocole* zone = Zone(TypeZone);
    if (zone == nullptr) {
        SetZone(TypeZone, Send, Receive, false, 0);
        return;
    }
    zone->TailleSend = Send;
    zone->TailleReceive = Receive;
}

void FakeProtocol::RemoveType(TTypeZones TypeZone) {
    std::lock_guard lock(FMutex);
    FZones.erase(TypeZone);
}

} // namespace g20seq::testkit
