// Cutter payload decoder: arbitrary bytes are decoded as the 5-byte payload of a cutter
// zone. An accepted payload must encode to 5 bytes that decode again to the same bytes; a
// refused one must leave the zone as it was. Anything else (a crash, a leak, an exception
// escaping the decoder or the encoder of an accepted zone) is a finding.
#include "FuzzEprom.h"

#include "zones/Fraise.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

using namespace g20seq;
using namespace g20seq::fuzz;

namespace {

struct TStation : TFuzzStation {
    TStation()
        : TFuzzStation("GA_Fuzz"),
          Zone(std::make_unique<TFraise>(Eprom.get(), PrcFraise, 1, nullptr)) {}

    std::unique_ptr<TFraise> Zone;
};

void Encoder(const TFraise& Zone, TByteArray& Trame) {
    Trame.fill(0);
    Verifier(Zone.FileEncode(Trame, 0, TFraise::TaillePayload) == TFraise::TaillePayload);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    static TStation station;
    static TByteArray avant;
    static TByteArray apres;
    const auto [trame, longueur] = Payload(Data, Size);
    TFraise& zone = *station.Zone;
    Encoder(zone, avant);
    const TErreurSerie resultat =
        Size % 2 == 0 ? zone.SerialDecode(trame, longueur) : zone.FileDecode(trame, longueur);
    Encoder(zone, apres);
    if (resultat != SerSansErreur) {
        Verifier(avant == apres);
        return 0;
    }
    Verifier(std::equal(trame.begin(), trame.begin() + 4, apres.begin()));
    Verifier(zone.SerialDecode(apres, TFraise::TaillePayload) == SerSansErreur);
    Encoder(zone, avant);
    Verifier(avant == apres);
    return 0;
}
