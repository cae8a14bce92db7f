#include "ui/FrmAssignationPoint.h"

#include "model/DataProxy.h"
#include "model/EditorWindows.h"
#include "model/EpromDescription.h"
#include "support/Exceptions.h"
#include "support/Format.h"
#include "ui/FenetreTextes.h"
#include "ui/widgets/KevComboBox.h"
#include "ui/widgets/KevNumPoint.h"
#include "ui/widgets/KevVirtualStringTree.h"
#include "zones/AssignationHandler.h"
#include "zones/AssignationPoints.h"
#include "zones/ConfigurationFields.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace g20seq {

namespace {

constexpr const char* MessWarningInvalidPoint = "MessWarningInvalidPoint";
constexpr const char* DefautInvalidPoint = "Numéro de point invalide";
// The initial point text of the family.part.point mode: a complete text of that shape.
constexpr const char* PointInitialPSA = "00.000.000256";

// The three actions on a pair: name, caption and hint, button, and what they do.
struct TActionPoint {
    QAction* TFrmAssignationPoint::*Action;
    const char* Nom;
    const char* Texte;
    QToolButton* TFrmAssignationPoint::*Bouton;
    const char* NomBouton;
    void (TFrmAssignationPoint::*Execute)();
};

} // namespace

// The table of the actions is built on members the class keeps private.
struct TFrmAssignationPointActions {
    static constexpr TActionPoint Lignes[] = {
        {&TFrmAssignationPoint::actAddPoint, "actAddPoint", "Nouveau",
         &TFrmAssignationPoint::btnAddPoint, "btnAddPoint",
         &TFrmAssignationPoint::actAddPointExecute},
        {&TFrmAssignationPoint::actAlterPoint, "actAlterPoint", "Modifier",
         &TFrmAssignationPoint::btnAlterPoint, "btnAlterPoint",
         &TFrmAssignationPoint::actAlterPointExecute},
        {&TFrmAssignationPoint::actDelPoint, "actDelPoint", "Supprimer",
         &TFrmAssignationPoint::btnDelPoint, "btnDelPoint",
         &TFrmAssignationPoint::actDelPointExecute},
    };
};

TFrmAssignationPoint::TFrmAssignationPoint(void* aOwner, TZoneHolder&& Hold, void* aFormReference)
    : TFrmKevMDIChild(aOwner, Hold ? Hold->GetEprom() : nullptr, std::move(Hold), aFormReference),
      AssignationPointInitial(dynamic_cast<TAssignationPoints*>(ZoneOuverte())),
      FAssignationHandler(std::make_unique<TAssignationHandler>(FEprom)) {
    setObjectName(QStringLiteral("TFrmAssignationPoint"));
    setWindowTitle(QStringLiteral("Numéros de points"));
    if (AssignationPointInitial != nullptr)
        AjouterPaire(PrcAssignationPoint, AssignationPointInitial->GetNumeroZone());
    CreerControles();
    Connecter();
    pnlModifier->show();
    pnlAppliquer->show();
    FenetreUnique(PrcAssignationPoint);
}

TFrmAssignationPoint::~TFrmAssignationPoint() = default;

bool TFrmAssignationPoint::Ouvrir(TZoneHolder Hold, void* aOwner, void* FormReference) {
    return OuvrirFenetreUnique<TFrmAssignationPoint, TAssignationPoints>(
        PrcAssignationPoint, std::move(Hold), aOwner, FormReference);
}

