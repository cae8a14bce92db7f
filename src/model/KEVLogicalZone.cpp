#include "model/KEVLogicalZone.h"

#include "model/IDTypeZones.h"
#include "model/KEVField.h"
#include "model/KEVTabSheet.h"
#include "support/Exceptions.h"
#include "support/Format.h"

namespace g20seq {

TKEVLogicalZone::TKEVLogicalZone(TPersistent* Owner, TTypeZones TypeZone, int Numero)
    : FTypeZone(TypeZone), FZoneNumber(Numero), FOwner(Owner), FTabSheets(true) {
    FTabSheets.SetCaseSensitive(true);
}

TKEVLogicalZone::~TKEVLogicalZone() = default;

std::string TKEVLogicalZone::ClassName() const {
    return "TKEVLogicalZone";
}

THResult TKEVLogicalZone::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IKEVLogicalZone::IID) {
        *Obj = static_cast<IKEVLogicalZone*>(this);
        return THResult::S_OK;
    }
    return TInterfacedPersistent::QueryInterface(IID, Obj);
}

int TKEVLogicalZone::AddRef() {
    return TInterfacedPersistent::AddRef();
}

int TKEVLogicalZone::Release() {
    return TInterfacedPersistent::Release();
}

std::string TKEVLogicalZone::GetCaption() const {
    return TypeZoneDisplayName(FTypeZone);
}

TKEVTabSheet* TKEVLogicalZone::GetTabSheet(int Index) const {
    return static_cast<TKEVTabSheet*>(FTabSheets.Objects(Index));
}

TKEVTabSheet* TKEVLogicalZone::GetTabByID(const std::string& TabID) const {
    const int index = FTabSheets.IndexOf(TabID);
    return index < 0 ? nullptr : GetTabSheet(index);
}

TKEVTabSheet* TKEVLogicalZone::GetTab(TIDOnglet TabSheetID) const {
    for (int i = 0; i < GetTabSheetCount(); ++i)
        if (TKEVTabSheet* sheet = GetTabSheet(i); sheet->GetOnglet() == TabSheetID)
            return sheet;
    return nullptr;
}

TKEVField* TKEVLogicalZone::GetFieldByID(const std::string& FieldID) const {
    for (int i = 0; i < GetTabSheetCount(); ++i)
        if (TKEVField* field = GetTabSheet(i)->GetFieldByID(FieldID))
            return field;
    return nullptr;
}

void TKEVLogicalZone::AddTabSheet(std::unique_ptr<TKEVTabSheet> TabSheet) {
    if (TabSheet == nullptr)
        return;
    CheckNewSheet(*TabSheet);
    FTabSheets.AddObject(TabSheet->GetTabSheetID(), TabSheet.get());
    TabSheet.release();
}

void TKEVLogicalZone::InsertTabSheet(const std::string& RefTabSheetID,
                                     std::unique_ptr<TKEVTabSheet> TabSheet) {
    if (TabSheet == nullptr)
        return;
    CheckNewSheet(*TabSheet);
    const int index = FTabSheets.IndexOf(RefTabSheetID);
    if (index < 0)
        throw Exception(Format(SUnableToInsert, TabSheet->GetTabSheetID(), RefTabSheetID));
    FTabSheets.InsertObject(index, TabSheet->GetTabSheetID(), TabSheet.get());
    TabSheet.release();
}

void TKEVLogicalZone::DeleteTabSheet(const std::string& TabSheetID) {
    const int index = FTabSheets.IndexOf(TabSheetID);
    if (index >= 0)
        FTabSheets.Delete(index);
}

void TKEVLogicalZone::AddField(const std::string& TabSheetID, TKEVField* Field) {
    SheetFor(TabSheetID, Field)->AddField(Field);
}

void TKEVLogicalZone::InsertField(const std::string& TabSheetID, const std::string& RefFieldID,
                                  TKEVField* Field, bool ForceField) {
    SheetFor(TabSheetID, Field)->InsertField(RefFieldID, Field, ForceField);
}

void TKEVLogicalZone::DeleteField(TKEVField* Field) {
    if (Field == nullptr)
        return;
    if (TKEVTabSheet* sheet = Field->ParentSheet())
        sheet->DeleteField(Field);
}

TKEVTabSheet* TKEVLogicalZone::SheetFor(const std::string& TabSheetID,
                                        const TKEVField* Field) const {
    TKEVTabSheet* sheet = GetTabByID(TabSheetID);
    if (sheet == nullptr)
        throw Exception(
            Format(SUnableToInsert, Field != nullptr ? Field->GetFieldID() : "", TabSheetID));
    return sheet;
}

void TKEVLogicalZone::CheckNewSheet(const TKEVTabSheet& TabSheet) const {
    if (FTabSheets.IndexOf(TabSheet.GetTabSheetID()) >= 0)
        throw Exception(Format(SDuplicateTabSheet, TabSheet.GetTabSheetID()));
}

} // namespace g20seq
