#include "model/EpromDescription.h"

#include "model/DataProxy.h"
#include "support/EpromTestKit.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using namespace g20seq;

namespace {

// A description whose zone bounds a test can change.
class TestDescription : public TEpromDescription {
public:
    explicit TestDescription(const std::string& protocole = {})
        : TEpromDescription(nullptr, "Station", protocole) {}
    using TEpromDescription::SetZoneBounds;
};

} // namespace

TEST(EpromDescription, DefaultsOfEveryDescriptionAndTheFamilyOfTheProtocolName) {
    TestDescription d;
    EXPECT_EQ(d.GetZoneNumber(PrcSignatures), 0);
    EXPECT_EQ(d.GetMinZone(PrcSignatures), -1);
    EXPECT_EQ(d.GetZoneNumber(PrcProgrammes), 32);
    EXPECT_EQ(d.GetMaxZone(PrcPeriodes), 11);
    EXPECT_EQ(d.GetMaxZone(PrcElectrodes), 15);
    EXPECT_EQ(d.NbProg(), "31");
    EXPECT_TRUE(d.Hardware().Empty());
    EXPECT_EQ(d.SupportFunctions(), TSupportFunctions{sfNone});
    const TTypesAcces acces = d.TypesAcces();
    EXPECT_EQ(acces.Bits(), 0x2CEFDu); // 21 rights less the eight not offered by default
    EXPECT_TRUE(acces.Contains(taSuiviExecutionMF_AW));
    EXPECT_FALSE(acces.Contains(taAssignationPoint));
    // The family follows the protocol name.
    EXPECT_EQ(TestDescription("H31").Family(), faMucom);
    EXPECT_EQ(TestDescription("H35").Family(), faMucom);
    EXPECT_EQ(TestDescription("h31").Family(), faMapping);
    EXPECT_EQ(TestDescription("").Family(), faMapping);
}

TEST(EpromDescription, ZoneTypesNumberedLikeAnotherTakeItsBounds) {
    TestDescription d;
    d.SetZoneBounds(PrcElectrodes, 2, 9);
    d.SetZoneBounds(PrcFraise, 0, 5);
    for (TTypeZones type : {PrcCompteurs, PrcMoyenneFrequence, PrcApprentissage}) {
        EXPECT_EQ(std::tuple(d.GetMinZone(type), d.GetMaxZone(type), d.GetZoneNumber(type)),
                  std::tuple(2, 9, 8))
            << TypeZoneName(type);
    }
    for (TTypeZones type : {PrcSoudage, PrcMesures, PrcLienProcess, PrcLienProcessAvance})
        EXPECT_EQ(d.GetZoneNumber(type), 32) << TypeZoneName(type);
    EXPECT_EQ(d.GetMaxZone(PrcCompteurFraise), 5);
    EXPECT_EQ(d.GetZoneNumber(PrcCompteursMini), 0);
}

TEST(EpromDescription, TextsWithoutTranslation) {
    SetGlobalDataProxy(nullptr);
    TestDescription d;
    EXPECT_EQ(d.Text(), "Inconnu TOR 32P 50-60 HZ");
    EXPECT_EQ(d.NetworkTypeAsString(), "RS485");
    d.SetZoneBounds(PrcProgrammes, -1, -1);
    EXPECT_EQ(d.Text(), "Inconnu TOR 50-60 HZ");

    EXPECT_EQ(TEpromDescriptionG20(nullptr, "GA_Line3_Robot2").Text(),
              "G20 Ethernet INTERBUS-S 128P 50-60 HZ");
    EXPECT_EQ(TEpromDescriptionG20(nullptr, "GM_Line1").Text(), "G20 Ethernet INTERBUS-S 128P DC");
}

TEST(EpromDescription, TextsAreTranslatedByEnumerationName) {
    testkit::FakeDataProxy proxy;
    proxy.AddTranslation("IDEpromDescription", "tcMF", "Medium frequency");
    proxy.AddTranslation("IDEpromDescription", "tiINTERBUS_S", "Interbus");
    proxy.AddTranslation("IDEpromDescription", "tmG20Ethernet", "G20 Eth.");
    proxy.AddTranslation("IDEpromDescription", "ntEthernet", "not used");
    TEpromDescriptionG20 d(nullptr, "GM_Line1");
    EXPECT_EQ(d.TypeCourantAsString(), "Medium frequency");
    EXPECT_EQ(d.Text(), "G20 Eth. Interbus 128P Medium frequency");
    EXPECT_EQ(d.NetworkTypeAsString(), "Ethernet");
    EXPECT_EQ(TEpromDescriptionG20(nullptr, "GA_Line1").TypeCourantAsString(), "50-60 HZ");
}

TEST(EpromDescriptionG20, RangesOfTheG20) {
    TEpromDescriptionG20 d(nullptr, "GA_Line3_Robot2", "G20");
    const std::vector<int> bounds{
        d.GetZoneNumber(PrcProgrammes),     d.GetMaxZone(PrcSoudage),
        d.GetMaxZone(PrcLienProcessAvance), d.GetZoneNumber(PrcAssignationPoint),
        d.GetZoneNumber(PrcElectrodes),     d.GetMaxZone(PrcCompteurs),
        d.GetZoneNumber(PrcFraise),         d.GetMinZone(PrcCompteurFraise),
        d.GetMaxZone(PrcCompteurFraise),    d.GetZoneNumber(PrcPeriodes),
        d.GetZoneNumber(PrcSignatures)};
    EXPECT_EQ(bounds, (std::vector<int>{128, 127, 127, 128, 16, 15, 4, 0, 3, 12, 0}));
    EXPECT_EQ(d.NbProg(), "127");
    EXPECT_EQ(d.Family(), faMapping);
}

TEST(EpromDescriptionG20, VariantsAreRecognisedFromTheNamePrefix) {
    TEpromDescriptionG20 ac(nullptr, "GA_Line3_Robot2");
    EXPECT_EQ(ac.TypeCourant(), tcAC);
    EXPECT_EQ(ac.TypeIO(), tiINTERBUS_S);
    EXPECT_EQ(ac.Hardware(), THardware{thNoKeyReady});
    EXPECT_EQ(ac.NetworkType(), ntEthernet);
    EXPECT_EQ(ac.TypeMateriel(), 4);
    EXPECT_TRUE(ac.TypesAcces().Contains(taAssignationPoint));
    EXPECT_FALSE(ac.TypesAcces().Contains(taProgCombine));
    EXPECT_TRUE(ac.VarianteReconnue());
    EXPECT_FALSE(ac.ProfilC1());

    TEpromDescriptionG20 mf(nullptr, "GM");
    EXPECT_EQ(mf.TypeCourant(), tcMF);
    EXPECT_EQ(mf.TypeIO(), tiINTERBUS_S);
}

TEST(EpromDescriptionG20, OtherNamesAreRefused) {
    for (const std::string name : {"ga_Line1", "Gm_Line1", "G", "", "XGA"})
        EXPECT_EQ(testkit::ErrorOf([&] { TEpromDescriptionG20(nullptr, name); }),
                  "Sequence '" + name + "' not handled by the current library.");
}
