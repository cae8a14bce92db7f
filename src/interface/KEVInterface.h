// Host-facing interfaces of fields, tab sheets and logical zones.
//
// Editors, the host and the zones themselves use every field through these interfaces.
// The first three operations of each are query-interface, add-reference and release
// (IInterface, shared by all interfaces of one object); the order of the operations after
// them is a binary contract with the host. The interface identifiers are ours.
//
// Objects cross the boundary directly: results and arguments name the module's classes,
// declared here only by name, so this header depends on the support runtime alone.
#pragma once

#include "interface/ProxyInterface.h"
#include "support/TypeZones.h"
#include "support/Types.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace g20seq {

class TStringList;
class TKEVField;
class TKEVTabSheet;

// Change notification of a field: called with the field that changed.
using TNotifyEvent = std::function<void(TObject* Sender)>;

// Any field of a zone.
class IKEVField : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{2B5F4317-228E-450C-911D-2D16A1B8C0C1}");
    virtual std::string GetFieldID() const = 0;
    virtual std::string GetName() const = 0;
    virtual TPersistent* GetOwner() const = 0;
    virtual TInterfacedPersistent* GetParent() const = 0;
    // Shown by editors and compared: only a field with a parent tab sheet can be.
    virtual bool GetLinked() const = 0;
    virtual bool GetCompared() const = 0;
    virtual int GetAsInteger() const = 0;
    virtual double GetAsFloat() const = 0;
    virtual std::string GetAsString() const = 0;
    virtual bool GetAsBoolean() const = 0;
    virtual TNotifyEvent GetOnChange() const = 0;
    virtual std::string GetDetail() const = 0;
    virtual void SetLinked(bool Value) = 0;
    virtual void SetCompared(bool Value) = 0;
    virtual void SetAsInteger(int Value) = 0;
    virtual void SetAsFloat(double Value) = 0;
    virtual void SetAsString(const std::string& Value) = 0;
    virtual void SetAsBoolean(bool Value) = 0;
    virtual void SetOnChange(TNotifyEvent Value) = 0;
    virtual void Unlink() = 0;
    virtual void Link(const std::string& RefFieldID, bool ForceField) = 0;
    // A copy of the same class, owner, limits and value, in no tab sheet; the caller owns it.
    virtual std::unique_ptr<TKEVField> Duplicate() const = 0;
    virtual bool SameAs(const TKEVField* Field) const = 0;
    // True when equal; otherwise appends one difference line to DiffList (when given).
    virtual bool EqualsDetails(const TKEVField* Field, TStringList* DiffList) const = 0;

protected:
    ~IKEVField() = default;
};

// Raw access to an unsigned 16-bit field (what zone codecs use). Setters take a wider
// value so that a value outside 0..65535 raises the range error before anything changes.
class IRawNumericField : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{DDE2C5D3-829D-4BB9-A8B6-1E2B3AFD093C}");
    virtual Word GetRawMin() const = 0;
    virtual Word GetRawMax() const = 0;
    virtual Word GetRawValue() const = 0;
    virtual void SetRawMin(Int64 Value) = 0;
    virtual void SetRawMax(Int64 Value) = 0;
    virtual void SetRawValue(Int64 Value) = 0;

protected:
    ~IRawNumericField() = default;
};

// Raw access to a signed 32-bit field.
class IRawSignedNumericField : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{DF609ADE-CC41-499D-8332-E9D6DD2B012E}");
    virtual std::int32_t GetRawMin() const = 0;
    virtual std::int32_t GetRawMax() const = 0;
    virtual std::int32_t GetRawValue() const = 0;
    virtual void SetRawMin(Int64 Value) = 0;
    virtual void SetRawMax(Int64 Value) = 0;
    virtual void SetRawValue(Int64 Value) = 0;

protected:
    ~IRawSignedNumericField() = default;
};

// Limits of a field shown as a float, in display units (raw x ratio).
class IKEVDoubleField : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{2DDB492F-B2CF-498A-BDEF-04A4B9F9F85D}");
    virtual double GetMin() const = 0;
    virtual double GetMax() const = 0;
    virtual double GetRatio() const = 0;
    virtual void SetMin(double Value) = 0;
    virtual void SetMax(double Value) = 0;
    virtual void SetRatio(double Value) = 0;

protected:
    ~IKEVDoubleField() = default;
};

// Limits of a field shown as an integer. Unsigned fields read them scaled and rounded and
// take raw values; signed fields read and take raw values.
class IKEVIntegerField : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{FA1AFDCB-D98B-4FDB-8D1B-4CC6D6C979C1}");
    virtual int GetMin() const = 0;
    virtual int GetMax() const = 0;
    virtual double GetRatio() const = 0;
    virtual void SetMin(Int64 Value) = 0;
    virtual void SetMax(Int64 Value) = 0;
    virtual void SetRatio(double Value) = 0;

protected:
    ~IKEVIntegerField() = default;
};

