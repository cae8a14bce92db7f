// The point table window driven through its real widgets, opened the way a host opens it,
// and the editing rules beneath it.
#include "EditorTestKit.h"
#include "GraphTestKit.h"
#include "model/EditorWindows.h"
#include "model/ZoneCPS.h"
#include "support/PointsTestEprom.h"
#include "ui/EditionCopies.h"
#include "ui/Editors.h"
#include "ui/FrmAssignationPoint.h"
#include "ui/SaisiePoints.h"
#include "ui/widgets/KevComboBox.h"
#include "ui/widgets/KevNumPoint.h"
#include "ui/widgets/KevVirtualStringTree.h"
#include "zones/AssignationHandler.h"
#include "zones/ConfigurationFields.h"

#include <QAction>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <thread>

namespace g20seq::testkit {
namespace {

// Steps of the editing rules and the states they leave, in modify mode.
TEST(SaisiePointsTest, EditingAPairLocksEverythingElseUntilItIsConfirmedOrCancelled) {
    using TEtats = TSaisiePoints::TEtats;
    //                         add    alter  del    confirm edit   save
    const TEtats charge = {true, false, false, false, false, true};
    const TEtats choisi = {true, true, true, false, false, true};
    const TEtats ajout = {false, false, false, false, true, true};
    const TEtats ajoutSaisi = {false, false, false, true, true, false};
    const TEtats modification = {false, false, false, true, true, false};
    const TEtats suppression = {false, false, false, true, false, false};
    const TEtats plein = {false, false, false, false, false, true};
    const struct {
        void (*Pas)(TSaisiePoints&);
        TEtats Attendu;
    } pas[] = {
        {[](TSaisiePoints& S) { S.Charge(); }, charge},
        {[](TSaisiePoints& S) { S.Saisie(false); }, charge}, // a row shown, no edit
        {[](TSaisiePoints& S) { S.Selection(); }, choisi},
        {[](TSaisiePoints& S) { S.Ajout(); }, ajout},
        {[](TSaisiePoints& S) { S.Saisie(true); }, ajout}, // blank text
        {[](TSaisiePoints& S) { S.Saisie(false); }, ajoutSaisi},
        {[](TSaisiePoints& S) { S.FinEdition(true); }, charge},
        {[](TSaisiePoints& S) { S.Selection(); }, choisi},
        {[](TSaisiePoints& S) { S.Modification(); }, modification},
        {[](TSaisiePoints& S) { S.FinEdition(true); }, charge},
        {[](TSaisiePoints& S) { S.Selection(); }, choisi},
        {[](TSaisiePoints& S) { S.Suppression(); }, suppression},
        {[](TSaisiePoints& S) { S.FinEdition(false); }, plein},
    };
    TSaisiePoints saisie;
    saisie.SetModification(true);
    for (std::size_t i = 0; i < std::size(pas); ++i) {
        pas[i].Pas(saisie);
        EXPECT_EQ(saisie.Etats(), pas[i].Attendu) << "step " << i;
    }
    saisie.SetModification(false); // view mode: nothing but saving
    EXPECT_EQ(saisie.Etats(), plein);
}

// The copies count a field that no tab sheet links as a change, which the zones' own
// comparison does not see.
TEST(EditionCopiesTest, AChangeToANeverLinkedConfigurationFieldIsAModification) {
    TBancPoints banc;
    TEditionCopies copies;
    ASSERT_EQ(copies.Ajouter(*banc.Eprom, PrcConfiguration, 0), 0);
    EXPECT_FALSE(copies.Modifiees());
    auto& travail = dynamic_cast<TZoneCPS&>(copies.Travail(0));
    travail.FindField(ChampsConfiguration::IDModePince)->SetAsInteger(1);
    EXPECT_TRUE(copies.Modifiees());
    EXPECT_TRUE(travail.Equals(&copies.Initiale(0))) << "the zones' comparison skips it";
    copies.Annuler();
    EXPECT_FALSE(copies.Modifiees());
}

class PointEditorTest : public ::testing::Test {
protected:
    PointEditorTest() {
        InstallEditors();
        Banc.Eprom->SetIsAutorised([](TTypeZones) { return true; });
        RepondreAvecLesZonesEnvoyees(*Banc.Eprom, Envoyees);
    }
    ~PointEditorTest() override {
        delete Fenetre.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        RemoveEditors();
    }

