#include "studio/StudioWindow.h"

#include "cli/ExportCommand.h"
#include "protocol/ProtocoleG20.h"
#include "services/DataProxy.h"
#include "studio/DifferenceTable.h"
#include "studio/EventLogView.h"
#include "studio/LiveView.h"
#include "studio/MessageBoxAnswerer.h"
#include "studio/StationConnection.h"
#include "studio/StationTree.h"
#include "studio/StudioStation.h"
#include "transfer/ImageTransfer.h"
#include "transfer/TransferEngine.h"
#include <g20seq/interface/EditorWindow.h>
#include <g20seq/model/CustomZoneCPS.h>

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QProgressBar>
#include <QStatusBar>
#include <QThread>

#include <algorithm>

namespace g20seq::host {

namespace {

// Editors that show every zone of their type open on one zone of it.
struct TZoneOuverte {
    TTypeZones TypeZone;
    int Numero;
};
constexpr TZoneOuverte ZonesOuvertes[] = {{PrcAssignationPoint, 0}};

constexpr const char* FiltreImages = "Images (*.g20);;Tous les fichiers (*)";

QString Texte(const std::string& Text) {
    return QString::fromStdString(Text);
}

QString NomDe(const TStudioStation& Station) {
    return Texte(Station.Station().Nom());
}

} // namespace

StudioWindow::StudioWindow(TDataProxy& Proxy, TProtocoleG20& Protocole, ITransferEngine& Engine,
                           QWidget* Parent)
    : QMainWindow(Parent), FProxy(Proxy), FProtocole(Protocole), FEngine(Engine),
      FMdiArea(new QMdiArea(this)), FTree(new TStationTree),
      FEventLog(new TEventLogView(Proxy.EventLog())), FLive(new TLiveView),
      FProgress(new QProgressBar) {
    setObjectName(QStringLiteral("StudioWindow"));
    setWindowTitle(QStringLiteral("g20seq studio"));
    FMdiArea->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(FMdiArea);
    CreateDocks();
    CreateMenus();
    FProgress->setObjectName(QStringLiteral("prbTravail"));
    FProgress->setMaximumWidth(240);
    FProgress->setTextVisible(true);
    FProgress->hide();
    statusBar()->setObjectName(QStringLiteral("barEtat"));
    statusBar()->addPermanentWidget(FProgress);
    connect(FTree, &TStationTree::ZoneActivated, this,
            [this](TStudioStation* Station, int TypeZone, int Numero) {
                if (Station != nullptr)
                    OpenZone(*Station, {static_cast<TTypeZones>(TypeZone), Numero});
            });
    FProxy.Dialogs().SetAnswerer(
        [this](const std::string& Text, TMsgDlgType Kind, TMsgDlgButtons Buttons) {
            return AskWithMessageBox(this, Text, Kind, Buttons);
        });
    resize(1200, 800);
}

StudioWindow::~StudioWindow() {
    for (const auto& station : FStations)
        CloseEditors(*station);
    WaitTransfers();
    FConnections.clear();
    FStations.clear();
    FProxy.Dialogs().SetAnswerer({});
}

void StudioWindow::CreateDocks() {
    auto* stations = new QDockWidget(QStringLiteral("Stations"), this);
    stations->setObjectName(QStringLiteral("dockStations"));
    stations->setWidget(FTree);
    addDockWidget(Qt::LeftDockWidgetArea, stations);

    auto* signatures = new QDockWidget(QStringLiteral("Contrôleur"), this);
    signatures->setObjectName(QStringLiteral("dockLive"));
    signatures->setWidget(FLive);
    addDockWidget(Qt::RightDockWidgetArea, signatures);

    auto* journal = new QDockWidget(QStringLiteral("Journal"), this);
    journal->setObjectName(QStringLiteral("dockJournal"));
    journal->setWidget(FEventLog);
    addDockWidget(Qt::BottomDockWidgetArea, journal);
}

void StudioWindow::CreateMenus() {
    struct TCommande {
        const char* Menu;
        const char* Name;
        const char* Text;
        QKeySequence::StandardKey Key;
        void (StudioWindow::*Run)();
    };
    const TCommande commandes[] = {
        {"Fichier", "actNouvelle", "&Nouvelle station…", QKeySequence::New, &StudioWindow::MenuNew},
        {"Fichier", "actOuvrir", "&Ouvrir…", QKeySequence::Open, &StudioWindow::MenuOpen},
        {"Fichier", "actEnregistrer", "&Enregistrer", QKeySequence::Save, &StudioWindow::MenuSave},
        {"Fichier", "actFermerStation", "&Fermer la station", QKeySequence::Close,
         &StudioWindow::MenuClose},
        {"Fichier", "actExporter", "E&xporter en texte…", QKeySequence::UnknownKey,
         &StudioWindow::MenuExport},
        {"Comparer", "actComparerReference", "Avec la &référence…", QKeySequence::UnknownKey,
         &StudioWindow::MenuCompareReference},
        {"Comparer", "actComparerStation", "Avec une &autre station…", QKeySequence::UnknownKey,
         &StudioWindow::MenuCompareStation},
        {"Contrôleur", "actConnecter", "&Connecter…", QKeySequence::UnknownKey,
         &StudioWindow::MenuConnect},
        {"Contrôleur", "actRecevoirImage", "&Recevoir l'image", QKeySequence::UnknownKey,
         &StudioWindow::MenuReceiveImage},
        {"Contrôleur", "actEnvoyerImage", "&Envoyer l'image", QKeySequence::UnknownKey,
         &StudioWindow::MenuSendImage},
        {"Contrôleur", "actDeconnecter", "&Déconnecter", QKeySequence::UnknownKey,
         &StudioWindow::MenuDisconnect},
    };
    std::map<QString, QMenu*> menus;
    for (const TCommande& commande : commandes) {
        QMenu*& menu = menus[QString::fromUtf8(commande.Menu)];
        if (menu == nullptr) {
            menu = menuBar()->addMenu(QStringLiteral("&") + QString::fromUtf8(commande.Menu));
            menu->setObjectName(QStringLiteral("mnu") + QString::fromUtf8(commande.Menu));
        }
        QAction* action = menu->addAction(QString::fromUtf8(commande.Text));
        action->setObjectName(QString::fromUtf8(commande.Name));
        action->setShortcut(commande.Key);
        connect(action, &QAction::triggered, this, commande.Run);
    }
    QAction* quitter = menus[QStringLiteral("Fichier")]->addAction(QStringLiteral("&Quitter"));
    quitter->setObjectName(QStringLiteral("actQuitter"));
    connect(quitter, &QAction::triggered, this, &QWidget::close);
}

// ---------------------------------------------------------------------------------------
// Stations

TStudioStation* StudioWindow::OpenStation(const QString& Path) {
    try {
        return Adopt(std::make_unique<TStudioStation>(Path.toStdString(), &FProtocole));
    } catch (const std::exception& error) {
        ShowError(QStringLiteral("Impossible d'ouvrir %1 : %2").arg(Path, Texte(error.what())));
        return nullptr;
    }
}

TStudioStation* StudioWindow::CreateStation(const QString& Nom, const QString& Path) {
    try {
        return Adopt(TStudioStation::Create(Nom.toStdString(), Path.toStdString(), &FProtocole));
    } catch (const std::exception& error) {
        ShowError(QStringLiteral("Impossible de créer %1 : %2").arg(Path, Texte(error.what())));
        return nullptr;
    }
}

TStudioStation* StudioWindow::Adopt(std::unique_ptr<TStudioStation> Station) {
    InstallCallbacks(Station->Eprom());
    FTree->setCurrentItem(FTree->AddStation(*Station));
    FStations.push_back(std::move(Station));
    Log("OpenStation", "Station ouverte", FStations.back()->Path());
    statusBar()->showMessage(QStringLiteral("%1 ouverte").arg(Texte(FStations.back()->Path())));
    return FStations.back().get();
}

void StudioWindow::InstallCallbacks(TCustomEprom& Eprom) {
    Eprom.SetIsAutorised([](TTypeZones) { return true; });
    FEngine.InstallOn(Eprom);
    Eprom.SetNextProgressStep([this](int Step, int Overall) {
        if (QThread::currentThread() == thread())
            Progress(Step, Overall);
        else
            QMetaObject::invokeMethod(
                this, [this, Step, Overall] { Progress(Step, Overall); }, Qt::QueuedConnection);
    });
}

bool StudioWindow::SaveStation(TStudioStation& Station) {
    WaitTransfers(); // nothing writes into the working copy while it is committed
    try {
        try {
            Station.Save();
        } catch (const EImageChanged& changed) {
            if (Ask(Texte(changed.what()) + QStringLiteral("\nL'écraser ?"), mtWarning,
                    mbYes | mbNo) != mrYes)
                return false;
            Station.Save(true);
        }
    } catch (const std::exception& error) {
        ShowError(QStringLiteral("Impossible d'enregistrer %1 : %2")
                      .arg(Texte(Station.Path()), Texte(error.what())));
        return false;
    }
    Log("SaveStation", "Station enregistrée", Station.Path());
    statusBar()->showMessage(QStringLiteral("%1 enregistrée").arg(Texte(Station.Path())));
    return true;
}

bool StudioWindow::CloseStation(TStudioStation& Station) {
    WaitTransfers();
    if (Station.Modified()) {
        const int reponse =
            Ask(QStringLiteral("La station %1 a été modifiée. Enregistrer les modifications ?")
                    .arg(NomDe(Station)),
                mtConfirmation, mbYes | mbNo | mbCancel);
        if (reponse != mrYes && reponse != mrNo)
            return false;
        if (reponse == mrYes && !SaveStation(Station))
            return false;
    }
    CloseEditors(Station);
    WaitTransfers();
    DisconnectStation(Station);
    FTree->RemoveStation(Station);
    FEditors.erase(&Station);
    const auto place = std::find_if(FStations.begin(), FStations.end(),
                                    [&](const auto& station) { return station.get() == &Station; });
    FStations.erase(place);
    return true;
}

void StudioWindow::CloseEditors(TStudioStation& Station) {
    for (IEditorWindow* fenetre : FEditors[&Station])
        if (fenetre != nullptr)
            fenetre->ForceFermeture();
    // The windows hold zones of the station: they are freed before its EPROM.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TStudioStation* StudioWindow::CurrentStation() const {
    if (TStudioStation* station = TStationTree::StationOf(FTree->currentItem()))
        return station;
    return FStations.empty() ? nullptr : FStations.back().get();
}

void StudioWindow::closeEvent(QCloseEvent* Event) {
    while (!FStations.empty())
        if (!CloseStation(*FStations.back())) {
            Event->ignore();
            return;
        }
    Event->accept();
}

// ---------------------------------------------------------------------------------------
// Editors, export and comparisons

bool StudioWindow::OpenZone(TStudioStation& Station, const TZoneId& Zone) {
    TZoneId zone = Zone;
    for (const TZoneOuverte& ouverte : ZonesOuvertes)
        if (ouverte.TypeZone == zone.TypeZone)
            zone.Numero = ouverte.Numero;
    std::list<IEditorWindow*>& fenetres = FEditors[&Station];
    fenetres.remove(nullptr); // windows closed since
    IEditorWindow*& fenetre = fenetres.emplace_back(nullptr);
    const bool ouvert = Station.Eprom().SaisieZone(FMdiArea, zone.TypeZone, zone.Numero, &fenetre);
    if (fenetre == nullptr)
        fenetres.pop_back();
    if (!ouvert)
        statusBar()->showMessage(QStringLiteral("Pas d'éditeur pour %1")
                                     .arg(Texte(ZoneIdText(zone.TypeZone, zone.Numero))));
    return ouvert;
}

template <class TWork> auto StudioWindow::WithProgress(const QString& Text, TWork Work) {
    // Whole-image work reads every zone: no answer may be assigning one meanwhile.
    WaitTransfers();
    FProgress->setRange(0, 0);
    FProgress->setFormat(Text + QStringLiteral(" %p%"));
    FProgress->show();
    statusBar()->showMessage(Text);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    struct TCacher {
        QProgressBar* Bar;
        ~TCacher() { Bar->hide(); }
    } cacher{FProgress};
    return Work();
}

void StudioWindow::Progress(int Step, int Overall) {
    FProgress->setRange(0, std::max(Overall, 1));
    FProgress->setValue(std::min(Step, std::max(Overall, 1)));
    FProgress->repaint();
}

bool StudioWindow::ExportStation(TStudioStation& Station, const QString& Path) {
    const bool exporte = WithProgress(QStringLiteral("Export"), [&] {
        return Station.Eprom().ConversionASCII(EverySection(), Path.toStdString(), nullptr,
                                               nullptr);
    });
    if (!exporte)
        ShowError(QStringLiteral("Impossible d'écrire l'export %1 (voir le journal)").arg(Path));
    else
        statusBar()->showMessage(QStringLiteral("Export écrit dans %1").arg(Path));
    return exporte;
}

int StudioWindow::ShowDifferences(const QString& Title, const QString& OtherTitle,
                                  const std::function<void(TStringList*)>& Compare) {
    auto* table = new TDifferenceTable(QStringLiteral("Station"), OtherTitle);
    const int nombre =
        WithProgress(QStringLiteral("Comparaison"), [&] { return table->Fill(Compare); });
    QMdiSubWindow* fenetre = FMdiArea->addSubWindow(table);
    fenetre->setObjectName(QStringLiteral("fenDifferences"));
    fenetre->setAttribute(Qt::WA_DeleteOnClose);
    fenetre->setWindowTitle(QStringLiteral("%1 — %2 différence(s)").arg(Title).arg(nombre));
    fenetre->resize(700, 400);
    fenetre->show();
    statusBar()->showMessage(fenetre->windowTitle());
    return nombre;
}

int StudioWindow::CompareWithReference(TStudioStation& Station, const QString& Reference) {
    const QString titre =
        QStringLiteral("%1 / %2").arg(NomDe(Station), QFileInfo(Reference).fileName());
    try {
        // The reference file is open for this comparison only.
        Station.Station().OpenRefFile(Reference.toStdString());
        struct TFermeture {
            TCustomEprom& Eprom;
            ~TFermeture() {
                if (Eprom.GetFichierReference() != nullptr)
                    Eprom.FreeRefFile();
            }
        } fermeture{Station.Eprom()};
        return ShowDifferences(titre, QStringLiteral("Référence"), [&](TStringList* Liste) {
            Station.Eprom().EqualsZones(nullptr, Liste);
        });
    } catch (const std::exception& error) {
        ShowError(QStringLiteral("Impossible de comparer avec %1 : %2")
                      .arg(Reference, Texte(error.what())));
        return -1;
    }
}

int StudioWindow::CompareWithStation(TStudioStation& Station, const QString& Other) {
    try {
        const auto autre = TStation::Open(Other.toStdString(), false, &FProtocole);
        const QString titre =
            QStringLiteral("%1 / %2 (%3)")
                .arg(NomDe(Station), Texte(autre->Nom()), QFileInfo(Other).fileName());
        return ShowDifferences(titre, Texte(autre->Nom()), [&](TStringList* Liste) {
            Station.Eprom().EqualsZones(&autre->Eprom(), Liste);
        });
    } catch (const std::exception& error) {
        ShowError(
            QStringLiteral("Impossible de comparer avec %1 : %2").arg(Other, Texte(error.what())));
        return -1;
    }
}

// ---------------------------------------------------------------------------------------
// Questions and menu commands

void StudioWindow::Log(const char* Operation, const char* Text, const std::string& Detail) {
    FProxy.EventLog().AddLog(nullptr, Operation, Text, Detail, LogLevel, "Studio");
}

int StudioWindow::Ask(const QString& Text, TMsgDlgType Kind, TMsgDlgButtons Buttons) {
    return FProxy.Dialogs().Ask(Text.toStdString(), Kind, Buttons);
}

void StudioWindow::ShowError(const QString& Text) {
    Ask(Text, mtError, mbOK);
}

TStudioStation* StudioWindow::ChosenStation() {
    TStudioStation* station = CurrentStation();
    if (station == nullptr)
        ShowError(QStringLiteral("Aucune station ouverte"));
    return station;
}

void StudioWindow::MenuNew() {
    bool ok = false;
    const QString nom = QInputDialog::getText(this, QStringLiteral("Nouvelle station"),
                                              QStringLiteral("Nom (GA… AC, GM… moyenne fréquence)"),
                                              QLineEdit::Normal, QStringLiteral("GA_Station"), &ok);
    if (!ok || nom.isEmpty())
        return;
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Image de la station"),
                                                      nom + QStringLiteral(".g20"), FiltreImages);
    if (!path.isEmpty())
        CreateStation(nom, path);
}

