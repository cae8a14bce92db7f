#include "support/ElectrodeTestEprom.h"

#include "model/KEVField.h"
#include "model/KEVTabSheet.h"

namespace g20seq::testkit {

namespace {

TBenchSetup Electrodes(TTypeCourant Courant, TTypeIO IO) {
    constexpr TZoneClass classe = ZoneClassOf<TElectrodeG20>;
    TBenchSetup setup{{{classe, PrcElectrodeMini},
                       {classe, PrcElectrodeMaxi},
                       {classe, PrcElectrodesRAZ},
                       {classe, PrcElectrodes, PrcElectrodes}},
                      [Courant, IO](TEprom& Eprom) -> std::unique_ptr<TCustomEpromDescription> {
                          return std::make_unique<TBenchDescription>(
                              &Eprom, Eprom.GetNomEprom(), Courant, IO,
                              std::initializer_list<std::array<int, 3>>{{PrcElectrodes, 0, 15}});
                      }};
    setup.TabSheets = [Courant](TKEVLogicalZone& zone) {
        if (zone.GetTypeZone() == PrcElectrodes && Courant == tcMF)
            zone.InsertTabSheet("IDTabElecAdvParam",
                                std::make_unique<TKEVTabSheet>(IDTabTransfo, &zone));
    };
    return setup;
}

} // namespace

TBancElectrode::TBancElectrode(TTypeCourant Courant, TTypeIO IO, Byte Frequence) {
    Proxy.Frequence = Frequence;
    Eprom = TEprom::Create<TBenchEprom>(Courant == tcMF ? "GM_Banc" : "GA_Banc", &Protocol,
                                        Electrodes(Courant, IO));
}

std::unique_ptr<TElectrodeG20> TBancElectrode::NouvelleElectrode(Word Numero) const {
    return std::make_unique<TElectrodeG20>(Eprom.get(), PrcElectrodes, Numero, nullptr);
}

std::unique_ptr<TElectrodeG20> TBancElectrode::CopieEnElectrode(const TZoneCPS& Source) const {
    auto electrode = NouvelleElectrode();
    for (int i = 0; i < electrode->GetFieldCount(); ++i)
        electrode->GetFields(i)->Assign(Source.GetFields(i));
    return electrode;
}

} // namespace g20seq::testkit
