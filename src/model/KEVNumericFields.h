#pragma once

#include "model/IDZone.h"
#include "model/KEVField.h"

#include <cstdint>
#include <span>

namespace g20seq {

// Abstract base of fields holding an unsigned 16-bit raw value with its limits; the
// displayed value is raw x ratio. Every change of limits or value goes through one range
// check: a violation raises EFieldError "%g n'est pas une valeur correcte pour le champ
// '%s'. ..." in display units and leaves the field unchanged. Raw values outside 0..65535
// raise ERangeError before anything changes.
class TKEVNumericField : public TKEVSingleField, public IRawNumericField {
public:
    TKEVNumericField(const std::string& FieldID, TPersistent* Owner, TInterfacedPersistent* Parent,
                     double aRatio);

    std::string ClassName() const override;
    bool QueryInterface(const TGUID& IID, void** Obj) override;
    // From another unsigned numeric field: limits unchecked, then the value (telling the
    // change callback when it changed), then the ratio.
    void Assign(const TPersistent* Source) override;
    // Equal when raw values and ratios are equal.
    bool EqualsDetails(const TKEVField* Field, TStringList* DiffList) const override;
    void SetToMin() override;
    void SetToMax() override;

    virtual void SetValue(Word Value);
    virtual void SetRatio(double Value);

    Word GetRawMin() const override { return FMin; }
    Word GetRawMax() const override { return FMax; }
    Word GetRawValue() const override { return FValue; }
    void SetRawMin(Int64 Value) override;
    void SetRawMax(Int64 Value) override;
    void SetRawValue(Int64 Value) override;

    double GetRatio() const { return FRatio; }

protected:
    // The one place where limits and value change.
    void SetRange(Word MinValue, Word MaxValue, Word Value);
    bool SameRaw(const TKEVField* Field) const;
    // The raw value of a display value: round(Display / ratio), within 0..65535.
    Word RawOf(double Display) const;
    // round(raw x ratio) as a signed 32-bit integer.
    int Scaled(Word Raw) const;

private:
    Word FMin = 0;
    Word FMax = 0;
    Word FValue = 0;
    double FRatio;
};

// A value shown as a float (raw x ratio). Limits are given in display units.
class TKEVDoubleField : public TKEVNumericField, public IKEVDoubleField {
public:
    TKEVDoubleField(const std::string& FieldID, TPersistent* Owner, TInterfacedPersistent* Parent,
                    double aRatio, double MinValue, double MaxValue, double DefaultValue);

    std::string ClassName() const override;
    bool QueryInterface(const TGUID& IID, void** Obj) override;

    int GetAsInteger() const override;
    double GetAsFloat() const override;
    std::string GetAsString() const override;
    bool GetAsBoolean() const override;
    void SetAsInteger(int Value) override;
    void SetAsFloat(double Value) override;
    void SetAsString(const std::string& Value) override;
    void SetAsBoolean(bool Value) override;
    std::unique_ptr<TKEVField> Duplicate() const override;
    void SetRatio(double Value) override;

    double GetMin() const override;
    double GetMax() const override;
    double GetRatio() const override { return TKEVNumericField::GetRatio(); }
    void SetMin(double Value) override;
    void SetMax(double Value) override;
};

// A value shown as an integer: round(raw x ratio). Limits are given in raw units.
class TKEVIntegerField : public TKEVNumericField, public IKEVIntegerField {
public:
    TKEVIntegerField(const std::string& FieldID, TPersistent* Owner, TInterfacedPersistent* Parent,
                     Int64 MinValue, Int64 MaxValue, Int64 DefaultValue, double aRatio);

    std::string ClassName() const override;
    bool QueryInterface(const TGUID& IID, void** Obj) override;

    int GetAsInteger() const override;
    double GetAsFloat() const override;
    std::string GetAsString() const override;
    bool GetAsBoolean() const override;
    void SetAsInteger(int Value) override;
    void SetAsFloat(double Value) override;
    // An empty text changes nothing; a text that is not a decimal integer raises
    // EFieldError "'%s' n'est pas une valeur entière correcte pour le champ '%s'".
    void SetAsString(const std::string& Value) override;
    void SetAsBoolean(bool Value) override;
    std::unique_ptr<TKEVField> Duplicate() const override;
    void SetRatio(double Value) override;

