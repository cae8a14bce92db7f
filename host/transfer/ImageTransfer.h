// A whole image to and from a controller: sending writes every zone the controller takes
// from an image (no counters, cutter counters or process links); receiving reads every
// in-file zone the controller holds (but the process links) into the EPROM's zones and
// writes them into the working file. Both stop at the first refusal.
#pragma once

#include "transfer/ControllerPort.h"

#include <g20seq/interface/CustomEprom.h>

#include <functional>
#include <string>

namespace g20seq::host {

struct TBilanImage {
    int Zones = 0;                     // zones sent or received
    int Total = 0;                     // zones to send or receive
    TErreurSerie Code = SerSansErreur; // the refusal that stopped the transfer
    std::string Zone;                  // the zone refused
    bool Reussi() const { return Code == SerSansErreur; }
};

// Progress: zones done so far and the total.
using TProgressionImage = std::function<void(int Faites, int Total)>;

TBilanImage EnvoyerImage(TCustomEprom& Eprom, TControllerPort& Port,
                         const TProgressionImage& Progression = {});
TBilanImage RecevoirImage(TCustomEprom& Eprom, TControllerPort& Port,
                          const TProgressionImage& Progression = {});

} // namespace g20seq::host
