// Values of the last half periods (G20, read-only), 26 bytes: thirteen words, most
// significant byte first, in this order: current +, current -, Phi +, Phi -, Phie +,
// Psi +, Psi - (as read), current %, voltage +, voltage - (each word / 100), set point
// (as read), Z % and measured current % (each word / 100).
#pragma once

#include "zones/ZoneStatut.h"

namespace g20seq {

class TPeriodesG20 : public TReadOnlyZone<TZoneStatut<TPeriodesG20>> {
public:
    static constexpr int TaillePayload = 26;

    TPeriodesG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                 TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override { return "TPeriodesG20"; }
    static const TPayloadLayout& Layout();

    // Currents as the host shows them (see IntensiteAffichee).
    double GetIntensitePlus(bool ModeAmperes) const;
    double GetIntensiteMoins(bool ModeAmperes) const;
    int GetPhiPlus() const { return Lu(FPhiPlus); }
    int GetPhiMoins() const { return Lu(FPhiMoins); }
    int GetPhiePlus() const { return Lu(FPhiePlus); }
    int GetPsiPlus() const { return Lu(FPsiPlus); }
    int GetPsiMoins() const { return Lu(FPsiMoins); }
    double GetPctIntensite() const { return Lu(FPctIntensite); }
    double GetTensionPlus() const { return Lu(FTensionPlus); }
    double GetTensionMoins() const { return Lu(FTensionMoins); }
    int GetConsigne() const { return Lu(FConsigne); }
    double GetPctZ() const { return Lu(FPctZ); }
    double GetPctIntensiteMesuree() const { return Lu(FPctIntensiteMesuree); }

protected:
    int FIntensitePlus = 0;
    int FIntensiteMoins = 0;
    int FPhiPlus = 0;
    int FPhiMoins = 0;
    int FPhiePlus = 0;
    int FPsiPlus = 0;
    int FPsiMoins = 0;
    double FPctIntensite = 0.0;
    double FTensionPlus = 0.0;
    double FTensionMoins = 0.0;
    int FConsigne = 0;
    double FPctZ = 0.0;
    double FPctIntensiteMesuree = 0.0;
};

} // namespace g20seq
