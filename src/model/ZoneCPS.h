#pragma once

#include "model/CustomZoneCPS.h"
#include "model/FieldHandle.h"
#include "model/IDZone.h"
#include "model/KEVField.h"
#include "support/G20SeqExport.h"
#include "support/Lock.h"
#include "support/StringList.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace g20seq {

class IZoneProtocole;
class IRawNumericField;
class IRawSignedNumericField;
class IKEVAddressField;
class IKEVArrayField;

// A field with the raw and array views the codecs use, resolved once when the field is
// registered (an element of an array field is resolved when it is reached).
struct TFieldSlot {
    TKEVField* Field = nullptr;
    IRawNumericField* Raw = nullptr;
    IRawSignedNumericField* Signed = nullptr;
    IKEVArrayField* Array = nullptr;
    IKEVAddressField* Address = nullptr;

    G20SEQ_EXPORT static TFieldSlot Of(TKEVField& Field);
};

// The concrete base of every zone: a lock, the link to the logical zone that shows the
// fields in tab sheets, and the list of fields.
//
// The field list is sorted by identifier (ordinal, case-sensitive), refuses duplicates
// with the string list's duplicate error and owns the fields; it holds only the field
// pointers and orders them by the fields' own identifiers. Zones of one class therefore hold their
// fields in the same order, and Assign, Equals and EqualsDetails pair fields by position. Zone
// classes create their fields in their constructors and register them with AddField or InsertField.
//
// The lock is recursive; it guards the field list and the pairing of fields. Field values
// have no lock of their own.
class G20SEQ_EXPORT TZoneCPS : public TCustomZoneCPS {
public:
    TZoneCPS(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
             TInterfacedPersistent* aLogicalZone);
    ~TZoneCPS() override;
    TZoneCPS(const TZoneCPS&) = delete;
    TZoneCPS& operator=(const TZoneCPS&) = delete;

    std::string ClassName() const override;
    // Copies another zone of the same EPROM: identity, flags, sizes and, from a TZoneCPS,
    // every field by position. A zone of another EPROM is refused with a log entry.
    void Assign(const TPersistent* Source) override;

    Byte GetNumeroCPS() const override;
    TInterfacedPersistent* GetLogicalZone() const override;
    TKEVField* GetFieldByID(const std::string& FieldID) const override;
    TKEVField* GetFields(int Index) const override;
    int GetFieldCount() const override;
    void SetLogicalZone(TInterfacedPersistent* Value) override;
    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override;
    std::unique_ptr<TCustomZoneCPS> CreateSameZone() const override;
    bool IsFileZone() const override;
    bool Equals(const TPersistent* Other) const override;
    bool EqualsDetails(const TPersistent* Other, TStringList* ListeDifferences) const override;
    bool SaisieZoneCPS(void* aOwner, void* FormReference) override;
    std::string NomChamp(const std::string& IDChamp) const override;
    std::string DetailChamp(const std::string& IDChamp, const std::string& Valeur) const override;
    std::string DetailIDChamp(const std::string& IDChamp, const std::string& Valeur,
                              std::string& IDZone, std::string& IDValeur) const override;
    // Limit companions as zones of this family; none here. Zone classes with Mini, Maxi
    // and RAZ companions return the companion obtained from their EPROM.
    TZoneCPS* GetZoneMaxi() const override;
    TZoneCPS* GetZoneMini() const override;
    TZoneCPS* GetZoneRAZ() const override;
    std::string NomZone() const override;
    bool IsZoneMultiple() const override;

    // Caption hook of the values of a field; the base empties IDZone and answers "".
    virtual std::string DetailValeurChamp(const std::string& IDChamp, int Valeur,
                                          std::string& IDZone, std::string& IDValeur) const; // 29
    virtual std::string DetailIDChamp(const std::string& IDChamp, int Valeur, std::string& IDZone,
                                      std::string& IDValeur) const; // 30

    using TCustomZoneCPS::NomZone;
    // Caption of a value without its keys.
    std::string DetailIDChamp(const std::string& IDChamp, int Valeur) const;

    // A new zone of this class with the same owner, type and number, without logical zone.
    std::unique_ptr<TCustomZoneCPS> CreateSame() const;

    // Field registration (zone constructors). The zone owns the field; a second field with
    // the same identifier raises the list's duplicate error. The field then goes into its
    // tab sheet, appended or inserted before RefFieldID. Answers the registered field.
    TKEVField* AddField(std::unique_ptr<TKEVField> Field);
    TKEVField* InsertField(const std::string& RefFieldID, std::unique_ptr<TKEVField> Field,
                           bool ForceField);
    // The same for a field of the zone's family: the field also takes its handle's slot, so
    // that the handle resolves by index. Every handle a zone registers is of one family.
    TKEVField* AddField(const TFieldHandle& Handle, std::unique_ptr<TKEVField> Field);
    TKEVField* InsertField(const TFieldHandle& RefField, const TFieldHandle& Handle,
                           std::unique_ptr<TKEVField> Field, bool ForceField);

