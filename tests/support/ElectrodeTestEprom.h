// A test bench for the electrode zones: a fake host (data proxy and protocol model) and an
// EPROM whose electrode zones and companions are TElectrodeG20, with the controller
// variant (current type, I/O type) chosen by the test.
#pragma once

#include "eprom/Eprom.h"
#include "eprom/EpromDescription.h"
#include "support/FakeDataProxy.h"
#include "support/FakeProtocol.h"
#include "zones/ElectrodeG20.h"

#include <memory>
#include <string>

namespace g20seq::testkit {

// A description whose current type and I/O type are given; electrodes 0..15.
class TElectrodeTestDescription : public TEpromDescription {
public:
    TElectrodeTestDescription(TPersistent* aOwner, const std::string& aNomEprom,
                              TTypeCourant Courant, TTypeIO IO);
    std::string ClassName() const override { return "TElectrodeTestDescription"; }
};

// Creators of PrcElectrodeMini, PrcElectrodeMaxi, PrcElectrodesRAZ and PrcElectrodes (the
// last with its logical zone). As on a G20, the electrode logical zones of a
// medium-frequency controller get the IDTabTransfo sheet before IDTabElecAdvParam. The zone
// file is simulated: every read succeeds and changes nothing.
class TElectrodeTestEprom : public TEprom {
public:
    TElectrodeTestEprom(TCreateKey Key, const std::string& NomEprom,
                        TInterfacedPersistent* aProtocole, TTypeCourant Courant, TTypeIO IO);

    std::string ClassName() const override { return "TElectrodeTestEprom"; }

protected:
    void InitTypeZones() override;
    void AddTabSheets(TKEVLogicalZone* aLogicalZone) override;
    bool ReadZoneCPSFromCustomFile(TCustomZoneCPS* aZone, TKevCustomFileStream* aFile) override;

private:
    TTypeCourant FCourant;
    TTypeIO FIO;
};

// A zone borrowed from an EPROM for the holder's lifetime.
class TZoneEmpruntee {
public:
    TZoneEmpruntee(TCustomEprom& Eprom, TTypeZones TypeZone, int Numero);
    // Takes over a zone already borrowed (GetZoneMini and the like).
    TZoneEmpruntee(TCustomEprom& Eprom, TCustomZoneCPS* Zone);
    ~TZoneEmpruntee();
    TZoneEmpruntee(const TZoneEmpruntee&) = delete;
    TZoneEmpruntee& operator=(const TZoneEmpruntee&) = delete;

    TElectrodeG20* operator->() const { return Electrode(); }
    TElectrodeG20* Electrode() const { return dynamic_cast<TElectrodeG20*>(FZone); }
    TCustomZoneCPS* Zone() const { return FZone; }

private:
    TCustomEprom& FEprom;
    TCustomZoneCPS* FZone;
};

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
    std::unique_ptr<TElectrodeTestEprom> Eprom;
};

} // namespace g20seq::testkit
