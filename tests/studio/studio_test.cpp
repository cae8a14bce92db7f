// The studio driven through its real widgets, offscreen: stations opened and created with
// their zone tree, editors asked for by double-click, File > Save through the working copy,
// closing with its question, comparisons in a table, the export and the event log view.
#include "StudioTestKit.h"
#include "cli/Cli.h"
#include "sim/SimServer.h"
#include "sim/SimulatedController.h"
#include "studio/DifferenceTable.h"
#include "studio/EventLogView.h"
#include "studio/LiveView.h"
#include "studio/MessageBoxAnswerer.h"
#include "studio/StationConnection.h"
#include "studio/StationTree.h"
#include <g20seq/ui/Editors.h>

#include <QAbstractButton>
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QXYSeries>

#include <sstream>
#include <thread>

namespace g20seq::host::studiotest {
namespace {

using Studio = StudioTest;

TEST_F(Studio, OpensAndCreatesStationsAndShowsTheirZonesInTheTree) {
    auto* tree = Window->findChild<TStationTree*>(QStringLiteral("treeStations"));
    ASSERT_NE(tree, nullptr);
    TStudioStation* creee = Window->CreateStation(QStringLiteral("GA_Neuve"), QFile("neuve.g20"));
    ASSERT_NE(creee, nullptr);
    TStudioStation* ouverte = Window->OpenStation(QString::fromStdString(Image("b.g20", "GM_B")));
    ASSERT_NE(ouverte, nullptr);
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_TRUE(tree->topLevelItem(0)->text(0).startsWith(QStringLiteral("GA_Neuve")));
    EXPECT_EQ(tree->currentItem(), tree->ItemOf(*ouverte));

    QTreeWidgetItem* programmes = tree->ItemOf(*creee, {PrcProgrammes, 5})->parent();
    EXPECT_EQ(programmes->text(0), QStringLiteral("PrcProgrammes (128)"));
    EXPECT_EQ(programmes->childCount(), 128);
    QTreeWidgetItem* configuration = tree->ItemOf(*creee, {PrcConfiguration, 0});
    ASSERT_NE(configuration, nullptr);
    EXPECT_EQ(configuration->childCount(), 0) << "a type with one zone is that zone";
    EXPECT_EQ(TStationTree::ZoneOf(programmes), std::nullopt);
    EXPECT_EQ(TStationTree::StationOf(programmes->child(3)), creee);

    // The station works on a working copy: the image itself is not open for writing.
    EXPECT_NE(creee->WorkingFile(), creee->Path());
    EXPECT_EQ(Bytes(creee->WorkingFile()), Bytes(creee->Path()));
    EXPECT_FALSE(creee->Modified());

    // A file that is no image is refused with a message, and nothing is added.
    std::ofstream(File("texte.g20")) << "not an image";
    Proxy.Dialogs().QueueAnswer(mrOk);
    EXPECT_EQ(Window->OpenStation(QFile("texte.g20")), nullptr);
    ASSERT_EQ(Proxy.Dialogs().Questions().size(), 1u);
    EXPECT_EQ(Proxy.Dialogs().Questions()[0].Kind, mtError);
    EXPECT_EQ(tree->topLevelItemCount(), 2);
}

TEST_F(Studio, DoubleClickOnAZoneWithoutEditorOpensNothingAndLeavesNoHold) {
    // Without the editors library's openers, no zone has an editor.
    RemoveEditors();
    struct TReinstaller {
        ~TReinstaller() { InstallEditors(); }
    } reinstaller;
    TStudioStation* station = Window->OpenStation(QString::fromStdString(Image("a.g20", "GA_A")));
    ASSERT_NE(station, nullptr);
    auto* tree = Window->findChild<TStationTree*>(QStringLiteral("treeStations"));
    auto* mdi = Window->findChild<QMdiArea*>(QStringLiteral("mdiArea"));
    Window->show();
    const int fichier = WeldTime(station->Eprom(), 5);
    {
        // A value changed in memory only lives as long as someone holds the zone.
        const TZoneHolder tenue(&station->Eprom(), PrcProgrammes, 5);
        tenue->GetFieldByID(TempsSoudage)->SetAsInteger(fichier + 3);
        DoubleCliquer(*tree, tree->ItemOf(*station, {PrcProgrammes, 5}));
        EXPECT_TRUE(Window->statusBar()->currentMessage().startsWith("Pas d'éditeur"));
        EXPECT_TRUE(mdi->subWindowList().isEmpty());
        IEditorWindow* fenetre = nullptr;
        EXPECT_FALSE(station->Eprom().SaisieZone(mdi, PrcProgrammes, 5, &fenetre));
        EXPECT_EQ(fenetre, nullptr);
        EXPECT_EQ(WeldTime(station->Eprom(), 5), fichier + 3);
    }
    // Back to no holder: the zone was freed and is read from the file again.
    EXPECT_EQ(WeldTime(station->Eprom(), 5), fichier);
    EXPECT_TRUE(mdi->subWindowList().isEmpty());
}

// The point table, opened by double-click on any point entry, saved through the offline
// engine and File > Save: the image is the one the same pair written directly gives.
TEST_F(Studio, DoubleClickOnAPointEntryOpensThePointTableWhoseSaveReachesTheImage) {
    const std::string image = Image("a.g20", "GA_A");
    const std::string attendu = Image("b.g20", "GA_A");
    {
        auto station = TStation::Open(attendu, true, &Protocole);
        const TZoneHolder entree(&station->Eprom(), PrcAssignationPoint, 0);
        entree->GetFieldByID("IDPointValide")->SetAsBoolean(true);
        entree->GetFieldByID("IDNumPoint")->SetAsString("P1");
        entree->GetFieldByID("IDProgAssocie")->SetAsInteger(7);
        ASSERT_TRUE(station->Eprom().SaveZoneToFile(entree.Get()));
    }
    TStudioStation* station = Window->OpenStation(QString::fromStdString(image));
    ASSERT_NE(station, nullptr);
    QWidget* fenetre = OuvrirEditeur(*station, {PrcAssignationPoint, 3});
    ASSERT_NE(fenetre, nullptr);
    EXPECT_EQ(fenetre->objectName(), QStringLiteral("TFrmAssignationPoint"));
    fenetre->findChild<QAction*>(QStringLiteral("actAddPoint"))->trigger();
    QTest::keyClicks(fenetre->findChild<QLineEdit*>(QStringLiteral("txtNumPoint")), "P1");
    fenetre->findChild<QComboBox*>(QStringLiteral("cmbNumProg"))->setCurrentText("7");
    fenetre->findChild<QAbstractButton*>(QStringLiteral("btnValidPoint"))->click();
    EXPECT_TRUE(Valider(*fenetre, Engine)) << "the window closes once answered";

    ASSERT_TRUE(Window->SaveStation(*station));
    ASSERT_TRUE(Window->CloseStation(*station));
    EXPECT_EQ(Bytes(image), Bytes(attendu));
}

// The electrode window opens on the default electrode whichever electrode was
// double-clicked; a value changed there reaches the image.
TEST_F(Studio, DoubleClickOnAnElectrodeOpensTheElectrodeWindowWhoseSaveReachesTheImage) {
    const std::string image = Image("a.g20", "GA_A");
    TStudioStation* station = Window->OpenStation(QString::fromStdString(image));
    ASSERT_NE(station, nullptr);
    QWidget* fenetre = OuvrirEditeur(*station, {PrcElectrodes, 5});
    ASSERT_NE(fenetre, nullptr);
    EXPECT_EQ(fenetre->objectName(), QStringLiteral("TFrmElectrodeG20"));
    EXPECT_EQ(fenetre->findChild<QComboBox*>(QStringLiteral("cmbNumElectrode"))->currentText(),
              "00");
    fenetre->findChild<QTabWidget*>(QStringLiteral("pclElectrode"))->setCurrentIndex(1);
    auto* rodages = fenetre->findChild<QLineEdit*>(QStringLiteral("txtNombreRodages"));
    rodages->selectAll();
    QTest::keyClicks(rodages, "7");
    EXPECT_TRUE(Valider(*fenetre, Engine)) << "the window closes once answered";
    ASSERT_TRUE(Window->SaveStation(*station));
    ASSERT_TRUE(Window->CloseStation(*station));

    auto relue = TStation::Open(image, true, &Protocole);
    const TZoneHolder electrode(&relue->Eprom(), PrcElectrodes, 0);
    EXPECT_EQ(electrode->GetFieldByID("IDNombreRodage")->GetAsInteger(), 7);
}

// A station linked to a simulated controller: the image comes from the controller, and an
// editor's OK is answered by the controller, which then holds the change.
TEST_F(Studio, AConnectedStationTakesItsControllersImageAndItsEditorsAreAnsweredByIt) {
    const std::string image = Image("a.g20", "GA_A");
    const std::string memoire = Image("c.g20", "GA_A");
    {
        auto controleur = TStation::Open(memoire, true, &Protocole);
        SetWeldTime(controleur->Eprom(), 5, 44);
    }
    TSimulatedController simule("GA_A", memoire);
    TSimServer serveur(simule, 0);
    TStudioStation* station = Window->OpenStation(QString::fromStdString(image));
    ASSERT_NE(station, nullptr);
    Proxy.Dialogs().QueueAnswer(mrOk);
    EXPECT_FALSE(Window->ConnectStation(*station, QStringLiteral("127.0.0.1")));
    EXPECT_EQ(Proxy.Dialogs().Questions().back().Kind, mtError);
    const QString adresse = QStringLiteral("127.0.0.1:%1").arg(serveur.Port());
    ASSERT_TRUE(Window->ConnectStation(*station, adresse));
    ASSERT_TRUE(Window->ReceiveImage(*station));
    EXPECT_EQ(WeldTime(station->Eprom(), 5), 44);
    EXPECT_TRUE(station->Modified()) << "the working copy took the controller's values";

    const auto avant = simule.Payload(PrcAssignationPoint, 0);
    QWidget* fenetre = OuvrirEditeur(*station, {PrcAssignationPoint, 0});
    ASSERT_NE(fenetre, nullptr);
    fenetre->findChild<QAction*>(QStringLiteral("actAddPoint"))->trigger();
    QTest::keyClicks(fenetre->findChild<QLineEdit*>(QStringLiteral("txtNumPoint")), "P1");
    fenetre->findChild<QComboBox*>(QStringLiteral("cmbNumProg"))->setCurrentText("7");
    fenetre->findChild<QAbstractButton*>(QStringLiteral("btnValidPoint"))->click();
    EXPECT_TRUE(Valider(*fenetre, Window->ConnectionOf(*station)->Engine()))
        << "the window closes once answered";
    EXPECT_NE(simule.Payload(PrcAssignationPoint, 0), avant) << "the controller holds the pair";

    // Appliquer keeps the window open, and it shows the value the controller answered.
    fenetre = OuvrirEditeur(*station, {PrcAssignationPoint, 0});
    ASSERT_NE(fenetre, nullptr);
    simule.AltererEcriture(PrcAssignationPoint, [](std::vector<std::uint8_t>& Octets) {
        Octets[21] = 9; // the controller assigns program 9 instead
    });
    fenetre->findChild<QAction*>(QStringLiteral("actAddPoint"))->trigger();
    QTest::keyClicks(fenetre->findChild<QLineEdit*>(QStringLiteral("txtNumPoint")), "P2");
    fenetre->findChild<QComboBox*>(QStringLiteral("cmbNumProg"))->setCurrentText("8");
    fenetre->findChild<QAbstractButton*>(QStringLiteral("btnValidPoint"))->click();
    Proxy.Dialogs().QueueAnswer(mrYes);
    fenetre->findChild<QPushButton*>(QStringLiteral("btnAppliquer"))->click();
    Window->ConnectionOf(*station)->Engine().WaitIdle();
    QCoreApplication::processEvents();
    ASSERT_EQ(Window->MdiArea()->subWindowList().size(), 1);
    const auto* points = fenetre->findChild<QTreeWidget*>(QStringLiteral("lswPoints"));
    QStringList lignes;
    for (int i = 0; i < points->topLevelItemCount(); ++i)
        lignes << points->topLevelItem(i)->text(0) + "=" + points->topLevelItem(i)->text(1);
    EXPECT_TRUE(lignes.contains("P2=9")) << lignes.join(' ').toStdString();
    const std::size_t questions = Proxy.Dialogs().Questions().size();
    Proxy.Dialogs().QueueAnswer(mrNo);
    fenetre->close();
    EXPECT_EQ(Proxy.Dialogs().Questions().size(), questions) << "nothing left to save";
    Proxy.Dialogs().ClearAnswers();

    // The controller's welds reach the signatures view, one row per program.
    simule.SetReglageSoudure({{3, 4}, 0, 1});
    for (int i = 0; i < 4; ++i)
        simule.Souder();
    Attendre([&] { return Window->LiveView()->Recues() == 4; });
    EXPECT_EQ(Window->LiveView()->Recues(), 4);
    EXPECT_EQ(Window->LiveView()->tblSignatures->rowCount(), 2);
    EXPECT_EQ(Window->LiveView()->tblSignatures->item(1, 0)->text(), "4");

    // A weld that raises a fault: the fault is listed; acknowledging it clears it on the
    // controller, and the next polling round clears the list.
    auto* defauts = Window->LiveView()->lstDefauts;
    simule.SetReglageSoudure({{3}, 1.0, 7});
    simule.Souder();
    ASSERT_TRUE(Attendre([&] { return defauts->count() == 1; }));
    Window->LiveView()->btnAcquitter->click();
    EXPECT_EQ(simule.Payload(PrcDefautsPresents, 0), std::vector<std::uint8_t>(12, 0));
    EXPECT_TRUE(Attendre([&] { return defauts->count() == 0; })) << "cleared by the next poll";

    EXPECT_TRUE(Window->SendImage(*station));
    Window->DisconnectStation(*station);
    EXPECT_EQ(Window->ConnectionOf(*station), nullptr);
    EXPECT_EQ(Window->LiveView()->tblSignatures->rowCount(), 0) << "the dock follows none";
}

// The live views follow a connected controller as it welds, and their commands reach it.
TEST_F(Studio, TheLiveViewsFollowTheControllerAndTheirCommandsReachIt) {
    TSimulatedController simule("GA_A");
    TSimServer serveur(simule, 0);
    TStudioStation* station = Window->OpenStation(QString::fromStdString(Image("a.g20", "GA_A")));
    ASSERT_NE(station, nullptr);
    ASSERT_TRUE(
        Window->ConnectStation(*station, QStringLiteral("127.0.0.1:%1").arg(serveur.Port())));
    ASSERT_TRUE(Window->ReceiveImage(*station)); // the counters' steps are the controller's
    TLiveView& vue = *Window->LiveView();
    const auto mot = [](const std::vector<std::uint8_t>& O, int I) { return O[I] << 8 | O[I + 1]; };
    const auto cellule = [](QTableWidget* T, int L, int C) {
        return T->item(L, C)->text().toInt();
    };

    // After N welds, each electrode's counters are the controller's (the step and the end of
    // life are the controller's own and are not compared).
    simule.SetReglageSoudure({{3, 4}, 0, 1});
    for (int i = 0; i < 7; ++i)
        simule.Souder();
    const auto compteursEgaux = [&] {
        for (int l = 0; l < vue.tblCompteurs->rowCount(); ++l) {
            const auto octets = *simule.Payload(PrcCompteurs, cellule(vue.tblCompteurs, l, 0));
            if (cellule(vue.tblCompteurs, l, 1) != mot(octets, 0) ||
                cellule(vue.tblCompteurs, l, 2) != mot(octets, 2) ||
                cellule(vue.tblCompteurs, l, 4) != mot(octets, 6))
                return false;
        }
        return vue.tblCompteurs->rowCount() > 0;
    };
    const auto etat = [&] {
        std::string texte = "real-time rows " + std::to_string(vue.tblTempsReel->rowCount());
        for (int l = 0; l < vue.tblCompteurs->rowCount(); ++l) {
            const int e = cellule(vue.tblCompteurs, l, 0);
            const auto octets = *simule.Payload(PrcCompteurs, e);
            texte += "; " + std::to_string(e) + ": " +
                     std::to_string(cellule(vue.tblCompteurs, l, 1)) + "/" +
                     std::to_string(mot(octets, 0)) + " " +
                     std::to_string(cellule(vue.tblCompteurs, l, 2)) + "/" +
                     std::to_string(mot(octets, 2)) + " " +
                     std::to_string(cellule(vue.tblCompteurs, l, 4)) + "/" +
                     std::to_string(mot(octets, 6));
        }
        return texte;
    };
    ASSERT_TRUE(Attendre([&] { return vue.tblTempsReel->rowCount() == 7 && compteursEgaux(); }))
        << etat();
    int ligne = 0;
    while (cellule(vue.tblCompteurs, ligne, 1) == 0)
        ++ligne;
    const int electrode = cellule(vue.tblCompteurs, ligne, 0);
    EXPECT_EQ(cellule(vue.tblCompteurs, ligne, 1), 7);
    EXPECT_EQ(static_cast<QXYSeries*>(vue.chtIntensite->chart()->series()[0])->count(), 7);
    EXPECT_GT(vue.tblDiagnostic->rowCount(), 0);
    EXPECT_NE(vue.lblHorloge->text(), "-");

    // A fault is listed with its text.
    simule.SetReglageSoudure({{3}, 1.0, 7});
    simule.Souder();
    ASSERT_TRUE(Attendre([&] { return vue.lstDefauts->count() == 1; }));
    EXPECT_TRUE(vue.lstDefauts->item(0)->text().contains(" : "))
        << vue.lstDefauts->item(0)->text().toStdString();

    Window->resize(1400, 800);
    if (const QString dir = qEnvironmentVariable("G20SEQ_SCREENSHOT_DIR"); !dir.isEmpty())
        for (int onglet = 0; onglet < vue.tabVues->count(); ++onglet) {
            vue.tabVues->setCurrentIndex(onglet);
            Window->grab().toImage().save(
                QStringLiteral("%1/studio-live-%2.png").arg(dir).arg(onglet + 1));
        }

    // The commands of the counters tab act on the selected electrode.
    Proxy.Dialogs().QueueAnswer(mrOk);
    vue.btnRemiseAZero->click();
    EXPECT_EQ(Proxy.Dialogs().Questions().back().Kind, mtError) << "no electrode chosen";
    vue.tblCompteurs->selectRow(ligne);
    vue.btnRemiseAZero->click();
    EXPECT_EQ(mot(*simule.Payload(PrcCompteurs, electrode), 0), 0);
    EXPECT_TRUE(Attendre([&] { return cellule(vue.tblCompteurs, ligne, 1) == 0; }))
        << "the reset counters came back from the controller";
    const auto statut = [&] { return Window->statusBar()->currentMessage().toStdString(); };
    vue.btnChangement->click();
    EXPECT_EQ(statut(), "Changement de l'électrode " + std::to_string(electrode) + " acquitté");
    vue.btnRodage->click();
    EXPECT_EQ(statut(), "Rodage de l'électrode " + std::to_string(electrode) + " acquitté");
    const auto horloge = simule.Payload(PrcHorodateur, 0);
    vue.btnHorloge->click();
    EXPECT_EQ(statut(), "Horloge de GA_A mise à l'heure");
    EXPECT_NE(simule.Payload(PrcHorodateur, 0), horloge);
    Window->DisconnectStation(*station);
}

// The program editor, opened by double-click: its OK sends the program and its electrode
// (the offline engine answers them), writes the process link's comment to the working file,
// and File > Save brings all three into the image.
TEST_F(Studio, ProgramEditorSavesProgramElectrodeAndCommentIntoTheImage) {
    const std::string image = Image("a.g20", "GA_A");
    TStudioStation* station = Window->OpenStation(QString::fromStdString(image));
    ASSERT_NE(station, nullptr);
    QWidget* fenetre = OuvrirEditeur(*station, {PrcProgrammes, 5});
    ASSERT_NE(fenetre, nullptr);
    EXPECT_EQ(fenetre->objectName(), QStringLiteral("TFrmProgrammationG20"));
    fenetre->findChild<QComboBox*>(QStringLiteral("cmbTrempe"))->setCurrentText("4");
    auto* palier = fenetre->findChild<QLineEdit*>(QStringLiteral("txtPalier01"));
    palier->selectAll();
    QTest::keyClicks(palier, "123");
    fenetre->findChild<QPlainTextEdit*>(QStringLiteral("txtCommentaire"))
        ->setPlainText(QStringLiteral("Ligne 3"));
    EXPECT_TRUE(Valider(*fenetre, Engine)) << "every zone sent was answered";

    ASSERT_TRUE(Window->SaveStation(*station));
    ASSERT_TRUE(Window->CloseStation(*station));
    // The dump shows the ampere steps at the ratio the image stores (1), as they are read.
    std::ostringstream out, err;
    ASSERT_EQ(
        RunCli({"dump", image, "PrcProgrammes=5", "PrcElectrodes=0", "PrcLienProcessAvance=5"}, out,
               err),
        0)
        << err.str();
    for (const char* ligne :
         {"\nPrcProgrammes=5 IDTempsTrempe=4\n", "\nPrcProgrammes=5 IDPaliersAmpere[0]=500\n",
          "\nPrcElectrodes=0 IDPaliers[0]=123\n",
          "\nPrcLienProcessAvance=5 IDCommentaire=Ligne 3\n"})
        EXPECT_NE(("\n" + out.str()).find(ligne), std::string::npos) << ligne;
}

TEST_F(Studio, SaveCommitsTheWorkingCopyAndReopeningGivesTheSavedBytes) {
    const std::string image = Image("a.g20", "GA_A");
    const std::string avant = Bytes(image);
    TStudioStation* station = Window->OpenStation(QString::fromStdString(image));
    ASSERT_NE(station, nullptr);
    SetWeldTime(station->Eprom(), 5, 17);
    EXPECT_TRUE(station->Modified());
    EXPECT_EQ(Bytes(image), avant) << "nothing reaches the image before File > Save";

    const std::string ancienneCopie = station->WorkingFile();
    Window->findChild<QAction*>(QStringLiteral("actEnregistrer"))->trigger();
    const std::string enregistre = Bytes(image);
    EXPECT_NE(enregistre, avant);
    EXPECT_FALSE(station->Modified());
    EXPECT_NE(station->WorkingFile(), ancienneCopie) << "a fresh working copy after the commit";
    EXPECT_EQ(Bytes(station->WorkingFile()), enregistre);

    // The station goes on working on its new copy; the image changes only on the next save.
    SetWeldTime(station->Eprom(), 6, 18);
    EXPECT_EQ(Bytes(image), enregistre);
    EXPECT_TRUE(Window->SaveStation(*station));
    const std::string final = Bytes(image);
    EXPECT_TRUE(Proxy.Dialogs().Questions().empty());
    ASSERT_TRUE(Window->CloseStation(*station));
    EXPECT_TRUE(Proxy.Dialogs().Questions().empty()) << "an unmodified station closes at once";
    EXPECT_EQ(Entries(), (std::vector<std::string>{".a.g20.lock", "a.g20"}));

    TStudioStation* rouverte = Window->OpenStation(QString::fromStdString(image));
    ASSERT_NE(rouverte, nullptr);
    EXPECT_EQ(Bytes(rouverte->WorkingFile()), final);
    EXPECT_EQ(WeldTime(rouverte->Eprom(), 5), 17);
    EXPECT_EQ(WeldTime(rouverte->Eprom(), 6), 18);
}

TEST_F(Studio, ClosingAModifiedStationAsksToSaveDiscardOrKeepIt) {
    const std::string image = Image("a.g20", "GA_A");
    const std::string avant = Bytes(image);
    TStudioStation* station = Window->OpenStation(QString::fromStdString(image));
    ASSERT_NE(station, nullptr);
    SetWeldTime(station->Eprom(), 5, 17);

    Proxy.Dialogs().QueueAnswer(mrCancel);
    Window->findChild<QAction*>(QStringLiteral("actFermerStation"))->trigger();
    ASSERT_EQ(Window->Stations().size(), 1u) << "Cancel keeps the station open";
    ASSERT_EQ(Proxy.Dialogs().Questions().size(), 1u);
    EXPECT_EQ(Proxy.Dialogs().Questions()[0].Buttons, mbYes | mbNo | mbCancel);
    EXPECT_TRUE(station->Modified());

    Proxy.Dialogs().QueueAnswer(mrNo);
    EXPECT_TRUE(Window->CloseStation(*station));
    EXPECT_TRUE(Window->Stations().empty());
    EXPECT_EQ(Bytes(image), avant) << "No discards the working copy";
    EXPECT_EQ(Entries(), (std::vector<std::string>{"a.g20"})) << "nothing was committed";

    station = Window->OpenStation(QString::fromStdString(image));
    SetWeldTime(station->Eprom(), 5, 19);
    Proxy.Dialogs().QueueAnswer(mrYes);
    EXPECT_TRUE(Window->CloseStation(*station));
    EXPECT_EQ(Proxy.Dialogs().Questions().size(), 3u);
    const auto relue = TStation::Open(image, false, &Protocole);
    EXPECT_EQ(WeldTime(relue->Eprom(), 5), 19) << "Yes saves before closing";
}

TEST_F(Studio, SaveAsksBeforeOverwritingAnImageReplacedSinceItWasOpened) {
    const std::string image = Image("a.g20", "GA_A");
    TStudioStation* station = Window->OpenStation(QString::fromStdString(image));
    ASSERT_NE(station, nullptr);
    SetWeldTime(station->Eprom(), 5, 17);
    {
        // Another program changes the image under its lock (and clears the working files
        // that commands left behind): the studio's copy is not one of them.
        TSafeSave autre(image, TSafeSave::TStart::CopyOfTarget);
        std::ofstream(autre.WorkingFile(), std::ios::app) << "x";
        autre.Commit();
    }
    const std::string remplacee = Bytes(image);
    Proxy.Dialogs().QueueAnswer(mrNo);
    EXPECT_FALSE(Window->SaveStation(*station));
    EXPECT_EQ(Bytes(image), remplacee);
    ASSERT_EQ(Proxy.Dialogs().Questions().size(), 1u);
    EXPECT_EQ(Proxy.Dialogs().Questions()[0].Kind, mtWarning);

    Proxy.Dialogs().QueueAnswer(mrYes);
    EXPECT_TRUE(Window->SaveStation(*station));
    EXPECT_EQ(Bytes(image), Bytes(station->WorkingFile()));
    EXPECT_TRUE(Window->SaveStation(*station)) << "the image is the studio's own again";
    EXPECT_EQ(Proxy.Dialogs().Questions().size(), 2u);
}

TEST_F(Studio, ComparisonsShowTheirDifferencesInATable) {
    TStudioStation* station = Window->OpenStation(QString::fromStdString(Image("a.g20", "GA_A")));
    ASSERT_NE(station, nullptr);
    const int temps = WeldTime(station->Eprom(), 5);
    const std::string autre = Image("b.g20", "GA_B", temps + 4);
    {
        const auto b = TStation::Open(autre, false, &Protocole);
        b->SaveToNewRefFile(File("b.ref"));
    }
    auto* mdi = Window->findChild<QMdiArea*>(QStringLiteral("mdiArea"));
    EXPECT_EQ(Window->CompareWithStation(*station, QString::fromStdString(autre)), 1);
    EXPECT_EQ(Window->CompareWithReference(*station, QFile("b.ref")), 1);
    ASSERT_EQ(mdi->subWindowList().size(), 2);
    for (QMdiSubWindow* fenetre : mdi->subWindowList()) {
        EXPECT_EQ(fenetre->objectName(), QStringLiteral("fenDifferences"));
        auto* table = qobject_cast<TDifferenceTable*>(fenetre->widget());
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->objectName(), QStringLiteral("tblDifferences"));
        ASSERT_EQ(table->rowCount(), 1);
        EXPECT_EQ(table->item(0, TDifferenceTable::colZone)->text(),
                  QStringLiteral("PrcProgrammes=5"));
        EXPECT_EQ(table->item(0, TDifferenceTable::colChamp)->text(), QString(TempsSoudage));
        EXPECT_NE(table->item(0, TDifferenceTable::colStation)->text(),
                  table->item(0, TDifferenceTable::colAutre)->text());
    }
    EXPECT_EQ(station->Eprom().GetFichierReference(), nullptr) << "closed after the comparison";
    Proxy.Dialogs().QueueAnswer(mrOk);
    EXPECT_EQ(Window->CompareWithStation(*station, QFile("absente.g20")), -1);
    Proxy.Dialogs().QueueAnswer(mrOk);
    EXPECT_EQ(Window->CompareWithReference(*station, QFile("absente.ref")), -1);
    EXPECT_EQ(Proxy.Dialogs().Questions().size(), 2u);
    EXPECT_EQ(mdi->subWindowList().size(), 2);
}

TEST_F(Studio, ExportWritesTheTextExportWithTheProgressBarShownMeanwhile) {
    TStudioStation* station = Window->OpenStation(QString::fromStdString(Image("a.g20", "GA_A")));
    ASSERT_NE(station, nullptr);
    auto* barre = Window->findChild<QProgressBar*>(QStringLiteral("prbTravail"));
    Window->show();
    int maximum = 0;
    station->Eprom().SetNextProgressStep([&](int, int Overall) {
        maximum = Overall;
        EXPECT_TRUE(barre->isVisible());
    });
    ASSERT_TRUE(Window->ExportStation(*station, QFile("a.csv")));
    EXPECT_GT(maximum, 0);
    EXPECT_FALSE(barre->isVisible());
    // The command-line tool's export of the same image, but for its first line (the date
    // and the file name).
    std::ostringstream sortie;
    ASSERT_EQ(RunCli({"export", station->Path(), File("cli.csv"), "--log", File("cli.log")}, sortie,
                     sortie),
              0)
        << sortie.str();
    SetDataProxy(&Proxy);
    const auto sansEntete = [](const std::string& Texte) {
        return Texte.substr(Texte.find("\r\n"));
    };
    const std::string texte = Bytes(File("a.csv"));
    EXPECT_GT(texte.size(), 1000u);
    EXPECT_EQ(sansEntete(texte), sansEntete(Bytes(File("cli.csv"))));
}

TEST_F(Studio, TheEventLogDockShowsEntriesLoggedFromAnyThread) {
    auto* vue = Window->findChild<TEventLogView*>(QStringLiteral("txtJournal"));
    ASSERT_NE(vue, nullptr);
    std::thread([this] {
        Proxy.EventLog().AddLog(nullptr, "Essai", "trace", "", 0, "Test");
        Proxy.EventLog().AddLog(nullptr, "Essai", "depuis un autre fil", "", 2, "Test");
    }).join();
    QTRY_VERIFY(vue->toPlainText().contains(QStringLiteral("depuis un autre fil")));
    EXPECT_FALSE(vue->toPlainText().contains(QStringLiteral("trace")))
        << "traces go to the log file only";
}

// The studio as a user sees it with a station open, its programs unfolded and a
// comparison shown; G20SEQ_SCREENSHOT_DIR receives it as studio.png.
TEST_F(Studio, Screenshot) {
    TStudioStation* station =
        Window->OpenStation(QString::fromStdString(Image("GA_Demo.g20", "GA_Demo")));
    ASSERT_NE(station, nullptr);
    const std::string autre = Image("GA_Autre.g20", "GA_Autre", WeldTime(station->Eprom(), 5) + 4);
    auto* tree = Window->findChild<TStationTree*>(QStringLiteral("treeStations"));
    QTreeWidgetItem* programme = tree->ItemOf(*station, {PrcProgrammes, 5});
    programme->parent()->setExpanded(true);
    tree->setCurrentItem(programme);
    tree->scrollToTop();
    EXPECT_TRUE(Window->OpenZone(*station, {PrcProgrammes, 5}));
    Window->show();
    EXPECT_EQ(Window->CompareWithStation(*station, QString::fromStdString(autre)), 1);
    Window->findChild<TEventLogView*>(QStringLiteral("txtJournal"))->Collect();
    QCoreApplication::processEvents();
    const QImage image = Window->grab().toImage();
    EXPECT_FALSE(image.isNull());
    if (const QString dir = qEnvironmentVariable("G20SEQ_SCREENSHOT_DIR"); !dir.isEmpty())
        image.save(dir + "/studio.png");
}

TEST_F(Studio, QuestionsOfTheModuleAreAskedInAMessageBoxWithItsButtons) {
    const auto repondre = [](QMessageBox::StandardButton Bouton) {
        QTimer::singleShot(0, [Bouton] {
            auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(boite, nullptr);
            EXPECT_EQ(boite->objectName(), QStringLiteral("msgModule"));
            boite->button(Bouton)->click();
        });
    };
    repondre(QMessageBox::No);
    EXPECT_EQ(Proxy.Dialogs().Ask("Continuer ?", mtConfirmation, mbYes | mbNo | mbCancel), mrNo);
    repondre(QMessageBox::Retry);
    EXPECT_EQ(AskWithMessageBox(Window.get(), "Erreur", mtError, mbAbort | mbRetry), mrRetry);
    Window.reset();
    Proxy.Dialogs().SetPolicy(TDialogPolicy::Yes);
    EXPECT_EQ(Proxy.Dialogs().Ask("Continuer ?", mtConfirmation, mbYes | mbNo), mrYes)
        << "without the studio, questions fall back to the policy";
}

} // namespace
} // namespace g20seq::host::studiotest
