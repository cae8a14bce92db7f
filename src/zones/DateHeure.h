// The six-byte date and time of the controller's payloads (clock, event record):
//   0 year - 2000 (written as year modulo 100), 1 month 1..12, 2 day, 3 hour, 4 minute,
//   5 second.
#pragma once

#include "model/PayloadMember.h"
#include "support/ByteArray.h"
#include "support/DateTime.h"
#include "support/Object.h"

#include <span>

namespace g20seq {

class TDateHeure : public TPersistent {
public:
    static constexpr int Taille = 6;

    std::string ClassName() const override { return "TDateHeure"; }

    // Reads the six bytes at the start of Buffer: the date (2000 + byte 0, byte 1, byte 2)
    // keeping the time, then the time (bytes 3 to 5) keeping the date. Answers TRUE ON
    // FAILURE: an impossible date or time (that part is then left as it was), a buffer
    // shorter than six bytes, or a LngTrame other than 6.
    bool Decode(std::span<const Byte> Buffer, int LngTrame);
    // Writes year modulo 100, month, day, hour, minute, second at Trame[LngTrame] and
    // answers the index after them.
    int Encode(TByteArray& Trame, int LngTrame) const;

    // The date, keeping the time of day; an impossible date raises EConvertError and
    // changes nothing.
    void SetDate(Word Year, Word Month, Word Day);
    // The time of day, keeping the date; an impossible time raises EConvertError and
    // changes nothing.
    void SetTime(Word Hour, Word Min, Word Sec);

    TDateTime GetDateTime() const { return FDateTime; }
    void SetDateTime(TDateTime Value) { FDateTime = Value; }

    // From another TDateHeure; any other source raises the classic assignment error.
    void Assign(const TPersistent* Source) override;
    // The same date-time value.
    bool Equals(const TDateHeure& Other) const { return FDateTime == Other.FDateTime; }

private:
    TDateTime FDateTime = 0.0;
};

// The six-byte form of a TDateTime member of a zone, for payload items bound to it.
struct TConversionDateHeure {
    // EConvertError for an impossible date or time, ERangeError outside the buffer.
    static void Read(TDateTime& Valeur, const TByteArray& Trame, int Index);
    static void Write(TDateTime Valeur, TByteArray& Trame, int Index);
    static void Copy(TDateTime& Dest, const TDateTime& Source) { Dest = Source; }
};

namespace statut {

// The date and time of member Membre at Offset.
template <auto Membre> constexpr TPayloadItem DateHeure(int Offset) {
    return payload::Raw(Offset, TDateHeure::Taille, payload::Member<Membre, TConversionDateHeure>);
}

} // namespace statut

} // namespace g20seq
