// Welding values of the last weld (G20, read-only), 13 bytes, words most significant
// byte first:
//   0 Phie+, 2 Psi+, 4 Phi+, 6 measured current of the positive half period, 8 set point,
//   10 measuring offset, 12 mode (one byte).
#pragma once

#include "zones/ZoneStatut.h"

namespace g20seq {

class TSoudageG20 : public TReadOnlyZone<TZoneStatut<TSoudageG20>> {
public:
    static constexpr int TaillePayload = 13;

    TSoudageG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override { return "TSoudageG20"; }
    static const TPayloadLayout& Layout();

    int GetPhiePlus() const { return Lu(FPhiePlus); }
    int GetPsiPlus() const { return Lu(FPsiPlus); }
    int GetPhiPlus() const { return Lu(FPhiPlus); }
    int GetOffsetMesure() const { return Lu(FOffsetMesure); }
    int GetMode() const { return Lu(FMode); }
    // Currents as the host shows them (see IntensiteAffichee).
    double GetMesureIntensitePlus(bool ModeAmperes) const;
    double GetConsigneIntensite(bool ModeAmperes) const;

protected:
    int FPhiePlus = 0;
    int FPsiPlus = 0;
    int FPhiPlus = 0;
    int FMesureIntensitePlus = 0;
    int FConsigne = 0;
    int FOffsetMesure = 0;
    int FMode = 0;
};

} // namespace g20seq
