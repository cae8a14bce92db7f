#include "zones/ConfigurationG20.h"

#include "model/DataProxy.h"
#include "model/EditorOpeners.h"
#include "model/KEVNumericFields.h"
#include "model/KEVStringFields.h"
#include "model/PayloadLayout.h"
#include "model/ZoneCodec.h"
#include "support/Format.h"
#include "support/Lock.h"

#include <algorithm>
#include <array>
#include <span>
#include <utility>
#include <vector>

namespace g20seq {

namespace {

using namespace ChampsConfiguration;

// ---------------------------------------------------------------------------------------
// Conditions of the controller variant

// What a field, screen or fault depends on: MF = medium-frequency current, TOR = discrete
// I/O, DN = DeviceNet, IB = INTERBUS-S, C1 = fieldbus profile C1, Datakey and Tore =
// optional hardware.
enum class TCondition : std::uint8_t {
    Non,
    Oui,
    MF,
    NonMF,
    TOR,
    NonTOR,
    DN,
    DNouTOR,
    NonTORouMF,
    DNouTORouIB,
    C1,
    IB,
    Datakey,
    Tore
};

struct TContexte {
    bool MF;
    bool TOR;
    bool DN;
    bool IB;
    bool C1;
    bool Datakey;
    bool Tore;
};

bool Vrai(TCondition Condition, const TContexte& C) {
    switch (Condition) {
    case TCondition::Non:
        return false;
    case TCondition::Oui:
        return true;
    case TCondition::MF:
        return C.MF;
    case TCondition::NonMF:
        return !C.MF;
    case TCondition::TOR:
        return C.TOR;
    case TCondition::NonTOR:
        return !C.TOR;
    case TCondition::DN:
        return C.DN;
    case TCondition::DNouTOR:
        return C.DN || C.TOR;
    case TCondition::NonTORouMF:
        return !C.TOR || C.MF;
    case TCondition::DNouTORouIB:
        return C.DN || C.TOR || C.IB;
    case TCondition::C1:
        return C.C1;
    case TCondition::IB:
        return C.IB;
    case TCondition::Datakey:
        return C.Datakey;
    case TCondition::Tore:
        return C.Tore;
    }
    return false;
}

constexpr auto Non = TCondition::Non;
constexpr auto Oui = TCondition::Oui;

// "No tab sheet": an identifier outside the enumeration.
constexpr auto SansOnglet = static_cast<TIDOnglet>(OngletCount);

// ---------------------------------------------------------------------------------------
// Value captions of the G20 fields

constexpr TIDZone ActionClignotante[] = {
    {"IDCfg_ActionClignotante_0", "stable"},
    {"IDCfg_ActionClignotante_1", "clignotante"},
};

constexpr TIDZone Convertisseurs[] = {
    {"IDConvertisseur_0", "Convertisseur type 1"}, {"IDConvertisseur_1", "Convertisseur type 2"},
    {"IDConvertisseur_2", "Convertisseur type 3"}, {"IDConvertisseur_3", "Convertisseur type 4"},
    {"IDConvertisseur_4", "Convertisseur type 5"}, {"IDConvertisseur_5", "Convertisseur type 6"},
    {"IDConvertisseur_6", "Convertisseur type 7"}, {"IDConvertisseur_7", "Convertisseur type 8"},
};

constexpr TIDZone ModesPince[] = {
    {"IDModeMachine", "Mode machine/robot"},
    {"IDMode1Pince", "Mode 1 pince"},
    {"IDMode2Pinces1Op", "Mode 2 pinces / 1 opérateur"},
    {"IDMode1PinceMorte", "Mode 1 pince + pince morte"},
    {"IDMode2Pinces2Ops", "Mode 2 pinces / 2 opérateurs"},
};

constexpr TIDZone ModesElectrovannes[] = {{"IDMonostable", "monostable"},
                                          {"IDBistable", "bistable"}};

constexpr TIDZone ModesSortiesCU[] = {{"ID3Sorties", "3 sorties"}, {"ID2Sorties", "2 sorties"}};

constexpr TIDZone ModesSP1_SP2[] = {
    {"IDCfg_ModeSP1_SP2_0", "Fonction normale pour SP1 - Fonction normale pour SP2"},
    {"IDCfg_ModeSP1_SP2_1",
     "Attente acquittement défaut type 1 - Attente acquittement défaut type 4"},
};

constexpr TIDZone VitessesBusTerrain[] = {
    {"IDCfg_125kbps", "125 Kbit/s"},
    {"IDCfg_250kbps", "250 Kbit/s"},
    {"IDCfg_500kbps", "500 Kbit/s"},
};

constexpr TIDZone ModesEffort[] = {
    {"IDCfg_SansControl", "Sans contrôle d'effort"},
    {"IDCfg_AvecControl", "Avec contrôle d'effort"},
    {"IDCfg_EntreeCEF", "Contrôle d'effort par l'entrée CEF"},
};

constexpr TIDZone ProfilsBusDeTerrain[] = {{"IDProfilC0", "C0"}, {"IDProfilC1", "C1"}};

// Captions of the default-class fields (fault types A to D).
constexpr TIDZone TypesDefautsClasses[] = {
    {"IDDefautTypeA", "Type A : Défaut non bloquant"},
    {"IDDefautTypeB", "Type B : Soudage impossible"},
    {"IDDefautTypeC", "Type C : Défaut qualité soudure de faible gravité"},
    {"IDDefautTypeD", "Type D : Défaut qualité soudure grave"},
};

// ---------------------------------------------------------------------------------------
// G20 fields

enum class TGenre : std::uint8_t { Booleen, Entier, Enumere, Adresse, Adresses, Texte };

// One G20 field. Entier: Min..Max, Defaut, Ratio. Texte: Max characters. Adresses: Max
// addresses. Reference: the field it is inserted before in its tab sheet. Visible: when it
// stays in its tab sheet.
struct TChampG20 {
    TFieldHandle Champ;
    TGenre Genre;
    int Min;
    int Max;
    int Defaut;
    double Ratio;
    TIDOnglet Onglet;
    TCondition Visible;
    std::span<const TIDZone> Valeurs;
    const char* Texte;
    TFieldHandle Reference;
    const char* Libelle;
};

constexpr TChampG20 Booleen(const TFieldHandle& ID, int Defaut, TIDOnglet Onglet,
                            TCondition Visible, std::span<const TIDZone> Valeurs,
                            const char* Libelle, const TFieldHandle& Reference = {}) {
    return {ID,     TGenre::Booleen, 0,       1,  Defaut,    1.0,
            Onglet, Visible,         Valeurs, "", Reference, Libelle};
}

constexpr TChampG20 Entier(const TFieldHandle& ID, int Min, int Max, int Defaut, TIDOnglet Onglet,
                           TCondition Visible, const char* Libelle, double Ratio = 1.0) {
    return {ID, TGenre::Entier, Min, Max, Defaut, Ratio, Onglet, Visible, {}, "", {}, Libelle};
}

constexpr TChampG20 Enumere(const TFieldHandle& ID, int Defaut, TIDOnglet Onglet,
                            TCondition Visible, std::span<const TIDZone> Valeurs,
                            const char* Libelle) {
    return {ID,      TGenre::Enumere,
            0,       static_cast<int>(Valeurs.size()) - 1,
            Defaut,  1.0,
            Onglet,  Visible,
            Valeurs, "",
            {},      Libelle};
}

constexpr TChampG20 AdresseIP(const TFieldHandle& ID, const char* Texte, TIDOnglet Onglet,
                              const char* Libelle, TGenre Genre = TGenre::Adresse, int Nombre = 1) {
    return {ID, Genre, 0, Nombre, 0, 1.0, Onglet, Oui, {}, Texte, {}, Libelle};
}

constexpr TChampG20 Chaine(const TFieldHandle& ID, int Taille, TIDOnglet Onglet,
                           const char* Libelle) {
    return {ID, TGenre::Texte, 0, Taille, 0, 1.0, Onglet, Oui, {}, "", {}, Libelle};
}

constexpr auto SelProg = IDTabSelProg;
constexpr auto CU = IDTabCU;
constexpr auto ESTOR = IDTabESTOR;
constexpr auto TabMF = IDTabMF;
constexpr auto Ethernet = IDTabEthernet;
constexpr auto Pince = IDTabModePince;
constexpr auto AdvParam = IDTabConfAdvParam;
constexpr auto MF = TCondition::MF;
constexpr auto TOR = TCondition::TOR;
constexpr auto DN = TCondition::DN;

// The G20 fields in creation order.
constexpr TChampG20 ChampsG20[] = {
    Booleen(IDExecutionDCY1, 0, SelProg, Oui, CfgNonOui,
            "Autorisation d'exécution du programme lié au départ cycle 1", IDProgrammeDCY1),
    Booleen(IDExecutionDCY2, 0, SelProg, TOR, CfgNonOui,
            "Autorisation d'exécution du programme lié au départ cycle 2", IDProgrammeDCY2),
    Booleen(IDGestionFraiseRodeuse, 1, CU, Oui, CfgNonOui, "Gestion fraise rodeuse",
            IDCUConsignesLiees),
    Entier(IDNbStartsParPince, 1, 2, 1, CU, Non, "Nombre de starts par pince"),
    Booleen(IDReposFVENF, 0, ESTOR, Oui, CfgReposNF,
            "Etat des sorties au repos : Fin de vie électrode"),
    Booleen(IDReposALENF, 0, ESTOR, Oui, CfgReposNF,
            "Etat des sorties au repos : Alarme changement électrode"),
    Booleen(IDReposDRONF, 0, ESTOR, Oui, CfgReposNF,
            "Etat des sorties au repos : Alarme demande de rodage"),
    Booleen(IDReposSP1NF, 0, ESTOR, TOR, CfgReposNF,
            "Etat des sorties au repos : Sortie programmable N°1"),
    Booleen(IDReposSP2NF, 0, ESTOR, TOR, CfgReposNF,
            "Etat des sorties au repos : Sortie programmable N°2"),
    Booleen(IDReposMF1NF, 0, ESTOR, Non, CfgReposNF, "Etat des sorties MF au repos : Sortie N°1"),
    Booleen(IDReposMF2NF, 0, ESTOR, Non, CfgReposNF, "Etat des sorties MF au repos : Sortie N°2"),
    Booleen(IDReposMF3NF, 0, ESTOR, Non, CfgReposNF, "Etat des sorties MF au repos : Sortie N°3"),
    Booleen(IDReposMF4NF, 0, ESTOR, Non, CfgReposNF, "Etat des sorties MF au repos : Sortie N°4"),
    Booleen(IDActionDGNClignotante, 0, ESTOR, Oui, ActionClignotante,
            "Etat des sorties en action : Défaut général"),
    Booleen(IDActionDFAClignotante, 0, ESTOR, Oui, ActionClignotante,
            "Etat des sorties en action : Défaut de type A"),
    Booleen(IDActionFVEClignotante, 0, ESTOR, Oui, ActionClignotante,
            "Etat des sorties en action : Fin de vie électrode"),
    Booleen(IDActionALEClignotante, 0, ESTOR, Oui, ActionClignotante,
            "Etat des sorties en action : Alarme changement électrode"),
    Booleen(IDActionDROClignotante, 0, ESTOR, Oui, ActionClignotante,
            "Etat des sorties en action : Alarme demande de rodage"),
    Booleen(IDActionSP1Clignotante, 0, ESTOR, TOR, ActionClignotante,
            "Etat des sorties en action : Sortie programmable N°1"),
    Booleen(IDActionSP2Clignotante, 0, ESTOR, TOR, ActionClignotante,
            "Etat des sorties en action : Sortie programmable N°2"),
    Booleen(IDActionMF1Clignotante, 0, ESTOR, Non, ActionClignotante,
            "Etat des sorties MF en action : Sortie N°1"),
    Booleen(IDActionMF2Clignotante, 0, ESTOR, Non, ActionClignotante,
            "Etat des sorties MF en action : Sortie N°2"),
    Booleen(IDActionMF3Clignotante, 0, ESTOR, Non, ActionClignotante,
            "Etat des sorties MF en action : Sortie N°3"),
    Booleen(IDActionMF4Clignotante, 0, ESTOR, Non, ActionClignotante,
            "Etat des sorties MF en action : Sortie N°4"),
    Booleen(IDReposALE1NF, 0, ESTOR, Non, CfgReposNF,
            "Etat des sorties au repos : Alarme changement électrode N°1"),
    Booleen(IDReposALE2NF, 0, ESTOR, Non, CfgReposNF,
            "Etat des sorties au repos : Alarme changement électrode N°2"),
    Booleen(IDReposFVE1NF, 0, ESTOR, Non, CfgReposNF,
            "Etat des sorties au repos : Fin de vie électrode N°1"),
    Booleen(IDReposFVE2NF, 0, ESTOR, Non, CfgReposNF,
            "Etat des sorties au repos : Fin de vie électrode N°2"),
    Booleen(IDActionALE1Clignotante, 0, ESTOR, Non, ActionClignotante,
            "Etat des sorties en action : Alarme changement électrode N°1"),
    Booleen(IDActionALE2Clignotante, 0, ESTOR, Non, ActionClignotante,
            "Etat des sorties en action : Alarme changement électrode N°2"),
    Booleen(IDActionFVE1Clignotante, 0, ESTOR, Non, ActionClignotante,
            "Etat des sorties en action : Fin de vie électrode N°1"),
    Booleen(IDActionFVE2Clignotante, 0, ESTOR, Non, ActionClignotante,
            "Etat des sorties en action : Fin de vie électrode N°2"),
    Entier(IDTensionSecteur, 10, 99, 40, TabMF, MF, "Tension secteur (V)", 10.0),
    Enumere(IDTypeConvertisseur, 0, TabMF, MF, Convertisseurs, "Type de convertisseur"),
    Entier(IDPourcentApprentissage1, 20, 89, 30, TabMF, MF, "Consigne apprentissage N°1 (%)"),
    Entier(IDPourcentApprentissage2, 30, 99, 50, TabMF, MF, "Consigne apprentissage N°2 (%)"),
    Entier(IDPeriodeTestDifferentiel, 0, 250, 0, TabMF, MF,
           "Périodicité du test différentiel (jours)"),
    Entier(IDDelaiTestDifferentiel, 0, 250, 24, TabMF, MF, "Délai du test différentiel (heures)"),
    AdresseIP(IDAdresseIP, "127.0.0.1", Ethernet, "Adresse TCP/IP"),
    AdresseIP(IDMasqueIP, "255.255.255.0", Ethernet, "Masque réseau"),
    AdresseIP(IDGatewayIP, "127.0.0.1", Ethernet, "Passerelle IP"),
    Entier(IDPortIP, 1024, 65535, 1024, Ethernet, Oui, "Port IP"),
    Booleen(IDPCListLocked, 0, Ethernet, Oui, CfgNonOui, "Liste de PC verrouillée"),
    AdresseIP(IDPCAdresseIP, "0.0.0.0", Ethernet, "Adresse PC autorisé", TGenre::Adresses, 10),
    Entier(IDVitesseEthernet, 0, 255, 0, Ethernet, Non, "Vitesse Ethernet"),
    Enumere(IDModePince, 0, Pince, Non, ModesPince, "Mode pince"),
    Booleen(IDModeElectrovannes, 0, Pince, Non, ModesElectrovannes, "Mode électrovannes PO/GO"),
    Booleen(IDModeSortiesCU, 0, Pince, Non, ModesSortiesCU, "Mode sorties C.U."),
    Entier(IDMotDePasse, 0, 9999, 0, AdvParam, Oui, "Mot de passe"),
    Entier(IDDureeMotDePasse, 0, 255, 0, AdvParam, Oui, "Durée mot de passe"),
    Entier(IDMotDePasseProg, 0, 9999, 0, AdvParam, Oui, "Mot de passe programme"),
    Entier(IDDureeMotDePasseProg, 0, 255, 0, AdvParam, Oui, "Durée mot de passe programme"),
    Booleen(IDCommandePhase2, 0, AdvParam, Non, CfgNonOui, "Gestion deuxième phase"),
    Enumere(IDModeSP1_SP2, 0, AdvParam, TOR, ModesSP1_SP2, "Mode des sorties programmables"),
    Entier(IDVitesseRS232, 300, 38400, 38400, AdvParam, Oui, "Vitesse communication (bauds)"),
    Chaine(IDNomCPS, 20, AdvParam, "Nom de la CPS"),
    Enumere(IDVitesseBusTerrain, 0, AdvParam, DN, VitessesBusTerrain, "Vitesse bus de terrain"),
    Entier(IDNumEsclaveBusTerrain, 0, 63, 63, AdvParam, DN, "Numéro d'esclave bus de terrain"),
    Enumere(IDProfilBusDeTerrain, 1, AdvParam, TCondition::C1, ProfilsBusDeTerrain,
            "Profil bus de terrain"),
    Enumere(IDModeEffort, 0, AdvParam, Oui, ModesEffort, "Mode effort"),
    Enumere(IDModeAssignationPoint, 0, AdvParam, Non, CfgModeAssignationPoint,
            "Mode assignation point"),
    Booleen(IDAcqValidClePrg, 0, SansOnglet, Non, {}, nullptr),
    Entier(IDTypeRS232, 0, 6, 0, SansOnglet, Non, nullptr),
    Booleen(IDSignaturesPointsEmises, 1, SansOnglet, Non, {}, nullptr),
    Booleen(IDSignaturesDefautsEmises, 1, SansOnglet, Non, {}, nullptr),
    Booleen(IDSurveillanceModification, 0, SansOnglet, Non, {}, nullptr),
};

const TChampG20* ChampG20(const std::string& IDChamp) {
    const auto found =
        std::find_if(std::begin(ChampsG20), std::end(ChampsG20),
                     [&](const TChampG20& champ) { return IDChamp == champ.Champ.ID(); });
    return found != std::end(ChampsG20) ? found : nullptr;
}

std::unique_ptr<TKEVField> NewAdresses(const TChampG20& Champ, TPersistent* Owner,
                                       TInterfacedPersistent* Parent) {
    auto tableau = std::make_unique<TKEVArrayField>(Champ.Champ.ID(), Champ.Max, Owner, Parent);
    for (int i = 0; i < Champ.Max; ++i)
        tableau->SetField(
            i, std::make_unique<TKEVAddressField>(Champ.Champ.ID(), Owner, nullptr, Champ.Texte));
    return tableau;
}

std::unique_ptr<TKEVField> NewChamp(const TChampG20& Champ, TPersistent* Owner,
                                    TInterfacedPersistent* Parent) {
    switch (Champ.Genre) {
    case TGenre::Booleen:
        return std::make_unique<TKEVBooleanField>(Champ.Champ.ID(), Owner, Parent,
                                                  Champ.Defaut != 0);
    case TGenre::Entier:
        return std::make_unique<TKEVIntegerField>(Champ.Champ.ID(), Owner, Parent, Champ.Min,
                                                  Champ.Max, Champ.Defaut, Champ.Ratio);
    case TGenre::Enumere:
        return std::make_unique<TKEVEnumField>(Champ.Champ.ID(), Owner, Parent, Champ.Valeurs,
                                               Champ.Defaut, 0);
    case TGenre::Adresse:
        return std::make_unique<TKEVAddressField>(Champ.Champ.ID(), Owner, Parent, Champ.Texte);
    case TGenre::Adresses:
        return NewAdresses(Champ, Owner, Parent);
    case TGenre::Texte:
        return std::make_unique<TKEVStringField>(Champ.Champ.ID(), Owner, Parent, Champ.Texte,
                                                 Champ.Max);
    }
    return nullptr;
}

// G20 changes of base fields: a new maximum and value (-1 = unchanged), and when the field
// stays in its tab sheet.
struct TAjustement {
    TFieldHandle Champ;
    int Max;
    int Valeur;
    TCondition Visible;
};

constexpr TAjustement AjustementsBase[] = {
    {IDProgrammeDCY1, 127, -1, Oui},
    {IDProgrammeMiniDCY1, 127, -1, Oui},
    {IDProgrammeMaxiDCY1, 127, 127, Oui},
    {IDProgEditeDCY2, -1, -1, TOR},
    {IDProgrammeDCY2, 127, -1, TOR},
    {IDProgrammeMiniDCY2, 127, -1, TOR},
    {IDProgrammeMaxiDCY2, 127, 127, TOR},
    {IDParite, -1, -1, TOR},
    {IDCUActivationToutesElectrodes, -1, 0, Oui},
    {IDCURodageAlarme, -1, 1, Oui},
    {IDCUConsignesLiees, -1, 1, Oui},
    {IDReInitialisationCompteurs, -1, 1, Oui},
    {IDCUContinue, 2, 0, Oui},
    {IDCUPointsLies, -1, 1, Non},
};

// ---------------------------------------------------------------------------------------
// Keypad screens

// One screen: Gerer / Configurable / Afficher as conditions of the variant.
struct TEcranG20 {
    const char* ID;
    int Bit; // access bit in the frame, counted from bit 0 of byte OctetEcrans
    TTypeEcran Type;
    TCondition Gerer;
    TCondition Configurable;
    TCondition Afficher;
};

constexpr auto NonMF = TCondition::NonMF;
constexpr auto NonTOR = TCondition::NonTOR;
constexpr auto DNouTOR = TCondition::DNouTOR;

// The screens in creation order, type by type.
constexpr TEcranG20 Ecrans[] = {
    {"FS1", 0, teDivers, Oui, Non, Oui},
    {"CVE", 1, teDivers, Non, Non, Oui},
    {"FS3", 2, teDivers, Oui, Non, Oui},
    {"FS4", 3, teDivers, Oui, Non, Oui},
    {"FS5", 91, teDivers, Oui, Non, Oui},
    {"D11", 4, teDivers, Oui, Non, Oui},
    {"ACQ", 105, teDivers, Oui, Non, Oui},
    {"P0", 42, teProgrammation, Oui, Oui, Oui},
    {"P1", 43, teProgrammation, Oui, Oui, Oui},
    {"P2", 44, teProgrammation, Oui, Non, Oui},
    {"P2b", 83, teProgrammation, MF, Non, Oui},
    {"P3", 45, teProgrammation, Oui, Oui, Oui},
    {"P4", 46, teProgrammation, Oui, Oui, Oui},
    {"P5", 47, teProgrammation, Oui, Oui, Oui},
    {"P5b", 48, teProgrammation, Oui, Oui, Oui},
    {"P6", 49, teProgrammation, Oui, Non, Oui},
    {"P7", 50, teProgrammation, Oui, Non, Oui},
    {"P8", 51, teProgrammation, Oui, Non, Oui},
    {"P9", 52, teProgrammation, Oui, Non, Oui},
    {"P10", 53, teProgrammation, Oui, Oui, Oui},
    {"P11", 54, teProgrammation, Oui, Oui, Oui},
    {"P12", 55, teProgrammation, Oui, Oui, Oui},
    {"P13", 56, teProgrammation, Oui, Oui, Oui},
    {"P13b", 57, teProgrammation, NonMF, Oui, Oui},
    {"P13t", 103, teProgrammation, Oui, Oui, Oui},
    {"P13q", 104, teProgrammation, NonMF, Oui, Oui},
    {"P14", 58, teProgrammation, Oui, Oui, Non},
    {"P15", 59, teProgrammation, Oui, Oui, Oui},
    {"P15b", 101, teProgrammation, NonMF, Oui, Oui},
    {"P15t", 106, teProgrammation, NonMF, Oui, Oui},
    {"P16", 60, teProgrammation, TOR, Oui, Oui},
    {"P17", 61, teProgrammation, Oui, Oui, Oui},
    {"P17b", 99, teProgrammation, Oui, Oui, Non},
    {"P18", 62, teProgrammation, NonTOR, Oui, Oui},
    {"P18b", 70, teProgrammation, Oui, Oui, Oui},
    {"P18t", 71, teProgrammation, Oui, Oui, Oui},
    {"P19", 63, teProgrammation, Oui, Oui, Oui},
    {"P20", 64, teProgrammation, Oui, Oui, Oui},
    {"P21", 65, teProgrammation, Oui, Oui, MF},
    {"P22", 66, teProgrammation, MF, Oui, Oui},
    {"P23", 67, teProgrammation, Oui, Oui, MF},
    {"P24", 68, teProgrammation, Oui, Oui, Oui},
    {"P25", 84, teProgrammation, Non, Non, Non},
    {"P26", 89, teProgrammation, Oui, Oui, Oui},
    {"P27", 90, teProgrammation, Oui, Oui, Oui},
    {"P28", 94, teProgrammation, Non, Oui, Non},
    {"P29", 108, teProgrammation, Oui, Oui, Oui},
    {"X1", 5, teExecution, Oui, Non, Oui},
    {"X2", 6, teExecution, Oui, Non, Oui},
    {"X3", 7, teExecution, Oui, Oui, Oui},
    {"X4", 8, teExecution, Oui, Oui, Oui},
    {"X4b", 72, teExecution, DNouTOR, Oui, Oui},
    {"X4t", 73, teExecution, NonTOR, Oui, Oui},
    {"X4q", 74, teExecution, MF, Oui, Non},
    {"X5", 9, teExecution, Oui, Oui, Oui},
    {"X5b", 75, teExecution, DNouTOR, Oui, Oui},
    {"X5q", 76, teExecution, MF, Oui, Non},
    {"X6", 10, teExecution, NonMF, Oui, Oui},
    {"X7", 11, teExecution, Oui, Oui, Oui},
    {"X8", 12, teExecution, Oui, Oui, Oui},
    {"X9", 13, teExecution, Oui, Oui, Oui},
    {"X10", 14, teExecution, Oui, Oui, Oui},
    {"X11", 15, teExecution, Oui, Non, Oui},
    {"X12", 16, teExecution, Oui, Non, Oui},
    {"X13", 17, teExecution, Oui, Non, Oui},
    {"X14", 77, teExecution, MF, Non, Oui},
    {"X15", 78, teExecution, TCondition::NonTORouMF, Non, Oui},
    {"X16", 18, teExecution, Oui, Non, Oui},
    {"X17", 87, teExecution, Oui, Non, Oui},
    {"X18", 92, teExecution, Oui, Non, Oui},
    {"X19", 95, teExecution, TOR, Non, Oui},
    {"X20", 96, teExecution, Non, Non, Oui},
    {"X21", 100, teExecution, MF, Non, Oui},
    {"M1", 19, teMaintenance, Oui, Oui, Non},
    {"M2", 20, teMaintenance, Oui, Oui, Non},
    {"M3", 21, teMaintenance, Oui, Oui, Non},
    {"M4", 22, teMaintenance, Oui, Oui, Non},
    {"M5", 23, teMaintenance, Oui, Oui, Non},
    {"M6", 85, teMaintenance, Oui, Oui, Non},
    {"M7", 86, teMaintenance, DN, Oui, Non},
    {"M8", 102, teMaintenance, NonMF, Oui, Non},
    {"C0", 24, teConfiguration, Oui, Non, Oui},
    {"C1", 25, teConfiguration, TCondition::DNouTORouIB, Oui, DN},
    {"C2", 26, teConfiguration, Oui, Oui, Non},
    {"C3", 27, teConfiguration, Oui, Oui, Non},
    {"C4", 28, teConfiguration, Oui, Oui, Non},
    {"C4b", 107, teConfiguration, TCondition::C1, Oui, Non},
    {"C5", 29, teConfiguration, Oui, Oui, Oui},
    {"C6", 30, teConfiguration, Oui, Oui, Non},
    {"C7", 31, teConfiguration, Oui, Oui, Non},
    {"C8", 32, teConfiguration, Oui, Oui, Non},
    {"C9", 33, teConfiguration, Oui, Oui, Non},
    {"C10", 34, teConfiguration, Oui, Oui, Oui},
    {"C11", 35, teConfiguration, Oui, Non, Oui},
    {"C12", 36, teConfiguration, Oui, Oui, Oui},
    {"C13", 37, teConfiguration, Oui, Oui, Non},
    {"C14", 38, teConfiguration, Oui, Oui, Oui},
    {"C15", 39, teConfiguration, Oui, Oui, Oui},
    {"C16", 79, teConfiguration, Non, Non, Non},
    {"C17", 80, teConfiguration, MF, Oui, Oui},
    {"C18", 81, teConfiguration, MF, Oui, Oui},
    {"C19", 82, teConfiguration, MF, Oui, Oui},
    {"C20", 40, teConfiguration, Oui, Oui, Oui},
    {"C21", 41, teConfiguration, Oui, Oui, Non},
    {"C24", 69, teConfiguration, Oui, Oui, Non},
    {"C25", 88, teConfiguration, Oui, Oui, Oui},
    {"C26", 93, teConfiguration, TOR, Oui, Oui},
    {"C27", 97, teConfiguration, Non, Oui, Non},
    {"C28", 98, teConfiguration, Non, Oui, Non},
};

// Screen types in creation order.
constexpr TTypeEcran TypesEcrans[] = {teDivers, teProgrammation, teExecution, teMaintenance,
                                      teConfiguration};

constexpr int NombreEcrans = 109;
static_assert(std::size(Ecrans) == NombreEcrans);

// Every access bit 0..NombreEcrans-1 belongs to exactly one screen.
constexpr bool BitsEcransDistincts() {
    for (std::size_t i = 0; i < std::size(Ecrans); ++i) {
        if (Ecrans[i].Bit < 0 || Ecrans[i].Bit >= NombreEcrans)
            return false;
        for (std::size_t j = 0; j < i; ++j)
            if (Ecrans[i].Bit == Ecrans[j].Bit)
                return false;
    }
    return true;
}
static_assert(BitsEcransDistincts());

constexpr int OctetEcrans = 26;

// Handles of the screens, the faults and the default classes: the slots after the named
// fields of the family, in the order of their tables.
constexpr std::size_t PremierSlotEcran = std::size(ChampsConfiguration::Handles);
constexpr std::size_t PremierSlotDefaut = PremierSlotEcran + NombreEcrans;

constexpr TFieldHandle Handle(std::size_t Slot, const char* ID) {
    return {ChampsConfiguration::Family, static_cast<std::uint16_t>(Slot), ID};
}

constexpr TFieldHandle HandleEcran(std::size_t Index) {
    return Handle(PremierSlotEcran + Index, Ecrans[Index].ID);
}

// The screen whose access bit is Bit (tables only: a bit without screen does not compile).
constexpr TFieldHandle HandleEcranDuBit(int Bit) {
    for (std::size_t i = 0; i < std::size(Ecrans); ++i)
        if (Ecrans[i].Bit == Bit)
            return HandleEcran(i);
    throw ERangeError();
}

// ---------------------------------------------------------------------------------------
// Faults

struct TPlage {
    int Min;
    int Max;
    int Defaut;
};

// One fault: its text (the MF text when different), group, classification range (AC and
// MF), when it is managed and configurable, its byte in the frame (-1: none) with the
// identifier and range (AC and MF) of its default-class field.
struct TDefautG20 {
    const char* Numero;
    const char* Texte;
    const char* TexteMF;
    TGroupeDefaut Groupe;
    TPlage Classe;
    TPlage ClasseMF;
    TCondition Gere;
    TCondition Configurable;
    int Octet;
    const char* IDClasse;
    TPlage Type;
    TPlage TypeMF;
};

// A fault whose ranges do not depend on the current type. Type is the default-class range
// written min / max / default.
constexpr TDefautG20 Defaut(const char* Numero, const char* Texte, const char* TexteMF,
                            TGroupeDefaut Groupe, TPlage Classe, TCondition Gere,
                            TCondition Configurable, int Octet, const char* IDClasse, TPlage Type) {
    return {Numero, Texte,        TexteMF, Groupe,   Classe, Classe,
            Gere,   Configurable, Octet,   IDClasse, Type,   Type};
}

// The same fault with other ranges on MF controllers.
constexpr TDefautG20 AvecMF(TDefautG20 Defaut, TPlage ClasseMF, TPlage TypeMF) {
    Defaut.ClasseMF = ClasseMF;
    Defaut.TypeMF = TypeMF;
    return Defaut;
}

constexpr auto Fct = gdFonctionnement;
constexpr auto Auto = gdAutomatisme;
constexpr auto Soud = gdSoudage;
constexpr auto Mat = gdMateriels;
constexpr auto Aucun = gdAucun;
constexpr const char* Reserve = "Réservé";
constexpr TPlage Fixe1{1, 1, 1};
constexpr TPlage Type013{0, 3, 1};
constexpr TPlage Type032{0, 3, 2};
constexpr TPlage Type030{0, 3, 0};
constexpr TPlage Type033{0, 3, 3};

// The faults in creation order.
constexpr TDefautG20 DefautsG20[] = {
    Defaut("-01", "Mise hors tension", nullptr, Aucun, {0, 0, 0}, Non, Non, -1, nullptr, {0, 0, 0}),
    Defaut("00", "Arrêt soudeuse", nullptr, Auto, Fixe1, Oui, Non, 50, "Class00", Fixe1),
    Defaut("01", "Défaut thyristors", "Défaut IGBT", Fct, Fixe1, Oui, Non, 51, "Class01", Fixe1),
    Defaut("02", "Échauffement des thyristors", "Échauffement du convertisseur M.F.", Fct,
           {2, 2, 2}, Oui, Non, 52, "Class02", Fixe1),
    Defaut("03", "Start enclenché", nullptr, Auto, {1, 4, 1}, Oui, Oui, 53, "Class03", Type013),
    Defaut("04", "Mauvaise sélection de programme", nullptr, Auto, Fixe1, Oui, Non, 54, "Class04",
           Fixe1),
    Defaut("05", "Programme non valide", nullptr, Auto, Fixe1, Oui, Non, 55, "Class05", Fixe1),
    Defaut("06", "Stop soudage", nullptr, Auto, {1, 4, 4}, Oui, Oui, 56, "Class06", Type013),
    Defaut("07", "Échauffement du transformateur", nullptr, Fct, {2, 2, 2}, Oui, Non, 57, "Class07",
           Fixe1),
    Defaut("08", "Dépassement du seuil PSI haut", "Dépassement du seuil % haut", Soud, {0, 4, 4},
           Oui, Oui, 58, "Class08", Type032),
    Defaut("09", "Déphasage trop grand", "Surcharge courant primaire", Fct, {0, 4, 4}, Oui, Oui, 59,
           "Class09", Type013),
    Defaut("10", "Fin de vie électrode", nullptr, Auto, {0, 2, 2}, Oui, Oui, 60, "Class10",
           Type030),
    Defaut("11", "Presser", nullptr, gdRepetitionPoint_PointSuivant, {4, 4, 4}, Oui, Non, 61,
           "Class11", Fixe1),
    Defaut("12", "Rodage non effectué", nullptr, Auto, {0, 2, 2}, Oui, Oui, 62, "Class12", Type030),
    Defaut("13", Reserve, nullptr, Aucun, {0, 4, 1}, Non, Non, 63, "Class13", Type013),
    Defaut("14", Reserve, nullptr, Aucun, {0, 4, 1}, Non, Non, 64, "Class14", Type013),
    Defaut("15", "Absence puissance", nullptr, Auto, {1, 4, 1}, Oui, Oui, 65, "Class15", Type013),
    Defaut("16", "Valeur tension incorrecte", "Tension bus continu hors limites", Soud, {0, 4, 4},
           Oui, Oui, 66, "Class16", Type013),
    AvecMF(Defaut("17", "Dépassement du facteur de marche", nullptr, Soud, {0, 2, 2}, Oui, MF, 67,
                  "Class17", Type032),
           {2, 2, 2}, Type032),
    Defaut("18", "Valeur intensité incorrecte", "Mesure secondaire incorrecte", Soud, {0, 4, 4},
           Oui, Oui, 68, "Class18", Type013),
    Defaut("19", "Commande asymétrique", "Mesure primaire incorrecte", Fct, {0, 4, 4}, Oui, Oui, 69,
           "Class19", Type013),
    Defaut("20", "Machine trop puissante", nullptr, Soud, {0, 4, 0}, Oui, Oui, 70, "Class20",
           Type032),
    Defaut("21", "Machine pas assez puissante", nullptr, Soud, {0, 4, 0}, Oui, Oui, 71, "Class21",
           Type032),
    AvecMF(Defaut("22", Reserve, nullptr, Aucun, {0, 4, 4}, Non, Non, 72, "Class22", Type013),
           {0, 4, 4}, Type033),
    Defaut("23", "Intensité trop forte", nullptr, Soud, {0, 4, 4}, Oui, Oui, 73, "Class23",
           Type033),
    Defaut("24", "Intensité trop faible", nullptr, Soud, {0, 4, 4}, Oui, Oui, 74, "Class24",
           Type033),
    Defaut("25", "Intensité faible répétitive", nullptr, Soud, {0, 4, 4}, Oui, Oui, 75, "Class25",
           Type032),
    Defaut("26", "Effort trop élevé", nullptr, Soud, {0, 4, 2}, Oui, Oui, 76, "Class26", Type032),
    Defaut("27", "Temps d'accostage dépassé", nullptr, Auto, {1, 4, 1}, Oui, Oui, 77, "Class27",
           Type013),
    Defaut("28", "Dépassement du seuil PSI bas", "Dépassement du seuil % bas", Soud, {0, 4, 4}, Oui,
           Oui, 78, "Class28", Type032),
    Defaut("29", "Dépassement du seuil PSI répétitif haut", "Dépassement du seuil % répétitif haut",
           Soud, {0, 4, 0}, Oui, Oui, 79, "Class29", Type032),
    Defaut("30", "Fin de vie fraise", nullptr, Auto, {0, 1, 1}, Oui, Oui, 80, "Class30", Type030),
    Defaut("31", "Effort trop faible", nullptr, Soud, {0, 4, 2}, Oui, Oui, 81, "Class31", Type032),
    Defaut("32", Reserve, nullptr, Aucun, {0, 4, 1}, Non, Non, 82, "Class32", Type013),
    Defaut("33", "Différentiel non testé ou défectueux", nullptr, Mat, Fixe1, MF, Non, 83,
           "Class33", Fixe1),
    AvecMF(Defaut("34", "Température CPS trop élévée", nullptr, Fct, {0, 2, 2}, MF, Oui, 84,
                  "Class34", Type013),
           {0, 2, 2}, {0, 1, 1}),
    Defaut("35", "Pas de réponse de la carte moyenne fréquence", nullptr, Mat, Fixe1, MF, Non, 85,
           "Class35", Fixe1),
    AvecMF(Defaut("36", "Pas de réponse du module de communication", nullptr, Mat, Fixe1, Oui,
                  TCondition::IB, 86, "Class36", Type013),
           {0, 1, 1}, Type013),
    Defaut("37", "Datakey", nullptr, Mat, {0, 1, 1}, TCondition::Datakey, Oui, 87, "Class37",
           {0, 1, 1}),
    Defaut("38", "Pression d'air hors limite", nullptr, Aucun, {0, 4, 1}, Non, Non, 88, "Class38",
           Type013),
    Defaut("39", "Circuit de mesure defecteux", nullptr, Mat, Fixe1, TCondition::Tore, Non, 89,
           "Class39", Fixe1),
    AvecMF(Defaut("40", "Temps montée hors limites", nullptr, Aucun, {0, 4, 4}, Non, Non, 90,
                  "Class40", Type013),
           {0, 4, 4}, Type033),
    Defaut("41", Reserve, nullptr, Aucun, {0, 4, 1}, Non, Non, 91, "Class41", Type013),
    Defaut("42", Reserve, nullptr, Aucun, {0, 4, 1}, Non, Non, 92, "Class42", Type013),
    Defaut("43", Reserve, nullptr, Aucun, {0, 4, 1}, Non, Non, 93, "Class43", Type013),
    Defaut("44", Reserve, nullptr, Aucun, {0, 4, 1}, Non, Non, 94, "Class44", Type013),
    Defaut("45", Reserve, nullptr, Aucun, {0, 4, 1}, Non, Non, 95, "Class45", Type013),
    Defaut("80", "Perte paramètres", nullptr, Mat, Fixe1, Oui, Non, 96, "Class80", Fixe1),
    Defaut("90", "Défaut liaison série", nullptr, Mat, Fixe1, Oui, Non, 97, "Class90", Fixe1),
};

// "-01" (power off) and the 48 faults that have a byte in the frame.
constexpr int NombreDefauts = 49;
static_assert(std::size(DefautsG20) == NombreDefauts);
constexpr int NombreOctetsDefauts = NombreDefauts - 1;

constexpr TFieldHandle HandleDefaut(std::size_t Index) {
    return Handle(PremierSlotDefaut + Index, DefautsG20[Index].Numero);
}

constexpr TFieldHandle HandleClasse(std::size_t Index) {
    return Handle(PremierSlotDefaut + NombreDefauts + Index, DefautsG20[Index].IDClasse);
}

// ---------------------------------------------------------------------------------------
// Controller frame

namespace pl = payload;

// Bytes 0 to 25: name, passwords and their durations.
constexpr TPayloadItem TrameDebut[] = {
    pl::Text(0, 20, IDNomCPS),
    pl::Number(20, 2, IDMotDePasse),
    pl::Number(22, 2, IDMotDePasseProg),
    pl::Number(24, 1, IDDureeMotDePasse),
    pl::Number(25, 1, IDDureeMotDePasseProg),
};

// Bytes 40 to 49. Bits 5 (with parity) and 4 (odd parity) of byte 43 are derived from
// IDParite (EncodeDerivedBits).
constexpr TPayloadItem TrameSelection[] = {
    pl::Constant(40, 2, 0),
    pl::Number(42, 1, IDLangue),
    pl::Bits(43, 7, IDSurveillanceModification),
    pl::Bits(43, 6, IDCommandePhase2),
    pl::Bits(43, 3, IDProgEditeDCY2),
    pl::Bits(43, 2, IDProgEditeDCY1),
    pl::Bits(43, 1, IDExecutionDCY2),
    pl::Bits(43, 0, IDExecutionDCY1),
    pl::Number(44, 1, IDProgrammeDCY1),
    pl::Number(45, 1, IDProgrammeDCY2),
    pl::Number(46, 1, IDProgrammeMiniDCY1),
    pl::Number(47, 1, IDProgrammeMaxiDCY1),
    pl::Number(48, 1, IDProgrammeMiniDCY2),
    pl::Number(49, 1, IDProgrammeMaxiDCY2),
};

// Bytes 98 to 182. Bit 5 of byte 177 is derived from IDNbStartsParPince.
constexpr TPayloadItem TrameFin[] = {
    pl::Number(98, 1, IDNbRepetitionPointAuto),
    pl::Bits(99, 6, IDCUChargeProgAlarme),
    pl::Bits(99, 5, IDCUActivationToutesElectrodes),
    pl::Bits(99, 4, IDCURodageAlarme),
    pl::Bits(99, 3, IDCUPointsLies),
    pl::Bits(99, 2, IDCUConsignesLiees),
    pl::Bits(99, 0, IDChangementPermanent),
    pl::Bits(100, 7, IDReposSP2NF),
    pl::Bits(100, 6, IDReposSP1NF),
    pl::Bits(100, 5, IDReposDRONF),
    pl::Bits(100, 4, IDReposALENF),
    pl::Bits(100, 3, IDReposFVENF),
    pl::Bits(100, 2, IDReposDFANF),
    pl::Bits(100, 1, IDReposDGNNF),
    pl::Bits(100, 0, IDReposDASNF),
    pl::Bits(101, 7, IDActionSP2Clignotante),
    pl::Bits(101, 6, IDActionSP1Clignotante),
    pl::Bits(101, 5, IDActionDROClignotante),
    pl::Bits(101, 4, IDActionALEClignotante),
    pl::Bits(101, 3, IDActionFVEClignotante),
    pl::Bits(101, 2, IDActionDFAClignotante),
    pl::Bits(101, 1, IDActionDGNClignotante),
    pl::Bits(102, 7, IDCUAcqF7ClePrg),
    pl::Bits(102, 5, IDPointSuivantF5ClePrg),
    pl::Bits(102, 4, IDRepetPointF4ClePrg),
    pl::Bits(102, 1, IDAcqValidClePrg),
    pl::Bits(102, 0, IDReInitialisationCompteurs),
    pl::Number(103, 1, IDModeSP1_SP2),
    pl::Number(104, 1, IDCUContinue),
    pl::Skip(105, 1),
    pl::Number(106, 2, IDVitesseRS232),
    pl::Number(108, 1, IDTypeRS232),
    pl::Bits(109, 1, IDSignaturesPointsEmises),
    pl::Bits(109, 0, IDSignaturesDefautsEmises),
    pl::Number(110, 4, IDAdresseIP),
    pl::Number(114, 4, IDMasqueIP),
    pl::Number(118, 2, IDPortIP),
    pl::Number(120, 4, IDPCAdresseIP, 0, 10),
    pl::Number(160, 4, IDGatewayIP),
    pl::Number(164, 1, IDPCListLocked),
    pl::Number(165, 1, IDVitesseEthernet),
    pl::Number(166, 1, IDModeEffort),
    pl::Number(167, 1, IDVitesseBusTerrain),
    pl::Number(168, 1, IDNumEsclaveBusTerrain),
    pl::Bits(169, 0, IDReposMF1NF),
    pl::Bits(169, 1, IDReposMF2NF),
    pl::Bits(169, 2, IDReposMF3NF),
    pl::Bits(169, 3, IDReposMF4NF),
    pl::Bits(170, 0, IDActionMF1Clignotante),
    pl::Bits(170, 1, IDActionMF2Clignotante),
    pl::Bits(170, 2, IDActionMF3Clignotante),
    pl::Bits(170, 3, IDActionMF4Clignotante),
    pl::Number(171, 1, IDTensionSecteur),
    pl::Number(172, 1, IDTypeConvertisseur),
    pl::Number(173, 1, IDPourcentApprentissage1),
    pl::Number(174, 1, IDPourcentApprentissage2),
    pl::Number(175, 1, IDPeriodeTestDifferentiel),
    pl::Number(176, 1, IDDelaiTestDifferentiel),
    pl::Bits(177, 0, IDGestionFraiseRodeuse),
    pl::Bits(177, 6, IDModeSortiesCU),
    pl::Bits(177, 7, IDModeElectrovannes),
    pl::Number(178, 1, IDModeAssignationPoint),
    pl::Number(179, 1, IDModePince),
    pl::Number(180, 2, IDMotDePasseAcquittement),
    pl::Number(182, 1, IDProfilBusDeTerrain),
};

constexpr int OctetParite = 43;
constexpr int BitAvecParite = 5;
constexpr int BitPariteImpaire = 4;
constexpr int OctetStarts = 177;
constexpr int BitStarts = 5;

// The whole frame: the fixed parts, the screen bits and the fault bytes (classification
// in bits 0..3; with the default classes, the default class in bits 4..7).
template <bool AvecClasses> constexpr auto MakeTrame() {
    constexpr std::size_t taille =
        std::size(TrameDebut) + NombreEcrans + std::size(TrameSelection) +
        NombreOctetsDefauts * (AvecClasses ? 2 : 1) + std::size(TrameFin);
    std::array<TPayloadItem, taille> items{};
    std::size_t n = 0;
    for (const TPayloadItem& item : TrameDebut)
        items[n++] = item;
    for (int i = 0; i < NombreEcrans; ++i)
        items[n++] = pl::Bits(OctetEcrans + i / 8, i % 8, HandleEcranDuBit(i));
    for (const TPayloadItem& item : TrameSelection)
        items[n++] = item;
    for (std::size_t i = 0; i < std::size(DefautsG20); ++i) {
        if (DefautsG20[i].Octet < 0)
            continue;
        items[n++] = pl::Bits(DefautsG20[i].Octet, 0, HandleDefaut(i), 4);
        if (AvecClasses)
            items[n++] = pl::Bits(DefautsG20[i].Octet, 4, HandleClasse(i), 4);
    }
    for (const TPayloadItem& item : TrameFin)
        items[n++] = item;
    return items;
}

constexpr auto ItemsSansClasses = MakeTrame<false>();
constexpr auto ItemsAvecClasses = MakeTrame<true>();
constexpr TPayloadLayout TrameSansClasses{ItemsSansClasses};
constexpr TPayloadLayout TrameAvecClasses{ItemsAvecClasses};
static_assert(TrameSansClasses.Size() == TailleTrameConfiguration);
static_assert(TrameAvecClasses.Size() == TailleTrameConfiguration);

const TPayloadLayout& Layout(bool AvecClasses) {
    return AvecClasses ? TrameAvecClasses : TrameSansClasses;
}

} // namespace

// ---------------------------------------------------------------------------------------
// Creation

TConfigurationG20::TConfigurationG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                     TInterfacedPersistent* aLogicalZone)
    : TConfiguration(AOwner, TypeZone, Numero, aLogicalZone) {
    SetTailles(TailleTrameConfiguration, TailleTrameConfiguration);
    CreateFields();
    CreateScreens();
    CreateDefaults();
    if (TypeZone == PrcConfigurationMini)
        SetToLimits(false);
    else if (TypeZone == PrcConfigurationMaxi)
        SetToLimits(true);
}

