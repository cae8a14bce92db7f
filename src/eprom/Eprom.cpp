#include "eprom/Eprom.h"

#include "eprom/ComparaisonZones.h"
#include "eprom/ConversionASCII.h"
#include "eprom/RequetesFichiersKEV.h"
#include "eprom/ZonesEnFichier.h"
#include "interface/ProtocolInterface.h"
#include "model/DataProxy.h"
#include "model/EditorOpeners.h"
#include "model/KEVField.h"
#include "model/KEVLogicalZone.h"
#include "model/KEVTabSheet.h"
#include "model/SignatureTypes.h"
#include "model/ZoneCodec.h"
#include "support/DateTime.h"
#include "support/Format.h"

#include <algorithm>
#include <array>
#include <mutex>
#include <optional>

namespace g20seq {

namespace {

// Enumeration name of a zone type, or its number for a value outside the catalogue (log
// texts must never raise).
std::string TypeName(TTypeZones TypeZone) {
    return IsValidTypeZone(TypeZone) ? TypeZoneName(TypeZone) : IntToStr(int{TypeZone});
}

// "PrcProgrammes=3": key of zone labels and logical zones.
std::string ZoneKey(TTypeZones TypeZone, int NumeroZone) {
    return Format("%s=%d", TypeName(TypeZone), NumeroZone);
}

// Tab sheets of the logical zones that every EPROM has, in the order they are added.
struct TTabSheetsOfType {
    TTypeZones TypeZone;
    int Count;
    std::array<TIDOnglet, 6> TabSheets;
};

constexpr TTabSheetsOfType TabSheetsOfTypes[] = {
    {PrcConfiguration,
     6,
     {IDTabSelProg, IDTabCU, IDTabDefauts, IDTabESTOR, IDTabConfAdvParam, IDTabEcrans}},
    {PrcElectrodes, 3, {IDTabPaliers, IDTabRodage, IDTabElecAdvParam}},
    {PrcProgrammes,
     6,
     {IDTabTemps, IDTabConsignes, IDTabSeuils, IDTabEV, IDTabProgAdvParam, IDTabLienProcess}},
};

// Logical zones every EPROM creates, in this order.
constexpr TTypeZones LogicalZoneTypes[] = {PrcConfiguration, PrcProgrammes, PrcElectrodes};

// Executable zone types: those of this set that the EPROM has.
const TSetOfTypesZones ExecZoneTypes{PrcCompteurs, PrcApprentissage, PrcCompteurChainages,
                                     PrcCalibrage, PrcCompteurFraise};

// The EPROM opens the files it only reads in shared read mode: other streams may read and
// write them meanwhile.
constexpr Word ModeLecturePartagee = fmOpenRead | fmShareDenyNone;
// Chunk size of the copy of a working file into a reference file.
constexpr int TailleCopie = 32767;

} // namespace

// ---------------------------------------------------------------------------------------
// TZoneReference

TZoneReference::TZoneReference(TTypeZones aTypeZone, int aNumeroZone,
                               IZoneProtocole* aZoneProtocole,
                               std::unique_ptr<TCustomZoneCPS> aZone)
    : FTypeZone(aTypeZone), FNumeroZone(aNumeroZone), FZone(std::move(aZone)),
      FDansFichier(aZoneProtocole != nullptr && aZoneProtocole->IsFileZone()) {}

TZoneReference::~TZoneReference() = default;

std::string TZoneReference::Key() const {
    return ZoneKey(FTypeZone, FNumeroZone);
}

std::string TZoneReference::CountText(bool WithEprom) const {
    std::string text = "Nom Zone : " + Key() + ", ReferenceCount : " + IntToStr(FReferenceCount);
    if (!WithEprom)
        return text;
    TCustomEprom* eprom = FZone != nullptr ? FZone->GetEprom() : nullptr;
    return "Nom Eprom : " + (eprom != nullptr ? eprom->GetNomEprom() : std::string()) + ", " + text;
}

void TZoneReference::SetZone(std::unique_ptr<TCustomZoneCPS> aZone) {
    if (FZone != nullptr)
        LogEvent(this, "SetZone", "La zone est dèjà assignée", FZone->ZoneLabel(), LogAnomaly,
                 CatEprom);
    FZone = std::move(aZone);
    if (FZone != nullptr)
        AddReference();
}

void TZoneReference::AddReference() {
    if (FReferenceCount < 0) {
        LogEvent(this, "AddReference", CountText(false), "A priori trop de ReleaseZone", LogAnomaly,
                 CatEprom);
        FReferenceCount = 0;
    }
    ++FReferenceCount;
    if (FReferenceCount > 10)
        LogEvent(this, "AddReference", CountText(true), "A priori Trop de référence", LogAnomaly,
                 CatEprom);
}

bool TZoneReference::ReleaseReference() {
    --FReferenceCount;
    if (FReferenceCount < 0) {
        LogEvent(this, "ReleaseReference", CountText(false), "A priori trop de ReleaseZone",
                 LogAnomaly, CatEprom);
        FReferenceCount = 0;
    }
    return FReferenceCount < 1;
}

void TZoneReference::ReleaseZone() {
    if (FReferenceCount >= 1)
        return;
    FZone.reset();
    FReferenceCount = 0;
    FReady = false;
}

// ---------------------------------------------------------------------------------------
// Creation and destruction

TEprom::TEprom(TCreateKey, const std::string& NomEprom, TInterfacedPersistent* aProtocole)
    : TCustomEprom(NomEprom), FProtocoleObject(aProtocole),
      FSignatures(
          this, [this](TCustomZoneCPS* Signature) { return GetNumProg(Signature); },
          [this](int NumProg) { NouvelleSignature(NumProg); }) {
    ResetGestionPiece(Now());
    if (!NomEprom.empty()) {
        FListeZones = std::make_unique<std::vector<std::vector<std::unique_ptr<TZoneReference>>>>();
        FAvecLogicalZones = true;
        ListeTypeLogicalZones = std::make_unique<TStringList>();
    }
    void* model = nullptr;
    if (aProtocole != nullptr &&
        aProtocole->QueryInterface(IProtocoleModel::IID, &model) == THResult::S_OK)
        Protocole = static_cast<IProtocoleModel*>(model);
    if (Protocole != nullptr)
        Protocole->IncNombreEproms();
}

void TEprom::CreateZoneTypes() {
    InitTypeZones();
    for (int type = 0; type < TypeZonesCount; ++type) {
        const auto typeZone = static_cast<TTypeZones>(type);
        if (IZoneProtocole* zoneProtocole = ZoneProtocole(typeZone))
            RegisterTypeZone(typeZone, zoneProtocole);
    }
    InitExecZoneTypes();
}

THResult TEprom::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == TZonesAbsentes::IID) {
        *Obj = &FZonesAbsentes;
        return THResult::S_OK;
    }
    return TCustomEprom::QueryInterface(IID, Obj);
}

