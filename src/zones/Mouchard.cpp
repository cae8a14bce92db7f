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

std::span<const TItemStatut<TMouchardG20>> TMouchardG20::Layout() {
    using Z = TMouchardG20;
    static constexpr TItemStatut<Z> items[] = {
        statut::Texte(0, 2, &Z::FTypeLogiciel),
        statut::Entier(2, 1, &Z::FVersionBase),
        statut::Plage(3, 1, &Z::FNumeroInterneCPS),
        statut::Drapeau(4, 1, &Z::FParametresModifies),
        statut::Drapeau(4, 2, &Z::FDemandeRAZNovram),
        statut::Drapeau(4, 4, &Z::FPerteSignatureCommunication),
        statut::Drapeau(4, 5, &Z::FPerteSignatureAffichage),
        statut::Drapeau(4, 7, &Z::FDernierDemiPeriodenegative),
        statut::Ignore<Z>(5, 1),
        statut::Calcule(6, 2, &Z::StockerDerniereEdition, &Z::ExtraireDerniereEdition),
        statut::Calcule(8, 4, &Z::StockerNombreTotal, &Z::ExtraireNombreTotal),
        statut::Entier(12, 2, &Z::FIntensiteThermiqueMaxi),
        statut::DateHeure(14, &Z::FDateThermiqueMaxi),
    };
    static_assert(TailleStatut<Z>(items) == TaillePayload);
    return items;
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

void TMouchardG20::AssignAutres(const TMouchardG20& Source) {
    FDerniereEdition.Assign(&Source.FDerniereEdition);
    FDernierProgrammeEdite.Assign(&Source.FDernierProgrammeEdite);
    FNombreTotalPointCPS = Source.FNombreTotalPointCPS;
}

double TMouchardG20::GetIntensiteThermiqueMaxi(bool ModeAmperes) const {
    return IntensiteAffichee(Lu(FIntensiteThermiqueMaxi), ModeAmperes);
}

} // namespace g20seq
