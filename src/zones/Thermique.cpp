#include "zones/Thermique.h"

namespace g20seq {

TThermiqueG20::TThermiqueG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                             TInterfacedPersistent* aLogicalZone)
    : TReadOnlyZone(AOwner, TypeZone, Numero, aLogicalZone) {}

const TPayloadLayout& TThermiqueG20::Layout() {
    using Z = TThermiqueG20;
    static constexpr TPayloadItem items[] = {
        payload::Number(0, 2, payload::Member<&Z::FIntensiteThermique>)};
    static constexpr TPayloadLayout layout{items};
    static_assert(layout.Size() == TaillePayload);
    return layout;
}

double TThermiqueG20::GetIntensiteThermique(bool ModeAmperes) const {
    return IntensiteAffichee(Lu(FIntensiteThermique), ModeAmperes);
}

} // namespace g20seq
