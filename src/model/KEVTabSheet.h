#pragma once

#include "interface/KEVInterface.h"
#include "model/IDZone.h"
#include "support/Object.h"
#include "support/StringList.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace g20seq {

// The tab sheets editors group fields into.
enum TIDOnglet : std::uint8_t {
    IDTabTemps,
    IDTabConsignes,
    IDTabSeuils,
    IDTabEV,
    IDTabProgAdvParam,
    IDTabLienProcess,
    IDTabExpert,
    IDTabApprentissage,
    IDTabPaliers,
    IDTabRodage,
    IDTabElecAdvParam,
    IDTabTransfo,
    IDTabEffort,
    IDTabServices,
    IDTabSelProg,
    IDTabCU,
    IDTabDefauts,
    IDTabESTOR,
    IDTabEthernet,
    IDTabConfAdvParam,
    IDTabCapteurs,
    IDTabProgrammes,
    IDTabMF,
    IDTabChainage1,
    IDTabChainage2,
    IDTabEcrans,
    IDTabCascade,
    IDTabChainages,
    IDTabAssignationPoints,
    IDTabMoteur,
    IDTabModePince,
    IDTabPeriph,
    IDTabInterfaces,
    IDTabApprentissageAW,
    IDTabSynthese,
    IDTabContexte,
    IDTabEtat,
    IDTabParametres,
    IDTabResultatsBruts,
    IDApprentissageAW,
    IDTabRodeuse,
    IDTabCourbeCourantRef,
    IDTabCourbeTensionRef,
    IDTabIdentificationSoudeuse,
    IDTabProgCombine,
    IDTabPosition,
    IDTabMesureAPPRAW_Pince0,
    IDTabMesureAPPRAW_Pince1,
    IDTabMesureAPPRAW_Pince2,
    IDTabMesureAPPRAW_Pince3,
    IDTabMesureAPPRAW_Pince4,
    IDTabContexteAWA,
    IDTabEtatAWA,
    IDTabMesuresAWA,
    IDTabDimensions,
    IDTabProcess,
    IDTabForceCalibration,
    IDTabEmpilage,
    IDTabMesureAPPRAW_Pince5,
    IDTabMesureAPPRAW_Pince6,
    IDTabParametresAWA,
    IDTabSyntheseAWA,
    IDTabResultatsBrutsAWA,
    IDTabRegulationMF,
    IDTabApprentissageMF,
    IDTabConsignesWS,
    IDTabConsignesEffort,
};

inline constexpr int OngletCount = 67;
// Translation section of tab sheet captions.
inline constexpr const char* IDOngletSection = "IDOnglet";

// Key and default caption of every tab sheet, indexed by TIDOnglet. The key is the
// enumeration name, except for IDTabAssignationPoints whose key is "IDAssignationPoints".
extern const std::array<TIDZone, OngletCount> IDOngletTable;

// The record of a tab sheet; ERangeError outside the enumeration.
const TIDZone& IDOnglet(TIDOnglet TabSheetID);

// An ordered list of fields shown together by editors, in insertion order. The fields
// belong to their zone; the sheet only points at them, so a zone unlinks its fields
// before it is freed, and a sheet outlives the zones whose fields name it as parent.
// A field added to the sheet takes the sheet's linked flag: the fields of a sheet that is
// not linked are neither shown nor compared.
class TKEVTabSheet : public TInterfacedPersistent, public IKEVTabSheet, public IKEVTabSheetEx {
public:
    TKEVTabSheet(TIDOnglet TabSheetID, TInterfacedPersistent* Parent);

    std::string ClassName() const override;
    THResult QueryInterface(const TGUID& IID, void** Obj) override;
    int AddRef() override;
    int Release() override;

    TTypeZones GetTypeZoneCPS() const override { return FTypeZoneCPS; }
    bool GetLinked() const override { return FLinked; }
    void SetLinked(bool Value) override { FLinked = Value; }
    std::string GetTabSheetID() const override;
    std::string GetCaption() const override;
    TInterfacedPersistent* GetParent() const override { return FParent; }
    TKEVField* GetField(int Index) const override;
    int GetFieldCount() const override { return static_cast<int>(FFields.size()); }
    TKEVField* GetFieldByID(const std::string& FieldID) const override;
    // Appends the field; a field identifier already in the sheet raises Exception
    // "Duplicate Field: %s".
    void AddField(TKEVField* Field) override;
    // Inserts before RefFieldID; a missing reference appends when ForceField is set and
    // raises Exception "Unable to insert %s, ref: %s" otherwise.
    void InsertField(const std::string& RefFieldID, TKEVField* Field, bool ForceField) override;
    // Removes the entry of the field's identifier when present.
    void DeleteField(TKEVField* Field) override;
    // Removes the field when the sheet lists it (the entry of its identifier is then the
    // field itself: identifiers are unique in a sheet).
    void RemoveField(const TKEVField* Field);

    TIDOnglet GetOnglet() const { return FTabSheetID; }
    // Export heading: rubric, zone type and version.
    void SetInfoKEVFile(const std::string& aRubrique, TTypeZones aTypeZoneCPS, int aVersion);
    int GetVersion() const { return FVersion; }
    void SetVersion(int Value);
    const std::string& GetRubrique() const { return FRubrique; }
    void SetRubrique(const std::string& Value);

private:
    void CheckNotPresent(const TKEVField* Field) const;
    // Position of the field with identifier FieldID, or -1.
    int IndexOf(std::string_view FieldID) const;

    TIDOnglet FTabSheetID;
    TInterfacedPersistent* FParent;
    // The fields in sheet order (identifiers are unique, compared ordinally).
    std::vector<TKEVField*> FFields;
    int FVersion = 1;
    std::string FRubrique;
    TTypeZones FTypeZoneCPS = PrcIdentification;
    bool FLinked = true;
};

} // namespace g20seq
