#include "zones/CompteurFraise.h"

#include "interface/CustomEprom.h"
#include "model/EpromDescription.h"
#include "model/PayloadMember.h"
#include "model/ZoneCodec.h"
#include "support/ByteArray.h"

#include <mutex>

namespace g20seq {

namespace {

// Generation of the owner EPROM's description, 0 without one.
int Generation(const TCustomZoneCPS& Zone) {
    TCustomEprom* eprom = Zone.GetEprom();
    TCustomEpromDescription* description = eprom != nullptr ? eprom->GetDescription() : nullptr;
    return description != nullptr ? description->Generation() : 0;
}

} // namespace

const TPayloadLayout& TCompteurFraise::LayoutCourt() {
    // The use counter and a zero byte.
    static constexpr TPayloadItem items[] = {
        payload::Number(
            0, 2, payload::Member<&TCompteurFraise::FCompteurFraiseRodeuse, payload::TWordModulo>),
        payload::Constant(2, 1),
    };
    static constexpr TPayloadLayout layout{items};
    static_assert(layout.Size() == TailleCourte);
    return layout;
}

const TPayloadLayout& TCompteurFraise::LayoutLong() {
    using Z = TCompteurFraise;
    using payload::Member, payload::Number, payload::TWordModulo;
    static constexpr TPayloadItem items[] = {
        Number(0, 2, Member<&Z::FCompteurFraiseRodeuse, TWordModulo>),
        Number(2, 2, Member<&Z::FNombreRodagesOK, TWordModulo>),
        Number(4, 2, Member<&Z::FNombreRodagesNOK, TWordModulo>),
    };
    static constexpr TPayloadLayout layout{items};
    static_assert(layout.Size() == TailleLongue);
    return layout;
}

TCompteurFraise::TCompteurFraise(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                 TInterfacedPersistent* aLogicalZone)
    : TZoneCPS(AOwner, TypeZone, Numero, aLogicalZone),
      FAvecRodages(Generation(*this) >= GenerationLongue) {
    if (FAvecRodages)
        SetTailles(TailleLongue, TailleLongue);
}

std::string TCompteurFraise::ClassName() const {
    return "TCompteurFraise";
}

void TCompteurFraise::Assign(const TPersistent* Source) {
    const TZoneChanges changes(*this); // observers told after the whole copy
    const auto* source = dynamic_cast<const TCompteurFraise*>(Source);
    if (source == nullptr || source == this || source->GetOwner() != GetOwner()) {
        // Other classes, and the refusal of a zone of another EPROM, are the base's.
        TZoneCPS::Assign(Source);
        return;
    }
    // Both zones locked at once (a decode assigns a copy made from the zone itself).
    const TLockPair lock = LockWith(*source);
    AssignCustomZone(*source);
    LayoutLong().CopyMembers(*this, *source);
}

std::unique_ptr<TCustomZoneCPS> TCompteurFraise::Create(TPersistent* AOwner, TTypeZones TypeZone,
                                                        Word Numero,
                                                        TInterfacedPersistent* aLogicalZone) const {
    return std::make_unique<TCompteurFraise>(AOwner, TypeZone, Numero, aLogicalZone);
}

TErreurSerie TCompteurFraise::SerialDecode(const TByteArray& Trame, int LngTrame) {
    return DecodeIntoCopy<TCompteurFraise>(
        *this, Trame, LngTrame, [](TCompteurFraise& Copie, const TByteArray& Donnees, int& Offset) {
            return Copie.Layout().Decode(Copie, Donnees, 0, Offset);
        });
}

int TCompteurFraise::SerialEncode(TByteArray& Trame, int LngTrame, int /*TailleZone*/) const {
    TLockGuard lock(ZoneLock());
    return Layout().Encode(*this, Trame, LngTrame);
}

TErreurSerie TCompteurFraise::FileDecode(const TByteArray& Trame, int LngTrame) {
    return SerialDecode(Trame, LngTrame);
}

int TCompteurFraise::FileEncode(TByteArray& Trame, int LngTrame, int TailleZone) const {
    return SerialEncode(Trame, LngTrame, TailleZone);
}

int TCompteurFraise::Lire(int TCompteurFraise::*Valeur) const {
    TLockGuard lock(ZoneLock());
    return this->*Valeur;
}

void TCompteurFraise::Ecrire(int TCompteurFraise::*Valeur, int Value) {
    TLockGuard lock(ZoneLock());
    this->*Valeur = Value;
}

int TCompteurFraise::GetCompteurFraiseRodeuse() const {
    return Lire(&TCompteurFraise::FCompteurFraiseRodeuse);
}
void TCompteurFraise::SetCompteurFraiseRodeuse(int Value) {
    Ecrire(&TCompteurFraise::FCompteurFraiseRodeuse, Value);
}
int TCompteurFraise::GetNombreRodagesOK() const {
    return Lire(&TCompteurFraise::FNombreRodagesOK);
}
void TCompteurFraise::SetNombreRodagesOK(int Value) {
    Ecrire(&TCompteurFraise::FNombreRodagesOK, Value);
}
int TCompteurFraise::GetNombreRodagesNOK() const {
    return Lire(&TCompteurFraise::FNombreRodagesNOK);
}
void TCompteurFraise::SetNombreRodagesNOK(int Value) {
    Ecrire(&TCompteurFraise::FNombreRodagesNOK, Value);
}

} // namespace g20seq
