// The configuration window driven through its real widgets, on a G20 station that works on
// a zone file; dialogs are answered by script and sent zones are written into the station
// the way a controller that accepts them answers.
#include "EditorTestKit.h"
#include "GraphTestKit.h"
#include "eprom/EpromG20.h"
#include "eprom/KEVCustomFileStream.h"
#include "eprom/KEVFileStream.h"
#include "model/EditorWindows.h"
#include "support/BenchEprom.h"
#include "support/EpromTestKit.h"
#include "support/Exceptions.h"
#include "ui/Editors.h"
#include "ui/FormConfigurationG20.h"
#include "ui/ReglesConfiguration.h"
#include "ui/widgets/CheckListBox.h"
#include "ui/widgets/KevComboBox.h"
#include "ui/widgets/KevNumericEdit.h"
#include "ui/widgets/KevVirtualStringTree.h"
#include "zones/AssignationHandler.h"
#include "zones/AssignationPoints.h"
#include "zones/ConfigurationG20.h"
#include "zones/ElectrodeFields.h"
#include "zones/ElectrodeG20.h"
#include "zones/Fraise.h"
#include "zones/ProgrammeG20.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <optional>
#include <thread>

namespace g20seq::testkit {
namespace {

using namespace ChampsConfiguration;

// A G20 station whose I/O type and fieldbus profile the test chooses.
class TEpromVariante : public TEpromG20 {
public:
    TEpromVariante(TCreateKey Key, const std::string& Nom, TInterfacedPersistent* Protocole,
                   std::optional<TTypeIO> IO, bool ProfilC1)
        : TEpromG20(Key, Nom, Protocole), FIO(IO), FProfilC1(ProfilC1) {}

protected:
    void InitTypeZones() override {
        TEpromG20::InitTypeZones();
        FDescription = std::make_unique<TBenchDescriptionG20>(
            this, GetNomEprom(), TBenchG20{GetNomProtocole(), FIO, std::nullopt, FProfilC1});
    }

private:
    std::optional<TTypeIO> FIO;
    bool FProfilC1;
};

struct TStation {
    const char* Nom = "GA_Config";
    std::optional<TTypeIO> IO{};
    bool ProfilC1 = false;
};

class ConfigurationEditorTest : public ::testing::Test {
protected:
    // Makes the station, writes its image and works on it.
    void Station(TStation Variante = {}) {
        Eprom =
            TEprom::Create<TEpromVariante>(Variante.Nom, &Protocol, Variante.IO, Variante.ProfilC1);
        const std::string image = Dossier.Path("image.kev");
        ASSERT_TRUE(Eprom->SaveToNewFile(new TKevCustomFileStream(image, fmCreate, true)));
        Eprom->CloseFile();
        ASSERT_TRUE(Eprom->ReadFromFile(
            new TKevCustomFileStream(image, fmOpenReadWrite | fmShareDenyNone, true)));
        Eprom->SetIsAutorised([](TTypeZones) { return true; });
        RepondreAvecLesZonesEnvoyees(*Eprom, Envoyees,
                                     [this](TCustomZoneCPS& Zone) { Ecrire(Zone); });
    }
    ConfigurationEditorTest() { InstallEditors(); }
    ~ConfigurationEditorTest() override {
        delete Fenetre.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        RemoveEditors();
    }

    // A controller that accepts the zone: the station's zone takes it and its file too.
    void Ecrire(const TCustomZoneCPS& Zone) {
        const TZoneHolder cible(Eprom.get(), Zone.GetTypeZone(), Zone.GetNumeroZone());
        cible->Assign(&Zone);
        ASSERT_TRUE(Eprom->SaveZoneToFile(cible.Get()));
    }