TConfigurationG20::~TConfigurationG20() = default;

std::string TConfigurationG20::ClassName() const {
    return "TConfigurationG20";
}

THResult TConfigurationG20::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IConfigurationEx::IID) {
        *Obj = static_cast<IConfigurationEx*>(this);
        return THResult::S_OK;
    }
    return TConfiguration::QueryInterface(IID, Obj);
}

int TConfigurationG20::AddRef() {
    return TConfiguration::AddRef();
}

int TConfigurationG20::Release() {
    return TConfiguration::Release();
}

std::unique_ptr<TCustomZoneCPS>
TConfigurationG20::Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                          TInterfacedPersistent* aLogicalZone) const {
    return std::make_unique<TConfigurationG20>(AOwner, TypeZone, Numero, aLogicalZone);
}

namespace {

TContexte Contexte(const TConfiguration::TVariante& Variante) {
    return {Variante.Courant == tcMF,
            Variante.IO == tiTOR,
            Variante.IO == tiDeviceNet,
            Variante.IO == tiINTERBUS_S,
            Variante.ProfilC1,
            Variante.Hardware.Contains(thDatakey),
            Variante.Hardware.Contains(thToreMesure)};
}

IRawNumericField& Raw(TKEVField& Field) {
    auto* raw = dynamic_cast<IRawNumericField*>(&Field);
    if (raw == nullptr)
        throw EFieldError(Format(SFieldTypeAccess, Field.GetFieldID(), "Integer"));
    return *raw;
}

} // namespace

