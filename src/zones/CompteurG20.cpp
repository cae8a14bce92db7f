#include "zones/CompteurG20.h"

#include "model/PayloadMember.h"
#include "support/ByteArray.h"
#include "zones/CompteurFraise.h"
#include "zones/ElectrodeG20.h"
#include "zones/Fraise.h"
#include "zones/ZoneCalcul.h"

#include <mutex>

namespace g20seq {

namespace {

// Values of the Maxi companion.
constexpr int MaxiCompteur = 65000;
constexpr int MaxiRodages = 999;
constexpr int MaxiPointsInterPalier = 9999;

} // namespace

TCompteurG20::TCompteurG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                           TInterfacedPersistent* aLogicalZone)
    : TCompteur(AOwner, TypeZone, Numero, aLogicalZone) {
    SetPlagePalier(0, PalierMax);
    InitCompagnon();
}

void TCompteurG20::InitCompagnon() {
    if (GetTypeZone() == PrcCompteursMini) {
        SetNumeroPalier(1);
        return;
    }
    if (GetTypeZone() != PrcCompteursMaxi)
        return;
    SetCompteurPoints(MaxiCompteur);
    SetCompteurRodages(MaxiRodages);
    SetCompteurPointsInterPalier(MaxiPointsInterPalier);
    SetCompteurPointsAbsolu(MaxiCompteur);
    SetFinDeVie(true);
    SetDemandeRodageInterpalier(true);
    SetDemandeRodageNeuve(true);
    SetDemandeRodageFinCU(true);
    SetDemandeChangement(true);
    SetNumeroPalier(PalierMax);
    SetValeurFinDeVie(MaxiCompteur);
    SetModeSoudageDegrade(true);
}

std::string TCompteurG20::ClassName() const {
    return "TCompteurG20";
}

THResult TCompteurG20::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == ICompteurEx::IID) {
        *Obj = static_cast<ICompteurEx*>(this);
        return THResult::S_OK;
    }
    if (IID == ICompteurVie::IID) {
        *Obj = static_cast<ICompteurVie*>(this);
        return THResult::S_OK;
    }
    return TCompteur::QueryInterface(IID, Obj);
}

int TCompteurG20::AddRef() {
    return TCompteur::AddRef();
}

int TCompteurG20::Release() {
    return TCompteur::Release();
}

void TCompteurG20::Assign(const TPersistent* Source) {
    const TZoneChanges changes(*this); // observers told after the whole copy
    TCompteur::Assign(Source);
    const auto* source = dynamic_cast<const TCompteurG20*>(Source);
    if (source == nullptr || source == this || source->GetOwner() != GetOwner())
        return;
    std::scoped_lock lock(ZoneLock(), source->ZoneLock());
    LayoutG20().CopyMembers(*this, *source);
}

const TPayloadLayout& TCompteurG20::LayoutG20() {
    // Bit 7 of the state byte: the degraded welding mode.
    static constexpr TPayloadItem items[] = {
        payload::Bits(8, 7, payload::Member<&TCompteurG20::FModeSoudageDegrade>),
    };
    static constexpr TPayloadLayout layout{items};
    return layout;
}

std::unique_ptr<TCustomZoneCPS> TCompteurG20::Create(TPersistent* AOwner, TTypeZones TypeZone,
                                                     Word Numero,
                                                     TInterfacedPersistent* aLogicalZone) const {
    return std::make_unique<TCompteurG20>(AOwner, TypeZone, Numero, aLogicalZone);
}

bool TCompteurG20::EqualsDetails(const TPersistent* Other, TStringList* ListeDifferences) const {
    if (!TCompteur::EqualsDetails(Other, ListeDifferences))
        return false;
    const auto* other = dynamic_cast<const TCompteurG20*>(Other);
    return other != nullptr && other->GetModeSoudageDegrade() == GetModeSoudageDegrade();
}

int TCompteurG20::LireTrame(const TByteArray& Trame, int& Offset) {
    const int lus = TCompteur::LireTrame(Trame, Offset);
    LayoutG20().Decode(*this, Trame, 0, Offset);
    return lus;
}

bool TCompteurG20::GetModeSoudageDegrade() const {
    TLockGuard lock(ZoneLock());
    return FModeSoudageDegrade;
}

void TCompteurG20::SetModeSoudageDegrade(bool Value) {
    TLockGuard lock(ZoneLock());
    FModeSoudageDegrade = Value;
}

// ---------------------------------------------------------------------------------------
// The electrode's dressing settings

int TCompteurG20::NombreRodage() const {
    const auto electrode = OuvrirElectrode<TElectrodeG20>("NombreRodage");
    return electrode ? electrode->GetNombreRodage() : 0;
}

int TCompteurG20::NombreIP() const {
    const auto electrode = OuvrirElectrode<TElectrodeG20>("NombreIP");
    return electrode ? electrode->GetNombreIP() : 0;
}

int TCompteurG20::PostFDVE() const {
    const auto electrode = OuvrirElectrode<TElectrodeG20>("PostFDVE");
    return electrode ? electrode->GetPostFDVE() : 0;
}

bool TCompteurG20::CUInterPalier() const {
    const auto electrode = OuvrirElectrode<TElectrodeG20>("CUInterPalier");
    return electrode && electrode->GetCURodageInterPalier();
}

// ---------------------------------------------------------------------------------------
// The cutter of the electrode

int TCompteurG20::NumeroFraise(const char* Source) const {
    const auto electrode = OuvrirElectrode<TElectrodeG20>(Source);
    return electrode ? electrode->GetNumeroFraise() : -1;
}

int TCompteurG20::CompteurFraiseRodeuse() const {
    const int fraise = NumeroFraise("CompteurFraiseRodeuse");
    if (fraise < 0)
        return 0;
    const auto compteur =
        Ouvrir<TCompteurFraise>(PrcCompteurFraise, fraise, "CompteurFraiseRodeuse");
    return compteur ? compteur->GetCompteurFraiseRodeuse() : 0;
}

int TCompteurG20::GetNbPointsMaxAvantFDVFraise() const {
    const int fraise = NumeroFraise("NbPointsMaxAvantFDVFraise");
    if (fraise < 0)
        return 0;
    const auto zone = Ouvrir<TFraise>(PrcFraise, fraise, "NbPointsMaxAvantFDVFraise");
    return zone ? zone->GetFinDeVieFraiseRodeuse() : 0;
}

TEtatVie TCompteurG20::GetEtatFDVFraise() const {
    const int fraise = NumeroFraise("EtatFDVFraise");
    if (fraise < 0)
        return evNone;
    const auto zone = Ouvrir<TFraise>(PrcFraise, fraise, "EtatFDVFraise");
    const auto compteur = Ouvrir<TCompteurFraise>(PrcCompteurFraise, fraise, "EtatFDVFraise");
    if (!zone || !compteur)
        return evNone;
    const Int64 utilisation = compteur->GetCompteurFraiseRodeuse();
    const Int64 finDeVie = zone->GetFinDeVieFraiseRodeuse();
    if (utilisation < finDeVie - zone->GetAlarmeFraiseRodeuse())
        return evOK;
    return utilisation < finDeVie ? evAlarm : evKO;
}

} // namespace g20seq
