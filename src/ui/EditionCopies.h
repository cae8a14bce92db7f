// The copies an editor window works on. For each zone of the EPROM it edits, the window
// keeps a pair: the initial copy (the zone as read) and the working copy (the one the
// controls change). Editors never change the EPROM's zones directly: OK and Appliquer send
// duplicates of the working copies, and the controller's answers come back into both
// copies.
//
// A pair differs when the file bytes of its two copies differ (FileEncode): every field the
// zone stores counts, whether or not the EPROM's zone links it into a tab sheet, and a
// display ratio applied to one copy only is not a change.
#pragma once

#include "interface/CustomEprom.h"
#include "support/TypeZones.h"

#include <memory>
#include <vector>

namespace g20seq {

class TCustomZoneCPS;

class TEditionCopies {
public:
    // Adds the pair of zone (TypeZone, Numero) of Eprom, read under a hold: the initial copy
    // is a duplicate of the EPROM's zone, the working copy a duplicate of the initial one.
    // A file-only pair (a zone the controller never takes) is saved into the EPROM's zone and
    // its file instead of being sent. Answers the pair's index, or -1 when the EPROM has no
    // such zone.
    int Ajouter(TCustomEprom& Eprom, TTypeZones TypeZone, int Numero, bool FichierSeul = false);
    // Reads zone Numero of the pair's type into both copies of pair Index (the editor
    // switches to another program, electrode...). Answers false when there is no such zone.
    bool Charger(int Index, int Numero);

    int Count() const { return static_cast<int>(FPaires.size()); }
    TCustomZoneCPS& Initiale(int Index) const { return *FPaires.at(Index).Initiale; }
    TCustomZoneCPS& Travail(int Index) const { return *FPaires.at(Index).Travail; }
    bool FichierSeul(int Index) const { return FPaires.at(Index).FichierSeul; }
    // The pair whose working copy is Zone, or -1.
    int IndexTravail(const TCustomZoneCPS* Zone) const;

    bool Differe(int Index) const;
    bool Modifiees() const;
    // Puts every working copy back to its initial copy.
    void Annuler();
    // Saves file-only pair Index: its working copy is assigned into the EPROM's zone (under
    // a hold), which is written to the zone file; the initial copy then takes the working
    // copy. Answers whether the file was written.
    bool SauverFichier(int Index);
    // The controller's answer for the working copy Cible: assigned into Cible and, when Cible
    // is a working copy, into that pair's initial copy; ignored when Cible shows another zone
    // by now (the window switched to another program or electrode after sending).
    void Recevoir(TCustomZoneCPS& Cible, const TCustomZoneCPS& Reponse);

private:
    struct TPaire {
        TCustomEprom* Eprom;
        std::unique_ptr<TCustomZoneCPS> Initiale;
        std::unique_ptr<TCustomZoneCPS> Travail;
        bool FichierSeul;
    };
    std::vector<TPaire> FPaires;
};

} // namespace g20seq
