#include "ui/FormProgrammationG20.h"

#include "eprom/Eprom.h"
#include "interface/KEVInterface.h"
#include "interface/SignatureInterface.h"
#include "interface/ZoneInterfaces.h"
#include "model/DataProxy.h"
#include "model/EditorWindows.h"
#include "model/EpromDescription.h"
#include "support/Exceptions.h"
#include "support/Format.h"
#include "ui/FenetreTextes.h"
#include "ui/GraphCU.h"
#include "ui/GraphTemps.h"
#include "ui/GraphTempsMF.h"
#include "ui/QtChartSeriesView.h"
#include "ui/widgets/KevComboBox.h"
#include "ui/widgets/KevRichEdit.h"
#include "ui/widgets/KevVirtualStringTree.h"
#include "zones/AssignationHandler.h"
#include "zones/ConfigurationFields.h"
#include "zones/ElectrodeFields.h"
#include "zones/LienProcess.h"
#include "zones/ProgrammeG20.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <array>
#include <cmath>
#include <cstring>
#include <utility>

namespace g20seq {

namespace {

using namespace ChampsProgramme;
using TListeTemps = TReglesProgrammation::TListeTemps;
using TColonne = TColonneConsigne;

// What a control is and how it shows its field.
enum class TGenre : std::uint8_t {
    Libelle,   // a caption only
    Temps,     // list of raw times
    TempsDemi, // list of raw times, in half periods on a medium-frequency controller
    Soudage,   // the weld time (with "1/2" on an AC controller)
    Liste,     // list of raw integers
    Liste2,    // list of raw integers as two digits
    Valeurs,   // list of value captions
    Nombre,    // number edit of the display value
    Ampere,    // current edit: amperes, or kiloamperes
    Reference, // reference current edit: amperes, or kiloamperes with two decimals
    Kilo,      // current edit in kiloamperes
    Points,    // step point count of the electrode
    Case,      // check box
    Controle,  // monitoring check box (Option: the mode it sets)
    Electrode, // electrode number
    Lecture,   // read-only text of the monitoring mode
    Texte,     // the process link comment
};

enum class TZoneLiee : std::uint8_t { Programme, Electrode, Lien };

// Where the controls go: the tabs in order, then the group of the slope set points.
enum TConteneur : std::uint8_t {
    tabTemps,
    tabConsigneSoudage,
    tabSeuils,
    tabSerVanneElectrovannes,
    tabParamAvances,
    tabLiensProcess,
    grpConsignesMF,
};

struct TOnglet {
    const char* Nom;
    const char* Texte;
};
constexpr std::array<TOnglet, 6> Onglets = {{
    {"tabTemps", "Temps"},
    {"tabConsigneSoudage", "Consignes de soudage"},
    {"tabSeuils", "Seuils"},
    {"tabSerVanneElectrovannes", "Servovanne / Electrovannes"},
    {"tabParamAvances", "Paramètres avancés"},
    {"tabLiensProcess", "Lien process"},
}};

constexpr int NbPas = 10;
constexpr TFieldHandle Aucun{};

constexpr const char* SectionSD = "StationDiagnostic";
constexpr const char* SectionMessages = "CstMessages";

} // namespace

// One row of the binding table: the control (a column of ten step controls when Pas is
// 10, named Nom01..Nom10), the field it edits, where it sits (container, grid row and
// column; a column's first step on Rang), the sequence segment its change redraws, the
// set-point column it belongs to, and its label with the AC and medium-frequency captions.
struct TLiaisonProgramme {
    const char* Nom;
    TGenre Genre;
    TFieldHandle Champ;
    TConteneur Conteneur;
    int Rang;
    int Colonne;
    int Pas = 0;
    TSegmentGrapheTemps Segment = segAucunTemps;
    TColonne Consigne = TColonne::Aucune;
    const char* Label = nullptr;
    const char* Texte = nullptr;
    const char* TexteMF = nullptr;
    TZoneLiee Zone = TZoneLiee::Programme;
    int Option = 0;
};

namespace {

using G = TGenre;
using L = TLiaisonProgramme;
constexpr TColonne CP = TColonne::Pourcent, CA = TColonne::Ampere, CT = TColonne::Tension,
                   C0 = TColonne::Aucune;

// The controls of the window, each with its field.
const L Liaisons[] = {
    // Times.
    {"cmb1erAccostage", G::TempsDemi, IDTempsPremierAccostage, tabTemps, 0, 1, 0,
     segPremierAccostage, C0, "lbl1erAccostage", "1er accostage (périodes)"},
    {"cmbAccostage", G::TempsDemi, IDTempsAccostage, tabTemps, 1, 1, 0, segAccostage, C0,
     "lblAccostage", "Accostage (périodes)"},
    {"cmbSoudage", G::Soudage, IDTempsSoudage, tabTemps, 2, 1, 0, segSoudage, C0, "lblSoudage",
     "Soudage (périodes)", "Soudage (ms)"},
    {"cmbForgeage", G::TempsDemi, IDTempsForgeage, tabTemps, 3, 1, 0, segForgeage, C0,
     "lblForgeage", "Forgeage (périodes)"},
    {"cmbIntervalle", G::TempsDemi, IDTempsIntervalGeneral, tabTemps, 4, 1, 0, segIntervalle, C0,
     "lblIntervalle", "Intervalle général (périodes)"},
    {"cmbNbPulsations", G::Liste, IDNombrePulsations, tabTemps, 5, 1, 0, segAucunTemps, C0,
     "lblNbPulsations", "Nombre de pulsations"},
    {"cmbIntervallePulse", G::Temps, IDIntervallePulsations, tabTemps, 6, 1, 0, segIntervallePulse,
     C0, "lblIntervallePulse", "Intervalle de pulsation (périodes)",
     "Intervalle de pulsation (ms)"},
    {"cmbUpslope", G::Temps, IDTempsUpslope, tabTemps, 7, 1, 0, segUpSlope, C0, "lblUpslope",
     "Upslope (périodes)", "Upslope (ms)"},
    {"cmbDownslope", G::Temps, IDTempsDownslope, tabTemps, 8, 1, 0, segDownslope, C0,
     "lblDownslope", "Downslope (périodes)", "Downslope (ms)"},
    {"cmbPrechauffage", G::Temps, IDTempsPrechauffage, tabTemps, 9, 1, 0, segPrechauffage, C0,
     "lblPrechauffage", "Préchauffage (périodes)", "Préchauffage (ms)"},
    {"cmbTrempe", G::Temps, IDTempsTrempe, tabTemps, 10, 1, 0, segTrempe, C0, "lblTrempe",
     "Trempe (périodes)", "Trempe (ms)"},
    {"cmbRecuit", G::Temps, IDTempsRecuit, tabTemps, 11, 1, 0, segRecuit, C0, "lblRecuit",
     "Recuit (périodes)", "Recuit (ms)"},
    {"cmbTempsFroid", G::Temps, IDTempsFroid, tabTemps, 12, 1, 0, segTempsFroid, C0,
     "lblTempsFroid", "Temps froid (périodes)", "Temps froid (ms)"},

    // Set points.
    {"cmbRegulation", G::Valeurs, IDModeRegulation, tabConsigneSoudage, 0, 1, 0, segAucunTemps, C0,
     "lblRegulation", "Régulation"},
    {"txtControle", G::Lecture, IDModeControle, tabConsigneSoudage, 1, 1, 0, segAucunTemps, C0,
     "lblControle", "Contrôle"},
    {"cmbNumElectrode", G::Electrode, IDNumeroElectrode, tabConsigneSoudage, 2, 1, 0, segAucunTemps,
     C0, "lblNumElectrode", "Electrode"},
    {"txtRefPourcent", G::Nombre, IDReferencePourcent, tabConsigneSoudage, 4, 3, 0, segAucunTemps,
     CP, "lblReference", "Référence"},
    {"txtRefAmpere", G::Reference, IDReferenceIntensite, tabConsigneSoudage, 4, 4, 0, segAucunTemps,
     CA},
    {"txtRefTension", G::Nombre, IDReferenceTension, tabConsigneSoudage, 4, 5, 0, segAucunTemps,
     CT},
    {"txtPalier", G::Points, IDElectrode::IDPaliers, tabConsigneSoudage, 6, 1, NbPas, segAucunTemps,
     C0, "lblPalier", "Points", nullptr, TZoneLiee::Electrode},
    {"txtVariation", G::Nombre, IDVariationSegment, tabConsigneSoudage, 6, 2, NbPas, segAucunTemps,
     C0, "lblVariation", "Variation (%)"},
    {"txtPourcentImax", G::Nombre, IDPaliersPourcent, tabConsigneSoudage, 6, 3, NbPas,
     segAucunTemps, CP, "lblPourcentImax", "%Imax", "%PWM"},
    {"txtAmpere", G::Ampere, IDPaliersAmpere, tabConsigneSoudage, 6, 4, NbPas, segAucunTemps, CA,
     "lblAmpere", "kA"},
    {"txtPourcentU", G::Nombre, IDPaliersTension, tabConsigneSoudage, 6, 5, NbPas, segAucunTemps,
     CT, "lblPourcentU", "%U"},
    {"txtPrechauffagePourcentImax", G::Nombre, IDPrechauffagePourcent, tabConsigneSoudage, 16, 3, 0,
     segAucunTemps, CP, "lblPrechauffageConsigne", "Préchauffage"},
    {"txtPrechauffageAmpere", G::Ampere, IDPrechauffageAmpere, tabConsigneSoudage, 16, 4, 0,
     segAucunTemps, CA},
    {"txtPrechauffagePourcentU", G::Nombre, IDPrechauffageTension, tabConsigneSoudage, 16, 5, 0,
     segAucunTemps, CT},
    {"txtRecuitPourcentImax", G::Nombre, IDRecuitPourcent, tabConsigneSoudage, 17, 3, 0,
     segAucunTemps, CP, "lblRecuitConsigne", "Recuit"},
    {"txtRecuitAmpere", G::Ampere, IDRecuitAmpere, tabConsigneSoudage, 17, 4, 0, segAucunTemps, CA},
    {"txtRecuitPourcentU", G::Nombre, IDRecuitTension, tabConsigneSoudage, 17, 5, 0, segAucunTemps,
     CT},
    {"txtPourcentDebutUpslope", G::Nombre, IDPourcentDebutUpslope, grpConsignesMF, 0, 1, 0,
     segAucunTemps, C0, "lblDebutUpslope", "Début upslope (% / kA)"},
    {"txtIntensiteDebutUpslope", G::Kilo, IDAmpereDebutUpslope, grpConsignesMF, 0, 2},
    {"txtPourcentFinDownslope", G::Nombre, IDPourcentFinDownslope, grpConsignesMF, 1, 1, 0,
     segAucunTemps, C0, "lblFinDownslope", "Fin downslope (% / kA)"},
    {"txtIntensiteFinDownslope", G::Kilo, IDAmpereFinDownslope, grpConsignesMF, 1, 2},

    // Thresholds.
    {"lblSeuilsIntensite", G::Libelle, Aucun, tabSeuils, 0, 0, 0, segAucunTemps, C0,
     "lblSeuilsIntensite", "Seuils intensité"},
    {"cmbSeuilHautIntensite", G::Liste, IDSeuilIntensiteHaut, tabSeuils, 1, 1, 0, segAucunTemps, C0,
     "lblSeuilHautIntensite", "Seuil haut (%)"},
    {"cmbSeuilBasIntensite", G::Liste, IDSeuilIntensiteBas, tabSeuils, 2, 1, 0, segAucunTemps, C0,
     "lblSeuilBasIntensite", "Seuil bas (%)"},
    {"cmbSeuilBasRepetitifIntensite", G::Liste, IDSeuilIntensiteBasRepetitif, tabSeuils, 3, 1, 0,
     segAucunTemps, C0, "lblSeuilBasRepetitifIntensite", "Seuil bas répétitif (%)"},
    {"cmbNbRepetitionsIntensite", G::Liste, IDNombreSeuilIntensiteBasRepetitif, tabSeuils, 4, 1, 0,
     segAucunTemps, C0, "lblNbRepetitionsIntensite", "Nombre de répétitions"},
    {"chkControleIntensite", G::Controle, IDModeControle, tabSeuils, 5, 1, 0, segAucunTemps, C0,
     nullptr, "Contrôle intensité", nullptr, TZoneLiee::Programme, 1},
    {"lblSeuilsPSI", G::Libelle, Aucun, tabSeuils, 0, 2, 0, segAucunTemps, C0, "lblSeuilsPSI",
     "Seuils %PSI", "Seuils %PWM"},
    {"cmbSeuilHautPSI", G::Liste, IDSeuilPourcentHaut, tabSeuils, 1, 3, 0, segAucunTemps, C0,
     "lblSeuilHautPSI", "Seuil haut (%)"},
    {"cmbSeuilBasPSI", G::Liste, IDSeuilPourcentBas, tabSeuils, 2, 3, 0, segAucunTemps, C0,
     "lblSeuilBasPSI", "Seuil bas (%)"},
    {"cmbSeuilHautRepetitifPSI", G::Liste, IDSeuilPourcentHautRepetitif, tabSeuils, 3, 3, 0,
     segAucunTemps, C0, "lblSeuilHautRepetitifPSI", "Seuil haut répétitif (%)"},
    {"cmbNbRepetitionsPSI", G::Liste, IDNombreSeuilPourcentHautRepetitif, tabSeuils, 4, 3, 0,
     segAucunTemps, C0, "lblNbRepetitionsPSI", "Nombre de répétitions"},
    {"chkControlePsi", G::Controle, IDModeControle, tabSeuils, 5, 3, 0, segAucunTemps, C0, nullptr,
     "Contrôle %PSI", "Contrôle %PWM", TZoneLiee::Programme, 2},

    // Valves and forces.
    {"cmbModeEV", G::Valeurs, IDModeElectrovannes, tabSerVanneElectrovannes, 0, 1, 0, segAucunTemps,
     C0, "lblModeEV", "Mode électrovannes"},
    {"txtRetardEV2", G::Nombre, IDRetardElectrovanne2, tabSerVanneElectrovannes, 1, 1, 0,
     segAucunTemps, C0, "lblRetardEV2", "Retard EV2"},
    {"txtDureeEV2", G::Nombre, IDDureeElectrovanne2, tabSerVanneElectrovannes, 2, 1, 0,
     segAucunTemps, C0, "lblDureeEV2", "Durée EV2"},
    {"txtConsigneServoPourcent", G::Nombre, IDPressionPourcent, tabSerVanneElectrovannes, 3, 1, 0,
     segAucunTemps, C0, "lblConsigneServoPourcent", "Consigne servovanne (%)"},
    {"txtConsigneServodaN", G::Nombre, IDConsignePression, tabSerVanneElectrovannes, 4, 1, 0,
     segAucunTemps, C0, "lblConsigneServodaN", "Consigne servovanne (daN)"},
    {"txtConsigneServo2Pourcent", G::Nombre, IDPressionPourcent2, tabSerVanneElectrovannes, 5, 1, 0,
     segAucunTemps, C0, "lblConsigneServo2Pourcent", "Consigne servovanne N°2 (%)"},
    {"txtConsigneServo2daN", G::Nombre, IDConsignePression2, tabSerVanneElectrovannes, 6, 1, 0,
     segAucunTemps, C0, "lblConsigneServo2daN", "Consigne servovanne N°2 (daN)"},
    {"txtToleranceEpaisseur", G::Nombre, IDToleranceEpaisseur, tabSerVanneElectrovannes, 7, 1, 0,
     segAucunTemps, C0, "lblToleranceEpaisseur", "Tolérance épaisseur"},
    {"cmbEffortSoudage", G::Liste, IDEffortSoudage, tabSerVanneElectrovannes, 8, 1, 0,
     segAucunTemps, C0, "lblEffortSoudage", "Effort de soudage"},
    {"txtEpaisseurSoudage", G::Nombre, IDEpaisseurSoudage, tabSerVanneElectrovannes, 9, 1, 0,
     segAucunTemps, C0, "lblEpaisseurSoudage", "Epaisseur de soudage"},
    {"chkControleEffort", G::Case, IDControleEffort, tabSerVanneElectrovannes, 0, 3, 0,
     segAucunTemps, C0, nullptr, "Cycle avec contrôle d'effort"},
    {"txtEffortFinAccostage", G::Nombre, IDEffortFinAccostage, tabSerVanneElectrovannes, 1, 3, 0,
     segAucunTemps, C0, "lblEffortFinAccostage", "Effort fin accostage (daN)"},
    {"txtEffortForgeageMini", G::Nombre, IDEffortMiniForgeage, tabSerVanneElectrovannes, 2, 3, 0,
     segAucunTemps, C0, "lblEffortForgeageMini", "Effort forgeage mini (daN)"},
    {"txtEffortForgeageMaxi", G::Nombre, IDEffortMaxiForgeage, tabSerVanneElectrovannes, 3, 3, 0,
     segAucunTemps, C0, "lblEffortForgeageMaxi", "Effort forgeage maxi (daN)"},

    // Advanced parameters.
    {"cmbCycleVoleePpP", G::Valeurs, IDModeVolee, tabParamAvances, 0, 1, 0, segAucunTemps, C0,
     "lblCycleVoleePpP", "Cycle"},
    {"cmbNumSPAssociee", G::Liste2, IDSortieProgrammable, tabParamAvances, 1, 1, 0, segAucunTemps,
     C0, "lblNumSPAssociee", "Sortie programmable"},
    {"cmbPhieFixeOuMesure", G::Valeurs, IDPhieFixe, tabParamAvances, 2, 1, 0, segAucunTemps, C0,
     "lblPhieFixeOuMesure", "Phie pour calculs"},
    {"cmbAnglePhie", G::Liste2, IDAnglePhieFixe, tabParamAvances, 3, 1, 0, segAucunTemps, C0,
     "lblAnglePhie", "Angle phie"},
    {"chkAvecIntensite", G::Case, IDAvecIntensite, tabParamAvances, 4, 1, 0, segAucunTemps, C0,
     nullptr, "Avec intensité"},
    {"chkSurveillanceThyristors", G::Case, IDSurveillanceThyristors, tabParamAvances, 5, 1, 0,
     segAucunTemps, C0, nullptr, "Surveillance image thyristors"},
    {"chkRegulationP5", G::Case, IDRegulDebut5emePeriode, tabParamAvances, 6, 1, 0, segAucunTemps,
     C0, nullptr, "Début de régulation à la 5ème demi-période"},

    // Process link.
    {"txtCommentaire", G::Texte, IDLienProcess::IDCommentaire, tabLiensProcess, 1, 1, 0,
     segAucunTemps, C0, "lblCommentaire", "Commentaire", nullptr, TZoneLiee::Lien},
};

bool EstListe(TGenre Genre) {
    switch (Genre) {
    case G::Temps:
    case G::TempsDemi:
    case G::Soudage:
    case G::Liste:
    case G::Liste2:
    case G::Valeurs:
    case G::Electrode:
        return true;
    default:
        return false;
    }
}

bool EstNombre(TGenre Genre) {
    switch (Genre) {
    case G::Nombre:
    case G::Ampere:
    case G::Reference:
    case G::Kilo:
    case G::Points:
        return true;
    default:
        return false;
    }
}

// The display ratio of a numeric field, 1 for any other field.
double Ratio(const TKEVField& Champ) {
    if (const auto* reel = dynamic_cast<const IKEVDoubleField*>(&Champ))
        return reel->GetRatio();
    if (const auto* entier = dynamic_cast<const IKEVIntegerField*>(&Champ))
        return entier->GetRatio();
    return 1.0;
}

// The raw value of a numeric field; the integer value of any other field.
int Brut(const TKEVField& Champ) {
    if (const auto* brut = dynamic_cast<const IRawNumericField*>(&Champ))
        return brut->GetRawValue();
    if (const auto* signe = dynamic_cast<const IRawSignedNumericField*>(&Champ))
        return signe->GetRawValue();
    return Champ.GetAsInteger();
}

QString Texte(const char* Utf8) {
    return QString::fromUtf8(Utf8);
}

// The caption of a value for the dialogs that take the monitored percent.
const char* NomPourcent(bool MF) {
    return MF ? "%PWM" : "%PSI";
}

// The captions of the last weld result panel.
struct TResultat {
    const char* Nom;
    const char* Texte;
};
constexpr std::array<TResultat, 4> Resultats = {{
    {"lblIntensiteMesuree", "Intensité mesurée (kA)"},
    {"lblPourcentsEquiv", "Pourcents équivalents (%)"},
    {"lblCompteurPoints", "Compteur de points"},
    {"lblNumeroPalier", "Numéro de palier"},
}};

} // namespace

// ---------------------------------------------------------------------------------------
// Creation

TFrmProgrammationG20::TFrmProgrammationG20(void* aOwner, TZoneHolder&& Hold, void* aFormReference)
    : TFrmKevMDIChild(aOwner, Hold ? Hold->GetEprom() : nullptr, std::move(Hold), aFormReference),
      isTypeMF(FEprom != nullptr && FEprom->GetDescription() != nullptr &&
               FEprom->GetDescription()->TypeCourant() == tcMF),
      FAssignationHandler(std::make_unique<TAssignationHandler>(FEprom)) {
    // The medium-frequency variant has its own translations.
    setObjectName(isTypeMF ? QStringLiteral("TFrmProgrammationG20_MF")
                           : QStringLiteral("TFrmProgrammationG20"));
    setWindowTitle(QStringLiteral("Paramètres de programmation"));
    try {
        auto* programme = dynamic_cast<TProgrammeG20*>(ZoneOuverte());
        FNumProg = programme != nullptr ? programme->GetNumeroZone() : 0;
        AjouterPaire(PrcProgrammes, FNumProg);
        AjouterPaire(PrcElectrodes, programme != nullptr ? programme->GetNumeroElectrode() : 0);
        AjouterPaire(PrcLienProcessAvance, FNumProg, true);
        if (programme != nullptr) {
            ProgrammationMini = programme->GetProgrammationMini();
            ProgrammationMaxi = programme->GetProgrammationMaxi();
        }
        CreerControles();
    } catch (const std::exception& erreur) {
        Journaliser("FormCreate", erreur);
    }
    if (FCopies.Count() == 3)
        ChargerProgramme(FNumProg);
    pnlModifier->show();
    pnlAppliquer->show();
    if (FEprom != nullptr)
        FSuiviSignatures = FEprom->SubscribeNouvelleSignature([this](TCustomEprom&, int NumProg) {
            QMetaObject::invokeMethod(
                this,
                [this, NumProg] {
                    if (NumProg == FNumProg)
                        SetSignature();
                },
                Qt::QueuedConnection);
        });
    FenetreUnique(PrcProgrammes);
}

TFrmProgrammationG20::~TFrmProgrammationG20() {
    FSuiviSignatures = {};
    for (TZoneCPS* compagnon : {ProgrammationMini, ProgrammationMaxi}) {
        TCustomZoneCPS* zone = compagnon;
        if (zone != nullptr && FEprom != nullptr)
            FEprom->ReleasePhysicalZone(zone);
    }
}

bool TFrmProgrammationG20::Ouvrir(TZoneHolder Hold, void* aOwner, void* FormReference) {
    return OuvrirFenetreUnique<TFrmProgrammationG20, TProgrammeG20>(
        PrcProgrammes, std::move(Hold), aOwner, FormReference,
        &TFrmProgrammationG20::ChoisirProgramme);
}

TProgrammeG20& TFrmProgrammationG20::ProgCourant() const {
    return dynamic_cast<TProgrammeG20&>(FCopies.Travail(0));
}

TZoneCPS& TFrmProgrammationG20::ElecCourante() const {
    return dynamic_cast<TZoneCPS&>(FCopies.Travail(1));
}

TZoneCPS& TFrmProgrammationG20::LienProcess() const {
    return dynamic_cast<TZoneCPS&>(FCopies.Travail(2));
}

void TFrmProgrammationG20::CreerControles() {
    pclProgrammation = new QTabWidget(Client());
    pclProgrammation->setObjectName(QStringLiteral("pclProgrammation"));
    CreerOnglets();
    for (const L& ligne : Liaisons) {
        if (ligne.Pas == 0) {
            CreerControle(ligne, 0);
            continue;
        }
        for (int pas = 1; pas <= ligne.Pas; ++pas)
            CreerControle(ligne, pas);
    }
    CreerGraphes();
    CreerBas();
    auto* client = new QVBoxLayout(Client());
    client->setContentsMargins(4, 4, 4, 4);
    client->addWidget(pclProgrammation, 1);
    auto* programme = new QHBoxLayout;
    QLabel* lblNumProg = new QLabel(QStringLiteral("Programme"), Client());
    lblNumProg->setObjectName(QStringLiteral("lblNumProgCourant"));
    programme->addWidget(lblNumProg);
    programme->addWidget(cmbNumProgCourant);
    programme->addWidget(lblDescrProg, 1);
    client->addLayout(programme);
    client->addWidget(pnlVisualisuSignaturesTR);
    for (const TControle& controle : FControles)
        Connecter(controle);
    connect(cmbNumProgCourant, &QComboBox::currentIndexChanged, this,
            [this] { cmbNumProgCourantChange(); });
}

// The tabs, each with a grid, and the group of the slope set points.
void TFrmProgrammationG20::CreerOnglets() {
    for (const TOnglet& onglet : Onglets) {
        auto* page = new QWidget;
        page->setObjectName(QString::fromLatin1(onglet.Nom));
        auto* grille = new QGridLayout(page);
        // The free space goes past the last column and below the last row.
        grille->setColumnStretch(8, 1);
        grille->setRowStretch(20, 1);
        pclProgrammation->addTab(page, Texte(onglet.Texte));
    }
    gbxConsignesMF = new QGroupBox(QStringLiteral("Consignes MF"));
    gbxConsignesMF->setObjectName(QStringLiteral("gbxConsignesMF"));
    new QGridLayout(gbxConsignesMF);
    auto* consignes =
        static_cast<QGridLayout*>(pclProgrammation->widget(tabConsigneSoudage)->layout());
    consignes->addWidget(gbxConsignesMF, 18, 2, 1, 4);
}

void TFrmProgrammationG20::CreerControle(const L& Ligne, int Pas) {
    QWidget* parent = Ligne.Conteneur == grpConsignesMF ? static_cast<QWidget*>(gbxConsignesMF)
                                                        : pclProgrammation->widget(Ligne.Conteneur);
    auto* grille = static_cast<QGridLayout*>(parent->layout());
    const QString texte =
        Ligne.Texte == nullptr
            ? QString()
            : Texte(isTypeMF && Ligne.TexteMF != nullptr ? Ligne.TexteMF : Ligne.Texte);
    QLabel* label = nullptr;
    if (Ligne.Label != nullptr && Pas <= 1) {
        label = new QLabel(texte, parent);
        label->setObjectName(QString::fromLatin1(Ligne.Label));
        if (Ligne.Pas > 0)
            grille->addWidget(label, Ligne.Rang - 1, Ligne.Colonne);
        else
            grille->addWidget(label, Ligne.Rang,
                              Ligne.Genre == G::Libelle ? Ligne.Colonne : Ligne.Colonne - 1);
    }
    if (Ligne.Genre == G::Libelle) {
        FControles.push_back({&Ligne, Pas, label, label});
        return;
    }
    QWidget* widget = CreerWidget(Ligne, Pas, parent, texte);
    widget->setObjectName(NomControle(Ligne, Pas));
    grille->addWidget(widget, Ligne.Rang + std::max(Pas - 1, 0), Ligne.Colonne);
    FControles.push_back({&Ligne, Pas, widget, label});
    if (Ligne.Genre == G::Liste2 && Ligne.Champ == IDSortieProgrammable) {
        auto* description = new QLabel(parent);
        description->setObjectName(QStringLiteral("lblDescrSPAssociee"));
        grille->addWidget(description, Ligne.Rang, Ligne.Colonne + 1);
    }
}

// The widget of a control, by its kind.
QWidget* TFrmProgrammationG20::CreerWidget(const L& Ligne, int Pas, QWidget* Parent,
                                           const QString& Texte) {
    if (EstListe(Ligne.Genre)) {
        auto* combo = new TKEVComboBox(Parent);
        combo->setMinimumWidth(90);
        return combo;
    }
    if (EstNombre(Ligne.Genre)) {
        TKevRichEdit* edit = nullptr;
        if (Ligne.Genre == G::Ampere && Pas > 0)
            edit = new TKevRichEditPalierIntensite(Parent);
        else if (Pas > 0)
            edit = new TKevRichEditPalier(Parent);
        else
            edit = new TKevRichEdit(Parent);
        if (auto* palier = qobject_cast<TKevRichEditPalier*>(edit))
            palier->SetTag(Pas);
        edit->setFixedWidth(70);
        return edit;
    }
    if (Ligne.Genre == G::Lecture) {
        auto* lecture = new QLabel(Parent);
        lecture->setFrameShape(QFrame::Panel);
        lecture->setFrameShadow(QFrame::Sunken);
        return lecture;
    }
    if (Ligne.Genre == G::Texte)
        return txtCommentaire = new QPlainTextEdit(Parent);
    return new QCheckBox(Texte, Parent);
}

QString TFrmProgrammationG20::NomControle(const L& Ligne, int Pas) const {
    const QString nom = QString::fromLatin1(Ligne.Nom);
    return Pas == 0 ? nom : nom + QStringLiteral("%1").arg(Pas, 2, 10, QLatin1Char('0'));
}

void TFrmProgrammationG20::CreerGraphes() {
    const int premiere =
        ProgrammationMini != nullptr ? ProgrammationMini->GetAsInteger(IDNombrePulsations) : 1;
    chtGraphCycleSoudage = new QtChartSeriesView(1);
    chtGraphCycleSoudage->setObjectName(QStringLiteral("chtGraphCycleSoudage"));
    chtGraphCycleSoudage->setMinimumSize(480, 320);
    auto* temps = static_cast<QGridLayout*>(pclProgrammation->widget(tabTemps)->layout());
    temps->addWidget(chtGraphCycleSoudage, 0, 2, 13, 1);
    temps->setColumnStretch(2, 1);
    temps->setColumnStretch(8, 0);
    if (isTypeMF) {
        auto graphe = std::make_unique<TGraphTempsMF>(chtGraphCycleSoudage, premiere);
        graphe->SetTitreAxeBas("Temps (ms)");
        GraphCycleSoud_ = std::move(graphe);
    } else {
        GraphCycleSoud_ = std::make_unique<TGraphTemps>(chtGraphCycleSoudage, premiere);
        chtGraphCycleSoudage->SetBottomAxisTitle("Périodes");
    }
    chtGraphCompensationUsure = new QtChartSeriesView(2);
    chtGraphCompensationUsure->setObjectName(QStringLiteral("chtGraphCompensationUsure"));
    chtGraphCompensationUsure->setMinimumSize(360, 280);
    auto* consignes =
        static_cast<QGridLayout*>(pclProgrammation->widget(tabConsigneSoudage)->layout());
    consignes->addWidget(chtGraphCompensationUsure, 0, 6, 19, 1);
    consignes->setColumnStretch(6, 1);
    consignes->setColumnStretch(8, 0);
    GraphCompUsure_ = std::make_unique<TGraphCU>(
        chtGraphCompensationUsure, ConfigurationEntier(ChampsConfiguration::IDCUContinue) != 0,
        NbPas);
}

// The program number, the points of the process link and the last weld result.
void TFrmProgrammationG20::CreerBas() {
    cmbNumProgCourant = new TKEVComboBox(Client());
    cmbNumProgCourant->setObjectName(QStringLiteral("cmbNumProgCourant"));
    lblDescrProg = new QLabel(Client());
    lblDescrProg->setObjectName(QStringLiteral("lblDescrProg"));
    lblDescrProg->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));

    QWidget* lien = pclProgrammation->widget(tabLiensProcess);
    lswPoints = new TKevVirtualStringTree(lien);
    lswPoints->setObjectName(QStringLiteral("lswPoints"));
    lswPoints->SetColumns(
        {QString::fromStdString(TranslateMessage(ClassName(), "msgNumPoint", "N° de point")),
         QString::fromStdString(TranslateMessage(ClassName(), "msgProgramme", "Programme"))});
    static_cast<QGridLayout*>(lien->layout())->addWidget(lswPoints, 0, 0, 1, 2);
    txtCommentaire->setMinimumSize(400, 120);

    pnlVisualisuSignaturesTR = new QWidget(Client());
    pnlVisualisuSignaturesTR->setObjectName(QStringLiteral("pnlVisualisuSignaturesTR"));
    auto* panneau = new QGridLayout(pnlVisualisuSignaturesTR);
    for (std::size_t i = 0; i < Resultats.size(); ++i) {
        auto* libelle = new QLabel(Texte(Resultats[i].Texte), pnlVisualisuSignaturesTR);
        libelle->setObjectName(QString::fromLatin1(Resultats[i].Nom));
        auto* valeur = new QLabel(pnlVisualisuSignaturesTR);
        valeur->setObjectName(QString::fromLatin1(Resultats[i].Nom) + QStringLiteral("Valeur"));
        valeur->setFrameShape(QFrame::Panel);
        valeur->setMinimumWidth(60);
        panneau->addWidget(libelle, 0, static_cast<int>(i) * 2);
        panneau->addWidget(valeur, 0, static_cast<int>(i) * 2 + 1);
        FResultats.push_back(valeur);
    }
    if (isTypeMF) {
        auto* pourcents = pnlVisualisuSignaturesTR->findChild<QLabel*>("lblPourcentsEquiv");
        pourcents->setText(QStringLiteral("%PWM"));
        pourcents->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    auto* derniere =
        new QLabel(QStringLiteral("Résultats de la dernière exécution du programme : "),
                   pnlVisualisuSignaturesTR);
    derniere->setObjectName(QStringLiteral("lblDerniereExecution"));
    lblDefautPresent = new QLabel(pnlVisualisuSignaturesTR);
    lblDefautPresent->setObjectName(QStringLiteral("lblDefautPresent"));
    panneau->addWidget(derniere, 1, 0, 1, 4);
    panneau->addWidget(lblDefautPresent, 1, 4, 1, 4);
    FResultats.push_back(lblDefautPresent);
    if (SettingsProxy() != nullptr &&
        SettingsProxy()->ReadBool("Editeurs", "MasquerDernierResultat", false))
        pnlVisualisuSignaturesTR->hide();
}

