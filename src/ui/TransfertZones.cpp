#include "ui/TransfertZones.h"

#include "model/CustomZoneCPS.h"

namespace g20seq {

TTransfertZones::TTransfertZones() : FAEnvoyer(std::make_unique<TZoneQueue>()) {}

void TTransfertZones::Ajouter(TCustomZoneCPS& Cible) {
    const TLockGuard lock(FLock);
    FTransferees.AddObject(Cible.ZoneLabel(), &Cible);
    FAEnvoyer->push_back(Cible.Duplicate());
}

void TTransfertZones::NouvelleFile() {
    FAEnvoyer = std::make_unique<TZoneQueue>();
}

void TTransfertZones::Oublier() {
    const TLockGuard lock(FLock);
    FTransferees.Clear();
}

int TTransfertZones::NbEnAttente() const {
    const TLockGuard lock(FLock);
    return FTransferees.Count();
}

TCustomZoneCPS* TTransfertZones::Suivante() const {
    const TLockGuard lock(FLock);
    return FTransferees.Count() > 0 ? static_cast<TCustomZoneCPS*>(FTransferees.Objects(0))
                                    : nullptr;
}

void TTransfertZones::Recevoir(const TCustomZoneCPS* Zone, bool bErreur,
                               const std::function<void(TReception)>& Suite) {
    const TLockGuard lock(FLock);
    TReception reception;
    if (bErreur) {
        FTransferees.Clear();
    } else if (Zone != nullptr) {
        reception.Index = FTransferees.IndexOf(Zone->ZoneLabel());
        if (reception.Index == 0) {
            reception.Cible = static_cast<TCustomZoneCPS*>(FTransferees.Objects(0));
            reception.Copie = Zone->Duplicate();
        }
        if (reception.Index >= 0)
            FTransferees.Delete(reception.Index);
    }
    reception.Restantes = FTransferees.Count();
    if (reception.Restantes > 0)
        reception.Suivante = static_cast<TCustomZoneCPS*>(FTransferees.Objects(0));
    Suite(std::move(reception));
}

} // namespace g20seq