void TConfigurationG20::CreateFields() {
    try {
        FLangues = {IDLangue_Francais, IDLangue_Anglais, IDLangue_Allemand, IDLangue_Espagnol};
        AdjustBaseFields();
        CreateG20Fields();
    } catch (const std::exception& e) {
        LogCreationError(std::string("CreateFields (") + e.what() + ")");
    }
}

void TConfigurationG20::AdjustBaseFields() {
    const TContexte contexte = Contexte(Variante());
    for (const TAjustement& ajustement : AjustementsBase) {
        TKEVField& field = Field(ajustement.Champ);
        if (ajustement.Max >= 0)
            Raw(field).SetRawMax(ajustement.Max);
        if (ajustement.Valeur >= 0)
            Raw(field).SetRawValue(ajustement.Valeur);
        if (!Vrai(ajustement.Visible, contexte))
            field.Unlink();
    }
}

void TConfigurationG20::CreateG20Fields() {
    const TContexte contexte = Contexte(Variante());
    for (const TChampG20& champ : ChampsG20) {
        auto field = NewChamp(champ, this, TabSheet(champ.Onglet));
        TKEVField* added = !champ.Reference.Empty()
                               ? InsertField(champ.Reference, champ.Champ, std::move(field), true)
                               : AddField(champ.Champ, std::move(field));
        if (!Vrai(champ.Visible, contexte))
            added->Unlink();
    }
}

