// A test bench for the configuration zones: a fake host (data proxy and protocol model) and
// an EPROM whose configuration zone and companions are TConfigurationG20, with the
// controller variant (current type, I/O type, hardware, fieldbus profile C1) chosen by the
// test.
#pragma once

#include "eprom/Eprom.h"
#include "eprom/EpromDescription.h"
#include "support/FakeDataProxy.h"
#include "support/FakeProtocol.h"
#include "zones/ConfigurationG20.h"

#include <memory>
#include <string>

namespace g20seq::testkit {

// What the configuration depends on. The defaults are those of a G20 station: fieldbus
// (INTERBUS-S), no Datakey, no measuring coil, no profile C1.
struct TVarianteConfiguration {
    TTypeCourant Courant = tcAC;
    TTypeIO IO = tiINTERBUS_S;
    THardware Hardware{thNoKeyReady};
    bool ProfilC1 = false;
};

// A G20 description ("GA_..." or "GM_...") with the I/O type, hardware and profile C1
// given.
class TConfigurationTestDescription : public TEpromDescriptionG20 {
public:
    TConfigurationTestDescription(TPersistent* aOwner, const std::string& aNomEprom,
                                  const TVarianteConfiguration& Variante);
    std::string ClassName() const override { return "TConfigurationTestDescription"; }
};

// Creators of PrcConfigurationMini, PrcConfigurationMaxi, PrcConfigurationRAZ and
// PrcConfiguration (the last with its logical zone, whose tab sheets are those of a G20:
// IDTabMF on MF controllers, then IDTabEthernet, before IDTabConfAdvParam). The zone file
// is simulated: every read succeeds and changes nothing.
class TConfigurationTestEprom : public TEprom {
public:
    TConfigurationTestEprom(TCreateKey Key, const std::string& NomEprom,
                            TInterfacedPersistent* aProtocole, TVarianteConfiguration Variante);

    std::string ClassName() const override { return "TConfigurationTestEprom"; }

protected:
    void InitTypeZones() override;
    void AddTabSheets(TKEVLogicalZone* aLogicalZone) override;
    bool ReadZoneCPSFromCustomFile(TCustomZoneCPS* aZone, TKevCustomFileStream* aFile) override;

private:
    TVarianteConfiguration FVariante;
};

// The host doubles and the EPROM, in creation order, and the configuration zone borrowed
// from the EPROM for the bench's lifetime.
struct TBancConfiguration {
    explicit TBancConfiguration(const TVarianteConfiguration& Variante = {});
    ~TBancConfiguration();
    TBancConfiguration(const TBancConfiguration&) = delete;
    TBancConfiguration& operator=(const TBancConfiguration&) = delete;

    // The EPROM's configuration zone (PrcConfiguration 0).
    TConfigurationG20& Zone() const { return *FZone; }
    // A new zone of this EPROM, outside it (no logical zone).
    std::unique_ptr<TConfigurationG20> Nouvelle(TTypeZones TypeZone = PrcConfiguration) const;

    FakeDataProxy Proxy;
    FakeProtocol Protocol;
    std::unique_ptr<TConfigurationTestEprom> Eprom;

private:
    TCustomZoneCPS* FHeld = nullptr;
    TConfigurationG20* FZone = nullptr;
};

} // namespace g20seq::testkit
