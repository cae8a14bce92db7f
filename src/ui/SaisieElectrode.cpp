#include "ui/SaisieElectrode.h"

#include "support/Format.h"

#include <string>

namespace g20seq {

namespace {

// A kiloampere thermal current is stored in tens of amperes.
constexpr double RawParKiloAmpere = 100;

} // namespace

TSaisieElectrode::TPresentationThermique
TSaisieElectrode::PresentationThermique(bool ModeAmperes, double RawMin, double RawMax) {
    if (ModeAmperes)
        return {RawMin, RawMax, 2, 4, 0, "A", -1, 1};
    return {RawMin / RawParKiloAmpere, RawMax / RawParKiloAmpere, 1, 2, 2, "kA", 1,
            RawParKiloAmpere};
}

std::optional<TSaisieElectrode::TChiffres> TSaisieElectrode::ChiffresKiloAmperes(double Valeur) {
    if (Valeur >= 0.5 && Valeur <= 9.99)
        return TChiffres{1, 2};
    if (Valeur >= 10 && Valeur <= 30)
        return TChiffres{2, 1};
    return std::nullopt;
}

std::string TSaisieElectrode::TexteBorne(double Valeur, int Decimales) {
    if (Decimales >= 0)
        return Format("%." + std::to_string(Decimales) + "f", Valeur);
    return Format("%.15g", Valeur);
}

std::string TSaisieElectrode::Indication(double Min, double Max, int Decimales) {
    return TexteBorne(Min, Decimales) + ".." + TexteBorne(Max, Decimales);
}

TSaisieElectrode::TEtatRodage TSaisieElectrode::EtatRodage(bool RodageInterPalier) {
    return {!RodageInterPalier, !RodageInterPalier, RodageInterPalier, RodageInterPalier};
}

} // namespace g20seq