void TFrmProgrammationG20::Connecter(const TControle& Controle) {
    const TControle* c = &Controle;
    if (auto* combo = qobject_cast<QComboBox*>(Controle.Widget)) {
        connect(combo, &QComboBox::currentIndexChanged, this, [this, c] { Modifier(*c); });
    } else if (auto* edit = qobject_cast<TKevRichEdit*>(Controle.Widget)) {
        if (Controle.Ligne->Genre == G::Reference || Controle.Ligne->Champ == IDReferencePourcent ||
            Controle.Ligne->Champ == IDReferenceTension)
            connect(edit, &TKevNumberEdit::Validate, this, [this, c] { txtReferenceValidate(*c); });
        else
            connect(edit, &TKevNumberEdit::Change, this, [this, c] { Modifier(*c); });
        connect(edit, &TKevNumberEdit::Exit, this, [this, c] { txtEffortExit(*c); });
    } else if (auto* coche = qobject_cast<QCheckBox*>(Controle.Widget)) {
        connect(coche, &QCheckBox::toggled, this, [this, c] { Modifier(*c); });
    } else if (Controle.Ligne->Genre == G::Texte) {
        connect(txtCommentaire, &QPlainTextEdit::textChanged, this,
                [this] { txtCommentaireChange(); });
    }
}

