#include "model/KEVField.h"

#include "model/CustomZoneCPS.h"
#include "model/KEVTabSheet.h"
#include "support/Exceptions.h"
#include "support/Format.h"
#include "support/StringList.h"

#include <algorithm>
#include <typeinfo>

namespace g20seq {

std::string QuotedFieldText(const std::string& Text) {
    std::string quoted = "\"";
    for (const char c : Text) {
        quoted += c;
        if (c == '"')
            quoted += c;
    }
    return quoted + "\"";
}

// TKEVField

namespace {

TKEVTabSheet* SheetOf(TInterfacedPersistent* Parent) {
    // Fields have a tab sheet or nothing as parent.
    return CastExact<TKEVTabSheet>(Parent);
}

} // namespace

TKEVField::TKEVField(std::string_view FieldID, TPersistent* Owner, TInterfacedPersistent* Parent)
    : FFieldID(FieldID), FOwner(Owner), FParent(Parent), FSheet(SheetOf(Parent)) {}

TKEVField::~TKEVField() {
    if (!FObservers.Empty())
        TZoneChanges::Forget(*this);
}

TSubscription TKEVField::Subscribe(TObserver Observer) {
    return FObservers.Subscribe(std::move(Observer));
}

std::string TKEVField::ClassName() const {
    return "TKEVField";
}

THResult TKEVField::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IKEVField::IID) {
        *Obj = static_cast<IKEVField*>(this);
        return THResult::S_OK;
    }
    return TInterfacedPersistent::QueryInterface(IID, Obj);
}

int TKEVField::AddRef() {
    return TInterfacedPersistent::AddRef();
}

int TKEVField::Release() {
    return TInterfacedPersistent::Release();
}

bool TKEVField::GetLinked() const {
    return FParent != nullptr && FLinked;
}

bool TKEVField::GetCompared() const {
    return FParent != nullptr && FCompared;
}

void TKEVField::Unlink() {
    if (TKEVTabSheet* sheet = ParentSheet()) {
        FLinked = false;
        sheet->DeleteField(this);
    }
}

void TKEVField::UnCompare() {
    FCompared = false;
}

void TKEVField::Link(const std::string& RefFieldID, bool ForceField) {
    TKEVTabSheet* sheet = ParentSheet();
    if (sheet == nullptr)
        return;
    if (RefFieldID.empty())
        sheet->AddField(this);
    else
        sheet->InsertField(RefFieldID, this, ForceField);
    if (sheet->GetLinked())
        FLinked = true;
}

bool TKEVField::SameAs(const TKEVField* Field) const {
    return Field != nullptr && Field->GetFieldID() == FieldIDRef() &&
           Field->GetOwner() == GetOwner();
}

std::string TKEVField::GetName() const {
    const TCustomZoneCPS* zone = OwnerZone();
    return zone != nullptr ? zone->NomChamp(GetFieldID()) : GetFieldID();
}

TPersistent* TKEVField::GetOwner() const {
    return FOwner;
}

TInterfacedPersistent* TKEVField::GetParent() const {
    return FParent;
}

int TKEVField::GetAsInteger() const {
    TypeAccessError("Integer");
}

double TKEVField::GetAsFloat() const {
    TypeAccessError("Double");
}

std::string TKEVField::GetAsString() const {
    TypeAccessError("String");
}

bool TKEVField::GetAsBoolean() const {
    TypeAccessError("Boolean");
}

std::string TKEVField::GetChamp() const {
    return FChamp;
}

std::string TKEVField::GetDetail() const {
    const TCustomZoneCPS* zone = OwnerZone();
    if (zone == nullptr)
        return "";
    std::string idZone;
    std::string idValeur;
    return zone->DetailIDChamp(GetFieldID(), "", idZone, idValeur);
}

void TKEVField::SetAsInteger(int) {
    TypeAccessError("Integer");
}

void TKEVField::SetAsFloat(double) {
    TypeAccessError("Double");
}

void TKEVField::SetAsString(const std::string&) {
    TypeAccessError("String");
}

void TKEVField::SetAsBoolean(bool) {
    TypeAccessError("Boolean");
}

void TKEVField::SetChamp(const std::string& Value) {
    if (Value != FChamp)
        FChamp = Value;
}

std::unique_ptr<TKEVField> TKEVField::Duplicate() const {
    throw EAbstractError();
}

bool TKEVField::EqualsDetails(const TKEVField*, TStringList*) const {
    throw EAbstractError();
}

void TKEVField::SetToMin() {
    throw EAbstractError();
}

void TKEVField::SetToMax() {
    throw EAbstractError();
}

TCustomZoneCPS* TKEVField::OwnerZone() const {
    return dynamic_cast<TCustomZoneCPS*>(GetOwner());
}

TKEVTabSheet* TKEVField::ParentSheet() const {
    return FSheet;
}

void TKEVField::TypeAccessError(const char* TypeName) const {
    throw EFieldError(Format(SFieldTypeAccess, GetFieldID(), TypeName));
}

void TKEVField::Changed() {
    if (FOnChange)
        FOnChange(this);
    if (!FObservers.Empty() && !TZoneChanges::Defer(*this))
        NotifyObservers();
}

// TKEVSingleField

TKEVSingleField::TKEVSingleField(std::string_view FieldID, TPersistent* Owner,
                                 TInterfacedPersistent* Parent)
    : TKEVField(FieldID, Owner, Parent) {}

