#include "zones/Soudage.h"

namespace g20seq {

TSoudageG20::TSoudageG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                         TInterfacedPersistent* aLogicalZone)
    : TReadOnlyZone(AOwner, TypeZone, Numero, aLogicalZone) {}

const TPayloadLayout& TSoudageG20::Layout() {
    using Z = TSoudageG20;
    static constexpr TPayloadItem items[] = {
        payload::Number(0, 2, payload::Member<&Z::FPhiePlus>),
        payload::Number(2, 2, payload::Member<&Z::FPsiPlus>),
        payload::Number(4, 2, payload::Member<&Z::FPhiPlus>),
        payload::Number(6, 2, payload::Member<&Z::FMesureIntensitePlus>),
        payload::Number(8, 2, payload::Member<&Z::FConsigne>),
        payload::Number(10, 2, payload::Member<&Z::FOffsetMesure>),
        payload::Number(12, 1, payload::Member<&Z::FMode>),
    };
    static constexpr TPayloadLayout layout{items};
    static_assert(layout.Size() == TaillePayload);
    return layout;
}

double TSoudageG20::GetMesureIntensitePlus(bool ModeAmperes) const {
    return IntensiteAffichee(Lu(FMesureIntensitePlus), ModeAmperes);
}

double TSoudageG20::GetConsigneIntensite(bool ModeAmperes) const {
    return IntensiteAffichee(Lu(FConsigne), ModeAmperes);
}

} // namespace g20seq