// ---------------------------------------------------------------------------------------
// Loading

void TFrmProgrammationG20::PreparerControles() {
    cmbNumProgCourant->blockSignals(true);
    cmbNumProgCourant->clear();
    if (TCustomEpromDescription* description = FEprom ? FEprom->GetDescription() : nullptr) {
        const int maxi = description->GetMaxZone(PrcProgrammes);
        for (int numero = description->GetMinZone(PrcProgrammes); numero >= 0 && numero <= maxi;
             ++numero) {
            TTypeZones type = PrcProgrammes;
            int n = numero;
            if (!FEprom->IsLockZone(type, n))
                cmbNumProgCourant->addItem(
                    QString::fromStdString(Format(maxi <= 99 ? "%.2d" : "%.3d", numero)), numero);
        }
    }
    cmbNumProgCourant->setCurrentIndex(cmbNumProgCourant->findData(FNumProg));
    cmbNumProgCourant->blockSignals(false);
    MajEtatSaisie(!EnVisualisation());
}

void TFrmProgrammationG20::ChargerProgramme(int Numero) {
    TTypeZones type = PrcProgrammes;
    int numero = Numero;
    if (FEprom == nullptr || FEprom->IsLockZone(type, numero)) {
        MessageDlg(SectionSD, "IDProgrammeLockError", "Programme utilisé par la SD", mtError, mbOK);
        return;
    }
    try {
        FCopies.Charger(0, Numero);
        FCopies.Charger(2, Numero);
        FCopies.Charger(1, ProgCourant().GetNumeroElectrode());
        FNumProg = Numero;
        ActualiserRapports();
        Remplir();
        EffacerSignature();
        SetSignature();
    } catch (const std::exception& erreur) {
        Journaliser("ChargerProgramme", erreur);
    }
    MajDescriptionProgramme();
}

