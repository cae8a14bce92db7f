// Present-faults decoder: arbitrary bytes are decoded as the bit map of the present faults.
// An accepted bit map must leave exactly the faults of its set bits among those it covers,
// and the faults beyond it as they were; the blocking counts over the station's
// configuration must add up to the number of faults present. Anything else (a crash, a
// leak, an exception escaping the decoder) is a finding.
#include "FuzzEprom.h"

#include "zones/ConfigurationG20.h"
#include "zones/DefautsPresents.h"

#include <cstddef>
#include <cstdint>

using namespace g20seq;
using namespace g20seq::fuzz;

namespace {

struct TStation : TFuzzStation {
    TStation() : TFuzzStation("GA_Fuzz", {{ZoneClassOf<TConfigurationG20>, PrcConfiguration}}) {
        // A fault beyond every bit map the run tries keeps its place.
        Zone->Ajouter(TDefautsPresentsG20::NomDefaut(8 * MaxBuffer));
    }

    std::unique_ptr<TDefautsPresentsG20> Zone =
        std::make_unique<TDefautsPresentsG20>(Eprom.get(), PrcDefautsPresents, 0, nullptr);
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    static TStation station;
    const auto [trame, longueur] = Payload(Data, Size);
    TDefautsPresentsG20& zone = *station.Zone;
    Verifier(zone.SerialDecode(trame, longueur) == SerSansErreur);
    int presents = 1;
    for (int octet = 0; octet < longueur; ++octet)
        for (int bit = 0; bit < 8; ++bit) {
            const bool attendu = ((trame[static_cast<std::size_t>(octet)] >> bit) & 1) != 0;
            presents += attendu ? 1 : 0;
            Verifier(zone.GetDefautIsPresent(TDefautsPresentsG20::NomDefaut(8 * octet + bit)) ==
                     attendu);
        }
    Verifier(zone.GetDefautIsPresent(TDefautsPresentsG20::NomDefaut(8 * MaxBuffer)));
    Verifier(zone.GetNbDefautsPresents() >= presents);
    Verifier(zone.GetNbDefautsBloquants() + zone.GetNbDefautsNonBloquants() ==
             zone.GetNbDefautsPresents());
    return 0;
}