TEprom::~TEprom() {
    FSignatures.Clear();
    if (Protocole != nullptr)
        Protocole->DecNombreEproms();
    FListeZones.reset();
    FLogicalZones.clear();
    ListeTypeLogicalZones.reset();
    FFichierCPS.reset();
    FFichierRefCPS.reset();
    FDescription.reset();
    pDictionaryTypeZone.clear();
}

std::string TEprom::GetNomProtocole() const {
    void* nom = nullptr;
    if (FProtocoleObject == nullptr ||
        FProtocoleObject->QueryInterface(IProtocoleNom::IID, &nom) != THResult::S_OK)
        return {};
    return static_cast<IProtocoleNom*>(nom)->GetNom();
}

void TEprom::InitTypeZones() {
    FSetOfTypesZones = {
        PrcIdentification, PrcDiagnostic, PrcAcquittements,    PrcSignalisationModification,
        PrcPolling,        PrcSignatures, PrcLienProcessAvance};
    FSetOfTypesZones.IncludeRange(PrcHorodateur, PrcProgrammes);
    FSetOfVolatileTypesZones = {PrcCompteurs, PrcPolling, PrcSignatures};
    for (TTypeZones typeZone : LogicalZoneTypes)
        CreateLogicalZones(typeZone, ZoneProtocole(typeZone));
    AddPhysicalZoneType(PrcProgrammes, PrcLienProcessAvance);
}

void TEprom::InitExecZoneTypes() {
    FSetOfExecZoneTypes = ExecZoneTypes * FSetOfTypesZones;
}

void TEprom::RegisterTypeZone(TTypeZones TypeZone, IZoneProtocole* aZoneProtocole) {
    if (aZoneProtocole == nullptr)
        return;
    int first = 0;
    int last = 0;
    if (aZoneProtocole->IsZoneMultiple()) {
        first = MinZone(TypeZone);
        last = MaxZone(TypeZone);
        if (first == -1 || last == -1 || first > last) {
            first = 0;
            last = aZoneProtocole->GetNombreZones() - 1;
        }
    }
    if (!FSetOfTypesZones.Contains(TypeZone) || FListeZones == nullptr)
        return;
    auto& references = FListeZones->emplace_back();
    for (int numero = first; numero <= last; ++numero)
        references.push_back(std::make_unique<TZoneReference>(TypeZone, numero, aZoneProtocole));
}

void TEprom::RegisterZoneCreator(std::unique_ptr<TZoneCreator> aCreator) {
    FZoneCreators.push_back(std::move(aCreator));
}

IZoneProtocole* TEprom::ZoneProtocole(TTypeZones TypeZone) const {
    return Protocole != nullptr ? Protocole->GetZoneProtocole(TypeZone) : nullptr;
}

int TEprom::MinZone(TTypeZones TypeZone) const {
    return FDescription != nullptr ? FDescription->GetMinZone(TypeZone) : -1;
}

int TEprom::MaxZone(TTypeZones TypeZone) const {
    return FDescription != nullptr ? FDescription->GetMaxZone(TypeZone) : -1;
}

// ---------------------------------------------------------------------------------------
// Zone references and zone lifetime

TZoneReference* TEprom::FindZoneReference(TTypeZones TypeZone, int NumeroZone) {
    TLockGuard guard(FLastIndexLock);
    if (const auto type = pDictionaryTypeZone.find(TypeZone); type != pDictionaryTypeZone.end())
        if (const auto found = type->second.find(NumeroZone); found != type->second.end())
            return found->second;
    if (FListeZones == nullptr)
        return nullptr;
    const int count = static_cast<int>(FListeZones->size());
    const auto holdsType = [&](int index) {
        const auto& references = (*FListeZones)[index];
        return !references.empty() && references.front()->GetTypeZone() == TypeZone;
    };
    int found = -1;
    for (int index = FLastIndexZone; found < 0 && index < count; ++index)
        if (holdsType(index))
            found = index;
    for (int index = 0; found < 0 && index < FLastIndexZone; ++index)
        if (holdsType(index))
            found = index;
    if (found < 0)
        return nullptr;
    FLastIndexZone = found;
    const int minimum = MinZone(TypeZone);
    const int position = minimum != -1 && minimum != 0 ? NumeroZone - minimum : NumeroZone;
    const auto& references = (*FListeZones)[found];
    if (position < 0 || position >= static_cast<int>(references.size()))
        return nullptr;
    TZoneReference* reference = references[position].get();
    pDictionaryTypeZone[TypeZone][NumeroZone] = reference;
    return reference;
}

std::unique_ptr<TCustomZoneCPS> TEprom::CreateZoneCPS(TZoneReference* aReference) {
    for (auto creator = FZoneCreators.rbegin(); creator != FZoneCreators.rend(); ++creator) {
        if ((*creator)->GetPhysicalZone() != aReference->GetTypeZone())
            continue;
        std::unique_ptr<TCustomZoneCPS> zone =
            (*creator)->CreateZone(this, aReference->GetNumeroZone());
        zone->SetLoadToCPS(aReference->GetDansFichier());
        zone->SetSaveFromCPS(aReference->GetDansFichier());
        return zone;
    }
    return nullptr;
}

TZoneReference* TEprom::CreatePhysicalZone(TTypeZones TypeZone, int NumeroZone,
                                           bool /*WithLogicalZone*/) {
    TLockGuard guard(FZoneAcessLock);
    TZoneReference* reference = FindZoneReference(TypeZone, NumeroZone);
    if (reference == nullptr) {
        LogEvent(this, "CreatePhysicalZone",
                 Format("Zone %s n° %d", TypeName(TypeZone), NumeroZone), "Zone non référencée",
                 LogAnomaly, CatEprom);
        return nullptr;
    }
    if (reference->GetZone() != nullptr) {
        reference->AddReference();
        return reference;
    }
    if (std::unique_ptr<TCustomZoneCPS> zone = CreateZoneCPS(reference))
        reference->SetZone(std::move(zone));
    return reference;
}

