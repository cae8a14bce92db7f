#include "model/Protocole.h"

#include "support/Format.h"

namespace g20seq {

TProtocole::TProtocole(const std::string& Nom) : ListeTypeZones(true), FNomProtocole(Nom) {
    ListeTypeZones.SetSorted(true);
    ListeTypeZones.SetCaseSensitive(true);
    ListeTypeZones.SetDuplicates(TDuplicates::dupError);
}

TProtocole::~TProtocole() = default;

bool TProtocole::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IProtocoleModel::IID)
        *Obj = static_cast<IProtocoleModel*>(this);
    else if (IID == IProtocoleCommunication::IID)
        *Obj = static_cast<IProtocoleCommunication*>(this);
    else if (IID == IProtocoleNom::IID)
        *Obj = static_cast<IProtocoleNom*>(this);
    else
        return TInterfacedPersistent::QueryInterface(IID, Obj);
    return true;
}

IZoneProtocole* TProtocole::GetZoneProtocole(TTypeZones TypeZone) {
    TLockGuard guard(FLock);
    const int index = ListeTypeZones.IndexOf(IntToStr(static_cast<int>(TypeZone)));
    return index < 0 ? nullptr : dynamic_cast<IZoneProtocole*>(ListeTypeZones.Objects(index));
}

void TProtocole::IncNombreEproms() {
    TLockGuard guard(FLock);
    ++NombreEproms;
}

bool TProtocole::DecNombreEproms() {
    TLockGuard guard(FLock);
    if (NombreEproms > 0)
        --NombreEproms;
    return NombreEproms == 0;
}

int TProtocole::GetNombreEproms() const {
    TLockGuard guard(FLock);
    return NombreEproms;
}

std::string TProtocole::GetNom() {
    TLockGuard guard(FLock);
    return FNomProtocole;
}

void TProtocole::SetNom(const std::string& Nom) {
    TLockGuard guard(FLock);
    FNomProtocole = Nom;
}

void TProtocole::AddZoneProtocole(TTypeZones TypeZone,
                                  std::unique_ptr<TInterfacedPersistent> Info) {
    if (dynamic_cast<IZoneProtocole*>(Info.get()) == nullptr)
        throw EConvertError(Format("%s is not a zone protocol information",
                                   Info ? Info->ClassName() : std::string("nil")));
    TLockGuard guard(FLock);
    ListeTypeZones.AddObject(IntToStr(static_cast<int>(TypeZone)), Info.get());
    Info.release();
}

} // namespace g20seq
