#include "zones/ZoneStatut.h"

#include "entry/CustomEprom.h"
#include "eprom/EpromDescription.h"
#include "support/Exceptions.h"
#include "support/Format.h"
#include "support/Latin1.h"
#include "zones/DateHeure.h"

namespace g20seq {

LongWord LireNombreStatut(const TByteArray& Trame, int Index, int Width) {
    switch (Width) {
    case 1:
        return GetByte(Trame, Index);
    case 2:
        return GetWord(Trame, Index);
    case 4:
        return GetLong(Trame, Index);
    default:
        throw ERangeError();
    }
}

void EcrireNombreStatut(TByteArray& Trame, int Index, int Width, Int64 Valeur) {
    if (Width != 1 && Width != 2 && Width != 4)
        throw ERangeError();
    if (Valeur < 0 || Valeur >= (Int64{1} << (8 * Width)))
        throw ERangeError();
    switch (Width) {
    case 1:
        return PutByte(Trame, Index, static_cast<Byte>(Valeur));
    case 2:
        return PutWord(Trame, Index, static_cast<Word>(Valeur));
    default:
        return PutLong(Trame, Index, static_cast<LongWord>(Valeur));
    }
}

std::string LireTexteStatut(const TByteArray& Trame, int Index, int Width, bool SansBlancs) {
    std::string octets;
    for (int i = 0; i < Width; ++i)
        octets += static_cast<char>(GetByte(Trame, Index + i));
    return Latin1ToUtf8(SansBlancs ? TrimRight(octets) : octets);
}

void EcrireTexteStatut(TByteArray& Trame, int Index, int Width, const std::string& Texte) {
    const std::string octets = Utf8ToLatin1(Texte);
    if (static_cast<int>(octets.size()) > Width)
        throw ERangeError();
    for (int i = 0; i < Width; ++i)
        PutByte(Trame, Index + i,
                i < static_cast<int>(octets.size()) ? static_cast<Byte>(octets[i]) : ' ');
}

TDateTime LireDateHeureStatut(const TByteArray& Trame, int Index) {
    if (Index < 0 || Index > MaxBuffer - TDateHeure::Taille)
        throw ERangeError();
    TDateHeure dateHeure;
    const std::span<const Byte> octets(Trame.data() + Index, TDateHeure::Taille);
    if (dateHeure.Decode(octets, TDateHeure::Taille))
        throw EConvertError(Format("Date invalide %d/%d/%d %d:%d:%d", octets[2], octets[1],
                                   2000 + octets[0], octets[3], octets[4], octets[5]));
    return dateHeure.GetDateTime();
}

void EcrireDateHeureStatut(TByteArray& Trame, int Index, TDateTime Valeur) {
    TDateHeure dateHeure;
    dateHeure.SetDateTime(Valeur);
    dateHeure.Encode(Trame, Index);
}

double IntensiteAffichee(int Valeur, bool ModeAmperes) {
    return ModeAmperes ? static_cast<double>(Valeur) : Valeur / 100.0;
}

bool EstControleurMF(const TCustomZoneCPS& Zone) {
    TCustomEprom* eprom = Zone.GetEprom();
    TCustomEpromDescription* description = eprom != nullptr ? eprom->GetDescription() : nullptr;
    return description != nullptr && description->TypeCourant() == tcMF;
}

} // namespace g20seq
