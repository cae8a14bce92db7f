// The configuration zone: the controller's general settings and the classification of
// its faults, independent of the controller generation.
#pragma once

#include "interface/ProxyInterface.h"
#include "interface/ZoneInterfaces.h"
#include "model/Defaut.h"
#include "model/EpromDescription.h"
#include "model/IDZone.h"
#include "model/KEVTabSheet.h"
#include "support/StringList.h"
#include "zones/ZoneFamilleCPS.h"

#include <string>

namespace g20seq {

class TEcran;

// Identifiers of the base fields of the configuration.
namespace IDConfiguration {
inline constexpr const char* IDProgEditeDCY1 = "IDProgEditeDCY1";
inline constexpr const char* IDProgrammeDCY1 = "IDProgrammeDCY1";
inline constexpr const char* IDProgrammeMiniDCY1 = "IDProgrammeMiniDCY1";
inline constexpr const char* IDProgrammeMaxiDCY1 = "IDProgrammeMaxiDCY1";
inline constexpr const char* IDProgEditeDCY2 = "IDProgEditeDCY2";
inline constexpr const char* IDProgrammeDCY2 = "IDProgrammeDCY2";
inline constexpr const char* IDProgrammeMiniDCY2 = "IDProgrammeMiniDCY2";
inline constexpr const char* IDProgrammeMaxiDCY2 = "IDProgrammeMaxiDCY2";
inline constexpr const char* IDParite = "IDParite";
inline constexpr const char* IDCUChargeProgAlarme = "IDCUChargeProgAlarme";
inline constexpr const char* IDCUContinue = "IDCUContinue";
inline constexpr const char* IDChangementPermanent = "IDChangementPermanent";
inline constexpr const char* IDCUActivationToutesElectrodes = "IDCUActivationToutesElectrodes";
inline constexpr const char* IDCURodageAlarme = "IDCURodageAlarme";
inline constexpr const char* IDReInitialisationCompteurs = "IDReInitialisationCompteurs";
inline constexpr const char* IDCUConsignesLiees = "IDCUConsignesLiees";
inline constexpr const char* IDCUPointsLies = "IDCUPointsLies";
inline constexpr const char* IDReposDGNNF = "IDReposDGNNF";
inline constexpr const char* IDReposDFANF = "IDReposDFANF";
inline constexpr const char* IDReposDASNF = "IDReposDASNF";
inline constexpr const char* IDLangue = "IDLangue";
inline constexpr const char* IDNbRepetitionPointAuto = "IDNbRepetitionPointAuto";
inline constexpr const char* IDRepetPointF4ClePrg = "IDRepetPointF4ClePrg";
inline constexpr const char* IDPointSuivantF5ClePrg = "IDPointSuivantF5ClePrg";
inline constexpr const char* IDCUAcqF7ClePrg = "IDCUAcqF7ClePrg";
inline constexpr const char* IDMotDePasseAcquittement = "IDMotDePasseAcquittement";
} // namespace IDConfiguration

// Value captions shared by the fields of both configuration classes.
inline constexpr TIDZone CfgNonOui[] = {{"IDCfg_Non_Oui_0", "Non"}, {"IDCfg_Non_Oui_1", "Oui"}};
inline constexpr TIDZone CfgReposNF[] = {{"IDCfg_ReposNF_0", "Ouverte"},
                                         {"IDCfg_ReposNF_1", "Fermée"}};
inline constexpr TIDZone CfgModeAssignationPoint[] = {
    {"IDCfg_SansAssignation", "Sans assignation point (N° programme = sélection)"},
    {"IDCfg_FormatPSA", "Famille.Pièce.Point"}};

// Translation section of the configuration's field and value captions.
inline constexpr const char* IDConfigurationSection = "IDConfiguration";
// Caption of the zone in creation logs.
inline constexpr const char* ZoneConfigurationCaption = "Zone configuration";

// The generation-independent configuration zone: its 26 base fields and the list of fault
// definitions, keyed "number=text" (sorted, case-sensitive, no duplicates; the list owns
// the definitions). Companions (Mini, Maxi, RAZ) are zones of the same class.
//
// Creation never raises: an error while building the fields is logged ("Create",
// category "ZRT Handling") and the zone keeps what was built.
class TConfiguration : public TZoneFamilleCPS, public IConfiguration, public IDescriptionDefauts {
public:
    TConfiguration(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                   TInterfacedPersistent* aLogicalZone);
    ~TConfiguration() override;

    std::string ClassName() const override;
    THResult QueryInterface(const TGUID& IID, void** Obj) override;
    int AddRef() override;
    int Release() override;

