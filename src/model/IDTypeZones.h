#pragma once

#include <string>

#include "model/IDZone.h"
#include "support/TypeZones.h"

namespace g20seq {

// Translation section of zone type captions.
inline constexpr const char* IDTypeZoneSection = "IDTypeZone";

// Catalogue record of a zone type: translation key and French caption. The key equals the
// enumeration name except for PrcApprentissage, whose key is "PrcApprentisssage".
// Raises ERangeError for a value outside the catalogue.
const TIDZone& IDTypeZone(TTypeZones TypeZone);

// Display name of a zone type: the host's translation of its catalogue key, its French
// caption when the host has none. Captions are not unique and never serve as keys.
std::string TypeZoneDisplayName(TTypeZones TypeZone);

// Display name of a zone: the type's display name followed by " N°<number>", or the type's
// display name alone when NumeroZone is -1 (no number).
std::string ZoneDisplayName(TTypeZones TypeZone, int NumeroZone);

// A data zone type with its limit companions of the same layout: minimum ("Mini"), maximum
// ("Maxi") and, for most families, reset values ("RAZ").
struct TTypeZoneFamily {
    TTypeZones Zone;
    TTypeZones Mini;
    TTypeZones Maxi;
    bool HasRAZ;
    TTypeZones RAZ;
};

// The family a zone type belongs to (as data zone or as companion), or nullptr.
const TTypeZoneFamily* FindTypeZoneFamily(TTypeZones TypeZone);

// True for the Mini, Maxi and RAZ companions.
bool IsCompanionTypeZone(TTypeZones TypeZone);

} // namespace g20seq
