#include "model/KEVNumericFields.h"

#include "model/CustomZoneCPS.h"
#include "support/Exceptions.h"
#include "support/Format.h"
#include "support/Rounding.h"
#include "support/StringList.h"

#include <cmath>
#include <limits>
#include <type_traits>

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

// Answers a query for interface I with Field's own I; false for any other identifier.
template <class I, class F> bool Offer(F* Field, const TGUID& IID, void** Obj) {
    if (!(IID == I::IID))
        return false;
    *Obj = static_cast<I*>(Field);
    return true;
}

// The one range rule of numeric fields: min <= value <= max, reported in display units.
template <class T>
void CheckRange(const TKEVField& Field, double Ratio, T MinValue, T MaxValue, T Value) {
    if (MinValue <= MaxValue && MinValue <= Value && Value <= MaxValue)
        return;
    throw EFieldError::CreateFmtRange(SFieldRange, Field.GetName() + ":" + Field.ClassName(),
                                      MinValue * Ratio, MaxValue * Ratio, Value * Ratio);
}

// A decimal integer: an optional minus and at least one digit, nothing else (no sign "+",
// no blanks, no hexadecimal prefix), within the range of int.
bool DecimalInteger(const std::string& Text, int& Value) {
    const bool negative = !Text.empty() && Text[0] == '-';
    const std::size_t first = negative ? 1 : 0;
    if (Text.size() == first)
        return false;
    Int64 magnitude = 0;
    for (std::size_t i = first; i < Text.size(); ++i) {
        if (Text[i] < '0' || Text[i] > '9')
            return false;
        magnitude = magnitude * 10 + (Text[i] - '0');
        if (magnitude > Int64{std::numeric_limits<int>::max()} + 1)
            return false;
    }
    const Int64 value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int>::max())
        return false;
    Value = static_cast<int>(value);
    return true;
}

// An integer text for an integer field: empty means no change (false); a text that is no
// decimal integer raises the field's integer message.
bool IntegerText(const TKEVField& Field, const std::string& Text, int& Value) {
    if (Text.empty())
        return false;
    if (!DecimalInteger(Text, Value))
        throw EFieldError(Format(SFieldBadInteger, Text, Field.ClassName()));
    return true;
}

} // namespace

// TKEVRawField

template <class T, class IRaw>
TKEVRawField<T, IRaw>::TKEVRawField(std::string_view FieldID, TPersistent* Owner,
                                    TInterfacedPersistent* Parent, double aRatio)
    : TKEVSingleField(FieldID, Owner, Parent), FRatio(aRatio) {
    SetKind(std::is_same_v<IRaw, IRawNumericField> ? TKind::RawUnsigned : TKind::RawSigned);
}

template <class T, class IRaw>
THResult TKEVRawField<T, IRaw>::QueryInterface(const TGUID& IID, void** Obj) {
    return Offer<IRaw>(this, IID, Obj) ? THResult::S_OK : TKEVSingleField::QueryInterface(IID, Obj);
}

template <class T, class IRaw> void TKEVRawField<T, IRaw>::Assign(const TPersistent* Source) {
    const auto* source = CastLike(Source, *this);
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
    // Copies of a zone's fields nearly always have the ratio already (decode copies).
    if (FRatio != source->FRatio)
        SetRatio(source->FRatio);
}

template <class T, class IRaw> bool TKEVRawField<T, IRaw>::SameRaw(const TKEVField* Field) const {
    const auto* other = CastLike(Field, *this);
    return other != nullptr && other->FValue == FValue && other->FRatio == FRatio;
}

template <class T, class IRaw>
bool TKEVRawField<T, IRaw>::EqualsDetails(const TKEVField* Field, TStringList* DiffList) const {
    if (SameRaw(Field))
        return true;
    AddDifference(DiffList, Field);
    return false;
}

template <class T, class IRaw> void TKEVRawField<T, IRaw>::SetToMin() {
    FValue = FMin;
}

template <class T, class IRaw> void TKEVRawField<T, IRaw>::SetToMax() {
    FValue = FMax;
}

template <class T, class IRaw> void TKEVRawField<T, IRaw>::SetValue(T Value) {
    SetRange(FMin, FMax, Value);
}

template <class T, class IRaw> void TKEVRawField<T, IRaw>::SetRatio(double Value) {
    FRatio = Value;
}

template <class T, class IRaw> void TKEVRawField<T, IRaw>::SetRawMin(Int64 Value) {
    SetRange(InWidth<T>(Value), FMax, FValue);
}

template <class T, class IRaw> void TKEVRawField<T, IRaw>::SetRawMax(Int64 Value) {
    SetRange(FMin, InWidth<T>(Value), FValue);
}

template <class T, class IRaw> void TKEVRawField<T, IRaw>::SetRawValue(Int64 Value) {
    SetRange(FMin, FMax, InWidth<T>(Value));
}

