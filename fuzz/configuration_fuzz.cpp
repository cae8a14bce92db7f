// Configuration frame decoder: arbitrary bytes are decoded as a G20 configuration frame on
// an AC station and on a medium-frequency station with fieldbus profile C1 (whose fault
// bytes also carry the default classes), through the serial and the zone-file decoders. A
// frame the decoder accepts must encode to 183 bytes that decode again to the same zone
// (same bytes once more); a refused frame must leave the zone as it was. Anything else (a
// crash, a leak, an exception escaping the decoder or the encoder of an accepted zone) is a
// finding.
#include "FuzzEprom.h"

#include "zones/ConfigurationG20.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

using namespace g20seq;
using namespace g20seq::fuzz;

namespace {

// One station with its configuration zone, held for the whole run.
struct TStation {
    TStation(const char* Nom, bool ProfilC1) : Eprom(TFuzzEprom::New(Nom, &Protocole)) {
        if (auto* description = dynamic_cast<TEpromDescriptionG20*>(Eprom->GetDescription()))
            description->SetProfilC1(ProfilC1);
        for (TTypeZones type : {PrcConfigurationMini, PrcConfigurationMaxi, PrcConfigurationRAZ})
            Eprom->AddCreator(ZoneClassOf<TConfigurationG20>, type);
        Eprom->AddCreator(ZoneClassOf<TConfigurationG20>, PrcConfiguration, PrcConfiguration);
        Zone = dynamic_cast<TConfigurationG20*>(Eprom->GetPhysicalZone(PrcConfiguration, 0, true));
        if (Zone == nullptr || Zone->AvecClassesDefauts() != ProfilC1)
            __builtin_trap();
    }

    TFuzzProtocole Protocole;
    std::unique_ptr<TFuzzEprom> Eprom;
    TConfigurationG20* Zone;
};

int Encoder(const TZoneCPS& Zone, TByteArray& Trame) {
    Trame.fill(0);
    return Zone.SerialEncode(Trame, 0, TailleTrameConfiguration);
}

void Exercer(TStation& Station, const std::uint8_t* Data, std::size_t Size, bool Fichier) {
    static TByteArray trame;
    static TByteArray avant;
    static TByteArray apres;
    trame.fill(0);
    const auto longueur = static_cast<int>(std::min<std::size_t>(Size, MaxBuffer));
    std::memcpy(trame.data(), Data, static_cast<std::size_t>(longueur));
    Encoder(*Station.Zone, avant);
    const TErreurSerie resultat = Fichier ? Station.Zone->FileDecode(trame, longueur)
                                          : Station.Zone->SerialDecode(trame, longueur);
    if (resultat != SerSansErreur) {
        Encoder(*Station.Zone, apres);
        if (avant != apres)
            __builtin_trap(); // a refused frame changed the zone
        return;
    }
    if (Encoder(*Station.Zone, avant) != TailleTrameConfiguration)
        __builtin_trap();
    if (Station.Zone->SerialDecode(avant, TailleTrameConfiguration) != SerSansErreur)
        __builtin_trap();
    Encoder(*Station.Zone, apres);
    if (avant != apres)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    static TStation ac("GA_Fuzz", false);
    static TStation mf("GM_Fuzz", true);
    Exercer(ac, Data, Size, false);
    Exercer(mf, Data, Size, true);
    return 0;
}
