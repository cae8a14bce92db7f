// The rules of the program window that need no widget: which step column is the set point
// under a regulation mode, the colours of the columns, the monitoring mode the two check
// boxes give, the digit layout of a current, the derived set points of a reference, the
// items of the time lists and the hints of the edits. The window asks them after every
// change and shows what they answer.
#pragma once

#include "ui/SystemColor.h"

#include <cstdint>
#include <string>
#include <vector>

namespace g20seq {

// The three step columns of the set points.
enum class TColonneConsigne : std::uint8_t { Aucune, Pourcent, Ampere, Tension };

class TReglesProgrammation {
public:
    // The column a regulation mode sets: percent (AC 0 and 1, MF 0), current (AC 2, MF 1),
    // voltage (AC 3).
    static TColonneConsigne ColonneActive(int ModeRegulation, bool MF);
    // The background of a column: yellow for the set point, light green for a column the
    // monitoring watches (the current column under percent or voltage regulation with any
    // monitoring, the percent column under current regulation with the percent
    // monitoring), white otherwise.
    static TSystemColor Couleur(TColonneConsigne Colonne, int ModeRegulation, int ModeControle,
                                bool MF);
    // The regulation cannot change while the current is regulated and the percent monitoring
    // is on.
    static bool RegulationBloquee(int ModeRegulation, int ModeControle, bool MF);
    // The monitoring mode of the two check boxes: 2 with the percent monitoring, else 1 with
    // the current monitoring, else 0.
    static int ModeControle(bool Intensite, bool Pourcent);

    // The digit layout of a current edit.
    struct TChiffres {
        int Entiers;
        int Decimales;
        bool operator==(const TChiffres&) const = default;
    };
    // Layout of Valeur (kA): below 10, 1 + 2; below 100, 2 + 1; from 100, 3 + 0, or Actuel
    // when the set points are linked. Amperes: 5 + 0.
    static TChiffres ChiffresCourant(double Valeur, bool ConsignesLiees, bool ModeAmperes,
                                     TChiffres Actuel);
    // A step derived from its reference: Reference x Variation / 100, to Decimales decimals.
    static double Derivee(double Reference, double Variation, int Decimales);

    // The items of a time list of raw values Mini..Maxi: half-period times of a medium
    // frequency controller as raw / 2 with one decimal; the weld time of an AC controller
    // with "1/2" after "0"; raw integers otherwise.
    enum class TListeTemps : std::uint8_t { Entiers, DemiPeriodes, SoudageAC };
    static std::vector<std::string> ItemsTemps(int Mini, int Maxi, TListeTemps Genre);
    // The item of a raw time (the "1/2" item for a half-period weld), and back.
    static int IndexTemps(int Raw, int Mini, TListeTemps Genre, bool DemiPeriode);
    struct TTemps {
        int Raw;
        bool DemiPeriode;
    };
    static TTemps TempsDeIndex(int Index, int Mini, TListeTemps Genre);

    // The hint of an edit: Mini + ".." + Maxi with Decimales fixed decimals ("." separator).
    static std::string Indication(double Mini, double Maxi, int Decimales);
    // The hint of a force edit: the two bounds with two decimals, joined by "...".
    static std::string IndicationEffort(double Mini, double Maxi);
};

} // namespace g20seq
