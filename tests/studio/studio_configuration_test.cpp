// The configuration window opened from the studio's tree, as a user opens it, and saved
// through the offline engine and File > Save.
#include "StudioTestKit.h"
#include "studio/StationTree.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace g20seq::host::studiotest {
namespace {

using StudioConfiguration = StudioTest;

QStringList OngletsVisibles(const QTabWidget& Onglets) {
    QStringList onglets;
    for (int i = 0; i < Onglets.count(); ++i)
        if (Onglets.isTabVisible(i))
            onglets << Onglets.tabText(i);
    return onglets;
}

TEST_F(StudioConfiguration, DoubleClickOpensTheWindowOfTheStationWhoseSaveReachesTheImage) {
    const std::string image = Image("a.g20", "GA_A");
    TStudioStation* station = Window->OpenStation(QString::fromStdString(image));
    ASSERT_NE(station, nullptr);
    auto* tree = Window->findChild<TStationTree*>(QStringLiteral("treeStations"));
    auto* mdi = Window->findChild<QMdiArea*>(QStringLiteral("mdiArea"));
    Window->show();
    QTreeWidgetItem* item = tree->ItemOf(*station, {PrcConfiguration, 0});
    tree->scrollToItem(item);
    const QPoint centre = tree->visualItemRect(item).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, centre);
    ASSERT_EQ(mdi->subWindowList().size(), 1);
    QWidget* fenetre = mdi->subWindowList()[0]->widget();
    EXPECT_EQ(fenetre->objectName(), QStringLiteral("TFrmConfigurationG20"));

    // An AC fieldbus station: seven tabs, one start page, the point mode always there.
    EXPECT_EQ(
        OngletsVisibles(*fenetre->findChild<QTabWidget*>(QStringLiteral("pclConfiguration"))),
        QStringList({"Sélection des programmes", "Compensation d'usure", "Défauts programmables",
                     "Etats des sorties", "Paramètres Ethernet", "Paramètres avancés", "Ecrans"}));
    EXPECT_EQ(OngletsVisibles(*fenetre->findChild<QTabWidget*>(QStringLiteral("pclSelectProg"))),
              QStringList{"Start 1"});
    EXPECT_FALSE(fenetre->findChild<QWidget*>(QStringLiteral("cmbModeAssignation"))->isHidden());

    fenetre->findChild<QAction*>(QStringLiteral("actModifierVisualiser"))->trigger();
    fenetre->findChild<QCheckBox*>(QStringLiteral("chkPrioriteProgEnAlarme"))->click();
    fenetre->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
    Engine.WaitIdle();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(mdi->subWindowList().isEmpty()) << "the window closes once answered";
    ASSERT_TRUE(Window->SaveStation(*station));
    ASSERT_TRUE(Window->CloseStation(*station));

    auto ouverte = TStation::Open(image, true, &Protocole);
    const TZoneHolder configuration(&ouverte->Eprom(), PrcConfiguration, 0);
    EXPECT_TRUE(configuration->GetFieldByID("IDCUChargeProgAlarme")->GetAsBoolean());
}

} // namespace
} // namespace g20seq::host::studiotest
