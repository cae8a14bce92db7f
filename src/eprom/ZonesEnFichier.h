#pragma once

#include "interface/CustomEprom.h"
#include "model/CustomZoneCPS.h"
#include "support/StringList.h"

namespace g20seq {

// Holds every in-file zone of an EPROM for one scope, in registration order (zone types in
// the order they were registered, zone numbers ascending), and gives them back at its end.
class TZonesEnFichier {
public:
    explicit TZonesEnFichier(TCustomEprom& Eprom) : FEprom(Eprom) {
        FEprom.GetMultiplePhysicalZone(&FZones);
    }
    ~TZonesEnFichier() { FEprom.ReleaseMultiplePhysicalZone(&FZones); }
    TZonesEnFichier(const TZonesEnFichier&) = delete;
    TZonesEnFichier& operator=(const TZonesEnFichier&) = delete;

    int Count() const { return FZones.Count(); }
    // The list holds zones only: its objects are the zones themselves.
    TCustomZoneCPS* operator[](int Index) const {
        return static_cast<TCustomZoneCPS*>(FZones.Objects(Index));
    }

private:
    TCustomEprom& FEprom;
    TStringList FZones;
};

} // namespace g20seq
