// Learning results of a gun (medium-frequency G20), 13 bytes read and written the same
// way, words most significant byte first:
//   0 static gain, 2 regulation coefficient offset, 4 ripple coefficient A, 6 ripple
//   coefficient B, 8 ripple compensation gain, 10 learning voltage, 12 rise time (one
//   byte).
// The zone is stored in zone files; its file block is this payload.
#pragma once

#include "zones/ZoneStatut.h"

namespace g20seq {

class TApprentissage : public TZoneStatut<TApprentissage> {
public:
    static constexpr int TaillePayload = 13;

    TApprentissage(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                   TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override { return "TApprentissage"; }
    static const TPayloadLayout& Layout();

    int GetGainStatique() const { return Lu(FGainStatique); }
    int GetOffsetCoefficientRegulation() const { return Lu(FOffsetCoefficientRegulation); }
    int GetCoefficientOndulationA() const { return Lu(FCoefficientOndulationA); }
    int GetCoefficientOndulationB() const { return Lu(FCoefficientOndulationB); }
    int GetGainCompensationOndulation() const { return Lu(FGainCompensationOndulation); }
    int GetTensionApprentissage() const { return Lu(FTensionApprentissage); }
    int GetTempsMonte() const { return Lu(FTempsMonte); }

protected:
    int FGainStatique = 0;
    int FOffsetCoefficientRegulation = 0;
    int FCoefficientOndulationA = 0;
    int FCoefficientOndulationB = 0;
    int FGainCompensationOndulation = 0;
    int FTensionApprentissage = 0;
    int FTempsMonte = 0;
};

} // namespace g20seq