template <class T, class IRaw>
void TKEVRawField<T, IRaw>::SetRange(T MinValue, T MaxValue, T Value) {
    CheckRange(*this, FRatio, MinValue, MaxValue, Value);
    FMin = MinValue;
    FMax = MaxValue;
    if (Value != FValue) {
        FValue = Value;
        Changed();
    }
}

template <class T, class IRaw>
void TKEVRawField<T, IRaw>::SetRawRange(Int64 MinValue, Int64 MaxValue, Int64 Value) {
    const T rawMin = InWidth<T>(MinValue);
    const T rawMax = InWidth<T>(MaxValue);
    const T rawValue = InWidth<T>(Value);
    SetRange(rawMin, rawMax, rawValue);
}

template <class T, class IRaw> T TKEVRawField<T, IRaw>::RawOf(double Display) const {
    return InWidth<T>(RoundChecked(Display / FRatio));
}

template <class T, class IRaw> int TKEVRawField<T, IRaw>::Scaled(T Raw) const {
    return InWidth<std::int32_t>(RoundChecked(Raw * FRatio));
}

template class TKEVRawField<Word, IRawNumericField>;
template class TKEVRawField<std::int32_t, IRawSignedNumericField>;

// TKEVNumericField

TKEVNumericField::TKEVNumericField(std::string_view FieldID, TPersistent* Owner,
                                   TInterfacedPersistent* Parent, double aRatio)
    : TKEVRawField(FieldID, Owner, Parent, aRatio) {}

std::string TKEVNumericField::ClassName() const {
    return "TKEVNumericField";
}

// TKEVSignedNumericField

TKEVSignedNumericField::TKEVSignedNumericField(std::string_view FieldID, TPersistent* Owner,
                                               TInterfacedPersistent* Parent, double aRatio)
    : TKEVRawField(FieldID, Owner, Parent, aRatio) {}

std::string TKEVSignedNumericField::ClassName() const {
    return "TKEVSignedNumericField";
}

// TKEVIntegerFieldOf

template <class Base>
TKEVIntegerFieldOf<Base>::TKEVIntegerFieldOf(std::string_view FieldID, TPersistent* Owner,
                                             TInterfacedPersistent* Parent, double aRatio)
    : Base(FieldID, Owner, Parent, aRatio) {}

template <class Base>
THResult TKEVIntegerFieldOf<Base>::QueryInterface(const TGUID& IID, void** Obj) {
    return Offer<IKEVIntegerField>(this, IID, Obj) ? THResult::S_OK
                                                   : Base::QueryInterface(IID, Obj);
}

template <class Base> int TKEVIntegerFieldOf<Base>::GetAsInteger() const {
    return this->Scaled(this->GetRawValue());
}

template <class Base> double TKEVIntegerFieldOf<Base>::GetAsFloat() const {
    return GetAsInteger();
}

template <class Base> std::string TKEVIntegerFieldOf<Base>::GetAsString() const {
    return IntToStr(GetAsInteger());
}

template <class Base> bool TKEVIntegerFieldOf<Base>::GetAsBoolean() const {
    return GetAsInteger() == 1;
}

template <class Base> void TKEVIntegerFieldOf<Base>::SetAsInteger(int Value) {
    this->SetValue(this->RawOf(Value));
}

template <class Base> void TKEVIntegerFieldOf<Base>::SetAsFloat(double Value) {
    SetAsInteger(InWidth<std::int32_t>(RoundChecked(Value)));
}

template <class Base> void TKEVIntegerFieldOf<Base>::SetAsString(const std::string& Value) {
    int number = 0;
    if (!IntegerText(*this, Value, number))
        return;
    // A typed negative number is a value below the limits of an unsigned field, reported
    // as such rather than as a storage overflow.
    if constexpr (std::is_unsigned_v<decltype(this->GetRawValue())>) {
        const Int64 raw = RoundChecked(number / this->GetRatio());
        if (raw < 0)
            CheckRange<double>(*this, this->GetRatio(), this->GetRawMin(), this->GetRawMax(),
                               static_cast<double>(raw));
    }
    SetAsInteger(number);
}

template <class Base> void TKEVIntegerFieldOf<Base>::SetAsBoolean(bool Value) {
    SetAsInteger(Value ? 1 : 0);
}

template <class Base> void TKEVIntegerFieldOf<Base>::SetRatio(double Value) {
    Base::SetRatio(Value);
}

template <class Base> int TKEVIntegerFieldOf<Base>::GetMin() const {
    if constexpr (std::is_unsigned_v<decltype(this->GetRawMin())>)
        return this->Scaled(this->GetRawMin());
    else
        return this->GetRawMin();
}

template <class Base> int TKEVIntegerFieldOf<Base>::GetMax() const {
    if constexpr (std::is_unsigned_v<decltype(this->GetRawMax())>)
        return this->Scaled(this->GetRawMax());
    else
        return this->GetRawMax();
}

