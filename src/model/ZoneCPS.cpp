#include "model/ZoneCPS.h"

#include "interface/CustomEprom.h"
#include "interface/ProtocolInterface.h"
#include "model/DataProxy.h"
#include "model/KEVField.h"
#include "model/KEVNumericFields.h"
#include "model/KEVStringFields.h"
#include "model/KEVTabSheet.h"
#include "support/Exceptions.h"
#include "support/Format.h"

#include <algorithm>
#include <cassert>
#include <mutex>
#include <typeinfo>

namespace g20seq {

namespace {

constexpr int LogNotice = 1;
// The errors of the field list, those of a string list.
constexpr const char* SListIndexError = "List index out of bounds (%d)";
constexpr const char* SDuplicateString = "String list does not allow duplicates";

// Raw access to an unsigned or signed numeric field through its raw interface.
template <class Fn> auto WithRawField(TKEVField& Field, Fn Action) {
    if (auto* raw = dynamic_cast<IRawNumericField*>(&Field))
        return Action(*raw);
    if (auto* raw = dynamic_cast<IRawSignedNumericField*>(&Field))
        return Action(*raw);
    throw EFieldError(Format(SFieldTypeAccess, Field.GetFieldID(), "Integer"));
}

} // namespace

TZoneCPS::TZoneCPS(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                   TInterfacedPersistent* aLogicalZone)
    : TCustomZoneCPS(AOwner, TypeZone, Numero) {
    SetLogicalZone(aLogicalZone);
    if (IZoneProtocole* protocole = ZoneProtocole(nullptr))
        SetTailles(protocole->GetTailleSendZone(), protocole->GetTailleReceiveZone());
}

TZoneCPS::~TZoneCPS() {
    TLockGuard lock(FZoneCriticalSection);
    UnlinkFields();
    std::vector<TKEVField*> fields;
    fields.swap(FFieldList);
    for (TKEVField* field : fields)
        delete field;
}

std::vector<TKEVField*>::const_iterator TZoneCPS::LowerBound(std::string_view FieldID) const {
    return std::lower_bound(FFieldList.begin(), FFieldList.end(), FieldID,
                            [](const TKEVField* Field, std::string_view ID) {
                                return Field->FieldIDRef().compare(ID) < 0;
                            });
}

std::string TZoneCPS::ClassName() const {
    return "TZoneCPS";
}

void TZoneCPS::Assign(const TPersistent* Source) {
    const auto* zone = dynamic_cast<const TCustomZoneCPS*>(Source);
    if (zone == nullptr) {
        TCustomZoneCPS::Assign(Source);
        return;
    }
    if (zone->GetOwner() != GetOwner()) {
        LogEvent(this, "TZoneCPS.Assign", "DestOwner <> SourceOwner", "", LogError, CatZRT);
        return;
    }
    // Field observers are told once the locks below are released, then the zone's.
    const TZoneChanges changes(*this);
    const auto* source = dynamic_cast<const TZoneCPS*>(zone);
    if (source == nullptr) {
        TLockGuard lock(FZoneCriticalSection);
        AssignCustomZone(*zone);
        return;
    }
    // An editor's copy and the held zone may be assigned to each other concurrently.
    const TLockPair lock = LockWith(*source);
    AssignCustomZone(*zone);
    // Both field lists are read directly: the pair lock covers them.
    const std::size_t count = std::min(FFieldList.size(), source->FFieldList.size());
    for (std::size_t i = 0; i < count; ++i)
        FFieldList[i]->Assign(source->FFieldList[i]);
}

Byte TZoneCPS::GetNumeroCPS() const {
    TCustomEprom* eprom = GetEprom();
    return eprom != nullptr ? eprom->GetNumeroCPS() : 0;
}

TInterfacedPersistent* TZoneCPS::GetLogicalZone() const {
    return FLogicalZone;
}

TKEVField* TZoneCPS::GetFieldByID(const std::string& FieldID) const {
    TLockGuard lock(FZoneCriticalSection);
    const auto position = LowerBound(FieldID);
    if (position != FFieldList.end() && (*position)->FieldIDRef() == FieldID)
        return *position;
    LogEvent(this, "GetFieldByID", FieldID + " non trouvé",
             Format("Erreur type zone %s=%d", TypeZoneName(GetTypeZone()), GetNumeroZone()),
             LogAnomaly, CatZRT);
    return nullptr;
}

TKEVField* TZoneCPS::GetFields(int Index) const {
    TLockGuard lock(FZoneCriticalSection);
    if (Index < 0 || static_cast<std::size_t>(Index) >= FFieldList.size())
        throw EStringListError(Format(SListIndexError, Index));
    return FFieldList[static_cast<std::size_t>(Index)];
}

int TZoneCPS::GetFieldCount() const {
    TLockGuard lock(FZoneCriticalSection);
    return static_cast<int>(FFieldList.size());
}

void TZoneCPS::SetLogicalZone(TInterfacedPersistent* Value) {
    FLogicalZone = Value;
}

std::unique_ptr<TCustomZoneCPS> TZoneCPS::Create(TPersistent* AOwner, TTypeZones TypeZone,
                                                 Word Numero,
                                                 TInterfacedPersistent* aLogicalZone) const {
    // A zone class that does not create its own kind would silently duplicate into a
    // plain TZoneCPS: refuse instead.
    if (typeid(*this) != typeid(TZoneCPS))
        throw EAbstractError();
    return std::make_unique<TZoneCPS>(AOwner, TypeZone, Numero, aLogicalZone);
}

std::unique_ptr<TCustomZoneCPS> TZoneCPS::CreateSameZone() const {
    return CreateSame();
}

std::unique_ptr<TCustomZoneCPS> TZoneCPS::CreateSame() const {
    return Create(GetOwner(), GetTypeZone(), GetNumeroZone(), nullptr);
}

bool TZoneCPS::IsFileZone() const {
    // Only IsZoneMultiple reports a missing owner, protocol or zone protocol information.
    IZoneProtocole* protocole = ZoneProtocole(nullptr);
    return protocole != nullptr && protocole->IsFileZone();
}

bool TZoneCPS::IsZoneMultiple() const {
    IZoneProtocole* protocole = ZoneProtocole("IsZoneMultiple");
    return protocole != nullptr && protocole->IsZoneMultiple();
}

IZoneProtocole* TZoneCPS::ZoneProtocole(const char* Source) const {
    auto log = [&](const char* Where, const char* Text) {
        if (Source != nullptr)
            LogEvent(this, Where, Text, "", LogAnomaly, CatZRT);
    };
    TCustomEprom* eprom = GetEprom();
    if (eprom == nullptr) {
        log("Protocole", "FOwner");
        return nullptr;
    }
    IProtocoleModel* model = eprom->GetProtocole();
    if (model == nullptr) {
        log("Protocole", "Protocole = nil");
        return nullptr;
    }
    IZoneProtocole* protocole = model->GetZoneProtocole(GetTypeZone());
    if (protocole == nullptr)
        log(Source, "ZoneProtocole = nil");
    return protocole;
}

namespace {

// Holds the template zone of a comparison for the duration of the comparison.
class TZoneTemplate {
public:
    explicit TZoneTemplate(TCustomEprom* Eprom, const TCustomZoneCPS& Zone)
        : FEprom(Eprom),
          FZone(Eprom != nullptr
                    ? Eprom->GetPhysicalZone(Zone.GetTypeZone(), Zone.GetNumeroZone(), true)
                    : nullptr) {}
    ~TZoneTemplate() {
        if (FZone != nullptr)
            FEprom->ReleasePhysicalZone(FZone);
    }
    TZoneTemplate(const TZoneTemplate&) = delete;
    TZoneTemplate& operator=(const TZoneTemplate&) = delete;

