// The electrode window driven through its real widgets, on a G20 EPROM opened the way a host
// opens it, and the presentation rules beneath it.
#include "EditorTestKit.h"
#include "GraphTestKit.h"
#include "eprom/EpromG20.h"
#include "model/EditorWindows.h"
#include "support/EpromTestKit.h"
#include "support/TestEprom.h"
#include "ui/Editors.h"
#include "ui/FormElectrodeG20.h"
#include "ui/QtChartSeriesView.h"
#include "ui/RecordingChart.h"
#include "ui/SaisieElectrode.h"
#include "ui/widgets/KevComboBox.h"
#include "ui/widgets/KevLabeled.h"
#include "ui/widgets/KevNumericEdit.h"
#include "ui/widgets/KevRichEdit.h"
#include "zones/ElectrodeFields.h"
#include "zones/ElectrodeG20.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <thread>

namespace g20seq::testkit {
namespace {

using namespace IDElectrode;
using namespace IDElectrodeG20;

TEST(SaisieElectrodeTest, ThermalCurrentsShowInAmperesOrKiloamperesWithTheirDigits) {
    using TP = TSaisieElectrode::TPresentationThermique;
    EXPECT_EQ(TSaisieElectrode::PresentationThermique(true, 0, 3000),
              (TP{0, 3000, 2, 4, 0, "A", -1, 1}));
    EXPECT_EQ(TSaisieElectrode::PresentationThermique(false, 0, 3000),
              (TP{0, 30, 1, 2, 2, "kA", 1, 100}));
    EXPECT_EQ(TSaisieElectrode::Indication(0, 30, 1), "0.0..30.0");
    EXPECT_EQ(TSaisieElectrode::Indication(0.5, 2), "0.5..2");
    EXPECT_EQ(TSaisieElectrode::Indication(0.05, 20), "0.05..20");
    using TC = TSaisieElectrode::TChiffres;
    EXPECT_EQ(TSaisieElectrode::ChiffresKiloAmperes(9.5), (TC{1, 2}));
    EXPECT_EQ(TSaisieElectrode::ChiffresKiloAmperes(12), (TC{2, 1}));
    EXPECT_EQ(TSaisieElectrode::ChiffresKiloAmperes(0.4), std::nullopt);
    EXPECT_EQ(TSaisieElectrode::ChiffresKiloAmperes(31), std::nullopt);
}

class TEpromG20Comptee : public TEpromG20 {
public:
    using TEprom::FindZoneReference;
    using TEpromG20::TEpromG20;
};

class ElectrodeEditorTest : public ::testing::Test {
protected:
    ElectrodeEditorTest() { InstallEditors(); }
    ~ElectrodeEditorTest() override {
        delete Fenetre.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        RemoveEditors();
    }

    // A G20 EPROM whose controller answers every zone sent with the zone itself.
    void Creer(const char* Nom) {
        Eprom = TEprom::Create<TEpromG20Comptee>(Nom, &Protocol);
        Eprom->SetIsAutorised([](TTypeZones) { return true; });
        RepondreAvecLesZonesEnvoyees(*Eprom, Envoyees, [this](TCustomZoneCPS& Zone) {
            if (Reponse)
                Reponse(dynamic_cast<TElectrodeG20&>(Zone));
        });
    }

    // Locks the electrodes given through a linked diagnostic station.
    void Verrouiller(std::set<int> Electrodes) {
        StationProtocol = MakeStationProtocol();
        Station = TTestEprom::New("GA_Station", StationProtocol.get());
        DonneesStation = TZoneHolder(Station.get(), PrcStationDiagnostic, 0);
        DonneesStation.As<TTestStationZone>()->Electrodes = std::move(Electrodes);
        Eprom->SetLink(Station.get());
    }

    // Opens the window on electrode Numero as a host does.
    TFrmElectrodeG20& Ouvrir(int Numero = 5) {
        EXPECT_TRUE(Eprom->SaisieZone(nullptr, PrcElectrodes, Numero, &Reference));
        Fenetre = dynamic_cast<TFrmElectrodeG20*>(Reference);
        Fenetre->resize(1000, 640);
        Fenetre->show();
        return *Fenetre;
    }
    TFrmElectrodeG20& OuvrirEnModification(int Numero = 5) {
        Ouvrir(Numero).PasserEnModification();
        return *Fenetre;
    }

