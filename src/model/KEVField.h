#pragma once

#include "interface/KEVInterface.h"
#include "model/DifferenceReporter.h"
#include "support/G20SeqExport.h"
#include "support/Object.h"
#include "support/Observers.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace g20seq {

class TCustomZoneCPS;
class TKEVTabSheet;
class TKEVArrayField;

// Messages of fields and tab sheets (resource strings 65520 to 65527). Fields raise the
// first five as EFieldError; tab sheets and logical zones raise the last three as Exception.
inline constexpr const char* SFieldTypeAccess =
    "Impossible d'accéder au champ '%s' comme type %s"; // 65520: FieldID, type
inline constexpr const char* SFieldBadString =
    "'%s' n'est pas une valeur chaîne correcte pour le champ '%s'"; // 65521: text, class
inline constexpr const char* SFieldBadInteger =
    "'%s' n'est pas une valeur entière correcte pour le champ '%s'"; // 65522: text, class
inline constexpr const char* SFieldBadValue = "Valeur incorrecte pour le champ '%s'"; // 65523
inline constexpr const char* SFieldRange =
    "%g n'est pas une valeur correcte pour le champ '%s'. Les valeurs doivent être comprises "
    "entre %g et %g"; // 65524: value, description, min, max
inline constexpr const char* SUnableToInsert = "Unable to insert %s, ref: %s"; // 65525
inline constexpr const char* SDuplicateTabSheet = "Duplicate TabSheet: %s";    // 65526
inline constexpr const char* SDuplicateField = "Duplicate Field: %s";          // 65527

// A field's identifier, kept inside the field when it fits (every identifier of the
// catalogue does) and on the heap otherwise: building a zone makes one allocation less
// per field.
class TFieldName {
public:
    explicit TFieldName(std::string_view Text) : FSize(Text.size()) {
        if (FSize > InlineSize)
            FHeap = std::make_unique<char[]>(FSize);
        std::copy(Text.begin(), Text.end(), FHeap != nullptr ? FHeap.get() : FInline);
    }
    TFieldName(const TFieldName&) = delete;
    TFieldName& operator=(const TFieldName&) = delete;

    std::string_view View() const { return {FHeap != nullptr ? FHeap.get() : FInline, FSize}; }

private:
    static constexpr std::size_t InlineSize = 40;
    std::size_t FSize;
    std::unique_ptr<char[]> FHeap;
    char FInline[InlineSize];
};

// Base of every field: one named value of a zone, kept in the controller's raw unit and
// converted on demand. The identifier (FieldID) names the field in its zone and is the
// key of its caption. The owner zone is not owned; neither is the parent tab sheet.
//
// The operations from GetName to SetToMax are called by the host by slot: they are
// declared in that order, after the interface operations that are not in the slot table.
// Conversions a class does not offer raise EFieldError "Impossible d'accéder au champ '%s'
// comme type %s".
class G20SEQ_EXPORT TKEVField : public TInterfacedPersistent, public IKEVField {
public:
    // The raw or array view a field class offers, set by the classes that offer one, so
    // that zones resolve a field's view once without casting (see TFieldSlot::Of).
    enum class TKind : std::uint8_t { Other, RawUnsigned, RawSigned, Array, Address };

    // An observer of the field's value (see Subscribe).
    using TObserver = std::function<void(TKEVField& Field)>;

    TKEVField(std::string_view FieldID, TPersistent* Owner, TInterfacedPersistent* Parent);
    ~TKEVField() override;
    TKEVField(const TKEVField&) = delete;
    TKEVField& operator=(const TKEVField&) = delete;

    std::string ClassName() const override;
    THResult QueryInterface(const TGUID& IID, void** Obj) override;
    int AddRef() override;
    int Release() override;

    // Interface operations outside the slot table.
    std::string GetFieldID() const override { return std::string(FFieldID.View()); }
    // The identifier without a copy, for the zone's and the tab sheets' look-ups.
    std::string_view FieldIDRef() const { return FFieldID.View(); }
    bool GetLinked() const override;
    bool GetCompared() const override;
    TNotifyEvent GetOnChange() const override { return FOnChange; }
    void SetLinked(bool Value) override { FLinked = Value; }
    void SetCompared(bool Value) override { FCompared = Value; }
    void SetOnChange(TNotifyEvent Value) override { FOnChange = std::move(Value); }
    // Out of the tab sheet: neither shown nor compared.
    void Unlink() override;
    // No longer compared.
    virtual void UnCompare();
    // Into the parent tab sheet: appended, or inserted before RefFieldID.
    void Link(const std::string& RefFieldID, bool ForceField) override;
    // Same identifier and same owner zone.
    bool SameAs(const TKEVField* Field) const override;
    // Follows the value: the observer is told of each change, like the change callback,
    // on the changing thread, but never under a zone lock: a change made by an Assign or a
    // decode of the zone is told once the zone's lock is released (see TZoneChanges). The
    // change callback stays the host's; zone logic and editors subscribe.
    [[nodiscard]] TSubscription Subscribe(TObserver Observer);

