#include "zones/Identification.h"

namespace g20seq {

TIdentificationG20::TIdentificationG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                       TInterfacedPersistent* aLogicalZone)
    : TReadOnlyZone(AOwner, TypeZone, Numero, aLogicalZone) {}

std::span<const TItemStatut<TIdentificationG20>> TIdentificationG20::Layout() {
    using Z = TIdentificationG20;
    static constexpr TItemStatut<Z> items[] = {
        statut::Texte(0, 3, &Z::FVersionLogiciel),
        statut::Texte(3, 2, &Z::FTypeLogiciel),
        statut::Texte(5, 3, &Z::FVersionProtocole),
        statut::Texte(8, 2, &Z::FAnneeProduction),
        statut::Texte(10, 2, &Z::FSemaineProduction),
        statut::Texte(12, 4, &Z::FGroupeStatistiqueVente),
        statut::Texte(16, 3, &Z::FNumeroIncremental),
    };
    static_assert(TailleStatut<Z>(items) == TaillePayload);
    return items;
}

} // namespace g20seq
