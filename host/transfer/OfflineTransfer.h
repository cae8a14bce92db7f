// The transfer engine of a host without a controller: each zone sent is answered as a
// controller that accepts everything would answer it. The zone is encoded into its send
// payload, the payload decoded into a new zone of the same class (so a payload the codec
// refuses is an error answer), the decoded zone assigned into the EPROM's own zone and that
// zone written into the working file; then the window receives the decoded zone.
//
// One worker thread answers every queue in the order the queues and their zones came.
// Destroying the engine waits for the answers still due.
#pragma once

#include "transfer/TransferEngine.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

namespace g20seq {
class IEditorWindow;
}

namespace g20seq::host {

class TOfflineTransfer final : public ITransferEngine {
public:
    TOfflineTransfer();
    ~TOfflineTransfer() override;
    TOfflineTransfer(const TOfflineTransfer&) = delete;
    TOfflineTransfer& operator=(const TOfflineTransfer&) = delete;

    // Refuses a queue that no open window is handing over: nobody would read the answers.
    bool Send(TCustomEprom& Eprom, TZoneQueue& Queue) override;
    void WaitIdle() override;

private:
    struct TEnvoi {
        TCustomEprom* Eprom;
        IEditorWindow* Fenetre;
        std::uint64_t File; // the queue the zone came in
        std::unique_ptr<TCustomZoneCPS> Zone;
    };

    void Travailler();
    // Answers one zone; false after an error answer.
    static bool Repondre(const TEnvoi& Envoi);
    // The zone as the controller holds it once it has taken Zone, or null on an error.
    static std::unique_ptr<TCustomZoneCPS> Appliquer(TCustomEprom& Eprom,
                                                     const TCustomZoneCPS& Zone);

    std::mutex FMutex;
    std::condition_variable FChange;
    std::deque<TEnvoi> FEnvois;
    std::uint64_t FFiles = 0;
    std::uint64_t FFileAbandonnee = 0; // 0: none; the rest of this queue is dropped
    bool FOccupe = false;
    bool FArret = false;
    std::thread FTravailleur;
};

} // namespace g20seq::host
