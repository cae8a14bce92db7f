// What the host reads and writes of the parameter and status zones: counters, weld
// programs, configuration, electrodes, diagnostics, present faults and the clock.
// Header-only, so every layer may include it.
#pragma once

#include "interface/ProxyInterface.h"
#include "support/DateTime.h"
#include "support/Object.h"

#include <cstdint>
#include <string>

namespace g20seq {

class TDefaut;
class TEcran;
class TObjetDiagnostic;
class TStringList;

// Life state of an electrode's wear compensation, of its end of life and of its
// tip-dressing cutter; evNone when it cannot be computed.
enum TEtatVie : std::uint8_t { evOK, evAlarm, evError, evKO, evNone };

// The counters as the host reads and writes them. The order of the operations after the
// three of IInterface is ours and is pinned by a test: new operations go at the end.
//  1-10  points of the step, dressings, inter-step points, absolute points, chaining
//        counter (get, set)
// 11-20  end of life, inter-step dressing request, new-electrode dressing request,
//        end-of-compensation dressing request, change request (get, set)
// 21-24  step number (a value outside the step range raises ERangeError), end-of-life
//        value (get, set)
// 25-26  end-of-life state, wear compensation state
class ICompteur : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{108AA590-34FF-4DE5-B8B4-819A77CB4CF4}");
    virtual int GetCompteurPoints() const = 0;
    virtual void SetCompteurPoints(int Value) = 0;
    virtual int GetCompteurRodages() const = 0;
    virtual void SetCompteurRodages(int Value) = 0;
    virtual int GetCompteurPointsInterPalier() const = 0;
    virtual void SetCompteurPointsInterPalier(int Value) = 0;
    virtual int GetCompteurPointsAbsolu() const = 0;
    virtual void SetCompteurPointsAbsolu(int Value) = 0;
    virtual int GetCompteurChainage() const = 0;
    virtual void SetCompteurChainage(int Value) = 0;
    virtual bool GetFinDeVie() const = 0;
    virtual void SetFinDeVie(bool Value) = 0;
    virtual bool GetDemandeRodageInterpalier() const = 0;
    virtual void SetDemandeRodageInterpalier(bool Value) = 0;
    virtual bool GetDemandeRodageNeuve() const = 0;
    virtual void SetDemandeRodageNeuve(bool Value) = 0;
    virtual bool GetDemandeRodageFinCU() const = 0;
    virtual void SetDemandeRodageFinCU(bool Value) = 0;
    virtual bool GetDemandeChangement() const = 0;
    virtual void SetDemandeChangement(bool Value) = 0;
    virtual int GetNumeroPalier() const = 0;
    virtual void SetNumeroPalier(int Value) = 0;
    virtual int GetValeurFinDeVie() const = 0;
    virtual void SetValeurFinDeVie(int Value) = 0;
    virtual TEtatVie GetEtatFDVE() const = 0;
    virtual TEtatVie GetEtatCU() const = 0;

protected:
    ~ICompteur() = default;
};

// The degraded welding mode of a G20 counters zone. The order of the operations after the
// three of IInterface is ours and is pinned by a test: new operations go at the end.
class ICompteurEx : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{07C36896-5F58-484B-A12D-7D9A714C2BB6}");
    virtual bool GetModeSoudageDegrade() const = 0;
    virtual void SetModeSoudageDegrade(bool Value) = 0;

protected:
    ~ICompteurEx() = default;
};

// What is left of the life of an electrode and of its cutter. The order of the operations
// after the three of IInterface is ours and is pinned by a test: new operations go at the
// end.
//  1-2  points at most before the end of life / before the next dressing
//  3-4  points left before the next dressing or end of step / before the end of life
//  5-6  end of life of the cutter (points) and its state
class ICompteurVie : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{4BBA8C54-CBB4-4B1A-B416-D45E924BA462}");
    virtual int GetNbPointsMaxAvantFDVE() const = 0;
    virtual int GetNbPointsMaxAvantRodage() const = 0;
    virtual int GetPointsRestants() const = 0;
    virtual int GetPointsRestantsTotal() const = 0;
    virtual int GetNbPointsMaxAvantFDVFraise() const = 0;
    virtual TEtatVie GetEtatFDVFraise() const = 0;

