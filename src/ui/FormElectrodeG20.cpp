#include "ui/FormElectrodeG20.h"

#include "model/DataProxy.h"
#include "model/EditorWindows.h"
#include "model/EpromDescription.h"
#include "model/KEVField.h"
#include "model/ZoneCPS.h"
#include "support/Format.h"
#include "ui/FenetreTextes.h"
#include "ui/QtChartSeriesView.h"
#include "ui/SaisieElectrode.h"
#include "ui/SystemColor.h"
#include "ui/widgets/KevComboBox.h"
#include "ui/widgets/KevLabeled.h"
#include "ui/widgets/KevNumericEdit.h"
#include "ui/widgets/KevRichEdit.h"
#include "zones/ConfigurationFields.h"
#include "zones/ElectrodeFields.h"
#include "zones/ElectrodeG20.h"
#include "zones/Fraise.h"

#include <QChart>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>
#include <exception>

namespace g20seq {

// How a control shows its field and how it writes it back.
enum class TGenreLiaison : std::uint8_t {
    Palier,    // step edit: element Indice of the steps, SetPalier
    Points,    // point count edit told the configuration's linked points
    Entier,    // integer edit
    Decimal,   // decimal edit
    Thermique, // thermal current: raw value shown in amperes or kiloamperes
    Case,      // check box
    Liste,     // combo of the field's first Indice captions
    Fraise,    // the cutter number (labeled combo of cutter numbers)
    Affichage, // a value of the cutter, shown only (maximum Indice)
    Offset,    // force offset, written rounded when validated
    Spin,      // spin (increment Indice), written when validated
};

namespace {

using namespace IDElectrode;
using namespace IDElectrodeG20;

// The system's window and button-face colours: enabled and disabled edits.
constexpr TSystemColor CouleurFenetre = clWhite;
constexpr TSystemColor CouleurBouton{0xF0F0F0};

constexpr const char* SectionCstMessages = "CstMessages";
constexpr const char* SectionStationDiagnostic = "StationDiagnostic";

// A tab of pclElectrode.
struct TOngletElectrode {
    const char* Nom;
    const char* Caption;
};

constexpr TOngletElectrode Onglets[] = {
    {"tabPaliersEtAlarme", "Paliers et alarme"},
    {"tabRodage", "Rodage"},
    {"tabTransfo", "Transformateur"},
    {"tabParamAvances", "Paramètres avancés"},
};
constexpr int OngletPaliers = 0, OngletRodage = 1, OngletTransfo = 2, OngletAvances = 3;

// A group box of a tab, on its left or right panel, inside a named panel when Panneau is set.
struct TGroupeElectrode {
    const char* Nom;
    const char* Caption;
    int Onglet;
    bool Droite;
    const char* Panneau;
};

constexpr TGroupeElectrode Groupes[] = {
    {"gbxElectrodeEtPaliers", "Loi d'usure", OngletPaliers, false, nullptr},
    {"gbxElectrovannes", "Alarme et fin de vie", OngletPaliers, true, nullptr},
    {"gbxRodage1", "Compensation d'usure", OngletRodage, false, nullptr},
    {"gbxRodeuse", "Rodeuse", OngletRodage, false, nullptr},
    {"gbxRodage2", "Rodages", OngletRodage, true, nullptr},
    {"gbxTransfo", "Transformateur", OngletTransfo, false, nullptr},
    {"gbxRapport", "Rapport", OngletTransfo, false, nullptr},
    {"gbxGraph", "Graphique", OngletTransfo, true, nullptr},
    {"gbxAdvParam1", "Efforts et mesures", OngletAvances, false, nullptr},
    {"gbxMesure", "Mesure", OngletAvances, false, "pnlMesure"},
    {"gbxPOGO", "GO / PO", OngletAvances, false, "pnlPOGO"},
    {"gbxAdvParam2", "Contrôles", OngletAvances, true, nullptr},
    {"gbxEau", "Eau", OngletAvances, true, "pnlEau"},
};

// The controls whose visibility follows the link of a field in the EPROM's electrode 0.
struct TVisibilite {
    TFieldHandle Champ;
    const char* Controles[2];
};

constexpr TVisibilite Visibilites[] = {
    {IDGainServo2, {"lblGainServovanne2", "txtGainServovanne2"}},
    {IDGainBobineIntensite, {"pnlGainBobine", nullptr}},
    {IDGainCapteurEffort, {"pnlGainCapteurEffort", nullptr}},
    {IDOffsetEffortSV, {"pnlOffsetEffort", nullptr}},
    {IDDureeIntegrationThermique, {"lblDureeIntegrationTh", "txtDureeIntegrationTh"}},
    {IDIntensiteThCycle, {"pnlIntensiteThCycle", nullptr}},
    {IDCUControleThermique, {"chkCtrlThermique", nullptr}},
    {IDRapportMesure, {"pnlRapportMesure", nullptr}},
    {IDDureePassageGOPO, {"pnlPOGO", nullptr}},
    {IDAngleSlope, {"pnlSlopeMini", nullptr}},
    {IDDeltaPsiPulse1, {"pnlAsymetriePer1", nullptr}},
};

// The name of a control's label: "lbl" and the control's name without its prefix.
QString NomLabel(const char* Controle) {
    return QStringLiteral("lbl") + QString::fromLatin1(Controle + 3);
}

QString Texte(const std::string& Utf8) {
    return QString::fromStdString(Utf8);
}

// The text of an edit as a number; false when it does not convert.
bool Nombre(const QWidget* Controle, double& Valeur) {
    QString texte = static_cast<const QLineEdit*>(Controle)->text().trimmed();
    texte.replace(',', '.');
    bool ok = false;
    Valeur = texte.toDouble(&ok);
    return ok && std::isfinite(Valeur);
}

} // namespace

// One bound control: its name, how it shows and writes its field, its caption (label or
// check box text), hint, maximum length, and where it sits.
struct TLiaisonElectrode {
    const char* Nom;
    TGenreLiaison Genre;
    TFieldHandle Champ;
    const char* Caption;
    const char* Hint;
    int Longueur;
    const char* Groupe;
    const char* Panneau;
    int Indice;                         // see TGenre
    TParamGraphRapport Param;           // the ratio graph parameter it sets
    int DecimalesBornes;                // hint bounds fixed, or -1
    void (TFrmElectrodeG20::*Apres)();  // rule run after the write
    void (TFrmElectrodeG20::*Sortie)(); // run when the edit is left
};

// The binding table: every control of the window bound to a field, in tab order.
struct TFrmElectrodeG20Table {
    using F = TFrmElectrodeG20;
    static constexpr TParamGraphRapport Aucun = prmAucunParam;
    static constexpr TLiaisonElectrode Lignes[] = {
        // tabPaliersEtAlarme
        {"txtPalier01", TGenreLiaison::Palier, IDPaliers, "Palier 01", "Écran P6", 5,
         "gbxElectrodeEtPaliers", nullptr, 0, Aucun, -1, nullptr, nullptr},
        {"txtPalier02", TGenreLiaison::Palier, IDPaliers, "Palier 02", "Écran P6", 5,
         "gbxElectrodeEtPaliers", nullptr, 1, Aucun, -1, nullptr, nullptr},
        {"txtPalier03", TGenreLiaison::Palier, IDPaliers, "Palier 03", "Écran P6", 5,
         "gbxElectrodeEtPaliers", nullptr, 2, Aucun, -1, nullptr, nullptr},
        {"txtPalier04", TGenreLiaison::Palier, IDPaliers, "Palier 04", "Écran P7", 5,
         "gbxElectrodeEtPaliers", nullptr, 3, Aucun, -1, nullptr, nullptr},
        {"txtPalier05", TGenreLiaison::Palier, IDPaliers, "Palier 05", "Écran P7", 5,
         "gbxElectrodeEtPaliers", nullptr, 4, Aucun, -1, nullptr, nullptr},
        {"txtPalier06", TGenreLiaison::Palier, IDPaliers, "Palier 06", "Écran P7", 5,
         "gbxElectrodeEtPaliers", nullptr, 5, Aucun, -1, nullptr, nullptr},
        {"txtPalier07", TGenreLiaison::Palier, IDPaliers, "Palier 07", "Écran P8", 5,
         "gbxElectrodeEtPaliers", nullptr, 6, Aucun, -1, nullptr, nullptr},
        {"txtPalier08", TGenreLiaison::Palier, IDPaliers, "Palier 08", "Écran P8", 5,
         "gbxElectrodeEtPaliers", nullptr, 7, Aucun, -1, nullptr, nullptr},
        {"txtPalier09", TGenreLiaison::Palier, IDPaliers, "Palier 09", "Écran P8", 5,
         "gbxElectrodeEtPaliers", nullptr, 8, Aucun, -1, nullptr, nullptr},
        {"txtPalier10", TGenreLiaison::Palier, IDPaliers, "Palier 10", "Écran P9", 5,
         "gbxElectrodeEtPaliers", nullptr, 9, Aucun, -1, nullptr, nullptr},
        {"txtAlarmeAvantFVE", TGenreLiaison::Points, IDAlarme,
         "Nombre de points entre l'alarme et la fin de vie électrode",
         "Alarme avant FVE - Écran P3", 3, "gbxElectrovannes", nullptr, 0, Aucun, -1, nullptr,
         nullptr},
        {"txtDefautApresFVE", TGenreLiaison::Points, IDPostFDVE,
         "Nombre de points autorisés après la fin de vie de l'électrode et avant l'activation "
         "du défaut N°10",
         "Defaut apres FVE - Écran P3", 2, "gbxElectrovannes", nullptr, 0, Aucun, -1, nullptr,
         nullptr},
        // tabRodage
        {"cmbTypeCU", TGenreLiaison::Liste, IDCURemplacementEtendu, "Type de compensation d'usure",
         "Changement (etendu/limite)- Écran P4", 0, "gbxRodage1", nullptr, 2, Aucun, -1, nullptr,
         nullptr},
        {"cmbTypeRempltEtendu", TGenreLiaison::Liste, IDCURemplaceToutes,
         "Remplacement si exécution en étendu", "Toutes electr. (oui/non) - Écran P4", 0,
         "gbxRodage1", nullptr, 2, Aucun, -1, nullptr, nullptr},
        {"chkRodageElecNeuve", TGenreLiaison::Case, IDCURodageNeuve, "Rodage électrode neuve",
         "Rodage el.neuve - Écran P3", 0, "gbxRodage1", nullptr, 0, Aucun, -1, nullptr, nullptr},
        {"chkRodageInterPalier", TGenreLiaison::Case, IDCURodageInterPalier, "Rodage inter-palier",
         "Rod.Interpalier - Écran P4", 0, "gbxRodage1", nullptr, 0, Aucun, -1,
         &F::chkRodageInterPalierClick, nullptr},
        {"cmbNumFraise", TGenreLiaison::Fraise, IDNumeroFraise, "Numéro de fraise", "", 0,
         "gbxRodeuse", nullptr, 0, Aucun, -1, &F::cmbNumFraiseEditorChange, nullptr},
        {"numFVFraise", TGenreLiaison::Affichage, IDFraise::IDFinDeVieFraiseRodeuse,
         "Fin de vie fraise rodeuse", "", 0, "gbxRodeuse", nullptr, 100000, Aucun, -1, nullptr,
         nullptr},
        {"numAlarmeFraise", TGenreLiaison::Affichage, IDFraise::IDAlarmeFraiseRodeuse,
         "Alarme fraise rodeuse", "", 0, "gbxRodeuse", nullptr, 100000, Aucun, -1, nullptr,
         nullptr},
        {"txtNombreRodages", TGenreLiaison::Entier, IDNombreRodage, "Nombre de rodages",
         "rodages en fin de loi de palier - Écran P5", 2, "gbxRodage2", nullptr, 0, Aucun, -1,
         nullptr, nullptr},
        {"txtDecalage", TGenreLiaison::Entier, IDDecalage,
         "Valeur du compteur de points après un acquittement rodage", "Decalage - Écran P5", 5,
         "gbxRodage2", nullptr, 0, Aucun, -1, nullptr, nullptr},
        {"txtPointInterPalier", TGenreLiaison::Entier, IDNombreIP,
         "Nombre de points entre deux rodages", "Rodages sur paliers tous les - Écran P5b", 4,
         "gbxRodage2", "pnlPointInterPalier", 0, Aucun, -1, nullptr, nullptr},
        {"txtMargeRodage", TGenreLiaison::Entier, IDMargeRodage,
         "Nombre de points entre la demande de rodage et le défaut \"Rodage non effectué\"",
         "Rodage non fait - Écran P5b", 2, "gbxRodage2", "pnlMargeRodage", 0, Aucun, -1, nullptr,
         nullptr},
        // tabTransfo
        {"txtNombreTores", TGenreLiaison::Entier, IDNombreTores, "Nombre de tores",
         "Nombre de tores - Écran P19", 3, "gbxTransfo", nullptr, 0, Aucun, -1, nullptr, nullptr},
        {"cmbTypeEnsemble", TGenreLiaison::Liste, IDTypeEnsembleTransfoDiode,
         "Type de l'ensemble transformateur/diodes", "Ttransfo/diode - Écran P19", 0, "gbxTransfo",
         nullptr, 6, Aucun, -1, &F::EtatRapports, nullptr},
        {"spnFrequenceTransfo", TGenreLiaison::Spin, IDFrequenceTransformateur,
         "Fréquence du transformateur (Hz)", "Fréquence transfo - Écran P?", 0, "gbxTransfo",
         nullptr, 200, Aucun, -1, nullptr, nullptr},
        {"cmbTypeMesure", TGenreLiaison::Liste, IDTypeMesure, "Type de mesure",
         "Mesure - Écran P19", 0, "gbxTransfo", nullptr, 2, Aucun, -1, nullptr, nullptr},
        {"txtRapportTransfo", TGenreLiaison::Decimal, IDRapportTransformation,
         "Rapport de transformation", "A - Écran P22", 5, "gbxRapport", nullptr, 0,
         prmRapportTransfo, 1, nullptr, nullptr},
        {"txtRapportTransfoIntFaible", TGenreLiaison::Decimal, IDRapportTransfoIntFaible,
         "Rapport de transformation intensité faible", "B - Écran P22", 5, "gbxRapport", nullptr, 0,
         prmRapportTransfoInt, 1, nullptr, nullptr},
        {"txtOffsetRapport", TGenreLiaison::Entier, IDOffsetRapport,
         "Offset du rapport de transformation", "YA - Écran P22", 5, "gbxRapport", nullptr, 0,
         prmOffsetRapport, -1, nullptr, nullptr},
        {"txtOffsetRapportIntFaible", TGenreLiaison::Entier, IDOffsetRapportIntFaible,
         "Offset du rapport de transformation intensité faible", "YB - Écran P22", 5, "gbxRapport",
         nullptr, 0, prmOffsetRapportInt, -1, nullptr, nullptr},
        {"txtLimiteIntFaible", TGenreLiaison::Entier, IDLimiteIntFaible, "Limite intensité faible",
         "YL - Écran P22", 5, "gbxRapport", nullptr, 0, prmLimiteIntFaible, -1, nullptr, nullptr},
        // tabParamAvances
        {"txtGainServovanne", TGenreLiaison::Entier, IDGainServo, "Gain de la servovanne (daN/V)",
         "Gain - Écran P17", 3, "gbxAdvParam1", nullptr, 0, Aucun, -1, &F::EtatOffsets, nullptr},
        {"txtGainServovanne2", TGenreLiaison::Entier, IDGainServo2,
         "Gain de la servovanne N°2 (daN/V)", "Gain - Écran P17", 3, "gbxAdvParam1",
         "pnlGainServovanne2", 0, Aucun, -1, &F::EtatOffsets, nullptr},
        {"txtGainCapteurEffort", TGenreLiaison::Entier, IDGainCapteurEffort,
         "Gain du capteur d'effort (daN/V)", "Bobine intensite - Écran P19", 3, "gbxAdvParam1",
         "pnlGainCapteurEffort", 0, Aucun, -1, nullptr, nullptr},
        {"txtCoeffEtalonnage", TGenreLiaison::Decimal, IDCoefficientEtalonnage,
         "Coefficient d'étalonnage du tore de mesure", "Coefficient d'etalonnage - Écran P21", 5,
         "gbxAdvParam1", nullptr, 0, Aucun, -1, nullptr, nullptr},
        {"txtGainBobine", TGenreLiaison::Entier, IDGainBobineIntensite,
         "Gain du capteur de courant (mV/kA)", "Bobine intensite - Écran P19", 4, "gbxAdvParam1",
         "pnlGainBobine", 0, Aucun, -1, nullptr, &F::ChargerDonneesIntensiteThermique},
        {"txtRapportMesure", TGenreLiaison::Decimal, IDRapportMesure, "Rapport de mesure",
         "Rapport de mesure - Écran P19", 5, "gbxAdvParam1", "pnlRapportMesure", 0, Aucun, -1,
         nullptr, &F::ChargerDonneesIntensiteThermique},
        {"numOffsetEffortSV", TGenreLiaison::Offset, IDOffsetEffortSV,
         "Offset effort servo-vanne (daN)", "", 0, "gbxAdvParam1", "pnlOffsetEffort", 0, Aucun, -1,
         nullptr, nullptr},
        {"numOffsetEffortSV2", TGenreLiaison::Offset, IDOffsetEffortSV2,
         "Offset effort servo-vanne N°2 (daN)", "Mes. étalon - Écran P20", 0, "gbxAdvParam1",
         "pnlOffsetEffort", 0, Aucun, -1, nullptr, nullptr},
        {"txtDebutMesure", TGenreLiaison::Entier, IDDebutMesure, "Début mesure (ms)",
         "Début Mesure - Écran P21", 3, "gbxMesure", nullptr, 0, Aucun, -1, nullptr, nullptr},
        {"txtSeuilArretMesure", TGenreLiaison::Entier, IDSeuilArretMesure, "Seuil arrêt mesure (%)",
         "Arrêt Mesure - Écran P21", 3, "gbxMesure", nullptr, 0, Aucun, -1, nullptr, nullptr},
        {"spnPassageGOPO", TGenreLiaison::Spin, IDDureePassageGOPO,
         "Durée de passage de GO à PO (ms)", "", 0, "gbxPOGO", nullptr, 10, Aucun, -1, nullptr,
         nullptr},
        {"spnOuverturePO", TGenreLiaison::Spin, IDDureeOuverturePO, "Durée d'ouverture en PO (ms)",
         "", 0, "gbxPOGO", nullptr, 10, Aucun, -1, nullptr, nullptr},
        {"chkCtrlFacteurMarche", TGenreLiaison::Case, IDCUFacteurMarche,
         "Contrôle de facteur de marche", "Contrôle du facteur de marche - Écran P15", 0,
         "gbxAdvParam2", nullptr, 0, Aucun, -1, nullptr, nullptr},
        {"chkCtrlThermique", TGenreLiaison::Case, IDCUControleThermique,
         "Contrôle thermique des diodes", "Contrôle Diodes - Écran P23", 0, "gbxAdvParam2", nullptr,
         0, Aucun, -1, nullptr, nullptr},
        {"txtSlopeMini", TGenreLiaison::Entier, IDAngleSlope,
         "Angle de début d'upslope et de fin de downslope (°)", "Slope mini - Écran P21", 3,
         "gbxAdvParam2", "pnlSlopeMini", 0, Aucun, -1, nullptr, nullptr},
        {"txtAsymetriePer1", TGenreLiaison::Entier, IDDeltaPsiPulse1,
         "Ecart angle 1ère/2ème demi-période de la 1ère pulsation", "Asymetrie per.1 - Écran P21",
         3, "gbxAdvParam2", "pnlAsymetriePer1", 0, Aucun, -1, nullptr, nullptr},
        {"txtIntensiteThermique", TGenreLiaison::Thermique, IDIntensiteThermique, "",
         "Int.thermique - Écran P15", 5, "gbxAdvParam2", "pnlIntensiteThermique", 0, Aucun, -1,
         nullptr, nullptr},
        {"txtDureeIntegrationTh", TGenreLiaison::Entier, IDDureeIntegrationThermique,
         "Durée d'integration de l'intensité thermique (s)", "", 3, "gbxAdvParam2",
         "pnlIntensiteThermique", 0, Aucun, -1, nullptr, nullptr},
        {"chkModeSoudageDegrade", TGenreLiaison::Case, IDModeSoudageDegrade,
         "Mode de soudage dégradé", "% linéaire, sans contrôle", 0, "gbxAdvParam2", nullptr, 0,
         Aucun, -1, nullptr, nullptr},
        {"txtIntensiteThCycle", TGenreLiaison::Thermique, IDIntensiteThCycle, "", "", 5,
         "gbxAdvParam2", "pnlIntensiteThCycle", 0, Aucun, -1, nullptr, nullptr},
        {"txtDureeIntegrationThCycle", TGenreLiaison::Entier, IDDureeIntegrationThCycle,
         "Durée d'integration de l'intensité thermique cycle (s)", "", 3, "gbxAdvParam2",
         "pnlIntensiteThCycle", 0, Aucun, -1, nullptr, nullptr},
        {"txtTemperatureEau", TGenreLiaison::Entier, IDTemperatureEau, "Température de l'eau (°C)",
         "Température Eau - Écran P23", 2, "gbxEau", nullptr, 0, Aucun, -1, nullptr, nullptr},
        {"spnDebitEau", TGenreLiaison::Spin, IDDebitEau, "Débit d'eau (l/min)",
         "Débit Eau - Écran P23", 0, "gbxEau", nullptr, 2, Aucun, -1, nullptr, nullptr},
    };

