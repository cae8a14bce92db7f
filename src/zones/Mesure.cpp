#include "zones/Mesure.h"

namespace g20seq {

namespace {

constexpr int Centiemes = 100;

} // namespace

TMesureG20::TMesureG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                       TInterfacedPersistent* aLogicalZone)
    : TReadOnlyZone(AOwner, TypeZone, Numero, aLogicalZone) {
    if (EstControleurMF(*this))
        SetTailles(GetTailleSendZone(), TaillePayloadMF);
}

const TPayloadLayout& TMesureG20::Layout() const {
    return EstControleurMF(*this) ? LayoutMF() : LayoutAC();
}

const TPayloadLayout& TMesureG20::LayoutAC() {
    using Z = TMesureG20;
    static constexpr TPayloadItem items[] = {
        payload::Number(0, 2, payload::Member<&Z::FIntensiteMesuree>),
        payload::Number(2, 2, payload::Member<&Z::FPctEquivalent, payload::TScale<Centiemes>>),
        payload::Number(4, 2, payload::Member<&Z::FPctTensionMesuree, payload::TScale<Centiemes>>),
        payload::Number(6, 2, payload::Member<&Z::FConsigneIntensite>),
        payload::Number(8, 2, payload::Member<&Z::FPctConsigneTension, payload::TScale<Centiemes>>),
        payload::Number(10, 2, payload::Member<&Z::FEffortMesure>),
        payload::Number(12, 2, payload::Member<&Z::FDureeTempsAccostage>),
        // The medium-frequency values, which the AC payload does not carry.
        payload::Copied(payload::Member<&Z::FIntensitePrimaire>),
        payload::Copied(payload::Member<&Z::FIntensiteParametree>),
    };
    static constexpr TPayloadLayout layout{items};
    static_assert(layout.Size() == TaillePayloadAC);
    return layout;
}

const TPayloadLayout& TMesureG20::LayoutMF() {
    using Z = TMesureG20;
    static constexpr TPayloadItem items[] = {
        payload::Number(0, 2, payload::Member<&Z::FIntensiteMesuree>),
        payload::Number(2, 2, payload::Member<&Z::FPctEquivalent, payload::TScale<Centiemes>>),
        payload::Number(4, 2, payload::Member<&Z::FPctTensionMesuree, payload::TScale<Centiemes>>),
        payload::Number(6, 2, payload::Member<&Z::FConsigneIntensite>),
        payload::Number(8, 2, payload::Member<&Z::FPctConsigneTension, payload::TScale<Centiemes>>),
        payload::Number(10, 2, payload::Member<&Z::FIntensitePrimaire>),
        payload::Number(12, 2, payload::Member<&Z::FIntensiteParametree>),
        payload::Number(14, 2, payload::Member<&Z::FEffortMesure>),
        payload::Number(16, 2, payload::Member<&Z::FDureeTempsAccostage>),
    };
    static constexpr TPayloadLayout layout{items};
    static_assert(layout.Size() == TaillePayloadMF);
    return layout;
}

double TMesureG20::GetIntensiteMesuree(bool ModeAmperes) const {
    return IntensiteAffichee(Lu(FIntensiteMesuree), ModeAmperes);
}

double TMesureG20::GetConsigneIntensite(bool ModeAmperes) const {
    return IntensiteAffichee(Lu(FConsigneIntensite), ModeAmperes);
}

} // namespace g20seq
