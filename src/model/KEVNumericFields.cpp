#include "model/KEVNumericFields.h"

#include "model/CustomZoneCPS.h"
#include "support/Exceptions.h"
#include "support/Format.h"
#include "support/Rounding.h"
#include "support/StringList.h"

#include <cmath>
#include <limits>

namespace g20seq {

namespace {

// Nearest integer, ties to even; a result no 64-bit integer holds is a range error.
Int64 RoundChecked(double Value) {
    if (!std::isfinite(Value) || std::fabs(Value) >= 9.2e18)
        throw ERangeError();
    return RoundToEven(Value);
}

// A value within the storage width of T, or the range error.
template <class T> T InWidth(Int64 Value) {
    if (Value < std::numeric_limits<T>::min() || Value > std::numeric_limits<T>::max())
        throw ERangeError();
    return static_cast<T>(Value);
}

// The one range rule of numeric fields: min <= value <= max, reported in display units.
template <class T>
void CheckRange(const TKEVField& Field, double Ratio, T MinValue, T MaxValue, T Value) {
    if (MinValue <= MaxValue && MinValue <= Value && Value <= MaxValue)
        return;
    throw EFieldError::CreateFmtRange(SFieldRange, Field.GetName() + ":" + Field.ClassName(),
                                      MinValue * Ratio, MaxValue * Ratio, Value * Ratio);
}

// An integer text for an integer field: empty means no change (false); a text that is no
// integer raises the field's integer message.
bool IntegerText(const TKEVField& Field, const std::string& Text, int& Value) {
    if (Text.empty())
        return false;
    if (!TryStrToInt(Text, Value))
        throw EFieldError(Format(SFieldBadInteger, Text, Field.ClassName()));
    return true;
}

} // namespace

// TKEVNumericField

TKEVNumericField::TKEVNumericField(const std::string& FieldID, TPersistent* Owner,
                                   TInterfacedPersistent* Parent, double aRatio)
    : TKEVSingleField(FieldID, Owner, Parent), FRatio(aRatio) {}

std::string TKEVNumericField::ClassName() const {
    return "TKEVNumericField";
}

bool TKEVNumericField::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IRawNumericField::IID) {
        *Obj = static_cast<IRawNumericField*>(this);
        return true;
    }
    return TKEVSingleField::QueryInterface(IID, Obj);
}

void TKEVNumericField::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TKEVNumericField*>(Source);
    if (source == nullptr) {
        TKEVSingleField::Assign(Source);
        return;
    }
    FMin = source->FMin;
    FMax = source->FMax;
    if (FValue != source->FValue) {
        FValue = source->FValue;
        Changed();
    }
    SetRatio(source->FRatio);
}

bool TKEVNumericField::SameRaw(const TKEVField* Field) const {
    const auto* other = dynamic_cast<const TKEVNumericField*>(Field);
    return other != nullptr && other->FValue == FValue && other->FRatio == FRatio;
}

bool TKEVNumericField::EqualsDetails(const TKEVField* Field, TStringList* DiffList) const {
    if (SameRaw(Field))
        return true;
    AddDifference(DiffList, Field);
    return false;
}

void TKEVNumericField::SetToMin() {
    FValue = FMin;
}

void TKEVNumericField::SetToMax() {
    FValue = FMax;
}

void TKEVNumericField::SetValue(Word Value) {
    SetRange(FMin, FMax, Value);
}

void TKEVNumericField::SetRatio(double Value) {
    FRatio = Value;
}

void TKEVNumericField::SetRawMin(Int64 Value) {
    SetRange(InWidth<Word>(Value), FMax, FValue);
}

void TKEVNumericField::SetRawMax(Int64 Value) {
    SetRange(FMin, InWidth<Word>(Value), FValue);
}

void TKEVNumericField::SetRawValue(Int64 Value) {
    SetRange(FMin, FMax, InWidth<Word>(Value));
}

void TKEVNumericField::SetRange(Word MinValue, Word MaxValue, Word Value) {
    CheckRange(*this, FRatio, MinValue, MaxValue, Value);
    FMin = MinValue;
    FMax = MaxValue;
    if (Value != FValue) {
        FValue = Value;
        Changed();
    }
}

Word TKEVNumericField::RawOf(double Display) const {
    return InWidth<Word>(RoundChecked(Display / FRatio));
}

int TKEVNumericField::Scaled(Word Raw) const {
    return InWidth<std::int32_t>(RoundChecked(Raw * FRatio));
}

// TKEVDoubleField

TKEVDoubleField::TKEVDoubleField(const std::string& FieldID, TPersistent* Owner,
                                 TInterfacedPersistent* Parent, double aRatio, double MinValue,
                                 double MaxValue, double DefaultValue)
    : TKEVNumericField(FieldID, Owner, Parent, aRatio) {
    const Word rawMin = RawOf(MinValue);
    const Word rawMax = RawOf(MaxValue);
    const Word rawDefault = RawOf(DefaultValue);
    SetRange(rawMin, rawMax, rawDefault);
}

