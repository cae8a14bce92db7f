// A keypad screen of the controller and the access bit that allows it.
#pragma once

#include "support/G20SeqExport.h"
#include "support/Object.h"
#include "support/Types.h"

#include <cstdint>
#include <string>

namespace g20seq {

class TKEVBooleanField;

// The families of keypad screens.
enum TTypeEcran : std::uint8_t {
    teExecution,
    teMaintenance,
    teConfiguration,
    teProgrammation,
    teReserve,
    teDivers
};

// One keypad screen: whether the controller has it (managed), whether the user may change
// its access bit (configurable), and the access bit itself, held by a Boolean field of the
// configuration zone (the zone owns the field; the screen only points at it).
//
// The flags keep the access bit consistent: a screen that is not managed shows the bit it
// has when not managed (FEtatNonGere); a managed screen that is not configurable is always
// allowed.
class G20SEQ_EXPORT TEcran : public TObject {
public:
    TEcran(TKEVBooleanField* aAfficher, const std::string& aNom, const std::string& aID,
           TTypeEcran aTypeEcran);

    std::string ClassName() const override;

    // Access bit.
    bool GetAfficher() const;
    void SetAfficher(bool Value);
    bool GetGerer() const { return FGerer != 0; }
    // False also makes the screen not configurable and gives the access bit its state when
    // not managed; True on a screen that is not configurable allows it.
    void SetGerer(bool Value);
    bool GetConfigurable() const { return FConfigurable != 0; }
    // False gives the access bit True on a managed screen, else its state when not managed.
    void SetConfigurable(bool Value);
    Byte GetEtatNonGere() const { return FEtatNonGere; }
    void SetEtatNonGere(Byte Value) { FEtatNonGere = Value; }

    const std::string& GetNom() const { return FNom; }
    const std::string& GetID() const { return FID; }
    TTypeEcran GetTypeEcran() const { return FTypeEcran; }
    TKEVBooleanField* GetField() const { return FAfficher; }

    // Access bit, then Configurable, then Gerer through their rules; the access field is
    // shown (appended to its tab sheet) when configurable and hidden otherwise.
    void SetParam(bool aGerer, bool aConfigurable, bool aAfficher);
    // Access bit and both flags as given, without the rules; the access field is shown
    // (before RefFieldID, or appended when empty) when managed and configurable, hidden
    // otherwise.
    void SetParamEx(bool aGerer, bool aConfigurable, bool aAfficher, const std::string& RefFieldID);
    // Copies the flags of another screen (the access bit is a field of the zone and is
    // copied with the fields); what is shown does not change.
    void AssignEtat(const TEcran& Source);

private:
    // Puts the access field back into its tab sheet (before RefFieldID when given), or
    // takes it out.
    void Show(bool Visible, const std::string& RefFieldID);

    TKEVBooleanField* FAfficher;
    Byte FGerer = 0;
    Byte FConfigurable = 0;
    std::string FNom;
    std::string FID;
    TTypeEcran FTypeEcran;
    Byte FEtatNonGere = 0;
};

} // namespace g20seq