template <class Base> void TKEVIntegerFieldOf<Base>::SetMin(Int64 Value) {
    this->SetRawMin(Value);
}

template <class Base> void TKEVIntegerFieldOf<Base>::SetMax(Int64 Value) {
    this->SetRawMax(Value);
}

template class TKEVIntegerFieldOf<TKEVNumericField>;
template class TKEVIntegerFieldOf<TKEVSignedNumericField>;

// TKEVDoubleField

TKEVDoubleField::TKEVDoubleField(std::string_view FieldID, TPersistent* Owner,
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

THResult TKEVDoubleField::QueryInterface(const TGUID& IID, void** Obj) {
    return Offer<IKEVDoubleField>(this, IID, Obj) ? THResult::S_OK
                                                  : TKEVNumericField::QueryInterface(IID, Obj);
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

TKEVIntegerField::TKEVIntegerField(std::string_view FieldID, TPersistent* Owner,
                                   TInterfacedPersistent* Parent, Int64 MinValue, Int64 MaxValue,
                                   Int64 DefaultValue, double aRatio)
    : TKEVIntegerFieldOf(FieldID, Owner, Parent, aRatio) {
    // Checked here, so that a range error names this class.
    SetRawRange(MinValue, MaxValue, DefaultValue);
}

TKEVIntegerField::TKEVIntegerField(std::string_view FieldID, TPersistent* Owner,
                                   TInterfacedPersistent* Parent, double aRatio)
    : TKEVIntegerFieldOf(FieldID, Owner, Parent, aRatio) {}

std::string TKEVIntegerField::ClassName() const {
    return "TKEVIntegerField";
}

std::unique_ptr<TKEVField> TKEVIntegerField::Duplicate() const {
    auto copy = std::make_unique<TKEVIntegerField>(GetFieldID(), GetOwner(), nullptr, 0, 0, 0, 1.0);
    copy->Assign(this);
    return copy;
}

// TKEVEnumField

TKEVEnumField::TKEVEnumField(std::string_view FieldID, TPersistent* Owner,
                             TInterfacedPersistent* Parent, std::span<const TIDZone> IDList,
                             int DefaultValue, int EnumOffset)
    : TKEVEnumField(FieldID, Owner, Parent) {
    SetRawRange(EnumOffset, EnumOffset + static_cast<Int64>(IDList.size()) - 1, DefaultValue);
}

TKEVEnumField::TKEVEnumField(std::string_view FieldID, TPersistent* Owner,
                             TInterfacedPersistent* Parent)
    : TKEVIntegerField(FieldID, Owner, Parent, 1.0) {}

std::string TKEVEnumField::ClassName() const {
    return "TKEVEnumField";
}

THResult TKEVEnumField::QueryInterface(const TGUID& IID, void** Obj) {
    return Offer<IKevEnumFieldAsRead>(this, IID, Obj) ? THResult::S_OK
                                                      : TKEVIntegerField::QueryInterface(IID, Obj);
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
    std::unique_ptr<TKEVEnumField> copy(new TKEVEnumField(GetFieldID(), GetOwner(), nullptr));
    copy->Assign(this);
    return copy;
}

bool TKEVEnumField::EqualsDetails(const TKEVField* Field, TStringList* DiffList) const {
    if (SameRaw(Field))
        return true;
    if (DiffList == nullptr)
        return false;
    TFieldDifference difference = Difference(Field);
    difference.OwnValue = GetAsInteger();
    // Without another field there is no other value: the line of any single field.
    if (Field != nullptr)
        difference.OtherValue = Field->GetAsInteger();
    ReportDifference(DiffList, difference);
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

TKEVBooleanField::TKEVBooleanField(std::string_view FieldID, TPersistent* Owner,
                                   TInterfacedPersistent* Parent, bool DefaultValue)
    : TKEVEnumField(FieldID, Owner, Parent) {
    SetRawRange(0, 1, DefaultValue ? 1 : 0);
}

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

// TKEVSignedIntegerField

TKEVSignedIntegerField::TKEVSignedIntegerField(std::string_view FieldID, TPersistent* Owner,
                                               TInterfacedPersistent* Parent, Int64 MinValue,
                                               Int64 MaxValue, Int64 DefaultValue, double aRatio)
    : TKEVIntegerFieldOf(FieldID, Owner, Parent, aRatio) {
    // Checked here, so that a range error names this class.
    SetRawRange(MinValue, MaxValue, DefaultValue);
}

std::string TKEVSignedIntegerField::ClassName() const {
    return "TKEVSignedIntegerField";
}

std::unique_ptr<TKEVField> TKEVSignedIntegerField::Duplicate() const {
    auto copy =
        std::make_unique<TKEVSignedIntegerField>(GetFieldID(), GetOwner(), nullptr, 0, 0, 0, 1.0);
    copy->Assign(this);
    return copy;
}

} // namespace g20seq
