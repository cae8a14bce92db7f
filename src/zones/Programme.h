// The weld program zone, generation-independent part.
//
// A weld program holds what the controller needs for one weld: the times of the weld
// sequence, the current set points of its steps, the current and pulse-width monitoring
// thresholds, the valve and force settings and a few options. The controller holds many
// numbered programs; the Mini, Maxi and RAZ companions of the zone type are built by the
// same classes and carry the limits and reset values the controller imposes.
#pragma once

#include "interface/ProxyInterface.h"
#include "interface/ZoneInterfaces.h"
#include "model/IDZone.h"
#include "model/KEVTabSheet.h"
#include "model/ZoneCPS.h"
#include "support/DateTime.h"
#include "zones/ProgrammeFields.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

namespace g20seq {

class TCustomEpromDescription;
class TKEVField;
class TKEVNumericField;

// Weld program zone: the 45 fields every controller generation shares. Abstract: the
// generation decides the regulation kind, the ampere mode and the controller payload.
//
// The ampere set points (steps, preheat, temper) are shown in amperes when the program's
// electrode measures its current in amperes, and in tens of amperes otherwise: their
// ratio follows the electrode (ChangeCoeffModeAmpere), their raw values do not change.
class G20SEQ_EXPORT TProgramme : public TZoneCPS, public IProgramme, public IEtatProgramme {
public:
    static constexpr int NbPaliers = 10;

    // Captions of the yes/no options.
    static constexpr std::array<TIDZone, 2> NonOuiCaptions = {{
        {"IDCfg_Non_Oui_0", "Non"},
        {"IDCfg_Non_Oui_1", "Oui"},
    }};

    // Kinds of the fields a definition table describes.
    enum class TGenre : std::uint8_t { Double, Integer, Boolean, Enum };

    // One field of a definition table: limits and initial value in raw units. Count > 0
    // makes an array of Count elements of that kind (the elements have no tab sheet).
    struct TDefChamp {
        TFieldHandle Field;
        TGenre Genre;
        TIDOnglet Onglet;
        double Ratio;
        int Min;
        int Max;
        int Initial;
        int Count = 0;
        std::span<const TIDZone> Captions = {};
    };

    TProgramme(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
               TInterfacedPersistent* aLogicalZone);

    std::string ClassName() const override;
    THResult QueryInterface(const TGUID& IID, void** Obj) override;
    int AddRef() override;
    int Release() override;

    // Copies another program through the zone base; any other source copies nothing and
    // logs "Type Mismatch".
    void Assign(const TPersistent* Source) override;
    // The zone-file form is the controller payload.
    TErreurSerie FileDecode(const TByteArray& Trame, int LngTrame) override;
    int FileEncode(TByteArray& Trame, int LngTrame, int TailleZone) const override;
    // Captions of the fields (section "IDProgramme"); on a medium-frequency controller the
    // pulse-width thresholds take their "_MF" captions.
    std::string NomChamp(const std::string& IDChamp) const override;
    std::string DetailValeurChamp(const std::string& IDChamp, int Valeur, std::string& IDZone,
                                  std::string& IDValeur) const override;
    // The companions PrcProgrammesMaxi, PrcProgrammesMini and PrcprogrammesRAZ (number 0) of
    // the owner EPROM, borrowed: give each back with the EPROM's ReleasePhysicalZone.
    // nullptr without an EPROM owner.
    TZoneCPS* GetZoneMaxi() const override;
    TZoneCPS* GetZoneMini() const override;
    TZoneCPS* GetZoneRAZ() const override;

    // --- Operations added by the program, in slot order. ---
    bool GetEtatIndicateur1() const override;
    int GetEtatValeur1() const override;
    bool GetEtatIndicateur2() const override;
    int GetEtatValeur2() const override;
    int GetEtatValeur3() const override;
    int GetEtatValeur4() const override;
    TDateTime GetEtatHorodatage() const override;
    int GetPaliersPourcentCount() const override;
    int GetPaliersAmpereCount() const override;
    int GetPaliersTensionCount() const override;
    // An ampere set point in amperes in ampere mode, in kiloamperes otherwise.
    virtual double GetPaliersAmpereCalcule(int NumPalier) const;
    virtual double GetPrechauffageAmpereCalcule() const;
    virtual double GetRecuitAmpereCalcule() const;
    TTypeModeRegulation GetTypeModeRegulation() const override = 0;
    void SetTypeModeRegulation(TTypeModeRegulation Value) override = 0;
    // Whether the program's electrode measures its current in amperes.
    bool IsModeAmperes() const override = 0;
    // Ratio 1 (ampere mode) or 10 for the step, preheat and temper amperes.
    virtual void ChangeCoeffModeAmpere();

