#pragma once

#include "model/IDZone.h"
#include "model/KEVField.h"

#include <cstdint>
#include <span>

namespace g20seq {

// Base of the numeric fields: a raw value of storage type T (unsigned 16-bit or signed
// 32-bit) with its limits, raw access through IRaw; the displayed value is raw x ratio.
// Every change of limits or value goes through one range check: a violation raises
// EFieldError "%g n'est pas une valeur correcte pour le champ '%s'. ..." in display units
// and leaves the field unchanged. Raw values outside the width of T raise ERangeError
// before anything changes.
template <class T, class IRaw> class TKEVRawField : public TKEVSingleField, public IRaw {
public:
    THResult QueryInterface(const TGUID& IID, void** Obj) override;
    // From another field of the same family: limits unchecked, then the value (telling the
    // change callback when it changed), then the ratio.
    void Assign(const TPersistent* Source) override;
    // Equal when raw values and ratios are equal.
    bool EqualsDetails(const TKEVField* Field, TStringList* DiffList) const override;
    void SetToMin() override;
    void SetToMax() override;

    virtual void SetValue(T Value);
    virtual void SetRatio(double Value);

    T GetRawMin() const override { return FMin; }
    T GetRawMax() const override { return FMax; }
    T GetRawValue() const override { return FValue; }
    void SetRawMin(Int64 Value) override;
    void SetRawMax(Int64 Value) override;
    void SetRawValue(Int64 Value) override;

    double GetRatio() const { return FRatio; }

protected:
    TKEVRawField(std::string_view FieldID, TPersistent* Owner, TInterfacedPersistent* Parent,
                 double aRatio);

    // The one place where limits and value change.
    void SetRange(T MinValue, T MaxValue, T Value);
    // Limits and value in raw units, each first checked against the width of T.
    void SetRawRange(Int64 MinValue, Int64 MaxValue, Int64 Value);
    bool SameRaw(const TKEVField* Field) const;
    // The raw value of a display value: round(Display / ratio), within the width of T.
    T RawOf(double Display) const;
    // round(raw x ratio) as a signed 32-bit integer.
    int Scaled(T Raw) const;

private:
    T FMin = 0;
    T FMax = 0;
    T FValue = 0;
    double FRatio;
};

// Abstract base of fields holding an unsigned 16-bit raw value (0..65535).
class TKEVNumericField : public TKEVRawField<Word, IRawNumericField> {
public:
    TKEVNumericField(std::string_view FieldID, TPersistent* Owner, TInterfacedPersistent* Parent,
                     double aRatio);

    std::string ClassName() const override;
};

// Abstract base of fields holding a signed 32-bit raw value.
class TKEVSignedNumericField : public TKEVRawField<std::int32_t, IRawSignedNumericField> {
public:
    TKEVSignedNumericField(std::string_view FieldID, TPersistent* Owner,
                           TInterfacedPersistent* Parent, double aRatio);

    std::string ClassName() const override;
};

// A value shown as an integer, round(raw x ratio), over a numeric base of either width:
// what the unsigned and signed integer fields share. Limits are taken in raw units; they
// read scaled and rounded over the unsigned base, raw over the signed one.
template <class Base> class TKEVIntegerFieldOf : public Base, public IKEVIntegerField {
public:
    THResult QueryInterface(const TGUID& IID, void** Obj) override;

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
    void SetRatio(double Value) override;

    int GetMin() const override;
    int GetMax() const override;
    double GetRatio() const override { return Base::GetRatio(); }
    void SetMin(Int64 Value) override;
    void SetMax(Int64 Value) override;

protected:
    TKEVIntegerFieldOf(std::string_view FieldID, TPersistent* Owner, TInterfacedPersistent* Parent,
                       double aRatio);
};

extern template class TKEVRawField<Word, IRawNumericField>;
extern template class TKEVRawField<std::int32_t, IRawSignedNumericField>;
extern template class TKEVIntegerFieldOf<TKEVNumericField>;
extern template class TKEVIntegerFieldOf<TKEVSignedNumericField>;

// A value shown as a float (raw x ratio). Limits are given in display units.
class TKEVDoubleField : public TKEVNumericField, public IKEVDoubleField {
public:
    TKEVDoubleField(std::string_view FieldID, TPersistent* Owner, TInterfacedPersistent* Parent,
                    double aRatio, double MinValue, double MaxValue, double DefaultValue);

    std::string ClassName() const override;
    THResult QueryInterface(const TGUID& IID, void** Obj) override;

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

// A value shown as an integer: round(raw x ratio).
class TKEVIntegerField : public TKEVIntegerFieldOf<TKEVNumericField> {
public:
    TKEVIntegerField(std::string_view FieldID, TPersistent* Owner, TInterfacedPersistent* Parent,
                     Int64 MinValue, Int64 MaxValue, Int64 DefaultValue, double aRatio);

    std::string ClassName() const override;
    std::unique_ptr<TKEVField> Duplicate() const override;

protected:
    // Limits and value left at 0: the deriving class sets them in its own constructor, so
    // that a range error names that class.
    TKEVIntegerField(std::string_view FieldID, TPersistent* Owner, TInterfacedPersistent* Parent,
                     double aRatio);
};

// An index into a list of captions, from EnumOffset on; ratio always 1. The captions come
// from the owner zone (DetailChamp); only the number of captions is kept.
class TKEVEnumField : public TKEVIntegerField, public IKevEnumFieldAsRead {
public:
    TKEVEnumField(std::string_view FieldID, TPersistent* Owner, TInterfacedPersistent* Parent,
                  std::span<const TIDZone> IDList, int DefaultValue, int EnumOffset);

    std::string ClassName() const override;
    THResult QueryInterface(const TGUID& IID, void** Obj) override;

    std::string GetAsString() const override;
    bool GetAsBoolean() const override;
    void SetAsString(const std::string& Value) override;
    void SetAsBoolean(bool Value) override;
    std::unique_ptr<TKEVField> Duplicate() const override;
    // Reports its difference with both values: "%s=%s,%s,%d,%d" as a line.
    bool EqualsDetails(const TKEVField* Field, TStringList* DiffList) const override;
    void SetRatio(double Value) override;

    // Caption of value index Index (counted from 0, whatever the offset).
    std::string GetEnum(int Index) const override;
    void FillList(TStringList* ValueList) const override;

protected:
    // An enumeration whose values the deriving class sets in its own constructor.
    TKEVEnumField(std::string_view FieldID, TPersistent* Owner, TInterfacedPersistent* Parent);
};

// A 0/1 value.
class TKEVBooleanField : public TKEVEnumField {
public:
    TKEVBooleanField(std::string_view FieldID, TPersistent* Owner, TInterfacedPersistent* Parent,
                     bool DefaultValue);

    std::string ClassName() const override;
    bool GetAsBoolean() const override;
    void SetAsBoolean(bool Value) override;
    std::unique_ptr<TKEVField> Duplicate() const override;
};

// A signed integer: round(raw x ratio); limits read and written unscaled.
class TKEVSignedIntegerField : public TKEVIntegerFieldOf<TKEVSignedNumericField> {
public:
    TKEVSignedIntegerField(std::string_view FieldID, TPersistent* Owner,
                           TInterfacedPersistent* Parent, Int64 MinValue, Int64 MaxValue,
                           Int64 DefaultValue, double aRatio);

    std::string ClassName() const override;
    std::unique_ptr<TKEVField> Duplicate() const override;
};

} // namespace g20seq