TCustomZoneCPS* TEprom::GetPhysicalZone(TTypeZones TypeZone, int NumeroZone, bool ReadFromFile) {
    TLockGuard guard(FZoneAcessLock);
    const TZoneReference* existing = FindZoneReference(TypeZone, NumeroZone);
    const bool built = existing != nullptr && existing->GetZone() == nullptr;
    TZoneReference* reference = CreatePhysicalZone(TypeZone, NumeroZone, true);
    if (reference == nullptr)
        return nullptr;
    TCustomZoneCPS* zone = reference->GetZone();
    if (zone != nullptr && reference->GetDansFichier() && ReadFromFile && !reference->GetReady() &&
        reference->GetReferenceCount() >= 1) {
        // A zone built by this call is not handed out yet: its file block is read in place.
        std::optional<TFreshZoneDecode> fresh;
        if (built)
            fresh.emplace(*zone);
        reference->SetReady(ReadZoneCPSFromCustomFile(zone, FFichierCPS.get()));
    }
    return zone;
}

void TEprom::ReleasePhysicalZone(TCustomZoneCPS*& aZone) {
    if (aZone == nullptr)
        return;
    TLockGuard guard(FZoneAcessLock);
    TZoneReference* reference = FindZoneReference(aZone->GetTypeZone(), aZone->GetNumeroZone());
    if (reference == nullptr)
        return;
    const bool ownZone = reference->GetZone() == aZone;
    if (reference->ReleaseReference() &&
        !FSetOfVolatileTypesZones.Contains(reference->GetTypeZone()))
        reference->ReleaseZone();
    if (ownZone)
        aZone = nullptr;
    else
        LogEvent(this, "ReleasePhysicalZone", aZone->ZoneLabel(), "On nous a passé une Copie",
                 LogAnomaly, CatEprom);
}

void TEprom::GetListZoneReference(std::vector<TZoneReference*>& aList) {
    if (FListeZones == nullptr)
        return;
    for (const auto& references : *FListeZones)
        for (const auto& reference : references)
            if (reference->GetDansFichier())
                aList.push_back(reference.get());
}

void TEprom::GetInFileZones(TStringList& aList) {
    std::vector<TZoneReference*> references;
    GetListZoneReference(references);
    for (TZoneReference* reference : references)
        if (TCustomZoneCPS* zone =
                GetPhysicalZone(reference->GetTypeZone(), reference->GetNumeroZone(), true))
            aList.AddObject(zone->ZoneLabel(), zone);
}

void TEprom::GetMultiplePhysicalZone(TStringList* aList) {
    LogEvent(this, "GetMultiplePhysicalZone", "Debut", aList != nullptr ? aList->Text() : "",
             LogTrace, FNomEprom);
    if (aList != nullptr)
        GetInFileZones(*aList);
    LogEvent(this, "GetMultiplePhysicalZone", "Fin", "", LogTrace, FNomEprom);
}

void TEprom::ReleaseMultiplePhysicalZone(TStringList* aList) {
    if (aList == nullptr)
        return;
    for (int index = 0; index < aList->Count(); ++index) {
        auto* zone = dynamic_cast<TCustomZoneCPS*>(aList->Objects(index));
        ReleasePhysicalZone(zone);
        aList->SetObject(index, zone);
    }
    aList->Clear();
}

void TEprom::GetZonesTransfert(TZoneQueue* aQueue, bool bSens) {
    const TZonesEnFichier zones(*this);
    for (int index = 0; aQueue != nullptr && index < zones.Count(); ++index) {
        const TCustomZoneCPS* zone = zones[index];
        if (bSens ? zone->GetLoadToCPS() : zone->GetSaveFromCPS())
            aQueue->push_back(zone->Duplicate());
    }
}

bool TEprom::SaisieZone(void* aOwner, TTypeZones TypeZone, int NumeroZone, void* FormReference) {
    // The hold goes to the editor window the zone opens; a hold no window keeps is given
    // back before the answer.
    const TEditorHandOver handOver(TZoneHolder(this, TypeZone, NumeroZone, true));
    TCustomZoneCPS* zone = handOver.Zone();
    return zone != nullptr && zone->SaisieZoneCPS(aOwner, FormReference);
}

TCustomZoneCPS* TEprom::GetZoneNomCPS() {
    return GetPhysicalZone(PrcConfiguration, 0, true);
}

std::unique_ptr<TInterfacedPersistent> TEprom::CreateAutomate(TObject* AOwner) {
    return std::unique_ptr<TInterfacedPersistent>(
        Protocole != nullptr ? Protocole->CreateAutomate(AOwner) : nullptr);
}

// ---------------------------------------------------------------------------------------
// Logical zones

void TEprom::CreateLogicalZones(TTypeZones TypeZone, IZoneProtocole* aZoneProtocole) {
    if (!FAvecLogicalZones)
        return;
    const int count = aZoneProtocole != nullptr && aZoneProtocole->IsZoneMultiple()
                          ? aZoneProtocole->GetNombreZones()
                          : 1;
    {
        const std::lock_guard lock(FLogicalZonesLock);
        FNombreLogicalZones[TypeZone] = count;
    }
    const std::string name = TypeName(TypeZone);
    ListeTypeLogicalZones->Add(name + "=" + name);
}

void TEprom::AddTabSheets(TKEVLogicalZone* aLogicalZone) {
    for (const TTabSheetsOfType& entry : TabSheetsOfTypes) {
        if (entry.TypeZone != aLogicalZone->GetTypeZone())
            continue;
        for (int index = 0; index < entry.Count; ++index)
            aLogicalZone->AddTabSheet(
                std::make_unique<TKEVTabSheet>(entry.TabSheets[index], aLogicalZone));
    }
}

void TEprom::AddPhysicalZoneType(TTypeZones LogicalZone, TTypeZones PhysicalZone) {
    if (ListeTypeLogicalZones == nullptr)
        return;
    const std::string name = TypeName(LogicalZone);
    const int index = ListeTypeLogicalZones->IndexOfName(name);
    if (index < 0)
        return;
    TStringList types;
    types.SetCaseSensitive(true);
    types.SetCommaText(ListeTypeLogicalZones->ValueFromIndex(index));
    if (types.IndexOf(TypeName(PhysicalZone)) < 0)
        types.Add(TypeName(PhysicalZone));
    ListeTypeLogicalZones->SetValue(name, types.CommaText());
}

TInterfacedPersistent* TEprom::GetLogicalZone(TTypeZones TypeZone, int NumeroZone) {
    const std::lock_guard lock(FLogicalZonesLock);
    const auto made = FLogicalZones.find({TypeZone, NumeroZone});
    if (made != FLogicalZones.end())
        return made->second.get();
    const auto count = FNombreLogicalZones.find(TypeZone);
    if (count == FNombreLogicalZones.end() || NumeroZone < 0 || NumeroZone >= count->second)
        return nullptr;
    auto logicalZone = std::make_unique<TKEVLogicalZone>(this, TypeZone, NumeroZone);
    AddTabSheets(logicalZone.get());
    return (FLogicalZones[{TypeZone, NumeroZone}] = std::move(logicalZone)).get();
}

