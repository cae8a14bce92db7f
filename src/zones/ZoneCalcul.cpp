#include "zones/ZoneCalcul.h"

#include "model/DataProxy.h"
#include "support/Format.h"
#include "support/Lock.h"

namespace g20seq {

bool TZonesAbsentes::Noter(TTypeZones TypeZone, int NumeroZone) {
    TLockGuard lock(FVerrou);
    return FSignalees.emplace(TypeZone, NumeroZone).second;
}

bool TZonesAbsentes::Signaler(const TObject* Demandeur, TCustomEprom* Eprom, TTypeZones TypeZone,
                              int NumeroZone, const std::string& Source) {
    void* journal = nullptr;
    if (Eprom != nullptr && Eprom->QueryInterface(IID, &journal) == THResult::S_OK &&
        !static_cast<TZonesAbsentes*>(journal)->Noter(TypeZone, NumeroZone))
        return false;
    const TObject* sender = Eprom != nullptr ? static_cast<const TObject*>(Eprom) : Demandeur;
    LogEvent(sender, Source, Format("Zone %s=%d absente", TypeZoneName(TypeZone), NumeroZone),
             Eprom != nullptr ? Eprom->GetNomEprom() : std::string(), LogAnomaly, CatEprom);
    return true;
}

} // namespace g20seq