void TFrmAssignationPoint::CreerControles() {
    lswPoints = new TKevVirtualStringTree(Client());
    pnlDroitPoints = new QWidget(Client());
    pnlManagePoint = new QWidget(pnlDroitPoints);
    pnlModeAssignation = new QLabel(pnlManagePoint);
    mnuPointHandling = new QMenu(this);
    lblNumPoint = new QLabel(QStringLiteral("N° de point"), pnlManagePoint);
    txtNumPoint = new TKevNumPoint(pnlManagePoint);
    lblNumProgPoint = new QLabel(QStringLiteral("Programme"), pnlManagePoint);
    cmbNumProg = new TKEVComboBox(pnlManagePoint);
    btnValidPoint = new QToolButton(pnlManagePoint);
    btnCancelPoint = new QToolButton(pnlManagePoint);
    NommerControles({{lswPoints, "lswPoints"},
                     {pnlDroitPoints, "pnlDroitPoints"},
                     {pnlManagePoint, "pnlManagePoint"},
                     {pnlModeAssignation, "pnlModeAssignation"},
                     {mnuPointHandling, "mnuPointHandling"},
                     {lblNumPoint, "lblNumPoint"},
                     {txtNumPoint, "txtNumPoint"},
                     {lblNumProgPoint, "lblNumProgPoint"},
                     {cmbNumProg, "cmbNumProg"},
                     {btnValidPoint, "btnValidPoint"},
                     {btnCancelPoint, "btnCancelPoint"}});

    lswPoints->setFixedWidth(313);
    lswPoints->SetFullRowSelect(true);
    lswPoints->SetColumns({QStringLiteral("N° de point"), QStringLiteral("Programme")}, {200, 200});
    lswPoints->SetPopupMenu(mnuPointHandling);
    pnlManagePoint->setFixedHeight(113);
    pnlManagePoint->setEnabled(false); // until modify mode
    pnlModeAssignation->setFixedHeight(24);
    pnlModeAssignation->setFrameShape(QFrame::Panel);
    pnlModeAssignation->setAlignment(Qt::AlignCenter);
    txtNumPoint->SetEditMask(QStringLiteral("cccccccccccccccccccc;c;_"));
    txtNumPoint->setToolTip(QStringLiteral("[A..Z], [a..z], [0..9], [ ]"));
    txtNumPoint->setMinimumWidth(160);
    btnValidPoint->setAutoRaise(true);
    btnValidPoint->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    btnCancelPoint->setAutoRaise(true);
    btnCancelPoint->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));

    auto* boutons = new QHBoxLayout;
    for (const TActionPoint& ligne : TFrmAssignationPointActions::Lignes) {
        QAction* action = this->*ligne.Action = new QAction(QString::fromUtf8(ligne.Texte), this);
        action->setObjectName(QString::fromLatin1(ligne.Nom));
        action->setToolTip(action->text());
        mnuPointHandling->addAction(action);
        QToolButton* bouton = this->*ligne.Bouton = new QToolButton(pnlManagePoint);
        bouton->setObjectName(QString::fromLatin1(ligne.NomBouton));
        bouton->setDefaultAction(action);
        boutons->addWidget(bouton);
    }
    boutons->addStretch();

    auto* saisie = new QGridLayout;
    saisie->addWidget(lblNumPoint, 0, 0);
    saisie->addWidget(lblNumProgPoint, 0, 1);
    saisie->addWidget(txtNumPoint, 1, 0);
    saisie->addWidget(cmbNumProg, 1, 1);
    saisie->addWidget(btnValidPoint, 1, 2);
    saisie->addWidget(btnCancelPoint, 1, 3);
    saisie->setColumnStretch(4, 1);

    auto* panneau = new QVBoxLayout(pnlManagePoint);
    panneau->setContentsMargins(4, 0, 4, 4);
    panneau->addWidget(pnlModeAssignation);
    panneau->addLayout(boutons);
    panneau->addLayout(saisie);
    auto* droite = new QVBoxLayout(pnlDroitPoints);
    droite->setContentsMargins(0, 0, 0, 0);
    droite->addWidget(pnlManagePoint);
    droite->addStretch();
    auto* client = new QHBoxLayout(Client());
    client->setContentsMargins(0, 0, 0, 0);
    client->setSpacing(0);
    client->addWidget(lswPoints);
    client->addWidget(pnlDroitPoints, 1);
    MajEtats();
}

