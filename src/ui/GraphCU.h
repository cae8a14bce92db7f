// Wear compensation graph of an electrode: the current set point against the point
// count over the steps of the law, as flat steps or as ramps, with the changed step in
// red and a yellow vertical marker at the electrode's current point count. The law goes
// into the chart's first series, the marker into its second.
#pragma once

#include "support/Object.h"
#include "ui/ChartSeries.h"

#include <vector>

namespace g20seq {

// The step to highlight; segAucuneCU highlights none.
enum TSegmentGrapheCU {
    segAucuneCU,
    segPalier01,
    segPalier02,
    segPalier03,
    segPalier04,
    segPalier05,
    segPalier06,
    segPalier07,
    segPalier08,
    segPalier09,
    segPalier10,
};

class TGraphCU : public TObject {
public:
    // ProgressionCU: the current rises over each step (ramps) instead of jumping.
    TGraphCU(IChart* GraphiqueCU, bool ProgressionCU, int NbPaliers);

    std::string ClassName() const override { return "TGraphCU"; }

    // Element access for steps 0 .. NbPaliers - 1. A step outside is logged; nothing is
    // stored and reading answers 0.
    int GetPalier(int Numero) const;
    void SetPalier(int Numero, int Value);
    double GetConsigne(int Numero) const;
    void SetConsigne(int Numero, double Value);

    void Actualiser(TSegmentGrapheCU SegmentActif);
    // Moves the marker to the point count Numero.
    void SetPoint(double Numero);

private:
    // Whether Numero is a step; a range error is logged under Methode otherwise.
    bool IndexValide(int Numero, const char* Methode) const;
    void AjouterPalier(IChartSeries& Serie, int Index, TSystemColor Couleur) const;

    IChart* Graphique;
    bool CUParSegment;
    int NombrePaliers;
    std::vector<int> Paliers;
    std::vector<double> Consignes;
};

} // namespace g20seq
