#include "zones/Compteur.h"

#include "interface/CustomEprom.h"
#include "model/PayloadMember.h"
#include "model/ZoneCodec.h"
#include "support/ByteArray.h"
#include "support/StringList.h"
#include "zones/Configuration.h"
#include "zones/Electrode.h"
#include "zones/ZoneCalcul.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <memory>
#include <mutex>

namespace g20seq {

namespace {

// Faults that stop the wear compensation: electrode end of life, dressing not done.
constexpr const char* DefautFinDeVie = "10";
constexpr const char* DefautRodage = "12";

// The three bytes that complete a companion's 9-byte payload: step 1, end-of-life value 0.
constexpr Byte ComplementCompagnon[] = {1, 0, 0};

// A derived number, kept within the range of an Integer.
int Borne(Int64 Valeur) {
    return static_cast<int>(std::clamp<Int64>(Valeur, std::numeric_limits<int>::min(),
                                              std::numeric_limits<int>::max()));
}

} // namespace

const TPayloadLayout& TCompteur::LayoutLecture() {
    using Z = TCompteur;
    using payload::Bits, payload::Member, payload::Number, payload::TWordModulo;
    static constexpr TPayloadItem items[] = {
        Number(0, 2, Member<&Z::FCompteurPoints, TWordModulo>),
        Number(2, 2, Member<&Z::FCompteurRodages, TWordModulo>),
        Number(4, 2, Member<&Z::FCompteurPointsInterPalier, TWordModulo>),
        Number(6, 2, Member<&Z::FCompteurPointsAbsolu, TWordModulo>),
        Bits(8, 4, Member<&Z::FFinDeVie>),
        Bits(8, 3, Member<&Z::FDemandeChangement>),
        Bits(8, 2, Member<&Z::FDemandeRodageFinCU>),
        Bits(8, 1, Member<&Z::FDemandeRodageInterpalier>),
        Bits(8, 0, Member<&Z::FDemandeRodageNeuve>),
        Number(9, 1, Member<&Z::FNumeroPalier>),
        Number(10, 2, Member<&Z::FValeurFinDeVie, TWordModulo>),
        payload::Copied(Member<&Z::FCompteurChainage>),
    };
    static constexpr TPayloadLayout layout{items};
    static_assert(layout.Size() == TailleLecture);
    return layout;
}

// The four counters and the two requests the host may set, then the step and the
// end-of-life value; the state bits the controller alone sets are 0.
constexpr int ItemsEcriture = 6;

const TPayloadLayout& TCompteur::LayoutFichier() {
    using Z = TCompteur;
    using payload::Bits, payload::Member, payload::Number, payload::TWordModulo;
    static constexpr TPayloadItem items[] = {
        Number(0, 2, Member<&Z::FCompteurPoints, TWordModulo>),
        Number(2, 2, Member<&Z::FCompteurRodages, TWordModulo>),
        Number(4, 2, Member<&Z::FCompteurPointsInterPalier, TWordModulo>),
        Number(6, 2, Member<&Z::FCompteurPointsAbsolu, TWordModulo>),
        Bits(8, 1, Member<&Z::FDemandeRodageInterpalier>),
        Bits(8, 0, Member<&Z::FDemandeRodageNeuve>),
        Number(9, 1, Member<&Z::FNumeroPalier>),
        Number(10, 2, Member<&Z::FValeurFinDeVie, TWordModulo>),
    };
    static constexpr TPayloadLayout layout{items};
    static_assert(layout.Size() == TailleLecture);
    static_assert(TPayloadLayout(std::span(items).first(ItemsEcriture)).Size() == TailleEcriture);
    return layout;
}

const TPayloadLayout& TCompteur::LayoutEcriture() {
    static const TPayloadLayout layout{LayoutFichier().Items().first(ItemsEcriture)};
    return layout;
}

bool DefautPresent(const TStringList& Defauts, const char* Numero) {
    return Defauts.IndexOf(Numero) >= 0;
}

TCompteur::TCompteur(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                     TInterfacedPersistent* aLogicalZone)
    : TZoneCPS(AOwner, TypeZone, Numero, aLogicalZone) {}

std::string TCompteur::ClassName() const {
    return "TCompteur";
}

THResult TCompteur::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == ICompteur::IID) {
        *Obj = static_cast<ICompteur*>(this);
        return THResult::S_OK;
    }
    return TZoneCPS::QueryInterface(IID, Obj);
}

