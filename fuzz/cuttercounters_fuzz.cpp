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
#include <cstring>

using namespace g20seq;
using namespace g20seq::fuzz;

namespace {

void Verifier(bool Condition) {
    if (!Condition)
        __builtin_trap();
}

// The G20 description reporting generation 5.
class TDescriptionGeneration5 : public TEpromDescriptionG20 {
public:
    using TEpromDescriptionG20::TEpromDescriptionG20;
    int Generation() const override { return 5; }
};

class TFuzzEpromGeneration5 : public TFuzzEprom {
public:
    using TFuzzEprom::TFuzzEprom;

protected:
    void InitTypeZones() override {
        FDescription = std::make_unique<TDescriptionGeneration5>(this, GetNomEprom());
        TEprom::InitTypeZones();
    }
};

struct TStation {
    explicit TStation(std::unique_ptr<TFuzzEprom> aEprom)
        : Eprom(std::move(aEprom)),
          Zone(std::make_unique<TCompteurFraise>(Eprom.get(), PrcCompteurFraise, 2, nullptr)) {}

    std::unique_ptr<TFuzzEprom> Eprom;
    std::unique_ptr<TCompteurFraise> Zone;
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
    static TFuzzProtocole protocole;
    static TStation g20(TFuzzEprom::New("GA_Fuzz", &protocole));
    static TStation generation5(TEprom::Create<TFuzzEpromGeneration5>("GM_Fuzz", &protocole));
    static TByteArray trame;
    trame.fill(0);
    const auto longueur = static_cast<int>(std::min<std::size_t>(Size, MaxBuffer));
    std::memcpy(trame.data(), Data, static_cast<std::size_t>(longueur));
    Exercer(g20, trame, longueur);
    Exercer(generation5, trame, longueur);
    return 0;
}
