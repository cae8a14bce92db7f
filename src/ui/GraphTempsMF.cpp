#include "ui/GraphTempsMF.h"

#include "model/DataProxy.h"

namespace g20seq {

TGraphTempsMF::TGraphTempsMF(IChart* GraphiqueTemps, int NbPulstMini)
    : TGraphTemps(GraphiqueTemps, NbPulstMini) {
    SetFrequence(FrequenceSecteur());
}

void TGraphTempsMF::SetFrequence(int Value) {
    if (Value != 50 && Value != 60)
        return;
    FFrequence = Value;
    FCycleRatio = 1000.0 / (2.0 * Value);
}

void TGraphTempsMF::SetTitreAxeBas(const std::string& Titre) {
    if (Graphique)
        Graphique->SetBottomAxisTitle(Titre);
}

void TGraphTempsMF::SetTitreAxeGauche(const std::string& Titre) {
    if (Graphique)
        Graphique->SetLeftAxisTitle(Titre);
}

void TGraphTempsMF::Actualiser(TSegmentGrapheTemps Segment) {
    IChartSeries* serie = Graphique ? Graphique->FirstSeries() : nullptr;
    if (!serie) {
        LogSansSerie("TGraphTempsMF.Actualiser", false);
        return;
    }
    Dessiner(*serie, Segment);
}

double TGraphTempsMF::Duree(TSegmentGrapheTemps Segment) const {
    switch (Segment) {
    case segPremierAccostage:
    case segAccostage:
    case segForgeage:
    case segIntervalle:
        return Valeurs[Segment] * FCycleRatio;
    default:
        return Valeurs[Segment];
    }
}

double TGraphTempsMF::DebutUpslope(bool AvecPrechauffage) const {
    return (AvecPrechauffage ? IntensitePrechauffage : Intensite) / 2;
}

} // namespace g20seq
