// Status zones: zones whose values are plain members (no fields), filled from the
// controller's payload and described by one payload layout per payload, whose items are
// bound to the zone's members (model/PayloadMember.h). Numbers are unsigned big-endian;
// a range member refuses a value outside its range (ERangeError); texts are written
// padded with spaces and read as they are unless the item drops trailing blanks; a date
// and time is the six-byte form of TDateHeure (statut::DateHeure), an impossible one
// raising EConvertError.
//
// TZoneStatut<TZone> gives a zone class TZone (which derives from it) its codecs, its
// copy and its virtual constructor from the layout that TZone::Layout() answers: decoding
// reads the layout into a duplicate that is assigned only when the payload is exactly the
// layout's size (DecodeIntoCopy), encoding writes the layout, the file form equals the
// serial form, and Assign copies every member the layout names (copy-only rows included).
// The codec mixins of model/ZoneCodec.h turn it into a read-only, write-only or
// never-in-files zone.
#pragma once

#include "model/PayloadLayout.h"
#include "model/PayloadMember.h"
#include "model/TypeRange.h"
#include "model/ZoneCPS.h"
#include "model/ZoneCodec.h"
#include "support/ByteArray.h"
#include "support/DateTime.h"
#include "zones/DateHeure.h"

#include <memory>
#include <mutex>
#include <string>

namespace g20seq {

namespace statut {

// A text member: kept as read, or without its trailing blanks.
inline constexpr bool TelQuel = true;
inline constexpr bool SansBlancs = false;

} // namespace statut

// A current as the host shows it: in amperes (the stored value) when ModeAmperes,
// otherwise in the controller's hundredths (the stored value / 100).
double IntensiteAffichee(int Valeur, bool ModeAmperes);

// The owner EPROM describes a medium-frequency controller.
bool EstControleurMF(const TCustomZoneCPS& Zone);

template <class TZone> class TZoneStatut : public TZoneCPS {
public:
    using TZoneCPS::TZoneCPS;

    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override {
        return std::make_unique<TZone>(AOwner, TypeZone, Numero, aLogicalZone);
    }

    // The zone base's copy, then, from a zone of the same class and EPROM, the members.
    void Assign(const TPersistent* Source) override {
        const TZoneChanges changes(*this); // observers told after the whole copy
        TZoneCPS::Assign(Source);
        const auto* source = dynamic_cast<const TZone*>(Source);
        if (source == nullptr || source == &Self() || source->GetOwner() != GetOwner())
            return;
        std::scoped_lock lock(ZoneLock(), source->ZoneLock());
        Self().Layout().CopyMembers(*this, *source);
    }

    TErreurSerie SerialDecode(const TByteArray& Trame, int LngTrame) override {
        return DecodeIntoCopy(Self(), Trame, LngTrame,
                              [](TZone& Copie, const TByteArray& Donnees, int& Offset) {
                                  return Copie.Layout().Decode(Copie, Donnees, 0, Offset);
                              });
    }
    int SerialEncode(TByteArray& Trame, int LngTrame, int /*TailleZone*/) const override {
        return Self().Layout().Encode(*this, Trame, LngTrame);
    }
    TErreurSerie FileDecode(const TByteArray& Trame, int LngTrame) override {
        return SerialDecode(Trame, LngTrame);
    }
    int FileEncode(TByteArray& Trame, int LngTrame, int TailleZone) const override {
        return SerialEncode(Trame, LngTrame, TailleZone);
    }

protected:
    // A member read under the zone's lock (Assign may be running on another thread).
    template <class T> T Lu(const T& Membre) const {
        TLockGuard lock(ZoneLock());
        return Membre;
    }
    int Lu(const TIntegerRange& Plage) const {
        TLockGuard lock(ZoneLock());
        return Plage.GetValue();
    }
    double Lu(const TDoubleRange& Plage) const {
        TLockGuard lock(ZoneLock());
        return Plage.GetValue();
    }

private:
    TZone& Self() { return static_cast<TZone&>(*this); }
    const TZone& Self() const { return static_cast<const TZone&>(*this); }
};

} // namespace g20seq
