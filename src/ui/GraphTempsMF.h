// Weld sequence graph of a medium-frequency program: the sequence of TGraphTemps with
// times in milliseconds. The first squeeze, squeeze, hold and general interval are
// counted in half mains periods and scaled by the half period; the other times are
// already milliseconds.
#pragma once

#include "ui/GraphTemps.h"

namespace g20seq {

class TGraphTempsMF : public TGraphTemps {
public:
    // Takes the mains frequency from the host settings.
    TGraphTempsMF(IChart* GraphiqueTemps, int NbPulstMini);

    std::string ClassName() const override { return "TGraphTempsMF"; }

    void Actualiser(TSegmentGrapheTemps Segment) override;

    int GetFrequence() const { return FFrequence; }
    // Accepts 50 or 60 Hz; any other value changes nothing.
    void SetFrequence(int Value);
    double CycleRatio() const { return FCycleRatio; }

    void SetTitreAxeBas(const std::string& Titre);
    void SetTitreAxeGauche(const std::string& Titre);

protected:
    double Duree(TSegmentGrapheTemps Segment) const override;
    double DebutUpslope(bool AvecPrechauffage) const override;
    bool AvecDownslope() const override { return true; }
    double FinDownslope() const override { return Intensite / 2; }

private:
    int FFrequence = 50;
    double FCycleRatio = 10.0;
};

} // namespace g20seq
