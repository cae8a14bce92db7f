// The program window driven through its real widgets, opened the way a host opens it on a
// G20 EPROM, with the dialogs answered by script; and the rules beneath it.
#include "EditorTestKit.h"
#include "GraphTestKit.h"
#include "eprom/EpromG20.h"
#include "model/EditorWindows.h"
#include "model/KEVNumericFields.h"
#include "support/EpromTestKit.h"
#include "support/SigDiagTestEprom.h"
#include "ui/Editors.h"
#include "ui/FormProgrammationG20.h"
#include "ui/FormProgrammationG20Regles.h"
#include "ui/GraphCU.h"
#include "ui/GraphTemps.h"
#include "ui/RecordingChart.h"
#include "ui/widgets/KevComboBox.h"
#include "ui/widgets/KevRichEdit.h"
#include "ui/widgets/KevVirtualStringTree.h"
#include "zones/AssignationPoints.h"
#include "zones/ConfigurationFields.h"
#include "zones/ElectrodeFields.h"
#include "zones/LienProcess.h"
#include "zones/ProgrammeG20.h"
#include "zones/SignatureG20.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QValueAxis>
#include <gtest/gtest.h>

#include <thread>

namespace g20seq::testkit {
namespace {

using R = TReglesProgrammation;
using TC = TColonneConsigne;
constexpr unsigned Jaune = 65535, Vert = 65280, Blanc = 16777215;

TEST(ReglesProgrammationTest, ColumnsColoursDigitsListsAndHints) {
    // AC current regulation with the percent monitoring: current yellow, percent green.
    EXPECT_EQ(R::Couleur(TC::Ampere, 2, 2, false), clYellow);
    EXPECT_EQ(R::Couleur(TC::Pourcent, 2, 2, false), clLime);
    EXPECT_EQ(R::Couleur(TC::Pourcent, 2, 1, false), clWhite);
    // Percent regulation with any monitoring: percent yellow, current green.
    EXPECT_EQ(R::Couleur(TC::Pourcent, 1, 1, false), clYellow);
    EXPECT_EQ(R::Couleur(TC::Ampere, 1, 1, false), clLime);
    EXPECT_EQ(R::Couleur(TC::Tension, 3, 0, false), clYellow);
    EXPECT_EQ(R::ColonneActive(1, true), TC::Ampere);
    EXPECT_TRUE(R::RegulationBloquee(2, 2, false));
    EXPECT_FALSE(R::RegulationBloquee(1, 2, false));
    EXPECT_TRUE(R::RegulationBloquee(1, 2, true));
    EXPECT_EQ(R::ModeControle(true, true), 2);
    EXPECT_EQ(R::ModeControle(false, false), 0);

    const R::TChiffres actuel{2, 1};
    EXPECT_EQ(R::ChiffresCourant(12.3, false, false, actuel), (R::TChiffres{2, 1}));
    EXPECT_EQ(R::ChiffresCourant(9.5, false, false, actuel), (R::TChiffres{1, 2}));
    EXPECT_EQ(R::ChiffresCourant(150, false, false, actuel), (R::TChiffres{3, 0}));
    EXPECT_EQ(R::ChiffresCourant(150, true, false, actuel), actuel);
    EXPECT_EQ(R::ChiffresCourant(150, false, true, actuel), (R::TChiffres{5, 0}));
    EXPECT_DOUBLE_EQ(R::Derivee(50.0, 150.0, 1), 75.0);

    using TL = R::TListeTemps;
    EXPECT_EQ(R::ItemsTemps(0, 2, TL::SoudageAC), (std::vector<std::string>{"0", "1/2", "1", "2"}));
    EXPECT_EQ(R::ItemsTemps(2, 5, TL::DemiPeriodes),
              (std::vector<std::string>{"1.0", "1.5", "2.0", "2.5"}));
    EXPECT_EQ(R::IndexTemps(0, 0, TL::SoudageAC, true), 1);
    EXPECT_EQ(R::TempsDeIndex(4, 0, TL::SoudageAC).Raw, 3);
    EXPECT_EQ(R::Indication(0.5, 160.0, 1), "0.5..160.0");
    EXPECT_EQ(R::IndicationEffort(300, 9999), "300.00...9999.00");
}

// A G20 EPROM whose diagnostic station holds the electrode or program the test names.
class TEpromEssai : public TEpromG20 {
public:
    using TEprom::FindZoneReference;
    using TEpromG20::TEpromG20;
    bool IsLockZone(TTypeZones& TypeZone, int& NumeroZone) override {
        return (TypeZone == PrcElectrodes && NumeroZone == ElectrodeTenue) ||
               (TypeZone == PrcProgrammes && NumeroZone == ProgrammeTenu);
    }
    int ElectrodeTenue = -1;
    int ProgrammeTenu = -1;
};

class ProgramEditorTest : public ::testing::Test {
protected:
    void Creer(const char* Nom) {
        InstallEditors();
        Eprom = TEprom::Create<TEpromEssai>(Nom, &Protocol);
        Eprom->SetIsAutorised([](TTypeZones) { return true; });
        RepondreAvecLesZonesEnvoyees(*Eprom, Envoyees);
    }
    ~ProgramEditorTest() override {
        delete Fenetre.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        RemoveEditors();
    }