protected:
    ~ICompteurVie() = default;
};

// Regulation kind of a program, derived from its regulation mode (0 to 3).
enum class TTypeModeRegulation : std::uint8_t {
    mrNone,
    mrPourcentDephasage,
    mrPourcentIntensite,
    mrRegulationIntensite,
    mrCompensationTension
};

// What the host reads of a weld program. The order of the operations after the three of
// IInterface is a binary contract with the host. Times are raw controller values; set
// points and thresholds are display values.
class IProgramme : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{6F1D2B84-3C57-4A9E-B0D2-7E48A1C95F36}");
    virtual bool GetAvecIntensite() const = 0;
    virtual int GetConsignePression() const = 0;
    virtual bool GetControleFacteurMarche() const = 0;
    virtual int GetDureeElectrovanne2() const = 0;
    virtual int GetEffortSoudage() const = 0;
    virtual double GetEpaisseurSoudage() const = 0;
    virtual int GetIntervallePulsations() const = 0;
    virtual int GetModeControle() const = 0;
    virtual int GetModeElectrovannes() const = 0;
    virtual int GetModeRegulation() const = 0;
    virtual bool GetModeVolee() const = 0;
    virtual int GetNombrePulsations() const = 0;
    virtual int GetNombreSeuilIntensiteBasRepetitif() const = 0;
    virtual int GetNombreSeuilPourcentHautRepetitif() const = 0;
    virtual int GetNumeroElectrode() const = 0;
    virtual int GetPaliersAmpere(int NumPalier) const = 0;
    virtual int GetPaliersAmpereCount() const = 0;
    virtual double GetPaliersPourcent(int NumPalier) const = 0;
    virtual int GetPaliersPourcentCount() const = 0;
    virtual double GetPaliersTension(int NumPalier) const = 0;
    virtual int GetPaliersTensionCount() const = 0;
    virtual int GetPrechauffageAmpere() const = 0;
    virtual double GetPrechauffagePourcent() const = 0;
    virtual double GetPrechauffageTension() const = 0;
    virtual int GetPressionPourcent() const = 0;
    virtual int GetRecuitAmpere() const = 0;
    virtual double GetRecuitPourcent() const = 0;
    virtual double GetRecuitTension() const = 0;
    virtual int GetRetardElectrovanne2() const = 0;
    virtual int GetSeuilIntensiteBas() const = 0;
    virtual int GetSeuilIntensiteBasRepetitif() const = 0;
    virtual int GetSeuilIntensiteHaut() const = 0;
    virtual int GetSeuilPourcentBas() const = 0;
    virtual int GetSeuilPourcentHaut() const = 0;
    virtual int GetSeuilPourcentHautRepetitif() const = 0;
    virtual int GetSortieProgrammable() const = 0;
    virtual bool GetSoudageDemiPeriode() const = 0;
    virtual int GetTempsAccostage() const = 0;
    virtual int GetTempsDownslope() const = 0;
    virtual int GetTempsForgeage() const = 0;
    virtual int GetTempsIntervalGeneral() const = 0;
    virtual int GetTempsPrechauffage() const = 0;
    virtual int GetTempsPremierAccostage() const = 0;
    virtual int GetTempsRecuit() const = 0;
    virtual int GetTempsSoudage() const = 0;
    virtual int GetTempsTrempe() const = 0;
    virtual int GetTempsUpslope() const = 0;
    virtual TTypeModeRegulation GetTypeModeRegulation() const = 0;
    virtual int GetTempsFroid() const = 0;
    virtual void SetTypeModeRegulation(TTypeModeRegulation Value) = 0;
    virtual bool IsModeAmperes() const = 0;

protected:
    ~IProgramme() = default;
};

// Execution state of a program as the host shows it. This generation keeps no state: the
// seven state operations answer constants (false, 0, false, 0, 0, 10, the current time).
class IEtatProgramme : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{A2E7C519-84D0-4B6F-9E31-5D08F4B2C7A3}");
    virtual int GetNumeroElectrode() const = 0;
    virtual bool GetEtatIndicateur1() const = 0;
    virtual int GetEtatValeur1() const = 0;
    virtual bool GetEtatIndicateur2() const = 0;
    virtual int GetEtatValeur2() const = 0;
    virtual int GetEtatValeur3() const = 0;
    virtual int GetEtatValeur4() const = 0;
    virtual TDateTime GetEtatHorodatage() const = 0;

