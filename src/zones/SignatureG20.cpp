#include "zones/SignatureG20.h"

#include "model/EpromDescription.h"
#include "model/PayloadMember.h"
#include "support/Exceptions.h"
#include "support/Format.h"
#include "zones/DateHeure.h"

namespace g20seq {

// The values a payload byte or word gives after a computation, or to several members.
struct TStockageSignatureG20 {
    using S = TSignatureG20;

    // Raw type from the bits 0, 1 and 7; bit 6 announces the point number of byte 11,
    // which is then marked present (0) until it is read, absent (-1) otherwise.
    static void TypeOctet(S& Sig, int Octet) {
        const int t = Octet & 0x83;
        Sig.FTypeSignature.SetValue(t < 0x80 ? t : t - 0x7F);
        Sig.FNumeroPoint = (Octet & 0x40) != 0 ? 0 : -1;
    }
    static void NumeroDefaut(S& Sig, int Valeur) {
        const TypesSignature type = Sig.GetTypeSignature();
        if (type == SigDefaut || type == SigAcquittement)
            Sig.FNumeroDefaut = Valeur;
    }
    static void NumeroPoint(S& Sig, int Valeur) {
        if (Sig.FNumeroPoint != -1)
            Sig.FNumeroPoint = Valeur;
    }
    // Medium-frequency measurements.
    static void IntensiteSansMontee(S& Sig, int Valeur) {
        Sig.FIntensiteSansMontee = Valeur;
        Sig.FIntensiteMesuree = Valeur;
    }
    static void IntensiteParametree(S& Sig, int Valeur) { Sig.FIntensiteParametree = Valeur * 10; }
    static void PourcentCyclique(S& Sig, int Valeur) {
        Sig.FPourcentCyclique = Valeur;
        Sig.FPourcentEquivalent = Valeur;
    }
};

namespace {

using St = TStockageSignatureG20;
constexpr int Dixiemes = 10;

} // namespace

TSignatureG20::TSignatureG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                             TInterfacedPersistent* aLogicalZone)
    : TSignature(AOwner, TypeZone, Numero, aLogicalZone) {
    FOrigineAcquittement.SetRange(0, 5, 0);
    FNumeroProgramme.SetRange(0, 127, 0);
    FProgrammeCombine.SetRange(0, 0, 0);
    FCompteurChainage.SetRange(0, 0, 0);
    if (EstMF())
        SetTailles(GetTailleSendZone(), TaillePayloadMF);
}

std::string TSignatureG20::ClassName() const {
    return "TSignatureG20";
}

THResult TSignatureG20::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == ISignatureAssignation::IID) {
        *Obj = static_cast<ISignatureAssignation*>(this);
        return THResult::S_OK;
    }
    if (IID == ISignatureEx::IID) {
        *Obj = static_cast<ISignatureEx*>(this);
        return THResult::S_OK;
    }
    return TSignature::QueryInterface(IID, Obj);
}

int TSignatureG20::AddRef() {
    return TSignature::AddRef();
}

int TSignatureG20::Release() {
    return TSignature::Release();
}

std::unique_ptr<TCustomZoneCPS> TSignatureG20::Create(TPersistent* AOwner, TTypeZones TypeZone,
                                                      Word Numero,
                                                      TInterfacedPersistent* aLogicalZone) const {
    return std::make_unique<TSignatureG20>(AOwner, TypeZone, Numero, aLogicalZone);
}

const TPayloadLayout& TSignatureG20::LayoutEntete() {
    using Z = TSignatureG20;
    using payload::Computed, payload::Member, payload::Number;
    // The date and time, the type byte, the fault, acknowledgement origin, program, step
    // and point numbers.
    static constexpr TPayloadItem items[] = {
        statut::DateHeure<&Z::FDateHeure>(0),       Number(6, 1, Computed<&St::TypeOctet>),
        Number(7, 1, Computed<&St::NumeroDefaut>),  Number(8, 1, Member<&Z::FOrigineAcquittement>),
        Number(9, 1, Member<&Z::FNumeroProgramme>), Number(10, 1, Member<&Z::FNumeropalier>),
        Number(11, 1, Computed<&St::NumeroPoint>),
    };
    static constexpr TPayloadLayout layout{items};
    return layout;
}

