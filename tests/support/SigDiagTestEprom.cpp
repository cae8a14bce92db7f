#include "support/SigDiagTestEprom.h"

#include "eprom/ZoneCreator.h"
#include "support/HexVectors.h"
#include "zones/DiagnosticG20.h"
#include "zones/SignatureG20.h"

namespace g20seq::testkit {

TSigDiagTestDescription::TSigDiagTestDescription(TPersistent* aOwner, const std::string& aNomEprom,
                                                 TTypeCourant Courant, TTypeIO IO)
    : TEpromDescription(aOwner, aNomEprom, "G20") {
    FTypeCourant = Courant;
    FTypeIO = IO;
}

TSigDiagTestEprom::TSigDiagTestEprom(TCreateKey Key, const std::string& NomEprom,
                                     TInterfacedPersistent* aProtocole, TTypeCourant Courant,
                                     TTypeIO IO)
    : TEprom(Key, NomEprom, aProtocole), FCourant(Courant), FIO(IO) {
    RegisterZoneCreator(std::make_unique<TZoneCreator>(ZoneClassOf<TDiagnosticG20>, PrcDiagnostic));
    RegisterZoneCreator(std::make_unique<TZoneCreator>(
        Courant == tcMF ? ZoneClassOf<TSignatureG20MF> : ZoneClassOf<TSignatureG20>,
        PrcSignatures));
}

void TSigDiagTestEprom::InitTypeZones() {
    FDescription = std::make_unique<TSigDiagTestDescription>(this, GetNomEprom(), FCourant, FIO);
    TEprom::InitTypeZones();
}

TBancSigDiag::TBancSigDiag(TTypeCourant Courant, TTypeIO IO)
    : Eprom(TEprom::Create<TSigDiagTestEprom>(Courant == tcMF ? "GM_Banc" : "GA_Banc", &Protocol,
                                              Courant, IO)) {}

std::unique_ptr<TCustomZoneCPS> TBancSigDiag::NouvelleZone(TTypeZones TypeZone) const {
    TZoneHolder zone(Eprom.get(), TypeZone, 0);
    return zone ? zone->Duplicate() : nullptr;
}

TErreurSerie TBancSigDiag::Decoder(TCustomZoneCPS& Zone, std::span<const Byte> Bytes) {
    return Zone.SerialDecode(ToPayload(Bytes), static_cast<int>(Bytes.size()));
}

} // namespace g20seq::testkit
