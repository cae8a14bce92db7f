#include "zones/Periodes.h"

namespace g20seq {

namespace {

constexpr double Centiemes = 100.0;

} // namespace

TPeriodesG20::TPeriodesG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                           TInterfacedPersistent* aLogicalZone)
    : TReadOnlyZone(AOwner, TypeZone, Numero, aLogicalZone) {}

std::span<const TItemStatut<TPeriodesG20>> TPeriodesG20::Layout() {
    using Z = TPeriodesG20;
    static constexpr TItemStatut<Z> items[] = {
        statut::Entier(0, 2, &Z::FIntensitePlus),
        statut::Entier(2, 2, &Z::FIntensiteMoins),
        statut::Entier(4, 2, &Z::FPhiPlus),
        statut::Entier(6, 2, &Z::FPhiMoins),
        statut::Entier(8, 2, &Z::FPhiePlus),
        statut::Entier(10, 2, &Z::FPsiPlus),
        statut::Entier(12, 2, &Z::FPsiMoins),
        statut::Reel(14, 2, &Z::FPctIntensite, Centiemes),
        statut::Reel(16, 2, &Z::FTensionPlus, Centiemes),
        statut::Reel(18, 2, &Z::FTensionMoins, Centiemes),
        statut::Entier(20, 2, &Z::FConsigne),
        statut::Reel(22, 2, &Z::FPctZ, Centiemes),
        statut::Reel(24, 2, &Z::FPctIntensiteMesuree, Centiemes),
    };
    static_assert(TailleStatut<Z>(items) == TaillePayload);
    return items;
}

double TPeriodesG20::GetIntensitePlus(bool ModeAmperes) const {
    return IntensiteAffichee(Lu(FIntensitePlus), ModeAmperes);
}

double TPeriodesG20::GetIntensiteMoins(bool ModeAmperes) const {
    return IntensiteAffichee(Lu(FIntensiteMoins), ModeAmperes);
}

} // namespace g20seq
