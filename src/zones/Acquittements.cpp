#include "zones/Acquittements.h"

#include "support/ByteArray.h"
#include "support/Exceptions.h"

#include <mutex>

namespace g20seq {

namespace {

// Kinds of acknowledgement.
enum : int {
    AcqDefaut = 1,
    AcqRodage = 2,
    AcqChangementElectrode = 3,
    AcqRepetitionPoint = 4,
    AcqSansRepetition = 5,
    AcqFraise = 7
};

void EcrireOctet(TByteArray& Trame, int Index, int Valeur) {
    if (Valeur < 0 || Valeur > 0xFF)
        throw ERangeError();
    PutByte(Trame, Index, static_cast<Byte>(Valeur));
}

} // namespace

TAcquittements::TAcquittements(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                               TInterfacedPersistent* aLogicalZone)
    : TZoneCPS(AOwner, TypeZone, Numero, aLogicalZone) {}

void TAcquittements::Assign(const TPersistent* Source) {
    const TZoneChanges changes(*this); // observers told after the whole copy
    TZoneCPS::Assign(Source);
    const auto* source = dynamic_cast<const TAcquittements*>(Source);
    if (source == nullptr || source == this || source->GetOwner() != GetOwner())
        return;
    std::scoped_lock lock(ZoneLock(), source->ZoneLock());
    FTypeAcquittement = source->FTypeAcquittement;
    FTousDefauts = source->FTousDefauts;
    FNumeroDefaut = source->FNumeroDefaut;
    FNumeroElectrode = source->FNumeroElectrode;
    FNumeroFraise = source->FNumeroFraise;
}

int TAcquittements::SerialEncode(TByteArray& Trame, int LngTrame, int /*TailleZone*/) const {
    // The argument of each kind: the member it comes from, none for a 0.
    struct TArgument {
        int Type;
        int TAcquittements::*Numero;
    };
    static constexpr TArgument Arguments[] = {
        {AcqDefaut, &TAcquittements::FNumeroDefaut},
        {AcqRodage, &TAcquittements::FNumeroElectrode},
        {AcqChangementElectrode, &TAcquittements::FNumeroElectrode},
        {AcqRepetitionPoint, nullptr},
        {AcqSansRepetition, nullptr},
        {AcqFraise, &TAcquittements::FNumeroFraise},
    };
    TLockGuard lock(ZoneLock());
    EcrireOctet(Trame, LngTrame, FTypeAcquittement);
    for (const TArgument& argument : Arguments) {
        if (argument.Type != FTypeAcquittement)
            continue;
        const bool tous = FTypeAcquittement == AcqDefaut && FTousDefauts;
        EcrireOctet(Trame, LngTrame + 1,
                    tous                         ? TousLesDefauts
                    : argument.Numero != nullptr ? this->*argument.Numero
                                                 : 0);
    }
    return LngTrame + TaillePayload;
}

int TAcquittements::GetTypeAcquittement() const {
    TLockGuard lock(ZoneLock());
    return FTypeAcquittement;
}

bool TAcquittements::GetTousDefauts() const {
    TLockGuard lock(ZoneLock());
    return FTousDefauts;
}

int TAcquittements::GetNumeroDefaut() const {
    TLockGuard lock(ZoneLock());
    return FNumeroDefaut;
}

int TAcquittements::GetNumeroElectrode() const {
    TLockGuard lock(ZoneLock());
    return FNumeroElectrode;
}

int TAcquittements::GetNumeroFraise() const {
    TLockGuard lock(ZoneLock());
    return FNumeroFraise;
}

// ---------------------------------------------------------------------------------------

TAcquittementsG20::TAcquittementsG20(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                     TInterfacedPersistent* aLogicalZone)
    : TWriteOnlyZone(AOwner, TypeZone, Numero, aLogicalZone) {}

THResult TAcquittementsG20::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IAcquittements::IID) {
        *Obj = static_cast<IAcquittements*>(this);
        return THResult::S_OK;
    }
    return TWriteOnlyZone::QueryInterface(IID, Obj);
}

int TAcquittementsG20::AddRef() {
    return TWriteOnlyZone::AddRef();
}

int TAcquittementsG20::Release() {
    return TWriteOnlyZone::Release();
}

std::unique_ptr<TCustomZoneCPS>
TAcquittementsG20::Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                          TInterfacedPersistent* aLogicalZone) const {
    return std::make_unique<TAcquittementsG20>(AOwner, TypeZone, Numero, aLogicalZone);
}

TAcquittements* TAcquittementsG20::AcquittementDefaut(int NumeroDefaut) {
    TLockGuard lock(ZoneLock());
    FTypeAcquittement = AcqDefaut;
    FTousDefauts = NumeroDefaut == TousLesDefauts;
    if (!FTousDefauts)
        FNumeroDefaut = NumeroDefaut;
    return this;
}

TAcquittements* TAcquittementsG20::AcquittementElectrode(bool Rodage, int NumeroElectrode) {
    TLockGuard lock(ZoneLock());
    FTypeAcquittement = Rodage ? AcqRodage : AcqChangementElectrode;
    FNumeroElectrode = NumeroElectrode;
    return this;
}

TAcquittements* TAcquittementsG20::RepetitionPoint(bool RepetitionDuPoint) {
    TLockGuard lock(ZoneLock());
    FTypeAcquittement = RepetitionDuPoint ? AcqRepetitionPoint : AcqSansRepetition;
    return this;
}

TAcquittementsG20* TAcquittementsG20::AcquittementFraise(int NumeroFraise) {
    TLockGuard lock(ZoneLock());
    FTypeAcquittement = AcqFraise;
    FNumeroFraise = NumeroFraise;
    return this;
}

} // namespace g20seq
