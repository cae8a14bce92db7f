#include "zones/AssignationHandler.h"

#include "model/DataProxy.h"
#include "model/EpromDescription.h"
#include "support/Format.h"
#include "zones/AssignationPoints.h"

#include <algorithm>
#include <memory>

namespace g20seq {

namespace {

constexpr const char* MessWarningMaxReached = "MessWarningMaxReached";
constexpr const char* DefautMaxReached = "Le nombre maximum de point a été atteint";
constexpr const char* MessWarningReset = "MessWarningReset";
constexpr const char* DefautReset =
    "Le changement de mode d'assignation va détruire la liste des points";
constexpr const char* DefautResetQuestion = "Voulez-vous changer de mode ?";

// The pending edit ends whatever happens while it is applied.
class TFinEdition {
public:
    TFinEdition(THandlingState& State, int& Index) : FState(State), FIndex(Index) {}
    ~TFinEdition() {
        FState = hsNone;
        FIndex = -1;
    }
    TFinEdition(const TFinEdition&) = delete;
    TFinEdition& operator=(const TFinEdition&) = delete;

private:
    THandlingState& FState;
    int& FIndex;
};

// Takes the entry at Index out of a list that owns its entries, without freeing it.
std::unique_ptr<TAssignationPoints> Extraire(TStringList& Liste, int Index) {
    auto* entree = dynamic_cast<TAssignationPoints*>(Liste.Objects(Index));
    Liste.SetObject(Index, nullptr);
    Liste.Delete(Index);
    return std::unique_ptr<TAssignationPoints>(entree);
}

// Adds an entry under its stored point number; on failure the entry stays with the caller.
int Inserer(TStringList& Liste, std::unique_ptr<TAssignationPoints>& Entree) {
    const int position = Liste.AddObject(Entree->GetNumPointCPS(), Entree.get());
    Entree.release();
    return position;
}

// A copy of an entry (same class, EPROM, type and number).
std::unique_ptr<TAssignationPoints> CopieEntree(const TAssignationPoints& Entree) {
    std::unique_ptr<TCustomZoneCPS> copie = Entree.Duplicate();
    auto* entree = dynamic_cast<TAssignationPoints*>(copie.get());
    if (entree != nullptr)
        copie.release();
    return std::unique_ptr<TAssignationPoints>(entree);
}

bool MemeEntree(const TAssignationPoints& A, const TAssignationPoints& B) {
    return A.GetNumPointCPS() == B.GetNumPointCPS() && A.GetNumProg() == B.GetNumProg();
}

} // namespace

TAssignationHandler::TAssignationHandler(TCustomEprom* Owner)
    : FEprom(Owner), FOriginalPointList(true), FCurrentPointList(true) {
    FCurrentPointList.SetSorted(true);
    FCurrentPointList.SetDuplicates(TDuplicates::dupError);
}

TAssignationHandler::~TAssignationHandler() = default;

std::string TAssignationHandler::ClassName() const {
    return "TAssignationHandler";
}

TAssignationPoints* TAssignationHandler::Original(int Index) const {
    return dynamic_cast<TAssignationPoints*>(FOriginalPointList.Objects(Index));
}

TAssignationPoints* TAssignationHandler::Current(int Index) const {
    return dynamic_cast<TAssignationPoints*>(FCurrentPointList.Objects(Index));
}

int TAssignationHandler::PremiereZone() const {
    TCustomEpromDescription* description = FEprom ? FEprom->GetDescription() : nullptr;
    const int minimum = description ? description->GetMinZone(PrcAssignationPoint) : -1;
    return minimum > 0 ? minimum : 0;
}

int TAssignationHandler::MaxCount() const {
    TCustomEpromDescription* description = FEprom ? FEprom->GetDescription() : nullptr;
    if (description == nullptr || description->GetMinZone(PrcAssignationPoint) < 0)
        return 0;
    const int count = description->GetMaxZone(PrcAssignationPoint) -
                      description->GetMinZone(PrcAssignationPoint) + 1;
    return count > 0 ? count : 0;
}

std::unique_ptr<TAssignationPoints> TAssignationHandler::CopieZone(int Numero) const {
    TZoneHolder zone(FEprom, PrcAssignationPoint, Numero);
    if (auto* entree = zone.As<TAssignationPoints>())
        return CopieEntree(*entree);
    LogEvent(this, "CopieZone", "Zone d'assignation absente",
             Format("%s=%d", TypeZoneName(PrcAssignationPoint), Numero), LogAnomaly, CatZRT);
    return nullptr;
}

// --- Loading ---

void TAssignationHandler::ChargerDonneesPoints(TObject* /*Sender*/) {
    if (FEprom != nullptr) {
        FOriginalPointList.Clear();
        const int premiere = PremiereZone();
        for (int numero = premiere; numero < premiere + MaxCount(); ++numero) {
            std::unique_ptr<TAssignationPoints> entree = CopieZone(numero);
            if (entree == nullptr) // keeps positions and zone numbers together
                entree = std::make_unique<TAssignationPoints>(FEprom, PrcAssignationPoint,
                                                              static_cast<Word>(numero), nullptr);
            FOriginalPointList.AddObject(entree->GetNumPointCPS(), entree.get());
            entree.release();
        }
    }
    FCurrentPointList.Clear();
    for (int i = 0; i < FOriginalPointList.Count(); ++i) {
        if (!Original(i)->GetPointValide())
            continue;
        std::unique_ptr<TAssignationPoints> copie = CopieEntree(*Original(i));
        Inserer(FCurrentPointList, copie);
    }
}

// --- Pending edits ---

void TAssignationHandler::Add() {
    if (FCurrentPointList.Count() >= FOriginalPointList.Count()) {
        const std::string texte = Format(
            "%s (%d)", TranslateMessage(ClassName(), MessWarningMaxReached, DefautMaxReached),
            FOriginalPointList.Count());
        MessageDlg(ClassName(), MessWarningMaxReached, texte, mtWarning, mbOK);
        return;
    }
    FHandlingState = hsAdd;
    FHandlingIndex = -1;
}

void TAssignationHandler::Alter(int Index) {
    FHandlingState = hsAlter;
    FHandlingIndex = Index;
}

void TAssignationHandler::Delete(int Index) {
    FHandlingState = hsDelete;
    FHandlingIndex = Index;
}

void TAssignationHandler::Cancel() {
    FHandlingState = hsNone;
    FHandlingIndex = -1;
}

int TAssignationHandler::Validate(const std::string& NumPoint, int NumProg) {
    const TFinEdition fin(FHandlingState, FHandlingIndex);
    switch (FHandlingState) {
    case hsAdd:
        return ValidateAdd(NumPoint, NumProg);
    case hsAlter:
        return ValidateAlter(NumPoint, NumProg);
    case hsDelete:
        return ValidateDelete();
    case hsNone:
        break;
    }
    return -1;
}

int TAssignationHandler::ValidateAdd(const std::string& NumPoint, int NumProg) {
    std::unique_ptr<TAssignationPoints> entree = CopieZone(PremiereZone());
    if (entree == nullptr)
        return -1;
    entree->SetPointValide(true);
    entree->SetNumPoint(TrimRight(NumPoint));
    entree->SetNumProg(NumProg);
    return Inserer(FCurrentPointList, entree);
}

int TAssignationHandler::ValidateAlter(const std::string& NumPoint, int NumProg) {
    std::unique_ptr<TAssignationPoints> entree = Extraire(FCurrentPointList, FHandlingIndex);
    // The stored form is kept (not the shown one) so that the entry comes back exactly.
    const std::string ancienPoint = entree->GetNumPointCPS();
    const int ancienProg = entree->GetNumProg();
    try {
        entree->SetNumPoint(TrimRight(NumPoint));
        entree->SetNumProg(NumProg);
        return Inserer(FCurrentPointList, entree);
    } catch (...) {
        entree->SetNumPointCPS(ancienPoint);
        entree->SetNumProg(ancienProg);
        Inserer(FCurrentPointList, entree);
        throw;
    }
}

int TAssignationHandler::ValidateDelete() {
    FCurrentPointList.Delete(FHandlingIndex);
    return -1;
}

std::string TAssignationHandler::GetNumPoint(int Indice) const {
    return Current(Indice)->GetNumPoint();
}

int TAssignationHandler::GetNumProg(int Indice) const {
    return Current(Indice)->GetNumProg();
}

// --- Saving ---

bool TAssignationHandler::GetDonnesModifiees() const {
    const int count = FCurrentPointList.Count();
    for (int i = 0; i < count; ++i) {
        if (i >= FOriginalPointList.Count())
            return true;
        const TAssignationPoints& charge = *Original(i);
        const TAssignationPoints& courant = *Current(i);
        if (charge.GetPointValide() != courant.GetPointValide() || !MemeEntree(charge, courant))
            return true;
    }
    return count < MaxCount() && count < FOriginalPointList.Count() &&
           Original(count)->GetPointValide();
}

void TAssignationHandler::Transferer(int Index, const TAssignationPoints& Zone,
                                     TStringList* FZones_Transferees,
                                     TZoneQueue* FZones_a_Transferer) const {
    TAssignationPoints* charge = Original(Index);
    if (FZones_Transferees != nullptr)
        FZones_Transferees->AddObject(charge->ZoneLabel(), charge);
    if (FZones_a_Transferer != nullptr)
        FZones_a_Transferer->push_back(Zone.Duplicate());
}

void TAssignationHandler::EnregistrerModificationsPoints(TStringList* FZones_Transferees,
                                                         TZoneQueue* FZones_a_Transferer) {
    if (!GetDonnesModifiees())
        return;
    const int premiere = PremiereZone();
    const int count = std::min(FCurrentPointList.Count(), FOriginalPointList.Count());
    for (int i = 0; i < count; ++i) {
        const TAssignationPoints& courant = *Current(i);
        if (MemeEntree(*Original(i), courant))
            continue;
        std::unique_ptr<TAssignationPoints> zone = CopieZone(premiere + i);
        if (zone == nullptr)
            continue;
        zone->SetPointValide(true);
        zone->SetNumPointCPS(courant.GetNumPointCPS());
        zone->SetNumProg(courant.GetNumProg());
        TAssignationPoints* remplacee = Current(i);
        FCurrentPointList.SetObject(i, zone.release());
        delete remplacee;
        Transferer(i, *Current(i), FZones_Transferees, FZones_a_Transferer);
    }
    for (int i = FCurrentPointList.Count(); i < FOriginalPointList.Count(); ++i) {
        if (!Original(i)->GetPointValide())
            continue;
        std::unique_ptr<TAssignationPoints> zone = CopieZone(premiere + i);
        if (zone == nullptr)
            continue;
        zone->SetNumPointCPS("");
        zone->SetNumProg(0);
        zone->SetPointValide(false);
        Transferer(i, *zone, FZones_Transferees, FZones_a_Transferer);
    }
}

void TAssignationHandler::Recevoir(const TCustomZoneCPS& Chargee) {
    for (int i = 0; i < std::min(FCurrentPointList.Count(), FOriginalPointList.Count()); ++i)
        if (Original(i) == &Chargee) {
            Current(i)->Assign(&Chargee);
            return;
        }
}

// --- Point number mode ---

bool TAssignationHandler::ChangeModeAssignationPoint(TModeAssignation Mode) {
    if (FCurrentPointList.Count() > 0 &&
        MessageDlg(ClassName(), MessWarningReset,
                   Format("%s\n%s", DefautReset, DefautResetQuestion), mtConfirmation,
                   mbYes | mbNo) != mrYes)
        return false;
    FModeAssignation = Mode;
    FCurrentPointList.Clear();
    return true;
}

} // namespace g20seq