void TEprom::GetTypeLogicalZones(TStringList* ZoneList) {
    if (ZoneList == nullptr)
        return;
    ZoneList->Clear();
    for (int index = 0; ListeTypeLogicalZones != nullptr && index < ListeTypeLogicalZones->Count();
         ++index)
        ZoneList->Add(ListeTypeLogicalZones->Names(index));
}

void TEprom::LoadPhysicalZoneFromLogicalZone(TTypeZones LogicalZone, int NumeroZone,
                                             TStringList* ZoneList) {
    if (ZoneList == nullptr)
        return;
    ZoneList->SetSorted(true);
    ZoneList->SetCaseSensitive(true);
    const int line = ListeTypeLogicalZones != nullptr
                         ? ListeTypeLogicalZones->IndexOfName(TypeName(LogicalZone))
                         : -1;
    if (line < 0)
        return;
    TStringList names;
    names.SetCommaText(ListeTypeLogicalZones->ValueFromIndex(line));
    for (int index = 0; index < names.Count(); ++index) {
        TTypeZones physicalZone;
        if (!TypeZoneFromName(names[index], physicalZone))
            continue;
        int numero = NumeroZone;
        if (physicalZone == PrcPhieVirtual) {
            physicalZone = PrcPhie;
            numero = 0;
        }
        TCustomZoneCPS* zone = GetPhysicalZone(physicalZone, numero, true);
        if (zone == nullptr)
            continue;
        // A zone already in the list keeps its one hold.
        if (ZoneList->IndexOf(zone->ZoneLabel()) < 0)
            ZoneList->AddObject(zone->ZoneLabel(), zone);
        else
            ReleasePhysicalZone(zone);
    }
}

TInterfacedPersistent* TEprom::GetFieldByID(TTypeZones TypeZone, int NumeroZone,
                                            const std::string& FieldID) {
    auto* logicalZone = dynamic_cast<TKEVLogicalZone*>(GetLogicalZone(TypeZone, NumeroZone));
    if (logicalZone == nullptr) {
        LogEvent(this, "GetFieldByID", "aLogicalZone=nil",
                 Format("Erreur type zone %s=%d", TypeName(TypeZone), NumeroZone), LogAnomaly,
                 CatEprom);
        return nullptr;
    }
    return logicalZone->GetFieldByID(FieldID);
}

// ---------------------------------------------------------------------------------------
// Callbacks of the host

void TEprom::LogMissingCallback(const std::string& Source) const {
    LogEvent(this, Source, "Fonction non définie", "", LogAnomaly, CatEprom);
}

void TEprom::SetIsAutorised(TIsAutorised FuncIsAutorised) {
    FIsAutorised = std::move(FuncIsAutorised);
}

void TEprom::SetChargerZoneCPS(TChargerZoneCPS FuncChargerZoneCPS) {
    FChargerZoneCPS = std::move(FuncChargerZoneCPS);
}

void TEprom::SetChargerMultipleZoneCPS(TChargerMultipleZoneCPS FuncChargerMultipleZoneCPS) {
    FChargerMultipleZoneCPS = std::move(FuncChargerMultipleZoneCPS);
}

void TEprom::SetNextProgressStep(TNextProgressStep FuncNextStep) {
    FFuncNextStep = std::move(FuncNextStep);
}

bool TEprom::IsAutorised(TTypeZones TypeZone) {
    if (FIsAutorised)
        return FIsAutorised(TypeZone);
    LogMissingCallback("IsAutorised");
    return false;
}

void TEprom::ChargeZoneCPS(TCustomZoneCPS* AncienneZoneCPS, TCustomZoneCPS* NouvelleZoneCPS) {
    if (FChargerZoneCPS) {
        FChargerZoneCPS(this, NouvelleZoneCPS);
        return;
    }
    if (AncienneZoneCPS != nullptr)
        AncienneZoneCPS->Assign(NouvelleZoneCPS);
    LogMissingCallback("ChargeZoneCPS");
}

bool TEprom::ChargeMultipleZoneCPS(TZoneQueue* aListeZone) {
    if (FChargerMultipleZoneCPS)
        return FChargerMultipleZoneCPS(this, aListeZone);
    LogMissingCallback("ChargeMultipleZoneCPS");
    return false;
}

void TEprom::NextProgressStep(int Step, int Overall) {
    if (FFuncNextStep)
        FFuncNextStep(Step, Overall);
    else
        LogMissingCallback("NextProgressStep");
}

// ---------------------------------------------------------------------------------------
// State and diagnostic-station link

void TEprom::SetValide(bool Value) {
    if (!Value)
        FEtat = Etat_Invalide;
    else if (!FIsValide)
        FEtat = Etat_Declare;
    FIsValide = Value;
}

TCustomZoneCPS* TEprom::GetDataSD() {
    return FLink != nullptr ? FLink->GetPhysicalZone(PrcStationDiagnostic, 0, true) : nullptr;
}

bool TEprom::IsLockZone(TTypeZones& TypeZone, int& NumeroZone) {
    if ((TypeZone != PrcElectrodes && TypeZone != PrcProgrammes) || FLink == nullptr)
        return false;
    TZoneHolder station(FLink, PrcStationDiagnostic, 0, true);
    auto* data = station.As<IStationDiagnosticData>();
    if (data == nullptr)
        return false;
    return TypeZone == PrcElectrodes ? data->IsElectrodeLocked(NumeroZone)
                                     : data->IsProgrammeLocked(NumeroZone);
}

int TEprom::GetFirstZone(TTypeZones& TypeZone, int& NumeroZone) {
    if (!IsLockZone(TypeZone, NumeroZone))
        return NumeroZone;
    const int last = MaxZone(TypeZone);
    for (int numero = MinZone(TypeZone); numero >= 0 && numero <= last; ++numero) {
        int candidate = numero;
        if (!IsLockZone(TypeZone, candidate))
            return numero;
    }
    return -1;
}

// ---------------------------------------------------------------------------------------
// Answers of the generation (present faults, identification, signatures analysis, resets,
// mapping of controller addresses) and of the description: neutral until the G20 EPROM
// gives them.