    // Opens the window as a host does, in modify mode.
    TFrmConfigurationG20& Ouvrir() {
        EXPECT_TRUE(Eprom->SaisieZone(nullptr, PrcConfiguration, 0, &Reference));
        Fenetre = dynamic_cast<TFrmConfigurationG20*>(Reference);
        Fenetre->PasserEnModification();
        return *Fenetre;
    }
    void Fermer() {
        Fenetre->btnOK->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    template <class T = QWidget> T* W(const char* Nom) const {
        auto* controle = Fenetre->findChild<T*>(QString::fromLatin1(Nom));
        EXPECT_NE(controle, nullptr) << Nom;
        return controle;
    }
    QStringList OngletsVisibles(QTabWidget& Onglets) const {
        QStringList onglets;
        for (int i = 0; i < Onglets.count(); ++i)
            if (Onglets.isTabVisible(i))
                onglets << Onglets.tabText(i);
        return onglets;
    }
    int Courante(const TFieldHandle& Champ) const {
        return Fenetre->ConfigCourante->FindField(Champ)->GetAsInteger();
    }
    // The value of the station's configuration.
    int Stockee(const TFieldHandle& Champ) const {
        const TZoneHolder zone(Eprom.get(), PrcConfiguration, 0);
        return zone.As<TZoneCPS>()->FindField(Champ)->GetAsInteger();
    }
    std::vector<std::string> Labels() const {
        std::vector<std::string> labels;
        for (const auto& zone : Envoyees)
            labels.push_back(zone->ZoneLabel());
        return labels;
    }
    // The controller payload of the last configuration sent.
    TByteArray Trame() const {
        TByteArray trame{};
        for (const auto& zone : Envoyees)
            if (zone->GetTypeZone() == PrcConfiguration)
                zone->SerialEncode(trame, 0, 0);
        return trame;
    }
    void Choisir(const char* Combo, int Index) { W<QComboBox>(Combo)->setCurrentIndex(Index); }
    // Every tab of the window, one image each, with G20SEQ_SCREENSHOT_DIR set.
    void Captures(const char* Variante) {
        Fenetre->resize(1016, 655);
        for (int i = 0; i < Fenetre->pclConfiguration->count(); ++i)
            if (Fenetre->pclConfiguration->isTabVisible(i)) {
                Fenetre->pclConfiguration->setCurrentIndex(i);
                const std::string nom = std::string("configuration-") + Variante + "-" +
                                        Fenetre->pclConfiguration->widget(i)
                                            ->objectName()
                                            .mid(3)
                                            .toLower()
                                            .toStdString() +
                                        ".png";
                Capture(*Fenetre, nom.c_str());
            }
        Fenetre->pclConfiguration->setCurrentIndex(0);
    }

    TScratchDir Dossier;
    FakeDataProxy Proxy;
    FakeProtocol Protocol;
    std::unique_ptr<TEpromVariante> Eprom;
    IEditorWindow* Reference = nullptr;
    QPointer<TFrmConfigurationG20> Fenetre;
    std::vector<std::unique_ptr<TCustomZoneCPS>> Envoyees;
};

// ---------------------------------------------------------------------------------------
// The rules without widgets

TEST(ReglesConfigurationTest, RadiosClampModesParityAndCaptions) {
    using R = TReglesConfiguration;
    EXPECT_EQ(R::Radios(false, false), (R::TRadios{true, false, true, true}));
    EXPECT_EQ(R::Radios(false, true), (R::TRadios{true, true, true, true}));
    EXPECT_EQ(R::Radios(true, true), (R::TRadios{true, true, false, true}));
    EXPECT_TRUE(R::Start2Visible(true, 4));
    EXPECT_FALSE(R::Start2Visible(true, 3));
    EXPECT_FALSE(R::Start2Visible(false, 0));
    EXPECT_TRUE(R::SortiesSPVisibles(true, 2));
    EXPECT_FALSE(R::SortiesSPVisibles(true, 3));
    EXPECT_FALSE(R::SortiesSPVisibles(true, 4));
    EXPECT_EQ(R::IndexParite(0), 0);
    EXPECT_EQ(R::IndexParite(2), 1);
    EXPECT_EQ(R::IndexParite(1), 2);
    EXPECT_EQ(R::MoitiesModeSP("Attente acquittement défaut type 1 - Attente acquittement "
                               "défaut type 4"),
              (std::pair<std::string, std::string>("Attente acquittement défaut type 1",
                                                   "Attente acquittement défaut type 4")));
    EXPECT_EQ(R::NumerosProgrammes(5, 7), (std::vector<std::string>{"005", "006", "007"}));
}

// ---------------------------------------------------------------------------------------
// Visibility

TEST_F(ConfigurationEditorTest, TabsAndControlsFollowTheStationAndTheClampMode) {
    const QStringList communs = {"Sélection des programmes", "Compensation d'usure",
                                 "Défauts programmables", "Etats des sorties"};
    Station({"GA_Bus"});
    TFrmConfigurationG20& fenetre = Ouvrir();
    EXPECT_EQ(fenetre.windowTitle(), "Paramètres de configuration");
    EXPECT_EQ(OngletsVisibles(*fenetre.pclConfiguration),
              (communs + QStringList{"Paramètres Ethernet", "Paramètres avancés", "Ecrans"}));
    EXPECT_EQ(OngletsVisibles(*fenetre.pclSelectProg), QStringList{"Start 1"});
    EXPECT_FALSE(W("cmbModeAssignation")->isHidden());
    EXPECT_TRUE(W("cmbBitParite")->isHidden());
    EXPECT_TRUE(W("chkPointsLies")->isHidden());
    EXPECT_TRUE(W("cmbReposSP1")->isHidden());
    Captures("ac-fieldbus");
    Fermer();

    Station({"GA_Tor", tiTOR});
    Ouvrir();
    EXPECT_EQ(OngletsVisibles(*Fenetre->pclConfiguration),
              communs + QStringList(
                            {"Paramètres Ethernet", "Mode Pince", "Paramètres avancés", "Ecrans"}));
    EXPECT_EQ(OngletsVisibles(*Fenetre->pclSelectProg), QStringList({"Start 1", "Start 2"}));
    EXPECT_FALSE(W("cmbModeAssignation")->isHidden());
    EXPECT_FALSE(W("cmbModePince")->isHidden());
    EXPECT_FALSE(W("cmbReposSP1")->isHidden());
    Captures("ac-tor");
    Choisir("cmbModePince", 3);
    EXPECT_EQ(Courante(IDModePince), 3);
    EXPECT_EQ(OngletsVisibles(*Fenetre->pclSelectProg), QStringList{"Start 1"});
    for (const char* nom : {"cmbReposSP1", "cmbReposSP2", "cmbActionSP1", "cmbActionSP2",
                            "lblReposSP1", "lblActionSP2"})
        EXPECT_TRUE(W(nom)->isHidden()) << nom;
    Choisir("cmbModePince", 4);
    EXPECT_EQ(OngletsVisibles(*Fenetre->pclSelectProg), QStringList({"Start 1", "Start 2"}));
    EXPECT_TRUE(W("cmbReposSP1")->isHidden());
    EXPECT_TRUE(W("cmbActionSP2")->isHidden());
    Choisir("cmbModePince", 0);
    EXPECT_FALSE(W("cmbActionSP2")->isHidden());
    Fermer(); // back to the stored clamp mode: nothing to save

    Station({"GM_Mf"});
    Ouvrir();
    EXPECT_EQ(OngletsVisibles(*Fenetre->pclConfiguration),
              (communs + QStringList{"Moyenne Fréquence", "Paramètres Ethernet",
                                     "Paramètres avancés", "Ecrans"}));
    EXPECT_FALSE(W("cmbModeAssignation")->isHidden());
    EXPECT_EQ(W<TKevNumberEdit>("txtApprPourcent1")->Hint(), "20..89");
    EXPECT_EQ(W<TKevNumberEdit>("txtPeriodiciteTest")->Hint(), "0..250");
    EXPECT_EQ(W<TKevNumberEdit>("spnTensionSecteur")->Hint(), "100..990");
    EXPECT_EQ(W<TKevNumberEdit>("txtDelaiTest")->maxLength(), 3);
    Captures("mf");
}

// ---------------------------------------------------------------------------------------
// Program selection and parity

TEST_F(ConfigurationEditorTest, ProgramListsStartWithTheLastEditedProgramAndParityIsKept) {
    Station({"GA_Tor", tiTOR});
    Ouvrir();
    auto* programmes = W<QComboBox>("cmbProgNum1");
    ASSERT_EQ(programmes->count(), 129);
    EXPECT_EQ(programmes->itemText(0), "**");
    EXPECT_EQ(programmes->itemText(1), "000");
    EXPECT_EQ(programmes->itemText(128), "127");
    EXPECT_EQ(W<QComboBox>("cmbProgMaxiAutorise1")->itemText(0), "000");
    EXPECT_EQ(W<QComboBox>("cmbProgMaxiAutorise1")->currentText(), "127");
    programmes->setCurrentIndex(0);
    EXPECT_EQ(Courante(IDProgEditeDCY1), 1);
    programmes->setCurrentIndex(3);
    EXPECT_EQ(Courante(IDProgEditeDCY1), 0);
    EXPECT_EQ(Courante(IDProgrammeDCY1), 2);

    const QStringList captions = {"Sans", "Paire", "Impaire"};
    for (int entree : {1, 2, 0}) {
        if (!Fenetre)
            Ouvrir();
        auto* parite = W<QComboBox>("cmbBitParite");
        ASSERT_EQ(parite->count(), 3);
        EXPECT_EQ(parite->itemText(entree), captions[entree]);
        parite->setCurrentIndex(entree);
        Fermer();
        ASSERT_FALSE(Fenetre);
        EXPECT_EQ(Stockee(IDParite), TReglesConfiguration::ValeursParite[entree]);
        Ouvrir();
        EXPECT_EQ(W<QComboBox>("cmbBitParite")->currentIndex(), entree);
        Fenetre->btnCancel->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_EQ(Stockee(IDParite), 0);
}

// ---------------------------------------------------------------------------------------
// The fault pop-up

QStringList Visibles(const QMenu& Menu, QStringList* Coches = nullptr) {
    QStringList visibles;
    for (const QAction* action : Menu.actions())
        if (action->isVisible() && !action->isSeparator()) {
            visibles << action->text();
            if (Coches != nullptr && action->isChecked())
                *Coches << action->text();
        }
    return visibles;
}

TEST_F(ConfigurationEditorTest, TheFaultPopupOffersTheFaultsClassesAndWritesTheChosenOne) {
    Station({"GM_Mf"});
    TFrmConfigurationG20& fenetre = Ouvrir();
    const auto ligne = [&](const QString& Numero) {
        for (int i = 0; i < fenetre.lswDefauts->RowCount(); ++i)
            if (fenetre.lswDefauts->Cell(i, 0) == Numero)
                return i;
        return -1;
    };
    // No row selected: nothing offered, and the log says so.
    Proxy.ClearLogs();
    emit fenetre.lswDefauts->ContextPopup({});
    EXPECT_TRUE(Visibles(*fenetre.popDefauts).isEmpty());
    const auto logs = Proxy.Logs();
    ASSERT_FALSE(logs.empty());
    EXPECT_EQ(LogTuple(logs.back()),
              std::tuple("TFrmConfigurationG20", "TFrmConfigurationG20.lvwDefautsContextPopup",
                         "Choix = nil / Aucune ligne valide sélectionnée", "Zone configuration", 2,
                         "ZRT Handling"));

    fenetre.lswDefauts->SelectRow(ligne("17"));
    emit fenetre.lswDefauts->ContextPopup({});
    EXPECT_EQ(Visibles(*fenetre.popDefauts), QStringList{"2 - Bloquant | Fin de cycle"});

    const int huit = ligne("08");
    fenetre.lswDefauts->SelectRow(huit);
    emit fenetre.lswDefauts->ContextPopup({});
    QStringList coches;
    EXPECT_EQ(Visibles(*fenetre.popDefauts, &coches).size(), 5);
    EXPECT_EQ(coches, QStringList{"4 - Bloquant | Répétition point ?"});
    W<QAction>("mnuClasse3")->trigger();
    EXPECT_EQ(fenetre.ConfigCourante->GetDefautParNom("08")->GetTypeDefaut(), 3);
    EXPECT_EQ(fenetre.lswDefauts->Cell(huit, 2), "3 - Répétition point");
    EXPECT_TRUE(fenetre.lswDefauts->isColumnHidden(3));
    Capture(fenetre, "configuration-faults-popup.png");
}

TEST_F(ConfigurationEditorTest, WithProfileC1TheFaultTypesAreOfferedToo) {
    Station({"GA_C1", std::nullopt, true});
    TFrmConfigurationG20& fenetre = Ouvrir();
    EXPECT_FALSE(fenetre.lswDefauts->isColumnHidden(3));
    int ligne = 0;
    while (fenetre.lswDefauts->Cell(ligne, 0) != "03")
        ++ligne;
    EXPECT_EQ(fenetre.lswDefauts->Cell(ligne, 3), "Type B : Soudage impossible");
    fenetre.lswDefauts->SelectRow(ligne);
    emit fenetre.lswDefauts->ContextPopup({});
    QStringList coches;
    EXPECT_EQ(Visibles(*fenetre.popDefauts, &coches),
              QStringList({"1 - Bloquant | ACQ/start=0", "2 - Bloquant | Fin de cycle",
                           "3 - Bloquant | Répétition point", "4 - Bloquant | Répétition point ?",
                           "Type A : Non bloquant", "Type B : Soudage impossible",
                           "Type C : Défaut qualité soudure de faible gravité",
                           "Type D : Défaut qualité soudure grave"}));
    EXPECT_EQ(coches, QStringList({"1 - Bloquant | ACQ/start=0", "Type B : Soudage impossible"}));
    EXPECT_TRUE(W<QAction>("mnuSeparateurTypes")->isVisible());
    W<QAction>("mnuTypeD")->trigger();
    EXPECT_EQ(fenetre.ConfigCourante->GetDefaultClass(3), 3);
    EXPECT_EQ(fenetre.lswDefauts->Cell(ligne, 3), "Type D : Défaut qualité soudure grave");
    // Profile C0: the default classes are neither shown nor offered.
    Choisir("cmbProfilBus", 0);
    EXPECT_TRUE(fenetre.lswDefauts->isColumnHidden(3));
    fenetre.lswDefauts->SelectRow(ligne);
    emit fenetre.lswDefauts->ContextPopup({});
    EXPECT_EQ(Visibles(*fenetre.popDefauts).size(), 4);
}

// ---------------------------------------------------------------------------------------
// Screens

TEST_F(ConfigurationEditorTest, ScreenChoicesSetTheAccessBitsOfTheListedScreens) {
    Station();
    Ouvrir();
    // M1..M6 and M8 on an AC fieldbus station: no M7 without DeviceNet.
    ASSERT_EQ(W<TCheckListBox>("lstEcransMaintenance")->count(), 7);
    const auto bits = [&] {
        // Bits of M1..M6, M8 in the payload: M1..M5 are bits 3..7 of byte 28, M6 bit 5 of byte
        // 36, M8 bit 6 of byte 38.
        const TByteArray trame = Trame();
        return std::vector<int>{(trame[28] >> 3) & 1, (trame[28] >> 4) & 1, (trame[28] >> 5) & 1,
                                (trame[28] >> 6) & 1, (trame[28] >> 7) & 1, (trame[36] >> 5) & 1,
                                (trame[38] >> 6) & 1};
    };
    // All, the reset companion's bits (none on maintenance), all, none: each saved.
    for (const auto& [choix, bit] : {std::pair{0, 1}, {2, 0}, {0, 1}, {1, 0}}) {
        if (!Fenetre)
            Ouvrir();
        Choisir("cmbEcransMaintenance", choix);
        EXPECT_EQ(W<QComboBox>("cmbEcransMaintenance")->currentIndex(), -1);
        Fermer();
        EXPECT_EQ(bits(), std::vector<int>(7, bit)) << choix;
        Envoyees.clear();
    }
    // The default of a list with screens allowed and screens not: the reset companion's bits.
    Ouvrir();
    Choisir("cmbEcransProgrammation", 1);
    Choisir("cmbEcransProgrammation", 2);
    const TZoneHolder raz(Eprom.get(), PrcConfigurationRAZ, 0);
    auto* programmation = W<TCheckListBox>("lstEcransProgrammation");
    int autorises = 0;
    for (int i = 0; i < programmation->count(); ++i) {
        const std::string id = programmation->item(i)->text().toStdString();
        const bool attendu = raz.As<TConfigurationG20>()->GetEcranParID(id)->GetAfficher();
        EXPECT_EQ(programmation->Checked(i), attendu) << id;
        EXPECT_EQ(Fenetre->ConfigCourante->GetEcranParID(id)->GetAfficher(), attendu) << id;
        autorises += attendu ? 1 : 0;
    }
    EXPECT_GT(autorises, 0);
    EXPECT_LT(autorises, programmation->count());
    Proxy.QueueDialogAnswer(mrNo);
    Fenetre->btnCancel->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(Fenetre);
    // A tick sets that screen's bit only.
    Ouvrir();
    EXPECT_GT(W<TCheckListBox>("lstEcransExecution")->count(), 0);
    auto* maintenance = W<TCheckListBox>("lstEcransMaintenance");
    maintenance->item(2)->setCheckState(Qt::Checked);
    EXPECT_TRUE(Fenetre->ConfigCourante->GetEcranParID("M3")->GetAfficher());
    EXPECT_FALSE(Fenetre->ConfigCourante->GetEcranParID("M4")->GetAfficher());
    Fermer();
    EXPECT_EQ(bits(), (std::vector<int>{0, 0, 1, 0, 0, 0, 0}));
}

// ---------------------------------------------------------------------------------------
// Radio buttons and edits

TEST_F(ConfigurationEditorTest, ValveAndOutputChoicesGoTogether) {
    Station({"GA_Tor", tiTOR});
    Ouvrir();
    auto* bistable = W<QRadioButton>("rdbModeEV2");
    auto* trois = W<QRadioButton>("rdbModeSorties1");
    auto* deux = W<QRadioButton>("rdbModeSorties2");
    EXPECT_FALSE(bistable->isEnabled());
    EXPECT_TRUE(trois->isEnabled());
    deux->click();
    EXPECT_EQ(Courante(IDModeSortiesCU), 1);
    EXPECT_TRUE(bistable->isEnabled());
    bistable->click();
    EXPECT_EQ(Courante(IDModeElectrovannes), 1);
    EXPECT_FALSE(trois->isEnabled());
    EXPECT_TRUE(W("rdbModeEV1")->isEnabled());
    // The clamp mode applies the rule again.
    Fenetre->ConfigCourante->FindField(IDModeElectrovannes)->SetAsInteger(0);
    Choisir("cmbModePince", 2);
    EXPECT_TRUE(trois->isEnabled());
    // View mode disables every data control.
    Fenetre->PasserEnVisualisation();
    EXPECT_FALSE(deux->isEnabled());
    EXPECT_FALSE(W("cmbModePince")->isEnabled());
    EXPECT_FALSE(Fenetre->txtFVFraise->isEnabled());
}

TEST_F(ConfigurationEditorTest, EditsWriteTheirFieldsByTheirRules) {
    Station({"GM_Mf"});
    Ouvrir();
    auto* nom = W<QLineEdit>("txtNomCPS");
    EXPECT_EQ(nom->maxLength(), 20);
    EXPECT_EQ(nom->toolTip(), "Caractères autorisés : A..Z a..z 0..9 [caractère d'espacement]");
    nom->clear();
    for (const QChar lettre : QStringLiteral("é-_Ab 9")) {
        QKeyEvent touche(QEvent::KeyPress, 0, Qt::NoModifier, QString(lettre));
        QCoreApplication::sendEvent(nom, &touche);
    }
    EXPECT_EQ(nom->text(), "Ab 9");
    EXPECT_EQ(Fenetre->ConfigCourante->GetIdentifiantCPS(), "");
    QFocusEvent sortie(QEvent::FocusOut);
    QCoreApplication::sendEvent(nom, &sortie);
    EXPECT_EQ(Fenetre->ConfigCourante->GetIdentifiantCPS(), "Ab 9");

    auto* pourcent1 = W<TKevNumberEdit>("txtApprPourcent1");
    EXPECT_EQ(W<TKevNumberEdit>("txtApprPourcent2")->Hint(), "30..99");
    pourcent1->clear();
    QTest::keyClicks(pourcent1, "40");
    EXPECT_EQ(Courante(IDPourcentApprentissage1), 40);
    EXPECT_EQ(W<TKevNumberEdit>("txtApprPourcent2")->Hint(), "40..99");

    auto* verrou = W<QCheckBox>("chkListLocked");
    verrou->setChecked(true);
    EXPECT_TRUE(W("ipaAdressePC9")->isEnabled());
    verrou->setChecked(false);
    EXPECT_EQ(Courante(IDPCListLocked), 0);
    for (int pc = 0; pc < 10; ++pc)
        EXPECT_FALSE(W(("ipaAdressePC" + std::to_string(pc)).c_str())->isEnabled());

    Choisir("cmbModeSP", 1);
    EXPECT_EQ(W<QLabel>("lblModeSP1")->text(), "Attente acquittement défaut type 1");
    EXPECT_EQ(W<QLabel>("lblModeSP2")->text(), "Attente acquittement défaut type 4");
}

// ---------------------------------------------------------------------------------------
// Cutters and the point-number mode

TEST_F(ConfigurationEditorTest, CuttersAreEditedOneByOneAndOnlyTheChangedOneIsSent) {
    Station();
    {
        const TZoneHolder fraise(Eprom.get(), PrcFraise, 2);
        fraise.As<TFraise>()->SetFinDeVieFraiseRodeuse(700);
        ASSERT_TRUE(Eprom->SaveZoneToFile(fraise.Get()));
    }
    TFrmConfigurationG20& fenetre = Ouvrir();
    ASSERT_EQ(fenetre.lswFraise->RowCount(), 4);
    W<QCheckBox>("chkAvecFraiseRodage")->setChecked(false);
    EXPECT_TRUE(fenetre.txtFVFraise->isReadOnly());
    EXPECT_TRUE(fenetre.txtAlarmeFraise->isReadOnly());
    W<QCheckBox>("chkAvecFraiseRodage")->setChecked(true);
    EXPECT_FALSE(fenetre.txtFVFraise->isReadOnly());

    fenetre.lswFraise->SelectRow(2);
    emit fenetre.lswFraise->Click();
    EXPECT_EQ(fenetre.txtFVFraise->text(), "700");
    fenetre.txtFVFraise->SetValue(650);
    fenetre.btnCancelFraise->click();
    EXPECT_EQ(fenetre.txtFVFraise->text(), "700");
    fenetre.txtFVFraise->SetValue(650);
    fenetre.btnValidFraise->click();
    EXPECT_EQ(fenetre.lswFraise->Cell(2, 1), "650");
    Fermer();
    EXPECT_EQ(Labels(), std::vector<std::string>{"PrcFraise=2"});
    const TZoneHolder fraise(Eprom.get(), PrcFraise, 2);
    EXPECT_EQ(fraise.As<TFraise>()->GetFinDeVieFraiseRodeuse(), 650);
}

TEST_F(ConfigurationEditorTest, ThePointModeAsksBeforeEmptyingTheTable) {
    Station();
    {
        const TZoneHolder entree(Eprom.get(), PrcAssignationPoint, 0);
        auto* point = entree.As<TAssignationPoints>();
        point->SetPointValide(true);
        point->SetNumPointCPS("P1");
        point->SetNumProg(4);
        ASSERT_TRUE(Eprom->SaveZoneToFile(entree.Get()));
    }
    TFrmConfigurationG20& fenetre = Ouvrir();
    ASSERT_EQ(fenetre.Handler().Count(), 1);
    Proxy.QueueDialogAnswer(mrNo);
    Choisir("cmbModeAssignation", 1);
    ASSERT_EQ(Proxy.Dialogs.size(), 1u);
    EXPECT_EQ(Proxy.Dialogs[0].ID, "MessWarningReset");
    EXPECT_EQ(W<QComboBox>("cmbModeAssignation")->currentIndex(), 0);
    EXPECT_EQ(Courante(IDModeAssignationPoint), 0);
    EXPECT_EQ(fenetre.Handler().Count(), 1);

    Proxy.QueueDialogAnswer(mrYes);
    Choisir("cmbModeAssignation", 1);
    EXPECT_EQ(Courante(IDModeAssignationPoint), 1);
    EXPECT_EQ(fenetre.Handler().Count(), 0);
    Fermer();
    EXPECT_EQ(Labels(), (std::vector<std::string>{"PrcAssignationPoint=0", "PrcConfiguration=0"}));
    EXPECT_EQ(Stockee(IDModeAssignationPoint), 1);
    const TZoneHolder entree(Eprom.get(), PrcAssignationPoint, 0);
    EXPECT_FALSE(entree.As<TAssignationPoints>()->GetPointValide());
}

// ---------------------------------------------------------------------------------------
// Load errors

// A window whose wear compensation loader fails.
class TFenetreChargementRate : public TFrmConfigurationG20 {
public:
    using TFrmConfigurationG20::TFrmConfigurationG20;

protected:
    void ChargerDonneesCU() override { throw Exception("Lecture impossible"); }
};

TEST_F(ConfigurationEditorTest, ALoaderErrorIsLoggedUnderItsNameAndTheOthersStillLoad) {
    Station();
    Proxy.ClearLogs();
    Fenetre =
        new TFenetreChargementRate(nullptr, TZoneHolder(Eprom.get(), PrcConfiguration, 0), nullptr);
    Fenetre->Afficher();
    const auto logs = Proxy.Logs();
    ASSERT_EQ(logs.size(), 1u);
    EXPECT_EQ(LogTuple(logs[0]),
              std::tuple("TFrmConfigurationG20", "TFrmConfigurationG20.ChargerDonneesCU",
                         "Lecture impossible", "Zone configuration", 2, "ZRT Handling"));
    EXPECT_EQ(W<QLineEdit>("ipaAdresseIP")->text(), "127.0.0.1");
    EXPECT_EQ(W<TCheckListBox>("lstEcransMaintenance")->count(), 7);
    // The window stays usable.
    Fenetre->PasserEnModification();
    W<QCheckBox>("chkPrioriteProgEnAlarme")->click();
    Fermer();
    EXPECT_EQ(Stockee(IDCUChargeProgAlarme), 1);
}

// ---------------------------------------------------------------------------------------
// Saving

class ConfigurationSaveTest : public ConfigurationEditorTest {
protected:
    void SetUp() override {
        Station();
        {
            const TZoneHolder electrode(Eprom.get(), PrcElectrodes, 2);
            electrode.As<TZoneCPS>()->SetAsInteger(IDElectrodeG20::IDGainBobineIntensite, 1000);
            electrode.As<TZoneCPS>()->SetAsFloat(IDElectrodeG20::IDRapportMesure, 1.0);
            ASSERT_TRUE(Eprom->SaveZoneToFile(electrode.Get()));
        }
        Programme(5, [](TProgrammeG20& P) { P.SetPaliersAmpereCalcule(0, 120.0); });
        Programme(6, [](TProgrammeG20& P) { P.SetPrechauffageAmpereCalcule(120.0); });
        Programme(7, [](TProgrammeG20& P) {
            P.SetNumeroElectrode(2);
            P.SetPaliersAmpereCalcule(1, 12000);
        });
        const TZoneHolder electrode(Eprom.get(), PrcElectrodes, 3);
        const int paliers[] = {100, 200, 300, 400, 500, 450};
        for (int i = 0; i < 6; ++i)
            electrode.As<TElectrode>()->SetPalier(i, paliers[i]);
        ASSERT_TRUE(Eprom->SaveZoneToFile(electrode.Get()));
    }
    void Programme(int Numero, const std::function<void(TProgrammeG20&)>& Changer) {
        const TZoneHolder zone(Eprom.get(), PrcProgrammes, Numero);
        auto* programme = zone.As<TProgrammeG20>();
        programme->ActualiserRapportsAmperes();
        Changer(*programme);
        ASSERT_TRUE(Eprom->SaveZoneToFile(zone.Get()));
    }
    double Stocke(int Numero, const std::function<double(TProgrammeG20&)>& Lire) {
        const TZoneHolder zone(Eprom.get(), PrcProgrammes, Numero);
        auto* programme = zone.As<TProgrammeG20>();
        programme->ActualiserRapportsAmperes();
        return Lire(*programme);
    }
    int Palier(int Numero, int Palier) {
        const TZoneHolder electrode(Eprom.get(), PrcElectrodes, Numero);
        return electrode.As<TElectrode>()->GetPalier(Palier);
    }
};

TEST_F(ConfigurationSaveTest, LinkedSetPointsClampStepsAndSavingQueuesEveryKindInOrder) {
    Ouvrir();
    W<QCheckBox>("chkPrioriteProgEnAlarme")->click();
    Fermer();
    EXPECT_FALSE(Fenetre);
    EXPECT_EQ(Labels(),
              (std::vector<std::string>{"PrcProgrammes=5", "PrcProgrammes=6", "PrcProgrammes=7",
                                        "PrcElectrodes=3", "PrcConfiguration=0"}));
    EXPECT_DOUBLE_EQ(Stocke(5, [](auto& P) { return P.GetPaliersAmpereCalcule(0); }), 99.9);
    EXPECT_DOUBLE_EQ(Stocke(6, [](auto& P) { return P.GetPrechauffageAmpereCalcule(); }), 99.9);
    EXPECT_DOUBLE_EQ(Stocke(7, [](auto& P) { return P.GetPaliersAmpereCalcule(1); }), 9999);
    EXPECT_EQ(Palier(3, 5), Palier(3, 4));
    EXPECT_EQ(Palier(3, 9), 500);
    EXPECT_EQ(Stockee(IDCUChargeProgAlarme), 1);
}

TEST_F(ConfigurationSaveTest, UnlinkedSetPointsKeepTheirStepsButNotTheirPreheat) {
    Ouvrir();
    W<QCheckBox>("chkConsignesLiees")->click();
    EXPECT_EQ(Courante(IDCUConsignesLiees), 0);
    Fermer();
    EXPECT_DOUBLE_EQ(Stocke(5, [](auto& P) { return P.GetPaliersAmpereCalcule(0); }), 120.0);
    EXPECT_DOUBLE_EQ(Stocke(6, [](auto& P) { return P.GetPrechauffageAmpereCalcule(); }), 99.9);
    EXPECT_DOUBLE_EQ(Stocke(7, [](auto& P) { return P.GetPaliersAmpereCalcule(1); }), 9999);
}

TEST_F(ConfigurationEditorTest, OnlyWhatChangedIsSent) {
    Station({"GA_Tor", tiTOR});
    TFrmConfigurationG20& fenetre = Ouvrir();
    fenetre.lswFraise->SelectRow(1);
    emit fenetre.lswFraise->Click();
    fenetre.txtFVFraise->SetValue(123);
    fenetre.btnValidFraise->click();
    Fermer();
    EXPECT_EQ(Labels(), std::vector<std::string>{"PrcFraise=1"});

    Envoyees.clear();
    Ouvrir();
    Choisir("cmbModePince", 2);
    Fermer();
    EXPECT_EQ(Labels(), std::vector<std::string>{"PrcConfiguration=0"});
    EXPECT_EQ(Trame()[179], 2);

    Envoyees.clear();
    Ouvrir();
    Choisir("cmbModeAssignation", 1);
    EXPECT_TRUE(Proxy.Dialogs.empty()) << "an empty table asks nothing";
    Fermer();
    EXPECT_EQ(Labels(), std::vector<std::string>{"PrcConfiguration=0"});
    EXPECT_EQ(Trame()[178], 1);

    // Appliquer sends and keeps the window, which then reads as unchanged.
    Envoyees.clear();
    Ouvrir();
    W<QCheckBox>("chkReinitCompteur")->click();
    Proxy.QueueDialogAnswer(mrYes);
    Fenetre->btnAppliquer->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(Labels(), std::vector<std::string>{"PrcConfiguration=0"});
    ASSERT_TRUE(Fenetre);
    EXPECT_FALSE(W<QCheckBox>("chkReinitCompteur")->isChecked());
    const std::size_t questions = Proxy.Dialogs.size();
    Fenetre->btnCancel->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(Fenetre);
    EXPECT_EQ(Proxy.Dialogs.size(), questions) << "closing asks nothing";

    // Nothing changed: OK closes and sends nothing.
    Envoyees.clear();
    Ouvrir();
    Fermer();
    EXPECT_FALSE(Fenetre);
    EXPECT_TRUE(Envoyees.empty());
}

} // namespace
} // namespace g20seq::testkit