    // --- Properties. Display values unless named "CPS" or listed as raw times. ---
    bool GetAvecIntensite() const override {
        return GetAsBoolean(ChampsProgramme::IDAvecIntensite);
    }
    void SetAvecIntensite(bool Value) { SetAsBoolean(ChampsProgramme::IDAvecIntensite, Value); }
    bool GetControleFacteurMarche() const override;
    void SetControleFacteurMarche(bool Value);
    bool GetModeVolee() const override { return GetAsBoolean(ChampsProgramme::IDModeVolee); }
    void SetModeVolee(bool Value) { SetAsBoolean(ChampsProgramme::IDModeVolee, Value); }
    bool GetSoudageDemiPeriode() const override {
        return GetAsBoolean(ChampsProgramme::IDSoudageDemiPeriode);
    }
    void SetSoudageDemiPeriode(bool Value) {
        SetAsBoolean(ChampsProgramme::IDSoudageDemiPeriode, Value);
    }

    int GetConsignePression() const override {
        return GetAsInteger(ChampsProgramme::IDConsignePression);
    }
    void SetConsignePression(int Value) {
        SetAsInteger(ChampsProgramme::IDConsignePression, Value);
    }
    int GetDureeElectrovanne2() const override {
        return GetAsInteger(ChampsProgramme::IDDureeElectrovanne2);
    }
    void SetDureeElectrovanne2(int Value) {
        SetAsInteger(ChampsProgramme::IDDureeElectrovanne2, Value);
    }
    int GetEffortSoudage() const override { return GetAsInteger(ChampsProgramme::IDEffortSoudage); }
    void SetEffortSoudage(int Value) { SetAsInteger(ChampsProgramme::IDEffortSoudage, Value); }
    int GetModeControle() const override { return GetAsInteger(ChampsProgramme::IDModeControle); }
    void SetModeControle(int Value) { SetAsInteger(ChampsProgramme::IDModeControle, Value); }
    int GetModeElectrovannes() const override {
        return GetAsInteger(ChampsProgramme::IDModeElectrovannes);
    }
    void SetModeElectrovannes(int Value) {
        SetAsInteger(ChampsProgramme::IDModeElectrovannes, Value);
    }
    int GetModeRegulation() const override {
        return GetAsInteger(ChampsProgramme::IDModeRegulation);
    }
    void SetModeRegulation(int Value) { SetAsInteger(ChampsProgramme::IDModeRegulation, Value); }
    int GetNombrePulsations() const override {
        return GetAsInteger(ChampsProgramme::IDNombrePulsations);
    }
    void SetNombrePulsations(int Value) {
        SetAsInteger(ChampsProgramme::IDNombrePulsations, Value);
    }
    int GetNombreSeuilIntensiteBasRepetitif() const override;
    void SetNombreSeuilIntensiteBasRepetitif(int Value);
    int GetNombreSeuilPourcentHautRepetitif() const override;
    void SetNombreSeuilPourcentHautRepetitif(int Value);
    int GetNumeroElectrode() const override {
        return GetAsInteger(ChampsProgramme::IDNumeroElectrode);
    }
    void SetNumeroElectrode(int Value) { SetAsInteger(ChampsProgramme::IDNumeroElectrode, Value); }
    int GetPrechauffageAmpere() const override {
        return GetAsInteger(ChampsProgramme::IDPrechauffageAmpere);
    }
    void SetPrechauffageAmpere(int Value) {
        SetAsInteger(ChampsProgramme::IDPrechauffageAmpere, Value);
    }
    int GetRecuitAmpere() const override { return GetAsInteger(ChampsProgramme::IDRecuitAmpere); }
    void SetRecuitAmpere(int Value) { SetAsInteger(ChampsProgramme::IDRecuitAmpere, Value); }
    int GetPressionPourcent() const override {
        return GetAsInteger(ChampsProgramme::IDPressionPourcent);
    }
    void SetPressionPourcent(int Value) {
        SetAsInteger(ChampsProgramme::IDPressionPourcent, Value);
    }
    int GetRetardElectrovanne2() const override {
        return GetAsInteger(ChampsProgramme::IDRetardElectrovanne2);
    }
    void SetRetardElectrovanne2(int Value) {
        SetAsInteger(ChampsProgramme::IDRetardElectrovanne2, Value);
    }
    int GetSeuilIntensiteBas() const override {
        return GetAsInteger(ChampsProgramme::IDSeuilIntensiteBas);
    }
    void SetSeuilIntensiteBas(int Value) {
        SetAsInteger(ChampsProgramme::IDSeuilIntensiteBas, Value);
    }
    int GetSeuilIntensiteBasRepetitif() const override;
    void SetSeuilIntensiteBasRepetitif(int Value);
    int GetSeuilIntensiteHaut() const override {
        return GetAsInteger(ChampsProgramme::IDSeuilIntensiteHaut);
    }
    void SetSeuilIntensiteHaut(int Value) {
        SetAsInteger(ChampsProgramme::IDSeuilIntensiteHaut, Value);
    }
    int GetSeuilPourcentBas() const override {
        return GetAsInteger(ChampsProgramme::IDSeuilPourcentBas);
    }
    void SetSeuilPourcentBas(int Value) {
        SetAsInteger(ChampsProgramme::IDSeuilPourcentBas, Value);
    }
    int GetSeuilPourcentHaut() const override {
        return GetAsInteger(ChampsProgramme::IDSeuilPourcentHaut);
    }
    void SetSeuilPourcentHaut(int Value) {
        SetAsInteger(ChampsProgramme::IDSeuilPourcentHaut, Value);
    }
    int GetSeuilPourcentHautRepetitif() const override;
    void SetSeuilPourcentHautRepetitif(int Value);
    int GetSortieProgrammable() const override {
        return GetAsInteger(ChampsProgramme::IDSortieProgrammable);
    }
    void SetSortieProgrammable(int Value) {
        SetAsInteger(ChampsProgramme::IDSortieProgrammable, Value);
    }

