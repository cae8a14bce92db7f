#include "zones/Ecran.h"

#include "model/KEVNumericFields.h"

namespace g20seq {

TEcran::TEcran(TKEVBooleanField* aAfficher, const std::string& aNom, const std::string& aID,
               TTypeEcran aTypeEcran)
    : FAfficher(aAfficher), FNom(aNom), FID(aID), FTypeEcran(aTypeEcran) {}

std::string TEcran::ClassName() const {
    return "TEcran";
}

bool TEcran::GetAfficher() const {
    return FAfficher != nullptr && FAfficher->GetAsBoolean();
}

void TEcran::SetAfficher(bool Value) {
    if (FAfficher != nullptr)
        FAfficher->SetAsBoolean(Value);
}

void TEcran::SetGerer(bool Value) {
    FGerer = Value ? 1 : 0;
    if (!Value) {
        FConfigurable = 0;
        SetAfficher(FEtatNonGere != 0);
    } else if (FConfigurable == 0) {
        SetAfficher(true);
    }
}

void TEcran::SetConfigurable(bool Value) {
    FConfigurable = Value ? 1 : 0;
    if (!Value)
        SetAfficher(FGerer != 0 || FEtatNonGere != 0);
}

void TEcran::SetParam(bool aGerer, bool aConfigurable, bool aAfficher) {
    SetAfficher(aAfficher);
    SetConfigurable(aConfigurable);
    SetGerer(aGerer);
    Show(GetConfigurable(), {});
}

void TEcran::SetParamEx(bool aGerer, bool aConfigurable, bool aAfficher,
                        const std::string& RefFieldID) {
    SetAfficher(aAfficher);
    FGerer = aGerer ? 1 : 0;
    FConfigurable = aConfigurable ? 1 : 0;
    Show(aGerer && aConfigurable, RefFieldID);
}

void TEcran::AssignEtat(const TEcran& Source) {
    FGerer = Source.FGerer;
    FConfigurable = Source.FConfigurable;
    FEtatNonGere = Source.FEtatNonGere;
}

void TEcran::Show(bool Visible, const std::string& RefFieldID) {
    if (FAfficher == nullptr)
        return;
    // The field may already be in its sheet: take it out first so that showing it again
    // neither duplicates it nor fails.
    FAfficher->Unlink();
    if (Visible)
        FAfficher->Link(RefFieldID, true);
}

} // namespace g20seq
