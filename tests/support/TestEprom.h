// A small EPROM generation for tests: three zone classes, their creators, a description and a
// protocol model double.
//
// TTestEprom keeps TEprom's zone types and logical zones and adds the tip dressers
// (PrcFraise, numbered from 1 so that a number below the minimum exists) and the data zone
// of a diagnostic station (PrcStationDiagnostic, when the protocol model describes it).
// Its zone file is simulated: every read of a zone from the file is counted and succeeds.
#pragma once

#include "eprom/Eprom.h"
#include "model/EpromDescription.h"
#include "model/ZoneCPS.h"
#include "support/FakeProtocol.h"

#include <atomic>
#include <memory>
#include <set>
#include <string>

namespace g20seq::testkit {

// A zone with two integer fields: "IDValeur" (0..1000, default 10), shown on the first tab
// sheet of the zone's logical zone when it has one, and "IDCompteur" (0..65535, default 0),
// never shown. Payload: both fields as big-endian words, 4 bytes.
class TTestZone : public TZoneCPS {
public:
    TTestZone(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
              TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override { return "TTestZone"; }
    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override;
    TErreurSerie SerialDecode(const TByteArray& Trame, int LngTrame) override;
    int SerialEncode(TByteArray& Trame, int LngTrame, int TailleZone) const override;
    TErreurSerie FileDecode(const TByteArray& Trame, int LngTrame) override;
    int FileEncode(TByteArray& Trame, int LngTrame, int TailleZone) const override;

    static constexpr int TaillePayload = 4;
};

// A zone that shares the logical zone of another type (as process links share the
// program's): one integer field "IDLien" (0..255, default 0) on the last tab sheet.
class TTestLienZone : public TZoneCPS {
public:
    TTestLienZone(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                  TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override { return "TTestLienZone"; }
    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override;
};

// Data zone of a diagnostic station: the electrodes and programs the station holds.
class TTestStationZone : public TZoneCPS, public IStationDiagnosticData {
public:
    TTestStationZone(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                     TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override { return "TTestStationZone"; }
    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override;
    bool IsElectrodeLocked(int Numero) override { return Electrodes.count(Numero) > 0; }
    bool IsProgrammeLocked(int Numero) override { return Programmes.count(Numero) > 0; }

    std::set<int> Electrodes;
    std::set<int> Programmes;
};

// G20 bounds (programs 0..127, electrodes 0..15), tip dressers 1..3.
class TTestDescription : public TEpromDescription {
public:
    TTestDescription(TPersistent* aOwner, const std::string& aNomEprom,
                     const std::string& aNomProtocole);
    std::string ClassName() const override { return "TTestDescription"; }
};

class TTestEprom : public TEprom {
public:
    TTestEprom(TCreateKey Key, const std::string& NomEprom, TInterfacedPersistent* aProtocole);

    // The way to make one: TEprom::Create<TTestEprom>(NomEprom, aProtocole).
    static std::unique_ptr<TTestEprom> New(const std::string& NomEprom,
                                           TInterfacedPersistent* aProtocole);

    std::string ClassName() const override { return "TTestEprom"; }

    // Test access to the core's internals.
    using TEprom::CreatePhysicalZone;
    using TEprom::FindZoneReference;
    using TEprom::RegisterZoneCreator;

    // Number of zone reads from the (simulated) zone file.
    int FileReads() const { return FFileReads.load(); }

protected:
    void InitTypeZones() override;
    bool ReadZoneCPSFromCustomFile(TCustomZoneCPS* aZone, TKevCustomFileStream* aFile) override;

private:
    std::atomic<int> FFileReads{0};
};

// A fake protocol model that also describes the diagnostic station's data zone
// (PrcStationDiagnostic, 20 bytes, not in files, not numbered).
std::unique_ptr<FakeProtocol> MakeStationProtocol();

} // namespace g20seq::testkit
