#include "zones/ZoneStatut.h"

#include "interface/CustomEprom.h"
#include "model/EpromDescription.h"
#include "support/Exceptions.h"
#include "support/Format.h"
#include "support/Latin1.h"
#include "zones/DateHeure.h"

namespace g20seq {

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
