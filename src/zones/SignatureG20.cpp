#include "zones/SignatureG20.h"

#include "model/EpromDescription.h"
#include "support/Exceptions.h"
#include "support/Format.h"

namespace g20seq {

// How each value of the payload is stored into a signature.
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
    static void OrigineAcquittement(S& Sig, int Valeur) {
        Sig.FOrigineAcquittement.SetValue(Valeur);
    }
    static void NumeroProgramme(S& Sig, int Valeur) { Sig.FNumeroProgramme.SetValue(Valeur); }
    static void NumeroPalier(S& Sig, int Valeur) { Sig.FNumeropalier.SetValue(Valeur); }
    static void NumeroPoint(S& Sig, int Valeur) {
        if (Sig.FNumeroPoint != -1)
            Sig.FNumeroPoint = Valeur;
    }
    // AC measurements.
    static void IntensiteMesuree(S& Sig, int Valeur) { Sig.FIntensiteMesuree = Valeur; }
    static void PourcentEquivalent(S& Sig, int Valeur) { Sig.FPourcentEquivalent = Valeur / 10.0; }
    static void PourcentTension(S& Sig, int Valeur) { Sig.FPourcentTension = Valeur / 10.0; }
    // Medium-frequency measurements.
    static void IntensiteSansMontee(S& Sig, int Valeur) {
        Sig.FIntensiteSansMontee = Valeur;
        Sig.FIntensiteMesuree = Valeur;
    }
    static void IntensiteParametree(S& Sig, int Valeur) { Sig.FIntensiteParametree = Valeur * 10; }
    static void IntensitePrimaire(S& Sig, int Valeur) { Sig.FIntensitePrimaire = Valeur; }
    static void PourcentCyclique(S& Sig, int Valeur) {
        Sig.FPourcentCyclique = Valeur;
        Sig.FPourcentEquivalent = Valeur;
    }
    static void Ignore(S&, int) {}
    // Electrode block.
    static void NumeroElectrode(S& Sig, int Valeur) { Sig.FNumeroElectrode.SetValue(Valeur); }
    static void EtatElectrode(S& Sig, int Octet) {
        Sig.FDemandeRodageneuve = (Octet & 0x01) != 0;
        Sig.FDemandeRodageIP = (Octet & 0x02) != 0;
        Sig.FDemandeRodageFinCU = (Octet & 0x04) != 0;
        Sig.FAlarmeChangementElectrode = (Octet & 0x08) != 0;
        Sig.FFinDeVie = (Octet & 0x10) != 0;
        Sig.FModeSoudageDegrade = (Octet & 0x80) != 0;
    }
    static void CompteurPointsAbsolu(S& Sig, int Valeur) { Sig.FCompteurPointsAbsolu = Valeur; }
    static void CompteurPoints(S& Sig, int Valeur) { Sig.FCompteurPoints = Valeur; }
    static void CompteurRodage(S& Sig, int Valeur) { Sig.FCompteurRodage = Valeur; }
    static void CompteurPointsIP(S& Sig, int Valeur) { Sig.FCompteurPointsIP = Valeur; }
    static void CoefficientDerive(S& Sig, int Valeur) { Sig.FCoefficientDerive = Valeur; }
    static void EffortMesure(S& Sig, int Valeur) { Sig.FEffortMesure = Valeur; }
    static void DureeTempsAccostage(S& Sig, int Valeur) { Sig.FDureeTempsAccostage = Valeur; }
};

namespace {

using St = TStockageSignatureG20;

constexpr TValeurSignature ValeursSignatureAC[] = {
    {6, 1, St::TypeOctet},           {7, 1, St::NumeroDefaut},
    {8, 1, St::OrigineAcquittement}, {9, 1, St::NumeroProgramme},
    {10, 1, St::NumeroPalier},       {11, 1, St::NumeroPoint},
    {12, 2, St::IntensiteMesuree},   {14, 2, St::PourcentEquivalent},
    {16, 2, St::PourcentTension},    {18, 1, St::NumeroElectrode},
    {19, 1, St::EtatElectrode},      {20, 2, St::CompteurPointsAbsolu},
    {22, 2, St::CompteurPoints},     {24, 2, St::CompteurRodage},
    {26, 2, St::CompteurPointsIP},   {28, 2, St::CoefficientDerive},
    {30, 2, St::EffortMesure},       {32, 2, St::DureeTempsAccostage},
};

constexpr TValeurSignature ValeursSignatureMF[] = {
    {6, 1, St::TypeOctet},
    {7, 1, St::NumeroDefaut},
    {8, 1, St::OrigineAcquittement},
    {9, 1, St::NumeroProgramme},
    {10, 1, St::NumeroPalier},
    {11, 1, St::NumeroPoint},
    {12, 2, St::IntensiteSansMontee},
    {14, 2, St::IntensiteParametree},
    {16, 2, St::IntensitePrimaire},
    {18, 2, St::PourcentCyclique},
    {20, 2, St::Ignore},
    {22, 1, St::NumeroElectrode},
    {23, 1, St::EtatElectrode},
    {24, 2, St::CompteurPointsAbsolu},
    {26, 2, St::CompteurPoints},
    {28, 2, St::CompteurRodage},
    {30, 2, St::CompteurPointsIP},
    {32, 2, St::EffortMesure},
    {34, 2, St::DureeTempsAccostage},
};

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

std::span<const TValeurSignature> TSignatureG20::ValeursAC() {
    return ValeursSignatureAC;
}

std::span<const TValeurSignature> TSignatureG20::ValeursMF() {
    return ValeursSignatureMF;
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
    Offset = 0;
    LireDateHeure(Trame);
    const std::span<const TValeurSignature> valeurs = EstMF() ? ValeursMF() : ValeursAC();
    for (const TValeurSignature& valeur : valeurs) {
        Offset = valeur.Offset;
        valeur.Stocker(*this, valeur.Width == 1 ? GetByte(Trame, Offset) : GetWord(Trame, Offset));
    }
    ApresDecodage();
    return valeurs.back().Offset + valeurs.back().Width;
}

void TSignatureG20::LireDateHeure(const TByteArray& Trame) {
    Word b[6];
    for (int i = 0; i < 6; ++i)
        b[i] = GetByte(Trame, i);
    TDateTime date = 0.0;
    TDateTime heure = 0.0;
    if (!TryEncodeDate(static_cast<Word>(2000 + b[0]), b[1], b[2], date) ||
        !TryEncodeTime(b[3], b[4], b[5], 0, heure))
        throw EConvertError(
            Format("Date invalide %d/%d/%d %d:%d:%d", b[2], b[1], 2000 + b[0], b[3], b[4], b[5]));
    FDateHeure = date + heure;
}

void TSignatureG20::ApresDecodage() {}

void TSignatureG20::AssignSignature(const TSignature& Source) {
    TSignature::AssignSignature(Source);
    const auto* source = dynamic_cast<const TSignatureG20*>(&Source);
    if (source == nullptr)
        return;
    FNumeroDefaut = source->FNumeroDefaut;
    FNumeroPoint = source->FNumeroPoint;
    FCoefficientDerive = source->FCoefficientDerive;
    FDureeTempsAccostage = source->FDureeTempsAccostage;
    FModeSoudageDegrade = source->FModeSoudageDegrade;
    FIntensiteSansMontee = source->FIntensiteSansMontee;
    FIntensiteParametree = source->FIntensiteParametree;
    FIntensitePrimaire = source->FIntensitePrimaire;
    FPourcentCyclique = source->FPourcentCyclique;
    FTensionBusAuRepos = source->FTensionBusAuRepos;
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
