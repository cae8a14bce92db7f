// Follows one station's controller: every signature record it notifies is decoded into the
// duplicates the EPROM maps to that address, analysed and stored (AnalyseSignature, then
// SetSignature, which takes the signature over: it is not touched afterwards); the
// diagnostic, the present faults, the event record and the clock are read every period and
// assigned into the EPROM's zones. One thread does all of it, so that the signature store
// and the polled zones are written by one thread per station.
#pragma once

#include "transfer/ControllerPort.h"
#include "transfer/LiveState.h"

#include <g20seq/interface/CustomEprom.h>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace g20seq::host {

class TLiveMonitor {
public:
    static constexpr std::chrono::milliseconds PeriodeParDefaut{1000};

    // What the monitor tells, on its own thread: a copy of each signature stored (the stored
    // one belongs to the EPROM from then on; the copy is the listener's), the faults
    // present on the station after each signature and each polling round, and after each
    // polling round what the live views show.
    struct TEcouteurs {
        std::function<void(std::unique_ptr<TCustomZoneCPS> Copie)> Signature;
        std::function<void(std::vector<TDefautDirect> Defauts)> Defauts;
        std::function<void(TEtatStation Etat)> Etat;
    };

    TLiveMonitor(TCustomEprom& Eprom, INotificationSource& Notifications, TControllerPort& Port,
                 std::chrono::milliseconds Periode = PeriodeParDefaut, TEcouteurs Ecouteurs = {});
    ~TLiveMonitor();
    TLiveMonitor(const TLiveMonitor&) = delete;
    TLiveMonitor& operator=(const TLiveMonitor&) = delete;

    // Signatures decoded and stored so far; those that did not decode.
    int Signatures() const { return FSignatures; }
    int Refusees() const { return FRefusees; }
    // Polling rounds done.
    int Releves() const { return FReleves; }

private:
    void Suivre();
    void Signature(const TSimMessage& Notification);
    void Relever();
    void DireDefauts();

    TCustomEprom& FEprom;
    INotificationSource& FNotifications;
    TControllerPort& FPort;
    std::chrono::milliseconds FPeriode;
    TEcouteurs FEcouteurs;
    std::atomic<int> FSignatures{0};
    std::atomic<int> FRefusees{0};
    std::atomic<int> FReleves{0};
    std::atomic<bool> FArret{false};
    // The polled zones, held while the monitor runs so that their values stay in memory.
    std::vector<TZoneHolder> FTenues;
    std::thread FFil;
};

} // namespace g20seq::host
