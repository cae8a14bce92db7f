#include "zones/Soudage.h"

namespace g20seq {

TSoudageG20::TSoudageG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                         TInterfacedPersistent* aLogicalZone)
    : TReadOnlyZone(AOwner, TypeZone, Numero, aLogicalZone) {}

std::span<const TItemStatut<TSoudageG20>> TSoudageG20::Layout() {
    using Z = TSoudageG20;
    static constexpr TItemStatut<Z> items[] = {
        statut::Entier(0, 2, &Z::FPhiePlus), statut::Entier(2, 2, &Z::FPsiPlus),
        statut::Entier(4, 2, &Z::FPhiPlus),  statut::Entier(6, 2, &Z::FMesureIntensitePlus),
        statut::Entier(8, 2, &Z::FConsigne), statut::Entier(10, 2, &Z::FOffsetMesure),
        statut::Entier(12, 1, &Z::FMode),
    };
    static_assert(TailleStatut<Z>(items) == TaillePayload);
    return items;
}

double TSoudageG20::GetMesureIntensitePlus(bool ModeAmperes) const {
    return IntensiteAffichee(Lu(FMesureIntensitePlus), ModeAmperes);
}

double TSoudageG20::GetConsigneIntensite(bool ModeAmperes) const {
    return IntensiteAffichee(Lu(FConsigne), ModeAmperes);
}

} // namespace g20seq