    template <class T = QWidget> T* C(const char* Nom) const {
        T* controle = Fenetre->Controle<T>(Nom);
        EXPECT_NE(controle, nullptr) << Nom;
        return controle;
    }
    // Types Text into an edit as a user does, then leaves it.
    void Taper(const char* Nom, const QString& Text) {
        auto* edit = C<TKevNumberEdit>(Nom);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, Text);
        emit edit->Exit();
    }
    TElectrodeG20& Courante() const {
        return dynamic_cast<TElectrodeG20&>(*Fenetre->ElecCourante());
    }
    std::vector<Byte> Octets() const {
        TByteArray trame{};
        const int n = Courante().SerialEncode(trame, 0, Courante().GetTailleSendZone());
        return {trame.begin(), trame.begin() + std::max(n, 0)};
    }
    // Grabs every visible tab as File-<tab>.png.
    void CaptureOnglets(const std::string& Prefixe) {
        QTabWidget* onglets = Fenetre->pclElectrode;
        for (int i = 0; i < onglets->count(); ++i) {
            if (!onglets->isTabVisible(i))
                continue;
            onglets->setCurrentIndex(i);
            QCoreApplication::processEvents(); // the chart lays its axes out on a posted event
            const std::string nom =
                Prefixe + "-" + onglets->widget(i)->objectName().toStdString() + ".png";
            Capture(*Fenetre, nom.c_str());
        }
    }
    int Detenteurs(int Numero) {
        return Eprom->FindZoneReference(PrcElectrodes, Numero)->GetReferenceCount();
    }

    FakeDataProxy Proxy;
    FakeProtocol Protocol;
    std::unique_ptr<FakeProtocol> StationProtocol;
    std::unique_ptr<TTestEprom> Station;
    TZoneHolder DonneesStation;
    std::unique_ptr<TEpromG20Comptee> Eprom;
    IEditorWindow* Reference = nullptr;
    QPointer<TFrmElectrodeG20> Fenetre;
    std::vector<std::unique_ptr<TCustomZoneCPS>> Envoyees;
    // What the controller changes in an electrode before it answers.
    std::function<void(TElectrodeG20&)> Reponse;
};

TEST_F(ElectrodeEditorTest, OpensOnTheFirstUnlockedElectrodeAndALockedOneStaysInViewMode) {
    Creer("GA_Ligne");
    const int detenteurs = Detenteurs(5);
    TFrmElectrodeG20& fenetre = Ouvrir(5);
    EXPECT_EQ(fenetre.windowTitle(), "Paramètres électrodes");
    EXPECT_EQ(fenetre.cmbNumElectrode->currentText(), "00") << "the default electrode";
    EXPECT_EQ(fenetre.cmbNumElectrode->itemText(0), "00");
    EXPECT_EQ(fenetre.pclElectrode->currentWidget()->objectName(), "tabPaliersEtAlarme");
    EXPECT_TRUE(fenetre.EnVisualisation());
    EXPECT_FALSE(fenetre.pclElectrode->widget(0)->isEnabled());
    EXPECT_TRUE(fenetre.cmbNumElectrode->isEnabled());
    EXPECT_FALSE(fenetre.pnlModifier->isHidden());
    EXPECT_FALSE(fenetre.pnlAppliquer->isHidden());
    EXPECT_EQ(Detenteurs(5), detenteurs + 1) << "the window holds the electrode it was opened for";
    delete Fenetre.data();
    EXPECT_EQ(Detenteurs(5), detenteurs);
    EXPECT_EQ(Reference, nullptr);

    Verrouiller({0});
    EXPECT_EQ(Ouvrir(5).cmbNumElectrode->currentText(), "01");
    delete Fenetre.data();

    std::set<int> toutes;
    for (int i = 0; i < 16; ++i)
        toutes.insert(i);
    DonneesStation.As<TTestStationZone>()->Electrodes = toutes;
    Proxy.Dialogs.clear();
    TFrmElectrodeG20& verrouillee = Ouvrir(5);
    EXPECT_EQ(verrouillee.cmbNumElectrode->currentText(), "05");
    ASSERT_FALSE(Proxy.Dialogs.empty());
    EXPECT_EQ(
        std::tuple(Proxy.Dialogs[0].Section, Proxy.Dialogs[0].ID, Proxy.Dialogs[0].Default),
        std::tuple("StationDiagnostic", "IDElectrodeLockedError", "Electrode utilisée par la SD"));
    verrouillee.btnModifier->click();
    verrouillee.actModifierVisualiser->trigger();
    EXPECT_TRUE(verrouillee.EnVisualisation());
    EXPECT_FALSE(verrouillee.pclElectrode->widget(0)->isEnabled());
    EXPECT_EQ(verrouillee.btnModifier->text(), "Modifier");
}

TEST_F(ElectrodeEditorTest, SwitchingElectrodesAsksToSaveAChangeAndEachAnswerDoesWhatItSays) {
    Creer("GA_Ligne");
    Ouvrir().Fermer(); // unchanged: closes without a question
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Fenetre.isNull());
    EXPECT_TRUE(Proxy.Dialogs.empty());
    TFrmElectrodeG20& fenetre = OuvrirEnModification();
    const int palier = Courante().GetPalier(2);
    Taper("txtPalier03", "1234");
    EXPECT_EQ(Courante().GetPalier(2), 1234);

