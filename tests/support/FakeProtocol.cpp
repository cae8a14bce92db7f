#include "support/FakeProtocol.h"

#include "protocol/TableG20.h"

namespace g20seq::testkit {

FakeZoneProtocole::FakeZoneProtocole(Word Send, Word Receive, LongWord Adresse, bool InFile,
                                     int Zones)
    : TailleSend(Send), TailleReceive(Receive), Adresse(Adresse), InFile(InFile),
      NombreZones(Zones) {}

FakeProtocol::FakeProtocol() {
    for (const host::TZoneProtocoleRow& row : host::G20Zones)
        SetZone(row.TypeZone, row.Send, row.Receive, row.InFile, row.Zones);
}

FakeProtocol::~FakeProtocol() = default;

THResult FakeProtocol::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IProtocoleModel::IID) {
        *Obj = static_cast<IProtocoleModel*>(this);
        return THResult::S_OK;
    }
    if (IID == IProtocoleNom::IID) {
        *Obj = static_cast<IProtocoleNom*>(this);
        return THResult::S_OK;
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
