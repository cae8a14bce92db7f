// Point assignment entry decoder: arbitrary bytes are decoded as one 22-byte entry of a G20
// station (programs 0..127). A payload the decoder accepts must encode to 22 bytes that
// decode again to the same entry (same bytes once more); a refused payload must leave the
// entry as it was. Anything else (a crash, a leak, an exception escaping the decoder or
// the encoder of an accepted entry) is a finding.
#include "FuzzEprom.h"

#include "zones/AssignationPoints.h"

#include <cstddef>
#include <cstdint>

using namespace g20seq;
using namespace g20seq::fuzz;

namespace {

// One G20 station and an entry zone of it, held for the whole run. The entry needs only
// the station's description (program range) to decode and encode.
struct TStation : TFuzzStation {
    TStation() : TFuzzStation("GA_Fuzz"), Zone(Eprom.get(), PrcAssignationPoint, 0, nullptr) {}

    TAssignationPoints Zone;
};

constexpr int Taille = TAssignationPoints::TaillePayload;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    static TStation station;
    const TPayload entree = Payload(Data, Size);
    if (AllerRetour(station.Zone, Taille, entree))
        Verifier(entree.Longueur == Taille);
    return 0;
}
