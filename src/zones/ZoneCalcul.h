// Zones a computed value reads from its owner EPROM.
//
// The counters and the present faults derive their states from other zones of the same
// EPROM (electrode, configuration, cutters). Such a value opens each zone it needs for the
// duration of the computation only, and gives it back when the computation ends. A zone
// that the EPROM cannot hand out (no reference, no zone class, or a zone of another class)
// makes the value answer its neutral result; the absence is logged once per EPROM and
// zone, whichever thread notices it first.
#pragma once

#include "interface/CustomEprom.h"
#include "support/Lock.h"
#include "support/TypeZones.h"

#include <set>
#include <string>
#include <utility>

namespace g20seq {

// Journal of the zones found missing, one per EPROM (the EPROM owns it and answers it for
// TZonesAbsentes::IID): the first absence of a zone of an EPROM is logged (sender the
// EPROM, the source given, "Zone <type>=<number> absente", the EPROM's name, level 2,
// category "Eprom"); later ones are not. Owned by its EPROM, it goes with it, whenever
// and however the EPROM is freed (unloading the module included). Thread-safe.
class TZonesAbsentes {
public:
    static constexpr TGUID IID = GuidFromString("{5C0E83A1-9B4D-4F27-A6E2-31D8B07F4C95}");

    // Logs the absence unless Eprom's journal has logged it before; answers whether it
    // logged. Without an EPROM (or one without a journal) every absence is logged, with
    // Demandeur as the sender when there is no EPROM.
    static bool Signaler(const TObject* Demandeur, TCustomEprom* Eprom, TTypeZones TypeZone,
                         int NumeroZone, const std::string& Source);

private:
    // Records the zone; false when it was recorded before.
    bool Noter(TTypeZones TypeZone, int NumeroZone);

    TCriticalSection FVerrou;
    std::set<std::pair<int, int>> FSignalees;
};

// A zone of an EPROM opened as class TZone for one computation and given back when the
// holder goes. Empty (false) when the EPROM has no such zone of that class; the absence is
// then reported to TZonesAbsentes under Source, for Demandeur (the zone computing).
template <class TZone> class TZoneCalcul {
public:
    TZoneCalcul(const TObject& Demandeur, TCustomEprom* Eprom, TTypeZones TypeZone, int NumeroZone,
                const char* Source)
        : FHolder(Eprom, TypeZone, NumeroZone), FZone(FHolder.As<TZone>()) {
        if (FZone == nullptr)
            TZonesAbsentes::Signaler(&Demandeur, Eprom, TypeZone, NumeroZone, Source);
    }
    TZoneCalcul(const TZoneCalcul&) = delete;
    TZoneCalcul& operator=(const TZoneCalcul&) = delete;

    explicit operator bool() const { return FZone != nullptr; }
    TZone* operator->() const { return FZone; }
    TZone& operator*() const { return *FZone; }

private:
    TZoneHolder FHolder;
    TZone* FZone;
};

} // namespace g20seq