// Both copies of the program show their ampere set points at the ratio of their electrode.
void TFrmProgrammationG20::ActualiserRapports() {
    for (TCustomZoneCPS* copie : {&FCopies.Initiale(0), &FCopies.Travail(0)})
        dynamic_cast<TProgrammeG20&>(*copie).ActualiserRapportsAmperes();
    FModeAmperes = ProgCourant().IsModeAmperes();
}

void TFrmProgrammationG20::Remplir() {
    const bool chargement = std::exchange(FChargement, true);
    if (TKevRichEdit* reference = qobject_cast<TKevRichEdit*>(Controle("txtRefAmpere")->Widget))
        reference->SetNombreDecimale(FModeAmperes ? 0 : 2);
    RemplirLibelles();
    for (const TControle& controle : FControles)
        RemplirControle(controle);
    RemplirPoints();
    MajVisibilite();
    MajColonnes();
    MajEV();
    MajEffort();
    MajItalique();
    FChargement = chargement;
    MajPointsGraphCU();
    MajGraphCU(0);
    GraphCycleSoud_->NombrePulse = ProgCourant().GetNombrePulsations();
    for (int segment = segPremierAccostage; segment <= segIntervallePulse; ++segment)
        GraphCycleSoud_->SetValeurSegment(static_cast<TSegmentGrapheTemps>(segment), 0);
    for (const L& ligne : Liaisons)
        if (ligne.Segment != segAucunTemps)
            GraphCycleSoud_->SetValeurSegment(
                ligne.Segment, static_cast<int>(ProgCourant().GetRawValue(ligne.Champ)));
    MajGraphTemps(segAucunTemps);
}