    // Field access by handle: the field registered in the handle's slot. A handle this
    // zone did not register falls back to its identifier (GetFieldByID), so a missing
    // field is logged and answered as by identifier: FindField answers nullptr, the
    // others raise Exception "Unable to access field: <FieldID>".
    G20SEQ_EXPORT TKEVField* FindField(const TFieldHandle& Handle) const;
    G20SEQ_EXPORT TKEVField& Field(const TFieldHandle& Handle) const;
    G20SEQ_EXPORT TFieldSlot Slot(const TFieldHandle& Handle) const;
    G20SEQ_EXPORT Int64 GetRawValue(const TFieldHandle& Handle) const;
    G20SEQ_EXPORT void SetRawValue(const TFieldHandle& Handle, Int64 Value);
    G20SEQ_EXPORT Int64 GetRawMin(const TFieldHandle& Handle) const;
    G20SEQ_EXPORT Int64 GetRawMax(const TFieldHandle& Handle) const;
    int GetAsInteger(const TFieldHandle& Handle) const { return Field(Handle).GetAsInteger(); }
    void SetAsInteger(const TFieldHandle& Handle, int Value) { Field(Handle).SetAsInteger(Value); }
    double GetAsFloat(const TFieldHandle& Handle) const { return Field(Handle).GetAsFloat(); }
    void SetAsFloat(const TFieldHandle& Handle, double Value) { Field(Handle).SetAsFloat(Value); }
    bool GetAsBoolean(const TFieldHandle& Handle) const { return Field(Handle).GetAsBoolean(); }
    void SetAsBoolean(const TFieldHandle& Handle, bool Value) { Field(Handle).SetAsBoolean(Value); }
    std::string GetAsString(const TFieldHandle& Handle) const {
        return Field(Handle).GetAsString();
    }
    void SetAsString(const TFieldHandle& Handle, const std::string& Value) {
        Field(Handle).SetAsString(Value);
    }
    // Element Index of an array field; a missing element raises Exception
    // "Unable to access field: <FieldID>[<Index>]".
    G20SEQ_EXPORT TKEVField& Element(const TFieldHandle& Handle, int Index) const;

    // Field access by identifier (codecs and editors). A missing field raises Exception
    // "Unable to access field: <FieldID>". Raw values are those of unsigned 16-bit and
    // signed 32-bit fields; a raw value outside the field's storage width raises
    // ERangeError before anything changes.
    TKEVField& FieldByID(const std::string& FieldID) const;
    Int64 GetRawValue(const std::string& FieldID) const;
    void SetRawValue(const std::string& FieldID, Int64 Value);
    Int64 GetRawMin(const std::string& FieldID) const;
    Int64 GetRawMax(const std::string& FieldID) const;
    int GetAsInteger(const std::string& FieldID) const;
    void SetAsInteger(const std::string& FieldID, int Value);
    double GetAsFloat(const std::string& FieldID) const;
    void SetAsFloat(const std::string& FieldID, double Value);
    bool GetAsBoolean(const std::string& FieldID) const;
    void SetAsBoolean(const std::string& FieldID, bool Value);
    std::string GetAsString(const std::string& FieldID) const;
    void SetAsString(const std::string& FieldID, const std::string& Value);

    // Caption look-ups of enumerated values over a table of (key, default caption) in the
    // translation section Section; both answer the key in IDValeur.
    // By position: entry Valeur; outside the table the caption and IDValeur are empty and
    // the miss is logged.
    std::string DetailParPosition(const std::string& Section, std::span<const TIDZone> Table,
                                  const std::string& IDChamp, int Valeur,
                                  std::string& IDValeur) const;
    // By key: the entry whose key is Key; answers false (Caption and IDValeur empty) when
    // there is none.
    static bool DetailParCle(const std::string& Section, std::span<const TIDZone> Table,
                             const std::string& Key, std::string& Caption, std::string& IDValeur);
    // Caption of a field over a table of field captions: the entry whose identifier is
    // IDChamp; answers false (Caption empty) when there is none.
    static bool DetailParChamp(const std::string& Section, std::span<const TFieldCaption> Table,
                               const std::string& IDChamp, std::string& Caption);

protected:
    // Gives a registered field the slot of its handle (fields registered without one, such
    // as those a virtual registration operation creates).
    void AttachHandle(const TFieldHandle& Handle, TKEVField& Field);
    // The zone protocol information of the zone's type through the owner EPROM, or
    // nullptr; with a Source name the missing pieces are logged under it.
    IZoneProtocole* ZoneProtocole(const char* Source) const;
    TCriticalSection& ZoneLock() const { return FZoneCriticalSection; }
    // Locks this zone and Other together (see TLockPair).
    TLockPair LockWith(const TZoneCPS& Other) const {
        return {FZoneCriticalSection, Other.FZoneCriticalSection};
    }

private:
    // Equals and EqualsDetails: identity, then the fields that the template zone (the zone
    // of the same identity read from file) shows, paired by position.
    bool CompareZone(const TPersistent* Other, TStringList* ListeDifferences, bool Details) const;
    // One pair of fields; an exception is logged under Source and does not count.
    bool CompareField(const TZoneCPS& Other, int Index, TStringList* ListeDifferences,
                      const char* Source) const;
    // Takes the fields out of their tab sheets before they are freed.
    void UnlinkFields();

    mutable TCriticalSection FZoneCriticalSection;
    TInterfacedPersistent* FLogicalZone = nullptr;
    // Position of the first field whose identifier is not before FieldID.
    std::vector<TKEVField*>::const_iterator LowerBound(std::string_view FieldID) const;

    std::vector<TKEVField*> FFieldList;
    // Fields by slot of their handle; filled while the zone is built, unchanged after.
    std::vector<TFieldSlot> FSlots;
    TFieldFamily FFamily = TFieldFamily::None;
};

} // namespace g20seq