std::string TKEVDoubleField::ClassName() const {
    return "TKEVDoubleField";
}

bool TKEVDoubleField::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IKEVDoubleField::IID) {
        *Obj = static_cast<IKEVDoubleField*>(this);
        return true;
    }
    return TKEVNumericField::QueryInterface(IID, Obj);
}

int TKEVDoubleField::GetAsInteger() const {
    return InWidth<std::int32_t>(RoundChecked(GetAsFloat()));
}

double TKEVDoubleField::GetAsFloat() const {
    return GetRawValue() * GetRatio();
}

std::string TKEVDoubleField::GetAsString() const {
    return FloatToStr(GetAsFloat());
}

bool TKEVDoubleField::GetAsBoolean() const {
    return GetAsFloat() == 1.0;
}

void TKEVDoubleField::SetAsInteger(int Value) {
    SetAsFloat(Value);
}

void TKEVDoubleField::SetAsFloat(double Value) {
    SetValue(RawOf(Value));
}

void TKEVDoubleField::SetAsString(const std::string& Value) {
    SetAsFloat(StrToFloat(Value));
}

void TKEVDoubleField::SetAsBoolean(bool Value) {
    SetAsFloat(Value ? 1.0 : 0.0);
}

std::unique_ptr<TKEVField> TKEVDoubleField::Duplicate() const {
    auto copy = std::make_unique<TKEVDoubleField>(GetFieldID(), GetOwner(), nullptr, 1.0, 0, 0, 0);
    copy->Assign(this);
    return copy;
}

void TKEVDoubleField::SetRatio(double Value) {
    TKEVNumericField::SetRatio(Value);
}

double TKEVDoubleField::GetMin() const {
    return GetRawMin() * GetRatio();
}

double TKEVDoubleField::GetMax() const {
    return GetRawMax() * GetRatio();
}

void TKEVDoubleField::SetMin(double Value) {
    SetRange(RawOf(Value), GetRawMax(), GetRawValue());
}

void TKEVDoubleField::SetMax(double Value) {
    SetRange(GetRawMin(), RawOf(Value), GetRawValue());
}

// TKEVIntegerField

TKEVIntegerField::TKEVIntegerField(const std::string& FieldID, TPersistent* Owner,
                                   TInterfacedPersistent* Parent, Int64 MinValue, Int64 MaxValue,
                                   Int64 DefaultValue, double aRatio)
    : TKEVNumericField(FieldID, Owner, Parent, aRatio) {
    const Word rawMin = InWidth<Word>(MinValue);
    const Word rawMax = InWidth<Word>(MaxValue);
    const Word rawDefault = InWidth<Word>(DefaultValue);
    SetRange(rawMin, rawMax, rawDefault);
}

std::string TKEVIntegerField::ClassName() const {
    return "TKEVIntegerField";
}

bool TKEVIntegerField::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IKEVIntegerField::IID) {
        *Obj = static_cast<IKEVIntegerField*>(this);
        return true;
    }
    return TKEVNumericField::QueryInterface(IID, Obj);
}

int TKEVIntegerField::GetAsInteger() const {
    return Scaled(GetRawValue());
}

double TKEVIntegerField::GetAsFloat() const {
    return GetAsInteger();
}

std::string TKEVIntegerField::GetAsString() const {
    return IntToStr(GetAsInteger());
}

bool TKEVIntegerField::GetAsBoolean() const {
    return GetAsInteger() == 1;
}

void TKEVIntegerField::SetAsInteger(int Value) {
    SetValue(RawOf(Value));
}

void TKEVIntegerField::SetAsFloat(double Value) {
    SetAsInteger(InWidth<std::int32_t>(RoundChecked(Value)));
}

void TKEVIntegerField::SetAsString(const std::string& Value) {
    int number = 0;
    if (IntegerText(*this, Value, number))
        SetAsInteger(number);
}

void TKEVIntegerField::SetAsBoolean(bool Value) {
    SetAsInteger(Value ? 1 : 0);
}

std::unique_ptr<TKEVField> TKEVIntegerField::Duplicate() const {
    auto copy = std::make_unique<TKEVIntegerField>(GetFieldID(), GetOwner(), nullptr, 0, 0, 0, 1.0);
    copy->Assign(this);
    return copy;
}

void TKEVIntegerField::SetRatio(double Value) {
    TKEVNumericField::SetRatio(Value);
}

int TKEVIntegerField::GetMin() const {
    return Scaled(GetRawMin());
}

int TKEVIntegerField::GetMax() const {
    return Scaled(GetRawMax());
}