void StudioWindow::MenuOpen() {
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("Ouvrir une station"), {}, FiltreImages);
    if (!path.isEmpty())
        OpenStation(path);
}

void StudioWindow::MenuSave() {
    if (TStudioStation* station = ChosenStation())
        SaveStation(*station);
}

void StudioWindow::MenuClose() {
    if (TStudioStation* station = ChosenStation())
        CloseStation(*station);
}

// The menu commands on the chosen station that need a file: the dialog asks for it, and
// the command runs once a file is given.
void StudioWindow::AvecFichier(const std::function<QString(TStudioStation&)>& Dialogue,
                               const std::function<void(TStudioStation&, const QString&)>& Work) {
    TStudioStation* station = ChosenStation();
    if (station == nullptr)
        return;
    const QString path = Dialogue(*station);
    if (!path.isEmpty())
        Work(*station, path);
}

void StudioWindow::MenuExport() {
    AvecFichier(
        [this](TStudioStation& Station) {
            return QFileDialog::getSaveFileName(
                this, QStringLiteral("Exporter en texte"), NomDe(Station) + QStringLiteral(".csv"),
                QStringLiteral("Texte (*.csv *.txt);;Tous les fichiers (*)"));
        },
        [this](TStudioStation& Station, const QString& Path) { ExportStation(Station, Path); });
}