void TConfigurationG20::CreateScreens() {
    try {
        for (TTypeEcran type : TypesEcrans)
            CreateScreensOfType(type);
    } catch (const std::exception& e) {
        LogCreationError(std::string("CreateScreens (") + e.what() + ")");
    }
}

void TConfigurationG20::CreateScreensOfType(TTypeEcran Type) {
    const TContexte contexte = Contexte(Variante());
    TInterfacedPersistent* sheet = Type == teDivers ? nullptr : TabSheet(IDTabEcrans);
    std::vector<std::pair<TEcran*, const TEcranG20*>> crees;
    for (std::size_t i = 0; i < std::size(Ecrans); ++i) {
        const TEcranG20& ecran = Ecrans[i];
        if (ecran.Type != Type)
            continue;
        auto field = std::make_unique<TKEVBooleanField>(ecran.ID, this, sheet, false);
        auto nouvel = std::make_unique<TEcran>(field.get(), ecran.ID, ecran.ID, Type);
        AddField(HandleEcran(i), std::move(field));
        crees.emplace_back(nouvel.get(), &ecran);
        FTabEcrans.push_back(std::move(nouvel));
    }
    for (const auto& [nouvel, ecran] : crees)
        nouvel->SetParamEx(Vrai(ecran->Gerer, contexte), Vrai(ecran->Configurable, contexte),
                           Vrai(ecran->Afficher, contexte), "");
}

