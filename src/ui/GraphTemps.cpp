#include "ui/GraphTemps.h"

#include "model/DataProxy.h"

namespace g20seq {

// The drawing state of one redraw: the series, the highlighted segment and the upslope
// that may run on over several pulses.
class TGraphTemps::TTrace {
public:
    TTrace(IChartSeries& Serie, TSegmentGrapheTemps Actif) : FSerie(Serie), FActif(Actif) {}

    // A point at Duree after the last one, in the colour of Segment.
    void Avance(TSegmentGrapheTemps Segment, double Duree, double Niveau) {
        FSerie.AddXY(FSerie.LastX() + Duree, Niveau, Segment == FActif ? clGreen : clRed);
    }
    // The joining point at the start of a segment, always red.
    void Jonction(double Niveau) { FSerie.AddXY(FSerie.LastX(), Niveau, clRed); }
    void Segment(TSegmentGrapheTemps Segment, double Debut, double Duree, double Fin) {
        Jonction(Debut);
        Avance(Segment, Duree, Fin);
    }
    double DernierNiveau() const { return FSerie.LastY(); }

    // An upslope longer than the weld time climbs on through the following pulses.
    bool UpslopeEnCours = false;
    double UpslopeEcoule = 0;
    double PenteK = 0;
    double PenteB = 0;
    double NiveauRampe() const { return UpslopeEcoule * PenteK + PenteB; }

private:
    IChartSeries& FSerie;
    TSegmentGrapheTemps FActif;
};

TGraphTemps::TGraphTemps(IChart* GraphiqueTemps, int NbPulstMini)
    : Graphique(GraphiqueTemps), NbPulsationMini(NbPulstMini) {}

void TGraphTemps::Clear() {
    if (IChartSeries* serie = Graphique ? Graphique->FirstSeries() : nullptr)
        serie->Clear();
}

double TGraphTemps::DebutUpslope(bool) const {
    return IntensiteDebutUpslope;
}

void TGraphTemps::LogSansSerie(const char* Methode, bool ModeDemiPeriode) const {
    LogEvent(this, Methode, "Graphique du cycle de soudage",
             ModeDemiPeriode ? "Aucune série trouvée (mode première demi-période = vrai)"
                             : "Aucune série trouvée (mode première demi-période = faux)",
             LogAnomaly, CatZRT);
}

void TGraphTemps::Actualiser(TSegmentGrapheTemps Segment) {
    IChartSeries* serie = Graphique ? Graphique->FirstSeries() : nullptr;
    if (!serie) {
        LogSansSerie("TGraphTemps.Actualiser", DemiPeriode);
        return;
    }
    if (DemiPeriode) {
        serie->Clear();
        return;
    }
    Dessiner(*serie, Segment);
}

void TGraphTemps::Dessiner(IChartSeries& Serie, TSegmentGrapheTemps Actif) const {
    Serie.Clear();
    if (AvecIntensite)
        Serie.SetPen(TPenStyle::psSolid, 3);
    else
        Serie.SetPen(TPenStyle::psDash, 1);
    TTrace trace(Serie, Actif);
    const bool prechauffage = Valeurs[segPrechauffage] > 0;
    const bool froid = Valeurs[segTempsFroid] > 0;
    trace.Segment(segPremierAccostage, 0, Duree(segPremierAccostage), 0);
    trace.Segment(segAccostage, 0, Duree(segAccostage), 0);
    if (!prechauffage && froid)
        trace.Segment(segTempsFroid, 0, Duree(segTempsFroid), 0);
    DessinerUpslope(trace);
    if (prechauffage && froid)
        trace.Segment(segTempsFroid, 0, Duree(segTempsFroid), 0);
    DessinerPulsations(trace);
    DessinerFin(trace);
}

void TGraphTemps::DessinerUpslope(TTrace& Trace) const {
    const double upslope = Duree(segUpSlope);
    const double soudage = Duree(segSoudage);
    const double prechauffage = Duree(segPrechauffage);
    const double P = IntensitePrechauffage;
    if (Valeurs[segPrechauffage] == 0) {
        const double debut = DebutUpslope(false);
        if (upslope <= soudage) {
            Trace.Segment(segUpSlope, debut, upslope, Intensite);
            return;
        }
        // The ramp is cut at the end of the first weld time and goes on in the next pulses.
        Trace.PenteK = (Intensite / 2) / upslope;
        Trace.PenteB = Intensite / 2;
        Trace.UpslopeEcoule = soudage;
        Trace.UpslopeEnCours = true;
        Trace.Segment(segUpSlope, debut, soudage, Trace.NiveauRampe());
    } else if (upslope <= prechauffage) {
        Trace.Segment(segUpSlope, DebutUpslope(true), upslope, P);
        Trace.Avance(segPrechauffage, prechauffage - upslope, P);
    } else {
        const double k = (P / 2) / upslope;
        Trace.Segment(segUpSlope, DebutUpslope(true), prechauffage, prechauffage * k + P / 2);
    }
}

void TGraphTemps::DessinerPulsations(TTrace& Trace) const {
    const double upslope = Duree(segUpSlope);
    const double soudage = Duree(segSoudage);
    for (int p = NbPulsationMini; p <= NombrePulse; ++p) {
        if (Trace.UpslopeEnCours) {
            // Pulse 1's weld time was drawn by the upslope itself.
            if (p != 1) {
                Trace.Jonction(Trace.NiveauRampe());
                const double reste = upslope - Trace.UpslopeEcoule;
                if (reste <= soudage) {
                    Trace.Avance(segUpSlope, reste, Intensite);
                    Trace.Avance(segSoudage, soudage - reste, Intensite);
                    Trace.UpslopeEnCours = false;
                } else {
                    Trace.UpslopeEcoule += soudage;
                    Trace.Avance(segUpSlope, soudage, Trace.NiveauRampe());
                }
            }
        } else if (p == NbPulsationMini) {
            // Without a preheat the upslope is part of the first weld time.
            const bool prechauffage = Valeurs[segPrechauffage] > 0;
            Trace.Segment(segSoudage, Intensite, prechauffage ? soudage : soudage - upslope,
                          Intensite);
        } else {
            Trace.Segment(segSoudage, Intensite, soudage, Intensite);
        }
        if (p != NombrePulse)
            Trace.Segment(segIntervallePulse, 0, Duree(segIntervallePulse), 0);
    }
}

void TGraphTemps::DessinerFin(TTrace& Trace) const {
    if (AvecDownslope())
        Trace.Segment(segDownslope, Trace.DernierNiveau(), Duree(segDownslope), FinDownslope());
    if (Valeurs[segTrempe] != 0)
        Trace.Segment(segTrempe, 0, Duree(segTrempe), 0);
    if (Valeurs[segRecuit] != 0)
        Trace.Segment(segRecuit, IntensiteRecuit, Duree(segRecuit), IntensiteRecuit);
    else
        Trace.Avance(segRecuit, 0, 0);
    Trace.Segment(segForgeage, 0, Duree(segForgeage), 0);
    Trace.Avance(segIntervalle, Duree(segIntervalle), 0);
}

} // namespace g20seq
