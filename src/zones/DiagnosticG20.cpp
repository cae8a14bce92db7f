#include "zones/DiagnosticG20.h"

#include "interface/CustomEprom.h"
#include "model/EpromDescription.h"
#include "support/ByteArray.h"

#include <string_view>

namespace g20seq {

namespace {

using enum TGereDiagnostic;

constexpr TDefObjetDiagnostic E(const char* Code, TGereDiagnostic Gere, const char* Description,
                                const char* Cle = nullptr) {
    return {Code, odEntree, Gere, Description, Cle};
}
constexpr TDefObjetDiagnostic S(const char* Code, TGereDiagnostic Gere, const char* Description,
                                const char* Cle = nullptr) {
    return {Code, odSortie, Gere, Description, Cle};
}
constexpr TDefObjetDiagnostic D(const char* Code, TGereDiagnostic Gere, const char* Description,
                                const char* Cle = nullptr) {
    return {Code, odDIP, Gere, Description, Cle};
}
constexpr TDefObjetDiagnostic L(const char* Code, TGereDiagnostic Gere, const char* Description) {
    return {Code, odLED, Gere, Description};
}
// A placeholder keeping a bit position free.
constexpr TDefObjetDiagnostic Dmy(TTypeObjetDiagnostic Type) {
    return {"DMY", Type, Jamais, "- DUMMY FIELD -", "DESCR_DUMMY"};
}

constexpr TDefObjetDiagnostic CatalogueG20[] = {
    // Inputs (bytes 0 to 8).
    E("DCY", Toujours, "entrée départ cycle"),
    E("RRO", Toujours, "entrée acquittement rodage électrode"),
    E("AUS", Toujours, "entrée autorisation soudage"),
    E("REE", Toujours, "entrée acquittement changement électrode"),
    E("RDG", Toujours, "entrée acquittement défauts"),
    E("PSV", Toujours, "entrée demande point suivant", "DESCR_PSC"),
    E("RPT", Toujours, "entrée demande répétition point"),
    E("SSO", Toujours, "entrée cycle sans soudage"),
    E("NP1", Toujours, "entrée sélection programme poids 1"),
    E("NP2", Toujours, "entrée sélection programme poids 2"),
    E("NP4", Toujours, "entrée sélection programme poids 4"),
    E("NP8", Toujours, "entrée sélection programme poids 8"),
    E("NP16", Toujours, "entrée sélection programme poids 16"),
    E("NP32", Toujours, "entrée sélection programme poids 32"),
    E("NP64", Toujours, "entrée sélection programme poids 64"),
    E("NP128", Jamais, "entrée sélection programme poids 128"),
    E("ECF1", AC, "entrée carte fille N°1"),
    E("ECF2", AC, "entrée carte fille N°2"),
    E("ECF3", AC, "entrée carte fille N°3"),
    E("ECF4", AC, "entrée carte fille N°4"),
    E("ECF5", AC, "entrée carte fille N°5"),
    E("ECF6", AC, "entrée carte fille N°6"),
    E("ECF7", AC, "entrée carte fille N°7"),
    E("ECF8", AC, "entrée carte fille N°8"),
    E("MS", Toujours, "entrée arrêt soudeuse (OFF ==> défaut N°0 ou N°6)"),
    E("TH1", AC, "entrée thermostat thyristors (OFF ==> defaut N°2)"),
    E("ARP", IB, "entrée annulation répétition de point"),
    E("TH3", Toujours, "entrée thermostat soudeuse (OFF ==> défaut N°7)"),
    E("DA1", IB, "entrée sélection électrode poids 1"),
    E("DA2", IB, "entrée sélection électrode poids 2"),
    E("DA4", IB, "entrée sélection électrode poids 4"),
    E("DA8", IB, "entrée sélection électrode poids 8"),
    E("EMF1", MF, "entrée carte moyenne fréquence N°1"),
    E("EMF2", MF, "entrée carte moyenne fréquence N°2"),
    E("APPR", MF, "entrée demande apprentissage"),
    E("EMF4", MF, "entrée carte moyenne fréquence N°4"),
    E("EMF5", MF, "entrée carte moyenne fréquence N°5"),
    E("EMF6", MF, "entrée carte moyenne fréquence N°6"),
    E("EMF7", MF, "entrée carte moyenne fréquence N°7"),
    E("THC", MF, "entrée thermostat convertisseur moyenne fréquence"),
    E("RE08", DN, "entrée bus de terrain N°8"),
    E("RE09", DN, "entrée bus de terrain N°9"),
    E("RE10", DN, "entrée bus de terrain N°10"),
    E("RE11", DN, "entrée bus de terrain N°11"),
    E("RE12", DN, "entrée bus de terrain N°12"),
    E("RE13", DN, "entrée bus de terrain N°13"),
    E("RE14", DN, "entrée bus de terrain N°14"),
    E("RE15", DN, "entrée bus de terrain N°15"),
    E("RE00", DN, "entrée bus de terrain N°0"),
    E("RE01", DN, "entrée bus de terrain N°1"),
    E("RE02", DN, "entrée bus de terrain N°2"),
    E("RE03", DN, "entrée bus de terrain N°3"),
    E("RE04", DN, "entrée bus de terrain N°4"),
    E("RE05", DN, "entrée bus de terrain N°5"),
    E("RE06", DN, "entrée bus de terrain N°6"),
    E("RE07", DN, "entrée bus de terrain N°7"),
    E("CEF", Toujours, "entrée contrôle effort"),
    E("ARS", MF, "entrée arrêt soudage moyenne fréquence"),
    E("ASO", PasIB, "entrée autorisation soudage auxiliaire"),
    E("PGO", TOR, "entrée pince grande ouverture"),
    E("DCY2", TOR, "entrée départ cycle N°2"),
    E("AUS_2", Jamais, "entrée autorisation soudage N°2"),
    E("NPP", TOR, "entrée validation numéro de programme"),
    E("SER", TOR, "entrée serrage pince"),
    E("TH3S", DN, "entrée thermostat soudeuse par bus de terrain"),
    E("MSS", DN, "entrée arrêt soudeuse par bus de terrain"),
    E("TH3_2", Jamais, "entrée thermostat soudeuse N°2"),
    E("PGO_2", Jamais, "entrée pince grande ouverture N°2"),
    E("RDG_2", Jamais, "entrée acquittement défauts N°2"),
    Dmy(odEntree),
    E("PAZ", FOouTOR, "entrée pressostat air comprimé"),
    E("CLE", Toujours, "entrée présence clé", "DESCR_CLS"),
    // DIP switches (bytes 9 to 11).
    D("DIP1", PasFOouTOR, "commutateur DIP N°1"),
    D("DIP2", PasTOR, "commutateur DIP N°2"),
    D("DIP3", Toujours, "commutateur DIP N°3"),
    D("DIP4", AC, "commutateur DIP N°4"),
    D("DIP5", AC, "commutateur DIP N°5"),
    D("DIP6", AC, "commutateur DIP N°6"),
    D("DIP7", PasFOouTOR, "commutateur DIP N°7"),
    D("DIP8", Jamais, "commutateur DIP N°8"),
    D("S6-DIP1", DN, "commutateur S6 DIP N°1", "DESCR_S6_D1"),
    D("S6-DIP2", DN, "commutateur S6 DIP N°2", "DESCR_S6_D2"),
    D("S6-DIP3", DN, "commutateur S6 DIP N°3", "DESCR_S6_D3"),
    D("S6-DIP4", DN, "commutateur S6 DIP N°4", "DESCR_S6_D4"),
    D("S6-DIP5", DN, "commutateur S6 DIP N°5", "DESCR_S6_D5"),
    D("S6-DIP6", DN, "commutateur S6 DIP N°6", "DESCR_S6_D6"),
    D("S6-DIP7", DN, "commutateur S6 DIP N°7", "DESCR_S6_D7"),
    D("S6-DIP8", DN, "commutateur S6 DIP N°8", "DESCR_S6_D8"),
    D("DIPMF1", MF, "commutateur DIP carte moyenne fréquence N°1", "DESCR_DMF1"),
    D("DIPMF2", MF, "commutateur DIP carte moyenne fréquence N°2", "DESCR_DMF2"),
    D("DIPMF3", MF, "commutateur DIP carte moyenne fréquence N°3", "DESCR_DMF3"),
    D("DIPMF4", MF, "commutateur DIP carte moyenne fréquence N°4", "DESCR_DMF4"),
    Dmy(odDIP),
    Dmy(odDIP),
    Dmy(odDIP),
    Dmy(odDIP),
    // Outputs and LEDs (bytes 12 to 19).
    S("PUI", Toujours, "sortie commande puissance"),
    S("EV1", Toujours, "sortie électrovanne N°1"),
    S("EV2", Toujours, "sortie électrovanne N°2"),
    S("DTH", AC, "sortie défaut thyristors"),
    S("CNT", Toujours, "sortie contacteur"),
    L("LEDMODE", Toujours, "LED mode"),
    L("LEDAI", Toujours, "LED alarme intensité"),
    L("LEDTHY", Toujours, "LED thyristors"),
    S("FCY", Toujours, "sortie fin de cycle"),
    S("DRO", Toujours, "sortie demande rodage électrode"),
    S("ALE", Toujours, "sortie alarme électrode"),
    S("FVE", Toujours, "sortie fin de vie électrode"),
    S("AFT", IB, "sortie anomalie fonctionnement"),
    S("DGN", Toujours, "sortie défaut général"),
    S("DAS", Toujours, "sortie défaut arrêt soudeuse"),
    S("ASI", Toujours, "sortie défaut alimentation", "DESCR_DFA"),
    S("EL08", DN, "sortie bus de terrain N°8"),
    S("EL09", DN, "sortie bus de terrain N°9"),
    S("EL10", DN, "sortie bus de terrain N°10"),
    S("EL11", DN, "sortie bus de terrain N°11"),
    S("EL12", DN, "sortie bus de terrain N°12"),
    S("EL13", DN, "sortie bus de terrain N°13"),
    S("EL14", DN, "sortie bus de terrain N°14"),
    S("EL15", DN, "sortie bus de terrain N°15"),
    S("EL00", DN, "sortie bus de terrain N°0"),
    S("EL01", DN, "sortie bus de terrain N°1"),
    S("EL02", DN, "sortie bus de terrain N°2"),
    S("EL03", DN, "sortie bus de terrain N°3"),
    S("EL04", DN, "sortie bus de terrain N°4"),
    S("EL05", DN, "sortie bus de terrain N°5"),
    S("EL06", DN, "sortie bus de terrain N°6"),
    S("EL07", DN, "sortie bus de terrain N°7"),
    S("SCF1", AC, "sortie carte fille N°1"),
    S("SCF2", AC, "sortie carte fille N°2"),
    S("SCF3", AC, "sortie carte fille N°3"),
    S("SCF4", AC, "sortie carte fille N°4"),
    S("SCF5", AC, "sortie carte fille N°5"),
    S("SCF6", AC, "sortie carte fille N°6"),
    S("SCF7", AC, "sortie carte fille N°7"),
    S("SCF8", AC, "sortie carte fille N°8"),
    S("SMF1", MF, "sortie carte moyenne fréquence N°1"),
    S("SMF2", MF, "sortie carte moyenne fréquence N°2"),
    S("SMF3", MF, "sortie carte moyenne fréquence N°3"),
    S("SMF4", MF, "sortie carte moyenne fréquence N°4"),
    L("LMF1", MF, "LED carte moyenne fréquence N°1"),
    L("LMF2", MF, "LED carte moyenne fréquence N°2"),
    L("LMF3", MF, "LED carte moyenne fréquence N°3"),
    L("LMF4", MF, "LED carte moyenne fréquence N°4"),
    S("E1E2", AC, "sortie sélection électrovanne N°1 / N°2"),
    S("PRT", IB, "sortie soudeuse prête"),
    S("SP1", TOR, "sortie sélection pression N°1"),
    S("SP2", TOR, "sortie sélection pression N°2"),
    S("FRQ", Toujours, "sortie fréquence secteur"),
    S("RSTINT", Toujours, "sortie réinitialisation interface"),
    S("RS232", Toujours, "sortie liaison RS232 active"),
    Dmy(odSortie),
    S("CTORE", FOouTOR, "sortie contrôle tore de mesure"),
    S("TTORE", FOouTOR, "sortie test tore de mesure"),
    S("IGBT", MF, "sortie commande IGBT"),
    S("TYP1", TOR, "sortie type de soudeuse poids 1"),
    S("TYP4", TOR, "sortie type de soudeuse poids 4"),
    S("EVPO", TOR, "sortie électrovanne petite ouverture"),
    S("EVGO", TOR, "sortie électrovanne grande ouverture"),
    Dmy(odSortie),
    // Second series of the controllers with discrete I/O (bytes 20 and 21).
    S("DRO_2", Jamais, "sortie demande rodage électrode N°2"),
    S("ALE_2", Jamais, "sortie alarme électrode N°2"),
    S("FVE_2", Jamais, "sortie fin de vie électrode N°2"),
    S("EVPO_2", Jamais, "sortie électrovanne petite ouverture N°2"),
    S("EVGO_2", Jamais, "sortie électrovanne grande ouverture N°2"),
    S("CNT_2", Jamais, "sortie contacteur N°2"),
    S("DGN_2", Jamais, "sortie défaut général N°2"),
    S("FCY_2", Jamais, "sortie fin de cycle N°2"),
    E("NP1_2", Jamais, "entrée sélection programme poids 1 N°2"),
    E("NP2_2", Jamais, "entrée sélection programme poids 2 N°2"),
    E("NP4_2", Jamais, "entrée sélection programme poids 4 N°2"),
    E("NP8_2", Jamais, "entrée sélection programme poids 8 N°2"),
    Dmy(odEntree),
    E("SER_2", Jamais, "entrée serrage pince N°2"),
    E("RRO_2", Jamais, "entrée acquittement rodage électrode N°2"),
    E("REE_2", Jamais, "entrée acquittement changement électrode N°2"),
};

static_assert(std::size(CatalogueG20) == TDiagnosticG20::NbObjetsTOR);

// Codes that repeat (the placeholders) share their managed condition, so setting the
// managed flag of a code again after adding its object would change nothing: the objects
// are created with their flag and the catalogue is built in one pass.
constexpr bool CodesRepetesMemeCondition() {
    for (std::size_t i = 0; i < std::size(CatalogueG20); ++i)
        for (std::size_t j = i + 1; j < std::size(CatalogueG20); ++j)
            if (std::string_view(CatalogueG20[i].Code) == CatalogueG20[j].Code &&
                CatalogueG20[i].Gere != CatalogueG20[j].Gere)
                return false;
    return true;
}
static_assert(CodesRepetesMemeCondition());

// The controller variant the managed conditions are evaluated on.
struct TVarianteDiagnostic {
    TTypeCourant Courant = tcAC;
    TTypeIO IO = tiTOR;
};

bool EstGere(TGereDiagnostic Gere, const TVarianteDiagnostic& V) {
    const bool ib = V.IO == tiINTERBUS_S || V.IO == tiInterbusFO;
    const bool foOuTor = V.IO == tiInterbusFO || V.IO == tiTOR;
    switch (Gere) {
    case Toujours:
        return true;
    case Jamais:
        return false;
    case AC:
        return V.Courant == tcAC;
    case MF:
        return V.Courant == tcMF;
    case TOR:
        return V.IO == tiTOR;
    case DN:
        return V.IO == tiDeviceNet;
    case IB:
        return ib;
    case FO:
        return V.IO == tiInterbusFO;
    case PasIB:
        return !ib;
    case PasTOR:
        return V.IO != tiTOR;
    case FOouTOR:
        return foOuTor;
    case PasFOouTOR:
        return !foOuTor;
    }
    return false;
}

TVarianteDiagnostic Variante(const TCustomZoneCPS& Zone) {
    TVarianteDiagnostic variante;
    TCustomEprom* eprom = Zone.GetEprom();
    if (TCustomEpromDescription* description =
            eprom != nullptr ? eprom->GetDescription() : nullptr) {
        variante.Courant = description->TypeCourant();
        variante.IO = description->TypeIO();
    }
    return variante;
}

} // namespace

TDiagnosticG20::TDiagnosticG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                               TInterfacedPersistent* aLogicalZone)
    : TDiagnostic(AOwner, TypeZone, Numero, aLogicalZone) {
    const TVarianteDiagnostic variante = Variante(*this);
    const bool tor = variante.IO == tiTOR;
    for (const TDefObjetDiagnostic& def : Catalogue().first(tor ? NbObjetsTOR : NbObjets)) {
        AjouterObjet(std::make_unique<TObjetDiagnostic>(def.Code, IDNomDiagnostic, def.Code,
                                                        CleDescription(def), def.Description,
                                                        def.Type, EstGere(def.Gere, variante)));
    }
    const Word taille = tor ? TaillePayloadTOR : TaillePayload;
    SetTailles(taille, taille);
}

