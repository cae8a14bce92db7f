// Cutter counters decoder: arbitrary bytes are decoded as the cutter counters payload of a
// G20 (3 bytes) and of a generation-5 controller (6 bytes). An accepted payload must carry
// its counters exactly and encode back to the same bytes (the zero byte of the short form
// rewritten as 0); a refused one must leave the zone as it was. Anything else (a crash, a
// leak, an exception escaping the decoder) is a finding.
#include "FuzzEprom.h"

#include "zones/CompteurFraise.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

using namespace g20seq;
using namespace g20seq::fuzz;

namespace {

// The G20 description reporting generation 5.
class TDescriptionGeneration5 : public TEpromDescriptionG20 {
public:
    using TEpromDescriptionG20::TEpromDescriptionG20;
    int Generation() const override { return 5; }
};

struct TStation : TFuzzStation {
    using TFuzzStation::TFuzzStation;

    std::unique_ptr<TCompteurFraise> Zone =
        std::make_unique<TCompteurFraise>(Eprom.get(), PrcCompteurFraise, 2, nullptr);
};

void Exercer(TStation& Station, const TByteArray& Trame, int Longueur) {
    static TByteArray avant;
    static TByteArray apres;
    TCompteurFraise& zone = *Station.Zone;
    const int taille = zone.TaillePayload();
    avant.fill(0);
    apres.fill(0);
    Verifier(zone.SerialEncode(avant, 0, taille) == taille);
    const TErreurSerie resultat = zone.FileDecode(Trame, Longueur);
    Verifier(zone.FileEncode(apres, 0, taille) == taille);
    if (resultat != SerSansErreur) {
        Verifier(avant == apres);
        return;
    }
    Verifier(Longueur == taille);
    Verifier(std::equal(Trame.begin(), Trame.begin() + 2, apres.begin()));
    if (taille == TCompteurFraise::TailleLongue)
        Verifier(std::equal(Trame.begin(), Trame.begin() + taille, apres.begin()));
    else
        Verifier(apres[2] == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    static TStation g20("GA_Fuzz");
    static TStation generation5("GM_Fuzz",
                                std::type_identity<TFuzzEpromDecrite<TDescriptionGeneration5>>{});
    const auto [trame, longueur] = Payload(Data, Size);
    Exercer(g20, trame, longueur);
    Exercer(generation5, trame, longueur);
    return 0;
}
