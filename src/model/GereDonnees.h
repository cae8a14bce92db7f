#pragma once

#include "support/G20SeqExport.h"
#include "support/Object.h"

namespace g20seq {

// A persistent object that knows whether its data hold changes not yet saved or
// cancelled. Editors set the flag when the user changes a value; saving or cancelling runs
// the class's hook and clears it. Interface references never free the object: its owner
// does.
class G20SEQ_EXPORT TGereDonnees : public TInterfacedPersistent {
public:
    std::string ClassName() const override;

    // Runs the save hook when there are changes, then clears the flag.
    void EnregistrerModifications();
    // Runs the cancel hook when there are changes (the hook clears the flag).
    void AnnulerModifications();
    void SetDonneesModifiees(bool Value) { FDonneesModifiees = Value; }

protected:
    // Hooks of saving and cancelling. Declared before GetDonneesModifiees so that the
    // operations the host calls by slot stay contiguous from GetDonneesModifiees on.
    virtual void DoEnregistrerModifications();
    virtual void DoAnnulerModifications();

public:
    virtual bool GetDonneesModifiees() const;

private:
    bool FDonneesModifiees = false;
};

} // namespace g20seq
