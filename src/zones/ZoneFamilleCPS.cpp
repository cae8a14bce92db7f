#include "zones/ZoneFamilleCPS.h"

#include "interface/CustomEprom.h"

namespace g20seq {

TZoneFamilleCPS::TZoneFamilleCPS(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                 TInterfacedPersistent* aLogicalZone, TTypeZones Famille)
    : TZoneCPS(AOwner, TypeZone, Numero, aLogicalZone), FFamille(FindTypeZoneFamily(Famille)) {}

TZoneCPS* TZoneFamilleCPS::GetZoneMaxi() const {
    return Companion(&TTypeZoneFamily::Maxi);
}

TZoneCPS* TZoneFamilleCPS::GetZoneMini() const {
    return Companion(&TTypeZoneFamily::Mini);
}

TZoneCPS* TZoneFamilleCPS::GetZoneRAZ() const {
    return Companion(&TTypeZoneFamily::RAZ);
}

TZoneCPS* TZoneFamilleCPS::Companion(TTypeZones TTypeZoneFamily::*Membre) const {
    TCustomEprom* eprom = GetEprom();
    if (eprom == nullptr || FFamille == nullptr)
        return nullptr;
    TCustomZoneCPS* zone = eprom->GetPhysicalZone(FFamille->*Membre, 0, true);
    auto* companion = dynamic_cast<TZoneCPS*>(zone);
    if (companion == nullptr && zone != nullptr)
        eprom->ReleasePhysicalZone(zone);
    return companion;
}

} // namespace g20seq
