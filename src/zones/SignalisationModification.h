// Change monitoring command (G20, written only): one byte, 1 to have the controller
// report parameter changes, 0 to stop.
#pragma once

#include "zones/ZoneStatut.h"

namespace g20seq {

class TSignalisationModificationG20
    : public TWriteOnlyZone<TZoneStatut<TSignalisationModificationG20>> {
public:
    static constexpr int TaillePayload = 1;

    TSignalisationModificationG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                  TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override { return "TSignalisationModificationG20"; }
    static const TPayloadLayout& Layout();

    bool GetSurveillanceModification() const { return Lu(FSurveillanceModification); }
    void SetSurveillanceModification(bool Value);

protected:
    bool FSurveillanceModification = false;
};

} // namespace g20seq
