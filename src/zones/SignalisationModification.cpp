#include "zones/SignalisationModification.h"

namespace g20seq {

TSignalisationModificationG20::TSignalisationModificationG20(TPersistent* AOwner,
                                                             TTypeZones TypeZone, Word Numero,
                                                             TInterfacedPersistent* aLogicalZone)
    : TWriteOnlyZone(AOwner, TypeZone, Numero, aLogicalZone) {}

const TPayloadLayout& TSignalisationModificationG20::Layout() {
    using Z = TSignalisationModificationG20;
    static constexpr TPayloadItem items[] = {
        payload::Bits(0, 0, payload::Member<&Z::FSurveillanceModification>)};
    static constexpr TPayloadLayout layout{items};
    static_assert(layout.Size() == TaillePayload);
    return layout;
}

void TSignalisationModificationG20::SetSurveillanceModification(bool Value) {
    TLockGuard lock(ZoneLock());
    FSurveillanceModification = Value;
}

} // namespace g20seq
