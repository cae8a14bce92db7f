// Diagnostic payload decoder: arbitrary bytes are decoded as a G20 diagnostic payload on
// an AC and a medium-frequency controller (160 objects) and on a controller with discrete
// I/O (176 objects). A refused payload must leave every object as it was; an accepted one
// must set each object exactly from its bit. Anything else (a crash, a leak, an exception
// escaping the decoder) is a finding.
#include "FuzzEprom.h"

#include "zones/DiagnosticG20.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

using namespace g20seq;
using namespace g20seq::fuzz;

namespace {

// The G20 description with discrete I/O.
class TDescriptionTOR : public TEpromDescriptionG20 {
public:
    TDescriptionTOR(TPersistent* aOwner, const std::string& aNomEprom)
        : TEpromDescriptionG20(aOwner, aNomEprom) {
        FTypeIO = tiTOR;
    }
};

class TFuzzEpromTOR : public TFuzzEprom {
public:
    using TFuzzEprom::TFuzzEprom;

protected:
    void InitTypeZones() override {
        FDescription = std::make_unique<TDescriptionTOR>(this, GetNomEprom());
        TEprom::InitTypeZones();
    }
};

// One station with its diagnostic zone, held for the whole run.
struct TStation {
    explicit TStation(std::unique_ptr<TFuzzEprom> aEprom)
        : Eprom(std::move(aEprom)),
          Zone(std::make_unique<TDiagnosticG20>(Eprom.get(), PrcDiagnostic, 0, nullptr)) {}

    std::unique_ptr<TFuzzEprom> Eprom;
    std::unique_ptr<TDiagnosticG20> Zone;
};

void Verifier(bool Condition) {
    if (!Condition)
        __builtin_trap();
}

void Exercer(TStation& Station, const std::uint8_t* Data, std::size_t Size) {
    static TByteArray trame;
    trame.fill(0);
    const auto longueur = static_cast<int>(std::min<std::size_t>(Size, MaxBuffer));
    std::memcpy(trame.data(), Data, static_cast<std::size_t>(longueur));
    TDiagnosticG20& zone = *Station.Zone;
    const auto avant = zone.Duplicate();
    const int objets = zone.GetNombreObjetsDiagnostic();
    if (zone.SerialDecode(trame, longueur) != SerSansErreur) {
        Verifier(longueur * 8 != objets);
        Verifier(zone.Equals(avant.get())); // a refused payload changed the zone
        return;
    }
    Verifier(longueur * 8 == objets);
    for (int i = 0; i < objets; ++i)
        Verifier(zone.GetObjetDiagnosticIndex(i)->GetIsON() ==
                 (((Data[i / 8] >> (i % 8)) & 1) != 0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    static TFuzzProtocole protocole;
    static TStation ac(TFuzzEprom::New("GA_Fuzz", &protocole));
    static TStation mf(TFuzzEprom::New("GM_Fuzz", &protocole));
    static TStation tor(TEprom::Create<TFuzzEpromTOR>("GA_FuzzTOR", &protocole));
    Exercer(ac, Data, Size);
    Exercer(mf, Data, Size);
    Exercer(tor, Data, Size);
    return 0;
}
