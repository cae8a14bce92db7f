// Host-facing declarations of the protocol model that the host gives each EPROM.
//
// The protocol model answers, per zone type, the zone protocol information: sizes on
// the serial link, whether zones of the type are stored in zone files, whether the type
// has several numbered zones and how many the controller holds. The first three
// operations of each interface are query-interface, add-reference and release (from
// IInterface); the order of the operations after them is a binary contract.
#pragma once

#include "interface/ProxyInterface.h"
#include "support/TypeZones.h"

#include <string>

namespace g20seq {

// Zone protocol information of one zone type ("ZoneProtocole" in messages).
class IZoneProtocole : public IInterface {
public:
    virtual Word GetTailleSendZone() = 0;
    virtual Word GetTailleReceiveZone() = 0;
    // Controller base address of the zone type; zone n of a numbered type sits at
    // base + n * receive size.
    virtual LongWord GetAdresse() = 0;
    virtual bool IsFileZone() = 0;
    virtual bool IsZoneMultiple() = 0;
    // Number of zones of the type the controller holds (1 when not numbered).
    virtual int GetNombreZones() = 0;

protected:
    ~IZoneProtocole() = default;
};

// The protocol model of a station.
class IProtocoleModel : public IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{5E1B8C52-7D0A-4C1F-9B8E-2A6F3D4C9E10}");
    // Zone protocol information of a zone type, or nullptr when the type has none.
    virtual IZoneProtocole* GetZoneProtocole(TTypeZones TypeZone) = 0;
    // One more EPROM uses this model.
    virtual void IncNombreEproms() = 0;
    // One EPROM less; answers true when no EPROM uses the model any more.
    virtual bool DecNombreEproms() = 0;
    // Creates the controller automaton of the host (owned by the caller).
    virtual TInterfacedPersistent* CreateAutomate(TObject* AOwner) = 0;

protected:
    ~IProtocoleModel() = default;
};

// Name of a protocol (for example "H35"); the EPROM asks its protocol object for it.
class IProtocoleNom : public IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{8C3D2A61-4F7B-4E0C-A5D9-1B6E7F20C4A3}");
    virtual std::string GetNom() = 0;
    virtual void SetNom(const std::string& Nom) = 0;

protected:
    ~IProtocoleNom() = default;
};

} // namespace g20seq
