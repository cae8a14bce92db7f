#include "model/CustomZoneCPS.h"

#include "interface/CustomEprom.h"
#include "model/DataProxy.h"
#include "model/IDTypeZones.h"
#include "model/KEVField.h"
#include "support/Exceptions.h"
#include "support/Format.h"

#include <algorithm>
#include <exception>
#include <utility>
#include <vector>

namespace g20seq {

namespace {

// The notifications this thread holds back, in the order of the first change.
struct TPendingChanges {
    int Depth = 0;
    std::vector<TKEVField*> Fields;
    std::vector<TCustomZoneCPS*> Zones;
};

thread_local TPendingChanges Pending;

template <class T> void AddOnce(std::vector<T*>& List, T* Item) {
    if (std::find(List.begin(), List.end(), Item) == List.end())
        List.push_back(Item);
}

// Tells one subject's observers; what an observer raises is logged, not passed on.
// Label names the subject in the log entry.
template <class TLabel, class TNotify>
void Deliver(const TObject& Subject, TLabel Label, TNotify Notify) {
    try {
        Notify();
    } catch (const std::exception& e) {
        LogEvent(&Subject, "Notification", e.what(), Label(), LogAnomaly, CatZRT);
    }
}

} // namespace

TCustomZoneCPS::TCustomZoneCPS(TPersistent* AOwner, TTypeZones TypeZone, Word Numero)
    : FOwner(AOwner), FEprom(dynamic_cast<TCustomEprom*>(AOwner)), FTypeZone(TypeZone),
      FNumeroZone(Numero) {}

TCustomZoneCPS::~TCustomZoneCPS() {
    delete FDecodeCopy.load();
    if (!FObservers.Empty())
        TZoneChanges::Forget(*this);
}

TSubscription TCustomZoneCPS::Subscribe(TObserver Observer) {
    return FObservers.Subscribe(std::move(Observer));
}

std::string TCustomZoneCPS::ClassName() const {
    return "TCustomZoneCPS";
}

Byte TCustomZoneCPS::GetNumeroCPS() const {
    throw EAbstractError();
}

bool TCustomZoneCPS::GetLoadToCPS() const {
    return FLoadToCPS;
}

bool TCustomZoneCPS::GetSaveFromCPS() const {
    return FSaveFromCPS;
}

TInterfacedPersistent* TCustomZoneCPS::GetLogicalZone() const {
    throw EAbstractError();
}

TKEVField* TCustomZoneCPS::GetFieldByID(const std::string&) const {
    throw EAbstractError();
}

TKEVField* TCustomZoneCPS::GetFields(int) const {
    throw EAbstractError();
}

int TCustomZoneCPS::GetFieldCount() const {
    throw EAbstractError();
}

void TCustomZoneCPS::SetLogicalZone(TInterfacedPersistent*) {
    throw EAbstractError();
}

void TCustomZoneCPS::SetLoadToCPS(bool Value) {
    if (Value != FLoadToCPS)
        FLoadToCPS = Value;
}

void TCustomZoneCPS::SetSaveFromCPS(bool Value) {
    if (Value != FSaveFromCPS)
        FSaveFromCPS = Value;
}

std::unique_ptr<TCustomZoneCPS> TCustomZoneCPS::Create(TPersistent*, TTypeZones, Word,
                                                       TInterfacedPersistent*) const {
    throw EAbstractError();
}

std::unique_ptr<TCustomZoneCPS> TCustomZoneCPS::CreateSameZone() const {
    throw EAbstractError();
}

bool TCustomZoneCPS::IsFileZone() const {
    throw EAbstractError();
}

bool TCustomZoneCPS::Equals(const TPersistent*) const {
    throw EAbstractError();
}

bool TCustomZoneCPS::EqualsDetails(const TPersistent*, TStringList*) const {
    throw EAbstractError();
}

TErreurSerie TCustomZoneCPS::SerialDecode(const TByteArray&, int) {
    throw EAbstractError();
}

int TCustomZoneCPS::SerialEncode(TByteArray&, int, int) const {
    throw EAbstractError();
}

TErreurSerie TCustomZoneCPS::FileDecode(const TByteArray&, int) {
    throw EAbstractError();
}

int TCustomZoneCPS::FileEncode(TByteArray&, int, int) const {
    throw EAbstractError();
}

bool TCustomZoneCPS::SaisieZoneCPS(void*, void*) {
    throw EAbstractError();
}

std::string TCustomZoneCPS::NomChamp(const std::string&) const {
    throw EAbstractError();
}

std::string TCustomZoneCPS::DetailChamp(const std::string&, const std::string&) const {
    throw EAbstractError();
}

std::string TCustomZoneCPS::DetailIDChamp(const std::string&, const std::string&, std::string&,
                                          std::string&) const {
    throw EAbstractError();
}

TCustomZoneCPS* TCustomZoneCPS::GetZoneMaxi() const {
    return nullptr;
}

TCustomZoneCPS* TCustomZoneCPS::GetZoneMini() const {
    return nullptr;
}

TCustomZoneCPS* TCustomZoneCPS::GetZoneRAZ() const {
    return nullptr;
}

std::string TCustomZoneCPS::NomZone() const {
    throw EAbstractError();
}

bool TCustomZoneCPS::IsZoneMultiple() const {
    throw EAbstractError();
}

std::string TCustomZoneCPS::NomZone(TTypeZones aTypeZone, int aNumeroZone) {
    return ZoneDisplayName(aTypeZone, aNumeroZone);
}

std::unique_ptr<TCustomZoneCPS> TCustomZoneCPS::Duplicate() const {
    std::unique_ptr<TCustomZoneCPS> copy = CreateSameZone();
    copy->Assign(this);
    return copy;
}

std::unique_ptr<TCustomZoneCPS> TCustomZoneCPS::TakeDecodeCopy() const {
    std::unique_ptr<TCustomZoneCPS> kept(FDecodeCopy.exchange(nullptr));
    if (kept == nullptr)
        return Duplicate();
    kept->Assign(this);
    return kept;
}

void TCustomZoneCPS::KeepDecodeCopy(std::unique_ptr<TCustomZoneCPS> Copy) const {
    if (!FDecodedBefore.exchange(true))
        return;
    // Another decode running at the same time may have given its copy back first.
    TCustomZoneCPS* none = nullptr;
    if (FDecodeCopy.compare_exchange_strong(none, Copy.get()))
        Copy.release();
}

TCustomEprom* TCustomZoneCPS::GetEprom() const {
    return FEprom;
}

std::string TCustomZoneCPS::ZoneLabel() const {
    return Format("%s=%d", TypeZoneName(FTypeZone), FNumeroZone);
}

void TCustomZoneCPS::AssignCustomZone(const TCustomZoneCPS& Source) {
    // The identity is read without the zone lock by the EPROM's registry: it is written only
    // when it really changes, which never happens between a zone and its own copies.
    if (FOwner != Source.FOwner) {
        FOwner = Source.FOwner;
        FEprom = Source.FEprom;
    }
    if (FTypeZone != Source.FTypeZone)
        FTypeZone = Source.FTypeZone;
    if (FNumeroZone != Source.FNumeroZone)
        FNumeroZone = Source.FNumeroZone;
    SetLoadToCPS(Source.GetLoadToCPS());
    SetSaveFromCPS(Source.GetSaveFromCPS());
    FTailleSendZone = Source.FTailleSendZone;
    FTailleReceiveZone = Source.FTailleReceiveZone;
}

void TCustomZoneCPS::SetTailles(Word Send, Word Receive) {
    FTailleSendZone = Send;
    FTailleReceiveZone = Receive;
}

} // namespace g20seq

