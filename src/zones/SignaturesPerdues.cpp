#include "zones/SignaturesPerdues.h"

namespace g20seq {

TSignaturesPerduesG20::TSignaturesPerduesG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                             TInterfacedPersistent* aLogicalZone)
    : TNotInFilesZone(AOwner, TypeZone, Numero, aLogicalZone) {}

const TPayloadLayout& TSignaturesPerduesG20::Layout() {
    using Z = TSignaturesPerduesG20;
    static constexpr TPayloadItem items[] = {
        payload::Number(0, 2, payload::Member<&Z::FNbSignaturesPerdues>)};
    static constexpr TPayloadLayout layout{items};
    static_assert(layout.Size() == TaillePayload);
    return layout;
}

void TSignaturesPerduesG20::SetNbSignaturesPerdues(Word Value) {
    TLockGuard lock(ZoneLock());
    FNbSignaturesPerdues = Value;
}

} // namespace g20seq
