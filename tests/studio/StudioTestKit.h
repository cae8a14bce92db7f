// What every studio test starts from: the host's proxy installed in the module, the G20
// protocol model, the offline transfer engine and the studio's main window, in a scratch
// directory; helpers that write images and read files.
#pragma once

#include "Station.h"
#include "protocol/ProtocoleG20.h"
#include "services/DataProxy.h"
#include "studio/StationTree.h"
#include "studio/StudioStation.h"
#include "studio/StudioWindow.h"
#include "transfer/OfflineTransfer.h"
#include <g20seq/entry/ModuleEntry.h>
#include <g20seq/model/CustomZoneCPS.h>
#include <g20seq/model/KEVField.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace g20seq::host::studiotest {

inline constexpr const char* TempsSoudage = "IDTempsSoudage";

inline std::string Bytes(const std::string& Path) {
    std::ifstream file(Path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline int WeldTime(TCustomEprom& Eprom, int Programme) {
    const TZoneHolder zone(&Eprom, PrcProgrammes, Programme);
    return zone->GetFieldByID(TempsSoudage)->GetAsInteger();
}

// Changes a program's weld time in the station's working copy, as a saved editor does.
inline void SetWeldTime(TCustomEprom& Eprom, int Programme, int Temps) {
    const TZoneHolder zone(&Eprom, PrcProgrammes, Programme);
    zone->GetFieldByID(TempsSoudage)->SetAsInteger(Temps);
    ASSERT_TRUE(Eprom.SaveZoneToFile(zone.Get()));
}

class StudioTest : public ::testing::Test {
protected:
    StudioTest() { SetDataProxy(&Proxy); }
    ~StudioTest() override {
        Window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SetDataProxy(nullptr);
    }

    std::string File(const char* Name) const {
        return QDir(Dir.path()).filePath(Name).toStdString();
    }
    QString QFile(const char* Name) const { return QString::fromStdString(File(Name)); }

    // Writes the factory image of station Nom, with program 5's weld time Temps when given.
    std::string Image(const char* Name, const char* Nom, int Temps = 0) {
        TStation(Nom, &Protocole).SaveToNewFile(File(Name));
        if (Temps != 0)
            SetWeldTime(TStation::Open(File(Name), true, &Protocole)->Eprom(), 5, Temps);
        return File(Name);
    }
    // Double-clicks a zone row of the tree as a user does: a click on the row, then the
    // second press (the tree reacts only to a double-click on the row it was pressed on).
    static void DoubleCliquer(TStationTree& Tree, QTreeWidgetItem* Item) {
        if (Item->parent() != nullptr)
            Item->parent()->setExpanded(true);
        Tree.scrollToItem(Item);
        const QPoint centre = Tree.visualItemRect(Item).center();
        QTest::mouseClick(Tree.viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(Tree.viewport(), Qt::LeftButton, {}, centre);
    }
    // Double-clicks Zone of Station in the shown studio: the editor window that opened (the
    // only sub-window), in modify mode, or null.
    QWidget* OuvrirEditeur(TStudioStation& Station, const TZoneId& Zone) {
        Window->show();
        DoubleCliquer(*Window->Tree(), Window->Tree()->ItemOf(Station, Zone));
        const auto fenetres = Window->MdiArea()->subWindowList();
        if (fenetres.size() != 1)
            return nullptr;
        QWidget* fenetre = fenetres[0]->widget();
        fenetre->findChild<QAction*>(QStringLiteral("actModifierVisualiser"))->trigger();
        return fenetre;
    }
    // Lets the window's events run until Condition holds (at most 5 s); answers it.
    static bool Attendre(const std::function<bool()>& Condition) {
        for (int attente = 0; attente < 500 && !Condition(); ++attente) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            QCoreApplication::processEvents();
        }
        return Condition();
    }
    // Clicks OK in Fenetre, lets Engine answer; answers whether the window closed.
    bool Valider(QWidget& Fenetre, ITransferEngine& Moteur) {
        Fenetre.findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        Moteur.WaitIdle();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return Window->MdiArea()->subWindowList().isEmpty();
    }

    // The files of the scratch directory, hidden ones included, by name.
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const QString& name :
             QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name))
            names.push_back(name.toStdString());
        return names;
    }

    QTemporaryDir Dir;
    TDataProxy Proxy;
    TProtocoleG20 Protocole;
    TOfflineTransfer Engine;
    std::unique_ptr<StudioWindow> Window = std::make_unique<StudioWindow>(Proxy, Protocole, Engine);
};

} // namespace g20seq::host::studiotest