namespace g20seq {

// TZoneChanges

TZoneChanges::TZoneChanges(TCustomZoneCPS& Zone) {
    ++Pending.Depth;
    if (!Zone.FObservers.Empty())
        AddOnce(Pending.Zones, &Zone);
}

TZoneChanges::~TZoneChanges() {
    if (--Pending.Depth > 0)
        return;
    // Observers may change values again: those changes are told at once, or by scopes of
    // their own.
    const std::vector<TKEVField*> fields = std::exchange(Pending.Fields, {});
    const std::vector<TCustomZoneCPS*> zones = std::exchange(Pending.Zones, {});
    for (TKEVField* field : fields)
        Deliver(
            *field, [field] { return field->GetFieldID(); }, [field] { field->NotifyObservers(); });
    for (TCustomZoneCPS* zone : zones)
        Deliver(
            *zone, [zone] { return zone->ZoneLabel(); },
            [zone] { zone->FObservers.Notify(*zone); });
}

bool TZoneChanges::Defer(TKEVField& Field) {
    if (Pending.Depth == 0)
        return false;
    AddOnce(Pending.Fields, &Field);
    return true;
}

void TZoneChanges::Forget(const TObject& Subject) {
    std::erase_if(Pending.Fields, [&](const TKEVField* F) { return F == &Subject; });
    std::erase_if(Pending.Zones, [&](const TCustomZoneCPS* Z) { return Z == &Subject; });
}

} // namespace g20seq
