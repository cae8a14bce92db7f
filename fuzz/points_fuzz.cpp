// Point assignment entry decoder: arbitrary bytes are decoded as one 22-byte entry of a G20
// station (programs 0..127). A payload the decoder accepts must encode to 22 bytes that
// decode again to the same entry (same bytes once more); a refused payload must leave the
// entry as it was. Anything else (a crash, a leak, an exception escaping the decoder or
// the encoder of an accepted entry) is a finding.
#include "FuzzEprom.h"

#include "zones/AssignationPoints.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

using namespace g20seq;
using namespace g20seq::fuzz;

namespace {

// One G20 station and an entry zone of it, held for the whole run. The entry needs only
// the station's description (program range) to decode and encode.
struct TStation {
    TStation()
        : Eprom(TFuzzEprom::New("GA_Fuzz", &Protocole)),
          Zone(Eprom.get(), PrcAssignationPoint, 0, nullptr) {}

    TFuzzProtocole Protocole;
    std::unique_ptr<TFuzzEprom> Eprom;
    TAssignationPoints Zone;
};

constexpr int Taille = TAssignationPoints::TaillePayload;

int Encoder(const TAssignationPoints& Zone, TByteArray& Trame) {
    Trame.fill(0);
    return Zone.SerialEncode(Trame, 0, Taille);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    static TStation station;
    static TByteArray trame;
    static TByteArray avant;
    static TByteArray apres;
    trame.fill(0);
    const auto longueur = static_cast<int>(std::min<std::size_t>(Size, MaxBuffer));
    std::memcpy(trame.data(), Data, static_cast<std::size_t>(longueur));
    Encoder(station.Zone, avant);
    if (station.Zone.SerialDecode(trame, longueur) != SerSansErreur) {
        Encoder(station.Zone, apres);
        if (avant != apres)
            __builtin_trap(); // a refused payload changed the entry
        return 0;
    }
    if (longueur != Taille || Encoder(station.Zone, avant) != Taille)
        __builtin_trap();
    if (station.Zone.SerialDecode(avant, Taille) != SerSansErreur)
        __builtin_trap();
    Encoder(station.Zone, apres);
    if (avant != apres)
        __builtin_trap();
    return 0;
}
