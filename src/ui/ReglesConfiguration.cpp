#include "ui/ReglesConfiguration.h"

#include "interface/KEVInterface.h"
#include "model/Defaut.h"
#include "support/Format.h"
#include "zones/Configuration.h"
#include "zones/Electrode.h"
#include "zones/Programme.h"

#include <algorithm>
#include <iterator>
#include <tuple>

namespace g20seq {

namespace {

// Top current of a program, in the unit its set points are shown in.
constexpr double PlafondKiloAmperes = 99.9;
constexpr double PlafondAmperes = 9999;
// Clamp modes that leave only one start and no programmable outputs.
constexpr int ModeUnePinceMorte = 3;
constexpr int ModeDeuxPincesDeuxOps = 4;

} // namespace

std::vector<std::string> TReglesConfiguration::NumerosProgrammes(int Mini, int Maxi) {
    std::vector<std::string> numeros;
    for (int numero = Mini; numero <= Maxi; ++numero)
        numeros.push_back(Format("%0.3d", numero));
    return numeros;
}

int TReglesConfiguration::IndexParite(int Parite) {
    const auto* trouve = std::find(std::begin(ValeursParite), std::end(ValeursParite), Parite);
    return trouve != std::end(ValeursParite)
               ? static_cast<int>(std::distance(std::begin(ValeursParite), trouve))
               : -1;
}

void TReglesConfiguration::EcrireParite(TConfiguration& Configuration, int Index) {
    Configuration.SetAvecParite(Index >= 1);
    if (Index >= 1)
        Configuration.SetPariteImpaire(Index - 1 == 1);
}

TReglesConfiguration::TRadios TReglesConfiguration::Radios(bool ElectrovannesBistables,
                                                           bool DeuxSortiesCU) {
    return {true, DeuxSortiesCU, !ElectrovannesBistables, true};
}

bool TReglesConfiguration::Start2Visible(bool ExecutionDCY2Lie, int ModePince) {
    return ExecutionDCY2Lie && ModePince != ModeUnePinceMorte;
}

bool TReglesConfiguration::SortiesSPVisibles(bool ReposSP1Lie, int ModePince) {
    return ReposSP1Lie && ModePince != ModeUnePinceMorte && ModePince != ModeDeuxPincesDeuxOps;
}

std::pair<std::string, std::string>
TReglesConfiguration::MoitiesModeSP(const std::string& Caption) {
    const auto trim = [](std::string Texte) {
        const auto debut = Texte.find_first_not_of(' ');
        const auto fin = Texte.find_last_not_of(' ');
        return debut == std::string::npos ? std::string() : Texte.substr(debut, fin - debut + 1);
    };
    const auto tiret = Caption.find('-');
    if (tiret == std::string::npos)
        return {trim(Caption), {}};
    return {trim(Caption.substr(0, tiret)), trim(Caption.substr(tiret + 1))};
}

namespace {

const IKEVIntegerField* Entier(const TKEVField& Field) {
    void* entier = nullptr;
    if (const_cast<TKEVField&>(Field).QueryInterface(IKEVIntegerField::IID, &entier) !=
        THResult::S_OK)
        return nullptr;
    return static_cast<IKEVIntegerField*>(entier);
}

} // namespace

std::pair<int, int> TReglesConfiguration::Limites(const TKEVField& Field) {
    const IKEVIntegerField* entier = Entier(Field);
    return entier != nullptr ? std::pair(entier->GetMin(), entier->GetMax()) : std::pair(0, 1);
}

int TReglesConfiguration::Pas(const TKEVField& Field) {
    const IKEVIntegerField* entier = Entier(Field);
    return entier != nullptr ? std::max(1, static_cast<int>(entier->GetRatio() + 0.5)) : 1;
}

TReglesConfiguration::TMenuDefaut TReglesConfiguration::MenuDefaut(const TDefaut& Defaut,
                                                                   bool ProfilC1, int ProfilBus,
                                                                   const TKEVField* ClasseDefaut) {
    TMenuDefaut menu;
    menu.ClasseMin = Defaut.GetMinTypeDefaut();
    menu.ClasseMax = Defaut.GetMaxTypeDefaut();
    menu.Classe = Defaut.GetTypeDefaut();
    menu.Types = ProfilC1 && ProfilBus == 1 && ClasseDefaut != nullptr;
    if (menu.Types) {
        std::tie(menu.TypeMin, menu.TypeMax) = Limites(*ClasseDefaut);
        menu.Type = ClasseDefaut->GetAsInteger();
    }
    return menu;
}

bool TReglesConfiguration::BornerProgramme(TProgramme& Programme, bool ConsignesLiees) {
    const bool amperes = Programme.IsModeAmperes();
    const double plafond = amperes ? PlafondAmperes : PlafondKiloAmperes;
    // Sets a current at or above the top value to it; answers whether its stored value moved.
    const auto borner = [plafond](double Valeur, auto Ecrire, auto Affiche) {
        if (Valeur < plafond - 1e-9)
            return false;
        const int avant = Affiche();
        Ecrire(plafond);
        return Affiche() != avant;
    };
    bool change = false;
    if (amperes || ConsignesLiees)
        for (int palier = 0; palier < Programme.GetPaliersAmpereCount(); ++palier)
            change |= borner(
                Programme.GetPaliersAmpereCalcule(palier),
                [&](double V) { Programme.SetPaliersAmpereCalcule(palier, V); },
                [&] { return Programme.GetPaliersAmpere(palier); });
    change |= borner(
        Programme.GetPrechauffageAmpereCalcule(),
        [&](double V) { Programme.SetPrechauffageAmpereCalcule(V); },
        [&] { return Programme.GetPrechauffageAmpere(); });
    change |= borner(
        Programme.GetRecuitAmpereCalcule(), [&](double V) { Programme.SetRecuitAmpereCalcule(V); },
        [&] { return Programme.GetRecuitAmpere(); });
    return change;
}

bool TReglesConfiguration::MonterPaliers(TElectrode& Electrode) {
    bool change = false;
    for (int palier = 1; palier < TElectrode::NbPaliers; ++palier) {
        const int precedent = Electrode.GetPalier(palier - 1);
        if (Electrode.GetPalier(palier) < precedent) {
            Electrode.SetPalier(palier, precedent);
            change = true;
        }
    }
    return change;
}

} // namespace g20seq
