// The transfer engine of a host linked to a controller: each zone sent is written to the
// controller through the port; the controller's answer is decoded, assigned into the
// EPROM's zone (written into the working file when the zone lives in files) and given to
// the window. A command zone (acknowledgements, change monitoring) comes back without a
// payload: the window receives the zone it sent. A refusal or a timeout is logged with the
// code's name and ends the queue: the window gets one error answer.
#pragma once

#include "transfer/ControllerPort.h"
#include "transfer/QueuedTransfer.h"

#include <g20seq/interface/ProxyInterface.h>

namespace g20seq::host {

class TLiveTransfer final : public TQueuedTransfer {
public:
    // Journal: the host's event log, or null.
    explicit TLiveTransfer(TControllerPort& Port, IEventLogProxy* Journal = nullptr)
        : FPort(Port), FJournal(Journal) {}
    ~TLiveTransfer() override { Terminer(); }

protected:
    std::unique_ptr<TCustomZoneCPS> Repondre(TCustomEprom& Eprom,
                                             const TCustomZoneCPS& Zone) override;

private:
    TControllerPort& FPort;
    IEventLogProxy* FJournal;
};

} // namespace g20seq::host