void TKEVIntegerField::SetMin(Int64 Value) {
    SetRawMin(Value);
}

void TKEVIntegerField::SetMax(Int64 Value) {
    SetRawMax(Value);
}

// TKEVEnumField

TKEVEnumField::TKEVEnumField(const std::string& FieldID, TPersistent* Owner,
                             TInterfacedPersistent* Parent, std::span<const TIDZone> IDList,
                             int DefaultValue, int EnumOffset)
    : TKEVEnumField(FieldID, Owner, Parent, EnumOffset,
                    EnumOffset + static_cast<int>(IDList.size()) - 1, DefaultValue) {}

TKEVEnumField::TKEVEnumField(const std::string& FieldID, TPersistent* Owner,
                             TInterfacedPersistent* Parent, int MinValue, int MaxValue,
                             int DefaultValue)
    : TKEVIntegerField(FieldID, Owner, Parent, MinValue, MaxValue, DefaultValue, 1.0) {}

std::string TKEVEnumField::ClassName() const {
    return "TKEVEnumField";
}

bool TKEVEnumField::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IKevEnumFieldAsRead::IID) {
        *Obj = static_cast<IKevEnumFieldAsRead*>(this);
        return true;
    }
    return TKEVIntegerField::QueryInterface(IID, Obj);
}

std::string TKEVEnumField::GetAsString() const {
    return GetEnum(GetAsInteger());
}

bool TKEVEnumField::GetAsBoolean() const {
    TypeAccessError("Boolean");
}

void TKEVEnumField::SetAsString(const std::string&) {
    TypeAccessError("String");
}

void TKEVEnumField::SetAsBoolean(bool) {
    TypeAccessError("Boolean");
}

std::unique_ptr<TKEVField> TKEVEnumField::Duplicate() const {
    std::unique_ptr<TKEVEnumField> copy(
        new TKEVEnumField(GetFieldID(), GetOwner(), nullptr, 0, 0, 0));
    copy->Assign(this);
    return copy;
}

bool TKEVEnumField::EqualsDetails(const TKEVField* Field, TStringList* DiffList) const {
    if (SameRaw(Field))
        return true;
    if (DiffList != nullptr)
        DiffList->Add(Format("%s=%s,%s,%d,%d", DifferenceName(), QuotedFieldText(GetAsString()),
                             QuotedFieldText(Field->GetAsString()), GetAsInteger(),
                             Field->GetAsInteger()));
    return false;
}

void TKEVEnumField::SetRatio(double) {
    TKEVIntegerField::SetRatio(1.0);
}

std::string TKEVEnumField::GetEnum(int Index) const {
    const TCustomZoneCPS* zone = OwnerZone();
    return zone != nullptr ? zone->DetailChamp(GetFieldID(), IntToStr(Index)) : IntToStr(Index);
}

void TKEVEnumField::FillList(TStringList* ValueList) const {
    if (ValueList == nullptr)
        return;
    ValueList->Clear();
    for (int i = 0; i <= GetRawMax() - GetRawMin(); ++i)
        ValueList->Add(GetEnum(i));
}

// TKEVBooleanField

TKEVBooleanField::TKEVBooleanField(const std::string& FieldID, TPersistent* Owner,
                                   TInterfacedPersistent* Parent, bool DefaultValue)
    : TKEVEnumField(FieldID, Owner, Parent, 0, 1, DefaultValue ? 1 : 0) {}

std::string TKEVBooleanField::ClassName() const {
    return "TKEVBooleanField";
}

bool TKEVBooleanField::GetAsBoolean() const {
    return GetAsInteger() == 1;
}

void TKEVBooleanField::SetAsBoolean(bool Value) {
    SetAsInteger(Value ? 1 : 0);
}

std::unique_ptr<TKEVField> TKEVBooleanField::Duplicate() const {
    auto copy = std::make_unique<TKEVBooleanField>(GetFieldID(), GetOwner(), nullptr, false);
    copy->Assign(this);
    return copy;
}

// TKEVSignedNumericField

TKEVSignedNumericField::TKEVSignedNumericField(const std::string& FieldID, TPersistent* Owner,
                                               TInterfacedPersistent* Parent, double aRatio)
    : TKEVSingleField(FieldID, Owner, Parent), FRatio(aRatio) {}

std::string TKEVSignedNumericField::ClassName() const {
    return "TKEVSignedNumericField";
}

bool TKEVSignedNumericField::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IRawSignedNumericField::IID) {
        *Obj = static_cast<IRawSignedNumericField*>(this);
        return true;
    }
    return TKEVSingleField::QueryInterface(IID, Obj);
}