void TConfigurationG20::CreateDefaults() {
    try {
        const TContexte contexte = Contexte(Variante());
        const bool mf = contexte.MF;
        TInterfacedPersistent* sheet = TabSheet(IDTabDefauts);
        for (std::size_t i = 0; i < std::size(DefautsG20); ++i) {
            const TDefautG20& defaut = DefautsG20[i];
            const TPlage& classe = mf ? defaut.ClasseMF : defaut.Classe;
            const TDefaut* cree = AddDefaut(
                defaut.Numero, sheet, defaut.Groupe, classe.Defaut, classe.Max, classe.Min,
                mf && defaut.TexteMF != nullptr ? defaut.TexteMF : defaut.Texte);
            AttachHandle(HandleDefaut(i), *cree->GetTypeDefautField());
        }
        for (const TDefautG20& defaut : DefautsG20)
            GetDefautParNom(defaut.Numero)
                ->SetParam(Vrai(defaut.Gere, contexte), Vrai(defaut.Configurable, contexte));
        if (contexte.C1)
            CreateDefaultClasses();
    } catch (const std::exception& e) {
        LogCreationError(std::string("CreateDefaults (") + e.what() + ")");
    }
}

void TConfigurationG20::CreateDefaultClasses() {
    const bool mf = Variante().Courant == tcMF;
    TInterfacedPersistent* sheet = TabSheet(IDTabDefauts);
    for (std::size_t i = 0; i < std::size(DefautsG20); ++i) {
        const TDefautG20& defaut = DefautsG20[i];
        if (defaut.IDClasse == nullptr)
            continue;
        const TPlage& type = mf ? defaut.TypeMF : defaut.Type;
        auto field = std::make_unique<TKEVEnumField>(defaut.IDClasse, this, sheet,
                                                     TypesDefautsClasses, type.Defaut, 0);
        field->SetRawMin(type.Min);
        field->SetRawMax(type.Max);
        TKEVField* added = AddField(HandleClasse(i), std::move(field));
        if (!GetDefautParNom(defaut.Numero)->GetDefautGere())
            added->Unlink();
    }
    FAvecClasses = true;
}

