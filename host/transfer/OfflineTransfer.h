// The transfer engine of a host without a controller: each zone sent is answered as a
// controller that accepts everything would answer it. The zone is encoded into its send
// payload, the payload decoded into a new zone of the same class (so a payload the codec
// refuses is an error answer), the decoded zone assigned into the EPROM's own zone and that
// zone written into the working file; then the window receives the decoded zone.
#pragma once

#include "transfer/QueuedTransfer.h"

namespace g20seq::host {

class TOfflineTransfer final : public TQueuedTransfer {
public:
    TOfflineTransfer() = default;
    ~TOfflineTransfer() override { Terminer(); }

protected:
    std::unique_ptr<TCustomZoneCPS> Repondre(TCustomEprom& Eprom,
                                             const TCustomZoneCPS& Zone) override;
};

} // namespace g20seq::host