void TFrmProgrammationG20::RemplirControle(const TControle& Controle) {
    const L& ligne = *Controle.Ligne;
    const QSignalBlocker bloque(Controle.Widget);
    if (EstListe(ligne.Genre)) {
        RemplirListe(Controle);
        return;
    }
    if (qobject_cast<TKevRichEdit*>(Controle.Widget) != nullptr) {
        RemplirNombre(Controle);
        return;
    }
    if (auto* coche = qobject_cast<QCheckBox*>(Controle.Widget)) {
        if (ligne.Genre == G::Controle)
            coche->setChecked(ProgCourant().GetModeControle() >= ligne.Option);
        else
            coche->setChecked(Champ(ligne, 0).GetAsBoolean());
        return;
    }
    if (ligne.Genre == G::Lecture)
        static_cast<QLabel*>(Controle.Widget)
            ->setText(QString::fromStdString(ProgCourant().GetModeCtrlAsString()));
    else if (ligne.Genre == G::Texte)
        txtCommentaire->setPlainText(
            QString::fromStdString(LienProcess().GetAsString(ligne.Champ)));
}

// A number edit: its digits, bounds, hint and value.
void TFrmProgrammationG20::RemplirNombre(const TControle& Controle) {
    const L& ligne = *Controle.Ligne;
    auto* edit = static_cast<TKevRichEdit*>(Controle.Widget);
    const int decimales = Decimales(ligne);
    const double valeur = Valeur(ligne, Controle.Pas);
    const bool courant =
        ligne.Genre == G::Ampere || ligne.Genre == G::Reference || ligne.Genre == G::Kilo;
    if (ligne.Genre == G::Ampere || ligne.Genre == G::Kilo)
        MajChiffres(Controle, valeur);
    else
        edit->SetNombreDecimale(decimales);
    edit->SetMinValue(Borne(ligne, false));
    edit->SetMaxValue(Borne(ligne, true));
    // Hints of currents: one decimal in kiloamperes, none in amperes.
    const int decimalesIndication =
        courant ? (FModeAmperes && ligne.Genre != G::Kilo ? 0 : 1) : decimales;
    edit->SetHint(QString::fromStdString(
        TReglesProgrammation::Indication(edit->MinValue(), edit->MaxValue(), decimalesIndication)));
    edit->SetValue(valeur);
}

// A list: its items (from the companions' limits) and the current value's item.
void TFrmProgrammationG20::RemplirListe(const TControle& Controle) {
    const L& ligne = *Controle.Ligne;
    auto* combo = static_cast<QComboBox*>(Controle.Widget);
    combo->clear();
    if (ligne.Genre == G::Electrode) {
        TCustomEpromDescription* description = FEprom->GetDescription();
        for (int n = description->GetMinZone(PrcElectrodes);
             n >= 0 && n <= description->GetMaxZone(PrcElectrodes); ++n)
            combo->addItem(QString::fromStdString(Format("%.2d", n)), n);
        combo->setCurrentIndex(combo->findData(ProgCourant().GetNumeroElectrode()));
        return;
    }
    const int mini = RawCompagnon(ligne, false);
    const int maxi = RawCompagnon(ligne, true);
    const bool temps =
        ligne.Genre == G::Temps || ligne.Genre == G::TempsDemi || ligne.Genre == G::Soudage;
    const TListeTemps genre = ligne.Genre == G::TempsDemi && isTypeMF  ? TListeTemps::DemiPeriodes
                              : ligne.Genre == G::Soudage && !isTypeMF ? TListeTemps::SoudageAC
                                                                       : TListeTemps::Entiers;
    if (temps) {
        for (const std::string& item : TReglesProgrammation::ItemsTemps(mini, maxi, genre))
            combo->addItem(QString::fromStdString(item));
        combo->setCurrentIndex(TReglesProgrammation::IndexTemps(
            static_cast<int>(ProgCourant().GetRawValue(ligne.Champ)), mini, genre,
            genre == TListeTemps::SoudageAC && ProgCourant().GetSoudageDemiPeriode()));
        return;
    }
    for (int valeur = mini; valeur <= maxi; ++valeur) {
        if (ligne.Genre == G::Valeurs)
            combo->addItem(
                QString::fromStdString(ProgCourant().DetailIDChamp(ligne.Champ.ID(), valeur)));
        else
            combo->addItem(
                QString::fromStdString(Format(ligne.Genre == G::Liste2 ? "%.2d" : "%d", valeur)));
    }
    combo->setCurrentIndex(Champ(ligne, 0).GetAsInteger() - mini);
    if (ligne.Champ == IDSortieProgrammable)
        if (auto* description = findChild<QLabel*>(QStringLiteral("lblDescrSPAssociee")))
            description->setText(QString::fromStdString(
                ProgCourant().DetailIDChamp(ligne.Champ.ID(), Champ(ligne, 0).GetAsInteger())));
}

// The points of the point table whose program is the current one.
void TFrmProgrammationG20::RemplirPoints() {
    lswPoints->clear();
    FAssignationHandler->ChargerDonneesPoints(this);
    for (int i = 0; i < FAssignationHandler->Count(); ++i)
        if (FAssignationHandler->GetNumProg(i) == FNumProg)
            lswPoints->AddRow({QString::fromStdString(FAssignationHandler->GetNumPoint(i)),
                               QString::number(FAssignationHandler->GetNumProg(i))});
    lswPoints->AutoSizeColumns();
}

void TFrmProgrammationG20::RemplirLibelles() {
    if (auto* unite = findChild<QLabel*>(QStringLiteral("lblAmpere")))
        unite->setText(FModeAmperes ? QStringLiteral("A") : QStringLiteral("kA"));
}

