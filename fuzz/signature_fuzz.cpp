// Signature payload decoder: arbitrary bytes are decoded as a G20 signature on an AC and on
// a medium-frequency controller. A refused payload must leave the signature as it was. An
// accepted one must decode to the same signature in a copy of the signature taken before,
// hold its values within their ranges and carry a point number only when the type byte
// announces one. Anything else (a crash, a leak, an exception escaping the decoder) is a
// finding.
#include "FuzzEprom.h"

#include "zones/SignatureG20.h"

#include <cstddef>
#include <cstdint>

using namespace g20seq;
using namespace g20seq::fuzz;

namespace {

// One station with its signature zone, held for the whole run.
struct TStation : TFuzzStation {
    explicit TStation(const char* Nom) : TFuzzStation(Nom) {
        if (Eprom->GetDescription()->TypeCourant() == tcMF)
            Zone = std::make_unique<TSignatureG20MF>(Eprom.get(), PrcSignatures, 0, nullptr);
        else
            Zone = std::make_unique<TSignatureG20>(Eprom.get(), PrcSignatures, 0, nullptr);
    }

    std::unique_ptr<TSignatureG20> Zone;
};

void Exercer(TStation& Station, const TPayload& Entree) {
    const auto [trame, longueur] = Entree;
    TSignatureG20& zone = *Station.Zone;
    const auto avant = zone.Duplicate();
    if (zone.SerialDecode(trame, longueur) != SerSansErreur) {
        Verifier(zone.Equals(avant.get())); // a refused payload changed the signature
        return;
    }
    // The copy taken before holds what the payload does not carry (the fault number of a
    // weld): decoding the same payload into it must give the same signature.
    Verifier(avant->SerialDecode(trame, longueur) == SerSansErreur);
    Verifier(avant->Equals(&zone) && zone.Equals(avant.get()));
    Verifier(zone.GetNumeroProgramme() <= 127 && zone.GetNumeroPalier() <= 10 &&
             zone.GetNumeroElectrode() <= 15 && zone.GetOrigineAcquittement() <= 5);
    Verifier(zone.IsNumeroPoint() == ((trame[6] & 0x40) != 0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    static TStation ac("GA_Fuzz");
    static TStation mf("GM_Fuzz");
    const TPayload entree = Payload(Data, Size);
    Exercer(ac, entree);
    Exercer(mf, entree);
    return 0;
}