    TFrmProgrammationG20& Ouvrir(int Numero = 5) {
        EXPECT_TRUE(Eprom->SaisieZone(nullptr, PrcProgrammes, Numero, &Reference));
        Fenetre = dynamic_cast<TFrmProgrammationG20*>(Reference);
        return *Fenetre;
    }
    template <class T = QWidget> T* W(const QString& Nom) const {
        T* w = Fenetre->findChild<T*>(Nom);
        EXPECT_NE(w, nullptr) << Nom.toStdString();
        return w;
    }
    TKEVComboBox* Cmb(const char* Nom) const { return W<TKEVComboBox>(Nom); }
    TKevRichEdit* Txt(const QString& Nom) const { return W<TKevRichEdit>(Nom); }
    static QString Pas(const char* Nom, int Pas) {
        return QString::fromLatin1(Nom) + QString("%1").arg(Pas, 2, 10, QLatin1Char('0'));
    }
    void Saisir(TKevRichEdit* Edit, const QString& Texte) {
        Edit->selectAll();
        QTest::keyClicks(Edit, Texte);
    }
    TByteArray Payload() const {
        TByteArray trame{};
        Fenetre->ProgCourant().SerialEncode(trame, 0, TProgrammeG20::TaillePayload);
        return trame;
    }
    const Points& Sequence() const {
        return dynamic_cast<TRecordingSeries*>(Fenetre->chtGraphCycleSoudage->Series(0))->Points();
    }
    void SetConfiguration(const TFieldHandle& Champ, int Valeur) {
        Configuration = TZoneHolder(Eprom.get(), PrcConfiguration, 0);
        Configuration.As<TZoneCPS>()->Field(Champ).SetAsInteger(Valeur);
    }
    std::vector<std::string> DialogIDs() const {
        std::vector<std::string> ids;
        for (const DialogCall& d : Proxy.Dialogs)
            ids.push_back(d.ID);
        return ids;
    }

