#include "support/StatusTestEprom.h"

#include "zones/Acquittements.h"
#include "zones/Apprentissage.h"
#include "zones/Horodateur.h"
#include "zones/Identification.h"
#include "zones/LanguesEffectives.h"
#include "zones/Mesure.h"
#include "zones/Mouchard.h"
#include "zones/Periodes.h"
#include "zones/SignalisationModification.h"
#include "zones/SignaturesPerdues.h"
#include "zones/Soudage.h"
#include "zones/Thermique.h"
#include "zones/TypeLogicielsAdditionnels.h"

namespace g20seq::testkit {

namespace {

TBenchSetup Statut() {
    TBenchSetup setup{
        {
            {ZoneClassOf<TIdentificationG20>, PrcIdentification},
            {ZoneClassOf<TThermiqueG20>, PrcThermique},
            {ZoneClassOf<TAcquittementsG20>, PrcAcquittements},
            {ZoneClassOf<TSignalisationModificationG20>, PrcSignalisationModification},
            {ZoneClassOf<TSignaturesPerduesG20>, PrcSignaturesPerdues},
            {ZoneClassOf<TMouchardG20>, PrcMouchard},
            {ZoneClassOf<TTypeLogicielsAdditionnelsG20>, PrcTypeLogicielsAdditionnels},
            {ZoneClassOf<TLanguesEffectivesG20>, PrcLanguesEffectives},
            {ZoneClassOf<THorodateur>, PrcHorodateur},
            {ZoneClassOf<TMesureG20>, PrcMesures},
            {ZoneClassOf<TApprentissage>, PrcApprentissage},
            {ZoneClassOf<TPeriodesG20>, PrcPeriodes},
            {ZoneClassOf<TSoudageG20>, PrcSoudage},
        },
        DescriptionG20()};
    for (const TBenchCreator& creator : setup.Creators)
        setup.Types.push_back(creator.Type);
    return setup;
}

} // namespace

TBancStatut::TBancStatut(bool MoyenneFrequence)
    : Eprom(TEprom::Create<TBenchEprom>(MoyenneFrequence ? "GM_Statut" : "GA_Statut", &Protocol,
                                        Statut())) {}

std::unique_ptr<TCustomZoneCPS> TBancStatut::NouvelleZone(TTypeZones TypeZone, int Numero) const {
    TZoneHolder zone(Eprom.get(), TypeZone, Numero);
    return zone ? zone->Duplicate() : nullptr;
}

TErreurSerie TBancStatut::Decoder(TCustomZoneCPS& Zone, const TBytes& Bytes) {
    return Zone.SerialDecode(ToPayload(Bytes), static_cast<int>(Bytes.size()));
}

TBytes TBancStatut::Encoder(const TCustomZoneCPS& Zone) {
    auto trame = std::make_unique<TByteArray>();
    trame->fill(0);
    const int fin = Zone.SerialEncode(*trame, 0, Zone.GetTailleSendZone());
    return FromPayload(*trame, 0, fin);
}

} // namespace g20seq::testkit
