#include "support/SigDiagTestEprom.h"

#include "support/HexVectors.h"
#include "zones/DiagnosticG20.h"
#include "zones/SignatureG20.h"

namespace g20seq::testkit {

TBenchSetup SigDiag(TTypeCourant Courant, TTypeIO IO) {
    TBenchSetup setup{{{ZoneClassOf<TDiagnosticG20>, PrcDiagnostic},
                       {Courant == tcMF ? ZoneClassOf<TSignatureG20MF> : ZoneClassOf<TSignatureG20>,
                        PrcSignatures}},
                      [Courant, IO](TEprom& Eprom) -> std::unique_ptr<TCustomEpromDescription> {
                          return std::make_unique<TBenchDescription>(&Eprom, Eprom.GetNomEprom(),
                                                                     Courant, IO);
                      }};
    setup.FichierSimule = false;
    return setup;
}

TBancSigDiag::TBancSigDiag(TTypeCourant Courant, TTypeIO IO)
    : Eprom(TEprom::Create<TBenchEprom>(Courant == tcMF ? "GM_Banc" : "GA_Banc", &Protocol,
                                        SigDiag(Courant, IO))) {}

std::unique_ptr<TCustomZoneCPS> TBancSigDiag::NouvelleZone(TTypeZones TypeZone) const {
    TZoneHolder zone(Eprom.get(), TypeZone, 0);
    return zone ? zone->Duplicate() : nullptr;
}

TErreurSerie TBancSigDiag::Decoder(TCustomZoneCPS& Zone, std::span<const Byte> Bytes) {
    return Zone.SerialDecode(ToPayload(Bytes), static_cast<int>(Bytes.size()));
}

} // namespace g20seq::testkit