    FakeDataProxy Proxy;
    FakeProtocol Protocol;
    std::unique_ptr<TEpromEssai> Eprom;
    TZoneHolder Configuration;
    IEditorWindow* Reference = nullptr;
    QPointer<TFrmProgrammationG20> Fenetre;
    std::vector<std::unique_ptr<TCustomZoneCPS>> Envoyees;
};

TEST_F(ProgramEditorTest, ACWeldTimeHalfPeriodAndColumnsFollowRegulationAndMonitoring) {
    Creer("GA_Line1_Robot1");
    TFrmProgrammationG20& fenetre = Ouvrir();
    fenetre.PasserEnModification();
    EXPECT_EQ(fenetre.objectName(), "TFrmProgrammationG20");
    EXPECT_EQ(W<QLabel>("lblSoudage")->text(), "Soudage (périodes)");
    TKEVComboBox* soudage = Cmb("cmbSoudage");
    ASSERT_GE(soudage->count(), 4);
    EXPECT_EQ(soudage->itemText(0), "0");
    EXPECT_EQ(soudage->itemText(1), "1/2");
    EXPECT_EQ(soudage->itemText(2), "1");

    soudage->setCurrentIndex(1);
    EXPECT_TRUE(fenetre.ProgCourant().GetSoudageDemiPeriode());
    EXPECT_EQ(Payload()[145] & 0x20, 0x20);
    EXPECT_TRUE(Sequence().empty());
    soudage->setCurrentText("3");
    EXPECT_EQ(fenetre.ProgCourant().GetTempsSoudage(), 3);
    EXPECT_FALSE(fenetre.ProgCourant().GetSoudageDemiPeriode());
    EXPECT_EQ(Payload()[145] & 0x20, 0);
    EXPECT_TRUE(std::any_of(Sequence().begin(), Sequence().end(),
                            [](const TChartPoint& p) { return p.Color == clGreen; }));

    // Default program: current regulation, current monitoring.
    for (int pas = 1; pas <= 10; ++pas) {
        EXPECT_EQ(Txt(Pas("txtAmpere", pas))->Color(), Jaune) << pas;
        EXPECT_EQ(Txt(Pas("txtPourcentImax", pas))->Color(), Blanc) << pas;
        EXPECT_EQ(Txt(Pas("txtPourcentU", pas))->Color(), Blanc) << pas;
    }
    EXPECT_EQ(Txt("txtAmpere01")->Hint(), "0.5..160.0");
    EXPECT_EQ(Txt("txtPourcentImax01")->Hint(), "10.0..99.0");
    W<QCheckBox>("chkControlePsi")->setChecked(true);
    EXPECT_EQ(fenetre.ProgCourant().GetModeControle(), 2);
    EXPECT_EQ(Txt("txtPourcentImax03")->Color(), Vert);

    // The regulation is locked while the percent monitoring is on.
    TKEVComboBox* regulation = Cmb("cmbRegulation");
    EXPECT_EQ(regulation->count(), 3);
    const int avant = regulation->currentIndex();
    const TByteArray octets = Payload();
    regulation->setCurrentIndex(0);
    EXPECT_EQ(regulation->currentIndex(), avant);
    EXPECT_EQ(Payload(), octets);
    ASSERT_FALSE(Proxy.Dialogs.empty());
    EXPECT_EQ(Proxy.Dialogs.back().ID, "IDControlModeLocked");
    EXPECT_NE(Proxy.Dialogs.back().Default.find("%PSI"), std::string::npos);

    W<QCheckBox>("chkControleIntensite")->setChecked(false);
    EXPECT_FALSE(W<QCheckBox>("chkControlePsi")->isChecked());
    EXPECT_EQ(fenetre.ProgCourant().GetModeControle(), 0);
    regulation->setCurrentIndex(0); // percent regulation
    EXPECT_EQ(fenetre.ProgCourant().GetModeRegulation(), 1);
    W<QCheckBox>("chkControleIntensite")->setChecked(true);
    EXPECT_EQ(Txt("txtPourcentImax01")->Color(), Jaune);
    EXPECT_EQ(Txt("txtAmpere01")->Color(), Vert);
}

TEST_F(ProgramEditorTest, CurrentDigitsAmpereElectrodeAndLockedElectrode) {
    Creer("GA_Line1_Robot1");
    SetConfiguration(ChampsConfiguration::IDCUConsignesLiees, 0);
    TZoneHolder electrode(Eprom.get(), PrcElectrodes, 3);
    electrode.As<TZoneCPS>()->Field(IDElectrodeG20::IDGainBobineIntensite).SetAsInteger(1000);
    TFrmProgrammationG20& fenetre = Ouvrir();
    fenetre.PasserEnModification();
    TKevRichEdit* ampere = Txt("txtAmpere01");
    Saisir(ampere, "12.3");
    EXPECT_EQ(ampere->NombreEntier(), 2);
    EXPECT_EQ(ampere->NombreDecimale(), 1);
    EXPECT_DOUBLE_EQ(fenetre.ProgCourant().GetPaliersAmpereCalcule(0), 12.3);
    Saisir(ampere, "9.5");
    EXPECT_EQ(ampere->NombreEntier(), 1);
    EXPECT_EQ(ampere->NombreDecimale(), 2);
    Saisir(ampere, "150");
    EXPECT_EQ(ampere->NombreEntier(), 3);
    EXPECT_EQ(ampere->NombreDecimale(), 0);
    EXPECT_EQ(Txt("txtRefAmpere")->NombreDecimale(), 2);

    TKEVComboBox* electrodes = Cmb("cmbNumElectrode");
    electrodes->setCurrentText("03");
    EXPECT_EQ(fenetre.ProgCourant().GetNumeroElectrode(), 3);
    EXPECT_EQ(W<QLabel>("lblAmpere")->text(), "A");
    EXPECT_EQ(Txt("txtRefAmpere")->NombreDecimale(), 0);
    EXPECT_EQ(Txt("txtAmpere02")->Hint(), "50..16000");

    Eprom->ElectrodeTenue = 4;
    electrodes->setCurrentText("04");
    EXPECT_EQ(electrodes->currentText(), "03");
    ASSERT_FALSE(Proxy.Dialogs.empty());
    EXPECT_EQ(Proxy.Dialogs.back().Section, "StationDiagnostic");
    EXPECT_EQ(Proxy.Dialogs.back().Default, "Electrode utilisée par la SD");
}

TEST_F(ProgramEditorTest, ValvesForcesAndViewMode) {
    Creer("GA_Line1_Robot1");
    TFrmProgrammationG20& fenetre = Ouvrir();
    EXPECT_FALSE(fenetre.pclProgrammation->widget(0)->isEnabled());
    EXPECT_TRUE(fenetre.cmbNumProgCourant->isEnabled());
    EXPECT_EQ(fenetre.actModifierVisualiser->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F5));
    fenetre.actModifierVisualiser->trigger();
    EXPECT_TRUE(fenetre.pclProgrammation->widget(3)->isEnabled());