    // Opens the window on entry zone 0 as a host does, in modify mode.
    TFrmAssignationPoint& Ouvrir() {
        EXPECT_TRUE(Banc.Eprom->SaisieZone(nullptr, PrcAssignationPoint, 0, &Reference));
        Fenetre = dynamic_cast<TFrmAssignationPoint*>(Reference);
        Fenetre->PasserEnModification();
        return *Fenetre;
    }

    // Adds a pair through the add action, the two fields and Enter.
    void Ajouter(const QString& Point, const QString& Programme) {
        Fenetre->actAddPoint->trigger();
        Fenetre->txtNumPoint->clear();
        QTest::keyClicks(Fenetre->txtNumPoint, Point);
        Fenetre->cmbNumProg->setCurrentText(Programme);
        QTest::keyClick(Fenetre->txtNumPoint, Qt::Key_Return);
    }

    QStringList Lignes() const {
        QStringList lignes;
        for (int i = 0; i < Fenetre->lswPoints->RowCount(); ++i)
            lignes << Fenetre->lswPoints->Cell(i, 0) + "=" + Fenetre->lswPoints->Cell(i, 1);
        return lignes;
    }

    int Detenteurs() {
        return Banc.Eprom->FindZoneReference(PrcAssignationPoint, 0)->GetReferenceCount();
    }