int TEprom::GetNbDefautsNonBloquants() {
    return 0;
}
int TEprom::GetNbDefautsBloquants() {
    return 0;
}
std::string TEprom::GetIdentifiantCPS() {
    return {};
}
// The description's text: hardware kind, field bus, number of programs, current type.
std::string TEprom::GetDescriptionCPS() {
    return FDescription != nullptr ? FDescription->Text() : std::string();
}
std::unique_ptr<TCustomZoneCPS> TEprom::GetZoneCompteurFraise(int&) {
    return nullptr;
}
bool TEprom::GetAvecGestionPieceParCPS() {
    // The controller manages parts when it has the part management zone.
    return FSetOfTypesZones.Contains(PrcGestionPiece);
}
int TEprom::GetMaxSelectedCurves() {
    return 0;
}
TTypeWeldingSupports TEprom::GetTypeWeldingSupport() {
    // Every controller welds with fixed programs; adaptive welding needs learning files.
    TTypeWeldingSupports supports{SW};
    if (FDescription != nullptr && FDescription->SupportFunctions().Contains(sfSupportFileAWL))
        supports.Include(AW);
    return supports;
}
bool TEprom::GetModeDegradeEprom() {
    return false;
}
void TEprom::AnalyseSignature(TCustomZoneCPS*) {}
void TEprom::ReinitCU(TReinitCUs, int, int, int, TStringList*) {}
void TEprom::GetZoneByMapping(int, int, TZoneList*) {}
void TEprom::GetDefautsPresents(TStringList*) {}
Word TEprom::GetCausesDefauts(const std::string&, Word) {
    return 0;
}

// ---------------------------------------------------------------------------------------
// Zone files and reference files. Every operation that uses or replaces a stream runs under
// the access lock, so that no stream is freed while a zone is read from it.

bool TEprom::TakeFile(std::unique_ptr<TKevCustomFileStream>& Slot, TKevCustomFileStream* Fichier,
                      const char* Source) {
    if (Fichier == nullptr || Fichier == Slot.get())
        return true;
    const auto& other = &Slot == &FFichierCPS ? FFichierRefCPS : FFichierCPS;
    if (Fichier == other.get()) {
        LogEvent(this, Source, "Fichier déjà utilisé", Fichier->GetFileName(), LogAnomaly,
                 CatEprom);
        return false;
    }
    Slot.reset(Fichier);
    return true;
}

bool TEprom::SaveZoneCPSToCustomFile(TCustomZoneCPS* aZone, TKevCustomFileStream* aFile) {
    static constexpr const char* Source = "SaveZoneCPSToCustomFile";
    if (aFile == nullptr || aZone == nullptr || !aZone->IsFileZone())
        return false;
    LogEvent(this, Source,
             "Label: " + aZone->ZoneLabel() + "- TypeZone :" + IntToStr(int{aZone->GetTypeZone()}) +
                 " - Size : " + IntToStr(int{aZone->GetTailleSendZone()}),
             "", LogTrace, FNomEprom);
    try {
        const auto buffer = std::make_unique<TByteArray>();
        const int size = aZone->FileEncode(*buffer, 0, aZone->GetTailleSendZone());
        if (size <= 0 ||
            !aFile->ReplaceZone(aZone->GetTypeZone(), aZone->GetNumeroZone(), *buffer, size))
            return false;
    } catch (const std::exception& e) {
        LogEvent(this, Source, e.what(), aZone->ZoneLabel(), LogAnomaly, CatEprom);
        return false;
    }
    if (aFile == FFichierCPS.get())
        UpdateHeldZone(aZone);
    return true;
}

void TEprom::UpdateHeldZone(const TCustomZoneCPS* aZone) {
    TZoneReference* reference = FindZoneReference(aZone->GetTypeZone(), aZone->GetNumeroZone());
    TCustomZoneCPS* held = reference != nullptr ? reference->GetZone() : nullptr;
    if (held == nullptr)
        return;
    if (held != aZone)
        held->Assign(aZone);
    LogEvent(this, "SaveZoneCPSToCustomFile",
             "mise à jour de la zone chargée momentanément en mémoire", aZone->ZoneLabel(),
             LogAnomaly, CatEprom);
}

bool TEprom::ReadZoneCPSFromCustomFile(TCustomZoneCPS* aZone, TKevCustomFileStream* aFile) {
    static constexpr const char* Source = "ReadZoneCPSFromCustomFile";
    if (aZone == nullptr || aFile == nullptr)
        return false;
    if (!aZone->IsFileZone())
        return true;
    const std::string lecture = "Lecture de la zone " + aZone->ZoneLabel();
    try {
        const auto buffer = std::make_unique<TByteArray>();
        const int size = aZone->GetTailleReceiveZone();
        if (!aFile->ReadZone(aZone->GetTypeZone(), aZone->GetNumeroZone(), *buffer, size)) {
            ReadMissingBloc(aZone, aFile);
            return false;
        }
        if (aZone->FileDecode(*buffer, size) != SerSansErreur) {
            LogEvent(this, Source, "Erreur de decodage", lecture, LogError, CatEprom);
            return false;
        }
        return true;
    } catch (const std::exception& e) {
        ++FLecturesEnErreur;
        LogEvent(this, Source, e.what(), lecture, LogAnomaly, CatEprom);
        return false;
    }
}

void TEprom::ReadMissingBloc(TCustomZoneCPS* aZone, TKevCustomFileStream* aFile) {
    if (aZone->GetTypeZone() == PrcLienProcessAvance) {
        ConversionLiensProcess(aZone, aFile);
    } else if (aZone->GetTypeZone() == PrcOscilloCourbeRefHistorique) {
        ReadCourbeRefHistorique(aZone, aFile);
        LogEvent(this, "ReadZoneCPSFromCustomFile", "Lecture de PrcOscilloCourbeRefHistorique",
                 "Lecture de la zone " + aZone->ZoneLabel(), LogAnomaly, CatEprom);
    }
}

void TEprom::ConversionLiensProcess(TCustomZoneCPS* aZone, TKevCustomFileStream* aFile) {
    static constexpr const char* Source = "ConversionLiensProcess";
    if (FLienProcessClass != nullptr) {
        const std::unique_ptr<TZoneCPS> ancien =
            FLienProcessClass(this, PrcLienProcess, aZone->GetNumeroZone(), nullptr);
        // An unreadable older block (one of the wrong size, say) is the older zone's
        // failure: it is reported against that zone and leaves the new zone as it is.
        try {
            const auto buffer = std::make_unique<TByteArray>();
            const int size = ancien->GetTailleReceiveZone();
            if (aFile->ReadZone(PrcLienProcess, aZone->GetNumeroZone(), *buffer, size) &&
                ancien->FileDecode(*buffer, size) == SerSansErreur) {
                aZone->Assign(ancien.get());
                AppendZone(aZone, *aFile, Source);
            }
        } catch (const std::exception& e) {
            LogEvent(this, Source, e.what(), "Lecture de la zone " + ancien->ZoneLabel(),
                     LogAnomaly, CatEprom);
        }
    }
    LogEvent(this, Source, "Fin", "", LogTrace, FNomEprom);
}

