// A test bench for the electrode zones: a fake host (data proxy and protocol model) and an
// EPROM whose electrode zones and companions are TElectrodeG20, with the controller variant
// (current type, I/O type) chosen by the test; electrodes 0..15. As on a G20, the electrode
// logical zones of a medium-frequency controller get the IDTabTransfo sheet before
// IDTabElecAdvParam.
#pragma once

#include "support/BenchEprom.h"
#include "support/FakeDataProxy.h"
#include "support/FakeProtocol.h"
#include "zones/ElectrodeG20.h"

#include <memory>

namespace g20seq::testkit {

using TZoneEmpruntee = TZoneTenue<TElectrodeG20>;

// The host doubles and the EPROM, in creation order. The mains frequency is read when a
// zone is built: set Proxy.Frequence before taking the zone.
struct TBancElectrode {
    explicit TBancElectrode(TTypeCourant Courant = tcAC, TTypeIO IO = tiINTERBUS_S,
                            Byte Frequence = 50);

    // A PrcElectrodes zone outside the EPROM holding the values of Source field by field
    // (companions cannot be encoded themselves).
    std::unique_ptr<TElectrodeG20> CopieEnElectrode(const TZoneCPS& Source) const;
    // A new PrcElectrodes zone of this EPROM, outside it.
    std::unique_ptr<TElectrodeG20> NouvelleElectrode(Word Numero = 0) const;

    FakeDataProxy Proxy;
    FakeProtocol Protocol;
    std::unique_ptr<TBenchEprom> Eprom;
};

} // namespace g20seq::testkit