int TCompteur::AddRef() {
    return TZoneCPS::AddRef();
}

int TCompteur::Release() {
    return TZoneCPS::Release();
}

void TCompteur::Assign(const TPersistent* Source) {
    const TZoneChanges changes(*this); // observers told after the whole copy
    const auto* source = dynamic_cast<const TCompteur*>(Source);
    if (source == nullptr || source == this || source->GetOwner() != GetOwner()) {
        // Other classes, and the refusal of a zone of another EPROM, are the base's.
        TZoneCPS::Assign(Source);
        return;
    }
    // Both zones locked at once: a decode assigns a private copy to the zone, and the copy
    // was made from the zone, so taking the locks one inside the other would invert them.
    const TLockPair lock = LockWith(*source);
    AssignCustomZone(*source);
    LayoutLecture().CopyMembers(*this, *source);
}

// ---------------------------------------------------------------------------------------
// Payloads

TErreurSerie TCompteur::SerialDecode(const TByteArray& Trame, int LngTrame) {
    const auto lecteur = [](TCompteur& Copie, const TByteArray& Donnees, int& Offset) {
        return Copie.LireTrame(Donnees, Offset);
    };
    if (EstCompteurs())
        return DecodeIntoCopy<TCompteur>(*this, Trame, LngTrame, lecteur);
    constexpr int complement = static_cast<int>(std::size(ComplementCompagnon));
    if (LngTrame < 0 || LngTrame > MaxBuffer - complement)
        return SerErrDonnees;
    auto complete = std::make_unique<TByteArray>(Trame);
    for (int i = 0; i < complement; ++i)
        PutByte(*complete, LngTrame + i, ComplementCompagnon[i]);
    return DecodeIntoCopy<TCompteur>(*this, *complete, LngTrame + complement, lecteur);
}

int TCompteur::LireTrame(const TByteArray& Trame, int& Offset) {
    return LayoutLecture().Decode(*this, Trame, 0, Offset);
}

int TCompteur::SerialEncode(TByteArray& Trame, int LngTrame, int /*TailleZone*/) const {
    if (!EstCompteurs())
        return NothingEncoded;
    TLockGuard lock(ZoneLock());
    return LayoutEcriture().Encode(*this, Trame, LngTrame);
}

TErreurSerie TCompteur::FileDecode(const TByteArray& Trame, int LngTrame) {
    return SerialDecode(Trame, LngTrame);
}

int TCompteur::FileEncode(TByteArray& Trame, int LngTrame, int /*TailleZone*/) const {
    if (!EstCompteurs())
        return NothingEncoded;
    TLockGuard lock(ZoneLock());
    return LayoutFichier().Encode(*this, Trame, LngTrame);
}

// ---------------------------------------------------------------------------------------
// Derived values

TCustomEprom* TCompteur::Eprom() const {
    TLockGuard lock(ZoneLock());
    return GetEprom();
}

int TCompteur::Numero() const {
    TLockGuard lock(ZoneLock());
    return GetNumeroZone();
}

bool TCompteur::EstCompteurs() const {
    TLockGuard lock(ZoneLock());
    return GetTypeZone() == PrcCompteurs;
}

void TCompteur::DefautsPresents(TStringList& Defauts) const {
    if (TCustomEprom* eprom = Eprom())
        eprom->GetDefautsPresents(&Defauts);
}

bool TCompteur::ElecAvecCU() const {
    const auto electrode = OuvrirElectrode<TElectrode>("ElecAvecCU");
    return electrode && electrode->GetPalier(0) != 0;
}

Int64 TCompteur::Restants() const {
    if (CUInterPalier())
        return Int64{NombreIP()} - GetCompteurPointsInterPalier();
    const Int64 finDeVie = GetValeurFinDeVie();
    const Int64 points = GetCompteurPoints();
    return finDeVie != 0 && finDeVie > points ? finDeVie - points : 0;
}

int TCompteur::PointsRestants() const {
    const auto electrode = OuvrirElectrode<TElectrode>("PointsRestants");
    return electrode ? Borne(Restants()) : 0;
}