void StudioWindow::MenuCompareReference() {
    AvecFichier(
        [this](TStudioStation&) {
            return QFileDialog::getOpenFileName(
                this, QStringLiteral("Fichier de référence"), {},
                QStringLiteral("Références (*.ref *.g20);;Tous les fichiers (*)"));
        },
        [this](TStudioStation& Station, const QString& Path) {
            CompareWithReference(Station, Path);
        });
}

void StudioWindow::MenuCompareStation() {
    AvecFichier(
        [this](TStudioStation&) {
            return QFileDialog::getOpenFileName(this, QStringLiteral("Station à comparer"), {},
                                                FiltreImages);
        },
        [this](TStudioStation& Station, const QString& Path) {
            CompareWithStation(Station, Path);
        });
}

// ---------------------------------------------------------------------------------------
// The controller of a station

void StudioWindow::WaitTransfers() {
    FEngine.WaitIdle();
    for (const auto& [station, connexion] : FConnections)
        connexion->Engine().WaitIdle();
}

TStationConnection* StudioWindow::ConnectionOf(const TStudioStation& Station) const {
    const auto connexion = FConnections.find(&Station);
    return connexion == FConnections.end() ? nullptr : connexion->second.get();
}

TLiveMonitor::TEcouteurs StudioWindow::LiveListeners() {
    const QPointer<TLiveView> vue(FLive);
    return {[vue](std::unique_ptr<TCustomZoneCPS> Signature) {
                if (vue != nullptr)
                    vue->Recevoir(std::move(Signature));
            },
            [vue](std::vector<TDefautDirect> Defauts) {
                if (vue != nullptr)
                    vue->SetDefauts(std::move(Defauts));
            },
            [vue](TEtatStation Etat) {
                if (vue != nullptr)
                    vue->SetEtat(std::move(Etat));
            }};
}