    TBancPoints Banc;
    IEditorWindow* Reference = nullptr;
    QPointer<TFrmAssignationPoint> Fenetre;
    std::vector<std::unique_ptr<TCustomZoneCPS>> Envoyees;
};

TEST_F(PointEditorTest, ANewPairLandsAtItsSortedPlaceAndSavingIsLockedWhileItIsEdited) {
    Banc.SetEntree(0, true, "B", 3);
    Banc.SetEntree(1, true, "D", 4);
    const int detenteurs = Detenteurs();
    TFrmAssignationPoint& fenetre = Ouvrir();
    EXPECT_EQ(Detenteurs(), detenteurs + 1);
    EXPECT_EQ(Lignes(), QStringList({"B=3", "D=4"}));
    EXPECT_EQ(fenetre.lswPoints->headerItem()->text(0), "N° de point");
    EXPECT_EQ(fenetre.txtNumPoint->EditMask(), "cccccccccccccccccccc;c;_");
    EXPECT_EQ(fenetre.cmbNumProg->count(), 128);

    fenetre.actAddPoint->trigger();
    QTest::keyClicks(fenetre.txtNumPoint, "C");
    EXPECT_TRUE(fenetre.btnValidPoint->isEnabled());
    EXPECT_FALSE(fenetre.btnOK->isEnabled());
    EXPECT_FALSE(fenetre.btnAppliquer->isEnabled());
    fenetre.cmbNumProg->setCurrentText("7");
    fenetre.btnValidPoint->click();
    EXPECT_EQ(Lignes(), QStringList({"B=3", "C=7", "D=4"}));
    EXPECT_EQ(fenetre.lswPoints->SelectedRow(), 1);
    EXPECT_TRUE(fenetre.btnOK->isEnabled());
    EXPECT_TRUE(fenetre.actAddPoint->isEnabled());
    fenetre.resize(760, 420);
    Capture(fenetre, "point-editor.png");

    // Escape during an add leaves the table as it is.
    fenetre.actAddPoint->trigger();
    QTest::keyClicks(fenetre.txtNumPoint, "A");
    QTest::keyClick(fenetre.txtNumPoint, Qt::Key_Escape);
    EXPECT_EQ(Lignes(), QStringList({"B=3", "C=7", "D=4"}));
    EXPECT_EQ(fenetre.Handler().GetHandlingState(), hsNone);
    EXPECT_TRUE(fenetre.btnOK->isEnabled());

    // Alter then delete a picked row.
    fenetre.lswPoints->SelectRow(2);
    emit fenetre.lswPoints->Click();
    EXPECT_TRUE(fenetre.actDelPoint->isEnabled());
    fenetre.actAlterPoint->trigger();
    fenetre.cmbNumProg->setCurrentText("9");
    QTest::keyClick(fenetre.cmbNumProg, Qt::Key_Return);
    EXPECT_EQ(Lignes(), QStringList({"B=3", "C=7", "D=9"}));
    fenetre.lswPoints->SelectRow(2);
    emit fenetre.lswPoints->Click();
    fenetre.actDelPoint->trigger();
    fenetre.btnValidPoint->click();
    EXPECT_EQ(Lignes(), QStringList({"B=3", "C=7"}));
    Ajouter("D", "4");

    // A point already in the table is refused and the table stays as it was.
    Ajouter("B", "9");
    EXPECT_EQ(Lignes(), QStringList({"B=3", "C=7", "D=4"}));
    EXPECT_EQ(Banc.Proxy.Dialogs.back().Kind, mtError);

    // Saving writes the sorted table from entry zone 0 on; the window closes with its hold.
    fenetre.btnOK->click();
    ASSERT_EQ(Envoyees.size(), 2u);
    const auto* zone1 = dynamic_cast<TAssignationPoints*>(Envoyees[0].get());
    const auto* zone2 = dynamic_cast<TAssignationPoints*>(Envoyees[1].get());
    EXPECT_EQ(zone1->NomZone(), TCustomZoneCPS::NomZone(PrcAssignationPoint, 1));
    EXPECT_EQ(std::tuple(zone1->GetNumPointCPS(), zone1->GetNumProg()), std::tuple("C", 7));
    EXPECT_EQ(std::tuple(zone2->GetNumPointCPS(), zone2->GetNumProg()), std::tuple("D", 4));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Fenetre.isNull());
    EXPECT_EQ(Reference, nullptr);
    EXPECT_EQ(Detenteurs(), detenteurs);
}

TEST_F(PointEditorTest, InvalidPointsAreRefusedWithTheirTextAndAFullTableRefusesAdding) {
    Banc.SetMode(1);
    for (int numero = 0; numero < 127; ++numero)
        Banc.SetEntree(numero, true, QString::number(numero).rightJustified(11, '0').toStdString(),
                       1);
    TFrmAssignationPoint& fenetre = Ouvrir();
    EXPECT_EQ(fenetre.txtNumPoint->text(), "00.000.000256");
    EXPECT_EQ(fenetre.lswPoints->RowCount(), 127);

    Ajouter("AB.01", "2");
    ASSERT_FALSE(Banc.Proxy.Dialogs.empty());
    EXPECT_EQ(Banc.Proxy.Dialogs.back().ID, "MessWarningInvalidPoint");
    EXPECT_EQ(Banc.Proxy.Dialogs.back().Default, "Numéro de point invalide (AB.01)");
    EXPECT_EQ(fenetre.Handler().GetHandlingState(), hsAdd) << "the pair stays in edit";
    EXPECT_FALSE(fenetre.btnOK->isEnabled());

    fenetre.txtNumPoint->clear();
    QTest::keyClicks(fenetre.txtNumPoint, "ZZ999999999");
    QTest::keyClick(fenetre.cmbNumProg, Qt::Key_Return);
    EXPECT_EQ(fenetre.lswPoints->RowCount(), 128);
    EXPECT_EQ(fenetre.lswPoints->Cell(127, 0), "ZZ.999.999999");
    EXPECT_FALSE(fenetre.actAddPoint->isEnabled()) << "128 pairs: the table is full";
    EXPECT_TRUE(fenetre.btnAppliquer->isEnabled());
}

} // namespace
} // namespace g20seq::testkit
