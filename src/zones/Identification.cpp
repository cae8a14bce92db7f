#include "zones/Identification.h"

namespace g20seq {

TIdentificationG20::TIdentificationG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                       TInterfacedPersistent* aLogicalZone)
    : TReadOnlyZone(AOwner, TypeZone, Numero, aLogicalZone) {}

const TPayloadLayout& TIdentificationG20::Layout() {
    using Z = TIdentificationG20;
    static constexpr TPayloadItem items[] = {
        payload::Text(0, 3, payload::Member<&Z::FVersionLogiciel>, statut::TelQuel),
        payload::Text(3, 2, payload::Member<&Z::FTypeLogiciel>, statut::TelQuel),
        payload::Text(5, 3, payload::Member<&Z::FVersionProtocole>, statut::TelQuel),
        payload::Text(8, 2, payload::Member<&Z::FAnneeProduction>, statut::TelQuel),
        payload::Text(10, 2, payload::Member<&Z::FSemaineProduction>, statut::TelQuel),
        payload::Text(12, 4, payload::Member<&Z::FGroupeStatistiqueVente>, statut::TelQuel),
        payload::Text(16, 3, payload::Member<&Z::FNumeroIncremental>, statut::TelQuel),
    };
    static constexpr TPayloadLayout layout{items};
    static_assert(layout.Size() == TaillePayload);
    return layout;
}

} // namespace g20seq
