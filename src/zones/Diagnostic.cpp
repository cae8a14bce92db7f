#include "zones/Diagnostic.h"

#include <utility>

namespace g20seq {

TObjetDiagnostic::TObjetDiagnostic(std::string Identificateur, std::string IDNom, std::string Nom,
                                   std::string IDDescription, std::string Description,
                                   TTypeObjetDiagnostic TypeES, bool Gere)
    : FId(std::move(Identificateur)), FIDNom(std::move(IDNom)), FNom(std::move(Nom)),
      FIDDescription(std::move(IDDescription)), FDescription(std::move(Description)),
      FTypeObjet(TypeES), FGere(Gere) {}

std::string TObjetDiagnostic::ClassName() const {
    return "TObjetDiagnostic";
}

THResult TObjetDiagnostic::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IObjetDiagnostic::IID) {
        *Obj = static_cast<IObjetDiagnostic*>(this);
        return THResult::S_OK;
    }
    return TInterfacedPersistent::QueryInterface(IID, Obj);
}

int TObjetDiagnostic::AddRef() {
    return TInterfacedPersistent::AddRef();
}

int TObjetDiagnostic::Release() {
    return TInterfacedPersistent::Release();
}

void TObjetDiagnostic::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TObjetDiagnostic*>(Source);
    if (source == nullptr) {
        TInterfacedPersistent::Assign(Source);
        return;
    }
    FId = source->FId;
    FIDNom = source->FIDNom;
    FNom = source->FNom;
    FIDDescription = source->FIDDescription;
    FDescription = source->FDescription;
    FIsON = source->FIsON;
    FTypeObjet = source->FTypeObjet;
    FGere = source->FGere;
}

bool TObjetDiagnostic::Equals(const TObjetDiagnostic& Other) const {
    return FId == Other.FId && FIDNom == Other.FIDNom && FNom == Other.FNom &&
           FIDDescription == Other.FIDDescription && FDescription == Other.FDescription &&
           FIsON == Other.FIsON && FTypeObjet == Other.FTypeObjet && FGere == Other.FGere;
}

TDiagnostic::TDiagnostic(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                         TInterfacedPersistent* aLogicalZone)
    : TReadOnlyZone<TZoneCPS>(AOwner, TypeZone, Numero, aLogicalZone), FListeDiagnostic(true) {}

std::string TDiagnostic::ClassName() const {
    return "TDiagnostic";
}

THResult TDiagnostic::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IDiagnostic::IID) {
        *Obj = static_cast<IDiagnostic*>(this);
        return THResult::S_OK;
    }
    return TZoneCPS::QueryInterface(IID, Obj);
}

int TDiagnostic::AddRef() {
    return TZoneCPS::AddRef();
}

int TDiagnostic::Release() {
    return TZoneCPS::Release();
}

std::unique_ptr<TCustomZoneCPS> TDiagnostic::Create(TPersistent* AOwner, TTypeZones TypeZone,
                                                    Word Numero,
                                                    TInterfacedPersistent* aLogicalZone) const {
    return std::make_unique<TDiagnostic>(AOwner, TypeZone, Numero, aLogicalZone);
}

void TDiagnostic::Assign(const TPersistent* Source) {
    const TZoneChanges changes(*this); // observers told after the whole copy
    const auto* source = dynamic_cast<const TDiagnostic*>(Source);
    const TLockPair lock = LockWith(source != nullptr ? *source : *this);
    TZoneCPS::Assign(Source);
    // The zone base refuses (and logs) a zone of another EPROM: the objects stay too.
    if (source == nullptr || source == this || source->GetOwner() != GetOwner())
        return;
    const TStringList& liste = source->FListeDiagnostic;
    if (liste.Count() == FListeDiagnostic.Count()) {
        for (int i = 0; i < liste.Count(); ++i)
            GetObjetDiagnosticIndex(i)->Assign(source->GetObjetDiagnosticIndex(i));
        return;
    }
    FListeDiagnostic.Clear();
    for (int i = 0; i < liste.Count(); ++i) {
        const auto* objet = static_cast<const TObjetDiagnostic*>(liste.Objects(i));
        auto copie = std::make_unique<TObjetDiagnostic>(objet->GetId(), "", "", "", "",
                                                        objet->GetTypeObjet(), false);
        copie->Assign(objet);
        AjouterObjet(std::move(copie));
    }
}

bool TDiagnostic::Equals(const TPersistent* Other) const {
    return EqualsDetails(Other, nullptr);
}

bool TDiagnostic::EqualsDetails(const TPersistent* Other, TStringList*) const {
    const auto* other = dynamic_cast<const TDiagnostic*>(Other);
    if (other == nullptr)
        return false;
    const TLockPair lock = LockWith(*other);
    if (other->FListeDiagnostic.Count() != FListeDiagnostic.Count())
        return false;
    for (int i = 0; i < FListeDiagnostic.Count(); ++i)
        if (!GetObjetDiagnosticIndex(i)->Equals(*other->GetObjetDiagnosticIndex(i)))
            return false;
    return true;
}

TErreurSerie TDiagnostic::SerialDecode(const TByteArray&, int) {
    return CodecNotSupported;
}

TObjetDiagnostic* TDiagnostic::GetObjetDiagnostic(const std::string& ID) const {
    TLockGuard lock(ZoneLock());
    const int index = FListeDiagnostic.IndexOf(ID);
    return index >= 0 ? static_cast<TObjetDiagnostic*>(FListeDiagnostic.Objects(index)) : nullptr;
}

TObjetDiagnostic* TDiagnostic::GetObjetDiagnosticIndex(int Index) const {
    TLockGuard lock(ZoneLock());
    return static_cast<TObjetDiagnostic*>(FListeDiagnostic.Objects(Index));
}

int TDiagnostic::GetNombreObjetsDiagnostic() const {
    TLockGuard lock(ZoneLock());
    return FListeDiagnostic.Count();
}

IObjetDiagnostic* TDiagnostic::GetObjet(int Index) const {
    TLockGuard lock(ZoneLock());
    if (Index < 0 || Index >= FListeDiagnostic.Count())
        return nullptr;
    return static_cast<TObjetDiagnostic*>(FListeDiagnostic.Objects(Index));
}

void TDiagnostic::AjouterObjet(std::unique_ptr<TObjetDiagnostic> Objet) {
    TLockGuard lock(ZoneLock());
    const std::string id = Objet->GetId();
    FListeDiagnostic.AddObject(id, Objet.release());
}

} // namespace g20seq