int TCompteur::PointsRestantsTotal() const {
    const auto electrode = OuvrirElectrode<TElectrode>("PointsRestantsTotal");
    if (!electrode)
        return 0;
    const Int64 finDeVie = GetValeurFinDeVie();
    if (CUInterPalier())
        return Borne(finDeVie - GetCompteurPoints());
    const Int64 rodagesRestants = Int64{electrode->GetNombreRodage()} - GetCompteurRodages();
    return Borne((finDeVie - electrode->GetDecalage()) * rodagesRestants + PointsRestants());
}

int TCompteur::NbPointsMaxAvantFDVE() const {
    const auto electrode = OuvrirElectrode<TElectrode>("NbPointsMaxAvantFDVE");
    if (!electrode)
        return 0;
    const Int64 finDeVie = GetValeurFinDeVie();
    if (CUInterPalier())
        return Borne(PostFDVE() + finDeVie);
    return Borne((finDeVie - electrode->GetDecalage()) * electrode->GetNombreRodage() + finDeVie);
}

int TCompteur::NbPointsMaxAvantRodage() const {
    const auto electrode = OuvrirElectrode<TElectrode>("NbPointsMaxAvantRodage");
    return electrode ? MaxAvantRodage(*electrode) : 0;
}

int TCompteur::MaxAvantRodage(const TElectrode& Electrode) const {
    if (!CUInterPalier())
        return Borne(Int64{PostFDVE()} + GetValeurFinDeVie());
    const int nombreIP = Electrode.GetNombreIP();
    const int marge = Electrode.GetMargeRodage();
    return nombreIP < marge ? nombreIP : Borne(Int64{nombreIP} + marge);
}

TEtatVie TCompteur::GetEtatCU() const {
    const auto electrode = OuvrirElectrode<TElectrode>("EtatCU");
    if (!electrode)
        return evNone;
    TStringList defauts;
    DefautsPresents(defauts);
    return EtatCU(*electrode, defauts);
}

TEtatVie TCompteur::EtatCU(const TElectrode& Electrode, const TStringList& Defauts) const {
    const bool finDeVieSignalee = DefautPresent(Defauts, DefautFinDeVie);
    if (CUInterPalier()) {
        if (!GetDemandeRodageInterpalier())
            return evOK;
        return finDeVieSignalee ? evKO : evError;
    }
    if (finDeVieSignalee || DefautPresent(Defauts, DefautRodage))
        return evKO;
    if (MaxAvantRodage(Electrode) <= GetCompteurPoints())
        return evKO;
    if (GetFinDeVie())
        return evError;
    if (GetDemandeRodageFinCU()) {
        const auto configuration = Ouvrir<TConfiguration>(PrcConfiguration, 0, "EtatCU");
        if (!configuration)
            return evNone;
        return configuration->GetCURodageAlarme() ? evAlarm : evError;
    }
    return GetDemandeChangement() ? evAlarm : evOK;
}

TEtatVie TCompteur::GetEtatFDVE() const {
    const auto electrode = OuvrirElectrode<TElectrode>("EtatFDVE");
    if (!electrode)
        return evNone;
    TStringList defauts;
    DefautsPresents(defauts);
    return EtatFDVE(*electrode, defauts);
}

TEtatVie TCompteur::EtatFDVE(const TElectrode& Electrode, const TStringList& Defauts) const {
    const bool finDeVieSignalee = DefautPresent(Defauts, DefautFinDeVie);
    if (CUInterPalier()) {
        if (!GetDemandeChangement())
            return evOK;
        if (!GetFinDeVie())
            return evAlarm;
        return finDeVieSignalee ? evKO : evError;
    }
    const int nombreRodage = Electrode.GetNombreRodage();
    const bool dernier = GetCompteurRodages() == nombreRodage || nombreRodage == 0;
    if (!dernier)
        return evOK;
    if (finDeVieSignalee || DefautPresent(Defauts, DefautRodage))
        return evKO;
    const TEtatVie etatCU = EtatCU(Electrode, Defauts);
    if (etatCU == evNone || etatCU == evKO)
        return etatCU;
    return GetFinDeVie() ? evError : evAlarm;
}

// ---------------------------------------------------------------------------------------
// Values

int TCompteur::Lire(int TCompteur::*Valeur) const {
    TLockGuard lock(ZoneLock());
    return this->*Valeur;
}

