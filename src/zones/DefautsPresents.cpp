#include "zones/DefautsPresents.h"

#include "model/Defaut.h"
#include "support/ByteArray.h"
#include "support/Format.h"
#include "zones/Configuration.h"
#include "zones/ZoneCalcul.h"

#include <algorithm>
#include <mutex>
#include <string>
#include <vector>

namespace g20seq {

namespace {

constexpr int BitsParOctet = 8;

// Whether Nom names one of the first Bits faults of a bit map (the name of bit k is
// NomDefaut(k)).
bool NommeUnBit(const std::string& Nom, int Bits) {
    if (Nom.empty() || Nom.size() > 9 ||
        !std::all_of(Nom.begin(), Nom.end(), [](char C) { return C >= '0' && C <= '9'; }))
        return false;
    const int numero = std::stoi(Nom);
    return numero < Bits && TDefautsPresentsG20::NomDefaut(numero) == Nom;
}

} // namespace

TDefautsPresentsG20::TDefautsPresentsG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                         TInterfacedPersistent* aLogicalZone)
    : TReadOnlyZone<TZoneCPS>(AOwner, TypeZone, Numero, aLogicalZone) {
    FTabDefautsPresents.SetCaseSensitive(true);
    FTabDefautsPresents.SetDuplicates(TDuplicates::dupIgnore);
    FTabDefautsPresents.SetSorted(true);
}

std::string TDefautsPresentsG20::ClassName() const {
    return "TDefautsPresentsG20";
}

THResult TDefautsPresentsG20::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IDefautsPresents::IID) {
        *Obj = static_cast<IDefautsPresents*>(this);
        return THResult::S_OK;
    }
    return TZoneCPS::QueryInterface(IID, Obj);
}

int TDefautsPresentsG20::AddRef() {
    return TZoneCPS::AddRef();
}

int TDefautsPresentsG20::Release() {
    return TZoneCPS::Release();
}

void TDefautsPresentsG20::Assign(const TPersistent* Source) {
    const TZoneChanges changes(*this); // observers told after the whole copy
    const auto* source = dynamic_cast<const TDefautsPresentsG20*>(Source);
    if (source == nullptr || source == this || source->GetOwner() != GetOwner()) {
        // Other classes, and the refusal of a zone of another EPROM, are the base's.
        TZoneCPS::Assign(Source);
        return;
    }
    // Both zones locked at once (a decode assigns a copy made from the zone itself).
    const TLockPair lock = LockWith(*source);
    AssignCustomZone(*source);
    FTabDefautsPresents.Clear();
    FTabDefautsPresents.AddStrings(source->FTabDefautsPresents);
}

std::unique_ptr<TCustomZoneCPS>
TDefautsPresentsG20::Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                            TInterfacedPersistent* aLogicalZone) const {
    return std::make_unique<TDefautsPresentsG20>(AOwner, TypeZone, Numero, aLogicalZone);
}

bool TDefautsPresentsG20::Equals(const TPersistent* Other) const {
    const auto* other = dynamic_cast<const TDefautsPresentsG20*>(Other);
    if (other == nullptr || other->GetTypeZone() != GetTypeZone() ||
        other->GetNumeroZone() != GetNumeroZone())
        return false;
    if (other == this)
        return true;
    std::scoped_lock lock(ZoneLock(), other->ZoneLock());
    if (other->FTabDefautsPresents.Count() != FTabDefautsPresents.Count())
        return false;
    for (int i = 0; i < FTabDefautsPresents.Count(); ++i)
        if (other->FTabDefautsPresents[i] != FTabDefautsPresents[i])
            return false;
    return true;
}

bool TDefautsPresentsG20::EqualsDetails(const TPersistent* Other, TStringList*) const {
    return Equals(Other);
}

// ---------------------------------------------------------------------------------------
// Decoding

std::string TDefautsPresentsG20::NomDefaut(int Numero) {
    // The text of Format("%.2d"), without the pattern parsing: the decoder names every bit.
    if (Numero < 0)
        return Format("%.2d", Numero);
    return Numero < 10 ? "0" + std::to_string(Numero) : std::to_string(Numero);
}

TErreurSerie TDefautsPresentsG20::SerialDecode(const TByteArray& Trame, int LngTrame) {
    return DecodeIntoCopy<TDefautsPresentsG20>(
        *this, Trame, LngTrame,
        [LngTrame](TDefautsPresentsG20& Copie, const TByteArray& Donnees, int& Offset) {
            return Copie.LireTrame(Donnees, LngTrame, Offset);
        });
}

