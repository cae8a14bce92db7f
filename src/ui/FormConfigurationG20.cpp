#include "ui/FormConfigurationG20.h"

#include "model/DataProxy.h"
#include "model/EditorWindows.h"
#include "model/EpromDescription.h"
#include "support/Exceptions.h"
#include "support/Format.h"
#include "ui/FenetreTextes.h"
#include "ui/ReglesConfiguration.h"
#include "ui/widgets/CheckListBox.h"
#include "ui/widgets/KevComboBox.h"
#include "ui/widgets/KevIPAddress.h"
#include "ui/widgets/KevNumericEdit.h"
#include "ui/widgets/KevVirtualStringTree.h"
#include "zones/AssignationHandler.h"
#include "zones/ConfigurationG20.h"
#include "zones/Electrode.h"
#include "zones/Fraise.h"
#include "zones/ProgrammeG20.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <tuple>

namespace g20seq {

using namespace ChampsConfiguration;

namespace {

// The tabs of the window, in order, then the pages and groups inside them.
enum TPageCfg : int {
    OngSelectProg,
    OngCompUsure,
    OngDefProg,
    OngEtatsSorties,
    OngCfgMF,
    OngEthernet,
    OngModePince,
    OngParamAvances,
    OngCfgEcran,
    NbOnglets,
    PgStart1 = NbOnglets,
    PgStart2,
    PgIncrementation,
    PgFraiseRodage,
    PgEtatsRepos,
    PgEtatsAction,
    PgReposMF,
    PgActionMF,
    PgAdressesPC,
    PgModeEV,
    PgModeSorties,
    PgAcquittements,
    PgEcransProgrammation,
    PgEcransExecution,
    PgEcransConfiguration,
    PgEcransMaintenance,
    NbPages
};

// A tab (Parent -1), a page of the inner start pages, or a group box of a tab.
struct TPageDef {
    const char* Nom;
    const char* Libelle;
    int Parent;
};

constexpr TPageDef Pages[NbPages] = {
    {"tabSelectProg", "Sélection des programmes", -1},
    {"tabCompUsure", "Compensation d'usure", -1},
    {"tabDefProg", "Défauts programmables", -1},
    {"tabEtatsSorties", "Etats des sorties", -1},
    {"tabCfgMF", "Moyenne Fréquence", -1},
    {"tabEthernet", "Paramètres Ethernet", -1},
    {"tabModePince", "Mode Pince", -1},
    {"tabParamAvances", "Paramètres avancés", -1},
    {"tabCfgEcran", "Ecrans", -1},
    {"tabStart1", "Start 1", OngSelectProg},
    {"tabStart2", "Start 2", OngSelectProg},
    {"grpIncrementation", "Incrémentation automatique :", OngCompUsure},
    {"grpFraiseRodage", "Fraise de rodage", OngCompUsure},
    {"grpEtatsRepos", "Etat des sorties au repos :", OngEtatsSorties},
    {"grpEtatsAction", "Etat des sorties en action :", OngEtatsSorties},
    {"grpReposMF", "Etat des sorties MF au repos :", OngEtatsSorties},
    {"grpActionMF", "Etat des sorties MF en action :", OngEtatsSorties},
    {"grpAdressesPC", "Adresses des PC autorisés", OngEthernet},
    {"grpModeEV", "Mode électrovannes PO/GO", OngModePince},
    {"grpModeSorties", "Mode sorties C.U.", OngModePince},
    {"grpAcquittements", "Acquittements avec clé sur position PRG :", OngParamAvances},
    {"grpEcransProgrammation", "Programmation", OngCfgEcran},
    {"grpEcransExecution", "Exécution", OngCfgEcran},
    {"grpEcransConfiguration", "Configuration", OngCfgEcran},
    {"grpEcransMaintenance", "Maintenance", OngCfgEcran},
};

int OngletDe(int Page) {
    if (Page == PgStart1 || Page == PgStart2)
        return OngSelectProg;
    return Pages[Page].Parent < 0 ? Page : Pages[Page].Parent;
}

// The four check lists of screens: their type and their group.
struct TListeEcrans {
    TTypeEcran Type;
    int Page;
    const char* Liste;
    const char* Choix;
};
constexpr TListeEcrans ListesEcrans[] = {
    {teProgrammation, PgEcransProgrammation, "lstEcransProgrammation", "cmbEcransProgrammation"},
    {teExecution, PgEcransExecution, "lstEcransExecution", "cmbEcransExecution"},
    {teConfiguration, PgEcransConfiguration, "lstEcransConfiguration", "cmbEcransConfiguration"},
    {teMaintenance, PgEcransMaintenance, "lstEcransMaintenance", "cmbEcransMaintenance"},
};
constexpr const char* ChoixEcrans[] = {"Sélectionner tout", "Sélectionner aucun",
                                       "Sélectionner défaut"};

// The classes and the default classes the fault pop-up offers (the tag is the value).
constexpr const char* ClassesDefauts[] = {
    "0 - Non bloquant", "1 - Bloquant | ACQ/start=0", "2 - Bloquant | Fin de cycle",
    "3 - Bloquant | Répétition point", "4 - Bloquant | Répétition point ?"};
constexpr const char* TypesDefauts[] = {"Type A : Non bloquant", "Type B : Soudage impossible",
                                        "Type C : Défaut qualité soudure de faible gravité",
                                        "Type D : Défaut qualité soudure grave"};
constexpr int ColonneClassement = 3;

constexpr int VitessesRS232[] = {300, 600, 1200, 2400, 4800, 9600, 19200, 38400};
constexpr const char* HintNomCPS = "Caractères autorisés : A..Z a..z 0..9 [caractère d'espacement]";
constexpr const char* SourceMenuDefauts = "TFrmConfigurationG20.lvwDefautsContextPopup";
constexpr const char* SourceChoixDefaut = "TFrmConfigurationG20.ValiderPopupDefauts";
constexpr const char* AucuneLigne = "Choix = nil / Aucune ligne valide sélectionnée";

QString Q(const std::string& Texte) {
    return QString::fromStdString(Texte);
}

QString Q(const char* Texte) {
    return QString::fromUtf8(Texte);
}

} // namespace

// ---------------------------------------------------------------------------------------
// The controls and the fields they edit

enum class TGenreControle : std::uint8_t {
    Case,        // check box: a Boolean field
    Radio,       // radio button: the field takes Valeur when it is chosen
    Liste,       // combo of the field's values, with their captions
    Langue,      // combo of the languages the controller offers
    Vitesse,     // combo of the serial speeds
    Parite,      // the parity combo
    Programme,   // a program combo, "%0.3d" from the minimum companion's number
    Assignation, // the point-number mode, through the point handler
    Nombre,      // number edit
    Spin,        // spin edit
    Adresse,     // IPv4 address edit
    Texte        // the controller's name
};

// Which controls are shown: those whose field the EPROM's zone shows, those of the clamp
// mode tab (its fields are never shown by the zone) while that tab is, or always.
enum class TRegleAffichage : std::uint8_t { Lien, OngletPince, Toujours };

struct TLiaisonConfiguration {
    const char* Nom;
    TGenreControle Genre;
    TFieldHandle Champ;
    int Page;
    const char* Libelle;
    int Longueur = 0;
    int Element = -1;          // element of an array field
    TFieldHandle Associe = {}; // "last edited program" flag of a program combo
    int Valeur = 0;            // value a radio button writes
    TRegleAffichage Regle = TRegleAffichage::Lien;
    const char* Note = nullptr; // a remark shown beside a check box
};

namespace {

using G = TGenreControle;

constexpr TLiaisonConfiguration Ctrl(const char* Nom, G Genre, const TFieldHandle& Champ, int Page,
                                     const char* Libelle, int Longueur = 0) {
    return {Nom, Genre, Champ, Page, Libelle, Longueur};
}
constexpr TLiaisonConfiguration Prog(const char* Nom, const TFieldHandle& Champ, int Page,
                                     const char* Libelle, const TFieldHandle& Associe = {}) {
    return {Nom, G::Programme, Champ, Page, Libelle, 0, -1, Associe};
}
constexpr TLiaisonConfiguration Pince(const char* Nom, G Genre, const TFieldHandle& Champ, int Page,
                                      const char* Libelle, int Valeur = 0) {
    return {Nom, Genre, Champ, Page, Libelle, 0, -1, {}, Valeur, TRegleAffichage::OngletPince};
}
constexpr TLiaisonConfiguration Toujours(const char* Nom, G Genre, const TFieldHandle& Champ,
                                         int Page, const char* Libelle) {
    return {Nom, Genre, Champ, Page, Libelle, 0, -1, {}, 0, TRegleAffichage::Toujours};
}
constexpr TLiaisonConfiguration AvecNote(const char* Nom, const TFieldHandle& Champ, int Page,
                                         const char* Libelle, const char* Note) {
    return {Nom, G::Case, Champ, Page, Libelle, 0, -1, {}, 0, TRegleAffichage::Lien, Note};
}
constexpr TLiaisonConfiguration PC(const char* Nom, int Element, const char* Libelle) {
    return {Nom, G::Adresse, IDPCAdresseIP, PgAdressesPC, Libelle, 0, Element};
}

constexpr TLiaisonConfiguration Liaisons[] = {
    Prog("cmbProgNum1", IDProgrammeDCY1, PgStart1, "Numéro du programme lié", IDProgEditeDCY1),
    Prog("cmbProgMiniAutorise1", IDProgrammeMiniDCY1, PgStart1, "Programme minimum autorisé"),
    Prog("cmbProgMaxiAutorise1", IDProgrammeMaxiDCY1, PgStart1, "Programme maximum autorisé"),
    Ctrl("chkAutoriseExec1", G::Case, IDExecutionDCY1, PgStart1,
         "Autorisation d'exécution du programme lié"),
    Prog("cmbProgNum2", IDProgrammeDCY2, PgStart2, "Numéro du programme lié", IDProgEditeDCY2),
    Prog("cmbProgMiniAutorise2", IDProgrammeMiniDCY2, PgStart2, "Programme minimum autorisé"),
    Prog("cmbProgMaxiAutorise2", IDProgrammeMaxiDCY2, PgStart2, "Programme maximum autorisé"),
    Ctrl("chkAutoriseExec2", G::Case, IDExecutionDCY2, PgStart2,
         "Autorisation d'exécution du programme lié"),
    Ctrl("cmbBitParite", G::Parite, IDParite, OngSelectProg, "Type de parité"),
    Ctrl("chkPrioriteProgEnAlarme", G::Case, IDCUChargeProgAlarme, OngSelectProg,
         "Sélection prioritaire des programmes en alarme"),

    Ctrl("cmbTypeCU", G::Liste, IDCUContinue, OngCompUsure, "Type de compensation d'usure"),
    Ctrl("cmbRazCUEnAlarme", G::Liste, IDChangementPermanent, OngCompUsure,
         "Changement d'électrode"),
    Ctrl("cmbMaintienSortiesCU", G::Liste, IDCUActivationToutesElectrodes, OngCompUsure,
         "Les sorties liées à la compensation d'usure sont activées en fonction de"),
    AvecNote("chkRodageAvecAlarme", IDCURodageAlarme, OngCompUsure, "Rodage avec alarme",
             "(activation de la sortie DRO à la fin de la loi de palier)"),
    Ctrl("chkReinitCompteur", G::Case, IDReInitialisationCompteurs, OngCompUsure,
         "Réinitialisation du compteur de points au clavier"),
    Ctrl("chkConsignesLiees", G::Case, IDCUConsignesLiees, PgIncrementation,
         "de l'intensité des paliers suivants"),
    Ctrl("chkPointsLies", G::Case, IDCUPointsLies, PgIncrementation,
         "des points de palier suivant"),
    Ctrl("chkAvecFraiseRodage", G::Case, IDGestionFraiseRodeuse, PgFraiseRodage,
         "Avec gestion fraise de rodage"),

    Ctrl("cmbReposDGN", G::Liste, IDReposDGNNF, PgEtatsRepos, "DGN"),
    Ctrl("cmbReposDFA", G::Liste, IDReposDFANF, PgEtatsRepos, "DFA"),
    Ctrl("cmbReposFVE", G::Liste, IDReposFVENF, PgEtatsRepos, "FVE"),
    Ctrl("cmbReposDAS", G::Liste, IDReposDASNF, PgEtatsRepos, "DAS"),
    Ctrl("cmbReposSP2", G::Liste, IDReposSP2NF, PgEtatsRepos, "SP2"),
    Ctrl("cmbReposSP1", G::Liste, IDReposSP1NF, PgEtatsRepos, "SP1"),
    Ctrl("cmbReposALE", G::Liste, IDReposALENF, PgEtatsRepos, "ALE"),
    Ctrl("cmbReposDRO", G::Liste, IDReposDRONF, PgEtatsRepos, "DRO"),
    Ctrl("cmbActionDGN", G::Liste, IDActionDGNClignotante, PgEtatsAction, "DGN"),
    Ctrl("cmbActionDFA", G::Liste, IDActionDFAClignotante, PgEtatsAction, "DFA"),
    Ctrl("cmbActionFVE", G::Liste, IDActionFVEClignotante, PgEtatsAction, "FVE"),
    Ctrl("cmbActionSP2", G::Liste, IDActionSP2Clignotante, PgEtatsAction, "SP2"),
    Ctrl("cmbActionSP1", G::Liste, IDActionSP1Clignotante, PgEtatsAction, "SP1"),
    Ctrl("cmbActionDRO", G::Liste, IDActionDROClignotante, PgEtatsAction, "DRO"),
    Ctrl("cmbActionALE", G::Liste, IDActionALEClignotante, PgEtatsAction, "ALE"),
    Ctrl("cmbReposMF1", G::Liste, IDReposMF1NF, PgReposMF, "N°1"),
    Ctrl("cmbReposMF2", G::Liste, IDReposMF2NF, PgReposMF, "N°2"),
    Ctrl("cmbReposMF3", G::Liste, IDReposMF3NF, PgReposMF, "N°3"),
    Ctrl("cmbReposMF4", G::Liste, IDReposMF4NF, PgReposMF, "N°4"),
    Ctrl("cmbActionMF1", G::Liste, IDActionMF1Clignotante, PgActionMF, "N°1"),
    Ctrl("cmbActionMF2", G::Liste, IDActionMF2Clignotante, PgActionMF, "N°2"),
    Ctrl("cmbActionMF3", G::Liste, IDActionMF3Clignotante, PgActionMF, "N°3"),
    Ctrl("cmbActionMF4", G::Liste, IDActionMF4Clignotante, PgActionMF, "N°4"),

    Ctrl("txtApprPourcent1", G::Nombre, IDPourcentApprentissage1, OngCfgMF,
         "Consigne apprentissage N°1 (%)", 2),
    Ctrl("txtApprPourcent2", G::Nombre, IDPourcentApprentissage2, OngCfgMF,
         "Consigne apprentissage N°2 (%)", 2),
    Ctrl("cmbTypeConvertisseur", G::Liste, IDTypeConvertisseur, OngCfgMF, "Type de convertisseur"),
    Ctrl("spnTensionSecteur", G::Spin, IDTensionSecteur, OngCfgMF, "Tension secteur (V)"),
    Ctrl("txtPeriodiciteTest", G::Nombre, IDPeriodeTestDifferentiel, OngCfgMF,
         "Périodicité du test différentiel (jours)", 3),
    Ctrl("txtDelaiTest", G::Nombre, IDDelaiTestDifferentiel, OngCfgMF,
         "Délai du test différentiel (heures)", 3),

    Ctrl("ipaAdresseIP", G::Adresse, IDAdresseIP, OngEthernet, "Adresse TCP/IP"),
    Ctrl("ipaMasqueReseau", G::Adresse, IDMasqueIP, OngEthernet, "Masque réseau"),
    Ctrl("ipaPasserelle", G::Adresse, IDGatewayIP, OngEthernet, "Passerelle IP"),
    Ctrl("spnPortIP", G::Spin, IDPortIP, OngEthernet, "Port IP"),
    Ctrl("chkListLocked", G::Case, IDPCListLocked, PgAdressesPC, "Liste verrouillée"),
    PC("ipaAdressePC0", 0, "n°1"),
    PC("ipaAdressePC1", 1, "n°2"),
    PC("ipaAdressePC2", 2, "n°3"),
    PC("ipaAdressePC3", 3, "n°4"),
    PC("ipaAdressePC4", 4, "n°5"),
    PC("ipaAdressePC5", 5, "n°6"),
    PC("ipaAdressePC6", 6, "n°7"),
    PC("ipaAdressePC7", 7, "n°8"),
    PC("ipaAdressePC8", 8, "n°9"),
    PC("ipaAdressePC9", 9, "n°10"),

    Pince("cmbModePince", G::Liste, IDModePince, OngModePince, "Mode pince"),
    Pince("rdbModeEV1", G::Radio, IDModeElectrovannes, PgModeEV, "monostable", 0),
    Pince("rdbModeEV2", G::Radio, IDModeElectrovannes, PgModeEV, "bistable", 1),
    Pince("rdbModeSorties1", G::Radio, IDModeSortiesCU, PgModeSorties, "3 sorties", 0),
    Pince("rdbModeSorties2", G::Radio, IDModeSortiesCU, PgModeSorties, "2 sorties", 1),

    Ctrl("cmbLangue", G::Langue, IDLangue, OngParamAvances, "Langue"),
    Ctrl("chkAcqAvecToucheF4", G::Case, IDRepetPointF4ClePrg, PgAcquittements,
         "F4 - Répéter point"),
    Ctrl("chkAcqAvecToucheF5", G::Case, IDPointSuivantF5ClePrg, PgAcquittements,
         "F5 - Point suivant"),
    Ctrl("chkAcqAvecToucheF7", G::Case, IDCUAcqF7ClePrg, PgAcquittements,
         "F7 - Compensation d'usure"),
    Ctrl("cmbRepetPtAuto", G::Liste, IDNbRepetitionPointAuto, OngParamAvances,
         "Répétition automatique du même point"),
    Ctrl("txtPasswdAck", G::Nombre, IDMotDePasseAcquittement, OngParamAvances,
         "Mot de passe acquittement", 4),
    Ctrl("txtPwdConfig", G::Nombre, IDMotDePasse, OngParamAvances, "Mot de passe configuration", 4),
    Ctrl("txtDureePwdConfig", G::Nombre, IDDureeMotDePasse, OngParamAvances,
         "Durée du mot de passe configuration (minutes)", 3),
    Ctrl("txtPwdProg", G::Nombre, IDMotDePasseProg, OngParamAvances, "Mot de passe programmation",
         4),
    Ctrl("txtDureePwdProg", G::Nombre, IDDureeMotDePasseProg, OngParamAvances,
         "Durée du mot de passe programmation (minutes)", 3),
    Ctrl("chkGestion2emePhase", G::Case, IDCommandePhase2, OngParamAvances,
         "Gestion deuxième phase"),
    Ctrl("cmbModeSP", G::Liste, IDModeSP1_SP2, OngParamAvances, "Mode des sorties programmables"),
    Ctrl("cmbVitesseRS232", G::Vitesse, IDVitesseRS232, OngParamAvances,
         "Vitesse communication (bauds)"),
    Ctrl("txtNomCPS", G::Texte, IDNomCPS, OngParamAvances, "Nom de la CPS", 20),
    Ctrl("cmbModeEffort", G::Liste, IDModeEffort, OngParamAvances, "Mode effort"),
    Ctrl("cmbVitesseBusTerrain", G::Liste, IDVitesseBusTerrain, OngParamAvances,
         "Vitesse bus de terrain"),
    Ctrl("cmbNumEsclaveBusTerrain", G::Liste, IDNumEsclaveBusTerrain, OngParamAvances,
         "Numéro d'esclave bus de terrain"),
    Toujours("cmbModeAssignation", G::Assignation, IDModeAssignationPoint, OngParamAvances,
             "Mode assignation point"),
    Ctrl("cmbProfilBus", G::Liste, IDProfilBusDeTerrain, OngParamAvances, "Profil bus de terrain"),
};
constexpr std::size_t NbLiaisons = std::size(Liaisons);

// The controls that show the SP1 and SP2 output states.
constexpr const char* ControlesSP[] = {"cmbReposSP1", "cmbReposSP2", "cmbActionSP1",
                                       "cmbActionSP2"};

bool MemeChamp(const TLiaisonConfiguration& Liaison, const TFieldHandle& Champ) {
    return Liaison.Champ == Champ;
}

} // namespace

// ---------------------------------------------------------------------------------------
// Creation

struct TFrmConfigurationG20::TEcrans {
    TTypeEcran Type;
    TCheckListBox* Liste;
    TKEVComboBox* Choix;
    std::vector<std::string> IDs;
};

TFrmConfigurationG20::TFrmConfigurationG20(void* aOwner, TZoneHolder&& Hold, void* aFormReference)
    : TFrmKevMDIChild(aOwner, Hold ? Hold->GetEprom() : nullptr, std::move(Hold), aFormReference),
      FAssignationHandler(std::make_unique<TAssignationHandler>(FEprom)),
      ConfigurationMini(FEprom, PrcConfigurationMini, 0),
      ConfigurationMaxi(FEprom, PrcConfigurationMaxi, 0),
      ConfigurationRAZ(FEprom, PrcConfigurationRAZ, 0) {
    setObjectName(QStringLiteral("TFrmConfigurationG20"));
    setWindowTitle(QStringLiteral("Paramètres de configuration"));
    if (ZoneOuverte() != nullptr &&
        (ConfigCourante = dynamic_cast<TConfigurationG20*>(
             AjouterPaire(PrcConfiguration, ZoneOuverte()->GetNumeroZone()))) != nullptr)
        ConfigInitiale = dynamic_cast<TConfigurationG20*>(&FCopies.Initiale(0));
    if (TCustomEpromDescription* description = FEprom ? FEprom->GetDescription() : nullptr)
        for (int numero = description->GetMinZone(PrcFraise);
             numero >= 0 && numero <= description->GetMaxZone(PrcFraise); ++numero)
            if (AjouterPaire(PrcFraise, numero) != nullptr)
                FFraises.emplace_back(numero, FCopies.Count() - 1);
    CreerControles();
    pnlModifier->show();
    pnlAppliquer->show();
    FenetreUnique(PrcConfiguration);
}

TFrmConfigurationG20::~TFrmConfigurationG20() = default;

bool TFrmConfigurationG20::Ouvrir(TZoneHolder Hold, void* aOwner, void* FormReference) {
    return OuvrirFenetreUnique<TFrmConfigurationG20, TConfigurationG20>(
        PrcConfiguration, std::move(Hold), aOwner, FormReference);
}

void TFrmConfigurationG20::CreerControles() {
    pclConfiguration = new QTabWidget(Client());
    pclSelectProg = new QTabWidget;
    NommerControles({{pclConfiguration, "pclConfiguration"}, {pclSelectProg, "pclSelectProg"}});
    CreerPages();
    CreerLiaisons();
    CreerFraises();
    CreerDefauts();
    CreerEcrans();
    // Tabs and start pages keep their rows at the top; groups take the room they need.
    for (int page = 0; page < NbPages; ++page)
        if (qobject_cast<QGroupBox*>(Page(page)) == nullptr && page != OngDefProg)
            static_cast<QVBoxLayout*>(Page(page)->layout())->addStretch();
    pclSelectProg->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    auto* client = new QVBoxLayout(Client());
    client->setContentsMargins(4, 4, 4, 4);
    client->addWidget(pclConfiguration);
}

// Each page holds a grid of rows (caption, control) followed by its groups.
void TFrmConfigurationG20::CreerPages() {
    FPages.resize(NbPages);
    // The four check lists of screens stand side by side.
    auto* ecrans = new QHBoxLayout;
    for (int page = 0; page < NbPages; ++page) {
        const TPageDef& def = Pages[page];
        const QString libelle = Q(def.Libelle);
        QWidget* widget = nullptr;
        if (def.Parent < 0 || page == PgStart1 || page == PgStart2)
            widget = new QWidget;
        else
            widget = new QGroupBox(libelle);
        widget->setObjectName(Q(def.Nom));
        auto* colonne = new QVBoxLayout(widget);
        colonne->addLayout(new QGridLayout);
        FPages[page] = widget;
        FParNom[def.Nom] = widget;
        const QString traduit = Q(Translate("TFrmConfigurationG20", def.Nom, def.Libelle));
        if (def.Parent < 0)
            pclConfiguration->addTab(widget, traduit);
        else if (page == PgStart1 || page == PgStart2)
            pclSelectProg->addTab(widget, traduit);
        else if (def.Parent == OngCfgEcran)
            ecrans->addWidget(widget);
        else
            static_cast<QVBoxLayout*>(Page(def.Parent)->layout())->addWidget(widget);
        if (page == OngSelectProg)
            colonne->insertWidget(0, pclSelectProg);
        if (page == OngCfgEcran)
            colonne->addLayout(ecrans);
    }
}

void TFrmConfigurationG20::AjouterLigne(int NumPage, QWidget* Libelle, QWidget* Controle) {
    auto* grille = static_cast<QGridLayout*>(
        Page(NumPage)->layout()->itemAt(NumPage == OngSelectProg ? 1 : 0)->layout());
    const int ligne = grille->rowCount();
    if (Libelle != nullptr && Controle != nullptr) {
        grille->addWidget(Libelle, ligne, 0);
        grille->addWidget(Controle, ligne, 1);
    } else
        grille->addWidget(Libelle != nullptr ? Libelle : Controle, ligne, 0, 1, 2);
    grille->setColumnStretch(2, 1);
}

void TFrmConfigurationG20::CreerLiaisons() {
    FControles.resize(NbLiaisons);
    FLibelles.resize(NbLiaisons);
    for (std::size_t i = 0; i < NbLiaisons; ++i) {
        const TLiaisonConfiguration& liaison = Liaisons[i];
        QWidget* parent = Page(liaison.Page);
        QWidget* controle = nullptr;
        switch (liaison.Genre) {
        case G::Case: {
            auto* caseACocher = new QCheckBox(Q(liaison.Libelle), parent);
            connect(caseACocher, &QCheckBox::toggled, this, [this, i] { EcrireControle(i); });
            controle = caseACocher;
            break;
        }
        case G::Radio: {
            auto* radio = new QRadioButton(Q(liaison.Libelle), parent);
            connect(radio, &QRadioButton::toggled, this, [this, i] { EcrireControle(i); });
            controle = radio;
            break;
        }
        case G::Nombre:
        case G::Spin: {
            auto* edit = liaison.Genre == G::Spin ? new TKevNumericSpin(parent)
                                                  : new TKevNumericEdit(parent);
            if (liaison.Longueur > 0)
                edit->setMaxLength(liaison.Longueur);
            connect(edit, &TKevNumberEdit::Validate, this, [this, i] { EcrireControle(i); });
            if (liaison.Genre == G::Nombre)
                connect(edit, &TKevNumberEdit::Change, this, [this, i] { EcrireControle(i); });
            controle = edit;
            break;
        }
        case G::Adresse: {
            auto* adresse = new TKevIPAddress(parent);
            connect(adresse, &QLineEdit::textEdited, this, [this, i] { EcrireControle(i); });
            controle = adresse;
            break;
        }
        case G::Texte: {
            auto* texte = new QLineEdit(parent);
            texte->setMaxLength(liaison.Longueur);
            texte->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[A-Za-z0-9 ]*")), texte));
            texte->setToolTip(Q(HintNomCPS));
            texte->installEventFilter(this);
            connect(texte, &QLineEdit::returnPressed, this, [this, i] { EcrireControle(i); });
            controle = texte;
            break;
        }
        default: {
            auto* liste = new TKEVComboBox(parent);
            liste->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            connect(liste, &QComboBox::currentIndexChanged, this, [this, i] { EcrireControle(i); });
            controle = liste;
            break;
        }
        }
        controle->setObjectName(Q(liaison.Nom));
        FControles[i] = controle;
        FParNom[liaison.Nom] = controle;
        const bool avecLibelle = liaison.Genre != G::Case && liaison.Genre != G::Radio;
        if (avecLibelle || liaison.Note != nullptr) {
            auto* libelle = new QLabel(Q(avecLibelle ? liaison.Libelle : liaison.Note), parent);
            libelle->setObjectName(QStringLiteral("lbl") + Q(liaison.Nom).mid(3));
            FLibelles[i] = libelle;
            FParNom[libelle->objectName().toStdString()] = libelle;
        }
        AjouterLigne(liaison.Page, avecLibelle ? FLibelles[i] : controle,
                     avecLibelle ? controle : FLibelles[i]);
        if (MemeChamp(liaison, IDModeSP1_SP2))
            for (const auto& [nom, texte] : {std::pair{"lblSP1", "SP1 :"}, {"lblSP2", "SP2 :"}}) {
                auto* sortie = new QLabel(Q(texte), parent);
                auto* mode = new QLabel(parent);
                sortie->setObjectName(Q(nom));
                mode->setObjectName(QStringLiteral("lblMode") + Q(nom).mid(3));
                FParNom[nom] = sortie;
                FParNom[mode->objectName().toStdString()] = mode;
                AjouterLigne(liaison.Page, sortie, mode);
            }
    }
}

void TFrmConfigurationG20::CreerFraises() {
    QWidget* groupe = Page(PgFraiseRodage);
    lswFraise = new TKevVirtualStringTree(groupe);
    txtFVFraise = new TKevNumericEdit(groupe);
    txtAlarmeFraise = new TKevNumericEdit(groupe);
    btnValidFraise = new QPushButton(QStringLiteral("Valider"), groupe);
    btnCancelFraise = new QPushButton(QStringLiteral("Annuler"), groupe);
    auto* lblFV = new QLabel(QStringLiteral("Fin de vie"), groupe);
    auto* lblAlarme = new QLabel(QStringLiteral("Alarme avant fin de vie"), groupe);
    NommerControles({{lswFraise, "lswFraise"},
                     {txtFVFraise, "txtFVFraise"},
                     {txtAlarmeFraise, "txtAlarmeFraise"},
                     {btnValidFraise, "btnValidFraise"},
                     {btnCancelFraise, "btnCancelFraise"},
                     {lblFV, "lblFVFraise"},
                     {lblAlarme, "lblAlarmeFraise"}});
    lswFraise->SetFullRowSelect(true);
    lswFraise->SetColumns({QStringLiteral("Fraise"), QStringLiteral("Fin de vie"),
                           QStringLiteral("Alarme avant fin de vie")},
                          {80, 100, 160});
    lswFraise->setMaximumHeight(120);
    AjouterLigne(PgFraiseRodage, lswFraise, nullptr);
    AjouterLigne(PgFraiseRodage, lblFV, txtFVFraise);
    AjouterLigne(PgFraiseRodage, lblAlarme, txtAlarmeFraise);
    auto* boutons = new QWidget(groupe);
    auto* rangee = new QHBoxLayout(boutons);
    rangee->setContentsMargins(0, 0, 0, 0);
    rangee->addWidget(btnValidFraise);
    rangee->addWidget(btnCancelFraise);
    rangee->addStretch();
    AjouterLigne(PgFraiseRodage, boutons, nullptr);
    connect(lswFraise, &TKevVirtualStringTree::Click, this, &TFrmConfigurationG20::lswFraiseClick);
    connect(btnValidFraise, &QPushButton::clicked, this,
            &TFrmConfigurationG20::btnValidFraiseClick);
    connect(btnCancelFraise, &QPushButton::clicked, this,
            &TFrmConfigurationG20::btnCancelFraiseClick);
}

void TFrmConfigurationG20::CreerDefauts() {
    lswDefauts = new TKevVirtualStringTree(Page(OngDefProg));
    popDefauts = new QMenu(this);
    NommerControles({{lswDefauts, "lswDefauts"}, {popDefauts, "popDefauts"}});
    lswDefauts->SetFullRowSelect(true);
    lswDefauts->SetColumns({QStringLiteral("Défaut"), QStringLiteral("Description"),
                            QStringLiteral("Type de défaut"),
                            QStringLiteral("Classement du défaut")},
                           {60, 320, 200, 280});
    lswDefauts->SetPopupMenu(popDefauts);
    static_cast<QVBoxLayout*>(Page(OngDefProg)->layout())->addWidget(lswDefauts, 1);
    for (int classe = 0; classe < static_cast<int>(std::size(ClassesDefauts)); ++classe) {
        QAction* action = popDefauts->addAction(Q(ClassesDefauts[classe]));
        action->setObjectName(QStringLiteral("mnuClasse%1").arg(classe));
        action->setCheckable(true);
        action->setData(classe);
        FClasses.push_back(action);
    }
    FSeparateurTypes = popDefauts->addSeparator();
    FSeparateurTypes->setObjectName(QStringLiteral("mnuSeparateurTypes"));
    for (int type = 0; type < static_cast<int>(std::size(TypesDefauts)); ++type) {
        QAction* action = popDefauts->addAction(Q(TypesDefauts[type]));
        action->setObjectName(QStringLiteral("mnuType%1").arg(QChar('A' + type)));
        action->setCheckable(true);
        action->setData(type);
        FTypes.push_back(action);
    }
    connect(lswDefauts, &TKevVirtualStringTree::ContextPopup, this,
            &TFrmConfigurationG20::lswDefautsContextPopup);
    connect(popDefauts, &QMenu::triggered, this, &TFrmConfigurationG20::ValiderPopupDefauts);
}

void TFrmConfigurationG20::CreerEcrans() {
    for (const TListeEcrans& def : ListesEcrans) {
        QWidget* groupe = Page(def.Page);
        auto ecrans = std::make_unique<TEcrans>();
        ecrans->Type = def.Type;
        ecrans->Choix = new TKEVComboBox(groupe);
        ecrans->Liste = new TCheckListBox(groupe);
        ecrans->Choix->setObjectName(Q(def.Choix));
        ecrans->Liste->setObjectName(Q(def.Liste));
        for (const char* choix : ChoixEcrans)
            ecrans->Choix->addItem(Q(choix));
        ecrans->Choix->setCurrentIndex(-1);
        ecrans->Choix->setPlaceholderText(QStringLiteral("Sélection"));
        FParNom[def.Choix] = ecrans->Choix;
        FParNom[def.Liste] = ecrans->Liste;
        AjouterLigne(def.Page, ecrans->Choix, nullptr);
        AjouterLigne(def.Page, ecrans->Liste, nullptr);
        const int liste = static_cast<int>(FEcrans.size());
        connect(ecrans->Liste, &TCheckListBox::ClickCheck, this,
                [this, liste](int Item) { EcranCoche(liste, Item); });
        connect(ecrans->Choix, &QComboBox::currentIndexChanged, this,
                [this, liste](int Choix) { SelectionEcrans(liste, Choix); });
        FEcrans.push_back(std::move(ecrans));
    }
}

// ---------------------------------------------------------------------------------------
// Loading

QWidget* TFrmConfigurationG20::Controle(const char* Nom) const {
    const auto trouve = FParNom.find(Nom);
    return trouve != FParNom.end() ? trouve->second : nullptr;
}

int TFrmConfigurationG20::Valeur(const TFieldHandle& Champ) const {
    const TKEVField* champ = ConfigCourante != nullptr ? ConfigCourante->FindField(Champ) : nullptr;
    return champ != nullptr ? champ->GetAsInteger() : 0;
}

// The values a combo lists, in its order.
std::vector<int> TFrmConfigurationG20::Valeurs(const TLiaisonConfiguration& Liaison) const {
    std::vector<int> valeurs;
    const TKEVField* champ = ConfigCourante->FindField(Liaison.Champ);
    if (champ == nullptr)
        return valeurs;
    const auto [mini, maxi] = TReglesConfiguration::Limites(*champ);
    switch (Liaison.Genre) {
    case G::Parite:
        return {std::begin(TReglesConfiguration::ValeursParite),
                std::end(TReglesConfiguration::ValeursParite)};
    case G::Langue:
        for (int langue = IDLangue_Francais; langue <= IDLangue_Turque; ++langue)
            if (ConfigCourante->GetLangues().Contains(static_cast<TIDCfg_Langue>(langue)))
                valeurs.push_back(langue);
        return valeurs;
    case G::Vitesse:
        for (const int vitesse : VitessesRS232)
            if (vitesse >= mini && vitesse <= maxi)
                valeurs.push_back(vitesse);
        return valeurs;
    case G::Programme: {
        const auto* minimum = dynamic_cast<const TZoneCPS*>(ConfigurationMini.Get());
        const TKEVField* premier = minimum != nullptr ? minimum->FindField(Liaison.Champ) : nullptr;
        for (int numero = premier != nullptr ? premier->GetAsInteger() : mini; numero <= maxi;
             ++numero)
            valeurs.push_back(numero);
        return valeurs;
    }
    default:
        for (int valeur = mini; valeur <= maxi; ++valeur)
            valeurs.push_back(valeur);
        return valeurs;
    }
}

// The items of a combo: the field's values with their captions, or program numbers.
void TFrmConfigurationG20::RemplirListe(std::size_t Index) {
    const TLiaisonConfiguration& liaison = Liaisons[Index];
    auto* liste = static_cast<TKEVComboBox*>(FControles[Index]);
    const QSignalBlocker silence(liste);
    liste->clear();
    const std::vector<int> valeurs = Valeurs(liaison);
    if (liaison.Genre == G::Programme) {
        if (!liaison.Associe.Empty())
            liste->addItem(Q(TReglesConfiguration::DernierProgramme));
        if (!valeurs.empty())
            for (const std::string& numero :
                 TReglesConfiguration::NumerosProgrammes(valeurs.front(), valeurs.back()))
                liste->addItem(Q(numero));
        return;
    }
    void* enumere = nullptr;
    TKEVField* champ = ConfigCourante->FindField(liaison.Champ);
    const bool captions = champ != nullptr && champ->QueryInterface(IKevEnumFieldAsRead::IID,
                                                                    &enumere) == THResult::S_OK;
    for (const int valeur : valeurs)
        liste->addItem(captions ? Q(static_cast<IKevEnumFieldAsRead*>(enumere)->GetEnum(valeur))
                                : QString::number(valeur));
}

// Bounds and hint of a number edit from the companions; a spin steps by its field's ratio.
void TFrmConfigurationG20::PreparerNombre(std::size_t Index) {
    const TFieldHandle& champ = Liaisons[Index].Champ;
    auto* nombre = static_cast<TKevNumberEdit*>(FControles[Index]);
    const auto* mini = dynamic_cast<const TZoneCPS*>(ConfigurationMini.Get());
    const auto* maxi = dynamic_cast<const TZoneCPS*>(ConfigurationMaxi.Get());
    const TKEVField* bas = mini != nullptr ? mini->FindField(champ) : nullptr;
    const TKEVField* haut = maxi != nullptr ? maxi->FindField(champ) : nullptr;
    if (bas != nullptr && haut != nullptr) {
        nombre->SetMinValue(bas->GetAsInteger());
        nombre->SetMaxValue(haut->GetAsInteger());
        nombre->SetHint(
            QStringLiteral("%1..%2").arg(bas->GetAsInteger()).arg(haut->GetAsInteger()));
    }
    if (auto* spin = qobject_cast<TKevNumericSpin*>(nombre))
        spin->SetIncrement(TReglesConfiguration::Pas(*ConfigCourante->FindField(champ)));
}

void TFrmConfigurationG20::PreparerControles() {
    if (ConfigCourante == nullptr)
        return;
    for (std::size_t i = 0; i < NbLiaisons; ++i) {
        if (qobject_cast<TKEVComboBox*>(FControles[i]) != nullptr)
            RemplirListe(i);
        else if (qobject_cast<TKevNumberEdit*>(FControles[i]) != nullptr)
            PreparerNombre(i);
    }
    FAssignationHandler->ChargerDonneesPoints(this);
    ChargerDonnees();
    MajEtatSaisie(!EnVisualisation());
}

void TFrmConfigurationG20::ChargerDonnees() {
    Charger("ChargerDonneesSelectionProg", &TFrmConfigurationG20::ChargerDonneesSelectionProg);
    Charger("ChargerDonneesCU", &TFrmConfigurationG20::ChargerDonneesCU);
    Charger("ChargerDonneesFraises", &TFrmConfigurationG20::ChargerDonneesFraises);
    Charger("ChargerDonneesDefauts", &TFrmConfigurationG20::ChargerDonneesDefauts);
    Charger("ChargerDonneesSP", &TFrmConfigurationG20::ChargerDonneesSP);
    Charger("ChargerDonneesMF", &TFrmConfigurationG20::ChargerDonneesMF);
    Charger("ChargerDonneesEthernet", &TFrmConfigurationG20::ChargerDonneesEthernet);
    Charger("ChargerDonneesParamAvances", &TFrmConfigurationG20::ChargerDonneesParamAvances);
    Charger("ChargerDonneesParamAvances2", &TFrmConfigurationG20::ChargerDonneesParamAvances2);
    Charger("ChargerDonneesEcrans", &TFrmConfigurationG20::ChargerDonneesEcrans);
    Charger("SetComponentsState", &TFrmConfigurationG20::SetComponentsState);
}

// A loader's error is logged under its name; the window stays usable.
void TFrmConfigurationG20::Charger(const char* Methode, void (TFrmConfigurationG20::*Chargeur)()) {
    if (ConfigCourante == nullptr)
        return;
    FChargement = true;
    try {
        (this->*Chargeur)();
    } catch (const std::exception& erreur) {
        LogEvent(this, std::string("TFrmConfigurationG20.") + Methode, erreur.what(),
                 ZoneConfigurationCaption, LogAnomaly, CatZRT);
    }
    FChargement = false;
}

void TFrmConfigurationG20::ChargerOnglet(int Onglet) {
    for (std::size_t i = 0; i < NbLiaisons; ++i)
        if (OngletDe(Liaisons[i].Page) == Onglet)
            ChargerControle(i);
}

void TFrmConfigurationG20::ChargerDonneesSelectionProg() {
    ChargerOnglet(OngSelectProg);
}

void TFrmConfigurationG20::ChargerDonneesCU() {
    ChargerOnglet(OngCompUsure);
}

void TFrmConfigurationG20::ChargerDonneesSP() {
    ChargerOnglet(OngEtatsSorties);
}

void TFrmConfigurationG20::ChargerDonneesMF() {
    ChargerOnglet(OngCfgMF);
}

void TFrmConfigurationG20::ChargerDonneesEthernet() {
    ChargerOnglet(OngEthernet);
}

void TFrmConfigurationG20::ChargerDonneesParamAvances() {
    ChargerOnglet(OngParamAvances);
}

void TFrmConfigurationG20::ChargerDonneesParamAvances2() {
    ChargerOnglet(OngModePince);
}

void TFrmConfigurationG20::ChargerControle(std::size_t Index) {
    const TLiaisonConfiguration& liaison = Liaisons[Index];
    const TKEVField* champ = liaison.Element >= 0
                                 ? &ConfigCourante->Element(liaison.Champ, liaison.Element)
                                 : ConfigCourante->FindField(liaison.Champ);
    if (champ == nullptr)
        return;
    QWidget* controle = FControles[Index];
    switch (liaison.Genre) {
    case G::Case:
        static_cast<QCheckBox*>(controle)->setChecked(champ->GetAsBoolean());
        return;
    case G::Radio:
        static_cast<QRadioButton*>(controle)->setChecked(champ->GetAsInteger() == liaison.Valeur);
        return;
    case G::Nombre:
    case G::Spin:
        static_cast<TKevNumberEdit*>(controle)->SetValue(champ->GetAsInteger());
        return;
    case G::Adresse:
    case G::Texte:
        static_cast<QLineEdit*>(controle)->setText(Q(champ->GetAsString()));
        return;
    default: {
        auto* liste = static_cast<TKEVComboBox*>(controle);
        const bool dernier = !liaison.Associe.Empty();
        if (dernier && Valeur(liaison.Associe) != 0) {
            liste->setCurrentIndex(0);
            return;
        }
        const std::vector<int> valeurs = Valeurs(liaison);
        const auto trouve = std::find(valeurs.begin(), valeurs.end(), champ->GetAsInteger());
        liste->setCurrentIndex(trouve == valeurs.end()
                                   ? -1
                                   : static_cast<int>(trouve - valeurs.begin()) +
                                         (dernier ? 1 : 0));
    }
    }
}

// ---------------------------------------------------------------------------------------
// Writing

void TFrmConfigurationG20::EcrireControle(std::size_t Index) {
    if (FChargement || ConfigCourante == nullptr)
        return;
    const TLiaisonConfiguration& liaison = Liaisons[Index];
    TKEVField* champ = liaison.Element >= 0
                           ? &ConfigCourante->Element(liaison.Champ, liaison.Element)
                           : ConfigCourante->FindField(liaison.Champ);
    if (champ == nullptr)
        return;
    QWidget* controle = FControles[Index];
    try {
        switch (liaison.Genre) {
        case G::Case:
            champ->SetAsBoolean(static_cast<QCheckBox*>(controle)->isChecked());
            break;
        case G::Radio:
            if (!static_cast<QRadioButton*>(controle)->isChecked())
                return;
            champ->SetAsInteger(liaison.Valeur);
            break;
        case G::Nombre:
        case G::Spin: {
            bool nombre = false;
            const int valeur = static_cast<QLineEdit*>(controle)->text().toInt(&nombre);
            if (!nombre)
                return;
            champ->SetAsInteger(valeur);
            break;
        }
        case G::Adresse:
            if (!static_cast<TKevIPAddress*>(controle)->IsValid())
                return;
            champ->SetAsString(static_cast<QLineEdit*>(controle)->text().toStdString());
            break;
        case G::Texte:
            champ->SetAsString(static_cast<QLineEdit*>(controle)->text().toStdString());
            break;
        case G::Parite:
            TReglesConfiguration::EcrireParite(
                *ConfigCourante, static_cast<TKEVComboBox*>(controle)->currentIndex());
            break;
        case G::Assignation:
            ChangerModeAssignation(static_cast<TKEVComboBox*>(controle)->currentIndex());
            return;
        default: {
            int index = static_cast<TKEVComboBox*>(controle)->currentIndex();
            if (!liaison.Associe.Empty()) {
                ConfigCourante->FindField(liaison.Associe)->SetAsBoolean(index == 0);
                if (index-- == 0)
                    break;
            }
            const std::vector<int> valeurs = Valeurs(liaison);
            if (index < 0 || index >= static_cast<int>(valeurs.size()))
                return;
            champ->SetAsInteger(valeurs[index]);
        }
        }
    } catch (const Exception&) {
        // A value outside the field's limits while it is typed: the field keeps its value.
        return;
    }
    AppliquerRegles(liaison);
}

void TFrmConfigurationG20::AppliquerRegles(const TLiaisonConfiguration& Liaison) {
    struct TRegle {
        TFieldHandle Champ;
        void (TFrmConfigurationG20::*Appliquer)();
    };
    static const TRegle regles[] = {
        {IDModePince, &TFrmConfigurationG20::AppliquerModePince},
        {IDModeElectrovannes, &TFrmConfigurationG20::AppliquerRadios},
        {IDModeSortiesCU, &TFrmConfigurationG20::AppliquerRadios},
        {IDPourcentApprentissage1, &TFrmConfigurationG20::AppliquerApprentissage},
        {IDPCListLocked, &TFrmConfigurationG20::AppliquerListePC},
        {IDModeSP1_SP2, &TFrmConfigurationG20::AppliquerModeSP},
        {IDGestionFraiseRodeuse, &TFrmConfigurationG20::AppliquerGestionFraise},
        {IDProfilBusDeTerrain, &TFrmConfigurationG20::ChargerDonneesDefauts},
    };
    for (const TRegle& regle : regles)
        if (MemeChamp(Liaison, regle.Champ))
            (this->*regle.Appliquer)();
}

bool TFrmConfigurationG20::eventFilter(QObject* Watched, QEvent* Event) {
    if (Event->type() == QEvent::FocusOut && Watched == Controle("txtNomCPS"))
        for (std::size_t i = 0; i < NbLiaisons; ++i)
            if (FControles[i] == Watched)
                EcrireControle(i);
    return TFrmKevMDIChild::eventFilter(Watched, Event);
}

void TFrmConfigurationG20::ChangerModeAssignation(int Index) {
    const auto* liaison = std::find_if(std::begin(Liaisons), std::end(Liaisons),
                                       [](const auto& L) { return L.Genre == G::Assignation; });
    const std::vector<int> valeurs = Valeurs(*liaison);
    if (Index < 0 || Index >= static_cast<int>(valeurs.size()))
        return;
    if (!FAssignationHandler->ChangeModeAssignationPoint(valeurs[Index])) {
        FChargement = true;
        ChargerControle(static_cast<std::size_t>(liaison - std::begin(Liaisons)));
        FChargement = false;
        return;
    }
    ConfigCourante->FindField(IDModeAssignationPoint)->SetAsInteger(valeurs[Index]);
}

// ---------------------------------------------------------------------------------------
// What is shown and enabled

bool TFrmConfigurationG20::Lie(const TFieldHandle& Champ) const {
    const auto* zone = dynamic_cast<const TZoneCPS*>(ZoneOuverte());
    const TKEVField* champ = zone != nullptr ? zone->FindField(Champ) : nullptr;
    return champ != nullptr && champ->GetLinked();
}

bool TFrmConfigurationG20::Montre(const TLiaisonConfiguration& Liaison) const {
    switch (Liaison.Regle) {
    case TRegleAffichage::Lien:
        return Lie(Liaison.Champ);
    case TRegleAffichage::OngletPince:
        return FEprom->GetDescription()->TypeIO() == tiTOR;
    case TRegleAffichage::Toujours:
        return true;
    }
    return false;
}

void TFrmConfigurationG20::SetComponentsState() {
    for (std::size_t i = 0; i < NbLiaisons; ++i) {
        const bool montre = Montre(Liaisons[i]);
        FControles[i]->setVisible(montre);
        if (FLibelles[i] != nullptr)
            FLibelles[i]->setVisible(montre);
    }
    const TCustomEpromDescription& description = *FEprom->GetDescription();
    pclConfiguration->setTabVisible(OngCfgMF, description.TypeCourant() == tcMF);
    pclConfiguration->setTabVisible(OngModePince, description.TypeIO() == tiTOR);
    const bool sortiesMF = Lie(IDReposMF1NF);
    Page(PgReposMF)->setVisible(sortiesMF);
    Page(PgActionMF)->setVisible(sortiesMF);
    for (const char* nom : {"lblSP1", "lblSP2", "lblModeSP1", "lblModeSP2"})
        Controle(nom)->setVisible(!Controle("cmbModeSP")->isHidden());
    AppliquerModePince();
    AppliquerModeSP();
    AppliquerGestionFraise();
}

void TFrmConfigurationG20::AppliquerModePince() {
    const int mode = Valeur(IDModePince);
    pclSelectProg->setTabVisible(1,
                                 TReglesConfiguration::Start2Visible(Lie(IDExecutionDCY2), mode));
    const bool sp = TReglesConfiguration::SortiesSPVisibles(Lie(IDReposSP1NF), mode);
    for (const char* nom : ControlesSP) {
        Controle(nom)->setVisible(sp);
        Controle((std::string("lbl") + (nom + 3)).c_str())->setVisible(sp);
    }
    AppliquerRadios();
}

void TFrmConfigurationG20::AppliquerRadios() {
    const bool modification = !EnVisualisation();
    const TReglesConfiguration::TRadios radios = TReglesConfiguration::Radios(
        Valeur(IDModeElectrovannes) == 1, Valeur(IDModeSortiesCU) == 1);
    const std::pair<const char*, bool> etats[] = {{"rdbModeEV1", radios.Monostable},
                                                  {"rdbModeEV2", radios.Bistable},
                                                  {"rdbModeSorties1", radios.TroisSorties},
                                                  {"rdbModeSorties2", radios.DeuxSorties}};
    for (const auto& [nom, actif] : etats)
        Controle(nom)->setEnabled(modification && actif);
}

void TFrmConfigurationG20::AppliquerApprentissage() {
    auto* pourcent2 = static_cast<TKevNumberEdit*>(Controle("txtApprPourcent2"));
    const int bas = Valeur(IDPourcentApprentissage1);
    pourcent2->SetMinValue(bas);
    pourcent2->SetHint(QStringLiteral("%1..%2").arg(bas).arg(pourcent2->MaxValue()));
}

void TFrmConfigurationG20::AppliquerListePC() {
    const bool actif = !EnVisualisation() && Valeur(IDPCListLocked) != 0;
    for (std::size_t i = 0; i < NbLiaisons; ++i)
        if (MemeChamp(Liaisons[i], IDPCAdresseIP))
            FControles[i]->setEnabled(actif);
}

void TFrmConfigurationG20::AppliquerModeSP() {
    const auto [sp1, sp2] = TReglesConfiguration::MoitiesModeSP(
        static_cast<QComboBox*>(Controle("cmbModeSP"))->currentText().toStdString());
    static_cast<QLabel*>(Controle("lblModeSP1"))->setText(Q(sp1));
    static_cast<QLabel*>(Controle("lblModeSP2"))->setText(Q(sp2));
}

void TFrmConfigurationG20::AppliquerGestionFraise() {
    const bool lectureSeule = Valeur(IDGestionFraiseRodeuse) == 0;
    txtFVFraise->setReadOnly(lectureSeule);
    txtAlarmeFraise->setReadOnly(lectureSeule);
}

void TFrmConfigurationG20::MajEtatSaisie(bool Modification) {
    for (QWidget* controle : FControles)
        controle->setEnabled(Modification);
    for (const auto& ecrans : FEcrans) {
        ecrans->Liste->setEnabled(Modification);
        ecrans->Choix->setEnabled(Modification);
    }
    for (QWidget* controle : std::initializer_list<QWidget*>{txtFVFraise, txtAlarmeFraise,
                                                             btnValidFraise, btnCancelFraise})
        controle->setEnabled(Modification);
    for (QAction* action : popDefauts->actions())
        action->setEnabled(Modification);
    if (ConfigCourante == nullptr)
        return;
    AppliquerRadios();
    AppliquerListePC();
}

// ---------------------------------------------------------------------------------------
// Faults

TKEVField* TFrmConfigurationG20::ChampClasse(const std::string& Numero) const {
    if (!ConfigCourante->AvecClassesDefauts())
        return nullptr;
    return ConfigCourante->GetFieldByID(Format("Class%.2d", std::stoi(Numero)));
}

void TFrmConfigurationG20::ChargerDonneesDefauts() {
    lswDefauts->clear();
    FLignesDefauts.clear();
    for (int i = 0; i < ConfigCourante->GetNbDefauts(); ++i) {
        const TDefaut* defaut = ConfigCourante->GetDefautParIndex(i);
        if (defaut == nullptr || !defaut->GetDefautGere())
            continue;
        FLignesDefauts.push_back(defaut->GetNumeroDefaut());
        lswDefauts->AddRow({});
        RemplirLigneDefaut(static_cast<int>(FLignesDefauts.size()) - 1);
    }
    lswDefauts->setColumnHidden(ColonneClassement, !ConfigCourante->AvecClassesDefauts() ||
                                                       Valeur(IDProfilBusDeTerrain) == 0);
}

void TFrmConfigurationG20::RemplirLigneDefaut(int Ligne) {
    const std::string& numero = FLignesDefauts.at(Ligne);
    const TDefaut* defaut = ConfigCourante->GetDefautParNom(numero);
    QTreeWidgetItem* item = lswDefauts->topLevelItem(Ligne);
    if (defaut == nullptr || item == nullptr)
        return;
    const TKEVField* classe = ChampClasse(numero);
    const QString cellules[] = {Q(numero), Q(defaut->GetDescription()),
                                Q(defaut->GetLibelleTypeDefaut()),
                                classe != nullptr ? Q(classe->GetAsString()) : QString()};
    for (int colonne = 0; colonne < static_cast<int>(std::size(cellules)); ++colonne)
        item->setText(colonne, cellules[colonne]);
}

void TFrmConfigurationG20::LogDefaut(const std::string& Source, const std::string& Texte) const {
    LogEvent(this, Source, Texte, ZoneConfigurationCaption, LogAnomaly, CatZRT);
}

void TFrmConfigurationG20::lswDefautsContextPopup() {
    for (QAction* action : popDefauts->actions()) {
        action->setVisible(false);
        action->setChecked(false);
    }
    const int ligne = lswDefauts->SelectedRow();
    if (ligne < 0 || ConfigCourante == nullptr) {
        LogDefaut(SourceMenuDefauts, AucuneLigne);
        return;
    }
    const bool profilC1 = ConfigCourante->AvecClassesDefauts();
    FSeparateurTypes->setVisible(profilC1);
    const std::string& numero = FLignesDefauts.at(ligne);
    const TDefaut* defaut = ConfigCourante->GetDefautParNom(numero);
    if (defaut == nullptr)
        return;
    const TReglesConfiguration::TMenuDefaut menu = TReglesConfiguration::MenuDefaut(
        *defaut, profilC1, Valeur(IDProfilBusDeTerrain), ChampClasse(numero));
    const auto montrer = [](const std::vector<QAction*>& Actions, int Min, int Max, int Courant) {
        for (int valeur = std::max(Min, 0);
             valeur <= Max && valeur < static_cast<int>(Actions.size()); ++valeur) {
            Actions[valeur]->setVisible(true);
            Actions[valeur]->setChecked(valeur == Courant);
        }
    };
    montrer(FClasses, menu.ClasseMin, menu.ClasseMax, menu.Classe);
    if (menu.Types)
        montrer(FTypes, menu.TypeMin, menu.TypeMax, menu.Type);
}

void TFrmConfigurationG20::ValiderPopupDefauts(QAction* Choix) {
    const int ligne = lswDefauts->SelectedRow();
    if (ligne < 0 || Choix == nullptr) {
        LogDefaut(SourceChoixDefaut, AucuneLigne);
        return;
    }
    const std::string& numero = FLignesDefauts.at(ligne);
    TDefaut* defaut = ConfigCourante->GetDefautParNom(numero);
    if (defaut == nullptr) {
        LogDefaut(SourceChoixDefaut,
                  "Defaut = nil / Aucun défaut trouvé à ce numéro (" + numero + ")");
        return;
    }
    const int tag = Choix->data().toInt();
    const bool type = std::find(FTypes.begin(), FTypes.end(), Choix) != FTypes.end();
    if (!type && (tag < 0 || tag > 4)) {
        LogDefaut(SourceChoixDefaut, Format("L'indice (Tag=%d) du pop-up sélectionné pour le "
                                            "défaut %s est en dehors du tableau des défauts",
                                            tag, numero.c_str()));
        return;
    }
    try {
        if (type)
            ConfigCourante->SetDefaultClass(std::stoi(numero), tag);
        else
            defaut->SetTypeDefaut(tag);
    } catch (const Exception& erreur) {
        LogDefaut(SourceChoixDefaut, erreur.what());
    }
    RemplirLigneDefaut(ligne);
}

// ---------------------------------------------------------------------------------------
// Cutters

TFraise* TFrmConfigurationG20::FraiseChoisie() const {
    const int ligne = lswFraise->SelectedRow();
    if (ligne < 0 || ligne >= static_cast<int>(FFraises.size()))
        return nullptr;
    return dynamic_cast<TFraise*>(&FCopies.Travail(FFraises[ligne].second));
}

void TFrmConfigurationG20::RemplirFraises() {
    const int selection = lswFraise->SelectedRow();
    lswFraise->clear();
    for (const auto& [numero, paire] : FFraises) {
        const auto* fraise = dynamic_cast<const TFraise*>(&FCopies.Travail(paire));
        lswFraise->AddRow({QString::number(numero),
                           QString::number(fraise->GetFinDeVieFraiseRodeuse()),
                           QString::number(fraise->GetAlarmeFraiseRodeuse())});
    }
    if (selection >= 0)
        lswFraise->SelectRow(selection);
}

void TFrmConfigurationG20::ChargerDonneesFraises() {
    if (!FFraises.empty()) {
        const auto& fraise = dynamic_cast<const TZoneCPS&>(FCopies.Travail(FFraises[0].second));
        std::tie(FFVFraiseMinValue, FFVFraiseMaxValue) =
            TReglesConfiguration::Limites(fraise.Field(IDFraise::IDFinDeVieFraiseRodeuse));
        std::tie(FAlarmeFraiseMinValue, FAlarmeFraiseMaxValue) =
            TReglesConfiguration::Limites(fraise.Field(IDFraise::IDAlarmeFraiseRodeuse));
    }
    const std::pair<TKevNumericEdit*, std::pair<int, int>> edits[] = {
        {txtFVFraise, {FFVFraiseMinValue, FFVFraiseMaxValue}},
        {txtAlarmeFraise, {FAlarmeFraiseMinValue, FAlarmeFraiseMaxValue}}};
    for (const auto& [edit, limites] : edits) {
        edit->SetMinValue(limites.first);
        edit->SetMaxValue(limites.second);
        edit->SetHint(QStringLiteral("%1..%2").arg(limites.first).arg(limites.second));
    }
    RemplirFraises();
    btnCancelFraiseClick();
}

void TFrmConfigurationG20::lswFraiseClick() {
    btnCancelFraiseClick();
}

void TFrmConfigurationG20::btnCancelFraiseClick() {
    const TFraise* fraise = FraiseChoisie();
    txtFVFraise->SetValue(fraise != nullptr ? fraise->GetFinDeVieFraiseRodeuse() : 0);
    txtAlarmeFraise->SetValue(fraise != nullptr ? fraise->GetAlarmeFraiseRodeuse() : 0);
}

void TFrmConfigurationG20::btnValidFraiseClick() {
    TFraise* fraise = FraiseChoisie();
    if (fraise == nullptr)
        return;
    try {
        fraise->SetFinDeVieFraiseRodeuse(static_cast<int>(txtFVFraise->Value()));
        fraise->SetAlarmeFraiseRodeuse(static_cast<int>(txtAlarmeFraise->Value()));
    } catch (const Exception& erreur) {
        LogEvent(this, "btnValidFraiseClick", erreur.what(), "", LogAnomaly, CatZRT);
    }
    RemplirFraises();
    btnCancelFraiseClick();
}

// ---------------------------------------------------------------------------------------
// Screens

void TFrmConfigurationG20::ChargerDonneesEcrans() {
    for (const auto& ecrans : FEcrans) {
        ecrans->Liste->clear();
        ecrans->IDs.clear();
        for (int i = 0; i < ConfigCourante->GetNbEcrans(); ++i) {
            const TEcran* ecran = ConfigCourante->GetEcranParIndex(i);
            if (ecran == nullptr || ecran->GetTypeEcran() != ecrans->Type || !ecran->GetGerer() ||
                !ecran->GetConfigurable())
                continue;
            ecrans->IDs.push_back(ecran->GetID());
            ecrans->Liste->AddItem(Q(ecran->GetNom()), ecran->GetAfficher());
        }
    }
}

void TFrmConfigurationG20::EcranCoche(int Liste, int Item) {
    const TEcrans& ecrans = *FEcrans.at(Liste);
    TEcran* ecran = ConfigCourante->GetEcranParID(ecrans.IDs.at(Item));
    if (ecran == nullptr) {
        LogEvent(this, "TFrmConfigurationG20.EcranCoche",
                 "Ecran introuvable : " + ecrans.IDs.at(Item), ZoneConfigurationCaption, LogAnomaly,
                 CatZRT);
        return;
    }
    ecran->SetAfficher(ecrans.Liste->Checked(Item));
}

// "Sélectionner tout", "Sélectionner aucun", "Sélectionner défaut" (the reset companion's
// access bits); the combo then waits for the next choice.
void TFrmConfigurationG20::SelectionEcrans(int Liste, int Choix) {
    TEcrans& ecrans = *FEcrans.at(Liste);
    if (Choix < 0 || FChargement)
        return;
    const auto* raz = dynamic_cast<const TConfigurationG20*>(ConfigurationRAZ.Get());
    for (int item = 0; item < static_cast<int>(ecrans.IDs.size()); ++item) {
        const TEcran* defaut = raz != nullptr ? raz->GetEcranParID(ecrans.IDs[item]) : nullptr;
        const bool coche = Choix == 0 || (Choix == 2 && defaut != nullptr && defaut->GetAfficher());
        ecrans.Liste->SetChecked(item, coche);
        EcranCoche(Liste, item);
    }
    const QSignalBlocker silence(ecrans.Choix);
    ecrans.Choix->setCurrentIndex(-1);
}

// ---------------------------------------------------------------------------------------
// Saving

bool TFrmConfigurationG20::IsDonneesModifiees() const {
    return TFrmKevMDIChild::IsDonneesModifiees() || FAssignationHandler->GetDonnesModifiees();
}

int TFrmConfigurationG20::Paire(TTypeZones TypeZone, int Numero) {
    for (int i = 0; i < FCopies.Count(); ++i)
        if (FCopies.Travail(i).GetTypeZone() == TypeZone &&
            FCopies.Travail(i).GetNumeroZone() == Numero)
            return i;
    return AjouterPaire(TypeZone, Numero) != nullptr ? FCopies.Count() - 1 : -1;
}

std::vector<int> TFrmConfigurationG20::PairesDeType(TTypeZones TypeZone) const {
    std::vector<int> paires;
    for (int i = 0; i < FCopies.Count(); ++i)
        if (FCopies.Travail(i).GetTypeZone() == TypeZone)
            paires.push_back(i);
    return paires;
}

// Each program is read alone; one whose currents the configuration no longer allows gets a
// pair, whose two copies first take their electrode's ampere ratio.
void TFrmConfigurationG20::VerifierProgrammes() {
    const bool liees = ConfigCourante->GetCUConsignesLiees();
    const TCustomEpromDescription& description = *FEprom->GetDescription();
    for (int numero = description.GetMinZone(PrcProgrammes);
         numero >= 0 && numero <= description.GetMaxZone(PrcProgrammes); ++numero) {
        {
            const TZoneHolder zone(FEprom, PrcProgrammes, numero);
            const auto* programme = zone.As<TProgrammeG20>();
            if (programme == nullptr)
                continue;
            const std::unique_ptr<TCustomZoneCPS> copie = programme->Duplicate();
            auto& essai = dynamic_cast<TProgrammeG20&>(*copie);
            essai.ActualiserRapportsAmperes();
            if (!TReglesConfiguration::BornerProgramme(essai, liees))
                continue;
        }
        const int paire = Paire(PrcProgrammes, numero);
        if (paire < 0)
            continue;
        dynamic_cast<TProgrammeG20&>(FCopies.Initiale(paire)).ActualiserRapportsAmperes();
        auto& travail = dynamic_cast<TProgrammeG20&>(FCopies.Travail(paire));
        travail.ActualiserRapportsAmperes();
        TReglesConfiguration::BornerProgramme(travail, liees);
    }
}

void TFrmConfigurationG20::VerifierElectrodes() {
    const TCustomEpromDescription& description = *FEprom->GetDescription();
    for (int numero = description.GetMinZone(PrcElectrodes);
         numero >= 0 && numero <= description.GetMaxZone(PrcElectrodes); ++numero) {
        {
            const TZoneHolder zone(FEprom, PrcElectrodes, numero);
            if (zone.As<TElectrode>() == nullptr)
                continue;
            const std::unique_ptr<TCustomZoneCPS> copie = zone->Duplicate();
            if (!TReglesConfiguration::MonterPaliers(dynamic_cast<TElectrode&>(*copie)))
                continue;
        }
        const int paire = Paire(PrcElectrodes, numero);
        if (paire >= 0)
            TReglesConfiguration::MonterPaliers(dynamic_cast<TElectrode&>(FCopies.Travail(paire)));
    }
}

void TFrmConfigurationG20::SauverDonnees() {
    if (FEprom == nullptr || ConfigCourante == nullptr || !FEprom->IsAutorised(PrcConfiguration))
        return;
    try {
        VerifierProgrammes();
        VerifierElectrodes();
    } catch (const std::exception& erreur) {
        LogEvent(this, "SauverDonnees", erreur.what(), ZoneConfigurationCaption, LogAnomaly,
                 CatZRT);
    }
    TFrmKevMDIChild::SauverDonnees();
}

// Queues each differing pair of a kind; an error is logged under the kind's name and the
// other kinds still run.
void TFrmConfigurationG20::Enregistrer(const char* Nom, const std::vector<int>& Paires) {
    try {
        for (const int paire : Paires)
            if (FCopies.Differe(paire))
                FTransfert.Ajouter(FCopies.Travail(paire));
    } catch (const std::exception& erreur) {
        LogEvent(this, Nom, erreur.what(), "", LogAnomaly, CatZRT);
    }
}

// Programs, electrodes, point entries, cutters, then the configuration.
void TFrmConfigurationG20::PreparerEnvoi() {
    Enregistrer("EnregistrerModificationsProgrammes", PairesDeType(PrcProgrammes));
    Enregistrer("EnregistrerModificationsElectrodes", PairesDeType(PrcElectrodes));
    try {
        FAssignationHandler->EnregistrerModificationsPoints(&FTransfert.Transferees(),
                                                            &FTransfert.AEnvoyer());
    } catch (const std::exception& erreur) {
        LogEvent(this, "EnregistrerModificationsAssignationPoints", erreur.what(), "", LogAnomaly,
                 CatZRT);
    }
    Enregistrer("EnregistrerModificationsFraise", PairesDeType(PrcFraise));
    Enregistrer("EnregistrerModificationsConfiguration", {0});
}

void TFrmConfigurationG20::ZoneRecue(TCustomZoneCPS& Cible) {
    if (&Cible == ConfigCourante)
        ChargerDonnees();
    else if (Cible.GetTypeZone() == PrcFraise)
        Charger("ChargerDonneesFraises", &TFrmConfigurationG20::ChargerDonneesFraises);
    else if (Cible.GetTypeZone() == PrcAssignationPoint)
        FAssignationHandler->Recevoir(Cible);
}

} // namespace g20seq
