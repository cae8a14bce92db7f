#pragma once

#include "model/KEVField.h"

#include <array>
#include <functional>

namespace g20seq {

// Rewrites a text in place (display or input formatting of a text field).
using TFormatProc = std::function<void(std::string& aString)>;

// A bounded text. Lengths count characters; every character must fit one byte
// (Latin-1) since payloads and zone files store one byte per character, so a character
// above 255 raises ERangeError. A text longer than the size raises EFieldError
// "'%s' n'est pas une valeur chaîne correcte pour le champ '%s'" and changes nothing.
class TKEVStringField : public TKEVSingleField {
public:
    TKEVStringField(std::string_view FieldID, TPersistent* Owner, TInterfacedPersistent* Parent,
                    const std::string& StringValue, Int64 StringSize);

    std::string ClassName() const override;
    // From another text field: the stored text, through the size check and the change
    // callback but not through the input format.
    void Assign(const TPersistent* Source) override;

    // Conversions of the text itself; a text that is no number raises EConvertError.
    int GetAsInteger() const override;
    double GetAsFloat() const override;
    // The stored text, through the output format when there is one.
    std::string GetAsString() const override;
    void SetAsInteger(int Value) override;
    void SetAsFloat(double Value) override;
    // Through the input format when there is one, then the size check.
    void SetAsString(const std::string& Value) override;
    std::unique_ptr<TKEVField> Duplicate() const override;
    // Case-sensitive comparison of the texts.
    bool EqualsDetails(const TKEVField* Field, TStringList* DiffList) const override;
    // Size spaces, or size letters "z"; no change callback.
    void SetToMin() override;
    void SetToMax() override;

    Word GetSize() const { return FSize; }
    // A size below the current text length raises EFieldError (message 65521 with the size).
    void SetSize(Int64 Value);
    void SetOutputFormatProc(TFormatProc Proc) { FOutputFormatProc = std::move(Proc); }
    void SetInputFormatProc(TFormatProc Proc) { FInputFormatProc = std::move(Proc); }

private:
    void StoreText(const std::string& Text);

    TFormatProc FOutputFormatProc;
    TFormatProc FInputFormatProc;
    std::string FString;
    Word FSize = 0;
};

// An IPv4 address of four byte segments, most significant first, read and written in the
// dotted form a.b.c.d.
class TKEVAddressField : public TKEVSingleField, public IKEVAddressField {
public:
    TKEVAddressField(std::string_view FieldID, TPersistent* Owner, TInterfacedPersistent* Parent,
                     const std::string& AddressIP);

    std::string ClassName() const override;
    THResult QueryInterface(const TGUID& IID, void** Obj) override;
    void Assign(const TPersistent* Source) override;

    std::string GetAsString() const override;
    // Parts 0 to 3 of the text split at "." must be integers (EConvertError otherwise);
    // each segment keeps the low 8 bits.
    void SetAsString(const std::string& Value) override;
    std::unique_ptr<TKEVField> Duplicate() const override;
    bool EqualsDetails(const TKEVField* Field, TStringList* DiffList) const override;
    // 0.0.0.0 and 255.255.255.255.
    void SetToMin() override;
    void SetToMax() override;

    LongWord GetAddress() const override;
    int GetSegment(int Index) const override;
    void SetAddress(LongWord Value) override;
    void SetSegment(int Index, int Value) override;

private:
    std::array<Byte, 4> FSegments{};
};

} // namespace g20seq
