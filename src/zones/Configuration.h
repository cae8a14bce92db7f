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
#include "zones/ConfigurationFields.h"
#include "zones/ZoneFamilleCPS.h"

#include <string>

namespace g20seq {

class TEcran;

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
class G20SEQ_EXPORT TConfiguration : public TZoneFamilleCPS,
                                     public IConfiguration,
                                     public IDescriptionDefauts {
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
    int GetLangue() const override { return GetInteger(ChampsConfiguration::IDLangue); }
    int GetNbDefauts() const override { return FstrListDefauts.Count(); }
    TDefaut* GetDefautParIndex(int IndexDefaut) const override;
    TDefaut* GetDefautParNom(const std::string& NumeroDefaut) const override;
    // The text a fault was registered with ("" when absent).
    std::string GetTexteDefaut(const std::string& NumeroDefaut) const override;

    // Typed accessors of the base fields; a missing field reads 0 / false and ignores writes.
    bool GetProgEditeDCY1() const { return GetBoolean(ChampsConfiguration::IDProgEditeDCY1); }
    void SetProgEditeDCY1(bool Value) { SetBoolean(ChampsConfiguration::IDProgEditeDCY1, Value); }
    int GetProgrammeDCY1() const { return GetInteger(ChampsConfiguration::IDProgrammeDCY1); }
    void SetProgrammeDCY1(int Value) { SetInteger(ChampsConfiguration::IDProgrammeDCY1, Value); }
    int GetProgrammeMiniDCY1() const {
        return GetInteger(ChampsConfiguration::IDProgrammeMiniDCY1);
    }
    void SetProgrammeMiniDCY1(int Value) {
        SetInteger(ChampsConfiguration::IDProgrammeMiniDCY1, Value);
    }
    int GetProgrammeMaxiDCY1() const {
        return GetInteger(ChampsConfiguration::IDProgrammeMaxiDCY1);
    }
    void SetProgrammeMaxiDCY1(int Value) {
        SetInteger(ChampsConfiguration::IDProgrammeMaxiDCY1, Value);
    }
    bool GetProgEditeDCY2() const { return GetBoolean(ChampsConfiguration::IDProgEditeDCY2); }
    void SetProgEditeDCY2(bool Value) { SetBoolean(ChampsConfiguration::IDProgEditeDCY2, Value); }
    int GetProgrammeDCY2() const { return GetInteger(ChampsConfiguration::IDProgrammeDCY2); }
    void SetProgrammeDCY2(int Value) { SetInteger(ChampsConfiguration::IDProgrammeDCY2, Value); }
    int GetProgrammeMiniDCY2() const {
        return GetInteger(ChampsConfiguration::IDProgrammeMiniDCY2);
    }
    void SetProgrammeMiniDCY2(int Value) {
        SetInteger(ChampsConfiguration::IDProgrammeMiniDCY2, Value);
    }
    int GetProgrammeMaxiDCY2() const {
        return GetInteger(ChampsConfiguration::IDProgrammeMaxiDCY2);
    }
    void SetProgrammeMaxiDCY2(int Value) {
        SetInteger(ChampsConfiguration::IDProgrammeMaxiDCY2, Value);
    }
    int GetParite() const { return GetInteger(ChampsConfiguration::IDParite); }
    void SetParite(int Value) { SetInteger(ChampsConfiguration::IDParite, Value); }
    bool GetCUChargeProgAlarme() const {
        return GetBoolean(ChampsConfiguration::IDCUChargeProgAlarme);
    }
    void SetCUChargeProgAlarme(bool Value) {
        SetBoolean(ChampsConfiguration::IDCUChargeProgAlarme, Value);
    }
    int GetCUContinue() const { return GetInteger(ChampsConfiguration::IDCUContinue); }
    void SetCUContinue(int Value) { SetInteger(ChampsConfiguration::IDCUContinue, Value); }
    bool GetChangementPermanent() const {
        return GetBoolean(ChampsConfiguration::IDChangementPermanent);
    }
    void SetChangementPermanent(bool Value) {
        SetBoolean(ChampsConfiguration::IDChangementPermanent, Value);
    }
    bool GetCUActivationToutesElectrodes() const {
        return GetBoolean(ChampsConfiguration::IDCUActivationToutesElectrodes);
    }
    void SetCUActivationToutesElectrodes(bool Value) {
        SetBoolean(ChampsConfiguration::IDCUActivationToutesElectrodes, Value);
    }
    bool GetCURodageAlarme() const { return GetBoolean(ChampsConfiguration::IDCURodageAlarme); }
    void SetCURodageAlarme(bool Value) { SetBoolean(ChampsConfiguration::IDCURodageAlarme, Value); }
    bool GetReInitialisationCompteurs() const {
        return GetBoolean(ChampsConfiguration::IDReInitialisationCompteurs);
    }
    void SetReInitialisationCompteurs(bool Value) {
        SetBoolean(ChampsConfiguration::IDReInitialisationCompteurs, Value);
    }
    bool GetCUConsignesLiees() const { return GetBoolean(ChampsConfiguration::IDCUConsignesLiees); }
    void SetCUConsignesLiees(bool Value) {
        SetBoolean(ChampsConfiguration::IDCUConsignesLiees, Value);
    }
    bool GetCUPointsLies() const { return GetBoolean(ChampsConfiguration::IDCUPointsLies); }
    void SetCUPointsLies(bool Value) { SetBoolean(ChampsConfiguration::IDCUPointsLies, Value); }
    bool GetReposDGNNF() const { return GetBoolean(ChampsConfiguration::IDReposDGNNF); }
    void SetReposDGNNF(bool Value) { SetBoolean(ChampsConfiguration::IDReposDGNNF, Value); }
    bool GetReposDFANF() const { return GetBoolean(ChampsConfiguration::IDReposDFANF); }
    void SetReposDFANF(bool Value) { SetBoolean(ChampsConfiguration::IDReposDFANF, Value); }
    bool GetReposDASNF() const { return GetBoolean(ChampsConfiguration::IDReposDASNF); }
    void SetReposDASNF(bool Value) { SetBoolean(ChampsConfiguration::IDReposDASNF, Value); }
    void SetLangue(int Value) { SetInteger(ChampsConfiguration::IDLangue, Value); }
    int GetNbRepetitionPointAuto() const {
        return GetInteger(ChampsConfiguration::IDNbRepetitionPointAuto);
    }
    void SetNbRepetitionPointAuto(int Value) {
        SetInteger(ChampsConfiguration::IDNbRepetitionPointAuto, Value);
    }
    bool GetRepetPointF4ClePrg() const {
        return GetBoolean(ChampsConfiguration::IDRepetPointF4ClePrg);
    }
    void SetRepetPointF4ClePrg(bool Value) {
        SetBoolean(ChampsConfiguration::IDRepetPointF4ClePrg, Value);
    }
    bool GetPointSuivantF5ClePrg() const {
        return GetBoolean(ChampsConfiguration::IDPointSuivantF5ClePrg);
    }
    void SetPointSuivantF5ClePrg(bool Value) {
        SetBoolean(ChampsConfiguration::IDPointSuivantF5ClePrg, Value);
    }
    bool GetCUAcqF7ClePrg() const { return GetBoolean(ChampsConfiguration::IDCUAcqF7ClePrg); }
    void SetCUAcqF7ClePrg(bool Value) { SetBoolean(ChampsConfiguration::IDCUAcqF7ClePrg, Value); }
    int GetMotDePasseAcquittement() const {
        return GetInteger(ChampsConfiguration::IDMotDePasseAcquittement);
    }
    void SetMotDePasseAcquittement(int Value) {
        SetInteger(ChampsConfiguration::IDMotDePasseAcquittement, Value);
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
    int GetInteger(const TFieldHandle& Handle) const;
    void SetInteger(const TFieldHandle& Handle, int Value);
    bool GetBoolean(const TFieldHandle& Handle) const;
    void SetBoolean(const TFieldHandle& Handle, bool Value);
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
