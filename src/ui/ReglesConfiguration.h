// The configuration window's rules that need no widget: the program lists, the parity
// entries, which controls a clamp mode leaves, the valve and C.U. output choices, the
// classes the fault pop-up offers, and the checks the save makes on the programs and the
// electrodes of the station.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace g20seq {

class TConfiguration;
class TDefaut;
class TElectrode;
class TKEVField;
class TProgramme;

class TReglesConfiguration {
public:
    // The entry of the program combos that stands for the last edited program.
    static constexpr const char* DernierProgramme = "**";

    // The numbers a program combo lists: "%0.3d" from Mini to Maxi.
    static std::vector<std::string> NumerosProgrammes(int Mini, int Maxi);

    // The parity combo lists "Sans", "Paire", "Impaire": the captions of IDParite 0, 2, 1.
    static constexpr int ValeursParite[] = {0, 2, 1};
    static int IndexParite(int Parite);
    // Entry 0 is without parity; entry k >= 1 is with parity, odd when k - 1 is 1.
    static void EcrireParite(TConfiguration& Configuration, int Index);

    // The valve and C.U. output radio buttons that may be chosen: bistable valves go only
    // with two C.U. outputs.
    struct TRadios {
        bool Monostable;
        bool Bistable;
        bool TroisSorties;
        bool DeuxSorties;
        bool operator==(const TRadios&) const = default;
    };
    static TRadios Radios(bool ElectrovannesBistables, bool DeuxSortiesCU);

    // Clamp modes 3 (one gun and a dead gun) and 4 (two guns, two operators).
    static bool Start2Visible(bool ExecutionDCY2Lie, int ModePince);
    static bool SortiesSPVisibles(bool ReposSP1Lie, int ModePince);
    // The two halves of a programmable output mode caption, split at its "-".
    static std::pair<std::string, std::string> MoitiesModeSP(const std::string& Caption);

    // What the fault pop-up offers for one fault: its classes Min..Max with the current one,
    // and, with the fieldbus profile C1 in use, its default classes (fault types A..D).
    struct TMenuDefaut {
        int ClasseMin = 0;
        int ClasseMax = -1;
        int Classe = -1;
        bool Types = false;
        int TypeMin = 0;
        int TypeMax = -1;
        int Type = -1;
    };
    // ClasseDefaut: the fault's default-class field (null without profile C1).
    static TMenuDefaut MenuDefaut(const TDefaut& Defaut, bool ProfilC1, int ProfilBus,
                                  const TKEVField* ClasseDefaut);

    // A field's limits as shown (0..1 for a field without integer limits).
    static std::pair<int, int> Limites(const TKEVField& Field);
    // The step of a spin over a field: the field's ratio (at least 1).
    static int Pas(const TKEVField& Field);

    // Save-time checks, answering whether they changed something. A program's step
    // currents (only when ConsignesLiees), preheat and temper at or above the top value
    // are set to it: 99.9 kA, or 9999 A in ampere mode whatever ConsignesLiees.
    static bool BornerProgramme(TProgramme& Programme, bool ConsignesLiees);
    // An electrode step lower than the step before it is raised to it.
    static bool MonterPaliers(TElectrode& Electrode);
};

} // namespace g20seq