protected:
    ~IEtatProgramme() = default;
};

// The configuration as the host sees it. The order of the operations after the three of
// IInterface is ours; a test pins it.
class IConfiguration : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{6F0B7A3E-58C1-4D2A-9E47-3B8D1C20A5F6}");
    // The controller's name as configured (empty when the generation has none).
    virtual std::string GetIdentifiantCPS() const = 0;
    // Language of the keypad (value of IDLangue).
    virtual int GetLangue() const = 0;
    virtual int GetNbDefauts() const = 0;
    // Fault definition at a position of the fault list (sorted by number), or nullptr.
    virtual TDefaut* GetDefautParIndex(int IndexDefaut) const = 0;
    // Fault definition of a number ("17"), or nullptr.
    virtual TDefaut* GetDefautParNom(const std::string& NumeroDefaut) const = 0;
    // The text of a fault number ("" when the configuration does not define it).
    virtual std::string GetTexteDefaut(const std::string& NumeroDefaut) const = 0;

protected:
    ~IConfiguration() = default;
};

// The keypad screens of a configuration. The order of the operations after the three of
// IInterface is ours; a test pins it.
class IConfigurationEx : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{0D94E2B7-3C6A-4F18-B25E-7A41C98D3E02}");
    // The screen of an identifier (case-sensitive), or nullptr.
    virtual TEcran* GetEcranParID(const std::string& IDEcran) const = 0;

protected:
    ~IConfigurationEx() = default;
};

// What the host reads of any electrode zone. The order of the operations after the three
// of IInterface is ours and is pinned by a test: new operations go at the end.
class IElectrode : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{5E0C7A41-9B3D-4F62-8E15-C2A7D96B3F08}");
    virtual int GetNumeroElectrode() const = 0;
    virtual int GetNombrePaliers() const = 0;
    // Point count of step NumPalier (0-based).
    virtual int GetPalier(int NumPalier) const = 0;
    virtual void SetPalier(int NumPalier, int Value) = 0;
    virtual int GetAlarme() const = 0;
    virtual int GetNombreRodage() const = 0;
    virtual int GetDecalage() const = 0;
    virtual int GetNombreIP() const = 0;
    virtual int GetMargeRodage() const = 0;
    virtual int GetGainServo() const = 0;
    virtual double GetCoefficientEtalonnage() const = 0;
    // The thermal current of the electrode is set in amperes rather than in tens of
    // amperes (see TElectrodeG20).
    virtual bool IsModeAmperes() const = 0;
    virtual bool ISLoadToCPSSecure() const = 0;

protected:
    ~IElectrode() = default;
};

// What the host reads of a G20 electrode beyond IElectrode. The order of the operations
// after the three of IInterface is ours and is pinned by a test: new operations go at the
// end.
class IElectrodeEx : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{A3F18D26-47C5-4B9E-9D70-1E6B52C8F4A3}");
    virtual int GetPostFDVE() const = 0;
    virtual bool GetCURemplacementEtendu() const = 0;
    virtual bool GetCURemplaceToutes() const = 0;
    virtual bool GetCURodageNeuve() const = 0;
    virtual bool GetCURodageInterPalier() const = 0;
    virtual int GetNumeroFraise() const = 0;
    virtual int GetTypeEnsembleTransfoDiode() const = 0;
    virtual int GetGainBobineIntensite() const = 0;
    virtual double GetRapportMesure() const = 0;
    // Displayed thermal current: the raw value x 1 in ampere mode, x 10 otherwise.
    virtual int GetIntensiteThermique() const = 0;
    virtual int GetDebitEau() const = 0;
    virtual int GetTemperatureEau() const = 0;

protected:
    ~IElectrodeEx() = default;
};

// Kinds of diagnostic objects: input, output, DIP switch, LED, input value, output value.
enum TTypeObjetDiagnostic : std::uint8_t {
    odEntree,
    odSortie,
    odDIP,
    odLED,
    odValeurEntree,
    odValeurSortie
};