    double GetEpaisseurSoudage() const override {
        return GetAsFloat(ChampsProgramme::IDEpaisseurSoudage);
    }
    void SetEpaisseurSoudage(double Value) {
        SetAsFloat(ChampsProgramme::IDEpaisseurSoudage, Value);
    }
    double GetPrechauffagePourcent() const override;
    void SetPrechauffagePourcent(double Value);
    double GetPrechauffageTension() const override;
    void SetPrechauffageTension(double Value);
    double GetRecuitPourcent() const override {
        return GetAsFloat(ChampsProgramme::IDRecuitPourcent);
    }
    void SetRecuitPourcent(double Value) { SetAsFloat(ChampsProgramme::IDRecuitPourcent, Value); }
    double GetRecuitTension() const override {
        return GetAsFloat(ChampsProgramme::IDRecuitTension);
    }
    void SetRecuitTension(double Value) { SetAsFloat(ChampsProgramme::IDRecuitTension, Value); }

    // Raw times and raw set points, in controller units.
    int GetTempsPremierAccostage() const override {
        return Raw(ChampsProgramme::IDTempsPremierAccostage);
    }
    void SetTempsPremierAccostage(int Value) {
        SetRawValue(ChampsProgramme::IDTempsPremierAccostage, Value);
    }
    int GetTempsAccostage() const override { return Raw(ChampsProgramme::IDTempsAccostage); }
    void SetTempsAccostage(int Value) { SetRawValue(ChampsProgramme::IDTempsAccostage, Value); }
    int GetTempsPrechauffage() const override { return Raw(ChampsProgramme::IDTempsPrechauffage); }
    void SetTempsPrechauffage(int Value) {
        SetRawValue(ChampsProgramme::IDTempsPrechauffage, Value);
    }
    int GetTempsUpslope() const override { return Raw(ChampsProgramme::IDTempsUpslope); }
    void SetTempsUpslope(int Value) { SetRawValue(ChampsProgramme::IDTempsUpslope, Value); }
    int GetTempsSoudage() const override { return Raw(ChampsProgramme::IDTempsSoudage); }
    void SetTempsSoudage(int Value) { SetRawValue(ChampsProgramme::IDTempsSoudage, Value); }
    int GetIntervallePulsations() const override {
        return Raw(ChampsProgramme::IDIntervallePulsations);
    }
    void SetIntervallePulsations(int Value) {
        SetRawValue(ChampsProgramme::IDIntervallePulsations, Value);
    }
    int GetTempsDownslope() const override { return Raw(ChampsProgramme::IDTempsDownslope); }
    void SetTempsDownslope(int Value) { SetRawValue(ChampsProgramme::IDTempsDownslope, Value); }
    int GetTempsTrempe() const override { return Raw(ChampsProgramme::IDTempsTrempe); }
    void SetTempsTrempe(int Value) { SetRawValue(ChampsProgramme::IDTempsTrempe, Value); }
    int GetTempsRecuit() const override { return Raw(ChampsProgramme::IDTempsRecuit); }
    void SetTempsRecuit(int Value) { SetRawValue(ChampsProgramme::IDTempsRecuit, Value); }
    int GetTempsForgeage() const override { return Raw(ChampsProgramme::IDTempsForgeage); }
    void SetTempsForgeage(int Value) { SetRawValue(ChampsProgramme::IDTempsForgeage, Value); }
    int GetTempsIntervalGeneral() const override {
        return Raw(ChampsProgramme::IDTempsIntervalGeneral);
    }
    void SetTempsIntervalGeneral(int Value) {
        SetRawValue(ChampsProgramme::IDTempsIntervalGeneral, Value);
    }
    int GetTempsFroid() const override { return Raw(ChampsProgramme::IDTempsFroid); }
    void SetTempsFroid(int Value) { SetRawValue(ChampsProgramme::IDTempsFroid, Value); }
    int GetEffortSoudageCPS() const { return Raw(ChampsProgramme::IDEffortSoudage); }
    void SetEffortSoudageCPS(int Value) { SetRawValue(ChampsProgramme::IDEffortSoudage, Value); }
    int GetEpaisseurSoudageCPS() const { return Raw(ChampsProgramme::IDEpaisseurSoudage); }
    void SetEpaisseurSoudageCPS(int Value) {
        SetRawValue(ChampsProgramme::IDEpaisseurSoudage, Value);
    }
    int GetPrechauffagePourcentCPS() const { return Raw(ChampsProgramme::IDPrechauffagePourcent); }
    void SetPrechauffagePourcentCPS(int Value) {
        SetRawValue(ChampsProgramme::IDPrechauffagePourcent, Value);
    }
    int GetPrechauffageTensionCPS() const { return Raw(ChampsProgramme::IDPrechauffageTension); }
    void SetPrechauffageTensionCPS(int Value) {
        SetRawValue(ChampsProgramme::IDPrechauffageTension, Value);
    }
    int GetRecuitPourcentCPS() const { return Raw(ChampsProgramme::IDRecuitPourcent); }
    void SetRecuitPourcentCPS(int Value) { SetRawValue(ChampsProgramme::IDRecuitPourcent, Value); }
    int GetRecuitTensionCPS() const { return Raw(ChampsProgramme::IDRecuitTension); }
    void SetRecuitTensionCPS(int Value) { SetRawValue(ChampsProgramme::IDRecuitTension, Value); }