void TFrmAssignationPoint::Connecter() {
    for (const TActionPoint& ligne : TFrmAssignationPointActions::Lignes)
        connect(this->*ligne.Action, &QAction::triggered, this, ligne.Execute);
    connect(lswPoints, &TKevVirtualStringTree::Click, this, &TFrmAssignationPoint::lswPointsClick);
    connect(txtNumPoint, &QLineEdit::textChanged, this, &TFrmAssignationPoint::txtNumPointChange);
    connect(btnValidPoint, &QToolButton::clicked, this, &TFrmAssignationPoint::btnValidPointClick);
    connect(btnCancelPoint, &QToolButton::clicked, this,
            &TFrmAssignationPoint::btnCancelPointClick);
    txtNumPoint->installEventFilter(this);
    cmbNumProg->installEventFilter(this);
}

// ---------------------------------------------------------------------------------------
// Preparing, modes and states

void TFrmAssignationPoint::PreparerControles() {
    AfficherMode();
    cmbNumProg->clear();
    if (TCustomEpromDescription* description = FEprom ? FEprom->GetDescription() : nullptr)
        for (int numero = description->GetMinZone(PrcProgrammes);
             numero >= 0 && numero <= description->GetMaxZone(PrcProgrammes); ++numero)
            cmbNumProg->addItem(QString::number(numero));
    FAssignationHandler->ChargerDonneesPoints(this);
    RemplirListe(-1);
    FSaisie.Charge();
    MajEtats();
}

// The point number mode of the configuration: shown in its strip, and given to the point
// edit with the initial text of that mode.
void TFrmAssignationPoint::AfficherMode() {
    int mode = 0;
    const TZoneHolder configuration(FEprom, PrcConfiguration, 0);
    if (const auto* zone = configuration.As<TZoneCPS>()) {
        if (const TKEVField* champ = zone->FindField(ChampsConfiguration::IDModeAssignationPoint)) {
            mode = champ->GetAsInteger();
            pnlModeAssignation->setText(QString::fromStdString(
                zone->DetailIDChamp(ChampsConfiguration::IDModeAssignationPoint.ID(), mode)));
        }
    }
    txtNumPoint->SetClientKind(mode);
    txtNumPoint->setText(mode == 1 ? QString::fromLatin1(PointInitialPSA) : QString());
}

void TFrmAssignationPoint::MajEtatSaisie(bool Modification) {
    pnlManagePoint->setEnabled(Modification);
    FSaisie.SetModification(Modification);
    MajEtats();
}

void TFrmAssignationPoint::MajEtats() {
    const TSaisiePoints::TEtats etats = FSaisie.Etats();
    actAddPoint->setEnabled(etats.Ajout);
    actAlterPoint->setEnabled(etats.Modification);
    actDelPoint->setEnabled(etats.Suppression);
    btnValidPoint->setEnabled(etats.Confirmation);
    btnCancelPoint->setEnabled(etats.Confirmation);
    cmbNumProg->setEnabled(etats.Edition);
    txtNumPoint->setEnabled(etats.Edition);
    btnOK->setEnabled(etats.Enregistrement);
    btnAppliquer->setEnabled(etats.Enregistrement);
}

void TFrmAssignationPoint::RemplirListe(int Selection) {
    lswPoints->clear();
    for (int i = 0; i < FAssignationHandler->Count(); ++i)
        lswPoints->AddRow({QString::fromStdString(FAssignationHandler->GetNumPoint(i)),
                           QString::number(FAssignationHandler->GetNumProg(i))});
    if (Selection >= 0)
        lswPoints->SelectRow(Selection);
}

bool TFrmAssignationPoint::AjoutPossible() const {
    return FAssignationHandler->Count() < FAssignationHandler->MaxCount();
}

int TFrmAssignationPoint::ProgrammeChoisi() const {
    return cmbNumProg->currentText().toInt();
}

// ---------------------------------------------------------------------------------------
// Editing the pairs

void TFrmAssignationPoint::lswPointsClick() {
    const int ligne = lswPoints->SelectedRow();
    if (ligne < 0)
        return;
    txtNumPoint->setText(lswPoints->Cell(ligne, 0));
    cmbNumProg->setCurrentText(lswPoints->Cell(ligne, 1));
    FSaisie.Selection();
    MajEtats();
}

void TFrmAssignationPoint::actAddPointExecute() {
    FSaisie.Ajout();
    cmbNumProg->setCurrentIndex(0);
    MajEtats();
    FAssignationHandler->Add();
    txtNumPoint->setFocus();
}

