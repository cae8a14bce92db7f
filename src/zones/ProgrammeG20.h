// The weld program zone of the G20 generation and its 163-byte controller payload.
#pragma once

#include "model/PayloadLayout.h"
#include "zones/Programme.h"

#include <functional>
#include <span>
#include <string>

namespace g20seq {

// G20 weld program: the shared fields adjusted to the controller's current type (AC or
// medium frequency) and I/O (fieldbus or discrete), plus 19 fields of this generation.
// Fields that do not apply to the controller stay in the zone, the payload, files and
// comparisons, but are not shown in the tab sheets.
//
// In a PrcProgrammes zone, every change of the electrode number sets the ratio of the
// ampere set points and of the reference current from the new electrode's ampere mode.
class G20SEQ_EXPORT TProgrammeG20 : public TProgramme {
public:
    static constexpr int TaillePayload = 163;
    static constexpr int NbSegments = 10;

    // When a field this generation adds is hidden.
    enum class TMasque : std::uint8_t { Jamais, SaufMF, SiMF, SaufVarianteReconnue };
    // A field this generation adds: inserted before RefFieldID in its tab sheet, or appended
    // when RefFieldID is empty.
    struct TInsertion {
        TFieldHandle RefField;
        TDefChamp Def;
        TMasque Masque;
    };

    TProgrammeG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                  TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override;
    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override;
    // Copies another G20 program through the zone base (a new electrode number then sets
    // the ampere ratios); any other source copies nothing and logs "Type Mismatch" with the
    // EPROM's name.
    void Assign(const TPersistent* Source) override;
    // The 163-byte payload, into a duplicate assigned only when the whole payload is valid.
    // A wrong length answers SerErrDonnees without a log; a refused value is logged twice
    // (offset, bytes and dump; then the error message).
    TErreurSerie SerialDecode(const TByteArray& Trame, int LngTrame) override;
    // Writes the payload from Trame[LngTrame] on and answers the index after it. A value
    // that does not fit its bytes is logged and the index reached is answered.
    int SerialEncode(TByteArray& Trame, int LngTrame, int TailleZone) const override;
    // Opens the program editor through the opener of the zone's type (false without one).
    bool SaisieZoneCPS(void* aOwner, void* FormReference) override;
    // Captions of this generation (section "IDProgrammeG20"), then those of the base.
    std::string NomChamp(const std::string& IDChamp) const override;
    std::string DetailValeurChamp(const std::string& IDChamp, int Valeur, std::string& IDZone,
                                  std::string& IDValeur) const override;

    // Regulation mode 0..3 as a regulation kind; mrNone for any other mode and, when set,
    // changes nothing.
    TTypeModeRegulation GetTypeModeRegulation() const override;
    void SetTypeModeRegulation(TTypeModeRegulation Value) override;
    // The ampere mode of the electrode the program uses; false without that electrode.
    bool IsModeAmperes() const override;
    // Sets the ratio of the ampere set points and of the reference current from the ampere
    // mode of the program's electrode. A program read or decoded keeps the ratio it had
    // until its electrode number changes; an editor calls this on its copies.
    void ActualiserRapportsAmperes();
    // Adjusts the shared fields and adds this generation's (constructor).
    virtual void CreateFields();

    // The payload layout (ampere set points last: they are stored after every other value).
    static const TPayloadLayout& Layout();

