// Thermal current of the controller (G20, read-only): one word.
#pragma once

#include "zones/ZoneStatut.h"

namespace g20seq {

class TThermiqueG20 : public TReadOnlyZone<TZoneStatut<TThermiqueG20>> {
public:
    static constexpr int TaillePayload = 2;

    TThermiqueG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                  TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override { return "TThermiqueG20"; }
    static const TPayloadLayout& Layout();

    // The current as the host shows it (see IntensiteAffichee).
    double GetIntensiteThermique(bool ModeAmperes) const;

protected:
    int FIntensiteThermique = 0;
};

} // namespace g20seq