void StudioWindow::FollowStation(TStudioStation& Station) {
    FLive->Suivre(NomDe(Station));
    const auto electrode = [this, &Station](const QString& Fait, auto Commande) {
        return [this, &Station, Fait, Commande](int Electrode) {
            if (Electrode < 0)
                ShowError(QStringLiteral("Choisissez une électrode dans la liste des compteurs"));
            else
                RunCommand(Station, Fait.arg(Electrode),
                           [&](TStationConnection& C) { return Commande(C, Electrode); });
        };
    };
    FLive->SetCommandes(
        {[this, &Station] { AcknowledgeFaults(Station); },
         electrode(QStringLiteral("Changement de l'électrode %1 acquitté"),
                   [](TStationConnection& C, int E) { return C.AcquitterElectrode(false, E); }),
         electrode(QStringLiteral("Rodage de l'électrode %1 acquitté"),
                   [](TStationConnection& C, int E) { return C.AcquitterElectrode(true, E); }),
         electrode(QStringLiteral("Compteurs de l'électrode %1 remis à zéro"),
                   [](TStationConnection& C, int E) { return C.ReinitialiserCompteurs(E); }),
         [this, &Station] {
             RunCommand(Station, QStringLiteral("Horloge de %1 mise à l'heure").arg(NomDe(Station)),
                        [](TStationConnection& C) { return C.MettreAHeure(); });
         }});
    FStationSuivie = &Station;
}

