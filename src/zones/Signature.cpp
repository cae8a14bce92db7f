#include "zones/Signature.h"

#include "model/SignatureTypes.h"

#include <algorithm>
#include <array>

namespace g20seq {

namespace {

// Logical kind of each raw type 0..4.
constexpr std::array<TypesSignature, 5> TypesParBrut = {
    SigProgElementaire, SigDefaut, SigAcquittement, SigCoupureAlimentation, SigMiseSousTension};

// Origins of acknowledgement above this value read as one more.
constexpr int OrigineAcquittementMax = 5;

} // namespace

TSignature::TSignature(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                       TInterfacedPersistent* aLogicalZone)
    : TReadOnlyZone<TZoneCPS>(AOwner, TypeZone, Numero, aLogicalZone) {}

std::string TSignature::ClassName() const {
    return "TSignature";
}

THResult TSignature::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == ISignature::IID) {
        *Obj = static_cast<ISignature*>(this);
        return THResult::S_OK;
    }
    if (IID == ISignatureCompl1::IID) {
        *Obj = static_cast<ISignatureCompl1*>(this);
        return THResult::S_OK;
    }
    return TZoneCPS::QueryInterface(IID, Obj);
}

int TSignature::AddRef() {
    return TZoneCPS::AddRef();
}

int TSignature::Release() {
    return TZoneCPS::Release();
}

std::unique_ptr<TCustomZoneCPS> TSignature::Create(TPersistent* AOwner, TTypeZones TypeZone,
                                                   Word Numero,
                                                   TInterfacedPersistent* aLogicalZone) const {
    return std::make_unique<TSignature>(AOwner, TypeZone, Numero, aLogicalZone);
}

void TSignature::Assign(const TPersistent* Source) {
    const TZoneChanges changes(*this); // observers told after the whole copy
    const auto* signature = dynamic_cast<const TSignature*>(Source);
    TLockGuard lock(ZoneLock());
    TZoneCPS::Assign(Source);
    // The zone base refuses (and logs) a zone of another EPROM: the members stay too.
    if (signature != nullptr && signature->GetOwner() == GetOwner())
        AssignSignature(*signature);
}

void TSignature::AssignSignature(const TSignature& Source) {
    FDefauts = Source.FDefauts;
    FDateHeure = Source.FDateHeure;
    FTypeSignature.Assign(&Source.FTypeSignature);
    FProgrammeCombine.Assign(&Source.FProgrammeCombine);
    FCompteurChainage.Assign(&Source.FCompteurChainage);
    FOrigineAcquittement.Assign(&Source.FOrigineAcquittement);
    FNumeroProgramme.Assign(&Source.FNumeroProgramme);
    FNumeropalier.Assign(&Source.FNumeropalier);
    FIntensiteMesuree = Source.FIntensiteMesuree;
    FPourcentEquivalent = Source.FPourcentEquivalent;
    FPourcentTension = Source.FPourcentTension;
    FIntensiteTotaleMesuree = Source.FIntensiteTotaleMesuree;
    FNumeroElectrode.Assign(&Source.FNumeroElectrode);
    FDemandeRodageneuve = Source.FDemandeRodageneuve;
    FDemandeRodageIP = Source.FDemandeRodageIP;
    FDemandeRodageFinCU = Source.FDemandeRodageFinCU;
    FAlarmeChangementElectrode = Source.FAlarmeChangementElectrode;
    FFinDeVie = Source.FFinDeVie;
    FCompteurPointsAbsolu = Source.FCompteurPointsAbsolu;
    FCompteurPoints = Source.FCompteurPoints;
    FCompteurRodage = Source.FCompteurRodage;
    FCompteurPointsIP = Source.FCompteurPointsIP;
    FEffortMesure = Source.FEffortMesure;
}

bool TSignature::Equals(const TPersistent* Other) const {
    return EqualsDetails(Other, nullptr);
}

bool TSignature::EqualsDetails(const TPersistent* Other, TStringList*) const {
    const auto* other = dynamic_cast<const TSignature*>(Other);
    if (other == nullptr)
        return false;
    TLockGuard lock(ZoneLock());
    return EqualsSignature(*other);
}

bool TSignature::EqualsSignature(const TSignature& Other) const {
    const bool mesures = FDateHeure == Other.FDateHeure &&
                         FIntensiteMesuree == Other.FIntensiteMesuree &&
                         FPourcentEquivalent == Other.FPourcentEquivalent &&
                         FPourcentTension == Other.FPourcentTension &&
                         FIntensiteTotaleMesuree == Other.FIntensiteTotaleMesuree;
    const bool electrode = FDemandeRodageneuve == Other.FDemandeRodageneuve &&
                           FDemandeRodageIP == Other.FDemandeRodageIP &&
                           FDemandeRodageFinCU == Other.FDemandeRodageFinCU &&
                           FAlarmeChangementElectrode == Other.FAlarmeChangementElectrode &&
                           FFinDeVie == Other.FFinDeVie;
    const bool compteurs =
        FCompteurPointsAbsolu == Other.FCompteurPointsAbsolu &&
        FCompteurPoints == Other.FCompteurPoints && FCompteurRodage == Other.FCompteurRodage &&
        FCompteurPointsIP == Other.FCompteurPointsIP && FEffortMesure == Other.FEffortMesure;
    const bool plages = FTypeSignature.Equals(&Other.FTypeSignature) &&
                        FProgrammeCombine.Equals(&Other.FProgrammeCombine) &&
                        FCompteurChainage.Equals(&Other.FCompteurChainage) &&
                        FNumeroProgramme.Equals(&Other.FNumeroProgramme) &&
                        FNumeropalier.Equals(&Other.FNumeropalier) &&
                        FNumeroElectrode.Equals(&Other.FNumeroElectrode);
    return mesures && electrode && compteurs && plages &&
           FOrigineAcquittement.GetValue() == Other.FOrigineAcquittement.GetValue();
}