void TKEVSignedNumericField::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TKEVSignedNumericField*>(Source);
    if (source == nullptr) {
        TKEVSingleField::Assign(Source);
        return;
    }
    FMin = source->FMin;
    FMax = source->FMax;
    if (FValue != source->FValue) {
        FValue = source->FValue;
        Changed();
    }
    SetRatio(source->FRatio);
}

bool TKEVSignedNumericField::EqualsDetails(const TKEVField* Field, TStringList* DiffList) const {
    const auto* other = dynamic_cast<const TKEVSignedNumericField*>(Field);
    if (other != nullptr && other->FValue == FValue && other->FRatio == FRatio)
        return true;
    AddDifference(DiffList, Field);
    return false;
}

void TKEVSignedNumericField::SetToMin() {
    FValue = FMin;
}

void TKEVSignedNumericField::SetToMax() {
    FValue = FMax;
}

void TKEVSignedNumericField::SetValue(std::int32_t Value) {
    SetRange(FMin, FMax, Value);
}

void TKEVSignedNumericField::SetRatio(double Value) {
    FRatio = Value;
}

void TKEVSignedNumericField::SetRawMin(Int64 Value) {
    SetRange(InWidth<std::int32_t>(Value), FMax, FValue);
}

void TKEVSignedNumericField::SetRawMax(Int64 Value) {
    SetRange(FMin, InWidth<std::int32_t>(Value), FValue);
}

void TKEVSignedNumericField::SetRawValue(Int64 Value) {
    SetRange(FMin, FMax, InWidth<std::int32_t>(Value));
}

void TKEVSignedNumericField::SetRange(std::int32_t MinValue, std::int32_t MaxValue,
                                      std::int32_t Value) {
    CheckRange(*this, FRatio, MinValue, MaxValue, Value);
    FMin = MinValue;
    FMax = MaxValue;
    if (Value != FValue) {
        FValue = Value;
        Changed();
    }
}

// TKEVSignedIntegerField

TKEVSignedIntegerField::TKEVSignedIntegerField(const std::string& FieldID, TPersistent* Owner,
                                               TInterfacedPersistent* Parent, Int64 MinValue,
                                               Int64 MaxValue, Int64 DefaultValue, double aRatio)
    : TKEVSignedNumericField(FieldID, Owner, Parent, aRatio) {
    const auto rawMin = InWidth<std::int32_t>(MinValue);
    const auto rawMax = InWidth<std::int32_t>(MaxValue);
    const auto rawDefault = InWidth<std::int32_t>(DefaultValue);
    SetRange(rawMin, rawMax, rawDefault);
}

std::string TKEVSignedIntegerField::ClassName() const {
    return "TKEVSignedIntegerField";
}

bool TKEVSignedIntegerField::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IKEVIntegerField::IID) {
        *Obj = static_cast<IKEVIntegerField*>(this);
        return true;
    }
    return TKEVSignedNumericField::QueryInterface(IID, Obj);
}

int TKEVSignedIntegerField::GetAsInteger() const {
    return InWidth<std::int32_t>(RoundChecked(GetRawValue() * GetRatio()));
}

double TKEVSignedIntegerField::GetAsFloat() const {
    return GetAsInteger();
}

std::string TKEVSignedIntegerField::GetAsString() const {
    return IntToStr(GetAsInteger());
}

bool TKEVSignedIntegerField::GetAsBoolean() const {
    return GetAsInteger() == 1;
}

void TKEVSignedIntegerField::SetAsInteger(int Value) {
    SetValue(InWidth<std::int32_t>(RoundChecked(Value / GetRatio())));
}

void TKEVSignedIntegerField::SetAsFloat(double Value) {
    SetAsInteger(InWidth<std::int32_t>(RoundChecked(Value)));
}

void TKEVSignedIntegerField::SetAsString(const std::string& Value) {
    int number = 0;
    if (IntegerText(*this, Value, number))
        SetAsInteger(number);
}

void TKEVSignedIntegerField::SetAsBoolean(bool Value) {
    SetAsInteger(Value ? 1 : 0);
}

std::unique_ptr<TKEVField> TKEVSignedIntegerField::Duplicate() const {
    auto copy =
        std::make_unique<TKEVSignedIntegerField>(GetFieldID(), GetOwner(), nullptr, 0, 0, 0, 1.0);
    copy->Assign(this);
    return copy;
}

void TKEVSignedIntegerField::SetRatio(double Value) {
    TKEVSignedNumericField::SetRatio(Value);
}

int TKEVSignedIntegerField::GetMin() const {
    return GetRawMin();
}

int TKEVSignedIntegerField::GetMax() const {
    return GetRawMax();
}

void TKEVSignedIntegerField::SetMin(Int64 Value) {
    SetRawMin(Value);
}

void TKEVSignedIntegerField::SetMax(Int64 Value) {
    SetRawMax(Value);
}

} // namespace g20seq
