// Zone creators: each makes the zones of one zone type, of one zone class, and attaches
// them to the logical zone of the same number when the type has one.
#pragma once

#include "model/ZoneCPS.h"
#include "support/Object.h"
#include "support/TypeZones.h"
#include "support/Types.h"

#include <memory>
#include <string>

namespace g20seq {

class TCustomEprom;

// Class reference of a zone class: builds a zone of that class with (owner, zone type,
// zone number, logical zone).
using TZoneClass = std::unique_ptr<TZoneCPS> (*)(TPersistent* AOwner, TTypeZones TypeZone,
                                                 Word Numero, TInterfacedPersistent* aLogicalZone);

template <class TZone>
std::unique_ptr<TZoneCPS> NewZoneOfClass(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                         TInterfacedPersistent* aLogicalZone) {
    return std::make_unique<TZone>(AOwner, TypeZone, Numero, aLogicalZone);
}

// The class reference of zone class TZone.
template <class TZone> inline constexpr TZoneClass ZoneClassOf = &NewZoneOfClass<TZone>;

class TZoneCreator : public TObject {
public:
    // Logical zone type of a creator whose zones have no logical zone.
    static constexpr int NoLogicalZone = 255;

    TZoneCreator(TZoneClass aZoneClass, TTypeZones aPhysicalZone, int aLogicalZone = NoLogicalZone);

    std::string ClassName() const override { return "TZoneCreator"; }

    // Makes zone ZoneIndex of the physical zone type for aOwner, linked to aOwner's
    // logical zone (logical zone type, ZoneIndex) when the creator has a logical zone type.
    // A ZoneIndex outside 0..65535 raises ERangeError.
    std::unique_ptr<TZoneCPS> CreateZone(TCustomEprom* aOwner, int ZoneIndex) const;

    TZoneClass GetZoneClass() const { return FZoneClass; }
    TTypeZones GetPhysicalZone() const { return FPhysicalZone; }
    int GetLogicalZone() const { return FLogicalZone; }

private:
    TZoneClass FZoneClass;
    TTypeZones FPhysicalZone;
    int FLogicalZone;
};

} // namespace g20seq
