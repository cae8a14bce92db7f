#include "eprom/EpromG20.h"

#include "entry/InstanceRegistry.h"
#include "model/KEVLogicalZone.h"
#include "model/KEVTabSheet.h"
#include "support/FakeDataProxy.h"
#include "support/FakeProtocol.h"
#include "zones/ConfigurationG20.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace g20seq;
using namespace g20seq::testkit;

namespace {

class EpromG20Test : public ::testing::Test {
protected:
    std::unique_ptr<TEpromG20> New(const std::string& Name = "GA_Line3_Robot2") {
        return TEpromG20::New(Name, &Protocol);
    }
    // The tab sheet identifiers of a logical zone, comma-separated.
    static std::string TabSheets(TEpromG20& Eprom, TTypeZones TypeZone, int Numero = 0) {
        auto* logicalZone = dynamic_cast<TKEVLogicalZone*>(Eprom.GetLogicalZone(TypeZone, Numero));
        std::string ids;
        for (int i = 0; logicalZone != nullptr && i < logicalZone->GetTabSheetCount(); ++i)
            ids += (i > 0 ? "," : "") + logicalZone->GetTabSheet(i)->GetTabSheetID();
        return ids;
    }

    FakeDataProxy Proxy;
    FakeProtocol Protocol;
};

} // namespace

TEST_F(EpromG20Test, ZoneTypesDependOnTheVariant) {
    const auto ac = New("GA_Line3");
    const auto mf = New("GM_Line3");
    TSetOfTypesZones common{
        PrcIdentification, PrcDiagnostic, PrcDefautsPresents,           PrcThermique,
        PrcMesures,        PrcSignatures, PrcTypeLogicielsAdditionnels, PrcLienProcessAvance,
        PrcCompteurFraise};
    common.IncludeRange(PrcEtatNovram, PrcProgrammes);
    common.IncludeRange(PrcAssignationPoint, PrcFraise);
    EXPECT_EQ(ac->GetSetOfTypesZones(), (common + TSetOfTypesZones{PrcPeriodes, PrcSoudage}));
    EXPECT_EQ(mf->GetSetOfTypesZones(), (common + TSetOfTypesZones{PrcApprentissage}));
    const TSetOfTypesZones kept{PrcDefautsPresents, PrcConfiguration, PrcElectrodes, PrcCompteurs,
                                PrcSignatures};
    EXPECT_EQ(ac->GetSetOfVolatileTypesZones(), kept);
    EXPECT_EQ(mf->GetExecZoneTypes(),
              (TSetOfTypesZones{PrcCompteurs, PrcApprentissage, PrcCompteurFraise}));
    EXPECT_THROW(New("XX_Line3"), Exception);
    EXPECT_EQ(CreateGenerationEprom("GA_Reg", &Protocol)->ClassName(), "TEpromG20");
}

TEST_F(EpromG20Test, CreatorsOfTheBuiltClassesInTableOrder) {
    const auto eprom = New();
    std::vector<int> physical;
    std::vector<int> logical;
    for (const auto& creator : eprom->GetZoneCreators()) {
        physical.push_back(creator->GetPhysicalZone());
        logical.push_back(creator->GetLogicalZone());
    }
    EXPECT_EQ(physical, (std::vector<int>{14, 15, 16, 17, 18, 19, 20, 21, 26, 27, 28, 29, 75}));
    EXPECT_EQ(logical,
              (std::vector<int>{255, 255, 255, 17, 255, 255, 255, 21, 255, 255, 255, 29, 29}));
    // A zone type with references and no creator answers no zone, without a log.
    for (TTypeZones typeZone : {PrcIdentification, PrcEtatNovram, PrcZonesModifies, PrcFraise})
        EXPECT_EQ(eprom->GetPhysicalZone(typeZone, 0, true), nullptr) << int{typeZone};
    EXPECT_EQ(Proxy.CountLogs("Zone non référencée"), 0);
}

