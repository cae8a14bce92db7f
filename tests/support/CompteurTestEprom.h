// A test bench for the counters, present faults and cutter zones: a fake host (data
// proxy and protocol model) and a G20 AC EPROM whose zones of those types are the real
// zone classes, together with the configuration and electrode zones the derived values
// read. A test may leave out the electrodes, the configuration or the cutters to see how
// the derived values behave without them, and may choose the description's generation.
//
// As on a G20, the present faults, the configuration and the electrodes stay in memory,
// the present faults of the EPROM (GetDefautsPresents) are those of zone
// PrcDefautsPresents 0, and the cutters' logical zone has the single tab sheet IDTabCU.
#pragma once

#include "support/BenchEprom.h"
#include "support/FakeDataProxy.h"
#include "support/FakeProtocol.h"
#include "zones/CompteurFraise.h"
#include "zones/CompteurG20.h"
#include "zones/ConfigurationG20.h"
#include "zones/DefautsPresents.h"
#include "zones/ElectrodeG20.h"
#include "zones/Fraise.h"

#include <memory>

namespace g20seq::testkit {

struct TOptionsCompteur {
    bool AvecElectrodes = true;
    bool AvecConfiguration = true;
    bool AvecFraises = true;
    int Generation = 1;
};

// The host doubles and the EPROM, in creation order.
struct TBancCompteur {
    explicit TBancCompteur(TOptionsCompteur Options = {});

    FakeDataProxy Proxy;
    FakeProtocol Protocol;
    std::unique_ptr<TBenchEprom> Eprom;
};

} // namespace g20seq::testkit