bool StudioWindow::ConnectStation(TStudioStation& Station, const QString& Adresse) {
    DisconnectStation(Station);
    try {
        FConnections[&Station] = std::make_unique<TStationConnection>(
            Station.Eprom(), Adresse.toStdString(), &FProxy.EventLog(), LiveListeners());
    } catch (const std::exception& error) {
        FConnections.erase(&Station);
        ShowError(QStringLiteral("Impossible de connecter %1 : %2")
                      .arg(NomDe(Station), Texte(error.what())));
        return false;
    }
    FollowStation(Station);
    Log("ConnectStation", "Station connectée", Adresse.toStdString());
    statusBar()->showMessage(QStringLiteral("%1 connectée à %2").arg(NomDe(Station), Adresse));
    return true;
}

void StudioWindow::DisconnectStation(TStudioStation& Station) {
    TStationConnection* connexion = ConnectionOf(Station);
    if (connexion == nullptr)
        return;
    connexion->Engine().WaitIdle();
    FEngine.InstallOn(Station.Eprom());
    FConnections.erase(&Station);
    if (FStationSuivie == &Station) {
        FLive->SetCommandes({});
        FLive->Suivre(QString());
        FStationSuivie = nullptr;
    }
    statusBar()->showMessage(QStringLiteral("%1 déconnectée").arg(NomDe(Station)));
}