    Proxy.QueueDialogAnswer(mrCancel);
    fenetre.cmbNumElectrode->setCurrentIndex(3);
    EXPECT_EQ(Proxy.Dialogs.back().ID, "Mess_DataModified");
    EXPECT_EQ(Proxy.Dialogs.back().Buttons, mbYes | mbNo | mbCancel);
    EXPECT_EQ(fenetre.cmbNumElectrode->currentText(), "00");
    EXPECT_EQ(Courante().GetPalier(2), 1234);

    Proxy.QueueDialogAnswer(mrNo);
    fenetre.cmbNumElectrode->setCurrentIndex(3);
    EXPECT_EQ(Courante().GetNumeroZone(), 3);
    EXPECT_TRUE(Envoyees.empty());
    fenetre.cmbNumElectrode->setCurrentIndex(0);
    EXPECT_EQ(Courante().GetPalier(2), palier) << "No reverted the change";

    Taper("txtPalier03", "1234");
    Proxy.QueueDialogAnswer(mrYes);
    fenetre.cmbNumElectrode->setCurrentIndex(3);
    ASSERT_EQ(Envoyees.size(), 1u);
    EXPECT_EQ(Envoyees[0]->GetNumeroZone(), 0);
    EXPECT_EQ(dynamic_cast<TElectrodeG20&>(*Envoyees[0]).GetPalier(2), 1234);
    EXPECT_EQ(Courante().GetNumeroZone(), 3) << "the answer for 0 does not land in electrode 3";
    EXPECT_EQ(fenetre.Controle<QLineEdit>("txtPalier03")->text(), QString::number(palier));

    // Appliquer, an answer the controller altered (it holds step 3 at 1400): the window
    // shows the controller's value; then closing asks nothing.
    Taper("txtPalier03", "1500");
    Reponse = [](TElectrodeG20& Zone) { Zone.SetPalier(2, 1400); };
    Proxy.QueueDialogAnswer(mrYes);
    fenetre.btnAppliquer->click();
    QCoreApplication::sendPostedEvents(&fenetre, QEvent::MetaCall);
    ASSERT_EQ(Envoyees.size(), 2u);
    EXPECT_EQ(fenetre.Controle<QLineEdit>("txtPalier03")->text(), "1400");
    EXPECT_EQ(Courante().GetPalier(2), 1400);
    const std::size_t questions = Proxy.Dialogs.size();
    fenetre.Fermer();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Fenetre.isNull());
    EXPECT_EQ(Proxy.Dialogs.size(), questions);
}