void TFrmProgrammationG20::MajDescriptionProgramme() {
    const bool nonSelectionnable =
        FNumProg > 15 && ConfigurationEntier(ChampsConfiguration::IDModePince) == 3;
    lblDescrProg->setText(nonSelectionnable
                              ? QString::fromStdString(TranslateMessage(
                                    ClassName(), "IDNoSelProg", "Programme non sélectionnable"))
                              : QString());
}

// A control shows only when the EPROM's program links its field into a tab sheet.
void TFrmProgrammationG20::MajVisibilite() {
    for (const TControle& controle : FControles) {
        const bool visible = ChampVisible(*controle.Ligne);
        controle.Widget->setVisible(visible);
        if (controle.Label != nullptr)
            controle.Label->setVisible(visible);
    }
    if (auto* description = findChild<QLabel*>(QStringLiteral("lblDescrSPAssociee")))
        description->setVisible(!Controle("cmbNumSPAssociee")->Widget->isHidden());
    const TZoneCPS* ouverte = dynamic_cast<const TZoneCPS*>(ZoneOuverte());
    const TKEVField* upslope = ouverte ? ouverte->FindField(IDAmpereDebutUpslope) : nullptr;
    gbxConsignesMF->setVisible(upslope != nullptr && upslope->GetLinked());
}

bool TFrmProgrammationG20::ChampVisible(const L& Ligne) const {
    if (Ligne.Zone != TZoneLiee::Programme || Ligne.Champ.Empty())
        return true;
    // The whole voltage column, its reference included, follows the voltage steps.
    const TFieldHandle& suivi =
        Ligne.Consigne == TColonne::Tension ? IDPaliersTension : Ligne.Champ;
    const auto* ouverte = dynamic_cast<const TZoneCPS*>(ZoneOuverte());
    const TKEVField* champ = ouverte != nullptr ? ouverte->FindField(suivi) : nullptr;
    return champ != nullptr && champ->GetLinked();
}

// ---------------------------------------------------------------------------------------
// Editing

void TFrmProgrammationG20::Modifier(const TControle& Controle) {
    if (FChargement)
        return;
    try {
        if (Controle.Ligne->Champ == IDModeRegulation)
            cmbRegulationChange(Controle);
        else if (Controle.Ligne->Genre == G::Controle)
            chkControleClick(Controle);
        else if (Controle.Ligne->Genre == G::Electrode)
            cmbNumElectrodeChange();
        else
            EcrireControle(Controle);
        Apres(Controle);
    } catch (const std::exception& erreur) {
        Journaliser("Modifier", erreur);
    }
}

// Writes the control's value into its field.
void TFrmProgrammationG20::EcrireControle(const TControle& Controle) {
    const L& ligne = *Controle.Ligne;
    if (auto* combo = qobject_cast<QComboBox*>(Controle.Widget)) {
        if (combo->currentIndex() >= 0)
            EcrireListe(ligne, combo->currentIndex());
        return;
    }
    if (auto* edit = qobject_cast<TKevRichEdit*>(Controle.Widget)) {
        const double valeur = edit->Value();
        if (ligne.Genre == G::Ampere || ligne.Genre == G::Kilo || ligne.Genre == G::Reference ||
            ligne.Genre == G::Points)
            Champ(ligne, Controle.Pas)
                .SetAsInteger(static_cast<int>(std::nearbyint(valeur * Diviseur(ligne))));
        else // rounded to the field's decimals
            Champ(ligne, Controle.Pas)
                .SetAsFloat(TReglesProgrammation::Derivee(valeur, 100.0, Decimales(ligne)));
        if (ligne.Genre == G::Ampere || ligne.Genre == G::Kilo)
            MajChiffres(Controle, valeur);
        return;
    }
    if (auto* coche = qobject_cast<QCheckBox*>(Controle.Widget))
        Champ(ligne, 0).SetAsBoolean(coche->isChecked());
}

// The item Index of a list: raw times and integers from the Mini companion's value on, the
// value captions likewise; on AC the weld time's "1/2" sets the half-period weld.
void TFrmProgrammationG20::EcrireListe(const L& Ligne, int Index) {
    const int mini = RawCompagnon(Ligne, false);
    if (Ligne.Genre == G::Soudage && !isTypeMF) {
        const auto temps = TReglesProgrammation::TempsDeIndex(Index, mini, TListeTemps::SoudageAC);
        ProgCourant().SetTempsSoudage(temps.Raw);
        ProgCourant().SetSoudageDemiPeriode(temps.DemiPeriode);
    } else if (Ligne.Genre == G::Valeurs) {
        Champ(Ligne, 0).SetAsInteger(mini + Index);
    } else {
        ProgCourant().SetRawValue(Ligne.Champ, mini + Index);
    }
}

// What a change refreshes: the sequence graph, the wear graph, the derived set points and
// the states of the other controls.
void TFrmProgrammationG20::Apres(const TControle& Controle) {
    const L& ligne = *Controle.Ligne;
    if (ligne.Segment != segAucunTemps) {
        GraphCycleSoud_->SetValeurSegment(ligne.Segment,
                                          static_cast<int>(ProgCourant().GetRawValue(ligne.Champ)));
        MajGraphTemps(ligne.Segment);
    } else if (ligne.Champ == IDNombrePulsations) {
        GraphCycleSoud_->NombrePulse = ProgCourant().GetNombrePulsations();
        MajGraphTemps(segAucunTemps);
    } else if (ligne.Champ == IDAvecIntensite) {
        MajGraphTemps(segAucunTemps);
    }
    if (ligne.Consigne != TColonne::Aucune && ligne.Consigne == ColonneActive()) {
        MajGraphTemps(segAucunTemps);
        if (Controle.Pas > 0)
            MajGraphCU(Controle.Pas);
    }
    if (ligne.Champ == IDVariationSegment)
        txtVariationChange(Controle.Pas);
    else if (ligne.Zone == TZoneLiee::Electrode) {
        MajPointsGraphCU();
        MajGraphCU(Controle.Pas);
    } else if (ligne.Champ == IDModeElectrovannes)
        MajEV();
    else if (ligne.Champ == IDControleEffort)
        MajEffort();
    else if (ligne.Champ == IDSortieProgrammable)
        RemplirListe(Controle);
}

void TFrmProgrammationG20::cmbRegulationChange(const TControle& Controle) {
    auto* combo = static_cast<QComboBox*>(Controle.Widget);
    TProgrammeG20& programme = ProgCourant();
    if (TReglesProgrammation::RegulationBloquee(programme.GetModeRegulation(),
                                                programme.GetModeControle(), isTypeMF)) {
        {
            const QSignalBlocker bloque(combo);
            combo->setCurrentIndex(programme.GetModeRegulation() - programme.GetModeRegulMini());
        }
        const std::string texte = Format(
            TranslateMessage(ClassName(), "IDControlModeLocked",
                             "Le mode de régulation ne peut pas être changé tant que le contrôle "
                             "%s est activé !"),
            NomPourcent(isTypeMF));
        MessageDlg(ClassName(), "IDControlModeLocked", texte, mtWarning, mbOK);
        return;
    }
    programme.SetModeRegulation(combo->currentIndex() + programme.GetModeRegulMini());
    Remplir();
}

void TFrmProgrammationG20::chkControleClick(const TControle& Controle) {
    auto* intensite = static_cast<QCheckBox*>(this->Controle("chkControleIntensite")->Widget);
    auto* pourcent = static_cast<QCheckBox*>(this->Controle("chkControlePsi")->Widget);
    if (Controle.Widget == intensite && !intensite->isChecked()) {
        const QSignalBlocker bloque(pourcent);
        pourcent->setChecked(false);
    }
    if (Controle.Widget == pourcent && pourcent->isChecked()) {
        const QSignalBlocker bloque(intensite);
        intensite->setChecked(true);
    }
    ProgCourant().SetModeControle(
        TReglesProgrammation::ModeControle(intensite->isChecked(), pourcent->isChecked()));
    RemplirControle(*this->Controle("txtControle"));
    MajColonnes();
    MajGraphTemps(segAucunTemps);
}

void TFrmProgrammationG20::cmbNumElectrodeChange() {
    auto* combo = static_cast<QComboBox*>(Controle("cmbNumElectrode")->Widget);
    const int numero = combo->currentData().toInt();
    TTypeZones type = PrcElectrodes;
    int n = numero;
    if (FEprom->IsLockZone(type, n)) {
        const QSignalBlocker bloque(combo);
        combo->setCurrentIndex(combo->findData(ProgCourant().GetNumeroElectrode()));
        MessageDlg(SectionSD, "IDElectrodeLockedError", "Electrode utilisée par la SD", mtError,
                   mbOK);
        return;
    }
    FCopies.Charger(1, numero);
    ProgCourant().SetNumeroElectrode(numero);
    ActualiserRapports();
    Remplir();
}

