#include "support/ConfigurationTestEprom.h"

#include "eprom/ZoneCreator.h"
#include "model/KEVLogicalZone.h"
#include "model/KEVTabSheet.h"

namespace g20seq::testkit {

namespace {

struct TCreateurConfiguration {
    TTypeZones PhysicalZone;
    int LogicalZone;
};

constexpr TCreateurConfiguration CreateursConfiguration[] = {
    {PrcConfigurationMini, TZoneCreator::NoLogicalZone},
    {PrcConfigurationMaxi, TZoneCreator::NoLogicalZone},
    {PrcConfigurationRAZ, TZoneCreator::NoLogicalZone},
    {PrcConfiguration, PrcConfiguration},
};

} // namespace

TConfigurationTestDescription::TConfigurationTestDescription(TPersistent* aOwner,
                                                             const std::string& aNomEprom,
                                                             const TVarianteConfiguration& Variante)
    : TEpromDescriptionG20(aOwner, aNomEprom, "G20") {
    FTypeIO = Variante.IO;
    FHardware = Variante.Hardware;
    SetProfilC1(Variante.ProfilC1);
}

TConfigurationTestEprom::TConfigurationTestEprom(TCreateKey Key, const std::string& NomEprom,
                                                 TInterfacedPersistent* aProtocole,
                                                 TVarianteConfiguration Variante)
    : TEprom(Key, NomEprom, aProtocole), FVariante(Variante) {
    for (const TCreateurConfiguration& createur : CreateursConfiguration)
        RegisterZoneCreator(std::make_unique<TZoneCreator>(
            ZoneClassOf<TConfigurationG20>, createur.PhysicalZone, createur.LogicalZone));
}

void TConfigurationTestEprom::InitTypeZones() {
    FDescription = std::make_unique<TConfigurationTestDescription>(this, GetNomEprom(), FVariante);
    TEprom::InitTypeZones();
}

void TConfigurationTestEprom::AddTabSheets(TKEVLogicalZone* aLogicalZone) {
    TEprom::AddTabSheets(aLogicalZone);
    if (aLogicalZone->GetTypeZone() != PrcConfiguration)
        return;
    if (FVariante.Courant == tcMF)
        aLogicalZone->InsertTabSheet("IDTabConfAdvParam",
                                     std::make_unique<TKEVTabSheet>(IDTabMF, aLogicalZone));
    aLogicalZone->InsertTabSheet("IDTabConfAdvParam",
                                 std::make_unique<TKEVTabSheet>(IDTabEthernet, aLogicalZone));
}

bool TConfigurationTestEprom::ReadZoneCPSFromCustomFile(TCustomZoneCPS* aZone,
                                                        TKevCustomFileStream*) {
    return aZone != nullptr;
}

TBancConfiguration::TBancConfiguration(const TVarianteConfiguration& Variante) {
    Eprom = TEprom::Create<TConfigurationTestEprom>(
        Variante.Courant == tcMF ? "GM_Banc" : "GA_Banc", &Protocol, Variante);
    FHeld = Eprom->GetPhysicalZone(PrcConfiguration, 0, true);
    FZone = dynamic_cast<TConfigurationG20*>(FHeld);
}

TBancConfiguration::~TBancConfiguration() {
    if (FHeld != nullptr)
        Eprom->ReleasePhysicalZone(FHeld);
}

std::unique_ptr<TConfigurationG20> TBancConfiguration::Nouvelle(TTypeZones TypeZone) const {
    return std::make_unique<TConfigurationG20>(Eprom.get(), TypeZone, 0, nullptr);
}

} // namespace g20seq::testkit
