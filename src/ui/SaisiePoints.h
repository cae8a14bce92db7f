// The editing rules of the point table window, without its widgets: which of its actions
// and controls are usable while the user picks a row, adds, alters or deletes a pair, in
// modify mode or in view mode. The window reads Etats() after every step and enables its
// controls from it.
#pragma once

#include <cstdint>

namespace g20seq {

class TSaisiePoints {
public:
    // What the window enables.
    struct TEtats {
        bool Ajout = false;         // actAddPoint
        bool Modification = false;  // actAlterPoint
        bool Suppression = false;   // actDelPoint
        bool Confirmation = false;  // btnValidPoint and btnCancelPoint
        bool Edition = false;       // txtNumPoint and cmbNumProg
        bool Enregistrement = true; // the window's OK and Appliquer
        bool operator==(const TEtats&) const = default;
    };

    // Modify mode (the editing panel is enabled) or view mode.
    void SetModification(bool Modification) { FModification = Modification; }
    // Adding is allowed once the table is loaded.
    void Charge() { FBoutons = BoutonAjout; }
    // A row was picked: it can be altered or deleted.
    void Selection() { FBoutons |= BoutonModification | BoutonSuppression; }
    void Ajout();
    void Modification();
    void Suppression();
    // The point text changed; its right-trimmed text is empty or not.
    void Saisie(bool TexteVide);
    // The pair was confirmed or cancelled; adding stays possible while the table is below
    // its size.
    void FinEdition(bool AjoutPossible);
    TEtats Etats() const;

private:
    enum : std::uint8_t {
        BoutonAjout = 1,
        BoutonModification = 2,
        BoutonSuppression = 4,
    };
    void Edite(bool Edition, bool Confirmation);
    bool FModification = false;
    std::uint8_t FBoutons = 0; // FEditBtn
    bool FValidCancel = false;
    bool FEdit = false;
};

} // namespace g20seq