bool TEprom::AppendZone(const TCustomZoneCPS* aZone, TKevCustomFileStream& aFile,
                        const char* Source) {
    try {
        const auto buffer = std::make_unique<TByteArray>();
        const int size = aZone->FileEncode(*buffer, 0, aZone->GetTailleSendZone());
        if (size <= 0)
            return false;
        aFile.WriteZone(aZone->GetTypeZone(), aZone->GetNumeroZone(), *buffer, size);
        return true;
    } catch (const std::exception& e) {
        LogEvent(this, Source, e.what(), aZone->ZoneLabel(), LogAnomaly, CatEprom);
        return false;
    }
}

void TEprom::ReadCourbeRefHistorique(TCustomZoneCPS*, TKevCustomFileStream*) {}

bool TEprom::SaveToNewFile(TKevCustomFileStream* Fichier) {
    if (Fichier == nullptr)
        return false;
    TLockGuard guard(FZoneAcessLock);
    const int lecturesEnErreur = FLecturesEnErreur;
    const TZonesEnFichier zones(*this);
    if (!TakeFile(FFichierCPS, Fichier, "SaveToNewFile"))
        return false;
    // A zone that could not be read is written with its default values: the new file is
    // not a copy of the image, which the answer says (the read has logged why).
    bool result = FLecturesEnErreur == lecturesEnErreur;
    try {
        FFichierCPS->SetIdentification(FNomEprom);
    } catch (const std::exception& e) {
        LogEvent(this, "SaveToNewFile", e.what(), FFichierCPS->GetFileName(), LogAnomaly, CatEprom);
        return false;
    }
    for (int index = 0; index < zones.Count(); ++index)
        result = AppendZone(zones[index], *FFichierCPS, "SaveToNewFile") && result;
    return result;
}

bool TEprom::ReadFromFile(TKevCustomFileStream* Fichier) {
    TLockGuard guard(FZoneAcessLock);
    if (!TakeFile(FFichierCPS, Fichier, "ReadFromFile"))
        return false;
    std::vector<TZoneReference*> references;
    GetListZoneReference(references);
    for (TZoneReference* reference : references)
        if (TCustomZoneCPS* zone = reference->GetZone())
            reference->SetReady(ReadZoneCPSFromCustomFile(zone, FFichierCPS.get()));
    return Fichier != nullptr;
}

void TEprom::CloseFile() {
    TLockGuard guard(FZoneAcessLock);
    FFichierCPS.reset();
}

bool TEprom::SaveToNewRefFile(TKevCustomFileStream* Fichier) {
    TLockGuard guard(FZoneAcessLock);
    if (!TakeFile(FFichierRefCPS, Fichier, "SaveToNewRefFile") || FFichierRefCPS == nullptr ||
        FFichierCPS == nullptr)
        return false;
    TKevCustomFileStream& source = *FFichierCPS;
    TKevCustomFileStream& copie = *FFichierRefCPS;
    std::scoped_lock locks(source.FileAccessLock(), copie.FileAccessLock());
    try {
        const Int64 size = source.Size();
        source.Seek(0, TSeekOrigin::soBeginning);
        copie.Seek(0, TSeekOrigin::soBeginning);
        std::vector<Byte> chunk(TailleCopie);
        for (Int64 done = 0; done < size;) {
            const int count = static_cast<int>(std::min<Int64>(TailleCopie, size - done));
            source.ReadBuffer(chunk.data(), count);
            copie.WriteBuffer(chunk.data(), count);
            done += count;
        }
    } catch (const std::exception& e) {
        LogEvent(this, "SaveToNewRefFile", e.what(), copie.GetFileName(), LogAnomaly, CatEprom);
        return false;
    }
    return true;
}

bool TEprom::SaveToRefFile(TKevCustomFileStream* Fichier) {
    LogEvent(this, "SaveToRefFile", "Debut", "", LogTrace, FNomEprom);
    TLockGuard guard(FZoneAcessLock);
    if (!TakeFile(FFichierRefCPS, Fichier, "SaveToRefFile") || FFichierRefCPS == nullptr)
        return false;
    {
        const TZonesEnFichier zones(*this);
        for (int index = 0; index < zones.Count(); ++index)
            SaveZoneCPSToCustomFile(zones[index]->Duplicate().get(), FFichierRefCPS.get());
    }
    LogEvent(this, "SaveToRefFile", "Fin", "", LogTrace, FNomEprom);
    return true;
}

bool TEprom::ReadFromRefFile(TKevCustomFileStream* Fichier) {
    TLockGuard guard(FZoneAcessLock);
    return TakeFile(FFichierRefCPS, Fichier, "ReadFromRefFile") && Fichier != nullptr;
}

bool TEprom::FreeRefFile() {
    LogEvent(this, "FreeRefFile", "Debut", "", LogTrace, FNomEprom);
    {
        TLockGuard guard(FZoneAcessLock);
        FFichierRefCPS.reset();
    }
    LogEvent(this, "FreeRefFile", "Fin", "", LogTrace, FNomEprom);
    return true;
}

std::unique_ptr<TCustomZoneCPS> TEprom::GetZoneRef(TCustomZoneCPS* aOriginalZone) {
    if (aOriginalZone == nullptr || !aOriginalZone->IsFileZone())
        return nullptr;
    std::unique_ptr<TCustomZoneCPS> zone = aOriginalZone->CreateSameZone();
    zone->SetLoadToCPS(aOriginalZone->GetLoadToCPS());
    zone->SetSaveFromCPS(aOriginalZone->GetSaveFromCPS());
    TLockGuard guard(FZoneAcessLock);
    const TFreshZoneDecode fresh(*zone);
    ReadZoneCPSFromCustomFile(zone.get(), FFichierRefCPS.get());
    return zone;
}

bool TEprom::SaveZoneRef(TCustomZoneCPS* aZone) {
    LogEvent(this, "SaveZoneRef", "Debut", "", LogTrace, FNomEprom);
    bool result = false;
    {
        TLockGuard guard(FZoneAcessLock);
        result = SaveZoneCPSToCustomFile(aZone, FFichierRefCPS.get());
    }
    LogEvent(this, "SaveZoneRef", "Fin", "", LogTrace, FNomEprom);
    return result;
}

bool TEprom::SaveZoneToFile(TCustomZoneCPS* aZone) {
    if (aZone == nullptr) {
        LogEvent(this, "SaveZoneToFile", "aZone=nil", "SaveZoneCPSToCustomFile", LogAnomaly,
                 CatEprom);
        return false;
    }
    TLockGuard guard(FZoneAcessLock);
    return SaveZoneCPSToCustomFile(aZone, FFichierCPS.get());
}

