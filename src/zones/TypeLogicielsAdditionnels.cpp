#include "zones/TypeLogicielsAdditionnels.h"

namespace g20seq {

TTypeLogicielsAdditionnelsG20::TTypeLogicielsAdditionnelsG20(TPersistent* AOwner,
                                                             TTypeZones TypeZone, Word Numero,
                                                             TInterfacedPersistent* aLogicalZone)
    : TReadOnlyZone(AOwner, TypeZone, Numero, aLogicalZone) {}

const TPayloadLayout& TTypeLogicielsAdditionnelsG20::Layout() {
    using Z = TTypeLogicielsAdditionnelsG20;
    static constexpr TPayloadItem items[] = {
        payload::Text(0, 2, payload::Member<&Z::FVersion2ndProcesseur>, statut::SansBlancs),
        payload::Text(2, 1, payload::Member<&Z::FRevision2ndProcesseur>, statut::SansBlancs),
        payload::Text(3, 2, payload::Member<&Z::FTypeLogiciel2ndProc>, statut::SansBlancs),
        payload::Text(5, 3, payload::Member<&Z::FComplement2ndProc>, statut::SansBlancs),
        payload::Text(8, 2, payload::Member<&Z::FVersionCarteMF>, statut::SansBlancs),
        payload::Text(10, 1, payload::Member<&Z::FRevisionCarteMF>, statut::SansBlancs),
        payload::Text(11, 2, payload::Member<&Z::FTypeLogicielCarteMF>, statut::SansBlancs),
        payload::Text(13, 3, payload::Member<&Z::FComplementCarteMF>, statut::SansBlancs),
    };
    static constexpr TPayloadLayout layout{items};
    static_assert(layout.Size() == TaillePayload);
    return layout;
}

bool TTypeLogicielsAdditionnelsG20::EqualsDetails(const TPersistent* /*Other*/,
                                                  TStringList* /*ListeDifferences*/) const {
    return true;
}

} // namespace g20seq