// Captions of an enumerated field.
class IKevEnumFieldAsRead : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{E81131C4-F8CE-44EA-99C0-2CEB2093FA27}");
    virtual std::string GetEnum(int Index) const = 0;
    virtual std::string GetAsString() const = 0;
    virtual bool GetAsBoolean() const = 0;
    virtual std::unique_ptr<TKEVField> Duplicate() const = 0;
    // Clears ValueList and appends the caption of every value, from the first.
    virtual void FillList(TStringList* ValueList) const = 0;

protected:
    ~IKevEnumFieldAsRead() = default;
};

// A fixed-size array of fields; a slot may be empty.
class IKEVArrayField : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{80BFDCBD-EFF1-4DD1-89A0-FB1B287530EA}");
    virtual TKEVField* GetField(int Index) const = 0;
    virtual int GetCount() const = 0;
    // Frees the element in the slot and stores Field (owned by the array from now on).
    virtual void SetField(int Index, std::unique_ptr<TKEVField> Field) = 0;

protected:
    ~IKEVArrayField() = default;
};

// An IPv4 address of four byte segments, most significant first.
class IKEVAddressField : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{D86D7BF1-25DD-489B-AFF7-ED17409809D1}");
    virtual LongWord GetAddress() const = 0;
    // -1 for an index outside 0..3.
    virtual int GetSegment(int Index) const = 0;
    virtual void SetAddress(LongWord Value) = 0;
    // Ignored for an index outside 0..3; the segment keeps the low 8 bits.
    virtual void SetSegment(int Index, int Value) = 0;

protected:
    ~IKEVAddressField() = default;
};

// A tab sheet: an ordered list of fields shown together by editors. The fields belong to
// their zone, not to the sheet.
class IKEVTabSheet : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{4C2259B1-3DE3-40EB-BC76-A6CABCE6E067}");
    // The sheet's key (its translation key in the section "IDOnglet").
    virtual std::string GetTabSheetID() const = 0;
    virtual std::string GetCaption() const = 0;
    virtual TInterfacedPersistent* GetParent() const = 0;
    virtual TKEVField* GetField(int Index) const = 0;
    virtual int GetFieldCount() const = 0;
    virtual TKEVField* GetFieldByID(const std::string& FieldID) const = 0;
    virtual void AddField(TKEVField* Field) = 0;
    virtual void InsertField(const std::string& RefFieldID, TKEVField* Field, bool ForceField) = 0;
    virtual void DeleteField(TKEVField* Field) = 0;

protected:
    ~IKEVTabSheet() = default;
};

// A tab sheet with its export heading and linked flag.
class IKEVTabSheetEx : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{A3760AE1-2F57-47B4-A0DE-D0E99E292EB6}");
    virtual TTypeZones GetTypeZoneCPS() const = 0;
    virtual bool GetLinked() const = 0;
    virtual void SetLinked(bool Value) = 0;
    virtual std::string GetTabSheetID() const = 0;
    virtual std::string GetCaption() const = 0;
    virtual TInterfacedPersistent* GetParent() const = 0;
    virtual TKEVField* GetField(int Index) const = 0;
    virtual int GetFieldCount() const = 0;
    virtual TKEVField* GetFieldByID(const std::string& FieldID) const = 0;
    virtual void AddField(TKEVField* Field) = 0;
    virtual void InsertField(const std::string& RefFieldID, TKEVField* Field, bool ForceField) = 0;
    virtual void DeleteField(TKEVField* Field) = 0;

protected:
    ~IKEVTabSheetEx() = default;
};

// The presentation of one zone (type and number) as an ordered list of tab sheets.
class IKEVLogicalZone : public virtual IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{DA777130-D979-44CD-B3AD-58FC8419063E}");
    virtual TTypeZones GetTypeZone() const = 0;
    virtual int GetZoneNumber() const = 0;
    virtual std::string GetCaption() const = 0;
    virtual TPersistent* GetOwner() const = 0;
    virtual TKEVTabSheet* GetTabSheet(int Index) const = 0;
    virtual int GetTabSheetCount() const = 0;
    virtual TKEVTabSheet* GetTabByID(const std::string& TabID) const = 0;
    virtual TKEVField* GetFieldByID(const std::string& FieldID) const = 0;
    // The logical zone owns the sheets it is given.
    virtual void AddTabSheet(std::unique_ptr<TKEVTabSheet> TabSheet) = 0;
    virtual void InsertTabSheet(const std::string& RefTabSheetID,
                                std::unique_ptr<TKEVTabSheet> TabSheet) = 0;
    virtual void DeleteTabSheet(const std::string& TabSheetID) = 0;
    virtual void AddField(const std::string& TabSheetID, TKEVField* Field) = 0;
    virtual void InsertField(const std::string& TabSheetID, const std::string& RefFieldID,
                             TKEVField* Field, bool ForceField) = 0;
    virtual void DeleteField(TKEVField* Field) = 0;

protected:
    ~IKEVLogicalZone() = default;
};

} // namespace g20seq