bool TEprom::ReadZoneFromFile(TCustomZoneCPS* aZone) {
    if (aZone == nullptr) {
        LogEvent(this, "ReadZoneFromFile", "aZone=nil", "ReadZoneCPSFromCustomFile", LogAnomaly,
                 CatEprom);
        return false;
    }
    TLockGuard guard(FZoneAcessLock);
    return ReadZoneCPSFromCustomFile(aZone, FFichierCPS.get());
}

bool TEprom::PartialCopyRef() {
    LogEvent(this, "PartialCopyRef", "Debut", "", LogTrace, FNomEprom);
    bool result = true;
    {
        TLockGuard guard(FZoneAcessLock);
        const TZonesEnFichier zones(*this);
        for (int index = 0; index < zones.Count(); ++index) {
            TCustomZoneCPS* zone = zones[index];
            const std::unique_ptr<TCustomZoneCPS> reference = GetZoneRef(zone);
            if (reference == nullptr) {
                result = false;
                continue;
            }
            zone->Assign(reference.get());
            SaveZoneCPSToCustomFile(zone, FFichierCPS.get());
        }
    }
    LogEvent(this, "PartialCopyRef", "Fin", "", LogTrace, FNomEprom);
    return result;
}

bool TEprom::EqualsFichier(TStringList* ListeDifferences, const std::string& FileName) {
    if (ListeDifferences == nullptr || FFichierCPS == nullptr)
        return false;
    TKevCustomFileStream fichier(FileName, ModeLecturePartagee, true);
    const TZonesEnFichier zones(*this);
    bool result = true;
    for (int index = 0; index < zones.Count(); ++index) {
        const TCustomZoneCPS* zone = zones[index];
        if (!zone->GetLoadToCPS() && !zone->GetSaveFromCPS())
            continue;
        const std::unique_ptr<TCustomZoneCPS> copie = zone->CreateSameZone();
        const TFreshZoneDecode fresh(*copie);
        ReadZoneCPSFromCustomFile(copie.get(), &fichier);
        result = zone->EqualsDetails(copie.get(), ListeDifferences) && result;
    }
    return result;
}

std::string TEprom::GetFichierTypeEprom(const std::string& FileName) {
    const TKevCustomFileStream fichier(FileName, ModeLecturePartagee, true);
    return fichier.GetIdentification();
}

// Reference curves and learning files are not available for this generation.
bool TEprom::CreateFileAppr(bool, int, TStringList*, TStringList*, TStringList*,
                            TTypeWeldingSupport, const std::string&, const std::string&) {
    LogEvent(this, "CreateFileAppr", "Methode abstract", "", LogAnomaly, CatEprom);
    return false;
}

bool TEprom::SaveCurveRef(int, Int64, const TByteVector&, const TByteVector&) {
    LogEvent(this, "SaveCurveRef", "Methode abstract", "", LogAnomaly, CatEprom);
    return false;
}

bool TEprom::SaveCurveRefEx(int, Int64, const TByteVector&, const TByteVector&,
                            const TByteVector&) {
    LogEvent(this, "SaveCurveRefEx", "Methode abstract", "", LogAnomaly, CatEprom);
    return false;
}

// ---------------------------------------------------------------------------------------
// Signatures (TSignaturesEprom), counters, comparison and field copies (TComparaisonZones)

namespace {

// Pushes onto Queue a duplicate of each zone Min..Max of a zone type; nothing without bounds.
void PushDuplicates(TCustomEprom& Eprom, TZoneQueue& Queue, TTypeZones TypeZone, int Min, int Max) {
    for (int numero = Min; Min >= 0 && numero <= Max; ++numero)
        if (const TZoneHolder zone(&Eprom, TypeZone, numero, true); zone)
            Queue.push_back(zone->Duplicate());
}

} // namespace

TCustomZoneCPS* TEprom::GetSignature(int NumProg) {
    return FSignatures.Get(NumProg);
}
void TEprom::SetSignature(std::unique_ptr<TCustomZoneCPS> Signature) {
    FSignatures.SetSignature(std::move(Signature));
}
int TEprom::GetNumProg(TCustomZoneCPS* Signature) {
    return TSignaturesEprom::NumeroProgramme(this, FNomEprom, Signature);
}
void TEprom::NouvelleSignature(int NumProg) {
    NotifyNouvelleSignature(NumProg);
}
// The counters of every electrode, then those of every tip dresser.
void TEprom::GetZonesCompteurs(TZoneQueue* AQueue) {
    if (AQueue == nullptr)
        return;
    PushDuplicates(*this, *AQueue, PrcCompteurs, MinZone(PrcElectrodes), MaxZone(PrcElectrodes));
    PushDuplicates(*this, *AQueue, PrcCompteurFraise, MinZone(PrcCompteurFraise),
                   MaxZone(PrcCompteurFraise));
}
bool TEprom::EqualsZones(TCustomEprom* Source, TStringList* ListeDifferences) {
    return TComparaisonZones(*this).EqualsZones(Source, ListeDifferences);
}
void TEprom::FieldsAssign(const std::vector<TInterfacedPersistent*>& aListFields,
                          TStringList* aListeZones, TStringList* aListeDest) {
    TComparaisonZones(*this).FieldsAssign(aListFields, aListeZones, aListeDest);
}
TypesSignature TEprom::TypeSignatureIntToEnum(int Code) {
    return g20seq::TypeSignatureIntToEnum(Code);
}
int TEprom::TypeSignatureEnumToInt(TypesSignature Value) {
    return g20seq::TypeSignatureEnumToInt(Value);
}

// ---------------------------------------------------------------------------------------
// Text export and auxiliary parameter files. The requests go through TRequetesFichiersKEV;
// the per-kind, learning, weld support and porting operations are not available for this
// generation.

