// What every studio test starts from: the host's proxy installed in the module, the G20
// protocol model, the offline transfer engine and the studio's main window, in a scratch
// directory; helpers that write images and read files.
#pragma once

#include "Station.h"
#include "protocol/ProtocoleG20.h"
#include "services/DataProxy.h"
#include "studio/StudioStation.h"
#include "studio/StudioWindow.h"
#include "transfer/OfflineTransfer.h"
#include <g20seq/entry/ModuleEntry.h>
#include <g20seq/model/CustomZoneCPS.h>
#include <g20seq/model/KEVField.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
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
