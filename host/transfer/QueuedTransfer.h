// What every transfer engine shares: the zones of each queue an editor window hands over
// are answered one at a time, in the order the queues and their zones came, by one worker
// thread; after an error answer the rest of that queue is dropped. An engine says how one
// zone is answered.
//
// Destroying an engine waits for the answers still due; an engine's destructor calls
// Terminer first, so that the worker never calls into a half-destroyed engine.
#pragma once

#include "transfer/TransferEngine.h"

#include <g20seq/support/ByteArray.h>

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

class TQueuedTransfer : public ITransferEngine {
public:
    ~TQueuedTransfer() override;
    TQueuedTransfer(const TQueuedTransfer&) = delete;
    TQueuedTransfer& operator=(const TQueuedTransfer&) = delete;

    // Refuses a queue that no open window is handing over: nobody would read the answers.
    bool Send(TCustomEprom& Eprom, TZoneQueue& Queue) override;
    void WaitIdle() override;

protected:
    TQueuedTransfer();

    // The zone as the controller holds it once it has taken Zone, already assigned into the
    // EPROM's zone; null for an error answer. May raise: an error answer too.
    virtual std::unique_ptr<TCustomZoneCPS> Repondre(TCustomEprom& Eprom,
                                                     const TCustomZoneCPS& Zone) = 0;
    // Waits for the answers due and stops the worker.
    void Terminer();

private:
    struct TEnvoi {
        TCustomEprom* Eprom;
        IEditorWindow* Fenetre;
        std::uint64_t File; // the queue the zone came in
        std::unique_ptr<TCustomZoneCPS> Zone;
    };

    void Travailler();
    // Answers one zone; false after an error answer.
    bool Traiter(const TEnvoi& Envoi);

    std::mutex FMutex;
    std::condition_variable FChange;
    std::deque<TEnvoi> FEnvois;
    std::uint64_t FFiles = 0;
    std::uint64_t FFileAbandonnee = 0; // 0: none; the rest of this queue is dropped
    bool FOccupe = false;
    bool FArret = false;
    std::thread FTravailleur;
};

// A controller's answer Octets (Longueur bytes) for zone Like decoded into a new zone of
// Like's class, then assigned into the EPROM's zone, which is written into the working file
// when the zone lives in files (the zone the EPROM holds never goes stale). Null when the
// EPROM has no such zone, the payload does not decode or the file refuses the zone.
std::unique_ptr<TCustomZoneCPS> AdoptAnswer(TCustomEprom& Eprom, const TCustomZoneCPS& Like,
                                            const TByteArray& Octets, int Longueur);
// The same for a payload as the controller's port answers it; null also for a payload longer
// than a frame.
std::unique_ptr<TCustomZoneCPS> AdoptAnswer(TCustomEprom& Eprom, const TCustomZoneCPS& Like,
                                            const std::vector<std::uint8_t>& Payload);

} // namespace g20seq::host