// A variation rewrites the three set points of its step from their references.
void TFrmProgrammationG20::txtVariationChange(int Pas) {
    if (ConfigurationEntier(ChampsConfiguration::IDCUContinue) != 2)
        return;
    const double variation = ProgCourant().GetVariationSegment(Pas - 1);
    struct TDerivee {
        const char* Colonne;
        const char* Reference;
    };
    for (const TDerivee& d :
         {TDerivee{"txtPourcentImax", "txtRefPourcent"}, TDerivee{"txtAmpere", "txtRefAmpere"},
          TDerivee{"txtPourcentU", "txtRefTension"}}) {
        const TControle* cible = Controle(d.Colonne, Pas);
        const TControle* reference = Controle(d.Reference);
        auto* edit = static_cast<TKevRichEdit*>(cible->Widget);
        const double valeur = TReglesProgrammation::Derivee(Valeur(*reference->Ligne, 0), variation,
                                                            edit->NombreDecimale());
        {
            const QSignalBlocker bloque(edit);
            edit->SetValue(valeur);
        }
        if (ChampVisible(*cible->Ligne)) {
            EcrireControle(*cible);
            Apres(*cible);
        }
    }
}

// Validating a reference stores it and rewrites the ten steps of its column.
void TFrmProgrammationG20::txtReferenceValidate(const TControle& Controle) {
    if (FChargement)
        return;
    try {
        EcrireControle(Controle);
        if (ConfigurationEntier(ChampsConfiguration::IDCUContinue) == 2)
            for (int pas = 1; pas <= NbPas; ++pas)
                txtVariationChange(pas);
    } catch (const std::exception& erreur) {
        Journaliser("txtReferenceValidate", erreur);
    }
}

// Leaving a force bound makes it the other bound's limit.
void TFrmProgrammationG20::txtEffortExit(const TControle& Controle) {
    const L& ligne = *Controle.Ligne;
    if (ligne.Champ != IDEffortMiniForgeage && ligne.Champ != IDEffortMaxiForgeage)
        return;
    const bool mini = ligne.Champ == IDEffortMiniForgeage;
    auto* source = static_cast<TKevRichEdit*>(Controle.Widget);
    auto* autre = static_cast<TKevRichEdit*>(
        this->Controle(mini ? "txtEffortForgeageMaxi" : "txtEffortForgeageMini")->Widget);
    if (mini)
        autre->SetMinValue(source->Value());
    else
        autre->SetMaxValue(source->Value());
    autre->SetHint(QString::fromStdString(
        TReglesProgrammation::IndicationEffort(autre->MinValue(), autre->MaxValue())));
}

void TFrmProgrammationG20::txtCommentaireChange() {
    if (FChargement)
        return;
    const int taille = 1000;
    QString texte = txtCommentaire->toPlainText();
    if (texte.size() > taille) {
        texte.truncate(taille);
        const QSignalBlocker bloque(txtCommentaire);
        txtCommentaire->setPlainText(texte);
        txtCommentaire->moveCursor(QTextCursor::End);
    }
    try {
        LienProcess().SetAsString(IDLienProcess::IDCommentaire, texte.toStdString());
    } catch (const std::exception& erreur) {
        Journaliser("txtCommentaireChange", erreur);
    }
}

void TFrmProgrammationG20::txtNumPointChange(int Index, const QString& Numero) {
    const TKEVField* points = LienProcess().FindField(IDLienProcess::IDNumPointLienProcess);
    const auto* tableau = dynamic_cast<const IKEVArrayField*>(points);
    if (tableau == nullptr || Index < 1 || Index > tableau->GetCount()) {
        LogEvent(this, "txtNumPointChange",
                 "L'objet numéro point (" + IntToStr(Index) + ") n'a pas été trouvé",
                 "Zone lien process (#" + IntToStr(LienProcess().GetNumeroZone()) + ")", LogAnomaly,
                 CatZRT);
        return;
    }
    TKEVField& point = LienProcess().Element(IDLienProcess::IDNumPointLienProcess, Index - 1);
    point.SetAsString("");
    point.SetAsString(Numero.toStdString());
}

void TFrmProgrammationG20::ChoisirProgramme(int Numero) {
    const int index = cmbNumProgCourant->findData(Numero);
    if (index >= 0 && index != cmbNumProgCourant->currentIndex())
        cmbNumProgCourant->setCurrentIndex(index);
}

// Switching programs: the electrode's changes first, then the program's.
void TFrmProgrammationG20::cmbNumProgCourantChange() {
    const int numero = cmbNumProgCourant->currentData().toInt();
    if (numero == FNumProg)
        return;
    if (!QuestionElectrode() || !QuestionProgramme()) {
        const QSignalBlocker bloque(cmbNumProgCourant);
        cmbNumProgCourant->setCurrentIndex(cmbNumProgCourant->findData(FNumProg));
        return;
    }
    ChargerProgramme(numero);
    if (FNumProg != numero) {
        const QSignalBlocker bloque(cmbNumProgCourant);
        cmbNumProgCourant->setCurrentIndex(cmbNumProgCourant->findData(FNumProg));
    }
}

// A changed electrode: Yes sends it alone, No puts it back, Cancel keeps everything.
bool TFrmProgrammationG20::QuestionElectrode() {
    if (!FCopies.Differe(1))
        return true;
    switch (MessageDlg(SectionMessages, "DonneesElectrodeModifiees",
                       "Les données de l'électrode ont été modifiées. Souhaitez vous les "
                       "sauvegarder ?",
                       mtConfirmation, mbYes | mbNo | mbCancel)) {
    case mrYes:
        FEnvoiElectrodeSeule = true;
        SauverDonnees();
        FEnvoiElectrodeSeule = false;
        return true;
    case mrNo:
        FCopies.Travail(1).Assign(&FCopies.Initiale(1));
        return true;
    default:
        return false;
    }
}

bool TFrmProgrammationG20::QuestionProgramme() {
    if (!IsDonneesModifiees())
        return true;
    switch (MessageDlg(SectionMessages, "Mess_DataModified",
                       "Les données ont été modifiées. Souhaitez vous les sauvegarder ?",
                       mtConfirmation, mbYes | mbNo | mbCancel)) {
    case mrYes:
        SauverDonnees();
        return true;
    case mrNo:
        AnnulerDonnees();
        return true;
    default:
        return false;
    }
}

// ---------------------------------------------------------------------------------------
// Refreshing

void TFrmProgrammationG20::MajColonnes() {
    const TProgrammeG20& programme = ProgCourant();
    for (const TControle& controle : FControles) {
        if (controle.Ligne->Consigne == TColonne::Aucune)
            continue;
        if (auto* edit = qobject_cast<TKevRichEdit*>(controle.Widget))
            edit->SetColor(static_cast<quint32>(TReglesProgrammation::Couleur(
                controle.Ligne->Consigne, programme.GetModeRegulation(),
                programme.GetModeControle(), isTypeMF)));
    }
}

void TFrmProgrammationG20::MajChiffres(const TControle& Controle, double Valeur) {
    auto* edit = static_cast<TKevRichEdit*>(Controle.Widget);
    const bool liees = ConfigurationEntier(ChampsConfiguration::IDCUConsignesLiees) != 0;
    const auto chiffres = TReglesProgrammation::ChiffresCourant(
        Valeur, liees, FModeAmperes && Controle.Ligne->Genre != G::Kilo,
        {edit->NombreEntier(), edit->NombreDecimale()});
    edit->SetNombreEntier(chiffres.Entiers);
    edit->SetNombreDecimale(chiffres.Decimales);
}

// The delay and duration of the second valve count only with the last valve mode.
void TFrmProgrammationG20::MajEV() {
    auto* combo = static_cast<QComboBox*>(Controle("cmbModeEV")->Widget);
    const bool actif = combo->currentIndex() == combo->count() - 1;
    for (const char* nom : {"txtRetardEV2", "txtDureeEV2"}) {
        auto* edit = static_cast<TKevRichEdit*>(Controle(nom)->Widget);
        edit->setEnabled(actif);
        edit->setBackgroundRole(actif ? QPalette::Base : QPalette::Button);
    }
}

void TFrmProgrammationG20::MajEffort() {
    const bool actif = ProgCourant().GetControleEffort();
    for (const char* nom :
         {"txtEffortFinAccostage", "txtEffortForgeageMini", "txtEffortForgeageMaxi"})
        Controle(nom)->Widget->setEnabled(actif);
    for (const char* nom : {"txtEffortForgeageMini", "txtEffortForgeageMaxi"}) {
        auto* edit = static_cast<TKevRichEdit*>(Controle(nom)->Widget);
        edit->SetHint(QString::fromStdString(
            TReglesProgrammation::IndicationEffort(edit->MinValue(), edit->MaxValue())));
    }
}