    // Slot table.
    std::string GetName() const override;                                             // 1
    TPersistent* GetOwner() const override;                                           // 2
    TInterfacedPersistent* GetParent() const override;                                // 3
    int GetAsInteger() const override;                                                // 4
    double GetAsFloat() const override;                                               // 5
    std::string GetAsString() const override;                                         // 6
    bool GetAsBoolean() const override;                                               // 7
    virtual std::string GetChamp() const;                                             // 8
    std::string GetDetail() const override;                                           // 9
    void SetAsInteger(int Value) override;                                            // 10
    void SetAsFloat(double Value) override;                                           // 11
    void SetAsString(const std::string& Value) override;                              // 12
    void SetAsBoolean(bool Value) override;                                           // 13
    virtual void SetChamp(const std::string& Value);                                  // 14
    std::unique_ptr<TKEVField> Duplicate() const override;                            // 15
    bool EqualsDetails(const TKEVField* Field, TStringList* DiffList) const override; // 16
    virtual void SetToMin();                                                          // 17
    virtual void SetToMax();                                                          // 18

    // The owner as a zone, or nullptr.
    TCustomZoneCPS* OwnerZone() const;
    // The parent as a tab sheet, or nullptr.
    TKEVTabSheet* ParentSheet() const;
    TKind Kind() const { return FKind; }

protected:
    [[noreturn]] void TypeAccessError(const char* TypeName) const;
    // Tells the change callback, when there is one, then the observers.
    void Changed();
    void SetKind(TKind Kind) { FKind = Kind; }

private:
    TFieldName FFieldID;
    TPersistent* FOwner;
    TInterfacedPersistent* FParent;
    // The parent as a tab sheet, found once: fields link and unlink themselves often.
    TKEVTabSheet* FSheet;
    bool FLinked = false;
    bool FCompared = true;
    TKind FKind = TKind::Other;
    TNotifyEvent FOnChange;
    std::string FChamp;
    TObservers<TKEVField&> FObservers;

    void NotifyObservers() { FObservers.Notify(*this); }
    friend class TZoneChanges;
};

// Base of scalar fields; knows the array that holds it, if any. An element's owner is its
// array's owner; its caption and difference name carry its position.
class TKEVSingleField : public TKEVField {
public:
    TKEVSingleField(std::string_view FieldID, TPersistent* Owner, TInterfacedPersistent* Parent);

    std::string ClassName() const override;
    std::string GetName() const override;
    TPersistent* GetOwner() const override;

    TKEVArrayField* GetContainer() const { return FContainer; }
    void SetContainer(TKEVArrayField* Container) { FContainer = Container; }
    // Position in the array (0-based), -1 outside an array.
    int ContainerIndex() const;

protected:
    // Name of the field in difference lines: FieldID, or FieldID[i] for element i.
    std::string DifferenceName() const;
    // This field's difference from Other (nullptr: no other field): its zone, name and
    // both texts, without enumeration values.
    TFieldDifference Difference(const TKEVField* Other) const;
    // Reports Difference(Other) into DiffList (see ReportDifference).
    void AddDifference(TStringList* DiffList, const TKEVField* Other) const;

private:
    TKEVArrayField* FContainer = nullptr;
};

// A fixed-size array of fields; the array owns its elements and a slot may be empty.
class TKEVArrayField : public TKEVField, public IKEVArrayField {
public:
    TKEVArrayField(std::string_view FieldID, int Size, TPersistent* Owner,
                   TInterfacedPersistent* Parent);
    ~TKEVArrayField() override;

    std::string ClassName() const override;
    THResult QueryInterface(const TGUID& IID, void** Obj) override;
    // Slot by slot: element Assign, a duplicate of a source element, or an emptied slot.
    void Assign(const TPersistent* Source) override;

    std::string GetName() const override;
    std::unique_ptr<TKEVField> Duplicate() const override;
    // Compares every pair of slots and writes every difference.
    bool EqualsDetails(const TKEVField* Field, TStringList* DiffList) const override;
    void SetToMin() override;
    void SetToMax() override;

    TKEVField* GetField(int Index) const override;
    int GetCount() const override;
    void SetField(int Index, std::unique_ptr<TKEVField> Field) override;

private:
    void CheckIndex(int Index) const;

    std::vector<std::unique_ptr<TKEVField>> FFields;
};

// Text of a field enclosed in double quotes, inner double quotes doubled.
G20SEQ_EXPORT std::string QuotedFieldText(const std::string& Text);

} // namespace g20seq