    // The zone file holds the controller frame: both call the serial codec.
    TErreurSerie FileDecode(const TByteArray& Trame, int LngTrame) override;
    int FileEncode(TByteArray& Trame, int LngTrame, int TailleZone) const override;
    std::string NomChamp(const std::string& IDChamp) const override;
    std::string DetailValeurChamp(const std::string& IDChamp, int Valeur, std::string& IDZone,
                                  std::string& IDValeur) const override;
    // Creates a fault definition with its classification field (identifier = Numero,
    // range MinValue..MaxValue, default DefaultValue, tab sheet Parent), registers the field
    // in the zone and the definition under "Numero=Text". The definition is managed and
    // not configurable (its field not shown) until SetParam gives it its pair.
    virtual TDefaut* AddDefaut(const std::string& Numero, TInterfacedPersistent* Parent,
                               TGroupeDefaut Groupe, int DefaultValue, int MaxValue, int MinValue,
                               const std::string& Text);
    // Not available on a configuration: always raises Exception.
    virtual bool IsModeAmperes() const;
    // Caption of global fault type 0..4 (ERangeError otherwise).
    std::string GetDescriptionTypeDefaut(int NumeroTypeDefaut) const override;
    // Caption of a fault number.
    std::string GetDescriptionDefautID(const std::string& NumeroDefaut) const override = 0;

    std::string GetIdentifiantCPS() const override;
    int GetLangue() const override { return GetInteger(IDConfiguration::IDLangue); }
    int GetNbDefauts() const override { return FstrListDefauts.Count(); }
    TDefaut* GetDefautParIndex(int IndexDefaut) const override;
    TDefaut* GetDefautParNom(const std::string& NumeroDefaut) const override;
    // The text a fault was registered with ("" when absent).
    std::string GetTexteDefaut(const std::string& NumeroDefaut) const;

    // Typed accessors of the base fields; a missing field reads 0 / false and ignores writes.
    bool GetProgEditeDCY1() const { return GetBoolean(IDConfiguration::IDProgEditeDCY1); }
    void SetProgEditeDCY1(bool Value) { SetBoolean(IDConfiguration::IDProgEditeDCY1, Value); }
    int GetProgrammeDCY1() const { return GetInteger(IDConfiguration::IDProgrammeDCY1); }
    void SetProgrammeDCY1(int Value) { SetInteger(IDConfiguration::IDProgrammeDCY1, Value); }
    int GetProgrammeMiniDCY1() const { return GetInteger(IDConfiguration::IDProgrammeMiniDCY1); }
    void SetProgrammeMiniDCY1(int Value) {
        SetInteger(IDConfiguration::IDProgrammeMiniDCY1, Value);
    }
    int GetProgrammeMaxiDCY1() const { return GetInteger(IDConfiguration::IDProgrammeMaxiDCY1); }
    void SetProgrammeMaxiDCY1(int Value) {
        SetInteger(IDConfiguration::IDProgrammeMaxiDCY1, Value);
    }
    bool GetProgEditeDCY2() const { return GetBoolean(IDConfiguration::IDProgEditeDCY2); }
    void SetProgEditeDCY2(bool Value) { SetBoolean(IDConfiguration::IDProgEditeDCY2, Value); }
    int GetProgrammeDCY2() const { return GetInteger(IDConfiguration::IDProgrammeDCY2); }
    void SetProgrammeDCY2(int Value) { SetInteger(IDConfiguration::IDProgrammeDCY2, Value); }
    int GetProgrammeMiniDCY2() const { return GetInteger(IDConfiguration::IDProgrammeMiniDCY2); }
    void SetProgrammeMiniDCY2(int Value) {
        SetInteger(IDConfiguration::IDProgrammeMiniDCY2, Value);
    }
    int GetProgrammeMaxiDCY2() const { return GetInteger(IDConfiguration::IDProgrammeMaxiDCY2); }
    void SetProgrammeMaxiDCY2(int Value) {
        SetInteger(IDConfiguration::IDProgrammeMaxiDCY2, Value);
    }
    int GetParite() const { return GetInteger(IDConfiguration::IDParite); }
    void SetParite(int Value) { SetInteger(IDConfiguration::IDParite, Value); }
    bool GetCUChargeProgAlarme() const { return GetBoolean(IDConfiguration::IDCUChargeProgAlarme); }
    void SetCUChargeProgAlarme(bool Value) {
        SetBoolean(IDConfiguration::IDCUChargeProgAlarme, Value);
    }
    int GetCUContinue() const { return GetInteger(IDConfiguration::IDCUContinue); }
    void SetCUContinue(int Value) { SetInteger(IDConfiguration::IDCUContinue, Value); }
    bool GetChangementPermanent() const {
        return GetBoolean(IDConfiguration::IDChangementPermanent);
    }
    void SetChangementPermanent(bool Value) {
        SetBoolean(IDConfiguration::IDChangementPermanent, Value);
    }
    bool GetCUActivationToutesElectrodes() const {
        return GetBoolean(IDConfiguration::IDCUActivationToutesElectrodes);
    }
    void SetCUActivationToutesElectrodes(bool Value) {
        SetBoolean(IDConfiguration::IDCUActivationToutesElectrodes, Value);
    }
    bool GetCURodageAlarme() const { return GetBoolean(IDConfiguration::IDCURodageAlarme); }
    void SetCURodageAlarme(bool Value) { SetBoolean(IDConfiguration::IDCURodageAlarme, Value); }
    bool GetReInitialisationCompteurs() const {
        return GetBoolean(IDConfiguration::IDReInitialisationCompteurs);
    }
    void SetReInitialisationCompteurs(bool Value) {
        SetBoolean(IDConfiguration::IDReInitialisationCompteurs, Value);
    }
    bool GetCUConsignesLiees() const { return GetBoolean(IDConfiguration::IDCUConsignesLiees); }
    void SetCUConsignesLiees(bool Value) { SetBoolean(IDConfiguration::IDCUConsignesLiees, Value); }
    bool GetCUPointsLies() const { return GetBoolean(IDConfiguration::IDCUPointsLies); }
    void SetCUPointsLies(bool Value) { SetBoolean(IDConfiguration::IDCUPointsLies, Value); }
    bool GetReposDGNNF() const { return GetBoolean(IDConfiguration::IDReposDGNNF); }
    void SetReposDGNNF(bool Value) { SetBoolean(IDConfiguration::IDReposDGNNF, Value); }
    bool GetReposDFANF() const { return GetBoolean(IDConfiguration::IDReposDFANF); }
    void SetReposDFANF(bool Value) { SetBoolean(IDConfiguration::IDReposDFANF, Value); }
    bool GetReposDASNF() const { return GetBoolean(IDConfiguration::IDReposDASNF); }
    void SetReposDASNF(bool Value) { SetBoolean(IDConfiguration::IDReposDASNF, Value); }
    void SetLangue(int Value) { SetInteger(IDConfiguration::IDLangue, Value); }
    int GetNbRepetitionPointAuto() const {
        return GetInteger(IDConfiguration::IDNbRepetitionPointAuto);
    }
    void SetNbRepetitionPointAuto(int Value) {
        SetInteger(IDConfiguration::IDNbRepetitionPointAuto, Value);
    }
    bool GetRepetPointF4ClePrg() const { return GetBoolean(IDConfiguration::IDRepetPointF4ClePrg); }
    void SetRepetPointF4ClePrg(bool Value) {
        SetBoolean(IDConfiguration::IDRepetPointF4ClePrg, Value);
    }
    bool GetPointSuivantF5ClePrg() const {
        return GetBoolean(IDConfiguration::IDPointSuivantF5ClePrg);
    }
    void SetPointSuivantF5ClePrg(bool Value) {
        SetBoolean(IDConfiguration::IDPointSuivantF5ClePrg, Value);
    }
    bool GetCUAcqF7ClePrg() const { return GetBoolean(IDConfiguration::IDCUAcqF7ClePrg); }
    void SetCUAcqF7ClePrg(bool Value) { SetBoolean(IDConfiguration::IDCUAcqF7ClePrg, Value); }
    int GetMotDePasseAcquittement() const {
        return GetInteger(IDConfiguration::IDMotDePasseAcquittement);
    }
    void SetMotDePasseAcquittement(int Value) {
        SetInteger(IDConfiguration::IDMotDePasseAcquittement, Value);
    }

