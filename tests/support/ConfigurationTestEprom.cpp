#include "support/ConfigurationTestEprom.h"

#include "model/KEVTabSheet.h"

namespace g20seq::testkit {

namespace {

TBenchSetup Configuration(const TVarianteConfiguration& V) {
    constexpr TZoneClass classe = ZoneClassOf<TConfigurationG20>;
    TBenchSetup setup{{{classe, PrcConfigurationMini},
                       {classe, PrcConfigurationMaxi},
                       {classe, PrcConfigurationRAZ},
                       {classe, PrcConfiguration, PrcConfiguration}},
                      DescriptionG20({"G20", V.IO, V.Hardware, V.ProfilC1})};
    setup.TabSheets = [mf = V.Courant == tcMF](TKEVLogicalZone& zone) {
        if (zone.GetTypeZone() != PrcConfiguration)
            return;
        if (mf)
            zone.InsertTabSheet("IDTabConfAdvParam",
                                std::make_unique<TKEVTabSheet>(IDTabMF, &zone));
        zone.InsertTabSheet("IDTabConfAdvParam",
                            std::make_unique<TKEVTabSheet>(IDTabEthernet, &zone));
    };
    return setup;
}

} // namespace

TBancConfiguration::TBancConfiguration(const TVarianteConfiguration& Variante)
    : Eprom(TEprom::Create<TBenchEprom>(Variante.Courant == tcMF ? "GM_Banc" : "GA_Banc", &Protocol,
                                        Configuration(Variante))),
      Held(std::make_unique<TZoneTenue<TConfigurationG20>>(*Eprom, PrcConfiguration, 0)) {}

std::unique_ptr<TConfigurationG20> TBancConfiguration::Nouvelle(TTypeZones TypeZone) const {
    return std::make_unique<TConfigurationG20>(Eprom.get(), TypeZone, 0, nullptr);
}

} // namespace g20seq::testkit
