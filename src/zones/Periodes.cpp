#include "zones/Periodes.h"

namespace g20seq {

namespace {

constexpr int Centiemes = 100;

} // namespace

TPeriodesG20::TPeriodesG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                           TInterfacedPersistent* aLogicalZone)
    : TReadOnlyZone(AOwner, TypeZone, Numero, aLogicalZone) {}

const TPayloadLayout& TPeriodesG20::Layout() {
    using Z = TPeriodesG20;
    static constexpr TPayloadItem items[] = {
        payload::Number(0, 2, payload::Member<&Z::FIntensitePlus>),
        payload::Number(2, 2, payload::Member<&Z::FIntensiteMoins>),
        payload::Number(4, 2, payload::Member<&Z::FPhiPlus>),
        payload::Number(6, 2, payload::Member<&Z::FPhiMoins>),
        payload::Number(8, 2, payload::Member<&Z::FPhiePlus>),
        payload::Number(10, 2, payload::Member<&Z::FPsiPlus>),
        payload::Number(12, 2, payload::Member<&Z::FPsiMoins>),
        payload::Number(14, 2, payload::Member<&Z::FPctIntensite, payload::TScale<Centiemes>>),
        payload::Number(16, 2, payload::Member<&Z::FTensionPlus, payload::TScale<Centiemes>>),
        payload::Number(18, 2, payload::Member<&Z::FTensionMoins, payload::TScale<Centiemes>>),
        payload::Number(20, 2, payload::Member<&Z::FConsigne>),
        payload::Number(22, 2, payload::Member<&Z::FPctZ, payload::TScale<Centiemes>>),
        payload::Number(24, 2,
                        payload::Member<&Z::FPctIntensiteMesuree, payload::TScale<Centiemes>>),
    };
    static constexpr TPayloadLayout layout{items};
    static_assert(layout.Size() == TaillePayload);
    return layout;
}

double TPeriodesG20::GetIntensitePlus(bool ModeAmperes) const {
    return IntensiteAffichee(Lu(FIntensitePlus), ModeAmperes);
}

double TPeriodesG20::GetIntensiteMoins(bool ModeAmperes) const {
    return IntensiteAffichee(Lu(FIntensiteMoins), ModeAmperes);
}

} // namespace g20seq
