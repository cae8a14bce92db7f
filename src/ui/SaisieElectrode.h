// The presentation rules of the electrode window, without its widgets: how a thermal current
// is shown in amperes or kiloamperes, how many digits a kiloampere value takes, how bounds
// read in hints, and which dressing edits are usable. The window applies what these answer.
#pragma once

#include <optional>
#include <string>

namespace g20seq {

class TSaisieElectrode {
public:
    // How a thermal current edit shows its field. The edits work on the raw value: shown =
    // raw / Facteur, and a typed value goes back as shown x Facteur.
    struct TPresentationThermique {
        double Min = 0;
        double Max = 0;
        int Donnee = 0;
        int Entier = 0;
        int Decimales = 0;
        const char* Unite = "";
        int DecimalesBornes = -1; // -1: bounds in their shortest form
        double Facteur = 1;
        bool operator==(const TPresentationThermique&) const = default;
    };
    // Ampere mode: raw amperes, 4 integer digits; otherwise kiloamperes, raw / 100, 2 + 2
    // digits, bounds with one decimal. RawMin and RawMax are the companions' raw values.
    static TPresentationThermique PresentationThermique(bool ModeAmperes, double RawMin,
                                                        double RawMax);

    // Digits of a kiloampere value as it is typed: 0.5..9.99 one integer digit and two
    // decimals, 10..30 two and one; any other value keeps the edit's layout.
    struct TChiffres {
        int Entier;
        int Decimales;
        bool operator==(const TChiffres&) const = default;
    };
    static std::optional<TChiffres> ChiffresKiloAmperes(double Valeur);

    // A bound as hints show it: shortest decimal form ("0.5", "2", "65000"), or fixed with
    // Decimales decimals when Decimales >= 0.
    static std::string TexteBorne(double Valeur, int Decimales = -1);
    // "min..max".
    static std::string Indication(double Min, double Max, int Decimales = -1);

    // Which dressing edits are usable: inter-step dressing on gives the points between two
    // dressings and the dressing margin, off the number of dressings and the counter value
    // after an acknowledgement.
    struct TEtatRodage {
        bool NombreRodages;
        bool Decalage;
        bool PointInterPalier;
        bool MargeRodage;
        bool operator==(const TEtatRodage&) const = default;
    };
    static TEtatRodage EtatRodage(bool RodageInterPalier);

    // The ratio edits and the ratio graph's parameters are usable only for an unknown
    // transformer (assembly type 0).
    static bool RapportsModifiables(int TypeEnsemble) { return TypeEnsemble == 0; }
    // A force offset is editable only with a non-zero servo-valve gain.
    static bool OffsetModifiable(double GainServo) { return GainServo != 0; }
};

} // namespace g20seq
