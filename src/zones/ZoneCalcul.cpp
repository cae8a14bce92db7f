#include "zones/ZoneCalcul.h"

#include "model/DataProxy.h"
#include "support/Format.h"
#include "support/Lock.h"

#include <limits>
#include <set>
#include <tuple>

namespace g20seq {

namespace {

// (EPROM, zone type, zone number) of every absence logged.
using TCleAbsence = std::tuple<const TCustomEprom*, int, int>;

TCriticalSection& VerrouAbsences() {
    static TCriticalSection verrou;
    return verrou;
}

std::set<TCleAbsence>& AbsencesSignalees() {
    static std::set<TCleAbsence> absences;
    return absences;
}

} // namespace

bool TZonesAbsentes::Signaler(const TObject* Demandeur, TCustomEprom* Eprom, TTypeZones TypeZone,
                              int NumeroZone, const std::string& Source) {
    {
        TLockGuard lock(VerrouAbsences());
        if (!AbsencesSignalees().emplace(Eprom, TypeZone, NumeroZone).second)
            return false;
    }
    const TObject* sender = Eprom != nullptr ? static_cast<const TObject*>(Eprom) : Demandeur;
    LogEvent(sender, Source, Format("Zone %s=%d absente", TypeZoneName(TypeZone), NumeroZone),
             Eprom != nullptr ? Eprom->GetNomEprom() : std::string(), LogAnomaly, CatEprom);
    return true;
}

void TZonesAbsentes::Oublier(const TCustomEprom* Eprom) {
    TLockGuard lock(VerrouAbsences());
    auto& absences = AbsencesSignalees();
    constexpr int Min = std::numeric_limits<int>::min();
    constexpr int Max = std::numeric_limits<int>::max();
    absences.erase(absences.lower_bound({Eprom, Min, Min}),
                   absences.upper_bound({Eprom, Max, Max}));
}

} // namespace g20seq