void TConfigurationG20::SetToLimits(bool Maximum) {
    for (int i = 0; i < GetFieldCount(); ++i) {
        if (Maximum)
            GetFields(i)->SetToMax();
        else
            GetFields(i)->SetToMin();
    }
    for (const auto& ecran : FTabEcrans)
        ecran->SetParam(Maximum, Maximum, Maximum);
    for (int i = 0; i < GetNbDefauts(); ++i) {
        if (Maximum)
            GetDefautParIndex(i)->SetToMax();
        else
            GetDefautParIndex(i)->SetToMin();
    }
}

// ---------------------------------------------------------------------------------------
// Copy and codec

void TConfigurationG20::Assign(const TPersistent* Source) {
    const TZoneChanges changes(*this); // observers told after the whole copy
    const auto* source = dynamic_cast<const TConfigurationG20*>(Source);
    const TLockPair lock = LockWith(source != nullptr ? *source : *this);
    if (source != nullptr && source->GetOwner() == GetOwner()) {
        FLangues = source->FLangues;
        const std::size_t count = std::min(FTabEcrans.size(), source->FTabEcrans.size());
        for (std::size_t i = 0; i < count; ++i) {
            FTabEcrans[i]->AssignEtat(*source->FTabEcrans[i]);
        }
    }
    TConfiguration::Assign(Source);
}

