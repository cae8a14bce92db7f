#include "ui/FrmKevMDIChild.h"

#include "model/CustomZoneCPS.h"
#include "model/DataProxy.h"
#include "model/EditorWindows.h"
#include "model/GereDonnees.h"
#include "support/Format.h"
#include "ui/FenetreTextes.h"
#include "ui/FrmProgressionTransfert.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <cstdint>

namespace g20seq {

namespace {

QWidget* Parent(void* aOwner) {
    auto* owner = static_cast<QWidget*>(aOwner);
    return qobject_cast<QMdiArea*>(owner) != nullptr ? nullptr : owner;
}

std::string TextePointeur(const void* Pointeur) {
    return Format("%.16X", static_cast<long long>(reinterpret_cast<std::uintptr_t>(Pointeur)));
}

// Captions and hints of btnModifier, translated in the window's section: in view mode the
// button offers to modify, in modify mode to go back to view.
struct TTexteMode {
    const char* CleCaption;
    const char* Caption;
    const char* CleHint;
    const char* Hint;
};
constexpr TTexteMode TexteVisualisation = {"btnModifierClick_3", "Modifier", "btnModifierClick_4",
                                           "Autorise la modification des données"};
constexpr TTexteMode TexteModification = {"btnModifierClick_1", "Visualiser", "btnModifierClick_2",
                                          "Verrouille les données en mode visualisation"};

} // namespace

TFrmKevMDIChild::TFrmKevMDIChild(void* aOwner, TCustomEprom* Eprom, TZoneHolder&& Hold,
                                 void* FormReference)
    : QWidget(Parent(aOwner)), sbxClient(new QScrollArea(this)), pnlBoutons(new QWidget(this)),
      pnlAppliquer(new QWidget(pnlBoutons)),
      btnAppliquer(new QPushButton(QStringLiteral("Appliquer"), pnlAppliquer)),
      pnlAbandon(new QWidget(pnlBoutons)),
      btnCancel(new QPushButton(QStringLiteral("Annuler"), pnlAbandon)),
      pnlOk(new QWidget(pnlBoutons)), btnOK(new QPushButton(QStringLiteral("OK"), pnlOk)),
      pnlModifier(new QWidget(pnlBoutons)),
      btnModifier(new QPushButton(QStringLiteral("Modifier"), pnlModifier)),
      actModifierVisualiser(new QAction(this)), FEprom(Eprom), FContexte(*this, this),
      FHold(std::move(Hold)), FFormReference(static_cast<IEditorWindow**>(FormReference)) {
    setObjectName(QStringLiteral("TFrmKevMDIChild"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    resize(1016, 655);
    NommerControles({{sbxClient, "sbxClient"},
                     {pnlBoutons, "pnlBoutons"},
                     {pnlAppliquer, "pnlAppliquer"},
                     {btnAppliquer, "btnAppliquer"},
                     {pnlAbandon, "pnlAbandon"},
                     {btnCancel, "btnCancel"},
                     {pnlOk, "pnlOk"},
                     {btnOK, "btnOK"},
                     {pnlModifier, "pnlModifier"},
                     {btnModifier, "btnModifier"},
                     {actModifierVisualiser, "actModifierVisualiser"}});
    btnAppliquer->setToolTip(QStringLiteral("Enregistre les modifications"));
    btnCancel->setToolTip(QStringLiteral("Annule les modifications"));
    btnOK->setToolTip(QStringLiteral("Enregistre les modifications et ferme la fenêtre"));
    sbxClient->setFrameShape(QFrame::NoFrame);
    sbxClient->setWidgetResizable(true);
    sbxClient->setWidget(new QWidget);
    pnlBoutons->setFixedHeight(33);
    auto* barre = new QHBoxLayout(pnlBoutons);
    barre->setContentsMargins(0, 0, 0, 0);
    barre->setSpacing(0);
    const std::pair<QWidget*, QPushButton*> panneaux[] = {{pnlModifier, btnModifier},
                                                          {nullptr, nullptr},
                                                          {pnlOk, btnOK},
                                                          {pnlAbandon, btnCancel},
                                                          {pnlAppliquer, btnAppliquer}};
    for (auto [panneau, bouton] : panneaux) {
        if (panneau == nullptr) {
            barre->addStretch();
            continue;
        }
        auto* dedans = new QHBoxLayout(panneau);
        dedans->setContentsMargins(4, 4, 4, 4);
        dedans->addWidget(bouton);
        barre->addWidget(panneau);
    }
    pnlAppliquer->hide();
    pnlModifier->hide();
    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->setSpacing(0);
    colonne->addWidget(sbxClient, 1);
    colonne->addWidget(pnlBoutons);

    actModifierVisualiser->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F5));
    actModifierVisualiser->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(actModifierVisualiser);
    connect(actModifierVisualiser, &QAction::triggered, this, [this] { ModifierVisualiser(); });
    connect(btnModifier, &QPushButton::clicked, this, [this] { ModifierVisualiser(); });
    connect(btnOK, &QPushButton::clicked, this, &TFrmKevMDIChild::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TFrmKevMDIChild::btnCancelClick);
    connect(btnAppliquer, &QPushButton::clicked, this, &TFrmKevMDIChild::btnAppliquerClick);

    if (auto* area = qobject_cast<QMdiArea*>(static_cast<QWidget*>(aOwner)))
        area->addSubWindow(this)->setAttribute(Qt::WA_DeleteOnClose);
    RegisterEditorWindow(this);
    if (FFormReference != nullptr)
        *FFormReference = this;
}

TFrmKevMDIChild::~TFrmKevMDIChild() {
    if (FTypeUnique && SingleEditorWindow(*FTypeUnique) == this)
        SetSingleEditorWindow(*FTypeUnique, nullptr);
    UnregisterEditorWindow(this);
    if (FFormReference != nullptr && *FFormReference == this)
        *FFormReference = nullptr;
}

QWidget* TFrmKevMDIChild::Client() const {
    return sbxClient->widget();
}

QWidget* TFrmKevMDIChild::Cadre() {
    auto* sousFenetre = qobject_cast<QMdiSubWindow*>(parentWidget());
    return sousFenetre != nullptr ? static_cast<QWidget*>(sousFenetre) : this;
}

void TFrmKevMDIChild::AuPremierPlan() {
    Cadre()->raise();
    Cadre()->activateWindow();
}

void TFrmKevMDIChild::FenetreUnique(TTypeZones TypeZone) {
    FTypeUnique = TypeZone;
    SetSingleEditorWindow(TypeZone, this);
}

void TFrmKevMDIChild::Afficher() {
    Cadre()->showMaximized();
}

void TFrmKevMDIChild::Fermer() {
    if (!FFermee && !FEnFermeture)
        Cadre()->close();
}

void TFrmKevMDIChild::ForceFermeture() {
    FForcee = true;
    Fermer();
}

TCustomZoneCPS* TFrmKevMDIChild::AjouterPaire(TTypeZones TypeZone, int Numero, bool FichierSeul) {
    if (FEprom == nullptr)
        return nullptr;
    const int index = FCopies.Ajouter(*FEprom, TypeZone, Numero, FichierSeul);
    if (index < 0)
        return nullptr;
    if (index == 0)
        VZoneCPS = &FCopies.Travail(0);
    return &FCopies.Travail(index);
}

void TFrmKevMDIChild::AddSaveRestoreComponentIHM(const QObject& Controle) {
    FContexte.Ajouter(Controle);
}

// ---------------------------------------------------------------------------------------
// Showing and modes

void TFrmKevMDIChild::showEvent(QShowEvent* Event) {
    QWidget::showEvent(Event);
    if (FMontree)
        return;
    FMontree = true;
    TraduireFenetre(*this);
    AfficherMode();
    PreparerControles();
    FContexte.Restaurer([this](QObject& c, QSettings& f) { RestoreComponentIHM(c, f); });
}

void TFrmKevMDIChild::AfficherMode() {
    const TTexteMode& texte = FStateLockDataCapture ? TexteVisualisation : TexteModification;
    btnModifier->setText(TexteFenetre(*this, texte.CleCaption, texte.Caption));
    btnModifier->setToolTip(TexteFenetre(*this, texte.CleHint, texte.Hint) +
                            QStringLiteral(" (Ctrl+F5)"));
}

void TFrmKevMDIChild::ModifierVisualiser() {
    if (FEprom == nullptr || VZoneCPS == nullptr) {
        LogEvent(this, "btnModifierClick",
                 Format("Données invalides := FEprom = %s, VZoneCPS = %s",
                        TextePointeur(FEprom).c_str(), TextePointeur(VZoneCPS).c_str()),
                 "", LogAnomaly, CatKevnet);
        return;
    }
    if (FStateLockDataCapture && !FEprom->IsAutorised(VZoneCPS->GetTypeZone()))
        return;
    FStateLockDataCapture = !FStateLockDataCapture;
    AfficherMode();
    MajEtatSaisie(!FStateLockDataCapture);
}

void TFrmKevMDIChild::PasserEnModification() {
    FStateLockDataCapture = true;
    ModifierVisualiser();
}

void TFrmKevMDIChild::PasserEnVisualisation() {
    FStateLockDataCapture = false;
    ModifierVisualiser();
}

void TFrmKevMDIChild::MajEtatSaisie(bool) {}

// ---------------------------------------------------------------------------------------
// Saving and cancelling

bool TFrmKevMDIChild::IsDonneesModifiees() const {
    return FCopies.Count() > 0 && FCopies.Modifiees();
}

void TFrmKevMDIChild::AnnulerDonnees() {
    if (FCopies.Count() > 0)
        FCopies.Annuler();
    else if (VZoneCPS == nullptr && VGereDonnees != nullptr)
        VGereDonnees->AnnulerModifications();
}

std::vector<int> TFrmKevMDIChild::OrdreEnvoi() const {
    std::vector<int> ordre(FCopies.Count());
    for (int i = 0; i < FCopies.Count(); ++i)
        ordre[i] = i;
    return ordre;
}

void TFrmKevMDIChild::PreparerEnvoi() {
    for (const int index : OrdreEnvoi()) {
        if (!FCopies.Differe(index))
            continue;
        if (FCopies.FichierSeul(index))
            FCopies.SauverFichier(index);
        else
            FTransfert.Ajouter(FCopies.Travail(index));
    }
}

void TFrmKevMDIChild::SauverDonnees() {
    if (VZoneCPS == nullptr) {
        if (VGereDonnees != nullptr)
            VGereDonnees->EnregistrerModifications();
        return;
    }
    if (FEprom == nullptr || !FEprom->IsAutorised(VZoneCPS->GetTypeZone()))
        return;
    PreparerEnvoi();
    EnvoyerZones();
}

void TFrmKevMDIChild::EnvoyerZones() {
    if (FTransfert.AEnvoyer().empty())
        return;
    FEnEnvoi = &FTransfert.AEnvoyer();
    const bool accepte = FEprom->ChargeMultipleZoneCPS(&FTransfert.AEnvoyer());
    FEnEnvoi = nullptr;
    FTransfert.NouvelleFile();
    if (!accepte) {
        FTransfert.Oublier();
        return;
    }
    const int attendues = FTransfert.NbEnAttente();
    if (attendues == 0) {
        // Every answer came before the progress could show: apply them now.
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
        return;
    }
    auto* progression = new TFrmProgressionTransfert(this);
    FrmProgressionTransfert = progression;
    progression->prbTransfertZones->setRange(0, attendues);
    progression->prbTransfertZones->setValue(0);
    progression->SetCaption(FTransfert.Suivante());
    if (progression->exec() != QDialog::Accepted)
        FDemandeFermeture = false;
    FrmProgressionTransfert = nullptr;
    progression->deleteLater();
    if (FDemandeFermeture)
        Fermer();
}

// ---------------------------------------------------------------------------------------
// Reception of the answers

void TFrmKevMDIChild::ReceiveZone(TCustomZoneCPS* ZoneCPS, bool bErreur) {
    LogEvent(this, "ReceiveZone", "Récéption d'une zone via ThreadReponseCS", "", LogTrace,
             CatKevnet);
    if (bErreur)
        FDemandeFermeture = false;
    const bool horsOrdre = !bErreur && ZoneCPS != nullptr;
    FTransfert.Recevoir(ZoneCPS, bErreur, [&](TTransfertZones::TReception Reception) {
        if (horsOrdre && Reception.Index != 0)
            LogEvent(this, "ReceiveZone", "Recherche de la zone reçue",
                     Format("nIndexZone = %d(devrait être 0)", Reception.Index), LogAnomaly,
                     CatKevnet);
        auto reception = std::make_shared<TTransfertZones::TReception>(std::move(Reception));
        QMetaObject::invokeMethod(
            this, [this, reception] { AppliquerReception(*reception); }, Qt::QueuedConnection);
    });
}

void TFrmKevMDIChild::AppliquerReception(TTransfertZones::TReception& Reception) {
    if (Reception.Cible != nullptr && Reception.Copie != nullptr) {
        FCopies.Recevoir(*Reception.Cible, *Reception.Copie);
        ZoneRecue(*Reception.Cible);
        if (Reception.Restantes > 0 && FrmProgressionTransfert != nullptr) {
            FrmProgressionTransfert->SetCaption(Reception.Suivante);
            FrmProgressionTransfert->StepIt();
        }
    }
    if (Reception.Restantes == 0 && FrmProgressionTransfert != nullptr) {
        FrmProgressionTransfert->done(QDialog::Accepted);
        FrmProgressionTransfert = nullptr;
    }
}

void TFrmKevMDIChild::ZoneRecue(TCustomZoneCPS&) {}

// ---------------------------------------------------------------------------------------
// Buttons and closing

void TFrmKevMDIChild::btnOKClick() {
    FDemandeFermeture = true;
    if (!IsDonneesModifiees()) {
        Fermer();
        return;
    }
    SauverDonnees();
    if (FTransfert.NbEnAttente() == 0 && FDemandeFermeture)
        Fermer();
}

void TFrmKevMDIChild::btnCancelClick() {
    Fermer();
}

void TFrmKevMDIChild::btnAppliquerClick() {
    if (IsDonneesModifiees() && MessageDlg("CstMessages", "MessageName_ApplyData",
                                           "Voulez-vous appliquer les nouveaux paramètres ?",
                                           mtConfirmation, mbYes | mbNo) == mrYes)
        SauverDonnees();
}

bool TFrmKevMDIChild::QuestionFermetureAcceptee() {
    if (FForcee || !IsDonneesModifiees()) {
        FDemandeFermeture = true;
        return true;
    }
    switch (QuestionFermeture()) {
    case mrYes:
        FDemandeFermeture = true;
        SauverDonnees();
        return FDemandeFermeture;
    case mrNo:
        FDemandeFermeture = true;
        AnnulerDonnees();
        return true;
    default:
        FDemandeFermeture = false;
        return false;
    }
}

void TFrmKevMDIChild::closeEvent(QCloseEvent* Event) {
    // A close asked while the question or the save of a close runs waits for that close.
    if (FEnFermeture) {
        Event->ignore();
        return;
    }
    FEnFermeture = true;
    const bool accepte = QuestionFermetureAcceptee();
    FContexte.Sauver([this](QObject& c, QSettings& f) { SaveComponentIHM(c, f); });
    FEnFermeture = false;
    if (!accepte) {
        Event->ignore();
        return;
    }
    FFermee = true;
    if (FrmProgressionTransfert != nullptr) {
        FrmProgressionTransfert->close();
        FrmProgressionTransfert = nullptr;
    }
    Event->accept();
}

void TFrmKevMDIChild::SaveComponentIHM(QObject& Controle, QSettings& Fichier) {
    FContexte.SauverControle(Controle, Fichier);
}

void TFrmKevMDIChild::RestoreComponentIHM(QObject& Controle, QSettings& Fichier) {
    FContexte.RestaurerControle(Controle, Fichier);
}

} // namespace g20seq
