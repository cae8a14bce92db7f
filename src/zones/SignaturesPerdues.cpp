#include "zones/SignaturesPerdues.h"

namespace g20seq {

TSignaturesPerduesG20::TSignaturesPerduesG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                             TInterfacedPersistent* aLogicalZone)
    : TNotInFilesZone(AOwner, TypeZone, Numero, aLogicalZone) {}

std::span<const TItemStatut<TSignaturesPerduesG20>> TSignaturesPerduesG20::Layout() {
    using Z = TSignaturesPerduesG20;
    static constexpr TItemStatut<Z> items[] = {statut::Entier(0, 2, &Z::FNbSignaturesPerdues)};
    static_assert(TailleStatut<Z>(items) == TaillePayload);
    return items;
}

void TSignaturesPerduesG20::SetNbSignaturesPerdues(Word Value) {
    TLockGuard lock(ZoneLock());
    FNbSignaturesPerdues = Value;
}

} // namespace g20seq
