#include "model/KEVStringFields.h"

#include "support/Exceptions.h"
#include "support/Format.h"
#include "support/Latin1.h"
#include "support/StringList.h"

namespace g20seq {

// TKEVStringField

TKEVStringField::TKEVStringField(std::string_view FieldID, TPersistent* Owner,
                                 TInterfacedPersistent* Parent, const std::string& StringValue,
                                 Int64 StringSize)
    : TKEVSingleField(FieldID, Owner, Parent) {
    if (StringSize < 0 || StringSize > 0xFFFF)
        throw ERangeError();
    FSize = static_cast<Word>(StringSize);
    SetAsString(StringValue);
}

std::string TKEVStringField::ClassName() const {
    return "TKEVStringField";
}

void TKEVStringField::Assign(const TPersistent* Source) {
    const auto* source = CastLike(Source, *this);
    if (source == nullptr) {
        TKEVSingleField::Assign(Source);
        return;
    }
    StoreText(source->FString);
}

int TKEVStringField::GetAsInteger() const {
    return StrToInt(GetAsString());
}

double TKEVStringField::GetAsFloat() const {
    return StrToFloat(GetAsString());
}

std::string TKEVStringField::GetAsString() const {
    std::string text = FString;
    if (FOutputFormatProc)
        FOutputFormatProc(text);
    return text;
}

void TKEVStringField::SetAsInteger(int Value) {
    SetAsString(IntToStr(Value));
}

void TKEVStringField::SetAsFloat(double Value) {
    SetAsString(FloatToStr(Value));
}

void TKEVStringField::SetAsString(const std::string& Value) {
    std::string text = Value;
    if (FInputFormatProc)
        FInputFormatProc(text);
    StoreText(text);
}

void TKEVStringField::StoreText(const std::string& Text) {
    Utf8ToLatin1(Text); // every character must fit one byte
    if (Utf8Length(Text) > FSize)
        throw EFieldError(Format(SFieldBadString, Text, ClassName()));
    if (Text != FString) {
        FString = Text;
        Changed();
    }
}

std::unique_ptr<TKEVField> TKEVStringField::Duplicate() const {
    auto copy = std::make_unique<TKEVStringField>(GetFieldID(), GetOwner(), nullptr, "", FSize);
    copy->Assign(this);
    return copy;
}

bool TKEVStringField::EqualsDetails(const TKEVField* Field, TStringList* DiffList) const {
    if (Field != nullptr && Field->GetAsString() == GetAsString())
        return true;
    AddDifference(DiffList, Field);
    return false;
}

void TKEVStringField::SetToMin() {
    FString.assign(FSize, ' ');
}

void TKEVStringField::SetToMax() {
    FString.assign(FSize, 'z');
}

void TKEVStringField::SetSize(Int64 Value) {
    if (Value < 0 || Value > 0xFFFF)
        throw ERangeError();
    if (static_cast<std::size_t>(Value) < Utf8Length(FString))
        throw EFieldError(Format(SFieldBadString, IntToStr(Value), ClassName()));
    FSize = static_cast<Word>(Value);
}

// TKEVAddressField

TKEVAddressField::TKEVAddressField(std::string_view FieldID, TPersistent* Owner,
                                   TInterfacedPersistent* Parent, const std::string& AddressIP)
    : TKEVSingleField(FieldID, Owner, Parent) {
    SetKind(TKind::Address);
    SetAsString(AddressIP);
}

std::string TKEVAddressField::ClassName() const {
    return "TKEVAddressField";
}

THResult TKEVAddressField::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IKEVAddressField::IID) {
        *Obj = static_cast<IKEVAddressField*>(this);
        return THResult::S_OK;
    }
    return TKEVSingleField::QueryInterface(IID, Obj);
}

void TKEVAddressField::Assign(const TPersistent* Source) {
    const auto* source = CastLike(Source, *this);
    if (source == nullptr) {
        TKEVSingleField::Assign(Source);
        return;
    }
    FSegments = source->FSegments;
}

std::string TKEVAddressField::GetAsString() const {
    return Format("%d.%d.%d.%d", FSegments[0], FSegments[1], FSegments[2], FSegments[3]);
}

void TKEVAddressField::SetAsString(const std::string& Value) {
    std::array<Byte, 4> segments{};
    std::string::size_type start = 0;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const std::string::size_type dot = Value.find('.', start);
        const std::string part =
            start > Value.size() ? std::string() : Value.substr(start, dot - start);
        segments[i] = static_cast<Byte>(StrToInt(part) & 0xFF);
        start = dot == std::string::npos ? Value.size() + 1 : dot + 1;
    }
    FSegments = segments;
}

std::unique_ptr<TKEVField> TKEVAddressField::Duplicate() const {
    auto copy = std::make_unique<TKEVAddressField>(GetFieldID(), GetOwner(), nullptr, "0.0.0.0");
    copy->Assign(this);
    return copy;
}

bool TKEVAddressField::EqualsDetails(const TKEVField* Field, TStringList* DiffList) const {
    const auto* other = CastLike(Field, *this);
    if (other != nullptr && other->GetAddress() == GetAddress())
        return true;
    AddDifference(DiffList, Field);
    return false;
}

void TKEVAddressField::SetToMin() {
    FSegments.fill(0);
}

void TKEVAddressField::SetToMax() {
    FSegments.fill(255);
}

LongWord TKEVAddressField::GetAddress() const {
    LongWord address = 0;
    for (const Byte segment : FSegments)
        address = (address << 8) | segment;
    return address;
}

int TKEVAddressField::GetSegment(int Index) const {
    return Index >= 0 && Index < 4 ? FSegments[static_cast<std::size_t>(Index)] : -1;
}

void TKEVAddressField::SetAddress(LongWord Value) {
    for (int i = 3; i >= 0; --i, Value >>= 8)
        FSegments[static_cast<std::size_t>(i)] = static_cast<Byte>(Value & 0xFF);
}

void TKEVAddressField::SetSegment(int Index, int Value) {
    if (Index >= 0 && Index < 4)
        FSegments[static_cast<std::size_t>(Index)] = static_cast<Byte>(Value & 0xFF);
}

} // namespace g20seq