bool TConfigurationG20::SaisieZoneCPS(void* aOwner, void* FormReference) {
    return OpenEditor(*this, aOwner, FormReference);
}

TErreurSerie TConfigurationG20::SerialDecode(const TByteArray& Trame, int LngTrame) {
    return DecodeIntoCopy(
        *this, Trame, LngTrame, [](TConfigurationG20& Copie, const TByteArray& Data, int& Offset) {
            const int lu = Layout(Copie.FAvecClasses).Decode(Copie, Data, 0, Offset);
            Offset = OctetParite;
            Copie.DecodeDerivedBits(Data);
            return lu;
        });
}

int TConfigurationG20::SerialEncode(TByteArray& Trame, int LngTrame, int) const {
    if (GetTypeZone() != PrcConfiguration)
        return NothingEncoded;
    const int fin = Layout(FAvecClasses).Encode(*this, Trame, LngTrame);
    EncodeDerivedBits(Trame, LngTrame);
    return fin;
}

void TConfigurationG20::EncodeDerivedBits(TByteArray& Trame, int Start) const {
    const int parite = GetParite();
    const int parity =
        (parite != 0 ? 1 << BitAvecParite : 0) | (parite != 2 ? 1 << BitPariteImpaire : 0);
    PutByte(Trame, Start + OctetParite,
            static_cast<Byte>(GetByte(Trame, Start + OctetParite) | parity));
    const int starts = (GetInteger(IDNbStartsParPince) - 1) << BitStarts;
    PutByte(Trame, Start + OctetStarts,
            static_cast<Byte>(GetByte(Trame, Start + OctetStarts) | starts));
}