TEST_F(ElectrodeEditorTest, BoundsHintsAndConversionsNeverChangeTheFieldOnBadText) {
    Creer("GA_Ligne");
    OuvrirEnModification();
    EXPECT_EQ(C("txtPalier05")->toolTip(), "0..65000");
    EXPECT_EQ(C<QLineEdit>("txtPalier05")->maxLength(), 5);
    EXPECT_EQ(C("txtDecalage")->toolTip().count(".."), 1);
    const std::vector<Byte> avant = Octets();
    Taper("txtNombreRodages", "abc");
    auto* palier = C<QLineEdit>("txtPalier05");
    palier->setFocus();
    palier->selectAll();
    QGuiApplication::clipboard()->setText("99999");
    QTest::keyClick(palier, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(palier->text(), "99999");
    EXPECT_EQ(Octets(), avant);

    // Dressing: inter-step dressing switches which edits are usable.
    auto* interPalier = C<QCheckBox>("chkRodageInterPalier");
    const bool etat = interPalier->isChecked();
    interPalier->click();
    const bool on = !etat;
    EXPECT_EQ(Courante().Field(IDCURodageInterPalier).GetAsBoolean(), on);
    EXPECT_EQ(C("txtPointInterPalier")->isEnabled(), on);
    EXPECT_EQ(C("txtMargeRodage")->isEnabled(), on);
    EXPECT_EQ(C("txtNombreRodages")->isEnabled(), !on);
    EXPECT_EQ(C("txtDecalage")->isEnabled(), !on);
    interPalier->click();
    EXPECT_EQ(C("txtPointInterPalier")->isEnabled(), !on);
    {
        // Loading follows the field: electrode 3 with inter-step dressing on.
        const TZoneHolder trois(Eprom.get(), PrcElectrodes, 3);
        trois->GetFieldByID(IDCURodageInterPalier.ID())->SetAsBoolean(true);
        Fenetre->cmbNumElectrode->setCurrentIndex(3); // nothing changed: no question
        EXPECT_TRUE(C("txtPointInterPalier")->isEnabled());
        EXPECT_FALSE(C("txtNombreRodages")->isEnabled());
        Fenetre->cmbNumElectrode->setCurrentIndex(0);
    }

    // Offsets: read-only while their gain is 0; validating writes the rounded value.
    Taper("txtGainServovanne", "0");
    EXPECT_TRUE(C<QLineEdit>("numOffsetEffortSV")->isReadOnly());
    Taper("txtGainServovanne", "5");
    auto* offset = C<TKevNumericEdit>("numOffsetEffortSV");
    EXPECT_FALSE(offset->isReadOnly());
    offset->setFocus();
    offset->selectAll();
    QTest::keyClicks(offset, "12.6");
    QTest::keyClick(offset, Qt::Key_Return);
    EXPECT_EQ(Courante().Field(IDOffsetEffortSV).GetAsInteger(), 13);

    // Cutter: shown from the cutter zone, never queued.
    auto* fraise = C<TKevLabeledComboBox>("cmbNumFraise")->GetEditor();
    EXPECT_EQ(fraise->itemText(2), "2");
    fraise->setCurrentIndex(2);
    EXPECT_EQ(Courante().Field(IDNumeroFraise).GetAsInteger(), 2);
    EXPECT_EQ(Fenetre->FraiseCourante()->GetNumeroZone(), 2);
    EXPECT_FALSE(C("numFVFraise")->isEnabled());
    Proxy.QueueDialogAnswer(mrYes);
    Fenetre->btnAppliquer->click();
    ASSERT_EQ(Envoyees.size(), 1u);
    EXPECT_EQ(Envoyees[0]->GetTypeZone(), PrcElectrodes);
}

TEST_F(ElectrodeEditorTest, AnACControllerShowsNoTransformerAndThermalCurrentsFollowTheAmpereMode) {
    Creer("GA_Ligne");
    TFrmElectrodeG20& fenetre = OuvrirEnModification();
    EXPECT_FALSE(fenetre.pclElectrode->isTabVisible(2));
    EXPECT_TRUE(C("pnlMesure")->isHidden());
    EXPECT_TRUE(C("pnlEau")->isHidden());
    CaptureOnglets("electrode-ac");

    auto* label = C<QLabel>("lblIntensiteThermique");
    auto* edit = C<TKevRichEdit>("txtIntensiteThermique");
    // Gain / measure ratio at 1000 or more: ampere mode, decided when the edit is left.
    ASSERT_FALSE(Courante().IsModeAmperes());
    Taper("txtRapportMesure", "0.1");
    ASSERT_TRUE(Courante().IsModeAmperes());
    EXPECT_TRUE(label->text().endsWith(" (A)")) << label->text().toStdString();
    EXPECT_EQ(edit->toolTip(), "0..3000");
    EXPECT_EQ(std::tuple(edit->NombreEntier(), edit->NombreDecimale()), std::tuple(4, 0));
    Taper("txtRapportMesure", "1");
    EXPECT_TRUE(label->text().endsWith(" (kA)")) << label->text().toStdString();
    EXPECT_EQ(edit->toolTip(), "0.0..30.0");
    EXPECT_EQ(std::tuple(edit->NombreEntier(), edit->NombreDecimale()), std::tuple(2, 2));
    Taper("txtIntensiteThermique", "9.5");
    EXPECT_EQ(std::tuple(edit->NombreEntier(), edit->NombreDecimale()), std::tuple(1, 2));
    EXPECT_EQ(Courante().Slot(IDIntensiteThermique).Raw->GetRawValue(), 950);
    Taper("txtIntensiteThermique", "12");
    EXPECT_EQ(std::tuple(edit->NombreEntier(), edit->NombreDecimale()), std::tuple(2, 1));
}

TEST_F(ElectrodeEditorTest, AnMFTransformerEditsItsRatiosOnlyForAnUnknownAssemblyAndDrawsThem) {
    Creer("GM_Ligne");
    TFrmElectrodeG20& fenetre = OuvrirEnModification();
    ASSERT_TRUE(fenetre.pclElectrode->isTabVisible(2));
    fenetre.pclElectrode->setCurrentIndex(2);
    EXPECT_EQ(C("txtRapportTransfo")->toolTip().count('.'), 4) << "one fixed decimal per bound";
    auto* type = C<QComboBox>("cmbTypeEnsemble");
    EXPECT_EQ(type->count(), 6);
    const char* const rapports[] = {"txtRapportTransfo", "txtRapportTransfoIntFaible",
                                    "txtOffsetRapport", "txtOffsetRapportIntFaible",
                                    "txtLimiteIntFaible"};
    type->setCurrentIndex(1);
    EXPECT_EQ(Courante().Field(IDTypeEnsembleTransfoDiode).GetAsInteger(), 1);
    for (const char* nom : rapports)
        EXPECT_FALSE(C(nom)->isEnabled()) << nom;
    type->setCurrentIndex(0);
    for (const char* nom : rapports)
        EXPECT_TRUE(C(nom)->isEnabled()) << nom;

    for (const auto& [nom, valeur] : {std::pair{"txtRapportTransfo", "40"},
                                      {"txtRapportTransfoIntFaible", "60"},
                                      {"txtOffsetRapportIntFaible", "0"},
                                      {"txtLimiteIntFaible", "400"}})
        Taper(nom, valeur);
    Taper("txtOffsetRapport", "120");
    EXPECT_EQ(Courante().Field(IDOffsetRapport).GetAsInteger(), 120);
    const auto points = [&](int Serie) {
        return static_cast<TRecordingSeries*>(fenetre.chtGraphRapportTransfo->Series(Serie))
            ->Points();
    };
    ASSERT_EQ(points(0).size(), 4u);
    EXPECT_EQ(points(0)[3].Color, clRed) << "the normal slope the offset moves";
    EXPECT_EQ(points(0)[1].Color, clGreen) << "the low-current slope";
    EXPECT_EQ(points(1)[0].Color, clYellow);
    EXPECT_TRUE(HasPixel(fenetre.chtGraphRapportTransfo->grab().toImage(), 0xFF0000));

    // A spin moves by its increment within its bounds, and cannot be typed into.
    fenetre.pclElectrode->setCurrentIndex(3);
    auto* debit = C<TKevNumericSpin>("spnDebitEau");
    EXPECT_TRUE(debit->isReadOnly());
    debit->SetValue(debit->MinValue());
    debit->StepBy(1);
    EXPECT_EQ(Courante().Field(IDDebitEau).GetAsInteger(), static_cast<int>(debit->MinValue()) + 2);
    debit->StepBy(100);
    EXPECT_EQ(Courante().Field(IDDebitEau).GetAsInteger(), static_cast<int>(debit->MaxValue()));
    CaptureOnglets("electrode-mf");
}

} // namespace
} // namespace g20seq::testkit
