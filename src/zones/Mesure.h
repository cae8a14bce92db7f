// Measurements of the last weld (G20, read-only), words most significant byte first:
//   0 measured current, 2 equivalent % (word / 100), 4 measured voltage % (word / 100),
//   6 current set point, 8 voltage set point % (word / 100), then on a medium-frequency
//   controller 10 primary current and 12 programmed current, then the measured force and
//   the approach time. 14 bytes on an AC controller, 18 on a medium-frequency one (the
//   zone then receives 18 bytes). A value above its range refuses the payload.
#pragma once

#include "zones/ZoneStatut.h"

namespace g20seq {

class TMesureG20 : public TReadOnlyZone<TZoneStatut<TMesureG20>> {
public:
    static constexpr int TaillePayloadAC = 14;
    static constexpr int TaillePayloadMF = 18;

    TMesureG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
               TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override { return "TMesureG20"; }
    // The payload of the owner EPROM's controller variant.
    const TPayloadLayout& Layout() const;
    static const TPayloadLayout& LayoutAC();
    static const TPayloadLayout& LayoutMF();

    // Currents as the host shows them (see IntensiteAffichee).
    double GetIntensiteMesuree(bool ModeAmperes) const;
    double GetConsigneIntensite(bool ModeAmperes) const;
    double GetPctEquivalent() const { return Lu(FPctEquivalent); }
    double GetPctTensionMesuree() const { return Lu(FPctTensionMesuree); }
    double GetPctConsigneTension() const { return Lu(FPctConsigneTension); }
    int GetIntensitePrimaire() const { return Lu(FIntensitePrimaire); }
    int GetIntensiteParametree() const { return Lu(FIntensiteParametree); }
    int GetEffortMesure() const { return Lu(FEffortMesure); }
    int GetDureeTempsAccostage() const { return Lu(FDureeTempsAccostage); }

protected:
    TIntegerRange FIntensiteMesuree{0, 65535, 0};
    TDoubleRange FPctEquivalent{0.0, 655.35, 0.0};
    TDoubleRange FPctTensionMesuree{0.0, 655.35, 0.0};
    TIntegerRange FConsigneIntensite{0, 65535, 0};
    TDoubleRange FPctConsigneTension{0.0, 655.35, 0.0};
    TIntegerRange FIntensitePrimaire{0, 65535, 0};
    TIntegerRange FIntensiteParametree{0, 65535, 0};
    TIntegerRange FEffortMesure{0, 9999, 0};
    TIntegerRange FDureeTempsAccostage{0, 250, 0};
};

} // namespace g20seq
