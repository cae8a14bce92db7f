#include "ui/FormProgrammationG20Regles.h"

#include "support/Format.h"

#include <cmath>

namespace g20seq {

namespace {

// Regulation modes that regulate the current.
int ModeIntensite(bool MF) {
    return MF ? 1 : 2;
}

} // namespace

TColonneConsigne TReglesProgrammation::ColonneActive(int ModeRegulation, bool MF) {
    if (ModeRegulation == ModeIntensite(MF))
        return TColonneConsigne::Ampere;
    if (!MF && ModeRegulation == 3)
        return TColonneConsigne::Tension;
    if (ModeRegulation == 0 || (!MF && ModeRegulation == 1))
        return TColonneConsigne::Pourcent;
    return TColonneConsigne::Aucune;
}

TSystemColor TReglesProgrammation::Couleur(TColonneConsigne Colonne, int ModeRegulation,
                                           int ModeControle, bool MF) {
    const TColonneConsigne active = ColonneActive(ModeRegulation, MF);
    if (Colonne == active)
        return clYellow;
    const bool surveillee = active == TColonneConsigne::Ampere
                                ? Colonne == TColonneConsigne::Pourcent && ModeControle == 2
                                : Colonne == TColonneConsigne::Ampere && ModeControle != 0;
    return surveillee ? clLime : clWhite;
}

bool TReglesProgrammation::RegulationBloquee(int ModeRegulation, int ModeControle, bool MF) {
    return ModeRegulation == ModeIntensite(MF) && ModeControle == 2;
}

int TReglesProgrammation::ModeControle(bool Intensite, bool Pourcent) {
    if (Pourcent)
        return 2;
    return Intensite ? 1 : 0;
}

TReglesProgrammation::TChiffres TReglesProgrammation::ChiffresCourant(double Valeur,
                                                                      bool ConsignesLiees,
                                                                      bool ModeAmperes,
                                                                      TChiffres Actuel) {
    if (ModeAmperes)
        return {5, 0};
    if (Valeur < 10.0)
        return {1, 2};
    if (Valeur < 100.0)
        return {2, 1};
    return ConsignesLiees ? Actuel : TChiffres{3, 0};
}

double TReglesProgrammation::Derivee(double Reference, double Variation, int Decimales) {
    const double echelle = std::pow(10.0, Decimales);
    // The default rounding mode rounds ties to even.
    return std::nearbyint(Reference * Variation / 100.0 * echelle) / echelle;
}

std::vector<std::string> TReglesProgrammation::ItemsTemps(int Mini, int Maxi, TListeTemps Genre) {
    std::vector<std::string> items;
    for (int raw = Mini; raw <= Maxi; ++raw) {
        if (Genre == TListeTemps::DemiPeriodes)
            items.push_back(Format("%.1f", raw / 2.0));
        else
            items.push_back(IntToStr(raw));
        if (Genre == TListeTemps::SoudageAC && raw == 0)
            items.emplace_back("1/2");
    }
    return items;
}

int TReglesProgrammation::IndexTemps(int Raw, int Mini, TListeTemps Genre, bool DemiPeriode) {
    if (Genre != TListeTemps::SoudageAC || Mini != 0)
        return Raw - Mini;
    if (DemiPeriode)
        return 1;
    return Raw == 0 ? 0 : Raw + 1;
}

TReglesProgrammation::TTemps TReglesProgrammation::TempsDeIndex(int Index, int Mini,
                                                                TListeTemps Genre) {
    if (Genre != TListeTemps::SoudageAC || Mini != 0)
        return {Mini + Index, false};
    if (Index == 1)
        return {0, true};
    return {Index == 0 ? 0 : Index - 1, false};
}

std::string TReglesProgrammation::Indication(double Mini, double Maxi, int Decimales) {
    const std::string format = "%." + IntToStr(Decimales) + "f";
    return Format(format, Mini) + ".." + Format(format, Maxi);
}

std::string TReglesProgrammation::IndicationEffort(double Mini, double Maxi) {
    return Format("%.2f...%.2f", Mini, Maxi);
}

} // namespace g20seq
