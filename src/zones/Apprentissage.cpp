#include "zones/Apprentissage.h"

namespace g20seq {

TApprentissage::TApprentissage(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                               TInterfacedPersistent* aLogicalZone)
    : TZoneStatut(AOwner, TypeZone, Numero, aLogicalZone) {}

std::span<const TItemStatut<TApprentissage>> TApprentissage::Layout() {
    using Z = TApprentissage;
    static constexpr TItemStatut<Z> items[] = {
        statut::Entier(0, 2, &Z::FGainStatique),
        statut::Entier(2, 2, &Z::FOffsetCoefficientRegulation),
        statut::Entier(4, 2, &Z::FCoefficientOndulationA),
        statut::Entier(6, 2, &Z::FCoefficientOndulationB),
        statut::Entier(8, 2, &Z::FGainCompensationOndulation),
        statut::Entier(10, 2, &Z::FTensionApprentissage),
        statut::Entier(12, 1, &Z::FTempsMonte),
    };
    static_assert(TailleStatut<Z>(items) == TaillePayload);
    return items;
}

} // namespace g20seq
