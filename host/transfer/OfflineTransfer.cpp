#include "transfer/OfflineTransfer.h"

#include <g20seq/model/CustomZoneCPS.h>

namespace g20seq::host {

std::unique_ptr<TCustomZoneCPS> TOfflineTransfer::Repondre(TCustomEprom& Eprom,
                                                           const TCustomZoneCPS& Zone) {
    const auto trame = std::make_unique<TByteArray>();
    const int longueur = Zone.SerialEncode(*trame, 0, Zone.GetTailleSendZone());
    return AdoptAnswer(Eprom, Zone, *trame, longueur);
}

} // namespace g20seq::host
