// Test double of the host's protocol model of a G20 station.
//
// It answers the zone protocol information of the G20 zone types (send and receive
// sizes, stored in zone files, numbered, number of zones) from the host's G20 table, and
// counts the EPROMs that registered with it. Tests may remove a zone type or change its
// sizes.
//
// Controller base addresses are the double's own: zone type t starts at t * 0x100000
// (FakeProtocol::BaseAdresse), so every type has its own megabyte and zone n of a
// numbered type sits at base + n * receive size without overlapping the next type.
//
// The host hands the module the model as an object: a FakeProtocol converts to
// TInterfacedPersistent* and answers QueryInterface with IProtocoleModel::IID and
// IProtocoleNom::IID (its name is "H35" unless a test changes it).
#pragma once

#include "interface/ProtocolInterface.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace g20seq::testkit {

// Zone protocol information of one zone type.
class FakeZoneProtocole : public TInterfacedPersistent, public IZoneProtocole {
public:
    // Zones = 0 for a type that is not numbered, else the number of zones the controller
    // holds of it.
    FakeZoneProtocole(Word Send, Word Receive, LongWord Adresse, bool InFile, int Zones);

    std::string ClassName() const override { return "TFakeZoneProtocole"; }
    THResult QueryInterface(const TGUID& IID, void** Obj) override {
        return TInterfacedPersistent::QueryInterface(IID, Obj);
    }
    int AddRef() override { return -1; }
    int Release() override { return -1; }

    Word GetTailleSendZone() override { return TailleSend; }
    Word GetTailleReceiveZone() override { return TailleReceive; }
    LongWord GetAdresse() override { return Adresse; }
    bool IsFileZone() override { return InFile; }
    bool IsZoneMultiple() override { return NombreZones > 0; }
    int GetNombreZones() override { return NombreZones > 0 ? NombreZones : 1; }

    Word TailleSend;
    Word TailleReceive;
    LongWord Adresse;
    bool InFile;
    int NombreZones;
};

class FakeProtocol : public TInterfacedPersistent, public IProtocoleModel, public IProtocoleNom {
public:
    // Loads the host's G20 table (addresses excepted, see above).
    FakeProtocol();
    ~FakeProtocol() override;

    static constexpr LongWord BaseAdresse(TTypeZones TypeZone) {
        return static_cast<LongWord>(TypeZone) * 0x100000u;
    }

    std::string ClassName() const override { return "TFakeProtocol"; }
    THResult QueryInterface(const TGUID& IID, void** Obj) override;
    int AddRef() override { return -1; }
    int Release() override { return -1; }

    // IProtocoleModel
    IZoneProtocole* GetZoneProtocole(TTypeZones TypeZone) override;
    void IncNombreEproms() override;
    bool DecNombreEproms() override;
    // The double has no controller automaton: answers nullptr.
    TInterfacedPersistent* CreateAutomate(TObject* AOwner) override;

    // IProtocoleNom
    std::string GetNom() override;
    void SetNom(const std::string& Nom) override;

    // Test controls.
    int NombreEproms() const;
    int LookUps() const;
    // The zone protocol information of a type, or nullptr (same as GetZoneProtocole,
    // without counting a look-up).
    FakeZoneProtocole* Zone(TTypeZones TypeZone) const;
    // Adds or replaces the information of a type.
    void SetZone(TTypeZones TypeZone, Word Send, Word Receive, bool InFile, int Zones);
    void SetTailles(TTypeZones TypeZone, Word Send, Word Receive);
    void RemoveType(TTypeZones TypeZone);

private:
    mutable std::mutex FMutex;
    std::map<int, std::unique_ptr<FakeZoneProtocole>> FZones;
    int FNombreEproms = 0;
    int FLookUps = 0;
    std::string FNom = "H35";
};

} // namespace g20seq::testkit
