#include "zones/DateHeure.h"

#include "support/Exceptions.h"
#include "support/Format.h"

#include <cmath>

namespace g20seq {

namespace {

// A date (whole days) and a time of day (fraction) as one value. Before the epoch the
// fraction still counts forwards from midnight, so it is subtracted from the negative day.
TDateTime Compose(TDateTime Date, TDateTime Time) {
    return Date >= 0 ? Date + Time : Date - Time;
}

TDateTime DateOf(TDateTime Value) {
    return std::trunc(Value);
}

TDateTime TimeOf(TDateTime Value) {
    return std::fabs(Value - std::trunc(Value));
}

} // namespace

bool TDateHeure::Decode(std::span<const Byte> Buffer, int LngTrame) {
    if (Buffer.size() < static_cast<std::size_t>(Taille))
        return true;
    bool echec = false;
    try {
        SetDate(static_cast<Word>(2000 + Buffer[0]), Buffer[1], Buffer[2]);
    } catch (const EConvertError&) {
        echec = true;
    }
    try {
        SetTime(Buffer[3], Buffer[4], Buffer[5]);
    } catch (const EConvertError&) {
        echec = true;
    }
    return echec || LngTrame != Taille;
}

int TDateHeure::Encode(TByteArray& Trame, int LngTrame) const {
    Word annee = 0, mois = 0, jour = 0, heure = 0, minute = 0, seconde = 0, milli = 0;
    DecodeDate(FDateTime, annee, mois, jour);
    DecodeTime(FDateTime, heure, minute, seconde, milli);
    const Word octets[Taille] = {
        static_cast<Word>(annee % 100), mois, jour, heure, minute, seconde};
    for (int i = 0; i < Taille; ++i) {
        if (octets[i] > 0xFF)
            throw ERangeError();
        PutByte(Trame, LngTrame + i, static_cast<Byte>(octets[i]));
    }
    return LngTrame + Taille;
}

void TDateHeure::SetDate(Word Year, Word Month, Word Day) {
    FDateTime = Compose(EncodeDate(Year, Month, Day), TimeOf(FDateTime));
}

void TDateHeure::SetTime(Word Hour, Word Min, Word Sec) {
    FDateTime = Compose(DateOf(FDateTime), EncodeTime(Hour, Min, Sec, 0));
}

void TDateHeure::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TDateHeure*>(Source);
    if (source == nullptr) {
        TPersistent::Assign(Source);
        return;
    }
    FDateTime = source->FDateTime;
}

void TConversionDateHeure::Read(TDateTime& Valeur, const TByteArray& Trame, int Index) {
    if (Index < 0 || Index > MaxBuffer - TDateHeure::Taille)
        throw ERangeError();
    TDateHeure dateHeure;
    const std::span<const Byte> octets(Trame.data() + Index, TDateHeure::Taille);
    if (dateHeure.Decode(octets, TDateHeure::Taille))
        throw EConvertError(Format("Date invalide %d/%d/%d %d:%d:%d", octets[2], octets[1],
                                   2000 + octets[0], octets[3], octets[4], octets[5]));
    Valeur = dateHeure.GetDateTime();
}

void TConversionDateHeure::Write(TDateTime Valeur, TByteArray& Trame, int Index) {
    TDateHeure dateHeure;
    dateHeure.SetDateTime(Valeur);
    dateHeure.Encode(Trame, Index);
}

} // namespace g20seq