    // Parity views of IDParite: with parity = (IDParite <> 0), odd parity = (IDParite <> 2).
    bool GetAvecParite() const { return GetParite() != 0; }
    // True turns "none" (0) into odd (1) and keeps a parity already chosen; False writes 0.
    void SetAvecParite(bool Value);
    bool GetPariteImpaire() const { return GetParite() != 2; }
    // With parity: True chooses odd (1), False even (2); without parity nothing changes.
    void SetPariteImpaire(bool Value);

    // What the owner EPROM's description says about the controller; without a description:
    // AC, discrete I/O, no optional hardware, no fieldbus profile C1.
    struct TVariante {
        TTypeCourant Courant = tcAC;
        TTypeIO IO = tiTOR;
        THardware Hardware;
        bool ProfilC1 = false;
    };

protected:
    TVariante Variante() const;

    // Field value access for the typed accessors: a missing field reads 0 / false and
    // ignores writes.
    int GetInteger(const char* FieldID) const;
    void SetInteger(const char* FieldID, int Value);
    bool GetBoolean(const char* FieldID) const;
    void SetBoolean(const char* FieldID, bool Value);
    // The tab sheet of the logical zone, or nullptr (no logical zone, no such sheet, or an
    // identifier outside the enumeration, which stands for "no tab sheet").
    TInterfacedPersistent* TabSheet(TIDOnglet Onglet) const;
    // Logs an error of a creation step and swallows it.
    void LogCreationError(const std::string& Text) const;

private:
    void CreateBaseFields();

    TStringList FstrListDefauts;
};

} // namespace g20seq
