// Weld program payload decoder: arbitrary bytes are decoded as a G20 program payload on an
// AC and on a medium-frequency controller. A payload the decoder accepts must encode to
// 163 bytes that decode again to the same zone (same bytes once more); a refused payload
// must leave the zone as it was. Anything else (a crash, a leak, an exception escaping
// the decoder) is a finding.
#include "FuzzEprom.h"

#include "zones/ElectrodeG20.h"
#include "zones/ProgrammeG20.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

using namespace g20seq;
using namespace g20seq::fuzz;

namespace {

// One station with its program zone 5, held for the whole run.
struct TStation {
    explicit TStation(const char* Nom) : Eprom(TFuzzEprom::New(Nom, &Protocole)) {
        for (TTypeZones type : {PrcElectrodeMini, PrcElectrodeMaxi, PrcElectrodesRAZ})
            Eprom->AddCreator(ZoneClassOf<TElectrodeG20>, type);
        Eprom->AddCreator(ZoneClassOf<TElectrodeG20>, PrcElectrodes, PrcElectrodes);
        for (TTypeZones type : {PrcProgrammesMini, PrcProgrammesMaxi, PrcprogrammesRAZ})
            Eprom->AddCreator(ZoneClassOf<TProgrammeG20>, type);
        Eprom->AddCreator(ZoneClassOf<TProgrammeG20>, PrcProgrammes, PrcProgrammes);
        Zone = dynamic_cast<TProgrammeG20*>(Eprom->GetPhysicalZone(PrcProgrammes, 5, true));
        if (Zone == nullptr)
            __builtin_trap();
    }

    TFuzzProtocole Protocole;
    std::unique_ptr<TFuzzEprom> Eprom;
    TProgrammeG20* Zone;
};

TByteArray& Tampon() {
    static TByteArray tampon;
    return tampon;
}

int Encoder(const TZoneCPS& Zone, TByteArray& Trame) {
    Trame.fill(0);
    return Zone.SerialEncode(Trame, 0, TProgrammeG20::TaillePayload);
}

void Exercer(TStation& Station, const std::uint8_t* Data, std::size_t Size) {
    static TByteArray avant;
    static TByteArray apres;
    TByteArray& trame = Tampon();
    trame.fill(0);
    const auto longueur = static_cast<int>(std::min<std::size_t>(Size, MaxBuffer));
    std::memcpy(trame.data(), Data, static_cast<std::size_t>(longueur));
    Encoder(*Station.Zone, avant);
    if (Station.Zone->SerialDecode(trame, longueur) != SerSansErreur) {
        Encoder(*Station.Zone, apres);
        if (avant != apres)
            __builtin_trap(); // a refused payload changed the zone
        return;
    }
    if (Encoder(*Station.Zone, avant) != TProgrammeG20::TaillePayload)
        __builtin_trap();
    if (Station.Zone->SerialDecode(avant, TProgrammeG20::TaillePayload) != SerSansErreur)
        __builtin_trap();
    Encoder(*Station.Zone, apres);
    if (avant != apres)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    static TStation ac("GA_Fuzz");
    static TStation mf("GM_Fuzz");
    Exercer(ac, Data, Size);
    Exercer(mf, Data, Size);
    return 0;
}
