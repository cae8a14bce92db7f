#include "ui/SaisiePoints.h"

namespace g20seq {

void TSaisiePoints::Edite(bool Edition, bool Confirmation) {
    FBoutons = 0;
    FEdit = Edition;
    FValidCancel = Confirmation;
}

void TSaisiePoints::Ajout() {
    Edite(true, false);
}

void TSaisiePoints::Modification() {
    Edite(true, true);
}

void TSaisiePoints::Suppression() {
    Edite(false, true);
}

void TSaisiePoints::Saisie(bool TexteVide) {
    // Only an edit in progress reacts: showing a picked row changes the text too.
    if (FEdit && !TexteVide)
        FValidCancel = true;
}

void TSaisiePoints::FinEdition(bool AjoutPossible) {
    Edite(false, false);
    FBoutons = AjoutPossible ? BoutonAjout : 0;
}

TSaisiePoints::TEtats TSaisiePoints::Etats() const {
    TEtats etats;
    etats.Ajout = FModification && (FBoutons & BoutonAjout) != 0;
    etats.Modification = FModification && (FBoutons & BoutonModification) != 0;
    etats.Suppression = FModification && (FBoutons & BoutonSuppression) != 0;
    etats.Confirmation = FModification && FValidCancel;
    etats.Edition = FModification && FEdit;
    etats.Enregistrement = !etats.Confirmation;
    return etats;
}

} // namespace g20seq