bool TCompteur::Lire(bool TCompteur::*Valeur) const {
    TLockGuard lock(ZoneLock());
    return this->*Valeur;
}

void TCompteur::Ecrire(int TCompteur::*Valeur, int Value) {
    TLockGuard lock(ZoneLock());
    this->*Valeur = Value;
}

void TCompteur::Ecrire(bool TCompteur::*Valeur, bool Value) {
    TLockGuard lock(ZoneLock());
    this->*Valeur = Value;
}

int TCompteur::GetCompteurPoints() const {
    return Lire(&TCompteur::FCompteurPoints);
}
void TCompteur::SetCompteurPoints(int Value) {
    Ecrire(&TCompteur::FCompteurPoints, Value);
}
int TCompteur::GetCompteurRodages() const {
    return Lire(&TCompteur::FCompteurRodages);
}
void TCompteur::SetCompteurRodages(int Value) {
    Ecrire(&TCompteur::FCompteurRodages, Value);
}
int TCompteur::GetCompteurPointsInterPalier() const {
    return Lire(&TCompteur::FCompteurPointsInterPalier);
}
void TCompteur::SetCompteurPointsInterPalier(int Value) {
    Ecrire(&TCompteur::FCompteurPointsInterPalier, Value);
}
int TCompteur::GetCompteurPointsAbsolu() const {
    return Lire(&TCompteur::FCompteurPointsAbsolu);
}
void TCompteur::SetCompteurPointsAbsolu(int Value) {
    Ecrire(&TCompteur::FCompteurPointsAbsolu, Value);
}
int TCompteur::GetCompteurChainage() const {
    return Lire(&TCompteur::FCompteurChainage);
}
void TCompteur::SetCompteurChainage(int Value) {
    Ecrire(&TCompteur::FCompteurChainage, Value);
}
bool TCompteur::GetFinDeVie() const {
    return Lire(&TCompteur::FFinDeVie);
}
void TCompteur::SetFinDeVie(bool Value) {
    Ecrire(&TCompteur::FFinDeVie, Value);
}
bool TCompteur::GetDemandeRodageInterpalier() const {
    return Lire(&TCompteur::FDemandeRodageInterpalier);
}
void TCompteur::SetDemandeRodageInterpalier(bool Value) {
    Ecrire(&TCompteur::FDemandeRodageInterpalier, Value);
}
bool TCompteur::GetDemandeRodageNeuve() const {
    return Lire(&TCompteur::FDemandeRodageNeuve);
}
void TCompteur::SetDemandeRodageNeuve(bool Value) {
    Ecrire(&TCompteur::FDemandeRodageNeuve, Value);
}
bool TCompteur::GetDemandeRodageFinCU() const {
    return Lire(&TCompteur::FDemandeRodageFinCU);
}
void TCompteur::SetDemandeRodageFinCU(bool Value) {
    Ecrire(&TCompteur::FDemandeRodageFinCU, Value);
}
bool TCompteur::GetDemandeChangement() const {
    return Lire(&TCompteur::FDemandeChangement);
}
void TCompteur::SetDemandeChangement(bool Value) {
    Ecrire(&TCompteur::FDemandeChangement, Value);
}
int TCompteur::GetValeurFinDeVie() const {
    return Lire(&TCompteur::FValeurFinDeVie);
}
void TCompteur::SetValeurFinDeVie(int Value) {
    Ecrire(&TCompteur::FValeurFinDeVie, Value);
}

int TCompteur::GetNumeroPalier() const {
    TLockGuard lock(ZoneLock());
    return FNumeroPalier.GetValue();
}

void TCompteur::SetNumeroPalier(int Value) {
    TLockGuard lock(ZoneLock());
    FNumeroPalier.SetValue(Value);
}

void TCompteur::SetPlagePalier(int Min, int Max) {
    TLockGuard lock(ZoneLock());
    FNumeroPalier.SetRange(Min, Max, Min);
}

int TCompteur::GetPalierMin() const {
    TLockGuard lock(ZoneLock());
    return FNumeroPalier.GetMin();
}

int TCompteur::GetPalierMax() const {
    TLockGuard lock(ZoneLock());
    return FNumeroPalier.GetMax();
}

} // namespace g20seq
