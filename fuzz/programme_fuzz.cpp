// Weld program payload decoder: arbitrary bytes are decoded as a G20 program payload on an
// AC and on a medium-frequency controller. A payload the decoder accepts must encode to
// 163 bytes that decode again to the same zone (same bytes once more); a refused payload
// must leave the zone as it was. Anything else (a crash, a leak, an exception escaping
// the decoder) is a finding.
#include "FuzzEprom.h"

#include "zones/ElectrodeG20.h"
#include "zones/ProgrammeG20.h"

#include <cstddef>
#include <cstdint>

using namespace g20seq;
using namespace g20seq::fuzz;

// Program zone 5, after the electrodes it reads.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    AllerRetourACetMF<TProgrammeG20>(Data, Size, PrcProgrammes, 5,
                                     {{ZoneClassOf<TElectrodeG20>, PrcElectrodes}});
    return 0;
}
