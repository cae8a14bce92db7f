#include "zones/Mesure.h"

namespace g20seq {

namespace {

constexpr double Centiemes = 100.0;

} // namespace

TMesureG20::TMesureG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                       TInterfacedPersistent* aLogicalZone)
    : TReadOnlyZone(AOwner, TypeZone, Numero, aLogicalZone) {
    if (EstControleurMF(*this))
        SetTailles(GetTailleSendZone(), TaillePayloadMF);
}

std::span<const TItemStatut<TMesureG20>> TMesureG20::Layout() const {
    return EstControleurMF(*this) ? LayoutMF() : LayoutAC();
}

std::span<const TItemStatut<TMesureG20>> TMesureG20::LayoutAC() {
    using Z = TMesureG20;
    static constexpr TItemStatut<Z> items[] = {
        statut::Plage(0, 2, &Z::FIntensiteMesuree),
        statut::Plage(2, 2, &Z::FPctEquivalent, Centiemes),
        statut::Plage(4, 2, &Z::FPctTensionMesuree, Centiemes),
        statut::Plage(6, 2, &Z::FConsigneIntensite),
        statut::Plage(8, 2, &Z::FPctConsigneTension, Centiemes),
        statut::Plage(10, 2, &Z::FEffortMesure),
        statut::Plage(12, 2, &Z::FDureeTempsAccostage),
    };
    static_assert(TailleStatut<Z>(items) == TaillePayloadAC);
    return items;
}

std::span<const TItemStatut<TMesureG20>> TMesureG20::LayoutMF() {
    using Z = TMesureG20;
    static constexpr TItemStatut<Z> items[] = {
        statut::Plage(0, 2, &Z::FIntensiteMesuree),
        statut::Plage(2, 2, &Z::FPctEquivalent, Centiemes),
        statut::Plage(4, 2, &Z::FPctTensionMesuree, Centiemes),
        statut::Plage(6, 2, &Z::FConsigneIntensite),
        statut::Plage(8, 2, &Z::FPctConsigneTension, Centiemes),
        statut::Plage(10, 2, &Z::FIntensitePrimaire),
        statut::Plage(12, 2, &Z::FIntensiteParametree),
        statut::Plage(14, 2, &Z::FEffortMesure),
        statut::Plage(16, 2, &Z::FDureeTempsAccostage),
    };
    static_assert(TailleStatut<Z>(items) == TaillePayloadMF);
    return items;
}

void TMesureG20::AssignAutres(const TMesureG20& Source) {
    FIntensitePrimaire.Assign(&Source.FIntensitePrimaire);
    FIntensiteParametree.Assign(&Source.FIntensiteParametree);
}

double TMesureG20::GetIntensiteMesuree(bool ModeAmperes) const {
    return IntensiteAffichee(Lu(FIntensiteMesuree), ModeAmperes);
}

double TMesureG20::GetConsigneIntensite(bool ModeAmperes) const {
    return IntensiteAffichee(Lu(FConsigneIntensite), ModeAmperes);
}

} // namespace g20seq