    // Whether field Index takes part: linked (and compared, for a detailed comparison)
    // in the template. Without a template every field takes part.
    bool Shows(int Index, bool Details) const {
        if (FZone == nullptr)
            return true;
        if (Index >= FZone->GetFieldCount())
            return false;
        const TKEVField* field = FZone->GetFields(Index);
        return field->GetLinked() && (!Details || field->GetCompared());
    }

private:
    TCustomEprom* FEprom;
    TCustomZoneCPS* FZone;
};

} // namespace

bool TZoneCPS::Equals(const TPersistent* Other) const {
    return CompareZone(Other, nullptr, false);
}

bool TZoneCPS::EqualsDetails(const TPersistent* Other, TStringList* ListeDifferences) const {
    return CompareZone(Other, ListeDifferences, true);
}

bool TZoneCPS::CompareZone(const TPersistent* Other, TStringList* ListeDifferences,
                           bool Details) const {
    const auto* other = dynamic_cast<const TZoneCPS*>(Other);
    if (other == nullptr || other->GetTypeZone() != GetTypeZone() ||
        other->GetNumeroZone() != GetNumeroZone())
        return false;
    // The template is taken before the zone lock: the EPROM's access lock is never taken
    // inside a zone lock.
    const TZoneTemplate zoneTemplate(GetEprom(), *this);
    // Comparing A with B and B with A at the same time must not deadlock.
    const TLockPair lock = LockWith(*other);
    bool result = true;
    for (int i = 0; i < static_cast<int>(FFieldList.size()); ++i) {
        if (zoneTemplate.Shows(i, Details))
            result = CompareField(*other, i, Details ? ListeDifferences : nullptr,
                                  Details ? "EqualsDetails" : "Equals") &&
                     result;
    }
    return result;
}

bool TZoneCPS::CompareField(const TZoneCPS& Other, int Index, TStringList* ListeDifferences,
                            const char* Source) const {
    // Called under the pair lock: both field lists are read directly.
    const TKEVField* field = FFieldList[static_cast<std::size_t>(Index)];
    try {
        if (static_cast<std::size_t>(Index) >= Other.FFieldList.size())
            return false;
        return field->EqualsDetails(Other.FFieldList[static_cast<std::size_t>(Index)],
                                    ListeDifferences);
    } catch (const std::exception&) {
        LogEvent(this, Source,
                 Format("aISourceField.EqualsDetails : Type zone %s=%d, Field:%s",
                        TypeZoneName(GetTypeZone()), GetNumeroZone(), field->GetFieldID()),
                 "", LogAnomaly, CatZRT);
        return true;
    }
}

bool TZoneCPS::SaisieZoneCPS(void*, void*) {
    return true;
}

std::string TZoneCPS::NomChamp(const std::string& IDChamp) const {
    LogEvent(this, "NomChamp", "Cette méthode manque dans la classe dérivée de TZoneCPS",
             Format("IDChamp = %s", IDChamp), LogNotice, CatZRT);
    return IDChamp;
}

std::string TZoneCPS::DetailChamp(const std::string& IDChamp, const std::string& Valeur) const {
    std::string idZone;
    std::string idValeur;
    return DetailIDChamp(IDChamp, Valeur, idZone, idValeur);
}

std::string TZoneCPS::DetailIDChamp(const std::string& IDChamp, const std::string& Valeur,
                                    std::string& IDZone, std::string& IDValeur) const {
    // Array elements ("IDTempsSoudage[3]") share the captions of their array.
    const std::string::size_type bracket = IDChamp.rfind('[');
    const std::string id = bracket == std::string::npos ? IDChamp : IDChamp.substr(0, bracket);
    int number = 0;
    if (!TryStrToInt(Valeur, number)) {
        DetailIDChamp(id, 0, IDZone, IDValeur);
        IDValeur.clear();
        return Valeur;
    }
    const std::string caption = DetailIDChamp(id, number, IDZone, IDValeur);
    return caption.empty() ? Valeur : caption;
}

TZoneCPS* TZoneCPS::GetZoneMaxi() const {
    return nullptr;
}

TZoneCPS* TZoneCPS::GetZoneMini() const {
    return nullptr;
}

TZoneCPS* TZoneCPS::GetZoneRAZ() const {
    return nullptr;
}

std::string TZoneCPS::NomZone() const {
    return NomZone(GetTypeZone(), IsZoneMultiple() ? GetNumeroZone() : -1);
}

std::string TZoneCPS::DetailValeurChamp(const std::string&, int, std::string& IDZone,
                                        std::string&) const {
    IDZone.clear();
    return "";
}

std::string TZoneCPS::DetailIDChamp(const std::string& IDChamp, int Valeur, std::string& IDZone,
                                    std::string& IDValeur) const {
    return DetailValeurChamp(IDChamp, Valeur, IDZone, IDValeur);
}

std::string TZoneCPS::DetailIDChamp(const std::string& IDChamp, int Valeur) const {
    std::string idZone;
    std::string idValeur;
    return DetailIDChamp(IDChamp, Valeur, idZone, idValeur);
}

TKEVField* TZoneCPS::AddField(std::unique_ptr<TKEVField> Field) {
    return InsertField("", std::move(Field), false);
}

TKEVField* TZoneCPS::InsertField(const std::string& RefFieldID, std::unique_ptr<TKEVField> Field,
                                 bool ForceField) {
    if (Field == nullptr)
        return nullptr;
    TLockGuard lock(FZoneCriticalSection);
    TKEVField* field = Field.get();
    const auto position = LowerBound(field->FieldIDRef());
    if (position != FFieldList.end() && (*position)->FieldIDRef() == field->FieldIDRef())
        throw EStringListError(SDuplicateString);
    FFieldList.insert(position, field);
    Field.release();
    field->Link(RefFieldID, ForceField);
    return field;
}

TFieldSlot TFieldSlot::Of(TKEVField& Field) {
    TFieldSlot slot;
    slot.Field = &Field;
    // The field classes of the module say which view they offer; a field of another class
    // is asked by casts, in the same order.
    switch (Field.Kind()) {
    case TKEVField::TKind::RawUnsigned:
        slot.Raw = &static_cast<TKEVRawField<Word, IRawNumericField>&>(Field);
        return slot;
    case TKEVField::TKind::RawSigned:
        slot.Signed = &static_cast<TKEVRawField<std::int32_t, IRawSignedNumericField>&>(Field);
        return slot;
    case TKEVField::TKind::Array:
        slot.Array = &static_cast<TKEVArrayField&>(Field);
        return slot;
    case TKEVField::TKind::Address:
        slot.Address = &static_cast<TKEVAddressField&>(Field);
        return slot;
    case TKEVField::TKind::Other:
        break;
    }
    if ((slot.Raw = dynamic_cast<IRawNumericField*>(&Field)) != nullptr)
        return slot;
    if ((slot.Signed = dynamic_cast<IRawSignedNumericField*>(&Field)) != nullptr)
        return slot;
    if ((slot.Array = dynamic_cast<IKEVArrayField*>(&Field)) != nullptr)
        return slot;
    slot.Address = dynamic_cast<IKEVAddressField*>(&Field);
    return slot;
}

TKEVField* TZoneCPS::AddField(const TFieldHandle& Handle, std::unique_ptr<TKEVField> Field) {
    return InsertField(TFieldHandle(), Handle, std::move(Field), false);
}

TKEVField* TZoneCPS::InsertField(const TFieldHandle& RefField, const TFieldHandle& Handle,
                                 std::unique_ptr<TKEVField> Field, bool ForceField) {
    if (Field == nullptr)
        return nullptr;
    TLockGuard lock(FZoneCriticalSection);
    TKEVField* field =
        InsertField(RefField.Empty() ? "" : RefField.ID(), std::move(Field), ForceField);
    AttachHandle(Handle, *field);
    return field;
}

void TZoneCPS::AttachHandle(const TFieldHandle& Handle, TKEVField& Field) {
    assert(Field.GetFieldID() == Handle.ID());
    if (FFamily != TFieldFamily::None && FFamily != Handle.Family())
        throw Exception(Format("Field %s of another family than the zone's", Handle.ID()));
    TLockGuard lock(FZoneCriticalSection);
    FFamily = Handle.Family();
    if (FSlots.size() <= Handle.Slot())
        FSlots.resize(Handle.Slot() + 1);
    FSlots[Handle.Slot()] = TFieldSlot::Of(Field);
}

TKEVField* TZoneCPS::FindField(const TFieldHandle& Handle) const {
    // The slots do not change once the zone is built: no lock is needed to read them.
    if (Handle.Family() == FFamily && Handle.Slot() < FSlots.size())
        if (TKEVField* field = FSlots[Handle.Slot()].Field)
            return field;
    return Handle.Empty() ? nullptr : GetFieldByID(Handle.ID());
}

TKEVField& TZoneCPS::Field(const TFieldHandle& Handle) const {
    TKEVField* field = FindField(Handle);
    if (field == nullptr)
        throw Exception(Format("Unable to access field: %s", Handle.Empty() ? "" : Handle.ID()));
    return *field;
}

TFieldSlot TZoneCPS::Slot(const TFieldHandle& Handle) const {
    if (Handle.Family() == FFamily && Handle.Slot() < FSlots.size() &&
        FSlots[Handle.Slot()].Field != nullptr)
        return FSlots[Handle.Slot()];
    return TFieldSlot::Of(Field(Handle));
}

namespace {

template <class Fn> auto WithRawSlot(const TFieldSlot& Slot, Fn Action) {
    if (Slot.Raw != nullptr)
        return Action(*Slot.Raw);
    if (Slot.Signed != nullptr)
        return Action(*Slot.Signed);
    throw EFieldError(Format(SFieldTypeAccess, Slot.Field->GetFieldID(), "Integer"));
}

} // namespace

Int64 TZoneCPS::GetRawValue(const TFieldHandle& Handle) const {
    return WithRawSlot(Slot(Handle), [](auto& raw) -> Int64 { return raw.GetRawValue(); });
}

void TZoneCPS::SetRawValue(const TFieldHandle& Handle, Int64 Value) {
    WithRawSlot(Slot(Handle), [Value](auto& raw) { raw.SetRawValue(Value); });
}

Int64 TZoneCPS::GetRawMin(const TFieldHandle& Handle) const {
    return WithRawSlot(Slot(Handle), [](auto& raw) -> Int64 { return raw.GetRawMin(); });
}

Int64 TZoneCPS::GetRawMax(const TFieldHandle& Handle) const {
    return WithRawSlot(Slot(Handle), [](auto& raw) -> Int64 { return raw.GetRawMax(); });
}

TKEVField& TZoneCPS::Element(const TFieldHandle& Handle, int Index) const {
    const TFieldSlot slot = Slot(Handle);
    TKEVField* element = slot.Array != nullptr ? slot.Array->GetField(Index) : nullptr;
    if (element == nullptr)
        throw Exception(Format("Unable to access field: %s[%d]", Handle.ID(), Index));
    return *element;
}

TKEVField& TZoneCPS::FieldByID(const std::string& FieldID) const {
    TKEVField* field = GetFieldByID(FieldID);
    if (field == nullptr)
        throw Exception(Format("Unable to access field: %s", FieldID));
    return *field;
}

Int64 TZoneCPS::GetRawValue(const std::string& FieldID) const {
    return WithRawField(FieldByID(FieldID), [](auto& raw) -> Int64 { return raw.GetRawValue(); });
}

void TZoneCPS::SetRawValue(const std::string& FieldID, Int64 Value) {
    WithRawField(FieldByID(FieldID), [Value](auto& raw) { raw.SetRawValue(Value); });
}

Int64 TZoneCPS::GetRawMin(const std::string& FieldID) const {
    return WithRawField(FieldByID(FieldID), [](auto& raw) -> Int64 { return raw.GetRawMin(); });
}

Int64 TZoneCPS::GetRawMax(const std::string& FieldID) const {
    return WithRawField(FieldByID(FieldID), [](auto& raw) -> Int64 { return raw.GetRawMax(); });
}

int TZoneCPS::GetAsInteger(const std::string& FieldID) const {
    return FieldByID(FieldID).GetAsInteger();
}

void TZoneCPS::SetAsInteger(const std::string& FieldID, int Value) {
    FieldByID(FieldID).SetAsInteger(Value);
}

double TZoneCPS::GetAsFloat(const std::string& FieldID) const {
    return FieldByID(FieldID).GetAsFloat();
}

void TZoneCPS::SetAsFloat(const std::string& FieldID, double Value) {
    FieldByID(FieldID).SetAsFloat(Value);
}

bool TZoneCPS::GetAsBoolean(const std::string& FieldID) const {
    return FieldByID(FieldID).GetAsBoolean();
}

void TZoneCPS::SetAsBoolean(const std::string& FieldID, bool Value) {
    FieldByID(FieldID).SetAsBoolean(Value);
}

std::string TZoneCPS::GetAsString(const std::string& FieldID) const {
    return FieldByID(FieldID).GetAsString();
}

void TZoneCPS::SetAsString(const std::string& FieldID, const std::string& Value) {
    FieldByID(FieldID).SetAsString(Value);
}

std::string TZoneCPS::DetailParPosition(const std::string& Section, std::span<const TIDZone> Table,
                                        const std::string& IDChamp, int Valeur,
                                        std::string& IDValeur) const {
    if (Valeur < 0 || static_cast<std::size_t>(Valeur) >= Table.size()) {
        IDValeur.clear();
        LogEvent(this, "DetailValeurChamp", Format("Champ %s , Valeur = %d", IDChamp, Valeur), "",
                 LogAnomaly, CatZRT);
        return "";
    }
    const TIDZone& entry = Table[static_cast<std::size_t>(Valeur)];
    IDValeur = entry.IDZone;
    return Translate(Section, entry.IDZone, entry.Libelle);
}

bool TZoneCPS::DetailParCle(const std::string& Section, std::span<const TIDZone> Table,
                            const std::string& Key, std::string& Caption, std::string& IDValeur) {
    const auto entry = std::find_if(Table.begin(), Table.end(),
                                    [&Key](const TIDZone& e) { return Key == e.IDZone; });
    if (entry == Table.end()) {
        Caption.clear();
        IDValeur.clear();
        return false;
    }
    IDValeur = entry->IDZone;
    Caption = Translate(Section, entry->IDZone, entry->Libelle);
    return true;
}

bool TZoneCPS::DetailParChamp(const std::string& Section, std::span<const TFieldCaption> Table,
                              const std::string& IDChamp, std::string& Caption) {
    const auto entry = std::find_if(Table.begin(), Table.end(), [&IDChamp](const TFieldCaption& e) {
        return IDChamp == e.Field.ID();
    });
    if (entry == Table.end()) {
        Caption.clear();
        return false;
    }
    Caption = Translate(Section, entry->Field.ID(), entry->Libelle);
    return true;
}

void TZoneCPS::UnlinkFields() {
    for (TKEVField* field : FFieldList)
        if (TKEVTabSheet* sheet = field->ParentSheet())
            sheet->RemoveField(field);
}

} // namespace g20seq