std::string TDiagnosticG20::ClassName() const {
    return "TDiagnosticG20";
}

std::unique_ptr<TCustomZoneCPS> TDiagnosticG20::Create(TPersistent* AOwner, TTypeZones TypeZone,
                                                       Word Numero,
                                                       TInterfacedPersistent* aLogicalZone) const {
    return std::make_unique<TDiagnosticG20>(AOwner, TypeZone, Numero, aLogicalZone);
}

std::span<const TDefObjetDiagnostic> TDiagnosticG20::Catalogue() {
    return CatalogueG20;
}

std::string TDiagnosticG20::CleDescription(const TDefObjetDiagnostic& Def) {
    return Def.CleDescription != nullptr ? Def.CleDescription : std::string("DESCR_") + Def.Code;
}

TErreurSerie TDiagnosticG20::SerialDecode(const TByteArray& Trame, int LngTrame) {
    return DecodeIntoCopy(*this, Trame, LngTrame,
                          [](TDiagnosticG20& Copy, const TByteArray& Data, int& Offset) {
                              Offset = 0;
                              return Copy.Lire(Data);
                          });
}

int TDiagnosticG20::Lire(const TByteArray& Trame) {
    const int count = GetNombreObjetsDiagnostic();
    for (int i = 0; i < count; ++i)
        GetObjetDiagnosticIndex(i)->SetIsON((GetByte(Trame, i / 8) >> (i % 8) & 1) != 0);
    return (count + 7) / 8;
}

bool TDiagnosticG20::GetEnableByID(const std::string& ID) const {
    const TObjetDiagnostic* objet = GetObjetDiagnostic(ID);
    return objet != nullptr && objet->GetGere();
}

void TDiagnosticG20::SetEnableByID(const std::string& ID, bool Value) {
    if (TObjetDiagnostic* objet = GetObjetDiagnostic(ID))
        objet->SetGere(Value);
}

} // namespace g20seq