const TPayloadLayout& TSignatureG20::LayoutAC() {
    using Z = TSignatureG20;
    using payload::Bits, payload::Member, payload::Number, payload::TScale;
    static constexpr TPayloadItem items[] = {
        Number(12, 2, Member<&Z::FIntensiteMesuree>),
        Number(14, 2, Member<&Z::FPourcentEquivalent, TScale<Dixiemes>>),
        Number(16, 2, Member<&Z::FPourcentTension, TScale<Dixiemes>>),
        Number(18, 1, Member<&Z::FNumeroElectrode>),
        Bits(19, 0, Member<&Z::FDemandeRodageneuve>),
        Bits(19, 1, Member<&Z::FDemandeRodageIP>),
        Bits(19, 2, Member<&Z::FDemandeRodageFinCU>),
        Bits(19, 3, Member<&Z::FAlarmeChangementElectrode>),
        Bits(19, 4, Member<&Z::FFinDeVie>),
        Bits(19, 7, Member<&Z::FModeSoudageDegrade>),
        Number(20, 2, Member<&Z::FCompteurPointsAbsolu>),
        Number(22, 2, Member<&Z::FCompteurPoints>),
        Number(24, 2, Member<&Z::FCompteurRodage>),
        Number(26, 2, Member<&Z::FCompteurPointsIP>),
        Number(28, 2, Member<&Z::FCoefficientDerive>),
        Number(30, 2, Member<&Z::FEffortMesure>),
        Number(32, 2, Member<&Z::FDureeTempsAccostage>),
    };
    static constexpr TPayloadLayout layout{items};
    static_assert(layout.Size() == TaillePayloadAC);
    return layout;
}

const TPayloadLayout& TSignatureG20::LayoutMF() {
    using Z = TSignatureG20;
    using payload::Bits, payload::Computed, payload::Member, payload::Number;
    static constexpr TPayloadItem items[] = {
        Number(12, 2, Computed<&St::IntensiteSansMontee>),
        Number(14, 2, Computed<&St::IntensiteParametree>),
        Number(16, 2, Member<&Z::FIntensitePrimaire>),
        Number(18, 2, Computed<&St::PourcentCyclique>),
        payload::Skip(20, 2),
        Number(22, 1, Member<&Z::FNumeroElectrode>),
        Bits(23, 0, Member<&Z::FDemandeRodageneuve>),
        Bits(23, 1, Member<&Z::FDemandeRodageIP>),
        Bits(23, 2, Member<&Z::FDemandeRodageFinCU>),
        Bits(23, 3, Member<&Z::FAlarmeChangementElectrode>),
        Bits(23, 4, Member<&Z::FFinDeVie>),
        Bits(23, 7, Member<&Z::FModeSoudageDegrade>),
        Number(24, 2, Member<&Z::FCompteurPointsAbsolu>),
        Number(26, 2, Member<&Z::FCompteurPoints>),
        Number(28, 2, Member<&Z::FCompteurRodage>),
        Number(30, 2, Member<&Z::FCompteurPointsIP>),
        Number(32, 2, Member<&Z::FEffortMesure>),
        Number(34, 2, Member<&Z::FDureeTempsAccostage>),
    };
    static constexpr TPayloadLayout layout{items};
    static_assert(layout.Size() == TaillePayloadMF);
    return layout;
}

const TPayloadLayout& TSignatureG20::LayoutCopie() {
    using Z = TSignatureG20;
    using payload::Copied, payload::Member;
    static constexpr TPayloadItem items[] = {
        Copied(Member<&Z::FNumeroDefaut>),        Copied(Member<&Z::FNumeroPoint>),
        Copied(Member<&Z::FCoefficientDerive>),   Copied(Member<&Z::FDureeTempsAccostage>),
        Copied(Member<&Z::FModeSoudageDegrade>),  Copied(Member<&Z::FIntensiteSansMontee>),
        Copied(Member<&Z::FIntensiteParametree>), Copied(Member<&Z::FIntensitePrimaire>),
        Copied(Member<&Z::FPourcentCyclique>),    Copied(Member<&Z::FTensionBusAuRepos>),
    };
    static constexpr TPayloadLayout layout{items};
    return layout;
}

const TPayloadLayout& TSignatureG20::Layout() const {
    return EstMF() ? LayoutMF() : LayoutAC();
}

bool TSignatureG20::EstMF() const {
    TCustomEprom* eprom = GetEprom();
    TCustomEpromDescription* description = eprom != nullptr ? eprom->GetDescription() : nullptr;
    return description != nullptr && description->TypeCourant() == tcMF;
}