    TKEVComboBox* ev = Cmb("cmbModeEV");
    ev->setCurrentIndex(0);
    EXPECT_FALSE(Txt("txtRetardEV2")->isEnabled());
    ev->setCurrentIndex(ev->count() - 1);
    EXPECT_TRUE(Txt("txtRetardEV2")->isEnabled());
    EXPECT_TRUE(Txt("txtDureeEV2")->isEnabled());

    W<QCheckBox>("chkControleEffort")->setChecked(false);
    EXPECT_FALSE(fenetre.ProgCourant().GetControleEffort());
    for (const char* nom :
         {"txtEffortFinAccostage", "txtEffortForgeageMini", "txtEffortForgeageMaxi"})
        EXPECT_FALSE(Txt(nom)->isEnabled()) << nom;
    W<QCheckBox>("chkControleEffort")->setChecked(true);
    TKevRichEdit* mini = Txt("txtEffortForgeageMini");
    Saisir(mini, "300");
    emit mini->Exit();
    TKevRichEdit* maxi = Txt("txtEffortForgeageMaxi");
    EXPECT_EQ(maxi->MinValue(), 300);
    EXPECT_EQ(maxi->Hint().toStdString(), "300.00...9999.00");
}

TEST_F(ProgramEditorTest, ProgramSwitchAsksAboutElectrodeThenProgram) {
    Creer("GA_Line1_Robot1");
    SetConfiguration(ChampsConfiguration::IDModePince, 3);
    TFrmProgrammationG20& fenetre = Ouvrir();
    fenetre.PasserEnModification();
    TKEVComboBox* programmes = fenetre.cmbNumProgCourant;
    ASSERT_EQ(programmes->count(), 128);
    EXPECT_EQ(programmes->itemText(0), "000");
    EXPECT_EQ(programmes->itemText(127), "127");

    TKEVComboBox* accostage = Cmb("cmbAccostage");
    accostage->setCurrentIndex(accostage->currentIndex() + 2);
    const int modifie = fenetre.ProgCourant().GetTempsAccostage();
    Proxy.QueueDialogAnswer(mrCancel);
    programmes->setCurrentText("006");
    EXPECT_EQ(DialogIDs(), std::vector<std::string>{"Mess_DataModified"});
    EXPECT_EQ(programmes->currentText(), "005");
    EXPECT_TRUE(Envoyees.empty());
    EXPECT_EQ(fenetre.ProgCourant().GetTempsAccostage(), modifie);

    Proxy.QueueDialogAnswer(mrNo);
    programmes->setCurrentText("006");
    EXPECT_EQ(fenetre.NumeroProgramme(), 6);
    EXPECT_TRUE(Envoyees.empty());
    EXPECT_NE(fenetre.ProgCourant().GetTempsAccostage(), modifie);

    accostage->setCurrentIndex(accostage->currentIndex() + 1);
    Proxy.QueueDialogAnswer(mrYes);
    programmes->setCurrentText("016");
    ASSERT_EQ(Envoyees.size(), 1u);
    EXPECT_EQ(Envoyees[0]->GetTypeZone(), PrcProgrammes);
    EXPECT_EQ(Envoyees[0]->GetNumeroZone(), 6);
    EXPECT_EQ(fenetre.NumeroProgramme(), 16);
    EXPECT_EQ(fenetre.lblDescrProg->text(), "Programme non sélectionnable");

    // A step point count changed: the electrode's question comes first.
    Proxy.Dialogs.clear();
    Saisir(Txt("txtPalier02"), "77");
    Proxy.QueueDialogAnswer(mrNo);
    programmes->setCurrentText("007");
    EXPECT_EQ(DialogIDs(), std::vector<std::string>{"DonneesElectrodeModifiees"});
    EXPECT_EQ(fenetre.NumeroProgramme(), 7);
    EXPECT_EQ(fenetre.lblDescrProg->text(), "");

    // Cancel keeps everything and asks nothing more; yes sends the electrode alone.
    Saisir(Txt("txtPalier02"), "88");
    accostage->setCurrentIndex(accostage->currentIndex() + 1);
    Proxy.Dialogs.clear();
    Proxy.QueueDialogAnswer(mrCancel);
    programmes->setCurrentText("008");
    EXPECT_EQ(DialogIDs(), std::vector<std::string>{"DonneesElectrodeModifiees"});
    EXPECT_EQ(programmes->currentText(), "007");
    Envoyees.clear();
    Proxy.QueueDialogAnswer(mrYes);
    Proxy.QueueDialogAnswer(mrNo);
    programmes->setCurrentText("008");
    ASSERT_EQ(Envoyees.size(), 1u);
    EXPECT_EQ(Envoyees[0]->GetTypeZone(), PrcElectrodes);
    EXPECT_EQ(fenetre.NumeroProgramme(), 8);
}

TEST_F(ProgramEditorTest, DerivedSetPointsFollowReferenceAndVariation) {
    Creer("GA_Line1_Robot1");
    SetConfiguration(ChampsConfiguration::IDCUContinue, 2);
    TFrmProgrammationG20& fenetre = Ouvrir();
    fenetre.PasserEnModification();
    EXPECT_TRUE(Txt("txtPourcentImax03")->Italic());
    EXPECT_FALSE(Txt("txtRefPourcent")->Italic());
    Cmb("cmbRegulation")->setCurrentIndex(0); // percent: the wear graph follows %Imax
    TKevRichEdit* reference = Txt("txtRefPourcent");
    Saisir(reference, "50");
    QTest::keyClick(reference, Qt::Key_Return);
    Saisir(Txt("txtVariation03"), "150");
    EXPECT_EQ(Txt("txtPourcentImax03")->text(), "75.0");
    EXPECT_DOUBLE_EQ(fenetre.ProgCourant().GetPaliersPourcent(2), 75.0);
    EXPECT_DOUBLE_EQ(fenetre.GraphCompUsure().GetConsigne(2), 75.0);
    Saisir(reference, "40");
    QTest::keyClick(reference, Qt::Key_Return);
    EXPECT_EQ(Txt("txtPourcentImax03")->text(), "60.0");
    EXPECT_EQ(Txt("txtPourcentImax01")->text(), "40.0");
    EXPECT_DOUBLE_EQ(fenetre.GraphCompUsure().GetConsigne(2), 60.0);
}

TEST_F(ProgramEditorTest, MFTimesInHalfPeriodsAndNoVoltageColumn) {
    Creer("GM_Line1_Robot1");
    TFrmProgrammationG20& fenetre = Ouvrir();
    fenetre.PasserEnModification();
    EXPECT_EQ(fenetre.objectName(), "TFrmProgrammationG20_MF");
    TKEVComboBox* forgeage = Cmb("cmbForgeage");
    EXPECT_EQ(forgeage->itemText(0), "1.0");
    forgeage->setCurrentIndex(1);
    forgeage->setCurrentIndex(0);
    EXPECT_EQ(fenetre.ProgCourant().GetTempsForgeage(), 2);
    Cmb("cmb1erAccostage")->setCurrentText("2.5");
    EXPECT_EQ(fenetre.ProgCourant().GetTempsPremierAccostage(), 5);
    for (const char* nom : {"lblSoudage", "lblUpslope", "lblTempsFroid"})
        EXPECT_TRUE(W<QLabel>(nom)->text().endsWith("(ms)")) << nom;
    EXPECT_EQ(W<QLabel>("lblPourcentImax")->text(), "%PWM");
    EXPECT_EQ(W<QCheckBox>("chkControlePsi")->text(), "Contrôle %PWM");
    EXPECT_EQ(Cmb("cmbRegulation")->count(), 2);
    EXPECT_EQ(Txt("txtAmpere01")->Hint(), "0.5..99.9");
    EXPECT_EQ(Txt("txtPourcentImax01")->Hint(), "10.0..99.9");
    EXPECT_EQ(fenetre.chtGraphCycleSoudage->AxisX()->titleText(), "Temps (ms)");
    EXPECT_TRUE(Txt("txtPourcentU01")->isHidden());
    EXPECT_TRUE(W<QLabel>("lblPourcentU")->isHidden());
    EXPECT_TRUE(Txt("txtRefTension")->isHidden());
    EXPECT_FALSE(fenetre.gbxConsignesMF->isHidden());
    // The rows of the hidden output and phase controls leave no gap.
    fenetre.pclProgrammation->setCurrentIndex(4);
    fenetre.pclProgrammation->currentWidget()->layout()->activate();
    QWidget* cycle = Cmb("cmbCycleVoleePpP");
    EXPECT_TRUE(Cmb("cmbAnglePhie")->isHidden());
    EXPECT_LT(W<QCheckBox>("chkAvecIntensite")->y() - cycle->geometry().bottom(), cycle->height());
}

TEST_F(ProgramEditorTest, SavingSendsProgramAndElectrodeAndASecondRequestSwitches) {
    Creer("GA_Line1_Robot1");
    TFrmProgrammationG20& fenetre = Ouvrir();
    fenetre.PasserEnModification();
    const int detenteurs = Eprom->FindZoneReference(PrcProgrammes, 9)->GetReferenceCount();
    // A second request switches the open window and gives its hold back.
    EXPECT_TRUE(Eprom->SaisieZone(nullptr, PrcProgrammes, 9, &Reference));
    EXPECT_EQ(Reference, &fenetre);
    EXPECT_EQ(fenetre.NumeroProgramme(), 9);
    EXPECT_EQ(Eprom->FindZoneReference(PrcProgrammes, 9)->GetReferenceCount(), detenteurs);

    Cmb("cmbTrempe")->setCurrentIndex(2);
    Saisir(Txt("txtPalier01"), "55");
    fenetre.txtCommentaire->setPlainText(QString(1200, 'x'));
    EXPECT_EQ(fenetre.LienProcess().GetAsString(IDLienProcess::IDCommentaire).size(), 1000u);
    fenetre.txtNumPointChange(1, "P1"); // a G20 process link has no point numbers
    EXPECT_EQ(CountLogLines(Proxy, "txtNumPointChange|L'objet numéro point (1) n'a pas été "
                                   "trouvé|Zone lien process (#9)|2|ZRT Handling"),
              1);
    fenetre.btnAppliquer->click(); // no answer queued: the question answers mrNone
    EXPECT_TRUE(Envoyees.empty());
    Proxy.QueueDialogAnswer(mrYes);
    fenetre.btnAppliquer->click();
    ASSERT_EQ(Envoyees.size(), 2u);
    EXPECT_EQ(Envoyees[0]->GetTypeZone(), PrcProgrammes);
    EXPECT_EQ(Envoyees[1]->GetTypeZone(), PrcElectrodes);
    QCoreApplication::processEvents();
    EXPECT_EQ(fenetre.ProgCourant().GetTempsTrempe(), 2);
}

TEST_F(ProgramEditorTest, PointsOfTheProgramAndLastWeldPanel) {
    Creer("GA_Line1_Robot1");
    std::vector<TZoneHolder> entrees;
    for (auto [point, programme] : {std::pair{"P1", 5}, {"P2", 6}}) {
        entrees.emplace_back(Eprom.get(), PrcAssignationPoint, static_cast<int>(entrees.size()));
        auto* entree = entrees.back().As<TAssignationPoints>();
        entree->SetPointValide(true);
        entree->SetNumPointCPS(point);
        entree->SetNumProg(programme);
    }
    TFrmProgrammationG20& fenetre = Ouvrir();
    ASSERT_EQ(fenetre.lswPoints->RowCount(), 1);
    EXPECT_EQ(fenetre.lswPoints->Cell(0, 0), "P1");
    EXPECT_EQ(fenetre.lswPoints->headerItem()->text(0), "N° de point");
    QLabel* courant = W<QLabel>("lblIntensiteMesureeValeur");
    EXPECT_EQ(courant->text(), "");
    TBytes payload(TSignatureG20::TaillePayloadAC, 0);
    const Byte debut[] = {31, 12, 31, 23, 59, 58, 0, 0, 0, 5, 3, 0, 0x04, 0xD2};
    std::copy(std::begin(debut), std::end(debut), payload.begin());
    auto signature = std::make_unique<TSignatureG20>(Eprom.get(), PrcSignatures, 0, nullptr);
    ASSERT_EQ(TBancSigDiag::Decoder(*signature, payload), SerSansErreur);
    Eprom->SetSignature(std::move(signature));
    QCoreApplication::processEvents();
    EXPECT_EQ(courant->text(), "12.34");
    EXPECT_EQ(W<QLabel>("lblNumeroPalierValeur")->text(), "3");
    fenetre.cmbNumProgCourant->setCurrentText("006");
    EXPECT_EQ(courant->text(), "");
    EXPECT_EQ(CountText1(Proxy, "Signature non trouvée"), 2); // opening, program 6
    EXPECT_FALSE(fenetre.pnlVisualisuSignaturesTR->isHidden());
    delete Fenetre.data();
    Proxy.Booleens["Editeurs|MasquerDernierResultat"] = true;
    EXPECT_TRUE(Ouvrir().pnlVisualisuSignaturesTR->isHidden());
}

TEST_F(ProgramEditorTest, ClosingGivesEveryZoneBack) {
    Creer("GA_Line1_Robot1");
    const auto detenteurs = [this] {
        std::vector<int> comptes;
        for (auto [type, numero] : {std::pair{PrcProgrammes, 5},
                                    {PrcProgrammes, 6},
                                    {PrcProgrammesMini, 0},
                                    {PrcProgrammesMaxi, 0},
                                    {PrcElectrodes, 0},
                                    {PrcLienProcessAvance, 5}})
            comptes.push_back(Eprom->FindZoneReference(type, numero)->GetReferenceCount());
        return comptes;
    };
    const std::vector<int> avant = detenteurs();
    for (int fois = 0; fois < 3; ++fois) {
        TFrmProgrammationG20& fenetre = Ouvrir();
        fenetre.cmbNumProgCourant->setCurrentText("006");
        fenetre.ForceFermeture();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(Fenetre.isNull());
        EXPECT_EQ(SingleEditorWindow(PrcProgrammes), nullptr);
    }
    EXPECT_EQ(detenteurs(), avant);
}

// Every tab of both variants, grabbed offscreen (saved with G20SEQ_SCREENSHOT_DIR set).
TEST_F(ProgramEditorTest, EveryTabOfBothVariantsRenders) {
    for (const char* variante : {"ac", "mf"}) {
        Creer(std::string(variante) == "ac" ? "GA_Line1_Robot1" : "GM_Line1_Robot1");
        TFrmProgrammationG20& fenetre = Ouvrir();
        fenetre.PasserEnModification();
        fenetre.Cadre()->resize(1400, 860);
        Cmb("cmbSoudage")->setCurrentIndex(5);
        for (int pas = 1; pas <= 10; ++pas)
            Saisir(Txt(Pas("txtPalier", pas)), QString::number(pas * 500));
        for (int onglet = 0; onglet < fenetre.pclProgrammation->count(); ++onglet) {
            fenetre.pclProgrammation->setCurrentIndex(onglet);
            const QString nom = QString("program-%1-%2.png")
                                    .arg(variante)
                                    .arg(fenetre.pclProgrammation->widget(onglet)->objectName());
            EXPECT_FALSE(Capture(*fenetre.Cadre(), nom.toLatin1().constData()).isNull());
        }
        delete Fenetre.data();
        RemoveEditors();
    }
}

} // namespace
} // namespace g20seq::testkit