    // Steps, NumPalier 0..9; another index raises the list's index error.
    double GetPaliersPourcent(int NumPalier) const override;
    void SetPaliersPourcent(int NumPalier, double Value);
    double GetPaliersTension(int NumPalier) const override;
    void SetPaliersTension(int NumPalier, double Value);
    int GetPaliersPourcentCPS(int NumPalier) const;
    void SetPaliersPourcentCPS(int NumPalier, int Value);
    int GetPaliersTensionCPS(int NumPalier) const;
    void SetPaliersTensionCPS(int NumPalier, int Value);
    int GetPaliersAmpere(int NumPalier) const override;
    void SetPaliersAmpere(int NumPalier, int Value);
    // Amperes in ampere mode, kiloamperes otherwise (multiplied by 1000 and rounded).
    void SetPaliersAmpereCalcule(int NumPalier, double Value);
    void SetPrechauffageAmpereCalcule(double Value);
    void SetRecuitAmpereCalcule(double Value);

    // Mains frequency of the host settings divided by 1000: the time unit of the cold
    // time on a medium-frequency controller.
    static double CycleRatio();

protected:
    // The field of a definition, in its tab sheet; the zone owns it once registered.
    std::unique_ptr<TKEVField> CreerChamp(const TDefChamp& Def);
    std::unique_ptr<TKEVField> CreerSimple(const TDefChamp& Def, TInterfacedPersistent* Parent);
    // The tab sheet of the logical zone, or nullptr without logical zone.
    TInterfacedPersistent* Onglet(TIDOnglet Id) const;
    // The owner EPROM's description, or nullptr.
    TCustomEpromDescription* Description() const;
    // The controller is a medium-frequency controller.
    bool IsTypeMF() const;
    TKEVNumericField& Numerique(const TFieldHandle& Handle) const;
    // Runs Action on a single field, or on every element of an array field.
    void PourChaque(const TFieldHandle& Handle, const std::function<void(TKEVField&)>& Action);
    int Raw(const TFieldHandle& Handle) const { return static_cast<int>(GetRawValue(Handle)); }
    // An ampere value as read by the "Calcule" properties, and its inverse.
    double Calcule(int Amperes) const;
    int DepuisCalcule(double Valeur) const;
    // The companion of type TypeZone, borrowed from the owner EPROM, or nullptr.
    TZoneCPS* Companion(TTypeZones TypeZone) const;
    // Lowest and highest electrode zone numbers of the description.
    int ElectrodeMin() const;
    int ElectrodeMax() const;

private:
    void CreateBaseFields();
};

} // namespace g20seq
