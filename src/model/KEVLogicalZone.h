#pragma once

#include "interface/KEVInterface.h"
#include "support/Object.h"
#include "support/StringList.h"

#include <cstdint>

namespace g20seq {

enum TIDOnglet : std::uint8_t;

// The presentation of one zone (type and number) for editors and exports: an ordered
// list of tab sheets, each keyed by its sheet key and owned by the logical zone.
// Duplicate sheets and missing references raise Exception with the messages
// "Duplicate TabSheet: %s" and "Unable to insert %s, ref: %s"; nothing changes then.
class TKEVLogicalZone : public TInterfacedPersistent, public IKEVLogicalZone {
public:
    TKEVLogicalZone(TPersistent* Owner, TTypeZones TypeZone, int Numero);
    ~TKEVLogicalZone() override;
    TKEVLogicalZone(const TKEVLogicalZone&) = delete;
    TKEVLogicalZone& operator=(const TKEVLogicalZone&) = delete;

    std::string ClassName() const override;
    THResult QueryInterface(const TGUID& IID, void** Obj) override;
    int AddRef() override;
    int Release() override;

    TTypeZones GetTypeZone() const override { return FTypeZone; }
    int GetZoneNumber() const override { return FZoneNumber; }
    // The translated caption of the zone type.
    std::string GetCaption() const override;
    TPersistent* GetOwner() const override { return FOwner; }
    TKEVTabSheet* GetTabSheet(int Index) const override;
    int GetTabSheetCount() const override { return FTabSheets.Count(); }
    TKEVTabSheet* GetTabByID(const std::string& TabID) const override;
    // The same by the sheet's own identifier, without comparing texts (zone construction).
    TKEVTabSheet* GetTab(TIDOnglet TabSheetID) const;
    // The field from the first sheet holding FieldID, or nullptr.
    TKEVField* GetFieldByID(const std::string& FieldID) const override;
    void AddTabSheet(std::unique_ptr<TKEVTabSheet> TabSheet) override;
    void InsertTabSheet(const std::string& RefTabSheetID,
                        std::unique_ptr<TKEVTabSheet> TabSheet) override;
    void DeleteTabSheet(const std::string& TabSheetID) override;
    void AddField(const std::string& TabSheetID, TKEVField* Field) override;
    void InsertField(const std::string& TabSheetID, const std::string& RefFieldID, TKEVField* Field,
                     bool ForceField) override;
    // Removes the field from its parent sheet, when it has one.
    void DeleteField(TKEVField* Field) override;

private:
    TKEVTabSheet* SheetFor(const std::string& TabSheetID, const TKEVField* Field) const;
    void CheckNewSheet(const TKEVTabSheet& TabSheet) const;

    TTypeZones FTypeZone;
    int FZoneNumber;
    TPersistent* FOwner;
    TStringList FTabSheets;
};

} // namespace g20seq
