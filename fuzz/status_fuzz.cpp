// Status and command zone decoders, one target for all of them: the first input byte
// chooses the decoder (modulo their number), the other bytes are the payload.
//
// For the zones read by a payload table, a payload the decoder accepts must be written
// back by the table to bytes that decode again to the same values (the same bytes once
// more), and a refused payload must leave the zone as it was. The clock and the languages
// are checked the same way through their getters; the command zones must refuse every
// payload. Anything else (a crash, a leak, an exception escaping a decoder) is a finding.
#include "FuzzEprom.h"

#include "zones/Acquittements.h"
#include "zones/Apprentissage.h"
#include "zones/Horodateur.h"
#include "zones/Identification.h"
#include "zones/LanguesEffectives.h"
#include "zones/Mesure.h"
#include "zones/Mouchard.h"
#include "zones/Periodes.h"
#include "zones/SignalisationModification.h"
#include "zones/SignaturesPerdues.h"
#include "zones/Soudage.h"
#include "zones/Thermique.h"
#include "zones/TypeLogicielsAdditionnels.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

using namespace g20seq;
using namespace g20seq::fuzz;

namespace {

using TOctets = std::vector<Byte>;

TByteArray& Tampon() {
    static TByteArray tampon;
    return tampon;
}

// The values of a table zone as its table writes them; none when a value does not fit
// the table's bytes (the weld total of the event record can exceed them).
template <class TZone> std::optional<TOctets> Image(const TZone& Zone) {
    TByteArray& trame = Tampon();
    trame.fill(0);
    try {
        const int fin = Zone.Layout().Encode(Zone, trame, 0);
        return TOctets(trame.begin(), trame.begin() + fin);
    } catch (const ERangeError&) {
        return std::nullopt;
    }
}

TErreurSerie Decoder(TCustomZoneCPS& Zone, const TOctets& Octets) {
    TByteArray& trame = Tampon();
    trame.fill(0);
    std::copy(Octets.begin(), Octets.end(), trame.begin());
    return Zone.SerialDecode(trame, static_cast<int>(Octets.size()));
}

template <class TZone> void ExercerTable(TZone& Zone, const TOctets& Payload) {
    const std::optional<TOctets> avant = Image(Zone);
    if (Decoder(Zone, Payload) != SerSansErreur) {
        if (Image(Zone) != avant)
            __builtin_trap(); // a refused payload changed the zone
        return;
    }
    const std::optional<TOctets> lue = Image(Zone);
    if (!lue)
        return;
    if (Decoder(Zone, *lue) != SerSansErreur || Image(Zone) != lue)
        __builtin_trap();
}

// The six bytes of a date and time (the year modulo 100).
TOctets OctetsDateHeure(TDateTime Valeur) {
    TDateHeure dateHeure;
    dateHeure.SetDateTime(Valeur);
    TByteArray& trame = Tampon();
    dateHeure.Encode(trame, 0);
    return TOctets(trame.begin(), trame.begin() + TDateHeure::Taille);
}

void ExercerHorodateur(THorodateur& Zone, const TOctets& Payload) {
    const TDateTime avant = Zone.GetDateHeure();
    if (Decoder(Zone, Payload) != SerSansErreur) {
        if (Zone.GetDateHeure() != avant)
            __builtin_trap();
        return;
    }
    const TOctets lue = OctetsDateHeure(Zone.GetDateHeure());
    if (Decoder(Zone, lue) != SerSansErreur || OctetsDateHeure(Zone.GetDateHeure()) != lue)
        __builtin_trap();
}

std::array<int, TLanguesEffectivesG20::NombreLangues> Langues(const TLanguesEffectivesG20& Zone) {
    std::array<int, TLanguesEffectivesG20::NombreLangues> langues{};
    for (int i = 0; i < TLanguesEffectivesG20::NombreLangues; ++i)
        langues[static_cast<std::size_t>(i)] = Zone.GetLangueEffective(i);
    return langues;
}

void ExercerLangues(TLanguesEffectivesG20& Zone, const TOctets& Payload) {
    const auto avant = Langues(Zone);
    const bool accepte = Decoder(Zone, Payload) == SerSansErreur;
    if (accepte != (Payload.size() == TLanguesEffectivesG20::TaillePayload))
        __builtin_trap();
    if (!accepte && Langues(Zone) != avant)
        __builtin_trap();
}

void ExercerCommande(TCustomZoneCPS& Zone, const TOctets& Payload) {
    if (Decoder(Zone, Payload) != SerErrDonnees)
        __builtin_trap();
}

// Every decoder on one station of each controller variant, held for the whole run.
struct TStations {
    TStations()
        : Ac(TFuzzEprom::New("GA_Fuzz", &Protocole)), Mf(TFuzzEprom::New("GM_Fuzz", &Protocole)),
          Identification(Ac.get(), PrcIdentification, 0, nullptr),
          Thermique(Ac.get(), PrcThermique, 0, nullptr),
          Periodes(Ac.get(), PrcPeriodes, 0, nullptr),
          SignaturesPerdues(Ac.get(), PrcSignaturesPerdues, 0, nullptr),
          Mouchard(Ac.get(), PrcMouchard, 0, nullptr),
          Logiciels(Ac.get(), PrcTypeLogicielsAdditionnels, 0, nullptr),
          Langues(Ac.get(), PrcLanguesEffectives, 0, nullptr),
          Horodateur(Ac.get(), PrcHorodateur, 0, nullptr),
          MesureAC(Ac.get(), PrcMesures, 0, nullptr), MesureMF(Mf.get(), PrcMesures, 0, nullptr),
          Apprentissage(Mf.get(), PrcApprentissage, 0, nullptr),
          Soudage(Ac.get(), PrcSoudage, 0, nullptr),
          Acquittements(Ac.get(), PrcAcquittements, 0, nullptr),
          Signalisation(Ac.get(), PrcSignalisationModification, 0, nullptr) {}