std::string TKEVSingleField::ClassName() const {
    return "TKEVSingleField";
}

std::string TKEVSingleField::GetName() const {
    const std::string caption = TKEVField::GetName();
    const int index = ContainerIndex();
    return index < 0 ? caption : caption + Format("[%d]", index + 1);
}

TPersistent* TKEVSingleField::GetOwner() const {
    return FContainer != nullptr ? FContainer->GetOwner() : TKEVField::GetOwner();
}

int TKEVSingleField::ContainerIndex() const {
    if (FContainer == nullptr)
        return -1;
    for (int i = 0; i < FContainer->GetCount(); ++i)
        if (FContainer->GetField(i) == this)
            return i;
    return -1;
}

std::string TKEVSingleField::DifferenceName() const {
    const int index = ContainerIndex();
    return index < 0 ? GetFieldID() : Format("%s[%d]", GetFieldID(), index);
}

TFieldDifference TKEVSingleField::Difference(const TKEVField* Other) const {
    TFieldDifference difference;
    if (const TCustomZoneCPS* zone = OwnerZone())
        difference.Zone = TDifferenceZone{zone->GetTypeZone(), zone->GetNumeroZone()};
    difference.Path = DifferenceName();
    difference.OwnText = GetAsString();
    if (Other != nullptr)
        difference.OtherText = Other->GetAsString();
    return difference;
}

void TKEVSingleField::AddDifference(TStringList* DiffList, const TKEVField* Other) const {
    if (DiffList != nullptr)
        ReportDifference(DiffList, Difference(Other));
}

// TKEVArrayField

TKEVArrayField::TKEVArrayField(std::string_view FieldID, int Size, TPersistent* Owner,
                               TInterfacedPersistent* Parent)
    : TKEVField(FieldID, Owner, Parent) {
    SetKind(TKind::Array);
    if (Size < 0)
        throw ERangeError();
    FFields.resize(static_cast<std::size_t>(Size));
}

TKEVArrayField::~TKEVArrayField() = default;

std::string TKEVArrayField::ClassName() const {
    return "TKEVArrayField";
}

THResult TKEVArrayField::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IKEVArrayField::IID) {
        *Obj = static_cast<IKEVArrayField*>(this);
        return THResult::S_OK;
    }
    return TKEVField::QueryInterface(IID, Obj);
}

void TKEVArrayField::Assign(const TPersistent* Source) {
    const auto* source = CastLike(Source, *this);
    if (source == nullptr) {
        TKEVField::Assign(Source);
        return;
    }
    for (std::size_t i = 0; i < FFields.size(); ++i) {
        const TKEVField* element = i < source->FFields.size() ? source->FFields[i].get() : nullptr;
        TKEVField* own = FFields[i].get();
        if (own != nullptr && element != nullptr)
            own->Assign(element);
        else if (element != nullptr)
            SetField(static_cast<int>(i), element->Duplicate());
        else
            FFields[i].reset();
    }
}

std::string TKEVArrayField::GetName() const {
    return TKEVField::GetName() + "[...]";
}

std::unique_ptr<TKEVField> TKEVArrayField::Duplicate() const {
    auto copy = std::make_unique<TKEVArrayField>(GetFieldID(), GetCount(), GetOwner(), nullptr);
    copy->Assign(this);
    return copy;
}

bool TKEVArrayField::EqualsDetails(const TKEVField* Field, TStringList* DiffList) const {
    const auto* other = CastLike(Field, *this);
    if (other == nullptr)
        return false;
    bool result = GetCount() == other->GetCount();
    for (int i = 0; i < std::min(GetCount(), other->GetCount()); ++i) {
        const TKEVField* own = GetField(i);
        const TKEVField* element = other->GetField(i);
        if (own != nullptr && element != nullptr)
            result = own->EqualsDetails(element, DiffList) && result;
        else if (own != nullptr || element != nullptr)
            result = false;
    }
    return result;
}

void TKEVArrayField::SetToMin() {
    for (const auto& element : FFields)
        if (element != nullptr)
            element->SetToMin();
}

void TKEVArrayField::SetToMax() {
    for (const auto& element : FFields)
        if (element != nullptr)
            element->SetToMax();
}

TKEVField* TKEVArrayField::GetField(int Index) const {
    CheckIndex(Index);
    return FFields[static_cast<std::size_t>(Index)].get();
}

int TKEVArrayField::GetCount() const {
    return static_cast<int>(FFields.size());
}

void TKEVArrayField::SetField(int Index, std::unique_ptr<TKEVField> Field) {
    CheckIndex(Index);
    TKEVField* field = Field.get();
    // The raw and address fields are single fields; others are asked by a cast.
    const bool single =
        field != nullptr && (field->Kind() == TKind::RawUnsigned ||
                             field->Kind() == TKind::RawSigned || field->Kind() == TKind::Address);
    if (single)
        static_cast<TKEVSingleField*>(field)->SetContainer(this);
    else if (auto* other = dynamic_cast<TKEVSingleField*>(field))
        other->SetContainer(this);
    FFields[static_cast<std::size_t>(Index)] = std::move(Field);
    Changed();
}

void TKEVArrayField::CheckIndex(int Index) const {
    if (Index < 0 || Index >= GetCount())
        throw EStringListError(Format("List index out of bounds (%d)", Index));
}

} // namespace g20seq
