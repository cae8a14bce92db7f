#include "eprom/ZoneCreator.h"

#include "interface/CustomEprom.h"
#include "support/Exceptions.h"

#include <limits>

namespace g20seq {

TZoneCreator::TZoneCreator(TZoneClass aZoneClass, TTypeZones aPhysicalZone, int aLogicalZone)
    : FZoneClass(aZoneClass), FPhysicalZone(aPhysicalZone), FLogicalZone(aLogicalZone) {}

std::unique_ptr<TZoneCPS> TZoneCreator::CreateZone(TCustomEprom* aOwner, int ZoneIndex) const {
    if (ZoneIndex < 0 || ZoneIndex > std::numeric_limits<Word>::max())
        throw ERangeError();
    TInterfacedPersistent* logicalZone = nullptr;
    if (FLogicalZone != NoLogicalZone && aOwner != nullptr)
        logicalZone = aOwner->GetLogicalZone(static_cast<TTypeZones>(FLogicalZone), ZoneIndex);
    return FZoneClass(aOwner, FPhysicalZone, static_cast<Word>(ZoneIndex), logicalZone);
}

} // namespace g20seq
