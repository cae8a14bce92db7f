// Configuration frame decoder: arbitrary bytes are decoded as a G20 configuration frame on
// an AC station and on a medium-frequency station with fieldbus profile C1 (whose fault
// bytes also carry the default classes), through the serial and the zone-file decoders. A
// frame the decoder accepts must encode to 183 bytes that decode again to the same zone
// (same bytes once more); a refused frame must leave the zone as it was. Anything else (a
// crash, a leak, an exception escaping the decoder or the encoder of an accepted zone) is a
// finding.
#include "FuzzEprom.h"

#include "zones/ConfigurationG20.h"

#include <cstddef>
#include <cstdint>

using namespace g20seq;
using namespace g20seq::fuzz;

namespace {

// One station with its configuration zone, held for the whole run.
struct TStation : TFuzzStation {
    TStation(const char* Nom, bool ProfilC1) : TFuzzStation(Nom) {
        if (auto* description = dynamic_cast<TEpromDescriptionG20*>(Eprom->GetDescription()))
            description->SetProfilC1(ProfilC1);
        Eprom->AddFamily(ZoneClassOf<TConfigurationG20>, PrcConfiguration);
        Zone = dynamic_cast<TConfigurationG20*>(Eprom->GetPhysicalZone(PrcConfiguration, 0, true));
        Verifier(Zone != nullptr && Zone->AvecClassesDefauts() == ProfilC1);
    }

    TConfigurationG20* Zone;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    static TStation ac("GA_Fuzz", false);
    static TStation mf("GM_Fuzz", true);
    const TPayload entree = Payload(Data, Size);
    AllerRetour(*ac.Zone, TailleTrameConfiguration, entree, false);
    AllerRetour(*mf.Zone, TailleTrameConfiguration, entree, true);
    return 0;
}
