#include "protocol/ProtocoleG20.h"

namespace g20seq::host {

THResult TZoneProtocoleG20::QueryInterface(const TGUID&, void** Obj) {
    *Obj = nullptr;
    return THResult::E_NOINTERFACE;
}

TProtocoleG20::TProtocoleG20(TVariante Variante) : FVariante(Variante) {
    for (const TZoneProtocoleRow& row : G20Zones)
        FZones.emplace(row.TypeZone, TZoneProtocoleG20(row));
    if (Variante == TVariante::MF)
        for (const TZoneProtocoleRow& row : G20ZonesMF)
            FZones.insert_or_assign(row.TypeZone, TZoneProtocoleG20(row));
}

TProtocoleG20& TProtocoleG20::PourStation(const std::string& Nom) {
    const TVariante variante = VarianteOfName(Nom);
    if (variante == TVariante::Inconnue || variante == FVariante)
        return *this;
    std::lock_guard lock(FMutex);
    if (FAutre == nullptr)
        FAutre = std::make_unique<TProtocoleG20>(variante);
    return *FAutre;
}

THResult TProtocoleG20::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IProtocoleModel::IID)
        *Obj = static_cast<IProtocoleModel*>(this);
    else if (IID == IProtocoleNom::IID)
        *Obj = static_cast<IProtocoleNom*>(this);
    else
        return TInterfacedPersistent::QueryInterface(IID, Obj);
    return THResult::S_OK;
}

IZoneProtocole* TProtocoleG20::GetZoneProtocole(TTypeZones TypeZone) {
    // The map is filled once by the constructor and never changes: no lock needed.
    const auto found = FZones.find(TypeZone);
    return found != FZones.end() ? &found->second : nullptr;
}

void TProtocoleG20::IncNombreEproms() {
    std::lock_guard lock(FMutex);
    ++FNombreEproms;
}

bool TProtocoleG20::DecNombreEproms() {
    std::lock_guard lock(FMutex);
    if (FNombreEproms > 0)
        --FNombreEproms;
    return FNombreEproms == 0;
}

TInterfacedPersistent* TProtocoleG20::CreateAutomate(TObject*) {
    return nullptr;
}

std::string TProtocoleG20::GetNom() {
    std::lock_guard lock(FMutex);
    return FNom;
}

void TProtocoleG20::SetNom(const std::string& Nom) {
    std::lock_guard lock(FMutex);
    FNom = Nom;
}

int TProtocoleG20::GetNombreEproms() const {
    std::lock_guard lock(FMutex);
    return FNombreEproms;
}

} // namespace g20seq::host
