#include "zones/TypeLogicielsAdditionnels.h"

namespace g20seq {

namespace {

constexpr bool SansBlancs = true;

} // namespace

TTypeLogicielsAdditionnelsG20::TTypeLogicielsAdditionnelsG20(TPersistent* AOwner,
                                                             TTypeZones TypeZone, Word Numero,
                                                             TInterfacedPersistent* aLogicalZone)
    : TReadOnlyZone(AOwner, TypeZone, Numero, aLogicalZone) {}

std::span<const TItemStatut<TTypeLogicielsAdditionnelsG20>>
TTypeLogicielsAdditionnelsG20::Layout() {
    using Z = TTypeLogicielsAdditionnelsG20;
    static constexpr TItemStatut<Z> items[] = {
        statut::Texte(0, 2, &Z::FVersion2ndProcesseur, SansBlancs),
        statut::Texte(2, 1, &Z::FRevision2ndProcesseur, SansBlancs),
        statut::Texte(3, 2, &Z::FTypeLogiciel2ndProc, SansBlancs),
        statut::Texte(5, 3, &Z::FComplement2ndProc, SansBlancs),
        statut::Texte(8, 2, &Z::FVersionCarteMF, SansBlancs),
        statut::Texte(10, 1, &Z::FRevisionCarteMF, SansBlancs),
        statut::Texte(11, 2, &Z::FTypeLogicielCarteMF, SansBlancs),
        statut::Texte(13, 3, &Z::FComplementCarteMF, SansBlancs),
    };
    static_assert(TailleStatut<Z>(items) == TaillePayload);
    return items;
}

bool TTypeLogicielsAdditionnelsG20::EqualsDetails(const TPersistent* /*Other*/,
                                                  TStringList* /*ListeDifferences*/) const {
    return true;
}

} // namespace g20seq