bool StudioWindow::SendImage(TStudioStation& Station) {
    return TransfererImage(Station, QStringLiteral("Envoi"), QStringLiteral("envoyées à"),
                           &EnvoyerImage);
}

bool StudioWindow::ReceiveImage(TStudioStation& Station) {
    return TransfererImage(Station, QStringLiteral("Réception"), QStringLiteral("reçues de"),
                           &RecevoirImage);
}

bool StudioWindow::TransfererImage(TStudioStation& Station, const QString& Travail,
                                   const QString& Sens, TTransfertImage Transfert) {
    TStationConnection* connexion = ConnectionOf(Station);
    if (connexion == nullptr) {
        ShowError(QStringLiteral("%1 n'est connectée à aucun contrôleur").arg(NomDe(Station)));
        return false;
    }
    const TBilanImage bilan = WithProgress(Travail, [&] {
        return Transfert(Station.Eprom(), connexion->Port(),
                         [this](int Faites, int Total) { Progress(Faites, Total); });
    });
    return MontrerBilan(bilan, Sens, connexion->Adresse());
}

bool StudioWindow::MontrerBilan(const TBilanImage& Bilan, const QString& Sens,
                                const std::string& Adresse) {
    if (!Bilan.Reussi()) {
        ShowError(QStringLiteral("%1 : %2 (%3 zones sur %4)")
                      .arg(Texte(Bilan.Zone), Texte(ErreurSerieName(Bilan.Code)))
                      .arg(Bilan.Zones)
                      .arg(Bilan.Total));
        return false;
    }
    statusBar()->showMessage(
        QStringLiteral("%1 zones %2 %3").arg(Bilan.Zones).arg(Sens, Texte(Adresse)));
    return true;
}

bool StudioWindow::AcknowledgeFaults(TStudioStation& Station) {
    return RunCommand(Station, QStringLiteral("Défauts de %1 acquittés").arg(NomDe(Station)),
                      [](TStationConnection& C) { return C.AcquitterDefauts(); });
}

bool StudioWindow::RunCommand(TStudioStation& Station, const QString& Fait,
                              const std::function<TErreurSerie(TStationConnection&)>& Commande) {
    TStationConnection* connexion = ConnectionOf(Station);
    const TErreurSerie code = connexion != nullptr ? Commande(*connexion) : SerTimeOut;
    if (code != SerSansErreur) {
        ShowError(QStringLiteral("Commande refusée : %1").arg(Texte(ErreurSerieName(code))));
        return false;
    }
    statusBar()->showMessage(Fait);
    return true;
}

void StudioWindow::MenuConnect() {
    TStudioStation* station = ChosenStation();
    if (station == nullptr)
        return;
    bool ok = false;
    const QString adresse = QInputDialog::getText(
        this, QStringLiteral("Connecter au contrôleur"), QStringLiteral("Adresse (HOST:PORT)"),
        QLineEdit::Normal, QStringLiteral("127.0.0.1:5020"), &ok);
    if (ok && !adresse.isEmpty())
        ConnectStation(*station, adresse);
}

void StudioWindow::MenuDisconnect() {
    if (TStudioStation* station = ChosenStation())
        DisconnectStation(*station);
}

void StudioWindow::MenuSendImage() {
    if (TStudioStation* station = ChosenStation())
        SendImage(*station);
}

void StudioWindow::MenuReceiveImage() {
    if (TStudioStation* station = ChosenStation())
        ReceiveImage(*station);
}

} // namespace g20seq::host
