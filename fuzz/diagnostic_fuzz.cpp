// Diagnostic payload decoder: arbitrary bytes are decoded as a G20 diagnostic payload on
// an AC and a medium-frequency controller (160 objects) and on a controller with discrete
// I/O (176 objects). A refused payload must leave every object as it was; an accepted one
// must set each object exactly from its bit. Anything else (a crash, a leak, an exception
// escaping the decoder) is a finding.
#include "FuzzEprom.h"

#include "zones/DiagnosticG20.h"

#include <cstddef>
#include <cstdint>

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

// One station with its diagnostic zone, held for the whole run.
struct TStation : TFuzzStation {
    using TFuzzStation::TFuzzStation;

    std::unique_ptr<TDiagnosticG20> Zone =
        std::make_unique<TDiagnosticG20>(Eprom.get(), PrcDiagnostic, 0, nullptr);
    // The zone as it was before each decode (refreshed, not built again, for every input).
    std::unique_ptr<TCustomZoneCPS> Avant = Zone->Duplicate();
};

void Exercer(TStation& Station, const TPayload& Entree) {
    TDiagnosticG20& zone = *Station.Zone;
    TCustomZoneCPS& avant = *Station.Avant;
    avant.Assign(&zone);
    const int objets = zone.GetNombreObjetsDiagnostic();
    if (zone.SerialDecode(Entree.Trame, Entree.Longueur) != SerSansErreur) {
        Verifier(Entree.Longueur * 8 != objets);
        Verifier(zone.Equals(&avant)); // a refused payload changed the zone
        return;
    }
    Verifier(Entree.Longueur * 8 == objets);
    for (int i = 0; i < objets; ++i)
        Verifier(zone.GetObjetDiagnosticIndex(i)->GetIsON() ==
                 (((Entree.Trame[static_cast<std::size_t>(i / 8)] >> (i % 8)) & 1) != 0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    static TStation ac("GA_Fuzz");
    static TStation mf("GM_Fuzz");
    static TStation tor("GA_FuzzTOR", std::type_identity<TFuzzEpromDecrite<TDescriptionTOR>>{});
    const TPayload entree = Payload(Data, Size);
    Exercer(ac, entree);
    Exercer(mf, entree);
    Exercer(tor, entree);
    return 0;
}