// Alter and delete apply to the selected row: the states first, then the handler's edit.
void TFrmAssignationPoint::EditerLigne(void (TSaisiePoints::*Etat)(),
                                       void (TAssignationHandler::*Edition)(int)) {
    const int ligne = lswPoints->SelectedRow();
    if (ligne < 0)
        return;
    (FSaisie.*Etat)();
    MajEtats();
    (FAssignationHandler.get()->*Edition)(ligne);
}

void TFrmAssignationPoint::actAlterPointExecute() {
    EditerLigne(&TSaisiePoints::Modification, &TAssignationHandler::Alter);
}

void TFrmAssignationPoint::actDelPointExecute() {
    EditerLigne(&TSaisiePoints::Suppression, &TAssignationHandler::Delete);
}

void TFrmAssignationPoint::txtNumPointChange() {
    FSaisie.Saisie(txtNumPoint->PointText().trimmed().isEmpty());
    MajEtats();
}

void TFrmAssignationPoint::btnValidPointClick() {
    const bool suppression = FAssignationHandler->GetHandlingState() == hsDelete;
    if (!suppression && !txtNumPoint->IsValid()) {
        const std::string texte = Format(
            "%s (%s)", TranslateMessage(ClassName(), MessWarningInvalidPoint, DefautInvalidPoint),
            txtNumPoint->text().toStdString());
        MessageDlg(ClassName(), MessWarningInvalidPoint, texte, mtWarning, mbOK);
        return;
    }
    int position = -1;
    try {
        position = FAssignationHandler->Validate(txtNumPoint->PointText().toStdString(),
                                                 ProgrammeChoisi());
    } catch (const Exception& erreur) {
        // A point already in the table: the table is as before, the user is told why.
        MessageDlg(ClassName(), "", erreur.what(), mtError, mbOK);
    }
    FSaisie.FinEdition(AjoutPossible());
    RemplirListe(position);
    MajEtats();
}

void TFrmAssignationPoint::btnCancelPointClick() {
    FAssignationHandler->Cancel();
    FSaisie.FinEdition(AjoutPossible());
    MajEtats();
}

// Enter confirms the pair and Escape cancels it, in either field.
bool TFrmAssignationPoint::eventFilter(QObject* Watched, QEvent* Event) {
    if (Event->type() == QEvent::KeyPress && FAssignationHandler->GetHandlingState() != hsNone) {
        const int touche = static_cast<QKeyEvent*>(Event)->key();
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
            btnValidPointClick();
            return true;
        }
        if (touche == Qt::Key_Escape) {
            btnCancelPointClick();
            return true;
        }
    }
    return TFrmKevMDIChild::eventFilter(Watched, Event);
}

// ---------------------------------------------------------------------------------------
// Saving

bool TFrmAssignationPoint::IsDonneesModifiees() const {
    return FAssignationHandler->GetDonnesModifiees();
}

void TFrmAssignationPoint::PreparerEnvoi() {
    FAssignationHandler->EnregistrerModificationsPoints(&FTransfert.Transferees(),
                                                        &FTransfert.AEnvoyer());
    MettreAJourZoneOuverte();
}

void TFrmAssignationPoint::ZoneRecue(TCustomZoneCPS& Cible) {
    FAssignationHandler->Recevoir(Cible);
    RemplirListe(lswPoints->SelectedRow());
    MettreAJourZoneOuverte();
    MajEtats();
}

// The window's copy of the entry it was opened for follows the table's first entry.
void TFrmAssignationPoint::MettreAJourZoneOuverte() {
    auto* zone = dynamic_cast<TAssignationPoints*>(VZoneCPS);
    if (zone == nullptr)
        return;
    const bool vide = FAssignationHandler->Count() == 0;
    zone->SetPointValide(!vide);
    zone->SetNumPointCPS(vide ? "" : FAssignationHandler->CurrentPointList()[0]);
    zone->SetNumProg(vide ? 0 : FAssignationHandler->GetNumProg(0));
}

} // namespace g20seq