void TConfigurationG20::DecodeDerivedBits(const TByteArray& Trame) {
    const Byte parite = GetByte(Trame, OctetParite);
    const bool avecParite = (parite >> BitAvecParite & 1) != 0;
    const bool impaire = (parite >> BitPariteImpaire & 1) != 0;
    SetRawValue(IDParite, !avecParite ? 0 : impaire ? 1 : 2);
    SetRawValue(IDNbStartsParPince, (GetByte(Trame, OctetStarts) >> BitStarts & 1) + 1);
}

// ---------------------------------------------------------------------------------------
// Captions

std::string TConfigurationG20::NomChamp(const std::string& IDChamp) const {
    if (const TChampG20* champ = ChampG20(IDChamp); champ != nullptr && champ->Libelle != nullptr)
        return Translate(IDConfigurationG20Section, champ->Champ.ID(), champ->Libelle);
    if (const TEcran* ecran = GetEcranParID(IDChamp))
        return ecran->GetNom();
    if (GetDefautParNom(IDChamp) != nullptr)
        return GetDescriptionDefautID(IDChamp);
    if (IDChamp.rfind("Class", 0) == 0 && GetFieldByID(IDChamp) != nullptr)
        return IDChamp;
    return TConfiguration::NomChamp(IDChamp);
}

std::string TConfigurationG20::DetailValeurChamp(const std::string& IDChamp, int Valeur,
                                                 std::string& IDZone, std::string& IDValeur) const {
    std::span<const TIDZone> valeurs;
    if (const TChampG20* champ = ChampG20(IDChamp))
        valeurs = champ->Valeurs;
    else if (IDChamp.rfind("Class", 0) == 0 && GetDefautParNom(IDChamp.substr(5)) != nullptr)
        valeurs = TypesDefautsClasses;
    if (valeurs.empty())
        return TConfiguration::DetailValeurChamp(IDChamp, Valeur, IDZone, IDValeur);
    IDZone = IDConfigurationG20Section;
    return DetailParPosition(IDConfigurationG20Section, valeurs, IDChamp, Valeur, IDValeur);
}

std::string TConfigurationG20::GetDescriptionDefautID(const std::string& NumeroDefaut) const {
    const std::string texte = GetTexteDefaut(NumeroDefaut);
    if (texte.empty())
        return "";
    return Translate(IDDefautsSection, "IDDefaut" + NumeroDefaut, texte);
}

std::string TConfigurationG20::GetIdentifiantCPS() const {
    const TKEVField* field = FindField(IDNomCPS);
    return field != nullptr ? field->GetAsString() : std::string();
}

// ---------------------------------------------------------------------------------------
// Screens, addresses, default classes

TEcran* TConfigurationG20::GetEcranParIndex(int IndexEcran) const {
    if (IndexEcran < 0 || IndexEcran >= GetNbEcrans())
        return nullptr;
    return FTabEcrans[static_cast<std::size_t>(IndexEcran)].get();
}

TEcran* TConfigurationG20::GetEcranParNom(const std::string& NomEcran) const {
    for (const auto& ecran : FTabEcrans)
        if (ecran->GetNom() == NomEcran)
            return ecran.get();
    return nullptr;
}

TEcran* TConfigurationG20::GetEcranParID(const std::string& IDEcran) const {
    for (const auto& ecran : FTabEcrans)
        if (ecran->GetID() == IDEcran)
            return ecran.get();
    return nullptr;
}

TKEVAddressField* TConfigurationG20::Adresse(const TFieldHandle& Handle) const {
    return dynamic_cast<TKEVAddressField*>(FindField(Handle));
}

TKEVAddressField* TConfigurationG20::AdressePC(int PC) const {
    const auto* tableau = dynamic_cast<const TKEVArrayField*>(FindField(IDPCAdresseIP));
    if (tableau == nullptr || PC < 0 || PC >= tableau->GetCount())
        return nullptr;
    return dynamic_cast<TKEVAddressField*>(tableau->GetField(PC));
}

namespace {

int Segment(const TKEVAddressField* Field, int Index) {
    return Field != nullptr ? Field->GetSegment(Index) : -1;
}

void SetSegment(TKEVAddressField* Field, int Index, int Value) {
    if (Field != nullptr)
        Field->SetSegment(Index, Value);
}

} // namespace

int TConfigurationG20::GetAdresseIPseg(int Index) const {
    return Segment(Adresse(IDAdresseIP), Index);
}

void TConfigurationG20::SetAdresseIPseg(int Index, int Value) {
    SetSegment(Adresse(IDAdresseIP), Index, Value);
}

int TConfigurationG20::GetMasqueIPseg(int Index) const {
    return Segment(Adresse(IDMasqueIP), Index);
}

void TConfigurationG20::SetMasqueIPseg(int Index, int Value) {
    SetSegment(Adresse(IDMasqueIP), Index, Value);
}

int TConfigurationG20::GetGatewayIPseg(int Index) const {
    return Segment(Adresse(IDGatewayIP), Index);
}

void TConfigurationG20::SetGatewayIPseg(int Index, int Value) {
    SetSegment(Adresse(IDGatewayIP), Index, Value);
}

LongWord TConfigurationG20::GetPCAdresseIP(int PC) const {
    const TKEVAddressField* field = AdressePC(PC);
    return field != nullptr ? field->GetAddress() : 0;
}

void TConfigurationG20::SetPCAdresseIP(int PC, LongWord Value) {
    if (TKEVAddressField* field = AdressePC(PC))
        field->SetAddress(Value);
}

std::string TConfigurationG20::GetPCAdresseIPstr(int PC) const {
    const TKEVAddressField* field = AdressePC(PC);
    return field != nullptr ? field->GetAsString() : std::string();
}

void TConfigurationG20::SetPCAdresseIPstr(int PC, const std::string& Value) {
    if (TKEVAddressField* field = AdressePC(PC))
        field->SetAsString(Value);
}

int TConfigurationG20::GetPCAdresseIPseg(int PC, int Index) const {
    return Segment(AdressePC(PC), Index);
}

void TConfigurationG20::SetPCAdresseIPseg(int PC, int Index, int Value) {
    SetSegment(AdressePC(PC), Index, Value);
}

int TConfigurationG20::GetDefaultClass(int aDefault) const {
    const TKEVField* field = GetFieldByID(Format("Class%.2d", aDefault));
    return field != nullptr ? field->GetAsInteger() : 0;
}

void TConfigurationG20::SetDefaultClass(int aDefault, int Value) {
    if (TKEVField* field = GetFieldByID(Format("Class%.2d", aDefault)))
        field->SetAsInteger(Value);
}

} // namespace g20seq
