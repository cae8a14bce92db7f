#include "zones/Horodateur.h"

#include "support/Exceptions.h"

#include <mutex>

namespace g20seq {

namespace {

std::mutex& VerrouHorloge() {
    static std::mutex verrou;
    return verrou;
}

THorloge& HorlogeInstallee() {
    static THorloge horloge;
    return horloge;
}

} // namespace

THorodateur::THorodateur(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                         TInterfacedPersistent* aLogicalZone)
    : TNotInFilesZone(AOwner, TypeZone, Numero, aLogicalZone) {}

THResult THorodateur::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IHorodateur::IID) {
        *Obj = static_cast<IHorodateur*>(this);
        return THResult::S_OK;
    }
    return TZoneCPS::QueryInterface(IID, Obj);
}

int THorodateur::AddRef() {
    return TZoneCPS::AddRef();
}

int THorodateur::Release() {
    return TZoneCPS::Release();
}

std::unique_ptr<TCustomZoneCPS> THorodateur::Create(TPersistent* AOwner, TTypeZones TypeZone,
                                                    Word Numero,
                                                    TInterfacedPersistent* aLogicalZone) const {
    return std::make_unique<THorodateur>(AOwner, TypeZone, Numero, aLogicalZone);
}

void THorodateur::Assign(const TPersistent* Source) {
    const TZoneChanges changes(*this); // observers told after the whole copy
    TZoneCPS::Assign(Source);
    const auto* source = dynamic_cast<const THorodateur*>(Source);
    if (source == nullptr || source == this || source->GetOwner() != GetOwner())
        return;
    std::scoped_lock lock(ZoneLock(), source->ZoneLock());
    FDateHeure.Assign(&source->FDateHeure);
}

TErreurSerie THorodateur::SerialDecode(const TByteArray& Trame, int LngTrame) {
    // A payload of another length is refused as it stands: there is no byte to point at.
    if (LngTrame != TaillePayload)
        return SerErrDonnees;
    return DecodeIntoCopy(*this, Trame, LngTrame,
                          [LngTrame](THorodateur& Copie, const TByteArray& Donnees, int& Offset) {
                              Offset = 0;
                              if (Copie.FDateHeure.Decode(Donnees, LngTrame))
                                  throw EConvertError("Date ou heure invalide");
                              return TaillePayload;
                          });
}

int THorodateur::SerialEncode(TByteArray& Trame, int LngTrame, int /*TailleZone*/) const {
    TDateHeure maintenant;
    maintenant.SetDateTime(Maintenant());
    {
        TLockGuard lock(ZoneLock());
        FDateHeure.Assign(&maintenant);
    }
    return maintenant.Encode(Trame, LngTrame);
}

TDateTime THorodateur::GetDateHeure() const {
    TLockGuard lock(ZoneLock());
    return FDateHeure.GetDateTime();
}

void THorodateur::SetHorloge(THorloge Horloge) {
    const std::lock_guard<std::mutex> lock(VerrouHorloge());
    HorlogeInstallee() = std::move(Horloge);
}

TDateTime THorodateur::Maintenant() {
    THorloge horloge;
    {
        const std::lock_guard<std::mutex> lock(VerrouHorloge());
        horloge = HorlogeInstallee();
    }
    return horloge ? horloge() : Now();
}

} // namespace g20seq