bool TEprom::ConversionASCII(TExportTypes Sections, const std::string& Filename,
                             TStringList* ProgList, TStringList* ElecList) {
    return TConversionASCII(*this).Execute(Sections, Filename, ProgList, ElecList);
}
bool TEprom::ExportFilesKEV_Motor(int, const std::string&, std::string&) {
    return TRequetesFichiersKEV::MethodeAbstract(this, "ExportFilesKEV_Motor");
}
bool TEprom::ImportFilesKEV_Motor(int, TStringList*, const std::string&, std::string&) {
    return TRequetesFichiersKEV::MethodeAbstract(this, "ImportFilesKEV_Motor");
}
int TEprom::TestImportFilesKEV_Motor(int, const std::string&, std::string&) {
    TRequetesFichiersKEV::MethodeAbstract(this, "TestImportFilesKEV_Motor");
    return 0;
}
bool TEprom::ExportFilesKEV_Transformer(int, const std::string&, std::string&) {
    return TRequetesFichiersKEV::MethodeAbstract(this, "ExportFilesKEV_Transformer");
}
bool TEprom::ImportFilesKEV_Transformer(int, TStringList*, const std::string&, std::string&) {
    return TRequetesFichiersKEV::MethodeAbstract(this, "ImportFilesKEV_Transformer");
}
int TEprom::TestImportFilesKEV_Transformer(int, const std::string&, std::string&) {
    TRequetesFichiersKEV::MethodeAbstract(this, "TestImportFilesKEV_Transformer");
    return 0;
}
bool TEprom::ExportFilesKEV_Geometry(int, const std::string&, std::string&) {
    return TRequetesFichiersKEV::MethodeAbstract(this, "ExportFilesKEV_Geometry");
}
bool TEprom::ImportFilesKEV_Geometry(int, TStringList*, const std::string&, std::string&) {
    return TRequetesFichiersKEV::MethodeAbstract(this, "ImportFilesKEV_Geometry");
}
int TEprom::TestImportFilesKEV_Geometry(int, const std::string&, std::string&) {
    TRequetesFichiersKEV::MethodeAbstract(this, "TestImportFilesKEV_Geometry");
    return 0;
}
bool TEprom::ExportFilesKEV_ServoGun(int, const std::string&, std::string&) {
    return TRequetesFichiersKEV::MethodeAbstract(this, "ExportFilesKEV_ServoGun");
}
bool TEprom::ImportFilesKEV_ServoGun(int, TStringList*, const std::string&, std::string&) {
    return TRequetesFichiersKEV::MethodeAbstract(this, "ImportFilesKEV_ServoGun");
}
int TEprom::TestImportFilesKEV_ServoGun(int, const std::string&, std::string&) {
    TRequetesFichiersKEV::MethodeAbstract(this, "TestImportFilesKEV_ServoGun");
    return 0;
}
int TEprom::TestImportFilesKEV_Appr(int, const std::string&, TListFilesKEV, std::string&) {
    TRequetesFichiersKEV::MethodeAbstract(this, "TestImportFilesKEV_Appr");
    return 0;
}
int TEprom::TestImportMemKEV_WS(int, const IMemIniFile*, std::string&) {
    TRequetesFichiersKEV::MethodeAbstract(this, "TestImportMemKEV_WS");
    return 0;
}
bool TEprom::ExportFilesKEV(int NumMainZone, const std::string& FileName,
                            TListFilesKEV TypeFilesKEV, std::string& msg) {
    return TRequetesFichiersKEV(*this).ExportFilesKEV(NumMainZone, FileName, TypeFilesKEV, msg);
}
bool TEprom::ImportFilesKEV(int MainZone, TStringList* ListZones, const std::string& FileName,
                            TListFilesKEV TypeFilesKEV, std::string& msg) {
    return TRequetesFichiersKEV(*this).ImportFilesKEV(MainZone, ListZones, FileName, TypeFilesKEV,
                                                      msg);
}
bool TEprom::ImportMemKEV(int MainZone, TStringList* ListZones, const IMemIniFile* Mem,
                          TListFilesKEV TypeFilesKEV, std::string& msg) {
    return TRequetesFichiersKEV(*this).ImportMemKEV(MainZone, ListZones, Mem, TypeFilesKEV, msg);
}
int TEprom::TestImportFilesKEV(int NumZone, const std::string& FileName, TListFilesKEV TypeFilesKEV,
                               std::string& msg) {
    return TRequetesFichiersKEV(*this).TestImportFilesKEV(NumZone, FileName, TypeFilesKEV, msg);
}
int TEprom::TestImportMemKEV(int NumZone, const IMemIniFile* Mem, TListFilesKEV TypeFilesKEV,
                             std::string& msg) {
    return TRequetesFichiersKEV(*this).TestImportMemKEV(NumZone, Mem, TypeFilesKEV, msg);
}
bool TEprom::PortingFilesKEV_AWL(int, int, int, int, const std::string&, std::string&) {
    return TRequetesFichiersKEV::MethodeAbstract(this, "PortingFilesKEV_AWL");
}
bool TEprom::PortingFilesKEV_AWAL(int, int, int, int, const std::string&, std::string&) {
    return TRequetesFichiersKEV::MethodeAbstract(this, "PortingFilesKEV_AWAL");
}
bool TEprom::PortingFilesKEV_INI(int, int, int, int, const std::string&, std::string&) {
    return TRequetesFichiersKEV::MethodeAbstract(this, "PortingFilesKEV_INI");
}
bool TEprom::ImportFilesKEV_AWL(int, TStringList*, const std::string&, std::string&) {
    return TRequetesFichiersKEV::MethodeAbstract(this, "ImportFilesKEV_AWL");
}
bool TEprom::ImportFilesKEV_AWAL(int, TStringList*, const std::string&, std::string&) {
    return TRequetesFichiersKEV::MethodeAbstract(this, "ImportFilesKEV_AWAL");
}
bool TEprom::ImportMemKEV_WS(int, TStringList*, const IMemIniFile*, std::string&) {
    return TRequetesFichiersKEV::MethodeAbstract(this, "ImportMemKEV_WS");
}
bool TEprom::ExportFilesKEV_AWL(int, const std::string&, std::string&) {
    return TRequetesFichiersKEV::MethodeAbstract(this, "ExportFilesKEV_AWL");
}
bool TEprom::ExportFilesKEV_AWAL(int, const std::string&, std::string&) {
    return TRequetesFichiersKEV::MethodeAbstract(this, "ExportFilesKEV_AWAL");
}
bool TEprom::ExportFilesKEV_WS(int, const std::string&, std::string&) {
    return TRequetesFichiersKEV::MethodeAbstract(this, "ExportFilesKEV_WS");
}
bool TEprom::PortingEpromFilesKEV_AWL(int, int, int, int, const std::string&, std::string&) {
    return TRequetesFichiersKEV::MethodeAbstract(this, "PortingEpromFilesKEV_AWL");
}
bool TEprom::PortingEpromFilesKEV_AWAL(int, int, int, int, const std::string&, std::string&) {
    return TRequetesFichiersKEV::MethodeAbstract(this, "PortingEpromFilesKEV_AWAL");
}
bool TEprom::PortingEpromFilesKEV_INI(int, int, int, int, const std::string&, std::string&) {
    return TRequetesFichiersKEV::MethodeAbstract(this, "PortingEpromFilesKEV_INI");
}

} // namespace g20seq