// One diagnostic object as the host sees it. The 13 operations after the three of
// IInterface are in this order, which is ours and pinned by a test: the getters of the
// members in member order, then the setters.
class IObjetDiagnostic : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{0C6E2A94-7B5D-4E13-A8F6-D39B1C42E7A0}");
    virtual std::string GetId() const = 0;                     // 1
    virtual std::string GetIDNom() const = 0;                  // 2
    virtual std::string GetNom() const = 0;                    // 3
    virtual std::string GetIDDescription() const = 0;          // 4
    virtual std::string GetDescription() const = 0;            // 5
    virtual bool GetIsON() const = 0;                          // 6
    virtual TTypeObjetDiagnostic GetTypeObjet() const = 0;     // 7
    virtual bool GetGere() const = 0;                          // 8
    virtual void SetNom(const std::string& Value) = 0;         // 9
    virtual void SetDescription(const std::string& Value) = 0; // 10
    virtual void SetIsON(bool Value) = 0;                      // 11
    virtual void SetTypeObjet(TTypeObjetDiagnostic Value) = 0; // 12
    virtual void SetGere(bool Value) = 0;                      // 13

protected:
    ~IObjetDiagnostic() = default;
};

// The diagnostic zone as the host sees it. The order of the operations is ours and pinned
// by a test.
class IDiagnostic : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{E4A17B3C-2F96-4D08-B5C1-8A6D0E9F3B25}");
    // The first object with that identifier, or nullptr.
    virtual TObjetDiagnostic* GetObjetDiagnostic(const std::string& ID) const = 0; // 1
    // The object at that position; a position outside the catalogue raises the list's
    // index error.
    virtual TObjetDiagnostic* GetObjetDiagnosticIndex(int Index) const = 0; // 2
    virtual int GetNombreObjetsDiagnostic() const = 0;                      // 3
    // The object at that position as the host reads it, or nullptr outside the catalogue.
    virtual IObjetDiagnostic* GetObjet(int Index) const = 0; // 4

protected:
    ~IDiagnostic() = default;
};

// The acknowledgements zone as the host prepares it before writing it to the controller.
// The order of the operations after the three of IInterface is ours and is pinned by a
// test: new operations go at the end.
class IAcquittements : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{5B3E8C21-9A4D-4F70-B6E2-1D8C7A09F4B3}");
    // Fault NumeroDefaut, or every fault for 255.
    virtual void AcquitterDefaut(int NumeroDefaut) = 0; // 1
    // Tip dressing done (Rodage) or electrode changed, on electrode NumeroElectrode.
    virtual void AcquitterElectrode(bool Rodage, int NumeroElectrode) = 0; // 2
    // Tip dresser acknowledgement for cutter NumeroFraise.
    virtual void AcquitterFraise(int NumeroFraise) = 0; // 3

protected:
    ~IAcquittements() = default;
};

// The present faults as the host reads them. The order of the operations after the three
// of IInterface is ours and is pinned by a test: new operations go at the end.
//  1-3  number of faults present, the fault at a position ("" outside), is a fault present
//  4-6  add a fault, remove a fault, remove every fault
//  7    copy of the list into the caller's list (emptied first)
//  8-9  number of blocking and of non-blocking faults present
class IDefautsPresents : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{BD2A0751-2F5B-4B3E-AF7B-1F4C6A53C1AC}");
    virtual int GetNbDefautsPresents() const = 0;
    virtual std::string GetDefautPresent(int Index) const = 0;
    virtual bool GetDefautIsPresent(const std::string& NomDefaut) const = 0;
    virtual void Ajouter(const std::string& NomDefaut) = 0;
    virtual void Supprimer(const std::string& NomDefaut) = 0;
    virtual void Vider() = 0;
    virtual void GetDefautsPresents(TStringList* Defauts) const = 0;
    virtual int GetNbDefautsBloquants() const = 0;
    virtual int GetNbDefautsNonBloquants() const = 0;

protected:
    ~IDefautsPresents() = default;
};

// The clock zone as the host sees it. The order of the operations after the three of
// IInterface is ours and is pinned by a test: new operations go at the end.
class IHorodateur : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{3D6A91F2-7C4B-4E8A-B1D5-26F0C8E47A93}");
    // The date and time last read from the controller (or last sent).
    virtual TDateTime GetDateHeure() const = 0; // 1

protected:
    ~IHorodateur() = default;
};

} // namespace g20seq