    int GetMin() const override;
    int GetMax() const override;
    double GetRatio() const override { return TKEVNumericField::GetRatio(); }
    void SetMin(Int64 Value) override;
    void SetMax(Int64 Value) override;
};

// An index into a list of captions, from EnumOffset on; ratio always 1. The captions come
// from the owner zone (DetailChamp); only the number of captions is kept.
class TKEVEnumField : public TKEVIntegerField, public IKevEnumFieldAsRead {
public:
    TKEVEnumField(const std::string& FieldID, TPersistent* Owner, TInterfacedPersistent* Parent,
                  std::span<const TIDZone> IDList, int DefaultValue, int EnumOffset);

    std::string ClassName() const override;
    bool QueryInterface(const TGUID& IID, void** Obj) override;

    std::string GetAsString() const override;
    bool GetAsBoolean() const override;
    void SetAsString(const std::string& Value) override;
    void SetAsBoolean(bool Value) override;
    std::unique_ptr<TKEVField> Duplicate() const override;
    // Difference line with both integers: "%s=%s,%s,%d,%d".
    bool EqualsDetails(const TKEVField* Field, TStringList* DiffList) const override;
    void SetRatio(double Value) override;

    // Caption of value index Index (counted from 0, whatever the offset).
    std::string GetEnum(int Index) const override;
    void FillList(TStringList* ValueList) const override;

protected:
    // An enumeration of the values MinValue..MaxValue.
    TKEVEnumField(const std::string& FieldID, TPersistent* Owner, TInterfacedPersistent* Parent,
                  int MinValue, int MaxValue, int DefaultValue);
};

// A 0/1 value.
class TKEVBooleanField : public TKEVEnumField {
public:
    TKEVBooleanField(const std::string& FieldID, TPersistent* Owner, TInterfacedPersistent* Parent,
                     bool DefaultValue);

    std::string ClassName() const override;
    bool GetAsBoolean() const override;
    void SetAsBoolean(bool Value) override;
    std::unique_ptr<TKEVField> Duplicate() const override;
};

// Abstract base of fields holding a signed 32-bit raw value with its limits; the same
// rules as TKEVNumericField within the signed 32-bit width.
class TKEVSignedNumericField : public TKEVSingleField, public IRawSignedNumericField {
public:
    TKEVSignedNumericField(const std::string& FieldID, TPersistent* Owner,
                           TInterfacedPersistent* Parent, double aRatio);

    std::string ClassName() const override;
    bool QueryInterface(const TGUID& IID, void** Obj) override;
    void Assign(const TPersistent* Source) override;
    bool EqualsDetails(const TKEVField* Field, TStringList* DiffList) const override;
    void SetToMin() override;
    void SetToMax() override;

    virtual void SetValue(std::int32_t Value);
    virtual void SetRatio(double Value);

    std::int32_t GetRawMin() const override { return FMin; }
    std::int32_t GetRawMax() const override { return FMax; }
    std::int32_t GetRawValue() const override { return FValue; }
    void SetRawMin(Int64 Value) override;
    void SetRawMax(Int64 Value) override;
    void SetRawValue(Int64 Value) override;

    double GetRatio() const { return FRatio; }

protected:
    void SetRange(std::int32_t MinValue, std::int32_t MaxValue, std::int32_t Value);

private:
    std::int32_t FMin = 0;
    std::int32_t FMax = 0;
    std::int32_t FValue = 0;
    double FRatio;
};

// A signed integer: round(raw x ratio); limits read and written unscaled.
class TKEVSignedIntegerField : public TKEVSignedNumericField, public IKEVIntegerField {
public:
    TKEVSignedIntegerField(const std::string& FieldID, TPersistent* Owner,
                           TInterfacedPersistent* Parent, Int64 MinValue, Int64 MaxValue,
                           Int64 DefaultValue, double aRatio);

    std::string ClassName() const override;
    bool QueryInterface(const TGUID& IID, void** Obj) override;

    int GetAsInteger() const override;
    double GetAsFloat() const override;
    std::string GetAsString() const override;
    bool GetAsBoolean() const override;
    void SetAsInteger(int Value) override;
    void SetAsFloat(double Value) override;
    void SetAsString(const std::string& Value) override;
    void SetAsBoolean(bool Value) override;
    std::unique_ptr<TKEVField> Duplicate() const override;
    void SetRatio(double Value) override;

    int GetMin() const override;
    int GetMax() const override;
    double GetRatio() const override { return TKEVSignedNumericField::GetRatio(); }
    void SetMin(Int64 Value) override;
    void SetMax(Int64 Value) override;
};

} // namespace g20seq