int TDefautsPresentsG20::LireTrame(const TByteArray& Trame, int LngTrame, int& Offset) {
    // A bit map longer than the payload buffer is refused before any work.
    if (LngTrame > MaxBuffer)
        return 0;
    // The faults the bit map does not cover keep their place; those it covers are present
    // exactly when their bit is set. The list is made again in one pass, in its own order.
    const int bits = BitsParOctet * std::max(LngTrame, 0);
    std::vector<std::string> noms;
    for (int i = 0; i < FTabDefautsPresents.Count(); ++i)
        if (!NommeUnBit(FTabDefautsPresents[i], bits))
            noms.push_back(FTabDefautsPresents[i]);
    int octet = 0;
    for (; octet < LngTrame; ++octet) {
        Offset = octet;
        const Byte valeur = GetByte(Trame, octet);
        for (int bit = 0; bit < BitsParOctet; ++bit)
            if (((valeur >> bit) & 1) != 0)
                noms.push_back(NomDefaut(BitsParOctet * octet + bit));
    }
    std::sort(noms.begin(), noms.end(), [this](const std::string& A, const std::string& B) {
        return FTabDefautsPresents.CompareStrings(A, B) < 0;
    });
    TLockGuard lock(ZoneLock());
    FTabDefautsPresents.Clear();
    for (const std::string& nom : noms)
        FTabDefautsPresents.Add(nom);
    return octet;
}

// ---------------------------------------------------------------------------------------
// The list

int TDefautsPresentsG20::GetNbDefautsPresents() const {
    TLockGuard lock(ZoneLock());
    return FTabDefautsPresents.Count();
}

std::string TDefautsPresentsG20::GetDefautPresent(int Index) const {
    TLockGuard lock(ZoneLock());
    if (Index < 0 || Index >= FTabDefautsPresents.Count())
        return {};
    return FTabDefautsPresents[Index];
}

bool TDefautsPresentsG20::GetDefautIsPresent(const std::string& NomDefaut) const {
    TLockGuard lock(ZoneLock());
    return FTabDefautsPresents.IndexOf(NomDefaut) >= 0;
}

void TDefautsPresentsG20::Ajouter(const std::string& NomDefaut) {
    TLockGuard lock(ZoneLock());
    FTabDefautsPresents.Add(NomDefaut);
}

void TDefautsPresentsG20::Supprimer(const std::string& NomDefaut) {
    TLockGuard lock(ZoneLock());
    const int index = FTabDefautsPresents.IndexOf(NomDefaut);
    if (index >= 0)
        FTabDefautsPresents.Delete(index);
}

void TDefautsPresentsG20::Vider() {
    TLockGuard lock(ZoneLock());
    FTabDefautsPresents.Clear();
}

void TDefautsPresentsG20::GetDefautsPresents(TStringList* Defauts) const {
    if (Defauts == nullptr)
        return;
    TLockGuard lock(ZoneLock());
    Defauts->Clear();
    Defauts->AddStrings(FTabDefautsPresents);
}

int TDefautsPresentsG20::GetNbDefautsBloquants() const {
    return CompterDefauts(true, "NbDefautsBloquants");
}

int TDefautsPresentsG20::GetNbDefautsNonBloquants() const {
    return CompterDefauts(false, "NbDefautsNonBloquants");
}

int TDefautsPresentsG20::CompterDefauts(bool Bloquant, const char* Source) const {
    TStringList defauts;
    GetDefautsPresents(&defauts);
    // The configuration is opened outside the zone's lock: the EPROM's access lock is never
    // taken inside a zone lock.
    TCustomEprom* eprom = nullptr;
    {
        TLockGuard lock(ZoneLock()); // a decode rewrites the zone's identity as it assigns
        eprom = GetEprom();
    }
    const TZoneCalcul<TConfiguration> configuration(*this, eprom, PrcConfiguration, 0, Source);
    int nombre = 0;
    for (int i = 0; i < defauts.Count(); ++i) {
        const TDefaut* definition =
            configuration ? configuration->GetDefautParNom(defauts[i]) : nullptr;
        const bool bloquant = definition != nullptr && definition->GetBloquant();
        if (bloquant == Bloquant)
            ++nombre;
    }
    return nombre;
}

} // namespace g20seq
