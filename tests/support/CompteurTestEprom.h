// A test bench for the counters, present faults and cutter zones: a fake host (data
// proxy and protocol model) and a G20 AC EPROM whose zones of those types are the real
// zone classes, together with the configuration and electrode zones the derived values
// read. A test may leave out the electrodes, the configuration or the cutters to see how
// the derived values behave without them, and may choose the description's generation.
#pragma once

#include "eprom/Eprom.h"
#include "eprom/EpromDescription.h"
#include "support/FakeDataProxy.h"
#include "support/FakeProtocol.h"
#include "zones/CompteurFraise.h"
#include "zones/CompteurG20.h"
#include "zones/ConfigurationG20.h"
#include "zones/DefautsPresents.h"
#include "zones/ElectrodeG20.h"
#include "zones/Fraise.h"

#include <memory>
#include <string>

namespace g20seq::testkit {

struct TOptionsCompteur {
    bool AvecElectrodes = true;
    bool AvecConfiguration = true;
    bool AvecFraises = true;
    int Generation = 1;
};

// The G20 description with the generation chosen by the test.
class TCompteurTestDescription : public TEpromDescriptionG20 {
public:
    TCompteurTestDescription(TPersistent* aOwner, const std::string& aNomEprom, int aGeneration);
    std::string ClassName() const override { return "TCompteurTestDescription"; }
    int Generation() const override { return FGeneration; }

private:
    int FGeneration;
};

// Creators of the present faults, the configuration, the electrodes, the counters, the
// cutters (PrcFraise with its logical zone, whose single tab sheet is IDTabCU) and the
// cutter counters, with their companions. As on a G20, the present faults, the
// configuration and the electrodes stay in memory, and the present faults of the EPROM
// (GetDefautsPresents) are those of zone PrcDefautsPresents 0. The zone file is simulated:
// every read succeeds and changes nothing.
class TCompteurTestEprom : public TEprom {
public:
    TCompteurTestEprom(TCreateKey Key, const std::string& NomEprom,
                       TInterfacedPersistent* aProtocole, TOptionsCompteur Options);
    ~TCompteurTestEprom() override;

    std::string ClassName() const override { return "TCompteurTestEprom"; }
    using TEprom::FindZoneReference;
    void GetDefautsPresents(TStringList* defauts) override;

protected:
    void InitTypeZones() override;
    void AddTabSheets(TKEVLogicalZone* aLogicalZone) override;
    bool ReadZoneCPSFromCustomFile(TCustomZoneCPS* aZone, TKevCustomFileStream* aFile) override;

private:
    TOptionsCompteur FOptions;
};

// A zone of the bench's EPROM held for the holder's lifetime, as its class TZone.
template <class TZone> class TZoneTenue {
public:
    TZoneTenue(TCustomEprom& Eprom, TTypeZones TypeZone, int Numero)
        : FEprom(Eprom), FZone(Eprom.GetPhysicalZone(TypeZone, Numero, true)) {}
    ~TZoneTenue() {
        if (FZone != nullptr)
            FEprom.ReleasePhysicalZone(FZone);
    }
    TZoneTenue(const TZoneTenue&) = delete;
    TZoneTenue& operator=(const TZoneTenue&) = delete;

    TZone* Get() const { return dynamic_cast<TZone*>(FZone); }
    TZone* operator->() const { return Get(); }

private:
    TCustomEprom& FEprom;
    TCustomZoneCPS* FZone;
};

// The host doubles and the EPROM, in creation order.
struct TBancCompteur {
    explicit TBancCompteur(TOptionsCompteur Options = {});

    FakeDataProxy Proxy;
    FakeProtocol Protocol;
    std::unique_ptr<TCompteurTestEprom> Eprom;
};

} // namespace g20seq::testkit
