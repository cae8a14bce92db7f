#include "zones/Thermique.h"

namespace g20seq {

TThermiqueG20::TThermiqueG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                             TInterfacedPersistent* aLogicalZone)
    : TReadOnlyZone(AOwner, TypeZone, Numero, aLogicalZone) {}

std::span<const TItemStatut<TThermiqueG20>> TThermiqueG20::Layout() {
    using Z = TThermiqueG20;
    static constexpr TItemStatut<Z> items[] = {statut::Entier(0, 2, &Z::FIntensiteThermique)};
    static_assert(TailleStatut<Z>(items) == TaillePayload);
    return items;
}

double TThermiqueG20::GetIntensiteThermique(bool ModeAmperes) const {
    return IntensiteAffichee(Lu(FIntensiteThermique), ModeAmperes);
}

} // namespace g20seq
