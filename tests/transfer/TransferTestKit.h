// What the transfer suites share: an editor window reduced to what a transfer engine sees
// of it, and the answers it records.
#pragma once

#include "Station.h"
#include "protocol/ProtocoleG20.h"
#include "services/DataProxy.h"
#include <g20seq/entry/ModuleEntry.h>
#include <g20seq/model/CustomZoneCPS.h>
#include <g20seq/model/EditorWindows.h>
#include <g20seq/model/KEVField.h>

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

namespace g20seq::host {

constexpr const char* TempsSoudage = "IDTempsSoudage";

// The weld time of a program; 0 for a zone without one.
inline int TempsSoudageDe(const TCustomZoneCPS& Zone) {
    const auto* champ = Zone.GetFieldByID(TempsSoudage);
    return champ != nullptr ? champ->GetAsInteger() : 0;
}

struct TReponse {
    std::string Zone; // empty for an error answer
    int TempsSoudage = 0;
    bool Erreur = false;
    bool operator==(const TReponse&) const = default;
};

inline void PrintTo(const TReponse& Reponse, std::ostream* Out) {
    *Out << (Reponse.Erreur ? "error" : Reponse.Zone + " " + std::to_string(Reponse.TempsSoudage));
}

// An editor window reduced to what a transfer sees of it: it hands its queue over while it
// saves and records every answer, from whichever thread brings it.
class TFenetreEssai final : public IEditorWindow {
public:
    explicit TFenetreEssai(TCustomEprom& Eprom) : FEprom(Eprom) { RegisterEditorWindow(this); }
    ~TFenetreEssai() { UnregisterEditorWindow(this); }
    TFenetreEssai(const TFenetreEssai&) = delete;
    TFenetreEssai& operator=(const TFenetreEssai&) = delete;

    bool Envoyer(TZoneQueue& Zones) {
        FEnEnvoi = &Zones;
        const bool accepte = FEprom.ChargeMultipleZoneCPS(&Zones);
        FEnEnvoi = nullptr;
        return accepte;
    }
    void ReceiveZone(TCustomZoneCPS* Zone, bool bErreur) override {
        const std::lock_guard lock(FMutex);
        if (Zone == nullptr)
            FReponses.push_back({"", 0, bErreur});
        else
            FReponses.push_back({Zone->ZoneLabel(), TempsSoudageDe(*Zone), bErreur});
    }
    const TZoneQueue* ZonesEnEnvoi() const override { return FEnEnvoi; }
    TCustomEprom* GetEprom() const override { return &FEprom; }
    void ForceFermeture() override {}

    std::vector<TReponse> Reponses() {
        const std::lock_guard lock(FMutex);
        return FReponses;
    }

private:
    TCustomEprom& FEprom;
    // Atomic because the windows of one test save from several threads, and the module
    // asks every open window whether it is the one saving.
    std::atomic<const TZoneQueue*> FEnEnvoi = nullptr;
    std::mutex FMutex;
    std::vector<TReponse> FReponses;
};

} // namespace g20seq::host
