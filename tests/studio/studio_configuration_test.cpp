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
    QWidget* fenetre = OuvrirEditeur(*station, {PrcConfiguration, 0});
    ASSERT_NE(fenetre, nullptr);
    EXPECT_EQ(fenetre->objectName(), QStringLiteral("TFrmConfigurationG20"));

    // An AC fieldbus station: seven tabs, one start page, the point mode always there.
    EXPECT_EQ(
        OngletsVisibles(*fenetre->findChild<QTabWidget*>(QStringLiteral("pclConfiguration"))),
        QStringList({"Sélection des programmes", "Compensation d'usure", "Défauts programmables",
                     "Etats des sorties", "Paramètres Ethernet", "Paramètres avancés", "Ecrans"}));
    EXPECT_EQ(OngletsVisibles(*fenetre->findChild<QTabWidget*>(QStringLiteral("pclSelectProg"))),
              QStringList{"Start 1"});
    EXPECT_FALSE(fenetre->findChild<QWidget*>(QStringLiteral("cmbModeAssignation"))->isHidden());

    fenetre->findChild<QCheckBox*>(QStringLiteral("chkPrioriteProgEnAlarme"))->click();
    EXPECT_TRUE(Valider(*fenetre, Engine)) << "the window closes once answered";
    ASSERT_TRUE(Window->SaveStation(*station));
    ASSERT_TRUE(Window->CloseStation(*station));

    auto ouverte = TStation::Open(image, true, &Protocole);
    const TZoneHolder configuration(&ouverte->Eprom(), PrcConfiguration, 0);
    EXPECT_TRUE(configuration->GetFieldByID("IDCUChargeProgAlarme")->GetAsBoolean());
}

} // namespace
} // namespace g20seq::host::studiotest
