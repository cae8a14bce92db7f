#include "ui/GraphCU.h"

#include "model/DataProxy.h"

#include <array>

namespace g20seq {

namespace {
constexpr int MaxPaliers = segPalier10;
// The law and the marker are drawn with the same fixed pen width.
constexpr int LargeurTrait = 2;
} // namespace

TGraphCU::TGraphCU(IChart* GraphiqueCU, bool ProgressionCU, int NbPaliers)
    : Graphique(GraphiqueCU), CUParSegment(!ProgressionCU), NombrePaliers(NbPaliers),
      Paliers(NbPaliers), Consignes(NbPaliers) {}

bool TGraphCU::IndexValide(int Numero, const char* Methode) const {
    if (Numero >= 0 && Numero < NombrePaliers)
        return true;
    LogEvent(this, Methode, SRangeError, "", LogAnomaly, CatZRT);
    return false;
}

int TGraphCU::GetPalier(int Numero) const {
    return IndexValide(Numero, "TGraphCU.GetPalier") ? Paliers[Numero] : 0;
}

void TGraphCU::SetPalier(int Numero, int Value) {
    if (IndexValide(Numero, "TGraphCU.SetPalier"))
        Paliers[Numero] = Value;
}

double TGraphCU::GetConsigne(int Numero) const {
    return IndexValide(Numero, "TGraphCU.GetConsigne") ? Consignes[Numero] : 0;
}

void TGraphCU::SetConsigne(int Numero, double Value) {
    if (IndexValide(Numero, "TGraphCU.SetConsigne"))
        Consignes[Numero] = Value;
}

void TGraphCU::Actualiser(TSegmentGrapheCU SegmentActif) {
    IChartSeries* serie = Graphique ? Graphique->FirstSeries() : nullptr;
    if (!serie)
        return;
    std::array<TSystemColor, MaxPaliers + 1> couleurs;
    couleurs.fill(clGreen);
    if (SegmentActif >= segAucuneCU && SegmentActif <= segPalier10)
        couleurs[SegmentActif] = clRed;
    serie->Clear();
    serie->SetPen(TPenStyle::psSolid, LargeurTrait);
    const std::vector<int>& P = Paliers;
    const std::vector<double>& C = Consignes;
    for (int i = 0; i < NombrePaliers && i < MaxPaliers; ++i) {
        const int seg = i + 1;
        if (seg == 1)
            serie->AddXY(0, C[0], couleurs[seg]);
        const double X = serie->LastX();
        // A step that does not extend the curve ends it.
        if (P[i] <= X)
            break;
        if (CUParSegment) {
            // The current jumps to the step's set point and stays there until its end.
            serie->AddXY(X, C[i], clGreen);
            serie->AddXY(P[i], C[i], couleurs[seg]);
        } else if (i == NombrePaliers - 1) {
            serie->AddXY(P[i], C[i], couleurs[seg]);
            break;
        } else {
            // The current rises over the step towards the next step's set point, unless
            // the next step ends earlier.
            serie->AddXY(P[i], P[i + 1] < P[i] ? C[i] : C[i + 1], couleurs[seg]);
        }
    }
}

void TGraphCU::SetPoint(double Numero) {
    IChartSeries* loi = Graphique ? Graphique->FirstSeries() : nullptr;
    IChartSeries* marqueur = Graphique ? Graphique->SecondSeries() : nullptr;
    if (!loi || !marqueur)
        return;
    marqueur->Clear();
    marqueur->SetPen(TPenStyle::psSolid, LargeurTrait);
    marqueur->AddXY(Numero, loi->MinY(), clYellow);
    marqueur->AddXY(Numero, loi->MaxY(), clYellow);
}

} // namespace g20seq
