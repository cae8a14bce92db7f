#include "zones/ZoneStatut.h"

#include "interface/CustomEprom.h"
#include "model/EpromDescription.h"
#include "support/Exceptions.h"
#include "support/Format.h"
#include "zones/DateHeure.h"

namespace g20seq {

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

double IntensiteAffichee(int Valeur, bool ModeAmperes) {
    return ModeAmperes ? static_cast<double>(Valeur) : Valeur / 100.0;
}

bool EstControleurMF(const TCustomZoneCPS& Zone) {
    TCustomEprom* eprom = Zone.GetEprom();
    TCustomEpromDescription* description = eprom != nullptr ? eprom->GetDescription() : nullptr;
    return description != nullptr && description->TypeCourant() == tcMF;
}

} // namespace g20seq
