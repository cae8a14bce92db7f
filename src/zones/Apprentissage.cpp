#include "zones/Apprentissage.h"

namespace g20seq {

TApprentissage::TApprentissage(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                               TInterfacedPersistent* aLogicalZone)
    : TZoneStatut(AOwner, TypeZone, Numero, aLogicalZone) {}

const TPayloadLayout& TApprentissage::Layout() {
    using Z = TApprentissage;
    static constexpr TPayloadItem items[] = {
        payload::Number(0, 2, payload::Member<&Z::FGainStatique>),
        payload::Number(2, 2, payload::Member<&Z::FOffsetCoefficientRegulation>),
        payload::Number(4, 2, payload::Member<&Z::FCoefficientOndulationA>),
        payload::Number(6, 2, payload::Member<&Z::FCoefficientOndulationB>),
        payload::Number(8, 2, payload::Member<&Z::FGainCompensationOndulation>),
        payload::Number(10, 2, payload::Member<&Z::FTensionApprentissage>),
        payload::Number(12, 1, payload::Member<&Z::FTempsMonte>),
    };
    static constexpr TPayloadLayout layout{items};
    static_assert(layout.Size() == TaillePayload);
    return layout;
}

} // namespace g20seq
