#include "eprom/EpromG20.h"

#include "entry/InstanceRegistry.h"
#include "model/KEVLogicalZone.h"
#include "model/KEVTabSheet.h"
#include "support/EpromTestKit.h"
#include "zones/ConfigurationG20.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace g20seq;
using namespace g20seq::testkit;

namespace {

class EpromG20Test : public EpromFixture {
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
    EXPECT_EQ(CreateGenerationEprom("GA_Reg", &Protocol)->ClassName(), "TEpromG20");
}

// The creator table: zone type, logical zone type (255: none) and the class each variant
// makes (nullptr: the variant has no such zone type).
struct TCreateur {
    TTypeZones TypeZone;
    int Logical;
    const char* ClassAC;
    const char* ClassMF;
};
constexpr TCreateur Creators[] = {
    {PrcIdentification, 255, "TIdentificationG20", "TIdentificationG20"},
    {PrcDiagnostic, 255, "TDiagnosticG20", "TDiagnosticG20"},
    {PrcDefautsPresents, 255, "TDefautsPresentsG20", "TDefautsPresentsG20"},
    {PrcThermique, 255, "TThermiqueG20", "TThermiqueG20"},
    {PrcAcquittements, 255, "TAcquittementsG20", "TAcquittementsG20"},
    {PrcSignalisationModification, 255, "TSignalisationModificationG20",
     "TSignalisationModificationG20"},
    {PrcSignaturesPerdues, 255, "TSignaturesPerduesG20", "TSignaturesPerduesG20"},
    {PrcMouchard, 255, "TMouchardG20", "TMouchardG20"},
    {PrcTypeLogicielsAdditionnels, 255, "TTypeLogicielsAdditionnelsG20",
     "TTypeLogicielsAdditionnelsG20"},
    {PrcLanguesEffectives, 255, "TLanguesEffectivesG20", "TLanguesEffectivesG20"},
    {PrcHorodateur, 255, "THorodateur", "THorodateur"},
    {PrcConfigurationMini, 255, "TConfigurationG20", "TConfigurationG20"},
    {PrcConfigurationMaxi, 255, "TConfigurationG20", "TConfigurationG20"},
    {PrcConfigurationRAZ, 255, "TConfigurationG20", "TConfigurationG20"},
    {PrcConfiguration, 17, "TConfigurationG20", "TConfigurationG20"},
    {PrcElectrodeMini, 255, "TElectrodeG20", "TElectrodeG20"},
    {PrcElectrodeMaxi, 255, "TElectrodeG20", "TElectrodeG20"},
    {PrcElectrodesRAZ, 255, "TElectrodeG20", "TElectrodeG20"},
    {PrcElectrodes, 21, "TElectrodeG20", "TElectrodeG20"},
    {PrcCompteursMini, 255, "TCompteurG20", "TCompteurG20"},
    {PrcCompteursMaxi, 255, "TCompteurG20", "TCompteurG20"},
    {PrcCompteursRAZ, 255, "TCompteurG20", "TCompteurG20"},
    {PrcCompteurs, 255, "TCompteurG20", "TCompteurG20"},
    {PrcProgrammesMini, 255, "TProgrammeG20", "TProgrammeG20"},
    {PrcProgrammesMaxi, 255, "TProgrammeG20", "TProgrammeG20"},
    {PrcprogrammesRAZ, 255, "TProgrammeG20", "TProgrammeG20"},
    {PrcProgrammes, 29, "TProgrammeG20", "TProgrammeG20"},
    {PrcMesures, 255, "TMesureG20", "TMesureG20"},
    {PrcSignatures, 255, "TSignatureG20", "TSignatureG20MF"},
    {PrcLienProcessAvance, 29, "TLienProcessAvanceG20", "TLienProcessAvanceG20"},
    {PrcAssignationPoint, 84, "TAssignationPoints", "TAssignationPoints"},
    {PrcFraiseMini, 255, "TFraise", "TFraise"},
    {PrcFraiseMaxi, 255, "TFraise", "TFraise"},
    {PrcFraiseRAZ, 255, "TFraise", "TFraise"},
    {PrcFraise, 88, "TFraise", "TFraise"},
    {PrcCompteurFraise, 255, "TCompteurFraise", "TCompteurFraise"},
    {PrcApprentissage, 255, nullptr, "TApprentissage"},
    {PrcPeriodes, 255, "TPeriodesG20", nullptr},
    {PrcSoudage, 255, "TSoudageG20", nullptr},
};

TEST_F(EpromG20Test, EveryCreatorMakesItsClassInTableOrder) {
    for (const bool mf : {false, true}) {
        const auto eprom = New(mf ? "GM_Line3" : "GA_Line3");
        const auto& creators = eprom->GetZoneCreators();
        ASSERT_EQ(creators.size(), std::size(Creators));
        for (std::size_t i = 0; i < creators.size(); ++i) {
            const TCreateur& row = Creators[i];
            EXPECT_EQ(creators[i]->GetPhysicalZone(), row.TypeZone) << i;
            EXPECT_EQ(creators[i]->GetLogicalZone(), row.Logical) << i;
            const char* classe = mf ? row.ClassMF : row.ClassAC;
            const TZoneHolder zone(eprom.get(), row.TypeZone, 0);
            EXPECT_EQ(zone ? zone->ClassName() : "", classe != nullptr ? classe : "")
                << int{row.TypeZone} << (mf ? " MF" : " AC");
        }
        // Types with references and no creator answer no zone, without a log.
        for (TTypeZones typeZone : {PrcEtatNovram, PrcZonesModifies, PrcRAZZonesNovram})
            EXPECT_EQ(eprom->GetPhysicalZone(typeZone, 0, true), nullptr) << int{typeZone};
    }
    EXPECT_EQ(Proxy.CountLogs("Zone non référencée"), 3); // 4 and 30 on MF, 63 on AC
}

TEST_F(EpromG20Test, TransferFlagsAndIdentificationOfTheConfiguration) {
    const auto eprom = New();
    std::vector<std::string> flags; // load to, save from the controller
    for (TTypeZones type : {PrcConfiguration, PrcConfigurationMini, PrcElectrodes, PrcProgrammes,
                            PrcLienProcessAvance}) {
        const TZoneHolder zone(eprom.get(), type, 0);
        ASSERT_TRUE(zone) << int{type};
        flags.push_back(std::to_string(zone->GetLoadToCPS()) +
                        std::to_string(zone->GetSaveFromCPS()));
    }
    EXPECT_EQ(flags, (std::vector<std::string>{"11", "00", "11", "11", "00"}));
    // The identification comes from the configuration.
    EXPECT_EQ(eprom->GetIdentifiantCPS(), "");
    TZoneHolder configuration(eprom.get(), PrcConfiguration, 0);
    configuration.As<TZoneCPS>()->SetAsString("IDNomCPS", "Robot 2");
    EXPECT_EQ(eprom->GetIdentifiantCPS(), "Robot 2");
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

TEST_F(EpromG20Test, ZoneByMappingFindsTheZoneAtAnAddress) {
    const auto eprom = New();
    const auto at = [&](TTypeZones TypeZone, int Offset, int Longeur = 10) {
        TZoneList liste;
        eprom->GetZoneByMapping(static_cast<int>(FakeProtocol::BaseAdresse(TypeZone)) + Offset,
                                Longeur, &liste);
        return liste;
    };
    TZoneList found = at(PrcProgrammes, 5 * 163);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0]->ZoneLabel(), "PrcProgrammes=5");
    found = at(PrcElectrodes, 3 * 79);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0]->ZoneLabel(), "PrcElectrodes=3");
    found = at(PrcSignatures, 0, 3 * 34 + 33); // three whole records
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[2]->ClassName(), "TSignatureG20");
    EXPECT_NE(found[0].get(), found[1].get());
    eprom->GetZoneByMapping(static_cast<int>(FakeProtocol::BaseAdresse(PrcProgrammes)) + 1, 10,
                            &found);
    EXPECT_EQ(found.size(), 3u); // no zone at that address: the list stays as it was
    EXPECT_TRUE(at(PrcLienProcessAvance, 0).empty());
    EXPECT_TRUE(at(PrcEtatNovram, 0).empty());
    EXPECT_TRUE(at(PrcConfigurationMaxi, 0).empty()); // a zone not received from the controller
    EXPECT_EQ(CountLogLines(Proxy, "GetZoneByMapping (GA_Line3_Robot2)|Zone non SaveFromCPS|"
                                   "Adresse 15728640, TypeZone 15|2|Eprom"),
              1);
}