    void Exercer(Byte Choix, const TOctets& Payload) {
        switch (Choix % 14) {
        case 0:
            return ExercerTable(Identification, Payload);
        case 1:
            return ExercerTable(Thermique, Payload);
        case 2:
            return ExercerTable(Periodes, Payload);
        case 3:
            return ExercerTable(SignaturesPerdues, Payload);
        case 4:
            return ExercerTable(Mouchard, Payload);
        case 5:
            return ExercerTable(Logiciels, Payload);
        case 6:
            return ExercerLangues(Langues, Payload);
        case 7:
            return ExercerHorodateur(Horodateur, Payload);
        case 8:
            return ExercerTable(MesureAC, Payload);
        case 9:
            return ExercerTable(MesureMF, Payload);
        case 10:
            return ExercerTable(Apprentissage, Payload);
        case 11:
            return ExercerTable(Soudage, Payload);
        case 12:
            return ExercerCommande(Acquittements, Payload);
        default:
            return ExercerCommande(Signalisation, Payload);
        }
    }

    TFuzzProtocole Protocole;
    std::unique_ptr<TFuzzEprom> Ac;
    std::unique_ptr<TFuzzEprom> Mf;
    TIdentificationG20 Identification;
    TThermiqueG20 Thermique;
    TPeriodesG20 Periodes;
    TSignaturesPerduesG20 SignaturesPerdues;
    TMouchardG20 Mouchard;
    TTypeLogicielsAdditionnelsG20 Logiciels;
    TLanguesEffectivesG20 Langues;
    THorodateur Horodateur;
    TMesureG20 MesureAC;
    TMesureG20 MesureMF;
    TApprentissage Apprentissage;
    TSoudageG20 Soudage;
    TAcquittementsG20 Acquittements;
    TSignalisationModificationG20 Signalisation;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    static TStations stations;
    if (Size == 0)
        return 0;
    const std::size_t longueur = std::min<std::size_t>(Size - 1, MaxBuffer);
    stations.Exercer(Data[0], TOctets(Data + 1, Data + 1 + longueur));
    return 0;
}
