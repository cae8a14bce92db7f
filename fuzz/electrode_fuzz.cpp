// Electrode payload decoder: arbitrary bytes are decoded as a G20 electrode payload on an
// AC and on a medium-frequency controller. A payload the decoder accepts must encode to
// 79 bytes that decode again to the same zone (same bytes once more); a refused payload
// must leave the zone as it was. Anything else (a crash, a leak, an exception escaping
// the decoder or the encoder of an accepted zone) is a finding.
#include "FuzzEprom.h"

#include "zones/ElectrodeG20.h"

#include <cstddef>
#include <cstdint>

using namespace g20seq;
using namespace g20seq::fuzz;

// Electrode zone 3.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    AllerRetourACetMF<TElectrodeG20>(Data, Size, PrcElectrodes, 3);
    return 0;
}