TErreurSerie TSignatureG20::SerialDecode(const TByteArray& Trame, int LngTrame) {
    return DecodeIntoCopy(*this, Trame, LngTrame,
                          [](TSignatureG20& Copy, const TByteArray& Data, int& Offset) {
                              return Copy.Lire(Data, Offset);
                          });
}

int TSignatureG20::Lire(const TByteArray& Trame, int& Offset) {
    LayoutEntete().Decode(*this, Trame, 0, Offset);
    const int lus = Layout().Decode(*this, Trame, 0, Offset);
    ApresDecodage();
    return lus;
}

void TSignatureG20::ApresDecodage() {}

void TSignatureG20::AssignSignature(const TSignature& Source) {
    TSignature::AssignSignature(Source);
    const auto* source = dynamic_cast<const TSignatureG20*>(&Source);
    if (source != nullptr)
        LayoutCopie().CopyMembers(*this, *source);
}

bool TSignatureG20::EqualsSignature(const TSignature& Other) const {
    const auto* other = dynamic_cast<const TSignatureG20*>(&Other);
    return other != nullptr && TSignature::EqualsSignature(Other) &&
           GetNumeroDefaut() == other->GetNumeroDefaut() && FNumeroPoint == other->FNumeroPoint &&
           FModeSoudageDegrade == other->FModeSoudageDegrade;
}

int TSignatureG20::GetNumeroDefaut() const {
    const TypesSignature type = GetTypeSignature();
    return type == SigCoupureAlimentation || type == SigMiseSousTension ? -1 : FNumeroDefaut;
}

void TSignatureG20::UpdateCpt(TCompteursSignature& Compteurs) const {
    TSignature::UpdateCpt(Compteurs);
    Compteurs.ModeSoudageDegrade = FModeSoudageDegrade;
}

int TSignatureG20::GetNumeroPoint() const {
    return FNumeroPoint;
}

bool TSignatureG20::IsNumeroPoint() const {
    return static_cast<LongWord>(FNumeroPoint) < 4294967295u;
}

int TSignatureG20::GetCoefficientDerive() const {
    return FCoefficientDerive;
}

int TSignatureG20::GetDureeTempsAccostage() const {
    return FDureeTempsAccostage;
}

bool TSignatureG20::GetModeSoudageDegrade() const {
    return FModeSoudageDegrade;
}

int TSignatureG20::GetIntensiteSansMontee() const {
    return FIntensiteSansMontee;
}

int TSignatureG20::GetIntensiteParametree() const {
    return FIntensiteParametree;
}

int TSignatureG20::GetIntensitePrimaire() const {
    return FIntensitePrimaire;
}

int TSignatureG20::GetPourcentCyclique() const {
    return FPourcentCyclique;
}

int TSignatureG20::GetTensionBusAuRepos() const {
    return FTensionBusAuRepos;
}

TSignatureG20MF::TSignatureG20MF(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                 TInterfacedPersistent* aLogicalZone)
    : TSignatureG20(AOwner, TypeZone, Numero, aLogicalZone) {}

std::string TSignatureG20MF::ClassName() const {
    return "TSignatureG20MF";
}

std::unique_ptr<TCustomZoneCPS> TSignatureG20MF::Create(TPersistent* AOwner, TTypeZones TypeZone,
                                                        Word Numero,
                                                        TInterfacedPersistent* aLogicalZone) const {
    return std::make_unique<TSignatureG20MF>(AOwner, TypeZone, Numero, aLogicalZone);
}

double TSignatureG20MF::GetIntensiteMesuree(bool ModeAmperes) const {
    return ModeAmperes ? FIntensiteSansMontee : FIntensiteSansMontee / 100.0;
}

double TSignatureG20MF::GetRapportTransformation() const {
    return FRapportTransformation;
}

void TSignatureG20MF::AssignSignature(const TSignature& Source) {
    TSignatureG20::AssignSignature(Source);
    if (const auto* source = dynamic_cast<const TSignatureG20MF*>(&Source))
        FRapportTransformation = source->FRapportTransformation;
}

void TSignatureG20MF::ApresDecodage() {
    FRapportTransformation =
        FIntensitePrimaire != 0 ? static_cast<double>(FIntensiteMesuree) / FIntensitePrimaire : 0.0;
}

} // namespace g20seq