    // The tab of a row: that of its group.
    static int Onglet(const TLiaisonElectrode& Ligne) {
        for (const TGroupeElectrode& groupe : Groupes)
            if (std::string_view(groupe.Nom) == Ligne.Groupe)
                return groupe.Onglet;
        return -1;
    }
};

namespace {

using Table = TFrmElectrodeG20Table;

} // namespace

// ---------------------------------------------------------------------------------------
// Creation

TFrmElectrodeG20::TFrmElectrodeG20(void* aOwner, TZoneHolder&& Hold, void* aFormReference)
    : TFrmKevMDIChild(aOwner, Hold ? Hold->GetEprom() : nullptr, std::move(Hold), aFormReference) {
    setObjectName(QStringLiteral("TFrmElectrodeG20"));
    setWindowTitle(QStringLiteral("Paramètres électrodes"));
    if (ZoneOuverte() != nullptr) {
        ElectrodeMini = TZoneHolder::Adopt(FEprom, ZoneOuverte()->GetZoneMini());
        ElectrodeMaxi = TZoneHolder::Adopt(FEprom, ZoneOuverte()->GetZoneMaxi());
    }
    CfgCourante = TZoneHolder(FEprom, PrcConfiguration, 0);
    CreerControles();
    GraphRapport = std::make_unique<TGraphRapport>(chtGraphRapportTransfo);
    pnlModifier->show();
    pnlAppliquer->show();
    FenetreUnique(PrcElectrodes);
}

TFrmElectrodeG20::~TFrmElectrodeG20() = default;

bool TFrmElectrodeG20::Ouvrir(TZoneHolder Hold, void* aOwner, void* FormReference) {
    return OuvrirFenetreUnique<TFrmElectrodeG20, TElectrodeG20>(PrcElectrodes, std::move(Hold),
                                                                aOwner, FormReference);
}

void TFrmElectrodeG20::CreerControles() {
    CreerEntete();
    pclElectrode = new QTabWidget(Client());
    NommerControles({{pclElectrode, "pclElectrode"}});
    const TGrilles grilles = CreerGroupes(CreerOnglets());
    auto* nbPoints = new QLabel(QStringLiteral("Nombre de points"));
    nbPoints->setObjectName(QStringLiteral("lblNbPoints"));
    grilles.at("gbxElectrodeEtPaliers")->addWidget(nbPoints, 0, 1);
    CreerLignes(grilles);
    Controle<QLabel>("lblFrequenceTransfo")->hide();
    Controle<QWidget>("spnFrequenceTransfo")->hide();

    chtGraphRapportTransfo = new QtChartSeriesView(2, Controle<QGroupBox>("gbxGraph"));
    chtGraphRapportTransfo->setObjectName(QStringLiteral("chtGraphRapportTransfo"));
    chtGraphRapportTransfo->chart()->setTitle(QStringLiteral("Rapport de transformation"));
    chtGraphRapportTransfo->setMinimumSize(360, 300);
    grilles.at("gbxGraph")->addWidget(chtGraphRapportTransfo, 0, 0);

    auto* client = new QVBoxLayout(Client());
    client->addWidget(pnlNumProgCourant);
    client->addWidget(pclElectrode, 1);
    connect(cmbNumElectrode, &QComboBox::currentIndexChanged, this,
            &TFrmElectrodeG20::cmbNumElectrodeChange);
    connect(pclElectrode, &QTabWidget::currentChanged, this, [this](int Index) {
        if (Index == OngletTransfo)
            EtatRapports(); // tabTransfoShow
    });
}

void TFrmElectrodeG20::CreerEntete() {
    pnlNumProgCourant = new QWidget(Client());
    lblNumElectrode = new QLabel(QStringLiteral("Numéro d'électrode"), pnlNumProgCourant);
    cmbNumElectrode = new TKEVComboBox(pnlNumProgCourant);
    NommerControles({{pnlNumProgCourant, "pnlNumProgCourant"},
                     {lblNumElectrode, "lblNumElectrode"},
                     {cmbNumElectrode, "cmbNumElectrode"}});
    cmbNumElectrode->setToolTip(QStringLiteral("Écran P6"));
    cmbNumElectrode->setMinimumWidth(60);
    auto* entete = new QHBoxLayout(pnlNumProgCourant);
    entete->addWidget(lblNumElectrode);
    entete->addWidget(cmbNumElectrode);
    entete->addStretch();
}

// Tabs, each with a left and a right panel and a thin panel between them: answers the
// panels' layouts, two per tab.
std::vector<QVBoxLayout*> TFrmElectrodeG20::CreerOnglets() {
    std::vector<QVBoxLayout*> cotes;
    for (const TOngletElectrode& onglet : Onglets) {
        auto* page = new QWidget;
        page->setObjectName(QString::fromLatin1(onglet.Nom));
        pclElectrode->addTab(page, QString::fromUtf8(onglet.Caption));
        auto* rangee = new QHBoxLayout(page);
        for (const char* cote : {"pnlGauche", "pnlDroite"}) {
            if (std::string_view(cote) == "pnlDroite") {
                auto* separation = new QFrame(page);
                separation->setFrameShape(QFrame::VLine);
                rangee->addWidget(separation);
            }
            auto* panneau = new QWidget(page);
            panneau->setObjectName(QString::fromLatin1(onglet.Nom + 3) +
                                   QString::fromLatin1(cote + 3));
            cotes.push_back(new QVBoxLayout(panneau));
            rangee->addWidget(panneau, 1);
        }
    }
    return cotes;
}

// The group boxes on their panels (inside a named panel when they have one): answers each
// group's grid by the group's name.
TFrmElectrodeG20::TGrilles TFrmElectrodeG20::CreerGroupes(const std::vector<QVBoxLayout*>& Cotes) {
    TGrilles grilles;
    for (const TGroupeElectrode& groupe : Groupes) {
        QVBoxLayout* cote = Cotes[groupe.Onglet * 2 + (groupe.Droite ? 1 : 0)];
        auto* boite = new QGroupBox(QString::fromUtf8(groupe.Caption));
        boite->setObjectName(QString::fromLatin1(groupe.Nom));
        if (groupe.Panneau != nullptr) {
            auto* panneau = new QWidget;
            panneau->setObjectName(QString::fromLatin1(groupe.Panneau));
            auto* dedans = new QVBoxLayout(panneau);
            dedans->setContentsMargins(0, 0, 0, 0);
            dedans->addWidget(boite);
            cote->addWidget(panneau);
        } else {
            cote->addWidget(boite);
        }
        grilles[groupe.Nom] = new QGridLayout(boite);
    }
    for (QVBoxLayout* cote : Cotes)
        cote->addStretch();
    return grilles;
}

// The bound controls, in rows of their group; a named panel holds its rows.
void TFrmElectrodeG20::CreerLignes(const TGrilles& Grilles) {
    TGrilles panneaux;
    for (const TLiaisonElectrode& ligne : Table::Lignes) {
        QGridLayout* grille = Grilles.at(ligne.Groupe);
        if (ligne.Panneau != nullptr) {
            QGridLayout*& dansPanneau = panneaux[ligne.Panneau];
            if (dansPanneau == nullptr) {
                auto* panneau = new QWidget(grille->parentWidget());
                panneau->setObjectName(QString::fromLatin1(ligne.Panneau));
                dansPanneau = new QGridLayout(panneau);
                dansPanneau->setContentsMargins(0, 0, 0, 0);
                grille->addWidget(panneau, grille->rowCount(), 0, 1, 2);
            }
            grille = dansPanneau;
        }
        QWidget* parent = grille->parentWidget();
        QWidget* controle = CreerControle(ligne, parent);
        const int rang = grille->rowCount();
        if (ligne.Genre == TGenreLiaison::Case || ligne.Genre == TGenreLiaison::Fraise) {
            grille->addWidget(controle, rang, 0, 1, 2);
        } else {
            auto* label = new QLabel(QString::fromUtf8(ligne.Caption), parent);
            label->setObjectName(NomLabel(ligne.Nom));
            label->setWordWrap(true);
            grille->addWidget(label, rang, 0);
            grille->addWidget(controle, rang, 1);
        }
        grille->setColumnStretch(0, 1);
        FControles[&ligne] = controle;
        Connecter(ligne, controle);
    }
}

QWidget* TFrmElectrodeG20::CreerControle(const TLiaisonElectrode& Ligne, QWidget* Parent) {
    QWidget* controle = nullptr;
    switch (Ligne.Genre) {
    case TGenreLiaison::Palier:
    case TGenreLiaison::Points: {
        auto* palier = new TKevRichEditPalierPoint(Parent);
        palier->SetTag(Ligne.Indice + 1);
        if (Ligne.Genre == TGenreLiaison::Palier)
            tabPaliers.push_back(palier);
        controle = palier;
        break;
    }
    case TGenreLiaison::Entier:
    case TGenreLiaison::Decimal:
    case TGenreLiaison::Thermique:
        controle = new TKevRichEdit(Parent);
        break;
    case TGenreLiaison::Case:
        controle = new QCheckBox(QString::fromUtf8(Ligne.Caption), Parent);
        break;
    case TGenreLiaison::Liste:
        controle = new TKEVComboBox(Parent);
        controle->setMinimumWidth(220); // room for the longer captions
        break;
    case TGenreLiaison::Fraise: {
        auto* fraise = new TKevLabeledComboBox(Parent);
        fraise->SetCaption(QString::fromUtf8(Ligne.Caption));
        controle = fraise;
        break;
    }
    case TGenreLiaison::Affichage:
    case TGenreLiaison::Offset: {
        auto* numerique = new TKevNumericEdit(Parent);
        if (Ligne.Genre == TGenreLiaison::Offset)
            numerique->SetPrecision(1); // a typed decimal is written rounded
        if (Ligne.Genre == TGenreLiaison::Affichage) {
            numerique->setReadOnly(true);
            numerique->setEnabled(false);
            numerique->SetMaxValue(Ligne.Indice);
        }
        controle = numerique;
        break;
    }
    case TGenreLiaison::Spin: {
        auto* spin = new TKevNumericSpin(Parent);
        spin->SetIncrement(Ligne.Indice);
        controle = spin;
        break;
    }
    }
    controle->setObjectName(QString::fromLatin1(Ligne.Nom));
    controle->setToolTip(QString::fromUtf8(Ligne.Hint));
    if (auto* edit = qobject_cast<QLineEdit*>(controle); edit != nullptr && Ligne.Longueur > 0)
        edit->setMaxLength(Ligne.Longueur);
    return controle;
}

void TFrmElectrodeG20::Connecter(const TLiaisonElectrode& Ligne, QWidget* Controle) {
    const auto ecrire = [this, &Ligne] { Ecrire(Ligne); };
    switch (Ligne.Genre) {
    case TGenreLiaison::Case:
        connect(static_cast<QCheckBox*>(Controle), &QCheckBox::clicked, this, ecrire);
        break;
    case TGenreLiaison::Liste:
        connect(static_cast<QComboBox*>(Controle), &QComboBox::currentIndexChanged, this, ecrire);
        break;
    case TGenreLiaison::Fraise:
        connect(static_cast<TKevLabeledComboBox*>(Controle)->GetEditor(),
                &QComboBox::currentIndexChanged, this, ecrire);
        break;
    case TGenreLiaison::Offset:
    case TGenreLiaison::Spin:
        connect(static_cast<TKevNumberEdit*>(Controle), &TKevNumberEdit::Validate, this, ecrire);
        break;
    case TGenreLiaison::Affichage:
        break;
    default:
        connect(static_cast<TKevNumberEdit*>(Controle), &TKevNumberEdit::Change, this, ecrire);
        break;
    }
    if (Ligne.Sortie != nullptr)
        connect(static_cast<TKevNumberEdit*>(Controle), &TKevNumberEdit::Exit, this, Ligne.Sortie);
    if (std::string_view(Ligne.Nom) == "cmbTypeRempltEtendu")
        connect(static_cast<TKEVComboBox*>(Controle), &TKEVComboBox::Enter, this,
                &TFrmElectrodeG20::cmbTypeRempltEtenduEnter);
}

QWidget* TFrmElectrodeG20::Widget(const TLiaisonElectrode& Ligne) const {
    return FControles.at(&Ligne);
}

TElectrodeG20& TFrmElectrodeG20::Courante() const {
    return dynamic_cast<TElectrodeG20&>(*VZoneCPS);
}

const TElectrodeG20* TFrmElectrodeG20::Mini() const {
    return ElectrodeMini.As<TElectrodeG20>();
}

const TElectrodeG20* TFrmElectrodeG20::Maxi() const {
    return ElectrodeMaxi.As<TElectrodeG20>();
}

QString TFrmElectrodeG20::LibelleZone() const {
    return Texte(Format("Zone électrode (#%d)", FNumeroAffiche));
}

void TFrmElectrodeG20::Executer(const char* Methode, void (TFrmElectrodeG20::*Chargeur)()) {
    try {
        (this->*Chargeur)();
    } catch (const std::exception& erreur) {
        LogEvent(this, Methode, erreur.what(), LibelleZone().toStdString(), LogAnomaly, CatZRT);
    }
}

// ---------------------------------------------------------------------------------------
// Preparing and switching electrodes

void TFrmElectrodeG20::PreparerControles() {
    TCustomEpromDescription* description = FEprom != nullptr ? FEprom->GetDescription() : nullptr;
    if (description == nullptr)
        return;
    FMinElectrode = description->GetMinZone(PrcElectrodes);
    {
        const QSignalBlocker bloque(cmbNumElectrode);
        cmbNumElectrode->clear();
        for (int n = FMinElectrode; n <= description->GetMaxZone(PrcElectrodes); ++n)
            cmbNumElectrode->addItem(Texte(Format("%.2d", n)));
        TTypeZones type = PrcElectrodes;
        int defaut = description->DefautElec();
        const int premiere = FEprom->GetFirstZone(type, defaut);
        int choix = FMinElectrode;
        if (premiere != -1)
            choix = premiere;
        else if (ZoneOuverte() != nullptr)
            choix = ZoneOuverte()->GetNumeroZone();
        cmbNumElectrode->setCurrentIndex(choix - FMinElectrode);
    }
    auto* fraises = Controle<TKevLabeledComboBox>("cmbNumFraise")->GetEditor();
    {
        const QSignalBlocker bloque(fraises);
        fraises->clear();
        for (int n = description->GetMinZone(PrcFraise);
             n >= 0 && n <= description->GetMaxZone(PrcFraise); ++n)
            fraises->addItem(QString::number(n));
    }
    cmbNumElectrodeChange();
    SetComponentsState();
    MajEtatSaisie(!FStateLockDataCapture);
}

void TFrmElectrodeG20::cmbNumElectrodeChange() {
    if (IsDonneesModifiees()) {
        switch (MessageDlg(SectionCstMessages, "Mess_DataModified",
                           "Les données ont été modifiées. Souhaitez vous les sauvegarder ?",
                           mtConfirmation, mbYes | mbNo | mbCancel)) {
        case mrYes:
            SauverDonnees();
            break;
        case mrNo:
            AnnulerDonnees();
            break;
        default: {
            const QSignalBlocker bloque(cmbNumElectrode);
            cmbNumElectrode->setCurrentIndex(FNumeroAffiche - FMinElectrode);
            return;
        }
        }
    }
    Executer("ChargerDonneesElecCourante", &TFrmElectrodeG20::ChargerDonneesElecCourante);
}

bool TFrmElectrodeG20::ElectrodeVerrouillee() {
    TTypeZones type = PrcElectrodes;
    int numero = cmbNumElectrode->currentText().toInt();
    return FEprom != nullptr && FEprom->IsLockZone(type, numero);
}

void TFrmElectrodeG20::ChargerDonneesElecCourante() {
    const int numero = cmbNumElectrode->currentText().toInt();
    FNumeroAffiche = numero;
    if (ElectrodeVerrouillee())
        PasserEnModification(); // refused: the window stays in view mode, with the warning
    const bool charge = FCopies.Count() == 0 ? AjouterPaire(PrcElectrodes, numero) != nullptr
                                             : FCopies.Charger(0, numero);
    if (!charge) {
        LogEvent(this, "ChargerDonneesElecCourante", "Zone électrode introuvable",
                 LibelleZone().toStdString(), LogAnomaly, CatZRT);
        return;
    }
    ChargerControles();
}

void TFrmElectrodeG20::ChargerControles() {
    Executer("ChargerDonneesPaliersEtAlarme", &TFrmElectrodeG20::ChargerDonneesPaliersEtAlarme);
    Executer("ChargerDonneesRodage", &TFrmElectrodeG20::ChargerDonneesRodage);
    Executer("ChargerDonneesTransformateur", &TFrmElectrodeG20::ChargerDonneesTransformateur);
    Executer("ChargerDonneesParamAvances", &TFrmElectrodeG20::ChargerDonneesParamAvances);
}

// The controller's answer is in the copies: the controls show what it holds.
void TFrmElectrodeG20::ZoneRecue(TCustomZoneCPS& Cible) {
    if (&Cible == VZoneCPS)
        ChargerControles();
}

// ---------------------------------------------------------------------------------------
// Loaders

void TFrmElectrodeG20::ChargerOnglet(int Onglet, const char* Methode) {
    for (const TLiaisonElectrode& ligne : Table::Lignes) {
        if (Table::Onglet(ligne) != Onglet)
            continue;
        try {
            Charger(ligne);
        } catch (const std::exception& erreur) {
            LogEvent(this, Methode, erreur.what(), LibelleZone().toStdString(), LogAnomaly, CatZRT);
        }
    }
}

void TFrmElectrodeG20::Charger(const TLiaisonElectrode& Ligne) {
    const TElectrodeG20& courante = Courante();
    QWidget* controle = Widget(Ligne);
    const QSignalBlocker bloque(controle);
    switch (Ligne.Genre) {
    case TGenreLiaison::Palier: {
        auto* edit = static_cast<TKevRichEditPalierPoint*>(controle);
        const TElectrodeG20* mini = Mini();
        const TElectrodeG20* maxi = Maxi();
        if (const auto* cfg = CfgCourante.As<TZoneCPS>())
            edit->SetPointsLies(cfg->Field(ChampsConfiguration::IDCUPointsLies).GetAsBoolean());
        edit->SetMinValue(mini->GetPalier(Ligne.Indice));
        edit->SetMaxValue(maxi->GetPalier(Ligne.Indice));
        edit->setToolTip(Texte(TSaisieElectrode::Indication(edit->MinValue(), edit->MaxValue())));
        edit->setText(QString::number(courante.GetPalier(Ligne.Indice)));
        return;
    }
    case TGenreLiaison::Points:
    case TGenreLiaison::Entier:
    case TGenreLiaison::Decimal: {
        auto* edit = static_cast<TKevRichEdit*>(controle);
        if (auto* points = qobject_cast<TKevRichEditPalierPoint*>(edit))
            if (const auto* cfg = CfgCourante.As<TZoneCPS>())
                points->SetPointsLies(
                    cfg->Field(ChampsConfiguration::IDCUPointsLies).GetAsBoolean());
        edit->SetMinValue(Mini()->Field(Ligne.Champ).GetAsFloat());
        edit->SetMaxValue(Maxi()->Field(Ligne.Champ).GetAsFloat());
        if (Ligne.Genre == TGenreLiaison::Decimal)
            edit->SetNombreDecimale(2);
        edit->setToolTip(Texte(TSaisieElectrode::Indication(edit->MinValue(), edit->MaxValue(),
                                                            Ligne.DecimalesBornes)));
        const TKEVField& champ = courante.Field(Ligne.Champ);
        edit->setText(Ligne.Genre == TGenreLiaison::Decimal
                          ? Texte(TSaisieElectrode::TexteBorne(champ.GetAsFloat()))
                          : QString::number(champ.GetAsInteger()));
        return;
    }
    case TGenreLiaison::Thermique:
        ChargerThermique(Ligne);
        return;
    case TGenreLiaison::Case:
        static_cast<QCheckBox*>(controle)->setChecked(courante.Field(Ligne.Champ).GetAsBoolean());
        return;
    case TGenreLiaison::Liste: {
        auto* liste = static_cast<QComboBox*>(controle);
        liste->clear();
        for (int i = 0; i < Ligne.Indice; ++i)
            liste->addItem(Texte(courante.DetailIDChamp(Ligne.Champ.ID(), i)));
        liste->setCurrentIndex(courante.Field(Ligne.Champ).GetAsInteger());
        return;
    }
    case TGenreLiaison::Offset:
    case TGenreLiaison::Spin: {
        auto* numerique = static_cast<TKevNumericEdit*>(controle);
        numerique->SetMinValue(Mini()->Field(Ligne.Champ).GetAsFloat());
        numerique->SetMaxValue(Maxi()->Field(Ligne.Champ).GetAsFloat());
        numerique->SetValue(courante.Field(Ligne.Champ).GetAsFloat());
        return;
    }
    case TGenreLiaison::Fraise:
    case TGenreLiaison::Affichage:
        return; // the cutter's loader
    }
}

void TFrmElectrodeG20::ChargerThermique(const TLiaisonElectrode& Ligne) {
    const TElectrodeG20& courante = Courante();
    auto* edit = static_cast<TKevRichEdit*>(Widget(Ligne));
    const TSaisieElectrode::TPresentationThermique presentation =
        TSaisieElectrode::PresentationThermique(courante.IsModeAmperes(),
                                                Mini()->Slot(Ligne.Champ).Raw->GetRawValue(),
                                                Maxi()->Slot(Ligne.Champ).Raw->GetRawValue());
    const QSignalBlocker bloque(edit);
    edit->SetMinValue(presentation.Min);
    edit->SetMaxValue(presentation.Max);
    edit->SetDonnee(presentation.Donnee);
    edit->SetNombreEntier(presentation.Entier);
    edit->SetNombreDecimale(presentation.Decimales);
    edit->setToolTip(Texte(TSaisieElectrode::Indication(presentation.Min, presentation.Max,
                                                        presentation.DecimalesBornes)));
    edit->SetValue(courante.Slot(Ligne.Champ).Raw->GetRawValue() / presentation.Facteur);
    edit->setProperty("Facteur", presentation.Facteur);
    const std::string unite(presentation.Unite);
    const std::string traduite = Translate(ClassName(), unite, unite);
    Controle<QLabel>(NomLabel(Ligne.Nom).toLatin1().constData())
        ->setText(Texte(courante.NomChamp(Ligne.Champ.ID()) + " (" + traduite + ")"));
}

void TFrmElectrodeG20::ChargerDonneesPaliersEtAlarme() {
    ChargerOnglet(OngletPaliers, "ChargerDonneesPaliersEtAlarme");
}

void TFrmElectrodeG20::ChargerDonneesRodage() {
    ChargerOnglet(OngletRodage, "ChargerDonneesRodage");
    chkRodageInterPalierClick();
    ChargerDonneesFraise();
}

void TFrmElectrodeG20::ChargerDonneesFraise() {
    const int numero = Courante().GetAsInteger(IDNumeroFraise);
    const TZoneHolder fraise(FEprom, PrcFraise, numero);
    if (!fraise)
        return;
    if (FFraiseCourante == nullptr)
        FFraiseCourante = fraise->CreateSameZone();
    FFraiseCourante->Assign(fraise.Get());
    auto* liste = Controle<TKevLabeledComboBox>("cmbNumFraise")->GetEditor();
    const QSignalBlocker bloque(liste);
    liste->setCurrentIndex(numero);
    const auto& copie = dynamic_cast<const TZoneCPS&>(*FFraiseCourante);
    for (const TLiaisonElectrode& ligne : Table::Lignes)
        if (ligne.Genre == TGenreLiaison::Affichage)
            static_cast<TKevNumericEdit*>(Widget(ligne))
                ->SetValue(copie.Field(ligne.Champ).GetAsFloat());
}

void TFrmElectrodeG20::ChargerDonneesTransformateur() {
    ChargerOnglet(OngletTransfo, "ChargerDonneesTransformateur");
    EtatRapports();
    ChargerGraphRapport();
}

void TFrmElectrodeG20::ChargerGraphRapport() {
    const TElectrodeG20& courante = Courante();
    for (const TLiaisonElectrode& ligne : Table::Lignes)
        if (ligne.Param != prmAucunParam)
            GraphRapport->SetValeurParam(ligne.Param, courante.Field(ligne.Champ).GetAsFloat());
    GraphRapport->Actualiser(prmAucunParam);
}

void TFrmElectrodeG20::ChargerDonneesParamAvances() {
    ChargerOnglet(OngletAvances, "ChargerDonneesParamAvances");
    EtatOffsets();
}

void TFrmElectrodeG20::ChargerDonneesIntensiteThermique() {
    for (const TLiaisonElectrode& ligne : Table::Lignes)
        if (ligne.Genre == TGenreLiaison::Thermique)
            ChargerThermique(ligne);
}

void TFrmElectrodeG20::SetComponentsState() {
    const bool mf = FEprom != nullptr && FEprom->GetDescription() != nullptr &&
                    FEprom->GetDescription()->TypeCourant() == tcMF;
    pclElectrode->setTabVisible(OngletTransfo, mf);
    if (!mf)
        for (const char* nom : {"pnlMesure", "pnlEau"})
            Controle<QWidget>(nom)->hide();
    const TZoneHolder electrode(FEprom, PrcElectrodes, 0);
    const auto* zone = electrode.As<TZoneCPS>();
    if (zone == nullptr) {
        LogEvent(this, "SetComponentsState", "Zone électrode introuvable", "", LogAnomaly, CatZRT);
        return;
    }
    for (const TVisibilite& visibilite : Visibilites) {
        const TKEVField* champ = zone->FindField(visibilite.Champ);
        const bool visible = champ != nullptr && champ->GetLinked();
        for (const char* nom : visibilite.Controles)
            if (nom != nullptr)
                Controle<QWidget>(nom)->setVisible(visible);
    }
}

// ---------------------------------------------------------------------------------------
// Writing

void TFrmElectrodeG20::Ecrire(const TLiaisonElectrode& Ligne) {
    if (ElecCourante() == nullptr)
        return;
    QWidget* controle = Widget(Ligne);
    try {
        if (Ligne.Genre == TGenreLiaison::Thermique)
            EcrireThermique(Ligne, controle);
        else
            EcrireValeur(Ligne, controle);
    } catch (const std::exception&) {
        return; // a value the field refuses: the field keeps its value
    }
    if (Ligne.Param != prmAucunParam) {
        GraphRapport->SetValeurParam(Ligne.Param, Courante().GetAsFloat(Ligne.Champ));
        GraphRapport->Actualiser(Ligne.Param);
    }
    if (Ligne.Apres != nullptr)
        (this->*Ligne.Apres)();
}

void TFrmElectrodeG20::EcrireValeur(const TLiaisonElectrode& Ligne, QWidget* Controle) {
    TKEVField& champ = Courante().Field(Ligne.Champ);
    double valeur = 0;
    switch (Ligne.Genre) {
    case TGenreLiaison::Palier:
        if (Nombre(Controle, valeur) && valeur == std::trunc(valeur))
            Courante().SetPalier(Ligne.Indice, static_cast<int>(valeur));
        return;
    case TGenreLiaison::Points:
    case TGenreLiaison::Entier:
        if (Nombre(Controle, valeur) && valeur == std::trunc(valeur))
            champ.SetAsInteger(static_cast<int>(valeur));
        return;
    case TGenreLiaison::Decimal:
        if (Nombre(Controle, valeur))
            champ.SetAsFloat(valeur);
        return;
    case TGenreLiaison::Case:
        champ.SetAsBoolean(static_cast<QCheckBox*>(Controle)->isChecked());
        return;
    case TGenreLiaison::Liste:
        champ.SetAsInteger(static_cast<QComboBox*>(Controle)->currentIndex());
        return;
    case TGenreLiaison::Fraise:
        champ.SetAsInteger(
            static_cast<TKevLabeledComboBox*>(Controle)->GetEditor()->currentIndex());
        return;
    case TGenreLiaison::Offset:
    case TGenreLiaison::Spin:
        champ.SetAsInteger(
            static_cast<int>(std::lround(static_cast<TKevNumericEdit*>(Controle)->Value())));
        return;
    case TGenreLiaison::Thermique:
    case TGenreLiaison::Affichage:
        return;
    }
}

// A thermal current goes back to its raw value with the factor of its presentation; in
// kiloamperes the digits follow the value typed.
void TFrmElectrodeG20::EcrireThermique(const TLiaisonElectrode& Ligne, QWidget* Controle) {
    double valeur = 0;
    if (!Nombre(Controle, valeur))
        return;
    const double facteur = Controle->property("Facteur").toDouble();
    Courante().Slot(Ligne.Champ).Raw->SetRawValue(std::llround(valeur * facteur));
    if (facteur == 1)
        return;
    if (const auto chiffres = TSaisieElectrode::ChiffresKiloAmperes(valeur)) {
        auto* edit = static_cast<TKevRichEdit*>(Controle);
        edit->SetNombreEntier(chiffres->Entier);
        edit->SetNombreDecimale(chiffres->Decimales);
    }
}

// ---------------------------------------------------------------------------------------
// Rules

void TFrmElectrodeG20::chkRodageInterPalierClick() {
    const bool interPalier = Courante().Field(IDCURodageInterPalier).GetAsBoolean();
    const TSaisieElectrode::TEtatRodage etat = TSaisieElectrode::EtatRodage(interPalier);
    const std::pair<const char*, bool> edits[] = {{"txtNombreRodages", etat.NombreRodages},
                                                  {"txtDecalage", etat.Decalage},
                                                  {"txtPointInterPalier", etat.PointInterPalier},
                                                  {"txtMargeRodage", etat.MargeRodage}};
    for (const auto& [nom, actif] : edits) {
        auto* edit = Controle<TKevNumberEdit>(nom);
        edit->setEnabled(actif);
        edit->SetColor(static_cast<quint32>(actif ? CouleurFenetre : CouleurBouton));
    }
}

void TFrmElectrodeG20::cmbNumFraiseEditorChange() {
    ChargerDonneesFraise();
}

// tabTransfoShow and cmbTypeEnsembleChange: the five ratio edits for an unknown transformer.
void TFrmElectrodeG20::EtatRapports() {
    const bool modifiables = TSaisieElectrode::RapportsModifiables(
        ElecCourante() != nullptr ? Courante().GetAsInteger(IDTypeEnsembleTransfoDiode) : 0);
    for (const TLiaisonElectrode& ligne : Table::Lignes)
        if (ligne.Param != prmAucunParam)
            Widget(ligne)->setEnabled(modifiables);
}

void TFrmElectrodeG20::EtatOffsets() {
    const std::pair<const char*, TFieldHandle> offsets[] = {{"numOffsetEffortSV", IDGainServo},
                                                            {"numOffsetEffortSV2", IDGainServo2}};
    for (const auto& [nom, gain] : offsets)
        Controle<TKevNumericEdit>(nom)->setReadOnly(
            !TSaisieElectrode::OffsetModifiable(Courante().GetAsFloat(gain)));
}

void TFrmElectrodeG20::cmbTypeRempltEtenduEnter() {
    Controle<TKEVComboBox>("cmbTypeRempltEtendu")->FitDropDownToItems();
}

// ---------------------------------------------------------------------------------------
// Modes

void TFrmElectrodeG20::MajEtatSaisie(bool Modification) {
    for (int i = 0; i < pclElectrode->count(); ++i)
        pclElectrode->widget(i)->setEnabled(Modification);
}

void TFrmElectrodeG20::ModifierVisualiser() {
    if (FStateLockDataCapture && ElectrodeVerrouillee()) {
        MessageDlg(SectionStationDiagnostic, "IDElectrodeLockedError",
                   "Electrode utilisée par la SD", mtWarning, mbOK);
        AfficherMode();
        MajEtatSaisie(false);
        return;
    }
    TFrmKevMDIChild::ModifierVisualiser();
}

} // namespace g20seq
