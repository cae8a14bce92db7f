// Weld sequence graph of an alternating-current program: the weld level against time
// in mains periods, every segment of the sequence in order, the segment the user has
// just changed in green and every other one in red. It writes into the first series of
// a chart it does not own.
#pragma once

#include "support/Object.h"
#include "ui/ChartSeries.h"

#include <array>

namespace g20seq {

// The durations of a weld sequence; segAucunTemps stands for no segment.
enum TSegmentGrapheTemps {
    segAucunTemps,
    segPremierAccostage,
    segAccostage,
    segPrechauffage,
    segUpSlope,
    segTempsFroid,
    segSoudage,
    segDownslope,
    segTrempe,
    segRecuit,
    segForgeage,
    segIntervalle,
    segIntervallePulse,
};
inline constexpr int NbSegmentsGrapheTemps = segIntervallePulse + 1;

class TGraphTemps : public TObject {
public:
    // Keeps the chart (not owned) and the number of the first pulse.
    TGraphTemps(IChart* GraphiqueTemps, int NbPulstMini);

    std::string ClassName() const override { return "TGraphTemps"; }

    int GetValeurSegment(TSegmentGrapheTemps Segment) const { return Valeurs[Segment]; }
    void SetValeurSegment(TSegmentGrapheTemps Segment, int Value) { Valeurs[Segment] = Value; }

    // Redraws the whole sequence with Segment highlighted (segAucunTemps: none).
    virtual void Actualiser(TSegmentGrapheTemps Segment);
    // Empties the series.
    void Clear();

    bool AvecIntensite = true;
    double Intensite = 100.0;
    double IntensitePrechauffage = 0;
    double IntensiteRecuit = 0;
    double IntensiteDebutUpslope = 0;
    double IntensiteFinDownSlope = 0;
    bool DemiPeriode = false;
    int NombrePulse = 0;

protected:
    // Duration of a segment on the time axis.
    virtual double Duree(TSegmentGrapheTemps Segment) const { return Valeurs[Segment]; }
    // Level at which the upslope starts, without or with a preheat.
    virtual double DebutUpslope(bool AvecPrechauffage) const;
    // Whether the downslope is drawn, and the level at which it ends.
    virtual bool AvecDownslope() const { return Valeurs[segDownslope] != 0; }
    virtual double FinDownslope() const { return IntensiteFinDownSlope; }

    // Draws the sequence into Serie (steps 1 to 11).
    void Dessiner(IChartSeries& Serie, TSegmentGrapheTemps Actif) const;
    void LogSansSerie(const char* Methode, bool ModeDemiPeriode) const;

    IChart* Graphique;
    std::array<int, NbSegmentsGrapheTemps> Valeurs{};
    int NbPulsationMini;

private:
    class TTrace;
    void DessinerUpslope(TTrace& Trace) const;
    void DessinerPulsations(TTrace& Trace) const;
    void DessinerFin(TTrace& Trace) const;
};

} // namespace g20seq