TErreurSerie TSignature::SerialDecode(const TByteArray&, int) {
    return CodecNotSupported;
}

TDefautListH35* TSignature::GetDefauts() const {
    return FDefauts;
}

TDateTime TSignature::GetDateHeure() const {
    return FDateHeure;
}

TypesSignature TSignature::GetTypeSignature() const {
    const int brut = FTypeSignature.GetValue();
    return brut >= 0 && brut < static_cast<int>(TypesParBrut.size())
               ? TypesParBrut[static_cast<std::size_t>(brut)]
               : SigProgElementaire;
}

void TSignature::SetTypeSignature(TypesSignature Value) {
    const auto* found = std::find(TypesParBrut.begin() + 1, TypesParBrut.end(), Value);
    FTypeSignature.SetValue(
        found != TypesParBrut.end() ? static_cast<int>(found - TypesParBrut.begin()) : 0);
}

int TSignature::GetTypeSignatureBrut() const {
    return FTypeSignature.GetValue();
}

int TSignature::GetProgrammeCombine() const {
    return FProgrammeCombine.GetValue();
}

int TSignature::GetCompteurChainage() const {
    return FCompteurChainage.GetValue();
}

int TSignature::GetOrigineAcquittement() const {
    return std::min(FOrigineAcquittement.GetValue(), OrigineAcquittementMax + 1);
}

int TSignature::GetNumeroProgramme() const {
    return FNumeroProgramme.GetValue();
}

int TSignature::GetNumeroPalier() const {
    return FNumeropalier.GetValue();
}

double TSignature::GetIntensiteMesuree(bool ModeAmperes) const {
    return ModeAmperes ? FIntensiteMesuree : FIntensiteMesuree / 100.0;
}

double TSignature::GetPourcentEquivalent() const {
    return FPourcentEquivalent;
}

double TSignature::GetPourcentTension() const {
    return FPourcentTension;
}

double TSignature::GetIntensiteTotaleMesuree() const {
    return FIntensiteTotaleMesuree;
}

int TSignature::GetNumeroElectrode() const {
    return FNumeroElectrode.GetValue();
}

bool TSignature::GetDemandeRodageNeuve() const {
    return FDemandeRodageneuve;
}

bool TSignature::GetDemandeRodageIP() const {
    return FDemandeRodageIP;
}

bool TSignature::GetDemandeRodageFinCU() const {
    return FDemandeRodageFinCU;
}

bool TSignature::GetAlarmeChangementElectrode() const {
    return FAlarmeChangementElectrode;
}

bool TSignature::GetFinDeVie() const {
    return FFinDeVie;
}

int TSignature::GetCompteurPointsAbsolu() const {
    return FCompteurPointsAbsolu;
}

int TSignature::GetCompteurPoints() const {
    return FCompteurPoints;
}

int TSignature::GetCompteurRodage() const {
    return FCompteurRodage;
}

int TSignature::GetCompteurPointsIP() const {
    return FCompteurPointsIP;
}

int TSignature::GetEffortMesure() const {
    return FEffortMesure;
}

void TSignature::UpdateCpt(TCompteursSignature& Compteurs) const {
    Compteurs.NumeroElectrode = FNumeroElectrode.GetValue();
    Compteurs.CompteurPointsAbsolu = FCompteurPointsAbsolu;
    Compteurs.CompteurPoints = FCompteurPoints;
    Compteurs.CompteurRodage = FCompteurRodage;
    Compteurs.CompteurPointsIP = FCompteurPointsIP;
    Compteurs.DemandeRodageneuve = FDemandeRodageneuve;
    Compteurs.DemandeRodageIP = FDemandeRodageIP;
    Compteurs.DemandeRodageFinCU = FDemandeRodageFinCU;
    Compteurs.AlarmeChangementElectrode = FAlarmeChangementElectrode;
    Compteurs.FinDeVie = FFinDeVie;
    Compteurs.ModeSoudageDegrade = false;
}

int TSignature::GetNumeroDefaut() const {
    return -1;
}

std::string TSignature::GetNomTypeSignature() const {
    return TypeSignatureName(GetTypeSignature());
}

std::string TSignature::GetDate() const {
    return FormatDate(FDateHeure);
}

std::string TSignature::GetHeure() const {
    return FormatTime(FDateHeure);
}

} // namespace g20seq
