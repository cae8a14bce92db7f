// The editor window base driven through its real widgets: closing and its question, the
// modes, saving through the host's send callback with answers on a worker thread, the
// reception rules and the window context file.
#include "GraphTestKit.h"
#include "model/EditorWindows.h"
#include "support/FakeDataProxy.h"
#include "support/TestEprom.h"
#include "ui/FrmKevMDIChild.h"
#include "ui/FrmProgressionTransfert.h"
#include "ui/widgets/CheckedComboBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <thread>

namespace g20seq::testkit {
namespace {

// An editor of one test zone (its first pair), with three controls in the window context.
class TEditeurEssai : public TFrmKevMDIChild {
public:
    TEditeurEssai(TCustomEprom* Eprom, TTypeZones TypeZone, void* FormReference = nullptr)
        : TFrmKevMDIChild(nullptr, Eprom, TZoneHolder(Eprom, TypeZone, 1), FormReference),
          chkEssai(new QCheckBox(QStringLiteral("Case"), Client())),
          cmbEssai(new QComboBox(Client())), ccbEssai(new TCheckedComboBox(Client())) {
        setObjectName(QStringLiteral("TEditeurEssai"));
        chkEssai->setObjectName(QStringLiteral("chkEssai"));
        cmbEssai->setObjectName(QStringLiteral("cmbEssai"));
        ccbEssai->setObjectName(QStringLiteral("ccbEssai"));
        cmbEssai->addItems({"a", "b", "c"});
        for (const char* item : {"x", "y", "z"})
            ccbEssai->AddItem(QString::fromLatin1(item));
        for (const QObject* controle :
             std::initializer_list<const QObject*>{chkEssai, cmbEssai, ccbEssai})
            AddSaveRestoreComponentIHM(*controle);
        Zone = dynamic_cast<TTestZone*>(AjouterPaire(TypeZone, 1));
    }
    void SetValeur(int Valeur) { Zone->GetFieldByID("IDValeur")->SetAsInteger(Valeur); }
    int Valeur() const { return Zone->GetFieldByID("IDValeur")->GetAsInteger(); }
    bool Modifiees() const { return IsDonneesModifiees(); }

