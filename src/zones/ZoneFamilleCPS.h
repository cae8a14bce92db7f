// Base of the zone classes whose zones come with limit companions of the same class.
#pragma once

#include "model/IDTypeZones.h"
#include "model/ZoneCPS.h"

namespace g20seq {

// A zone of a family with Mini (every field at its minimum), Maxi (at its maximum) and
// RAZ (the defaults) companions. Editors take the bounds of a control from the Mini and
// Maxi companions and reset values from the RAZ companion.
class G20SEQ_EXPORT TZoneFamilleCPS : public TZoneCPS {
public:
    // Famille: the data zone type of the family (for example PrcElectrodes); the
    // companions are those of that family, whatever the type of this zone.
    TZoneFamilleCPS(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                    TInterfacedPersistent* aLogicalZone, TTypeZones Famille);

    // The companions (number 0) of the owner EPROM, borrowed: give each back with the
    // EPROM's ReleasePhysicalZone. nullptr without an EPROM owner.
    TZoneCPS* GetZoneMaxi() const override;
    TZoneCPS* GetZoneMini() const override;
    TZoneCPS* GetZoneRAZ() const override;

private:
    // The companion Membre of the family, number 0, from the owner EPROM; a zone that is
    // no TZoneCPS is given back at once and answers nullptr.
    TZoneCPS* Companion(TTypeZones TTypeZoneFamily::*Membre) const;

    const TTypeZoneFamily* FFamille;
};

} // namespace g20seq