// The sequence graph's levels are those of the set-point column.
void TFrmProgrammationG20::MajGraphTemps(int Segment) {
    const TProgrammeG20& programme = ProgCourant();
    const TColonne colonne = ColonneActive();
    struct TNiveaux {
        const char* Etape1;
        const char* Prechauffage;
        const char* Recuit;
        const char* Titre;
    };
    const TNiveaux niveaux =
        colonne == TColonne::Ampere ? TNiveaux{"txtAmpere", "txtPrechauffageAmpere",
                                               "txtRecuitAmpere", FModeAmperes ? "A" : "kA"}
        : colonne == TColonne::Tension
            ? TNiveaux{"txtPourcentU", "txtPrechauffagePourcentU", "txtRecuitPourcentU", "%U"}
            : TNiveaux{"txtPourcentImax", "txtPrechauffagePourcentImax", "txtRecuitPourcentImax",
                       isTypeMF ? "%PWM" : "%Imax"};
    GraphCycleSoud_->Intensite = Valeur(*Controle(niveaux.Etape1, 1)->Ligne, 1);
    GraphCycleSoud_->IntensitePrechauffage = Valeur(*Controle(niveaux.Prechauffage)->Ligne, 0);
    GraphCycleSoud_->IntensiteRecuit = Valeur(*Controle(niveaux.Recuit)->Ligne, 0);
    GraphCycleSoud_->AvecIntensite = programme.GetAvecIntensite();
    GraphCycleSoud_->DemiPeriode = !isTypeMF && programme.GetSoudageDemiPeriode();
    chtGraphCycleSoudage->SetLeftAxisTitle(niveaux.Titre);
    GraphCycleSoud_->Actualiser(static_cast<TSegmentGrapheTemps>(Segment));
}

// The set points of the active column into the wear graph; Pas highlights a step.
void TFrmProgrammationG20::MajGraphCU(int Pas) {
    const TColonne colonne = ColonneActive();
    const char* nom = colonne == TColonne::Ampere    ? "txtAmpere"
                      : colonne == TColonne::Tension ? "txtPourcentU"
                                                     : "txtPourcentImax";
    for (int pas = 1; pas <= NbPas; ++pas)
        if (Pas == 0 || pas == Pas)
            GraphCompUsure_->SetConsigne(pas - 1, Valeur(*Controle(nom, pas)->Ligne, pas));
    GraphCompUsure_->Actualiser(static_cast<TSegmentGrapheCU>(Pas));
}

// The electrode's step point counts and its point counter into the wear graph.
void TFrmProgrammationG20::MajPointsGraphCU() {
    for (int pas = 0; pas < NbPas; ++pas)
        GraphCompUsure_->SetPalier(
            pas, ElecCourante().Element(IDElectrode::IDPaliers, pas).GetAsInteger());
    const TZoneHolder compteurs(FEprom, PrcCompteurs, ElecCourante().GetNumeroZone());
    ICompteur* compteur = nullptr;
    if (compteurs &&
        compteurs->QueryInterface(ICompteur::IID, reinterpret_cast<void**>(&compteur)) ==
            THResult::S_OK &&
        compteur != nullptr)
        GraphCompUsure_->SetPoint(compteur->GetCompteurPoints());
}

// With set points derived from their references, the derived edits are in italics.
void TFrmProgrammationG20::MajItalique() {
    const bool derivees = ConfigurationEntier(ChampsConfiguration::IDCUContinue) == 2;
    for (const TControle& controle : FControles)
        if (controle.Pas > 0 && controle.Ligne->Consigne != TColonne::Aucune)
            static_cast<TKevRichEdit*>(controle.Widget)->SetItalic(derivees);
}

void TFrmProgrammationG20::EffacerSignature() {
    for (QLabel* valeur : FResultats)
        valeur->clear();
}

void TFrmProgrammationG20::SetSignature() {
    auto* eprom = dynamic_cast<TEprom*>(FEprom);
    std::unique_ptr<TCustomZoneCPS> copie =
        eprom != nullptr ? eprom->Signatures().Copie(FNumProg) : nullptr;
    const auto* signature = dynamic_cast<const ISignature*>(copie.get());
    const auto* complement = dynamic_cast<const ISignatureCompl1*>(copie.get());
    if (signature == nullptr) {
        EffacerSignature();
        LogEvent(this, "TFrmProgrammationG20.SetSignature", "Signature non trouvée", "", LogAnomaly,
                 CatZRT);
        return;
    }
    FResultats[0]->setText(QString::number(signature->GetIntensiteMesuree(FModeAmperes), 'f', 2));
    FResultats[1]->setText(QString::number(signature->GetPourcentEquivalent(), 'f', 1));
    FResultats[2]->setText(QString::number(signature->GetCompteurPoints()));
    FResultats[3]->setText(QString::number(signature->GetNumeroPalier()));
    FResultats[4]->setText(complement != nullptr ? QString::number(complement->GetNumeroDefaut())
                                                 : QString());
}

// ---------------------------------------------------------------------------------------
// Modes and saving

void TFrmProgrammationG20::MajEtatSaisie(bool Modification) {
    for (int i = 0; i < pclProgrammation->count(); ++i)
        pclProgrammation->widget(i)->setEnabled(Modification);
}

void TFrmProgrammationG20::AnnulerDonnees() {
    TFrmKevMDIChild::AnnulerDonnees();
    ActualiserRapports();
    Remplir();
}

// The program and its electrode are sent; the process link goes to its file. After a yes
// to the electrode question of a program switch, only the electrode is sent.
void TFrmProgrammationG20::PreparerEnvoi() {
    if (!FEnvoiElectrodeSeule) {
        TFrmKevMDIChild::PreparerEnvoi();
        return;
    }
    if (FCopies.Differe(1))
        FTransfert.Ajouter(FCopies.Travail(1));
}

void TFrmProgrammationG20::ZoneRecue(TCustomZoneCPS& Cible) {
    if (&Cible == &FCopies.Travail(0))
        ActualiserRapports();
}

// ---------------------------------------------------------------------------------------
// Values

TZoneCPS& TFrmProgrammationG20::Zone(const L& Ligne) const {
    switch (Ligne.Zone) {
    case TZoneLiee::Electrode:
        return ElecCourante();
    case TZoneLiee::Lien:
        return LienProcess();
    case TZoneLiee::Programme:
        break;
    }
    return ProgCourant();
}

TKEVField& TFrmProgrammationG20::Champ(const L& Ligne, int Pas) const {
    return Pas > 0 ? Zone(Ligne).Element(Ligne.Champ, Pas - 1) : Zone(Ligne).Field(Ligne.Champ);
}

// Display values of the currents are amperes, shown in kiloamperes unless the electrode
// measures amperes.
double TFrmProgrammationG20::Diviseur(const L& Ligne) const {
    switch (Ligne.Genre) {
    case G::Kilo:
        return 1000.0;
    case G::Ampere:
    case G::Reference:
        return FModeAmperes ? 1.0 : 1000.0;
    default:
        return 1.0;
    }
}

double TFrmProgrammationG20::Valeur(const L& Ligne, int Pas) const {
    return Champ(Ligne, Pas).GetAsFloat() / Diviseur(Ligne);
}

int TFrmProgrammationG20::Decimales(const L& Ligne) const {
    if (Ligne.Genre == G::Reference)
        return FModeAmperes ? 0 : 2;
    return Ratio(Champ(Ligne, Ligne.Pas > 0 ? 1 : 0)) < 1.0 ? 1 : 0;
}

// A bound of an edit: the companion's raw limit at the working copy's ratio (the companions
// keep ratio 1).
double TFrmProgrammationG20::Borne(const L& Ligne, bool Maxi) const {
    return RawCompagnon(Ligne, Maxi) * Ratio(Champ(Ligne, Ligne.Pas > 0 ? 1 : 0)) / Diviseur(Ligne);
}

int TFrmProgrammationG20::RawCompagnon(const L& Ligne, bool Maxi) const {
    TZoneCPS* compagnon = nullptr;
    if (Ligne.Zone == TZoneLiee::Programme)
        compagnon = Maxi ? ProgrammationMaxi : ProgrammationMini;
    if (compagnon == nullptr)
        return 0;
    const TKEVField& champ =
        Ligne.Pas > 0 ? compagnon->Element(Ligne.Champ, 0) : compagnon->Field(Ligne.Champ);
    return Brut(champ);
}

TColonneConsigne TFrmProgrammationG20::ColonneActive() const {
    return TReglesProgrammation::ColonneActive(ProgCourant().GetModeRegulation(), isTypeMF);
}

int TFrmProgrammationG20::ConfigurationEntier(const TFieldHandle& Champ) const {
    const TZoneHolder configuration(FEprom, PrcConfiguration, 0);
    const auto* zone = configuration.As<TZoneCPS>();
    const TKEVField* champ = zone != nullptr ? zone->FindField(Champ) : nullptr;
    return champ != nullptr ? champ->GetAsInteger() : 0;
}

const TFrmProgrammationG20::TControle* TFrmProgrammationG20::Controle(const char* Nom,
                                                                      int Pas) const {
    for (const TControle& controle : FControles)
        if (controle.Pas == Pas && std::strcmp(controle.Ligne->Nom, Nom) == 0)
            return &controle;
    throw Exception(std::string("Contrôle absent : ") + Nom);
}

void TFrmProgrammationG20::Journaliser(const char* Methode, const std::exception& Erreur) const {
    LogEvent(this, Methode, Erreur.what(), Format("Zone programme (#%d)", FNumProg), LogAnomaly,
             CatZRT);
}

} // namespace g20seq