    // --- Properties of this generation (display values). ---
    int GetAmpereDebutUpslope() const {
        return GetAsInteger(ChampsProgramme::IDAmpereDebutUpslope);
    }
    void SetAmpereDebutUpslope(int Value) {
        SetAsInteger(ChampsProgramme::IDAmpereDebutUpslope, Value);
    }
    int GetAmpereFinDownslope() const {
        return GetAsInteger(ChampsProgramme::IDAmpereFinDownslope);
    }
    void SetAmpereFinDownslope(int Value) {
        SetAsInteger(ChampsProgramme::IDAmpereFinDownslope, Value);
    }
    int GetAnglePhieFixe() const { return GetAsInteger(ChampsProgramme::IDAnglePhieFixe); }
    void SetAnglePhieFixe(int Value) { SetAsInteger(ChampsProgramme::IDAnglePhieFixe, Value); }
    int GetConsignePression2() const { return GetAsInteger(ChampsProgramme::IDConsignePression2); }
    void SetConsignePression2(int Value) {
        SetAsInteger(ChampsProgramme::IDConsignePression2, Value);
    }
    int GetEffortFinAccostage() const {
        return GetAsInteger(ChampsProgramme::IDEffortFinAccostage);
    }
    void SetEffortFinAccostage(int Value) {
        SetAsInteger(ChampsProgramme::IDEffortFinAccostage, Value);
    }
    int GetEffortForgeageMaxi() const {
        return GetAsInteger(ChampsProgramme::IDEffortMaxiForgeage);
    }
    void SetEffortForgeageMaxi(int Value) {
        SetAsInteger(ChampsProgramme::IDEffortMaxiForgeage, Value);
    }
    int GetEffortForgeageMini() const {
        return GetAsInteger(ChampsProgramme::IDEffortMiniForgeage);
    }
    void SetEffortForgeageMini(int Value) {
        SetAsInteger(ChampsProgramme::IDEffortMiniForgeage, Value);
    }
    int GetPressionPourcent2() const { return GetAsInteger(ChampsProgramme::IDPressionPourcent2); }
    void SetPressionPourcent2(int Value) {
        SetAsInteger(ChampsProgramme::IDPressionPourcent2, Value);
    }
    int GetReferenceIntensite() const {
        return GetAsInteger(ChampsProgramme::IDReferenceIntensite);
    }
    void SetReferenceIntensite(int Value) {
        SetAsInteger(ChampsProgramme::IDReferenceIntensite, Value);
    }
    bool GetControleEffort() const { return GetAsBoolean(ChampsProgramme::IDControleEffort); }
    void SetControleEffort(bool Value) { SetAsBoolean(ChampsProgramme::IDControleEffort, Value); }
    bool GetPhieFixe() const { return GetAsBoolean(ChampsProgramme::IDPhieFixe); }
    void SetPhieFixe(bool Value) { SetAsBoolean(ChampsProgramme::IDPhieFixe, Value); }
    bool GetRegulDebut5emePeriode() const {
        return GetAsBoolean(ChampsProgramme::IDRegulDebut5emePeriode);
    }
    void SetRegulDebut5emePeriode(bool Value) {
        SetAsBoolean(ChampsProgramme::IDRegulDebut5emePeriode, Value);
    }
    bool GetSurveillanceThyristors() const {
        return GetAsBoolean(ChampsProgramme::IDSurveillanceThyristors);
    }
    void SetSurveillanceThyristors(bool Value) {
        SetAsBoolean(ChampsProgramme::IDSurveillanceThyristors, Value);
    }
    double GetPourcentDebutUpslope() const {
        return GetAsFloat(ChampsProgramme::IDPourcentDebutUpslope);
    }
    void SetPourcentDebutUpslope(double Value) {
        SetAsFloat(ChampsProgramme::IDPourcentDebutUpslope, Value);
    }
    double GetPourcentFinDownslope() const {
        return GetAsFloat(ChampsProgramme::IDPourcentFinDownslope);
    }
    void SetPourcentFinDownslope(double Value) {
        SetAsFloat(ChampsProgramme::IDPourcentFinDownslope, Value);
    }
    double GetReferencePourcent() const { return GetAsFloat(ChampsProgramme::IDReferencePourcent); }
    void SetReferencePourcent(double Value) {
        SetAsFloat(ChampsProgramme::IDReferencePourcent, Value);
    }
    double GetReferenceTension() const { return GetAsFloat(ChampsProgramme::IDReferenceTension); }
    void SetReferenceTension(double Value) {
        SetAsFloat(ChampsProgramme::IDReferenceTension, Value);
    }
    double GetToleranceEpaisseur() const {
        return GetAsFloat(ChampsProgramme::IDToleranceEpaisseur);
    }
    void SetToleranceEpaisseur(double Value) {
        SetAsFloat(ChampsProgramme::IDToleranceEpaisseur, Value);
    }
    // Variation of segment NumPalier (0..9) from the reference.
    double GetVariationSegment(int NumPalier) const;
    void SetVariationSegment(int NumPalier, double Value);
    int GetVariationSegmentCount() const { return NbSegments; }

    // Slope currents in kiloamperes (setters multiply by 1000 and round).
    double GetAmpereDebutUpslopeCalc() const;
    void SetAmpereDebutUpslopeCalc(double Value);
    double GetAmpereFinDownslopeCalc() const;
    void SetAmpereFinDownslopeCalc(double Value);
    // Reference current in amperes in ampere mode, in kiloamperes otherwise.
    double GetReferenceIntensiteCalc() const;
    void SetReferenceIntensiteCalc(double Value);

    // Caption of the monitoring mode's value, "?" without the field.
    std::string GetModeCtrlAsString() const;
    // Lowest raw valve mode and regulation mode the controller accepts.
    int GetModeEVMini() const;
    int GetModeRegulMini() const;
    // The Mini and Maxi companions as programs, borrowed like GetZoneMini/GetZoneMaxi.
    TProgrammeG20* GetProgrammationMini() const;
    TProgrammeG20* GetProgrammationMaxi() const;

private:
    void AjusterTemps();
    void AfficherTemps();
    // Minimum and value Mini (display units) and, when Maxi > 0, maximum Maxi of the
    // set points Fields (every element of an array).
    void AjusterConsignes(std::span<const TFieldHandle> Fields, double Mini, double Maxi);
    void AjusterAmperes();
    void AjusterModes();
    void AjusterEntreesSorties();
    void Inserer(std::span<const TInsertion> Insertions);
    bool Masquer(TMasque Masque) const;
    bool IsFieldbus() const;
    bool IsVarianteReconnue() const;
    void InitialiserCompagnon();
    std::string NomEprom() const;

    TSubscription FSuiviElectrode;
};

} // namespace g20seq
