#include "zones/SignalisationModification.h"

namespace g20seq {

TSignalisationModificationG20::TSignalisationModificationG20(TPersistent* AOwner,
                                                             TTypeZones TypeZone, Word Numero,
                                                             TInterfacedPersistent* aLogicalZone)
    : TWriteOnlyZone(AOwner, TypeZone, Numero, aLogicalZone) {}

std::span<const TItemStatut<TSignalisationModificationG20>>
TSignalisationModificationG20::Layout() {
    using Z = TSignalisationModificationG20;
    static constexpr TItemStatut<Z> items[] = {
        statut::Drapeau(0, 0, &Z::FSurveillanceModification)};
    static_assert(TailleStatut<Z>(items) == TaillePayload);
    return items;
}

void TSignalisationModificationG20::SetSurveillanceModification(bool Value) {
    TLockGuard lock(ZoneLock());
    FSurveillanceModification = Value;
}

} // namespace g20seq
