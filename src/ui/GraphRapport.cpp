#include "ui/GraphRapport.h"

#include "model/DataProxy.h"

namespace g20seq {

namespace {
constexpr int LargeurTrait = 2;
}

TGraphRapport::TGraphRapport(IChart* GraphiqueRapport) : FGraphique(GraphiqueRapport) {}

bool TGraphRapport::ParamValide(TParamGraphRapport Param, const char* Methode) const {
    if (Param >= prmRapportTransfo && Param <= prmLimiteIntFaible)
        return true;
    LogEvent(this, Methode, SRangeError, "", LogAnomaly, CatZRT);
    return false;
}

double TGraphRapport::GetValeurParam(TParamGraphRapport Param) const {
    return ParamValide(Param, "TGraphRapport.GetValeurParam") ? V(Param) : 0;
}

void TGraphRapport::SetValeurParam(TParamGraphRapport Param, double Value) {
    if (ParamValide(Param, "TGraphRapport.SetValeurPAram"))
        FValeurs[Param - 1] = Value;
}

void TGraphRapport::LogSansSerie() const {
    LogEvent(this, "TGraphRapport.Actualiser", "Aucune série trouvée",
             "Graphique du rapport transfo.", LogAnomaly, CatZRT);
}

void TGraphRapport::Actualiser(TParamGraphRapport Param) {
    const double R = V(prmRapportTransfo);
    const double O = V(prmOffsetRapport);
    const double Ri = V(prmRapportTransfoInt);
    const double Oi = V(prmOffsetRapportInt);
    const double L = V(prmLimiteIntFaible);
    // Where the two slopes meet; equal slopes meet at the limit (or at 0 when flat).
    double x0;
    if (R == Ri)
        x0 = Ri == 0 ? 0 : (L - Oi) / Ri;
    else
        x0 = (O - Oi) / (Ri - R);
    // The end of the normal slope is kept in single precision.
    const double x1 = static_cast<float>(3 * x0);
    const double y0 = Ri * x0 + Oi;
    const double y1 = R * x1 + O;

    const auto couleur = [Param](TParamGraphRapport A, TParamGraphRapport B, TSystemColor Normale) {
        return Param == A || Param == B ? clRed : Normale;
    };
    const TSystemColor faible = couleur(prmRapportTransfoInt, prmOffsetRapportInt, clGreen);
    const TSystemColor normale = couleur(prmRapportTransfo, prmOffsetRapport, clGreen);
    const TSystemColor limite = couleur(prmLimiteIntFaible, prmLimiteIntFaible, clYellow);

    if (IChartSeries* rapport = FGraphique ? FGraphique->FirstSeries() : nullptr) {
        rapport->Clear();
        rapport->SetPen(TPenStyle::psSolid, LargeurTrait);
        rapport->AddXY(0, Oi, faible);
        rapport->AddXY(x0, y0, faible);
        rapport->AddXY(x0, y0, normale);
        rapport->AddXY(x1, y1, normale);
    } else {
        LogSansSerie();
    }
    if (IChartSeries* limiteSerie = FGraphique ? FGraphique->SecondSeries() : nullptr) {
        limiteSerie->Clear();
        limiteSerie->SetPen(TPenStyle::psSolid, LargeurTrait);
        // The limit line is as high as the normal slope reaches to the right (x1).
        limiteSerie->AddXY(L, 0, limite);
        limiteSerie->AddXY(L, x1, limite);
    } else {
        LogSansSerie();
    }
}

} // namespace g20seq