    TTestZone* Zone;
    QCheckBox* chkEssai;
    QComboBox* cmbEssai;
    TCheckedComboBox* ccbEssai;
};

class EditorBaseTest : public ::testing::Test {
protected:
    EditorBaseTest() {
        Proxy.ContextFile = (Dossier.path() + "/contexte.ihm").toStdString();
        Eprom->SetIsAutorised([](TTypeZones Type) { return Type != PrcConfiguration; });
        Eprom->SetChargerMultipleZoneCPS([this](TCustomEprom*, TZoneQueue* Queue) {
            Fenetre = FindEditorWindowSending(Queue);
            for (auto& zone : *Queue)
                Envoyees.push_back(std::move(zone));
            Queue->clear();
            if (Reponse)
                Reponse();
            return Fenetre != nullptr;
        });
    }
    // Windows closed by a test are freed before the EPROM whose zones they hold.
    ~EditorBaseTest() override {
        if (Worker.joinable())
            Worker.join();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Answers each zone sent (the zone itself, or an error) from a worker thread.
    void Repondre(bool Erreur = false) {
        Worker = std::thread([this, Erreur] {
            for (auto& zone : Envoyees)
                DeliverToEditorWindow(Fenetre, Erreur ? nullptr : zone.get(), Erreur);
        });
    }

    // Runs Action once, as soon as the progress window shows.
    void PendantProgression(std::function<void(TFrmProgressionTransfert&)> Action) {
        auto* attente = new QTimer(QCoreApplication::instance());
        QObject::connect(attente, &QTimer::timeout, [attente, Action = std::move(Action)] {
            for (QWidget* fenetre : QApplication::topLevelWidgets())
                if (auto* progression = qobject_cast<TFrmProgressionTransfert*>(fenetre);
                    progression != nullptr && progression->isVisible()) {
                    attente->stop();
                    attente->deleteLater();
                    Action(*progression);
                    return;
                }
        });
        attente->start(5);
    }

    int Detenteurs() { return Eprom->FindZoneReference(PrcProgrammes, 1)->GetReferenceCount(); }

    QTemporaryDir Dossier;
    FakeDataProxy Proxy;
    FakeProtocol Protocol;
    std::unique_ptr<TTestEprom> Eprom = TTestEprom::New("GA_Test", &Protocol);
    std::vector<std::unique_ptr<TCustomZoneCPS>> Envoyees;
    IEditorWindow* Fenetre = nullptr;
    std::function<void()> Reponse;
    std::thread Worker;
};

TEST_F(EditorBaseTest, ClosingAsksOnlyAboutChangesAndCancelKeepsTheWindowAndItsData) {
    const TZoneHolder tenue(Eprom.get(), PrcProgrammes, 1);
    const int detenteurs = Detenteurs();
    IEditorWindow* reference = nullptr;
    QPointer<TEditeurEssai> fenetre = new TEditeurEssai(Eprom.get(), PrcProgrammes, &reference);
    EXPECT_EQ(reference, fenetre.data());
    EXPECT_EQ(Detenteurs(), detenteurs + 1); // the window keeps the hold it was given
    fenetre->show();
    fenetre->SetValeur(20);
    Proxy.QueueDialogAnswer(mrCancel);
    fenetre->btnCancel->click();
    ASSERT_FALSE(fenetre.isNull());
    EXPECT_TRUE(fenetre->isVisible());
    EXPECT_EQ(fenetre->Valeur(), 20);
    ASSERT_EQ(Proxy.Dialogs.size(), 1u);
    EXPECT_EQ(Proxy.Dialogs[0].ID, "Mess_DataModified");
    EXPECT_EQ(Proxy.Dialogs[0].Buttons, mbYes | mbNo | mbCancel);

    Proxy.QueueDialogAnswer(mrNo); // cancels the change, then closes
    fenetre->btnCancel->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(fenetre.isNull());
    EXPECT_EQ(reference, nullptr);
    EXPECT_EQ(Detenteurs(), detenteurs);
    EXPECT_TRUE(Envoyees.empty());

    fenetre = new TEditeurEssai(Eprom.get(), PrcProgrammes);
    fenetre->show();
    fenetre->close();
    EXPECT_EQ(Proxy.Dialogs.size(), 2u) << "an unchanged window closes without a question";
}

TEST_F(EditorBaseTest, CtrlF5TogglesTheModeOnlyForAnAuthorisedZoneType) {
    TEditeurEssai programme(Eprom.get(), PrcProgrammes);
    programme.show();
    QApplication::setActiveWindow(&programme);
    EXPECT_EQ(programme.btnModifier->text(), "Modifier");
    QTest::keyClick(&programme, Qt::Key_F5, Qt::ControlModifier);
    EXPECT_FALSE(programme.EnVisualisation());
    EXPECT_EQ(programme.btnModifier->text(), "Visualiser");
    EXPECT_EQ(programme.btnModifier->toolTip(),
              "Verrouille les données en mode visualisation (Ctrl+F5)");

    TEditeurEssai configuration(Eprom.get(), PrcConfiguration);
    configuration.show();
    QApplication::setActiveWindow(&configuration);
    QTest::keyClick(&configuration, Qt::Key_F5, Qt::ControlModifier);
    EXPECT_TRUE(configuration.EnVisualisation());
    EXPECT_EQ(configuration.btnModifier->text(), "Modifier");
}

TEST_F(EditorBaseTest, OkSendsTheChangedCopyAndClosesOnceTheAnswerArrived) {
    const int detenteurs = Detenteurs();
    QPointer<TEditeurEssai> fenetre = new TEditeurEssai(Eprom.get(), PrcProgrammes);
    fenetre->show();
    fenetre->SetValeur(30);
    int maximum = -1;
    PendantProgression([&](TFrmProgressionTransfert& Progression) {
        maximum = Progression.prbTransfertZones->maximum();
        EXPECT_EQ(Progression.pnlTransfertZones->text().toStdString(), fenetre->Zone->NomZone());
        Capture(Progression, "progress.png");
        Repondre();
    });
    fenetre->btnOK->click();
    EXPECT_EQ(maximum, 1);
    ASSERT_EQ(Envoyees.size(), 1u);
    EXPECT_EQ(Envoyees[0]->GetFieldByID("IDValeur")->GetAsInteger(), 30);
    EXPECT_NE(Envoyees[0].get(), fenetre->Zone) << "a duplicate is sent";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(fenetre.isNull());
    EXPECT_EQ(Detenteurs(), detenteurs);
    EXPECT_EQ(Proxy.CountLogs("Récéption d'une zone via ThreadReponseCS"), 1)
        << "the editor's log reaches the test's data proxy";
}

TEST_F(EditorBaseTest, AnswersBeforeShowTimeStillCloseAndApplyLeavesTheWindowUnmodified) {
    QPointer<TEditeurEssai> fenetre = new TEditeurEssai(Eprom.get(), PrcProgrammes);
    fenetre->show();
    Reponse = [this] {
        Repondre();
        Worker.join();
    };
    fenetre->SetValeur(40);
    Proxy.QueueDialogAnswer(mrYes);
    fenetre->btnAppliquer->click();
    ASSERT_FALSE(fenetre.isNull());
    EXPECT_FALSE(fenetre->Modifiees());
    EXPECT_EQ(fenetre->Valeur(), 40);
    fenetre->close();
    EXPECT_EQ(Proxy.Dialogs.size(), 1u) << "only the apply question";

    fenetre = new TEditeurEssai(Eprom.get(), PrcProgrammes);
    fenetre->show();
    fenetre->SetValeur(50);
    Envoyees.clear();
    fenetre->btnOK->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(fenetre.isNull());
    EXPECT_EQ(Envoyees.size(), 1u);
}

TEST_F(EditorBaseTest, OutOfOrderAnswersAreDroppedAndAnErrorKeepsTheWindowWithItsData) {
    TEditeurEssai fenetre(Eprom.get(), PrcProgrammes);
    fenetre.show();
    fenetre.SetValeur(60);
    const TZoneHolder autre(Eprom.get(), PrcProgrammes, 2);
    PendantProgression([&](TFrmProgressionTransfert&) {
        fenetre.ReceiveZone(autre.Get(), false); // not awaited: dropped
        Repondre(true);
    });
    fenetre.btnOK->click();
    EXPECT_TRUE(fenetre.isVisible());
    EXPECT_EQ(fenetre.Valeur(), 60);
    EXPECT_TRUE(fenetre.Modifiees());
    EXPECT_EQ(Proxy.CountLogs("nIndexZone = -1(devrait être 0)"), 1);
}

TEST_F(EditorBaseTest, ControlStatesSurviveCloseAndReopenThroughTheContextFile) {
    auto fenetre = new TEditeurEssai(Eprom.get(), PrcProgrammes);
    fenetre->show();
    fenetre->chkEssai->setChecked(true);
    fenetre->cmbEssai->setCurrentIndex(2);
    fenetre->ccbEssai->SetState("101");
    fenetre->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    TEditeurEssai rouverte(Eprom.get(), PrcProgrammes);
    rouverte.show();
    EXPECT_TRUE(rouverte.chkEssai->isChecked());
    EXPECT_EQ(rouverte.cmbEssai->currentIndex(), 2);
    EXPECT_EQ(rouverte.ccbEssai->State(), "101");
    QSettings fichier(QString::fromStdString(Proxy.ContextFile), QSettings::IniFormat);
    EXPECT_EQ(fichier.value("Contexte/TEditeurEssai|chkEssai").toString(), "True");
}

} // namespace
} // namespace g20seq::testkit
