#include "support/CompteurTestEprom.h"

#include "model/KEVTabSheet.h"

namespace g20seq::testkit {

namespace {

TBenchSetup Compteurs(const TOptionsCompteur& Options) {
    TBenchSetup setup{{{ZoneClassOf<TDefautsPresentsG20>, PrcDefautsPresents}},
                      DescriptionG20({.Generation = Options.Generation}),
                      {PrcDefautsPresents},
                      {PrcDefautsPresents, PrcConfiguration, PrcElectrodes}};
    auto& creators = setup.Creators;
    if (Options.AvecConfiguration)
        creators.push_back({ZoneClassOf<TConfigurationG20>, PrcConfiguration});
    if (Options.AvecElectrodes)
        creators.push_back({ZoneClassOf<TElectrodeG20>, PrcElectrodes});
    for (TTypeZones type : {PrcCompteursMini, PrcCompteursMaxi, PrcCompteursRAZ, PrcCompteurs})
        creators.push_back({ZoneClassOf<TCompteurG20>, type});
    if (Options.AvecFraises) {
        for (TTypeZones type : {PrcFraiseMini, PrcFraiseMaxi, PrcFraiseRAZ})
            creators.push_back({ZoneClassOf<TFraise>, type});
        creators.push_back({ZoneClassOf<TFraise>, PrcFraise, PrcFraise});
        creators.push_back({ZoneClassOf<TCompteurFraise>, PrcCompteurFraise});
    }
    setup.Types.insert(setup.Types.end(),
                       {PrcFraiseMini, PrcFraiseMaxi, PrcFraiseRAZ, PrcFraise, PrcCompteurFraise});
    setup.LogicalTypes = {PrcFraise};
    setup.TabSheets = [](TKEVLogicalZone& zone) {
        if (zone.GetTypeZone() == PrcFraise)
            zone.AddTabSheet(std::make_unique<TKEVTabSheet>(IDTabCU, &zone));
    };
    setup.DefautsPresentsZone = true;
    return setup;
}

} // namespace

TBancCompteur::TBancCompteur(TOptionsCompteur Options)
    : Eprom(TEprom::Create<TBenchEprom>("GA_Compteurs", &Protocol, Compteurs(Options))) {}

} // namespace g20seq::testkit
