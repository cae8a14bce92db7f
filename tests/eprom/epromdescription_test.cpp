#include "eprom/EpromDescription.h"

#include "model/DataProxy.h"
#include "support/Exceptions.h"
#include "support/FakeDataProxy.h"

#include <gtest/gtest.h>

#include <string>

using namespace g20seq;

namespace {

// A description whose zone bounds a test can change.
class TestDescription : public TEpromDescription {
public:
    explicit TestDescription(const std::string& protocole = {})
        : TEpromDescription(nullptr, "Station", protocole) {}
    using TEpromDescription::SetZoneBounds;
};

std::string RefusalOf(const std::string& name) {
    try {
        TEpromDescriptionG20 description(nullptr, name);
    } catch (const Exception& e) {
        return e.what();
    }
    return "accepted";
}

} // namespace

TEST(EpromDescription, DefaultsOfEveryDescription) {
    TestDescription d;
    EXPECT_EQ(d.GetZoneNumber(PrcSignatures), 0);
    EXPECT_EQ(d.GetMinZone(PrcSignatures), -1);
    EXPECT_EQ(d.GetZoneNumber(PrcProgrammes), 32);
    EXPECT_EQ(d.GetMaxZone(PrcPeriodes), 11);
    EXPECT_EQ(d.GetMaxZone(PrcElectrodes), 15);
    EXPECT_EQ(d.NbProg(), "31");
    EXPECT_EQ(d.TypeCourant(), tcAC);
    EXPECT_EQ(d.TypeIO(), tiTOR);
    EXPECT_EQ(d.NetworkType(), ntRS485);
    EXPECT_TRUE(d.Hardware().Empty());
    EXPECT_EQ(d.SupportFunctions(), TSupportFunctions{sfNone});
    EXPECT_EQ(d.Generation(), 1);
    EXPECT_EQ(d.NomEprom(), "Station");
    const TTypesAcces acces = d.TypesAcces();
    EXPECT_EQ(acces.Bits(), 0x2CEFDu); // 21 rights less the eight not offered by default
    EXPECT_TRUE(acces.Contains(taSurveillanceCPS));
    EXPECT_TRUE(acces.Contains(taSuiviExecutionMF_AW));
    EXPECT_FALSE(acces.Contains(taAssignationPoint));
    EXPECT_FALSE(acces.Contains(taNotRedoTraining));
}

TEST(EpromDescription, ZoneTypesNumberedLikeAnotherTakeItsBounds) {
    TestDescription d;
    d.SetZoneBounds(PrcElectrodes, 2, 9);
    d.SetZoneBounds(PrcFraise, 0, 5);
    for (TTypeZones type : {PrcCompteurs, PrcMoyenneFrequence, PrcApprentissage}) {
        EXPECT_EQ(d.GetMinZone(type), 2) << TypeZoneName(type);
        EXPECT_EQ(d.GetMaxZone(type), 9) << TypeZoneName(type);
        EXPECT_EQ(d.GetZoneNumber(type), 8) << TypeZoneName(type);
    }
    for (TTypeZones type : {PrcSoudage, PrcMesures, PrcLienProcess, PrcLienProcessAvance})
        EXPECT_EQ(d.GetZoneNumber(type), 32) << TypeZoneName(type);
    EXPECT_EQ(d.GetMaxZone(PrcCompteurFraise), 5);
    EXPECT_EQ(d.GetZoneNumber(PrcCompteursMini), 0);
}

TEST(EpromDescription, FamilyFollowsTheProtocolName) {
    EXPECT_EQ(TestDescription("H31").Family(), faMucom);
    EXPECT_EQ(TestDescription("H35").Family(), faMucom);
    EXPECT_EQ(TestDescription("h31").Family(), faMapping);
    EXPECT_EQ(TestDescription("").Family(), faMapping);
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
    EXPECT_EQ(d.GetZoneNumber(PrcProgrammes), 128);
    EXPECT_EQ(d.NbProg(), "127");
    EXPECT_EQ(d.GetMaxZone(PrcSoudage), 127);
    EXPECT_EQ(d.GetMaxZone(PrcLienProcessAvance), 127);
    EXPECT_EQ(d.GetZoneNumber(PrcAssignationPoint), 128);
    EXPECT_EQ(d.GetZoneNumber(PrcElectrodes), 16);
    EXPECT_EQ(d.GetMaxZone(PrcCompteurs), 15);
    EXPECT_EQ(d.GetZoneNumber(PrcFraise), 4);
    EXPECT_EQ(d.GetMinZone(PrcCompteurFraise), 0);
    EXPECT_EQ(d.GetMaxZone(PrcCompteurFraise), 3);
    EXPECT_EQ(d.GetZoneNumber(PrcPeriodes), 12);
    EXPECT_EQ(d.GetZoneNumber(PrcSignatures), 0);
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
    EXPECT_EQ(ac.NomEprom(), "GA_Line3_Robot2");

    TEpromDescriptionG20 mf(nullptr, "GM");
    EXPECT_EQ(mf.TypeCourant(), tcMF);
    EXPECT_EQ(mf.TypeIO(), tiINTERBUS_S);
}

TEST(EpromDescriptionG20, OtherNamesAreRefused) {
    EXPECT_EQ(RefusalOf("ga_Line1"), "Sequence 'ga_Line1' not handled by the current library.");
    EXPECT_EQ(RefusalOf("Gm_Line1"), "Sequence 'Gm_Line1' not handled by the current library.");
    EXPECT_EQ(RefusalOf("G"), "Sequence 'G' not handled by the current library.");
    EXPECT_EQ(RefusalOf(""), "Sequence '' not handled by the current library.");
    EXPECT_EQ(RefusalOf("XGA"), "Sequence 'XGA' not handled by the current library.");
}
