#include "zones/Mouchard.h"

#include "support/Exceptions.h"

namespace g20seq {

namespace {

// Last-edition words that are not program numbers, and the edits they stand for.
struct TEditionNommee {
    Word Mot;
    int Edition;
};

constexpr TEditionNommee EditionsNommees[] = {{0x0080, 1}, {0x0081, 2}};

// The weld total travels as ten-thousands and units.
constexpr int DizainesDeMille = 10000;

} // namespace

TMouchardG20::TMouchardG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                           TInterfacedPersistent* aLogicalZone)
    : TReadOnlyZone(AOwner, TypeZone, Numero, aLogicalZone) {}

const TPayloadLayout& TMouchardG20::Layout() {
    using Z = TMouchardG20;
    static constexpr TPayloadItem items[] = {
        payload::Text(0, 2, payload::Member<&Z::FTypeLogiciel>, statut::TelQuel),
        payload::Number(2, 1, payload::Member<&Z::FVersionBase>),
        payload::Number(3, 1, payload::Member<&Z::FNumeroInterneCPS>),
        payload::Bits(4, 1, payload::Member<&Z::FParametresModifies>),
        payload::Bits(4, 2, payload::Member<&Z::FDemandeRAZNovram>),
        payload::Bits(4, 4, payload::Member<&Z::FPerteSignatureCommunication>),
        payload::Bits(4, 5, payload::Member<&Z::FPerteSignatureAffichage>),
        payload::Bits(4, 7, payload::Member<&Z::FDernierDemiPeriodenegative>),
        payload::Skip(5, 1),
        payload::Number(6, 2,
                        payload::Computed<&Z::StockerDerniereEdition, &Z::ExtraireDerniereEdition>),
        payload::Number(8, 4, payload::Computed<&Z::StockerNombreTotal, &Z::ExtraireNombreTotal>),
        payload::Number(12, 2, payload::Member<&Z::FIntensiteThermiqueMaxi>),
        statut::DateHeure<&Z::FDateThermiqueMaxi>(14),
        // What the computed words stand for.
        payload::Copied(payload::Member<&Z::FDerniereEdition>),
        payload::Copied(payload::Member<&Z::FDernierProgrammeEdite>),
        payload::Copied(payload::Member<&Z::FNombreTotalPointCPS>),
    };
    static constexpr TPayloadLayout layout{items};
    static_assert(layout.Size() == TaillePayload);
    return layout;
}

void TMouchardG20::StockerDerniereEdition(TMouchardG20& Zone, LongWord Mot) {
    for (const TEditionNommee& nommee : EditionsNommees)
        if (Mot == nommee.Mot) {
            Zone.FDerniereEdition.SetValue(nommee.Edition);
            return;
        }
    Zone.FDerniereEdition.SetValue(0);
    Zone.FDernierProgrammeEdite.SetValue(static_cast<int>(Mot));
}

LongWord TMouchardG20::ExtraireDerniereEdition(const TMouchardG20& Zone) {
    for (const TEditionNommee& nommee : EditionsNommees)
        if (Zone.FDerniereEdition.GetValue() == nommee.Edition)
            return nommee.Mot;
    return static_cast<LongWord>(Zone.FDernierProgrammeEdite.GetValue());
}

void TMouchardG20::StockerNombreTotal(TMouchardG20& Zone, LongWord Mots) {
    Zone.FNombreTotalPointCPS = HiWord(Mots) * DizainesDeMille + LoWord(Mots);
}

LongWord TMouchardG20::ExtraireNombreTotal(const TMouchardG20& Zone) {
    const auto total = static_cast<LongWord>(Zone.FNombreTotalPointCPS);
    const LongWord dizaines = total / DizainesDeMille;
    if (dizaines > 0xFFFF)
        throw ERangeError();
    return MakeLong(static_cast<Word>(dizaines), static_cast<Word>(total % DizainesDeMille));
}

double TMouchardG20::GetIntensiteThermiqueMaxi(bool ModeAmperes) const {
    return IntensiteAffichee(Lu(FIntensiteThermiqueMaxi), ModeAmperes);
}

} // namespace g20seq