TEST_F(EpromG20Test, TransferFlagsFollowTheGenerationRules) {
    const auto eprom = New();
    struct {
        TTypeZones TypeZone;
        bool Load;
        bool Save;
    } const expected[] = {{PrcConfiguration, true, true},
                          {PrcConfigurationMini, false, false},
                          {PrcElectrodes, true, true},
                          {PrcProgrammes, true, true},
                          {PrcLienProcessAvance, false, false}};
    for (const auto& row : expected) {
        const TZoneHolder zone(eprom.get(), row.TypeZone, 0);
        ASSERT_TRUE(zone) << int{row.TypeZone};
        EXPECT_EQ(zone->GetLoadToCPS(), row.Load) << int{row.TypeZone};
        EXPECT_EQ(zone->GetSaveFromCPS(), row.Save) << int{row.TypeZone};
    }
}

TEST_F(EpromG20Test, TabSheetsOfTheLogicalZones) {
    const auto ac = New("GA_Line3");
    const auto mf = New("GM_Line3");
    EXPECT_EQ(TabSheets(*ac, PrcConfiguration), "IDTabSelProg,IDTabCU,IDTabDefauts,IDTabESTOR,"
                                                "IDTabEthernet,IDTabConfAdvParam,IDTabEcrans");
    EXPECT_EQ(TabSheets(*mf, PrcConfiguration), "IDTabSelProg,IDTabCU,IDTabDefauts,IDTabESTOR,"
                                                "IDTabMF,IDTabEthernet,IDTabConfAdvParam,"
                                                "IDTabEcrans");
    EXPECT_EQ(TabSheets(*ac, PrcElectrodes, 15), "IDTabPaliers,IDTabRodage,IDTabElecAdvParam");
    EXPECT_EQ(TabSheets(*mf, PrcElectrodes, 15),
              "IDTabPaliers,IDTabRodage,IDTabTransfo,IDTabElecAdvParam");
    EXPECT_EQ(TabSheets(*mf, PrcProgrammes, 127), "IDTabTemps,IDTabConsignes,IDTabSeuils,IDTabEV,"
                                                  "IDTabProgAdvParam,IDTabLienProcess");
    EXPECT_EQ(TabSheets(*ac, PrcAssignationPoint, 127), "IDAssignationPoints");
    EXPECT_EQ(TabSheets(*mf, PrcFraise, 3), "IDTabCU");
    EXPECT_EQ(TabSheets(*ac, PrcFraise, 4), "");
    TStringList types;
    ac->GetTypeLogicalZones(&types);
    EXPECT_EQ(types.CommaText(), "PrcConfiguration,PrcProgrammes,PrcElectrodes,"
                                 "PrcAssignationPoint,PrcFraise");
}

TEST_F(EpromG20Test, IdentificationComesFromTheConfiguration) {
    const auto eprom = New();
    EXPECT_EQ(eprom->GetIdentifiantCPS(), "");
    TZoneHolder configuration(eprom.get(), PrcConfiguration, 0);
    configuration.As<TZoneCPS>()->SetAsString("IDNomCPS", "Robot 2");
    EXPECT_EQ(eprom->GetIdentifiantCPS(), "Robot 2");
}

TEST_F(EpromG20Test, ZoneByMappingFindsTheZoneAtAnAddress) {
    const auto eprom = New();
    const auto at = [&](TTypeZones TypeZone, int Offset) {
        TZoneList liste;
        eprom->GetZoneByMapping(static_cast<int>(FakeProtocol::BaseAdresse(TypeZone)) + Offset, 10,
                                &liste);
        return liste;
    };
    TZoneList found = at(PrcProgrammes, 5 * 163);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0]->ZoneLabel(), "PrcProgrammes=5");
    found = at(PrcElectrodes, 3 * 79);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0]->ZoneLabel(), "PrcElectrodes=3");
    EXPECT_TRUE(at(PrcProgrammes, 1).empty());
    EXPECT_TRUE(at(PrcLienProcessAvance, 0).empty());
    EXPECT_TRUE(at(PrcEtatNovram, 0).empty());
    EXPECT_TRUE(at(PrcConfigurationMaxi, 0).empty()); // a zone not received from the controller
    int notReceived = 0;
    for (const LogEntry& entry : Proxy.Logs())
        notReceived += entry.Text1 == "Zone non SaveFromCPS" &&
                       entry.Source == "GetZoneByMapping (GA_Line3_Robot2)";
    EXPECT_EQ(notReceived, 1);
}
