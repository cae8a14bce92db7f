// A test bench for the configuration zones: a fake host (data proxy and protocol model) and
// an EPROM whose configuration zone and companions are TConfigurationG20, with the
// controller variant (current type, I/O type, hardware, fieldbus profile C1) chosen by the
// test. As on a G20, the configuration's tab sheets get IDTabMF on MF controllers, then
// IDTabEthernet, before IDTabConfAdvParam.
#pragma once

#include "support/BenchEprom.h"
#include "support/FakeDataProxy.h"
#include "support/FakeProtocol.h"
#include "zones/ConfigurationG20.h"

#include <memory>

namespace g20seq::testkit {

// What the configuration depends on. The defaults are those of a G20 station: fieldbus
// (INTERBUS-S), no Datakey, no measuring coil, no profile C1.
struct TVarianteConfiguration {
    TTypeCourant Courant = tcAC;
    TTypeIO IO = tiINTERBUS_S;
    THardware Hardware{thNoKeyReady};
    bool ProfilC1 = false;
};

// The host doubles and the EPROM, in creation order, and the configuration zone borrowed
// from the EPROM for the bench's lifetime.
struct TBancConfiguration {
    explicit TBancConfiguration(const TVarianteConfiguration& Variante = {});

    // The EPROM's configuration zone (PrcConfiguration 0).
    TConfigurationG20& Zone() const { return *Held->Get(); }
    // A new zone of this EPROM, outside it (no logical zone).
    std::unique_ptr<TConfigurationG20> Nouvelle(TTypeZones TypeZone = PrcConfiguration) const;

    FakeDataProxy Proxy;
    FakeProtocol Protocol;
    std::unique_ptr<TBenchEprom> Eprom;
    std::unique_ptr<TZoneTenue<TConfigurationG20>> Held;
};

} // namespace g20seq::testkit
