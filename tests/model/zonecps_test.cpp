#include "model/KEVLogicalZone.h"
#include "model/KEVNumericFields.h"
#include "model/KEVTabSheet.h"
#include "model/ZoneCPS.h"
#include "support/Exceptions.h"
#include "support/FakeDataProxy.h"
#include "support/FakeProtocol.h"
#include "support/ModelTestKit.h"
#include "support/StringList.h"
#include "support/TestEprom.h"

#include <gtest/gtest.h>

namespace g20seq {
namespace {

constexpr TIDZone Modes[] = {{"IDModeA", "Mode A"}, {"IDModeB", "Mode B"}};

// A zone with an enumeration whose value captions come from a table, and save and cancel
// hooks that count their calls.
class TModeZone : public TZoneCPS {
public:
    TModeZone(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
              TInterfacedPersistent* aLogicalZone, TInterfacedPersistent* Sheet = nullptr)
        : TZoneCPS(AOwner, TypeZone, Numero, aLogicalZone) {
        AddField(std::make_unique<TKEVEnumField>("IDMode", this, Sheet, Modes, 0, 0));
        AddField(std::make_unique<TKEVIntegerField>("IDValeur", this, Sheet, 0, 100, 1, 1.0));
    }
    std::string ClassName() const override { return "TModeZone"; }
    std::unique_ptr<TCustomZoneCPS> Create(TPersistent* AOwner, TTypeZones TypeZone, Word Numero,
                                           TInterfacedPersistent* aLogicalZone) const override {
        return std::make_unique<TModeZone>(AOwner, TypeZone, Numero, aLogicalZone);
    }
    std::string DetailValeurChamp(const std::string& IDChamp, int Valeur, std::string& IDZone,
                                  std::string& IDValeur) const override {
        IDZone = IDChamp;
        return IDChamp == "IDMode" ? DetailParPosition("IDTest", Modes, IDChamp, Valeur, IDValeur)
                                   : "";
    }
    int Saves = 0;
    int Cancels = 0;

protected:
    void DoEnregistrerModifications() override { ++Saves; }
    void DoAnnulerModifications() override {
        ++Cancels;
        TZoneCPS::DoAnnulerModifications();
    }
};

// A zone class that forgot to provide its virtual constructor.
class TForgetfulZone : public TZoneCPS {
public:
    using TZoneCPS::TZoneCPS;
};

class ZoneCPSTest : public ::testing::Test {
protected:
    testkit::FakeDataProxy Proxy;
    testkit::FakeProtocol Protocol;
    std::unique_ptr<testkit::TTestEprom> Eprom =
        testkit::TTestEprom::New("GA_Line3_Robot2", &Protocol);
};

TEST_F(ZoneCPSTest, FieldLookUpIsExactAndLogsMisses) {
    TModeZone zone(Eprom.get(), PrcProgrammes, 5, nullptr);
    EXPECT_NE(zone.GetFieldByID("IDValeur"), nullptr);
    EXPECT_EQ(zone.GetFieldByID("idvaleur"), nullptr);
    EXPECT_EQ(
        testkit::LogRecords(Proxy),
        std::vector<std::string>{"TModeZone|GetFieldByID|idvaleur non trouvé|Erreur type zone "
                                 "PrcProgrammes=5|2|ZRT Handling"});
    EXPECT_EQ(testkit::MessageOf([&] { zone.SetAsInteger("idvaleur", 3); }),
              "Unable to access field: idvaleur");
    zone.SetAsInteger("IDValeur", 30);
    EXPECT_EQ(zone.GetRawValue("IDValeur"), 30);
    EXPECT_THROW(zone.SetRawValue("IDValeur", 65536), ERangeError);
    EXPECT_EQ(zone.GetAsString("IDMode"), "Mode A");
    EXPECT_THROW(
        zone.AddField(std::make_unique<TKEVIntegerField>("IDMode", &zone, nullptr, 0, 1, 0, 1.0)),
        EStringListError);
    ASSERT_EQ(zone.GetFieldCount(), 2);
    EXPECT_EQ(zone.GetFields(0)->GetFieldID(), "IDMode"); // sorted by identifier
}

TEST_F(ZoneCPSTest, SizesCaptionsAndNumberingComeFromTheProtocol) {
    TModeZone program(Eprom.get(), PrcProgrammes, 5, nullptr);
    EXPECT_EQ((std::vector<int>{program.GetTailleSendZone(), program.GetTailleReceiveZone(),
                                program.IsZoneMultiple(), program.IsFileZone()}),
              (std::vector<int>{163, 163, 1, 1}));
    EXPECT_EQ(program.NomZone(), "Programmes N°5");
    EXPECT_EQ(TModeZone(Eprom.get(), PrcConfiguration, 0, nullptr).NomZone(), "Configuration");

    TModeZone orphan(nullptr, PrcProgrammes, 5, nullptr);
    Proxy.ClearLogs();
    EXPECT_FALSE(orphan.IsFileZone());
    EXPECT_TRUE(Proxy.Logs().empty());
    EXPECT_FALSE(orphan.IsZoneMultiple());
    EXPECT_EQ(testkit::LogRecords(Proxy),
              std::vector<std::string>{"TModeZone|Protocole|FOwner||2|ZRT Handling"});
    Protocol.RemoveType(PrcFraise);
    TModeZone cutter(Eprom.get(), PrcFraise, 1, nullptr);
    EXPECT_FALSE(cutter.IsFileZone());
    EXPECT_FALSE(cutter.IsZoneMultiple());
    EXPECT_EQ(Proxy.CountLogs("ZoneProtocole = nil"), 1);
}

TEST_F(ZoneCPSTest, CaptionsOfValuesUseTheArrayIdentifierAndFallBackToTheValue) {
    TModeZone zone(Eprom.get(), PrcProgrammes, 1, nullptr);
    std::string idZone;
    std::string idValeur;
    EXPECT_EQ(zone.DetailIDChamp("IDMode[3]", "1", idZone, idValeur) + "|" + idZone + "|" +
                  idValeur,
              "Mode B|IDMode|IDModeB");
    EXPECT_EQ(zone.DetailIDChamp("IDMode", "x", idZone, idValeur) + "|" + idValeur, "x|");
    EXPECT_EQ(zone.DetailChamp("IDMode", "7"), "7");
    EXPECT_EQ(Proxy.CountLogs("Champ IDMode , Valeur = 7"), 1);
    Proxy.AddTranslation("IDTest", "IDModeA", "Mode one");
    EXPECT_EQ(zone.DetailIDChamp("IDMode", 0), "Mode one");
    std::string caption;
    EXPECT_TRUE(TZoneCPS::DetailParCle("IDTest", Modes, "IDModeB", caption, idValeur));
    EXPECT_EQ(caption, "Mode B");
    EXPECT_FALSE(TZoneCPS::DetailParCle("IDTest", Modes, "IDModeZ", caption, idValeur));
    EXPECT_EQ(zone.NomChamp("IDValeur"), "IDValeur");
    EXPECT_EQ(Proxy.CountLogs("IDChamp = IDValeur"), 1);
}

TEST_F(ZoneCPSTest, DuplicateIsAnEqualZoneComparedOnlyOnFieldsTheTemplateShows) {
    TCustomZoneCPS* zone = Eprom->GetPhysicalZone(PrcProgrammes, 5, true);
    ASSERT_NE(zone, nullptr);
    ASSERT_NE(zone->GetLogicalZone(), nullptr);
    auto copy = std::unique_ptr<TZoneCPS>(dynamic_cast<TZoneCPS*>(zone->Duplicate().release()));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->ClassName(), zone->ClassName());
    EXPECT_EQ(copy->GetOwner(), zone->GetOwner());
    EXPECT_EQ(copy->GetTypeZone(), PrcProgrammes);
    EXPECT_EQ(copy->GetNumeroZone(), 5);
    EXPECT_EQ(copy->GetLogicalZone(), nullptr);
    EXPECT_TRUE(zone->Equals(copy.get()));

    copy->SetRawValue("IDCompteur", 99); // in no tab sheet
    EXPECT_TRUE(zone->Equals(copy.get()));
    TStringList differences;
    EXPECT_TRUE(zone->EqualsDetails(copy.get(), &differences));
    copy->SetRawValue("IDValeur", 11);
    EXPECT_FALSE(zone->Equals(copy.get()));
    EXPECT_FALSE(zone->EqualsDetails(copy.get(), &differences));
    EXPECT_EQ(differences.Text(), "IDValeur=\"10\",\"11\"\r\n");

    auto other = Eprom->GetPhysicalZone(PrcProgrammes, 6, true);
    std::unique_ptr<TCustomZoneCPS> sixth = other->Duplicate();
    Eprom->ReleasePhysicalZone(other);
    EXPECT_FALSE(zone->Equals(sixth.get()));
    EXPECT_FALSE(zone->Equals(nullptr));

    copy->Assign(zone); // same EPROM: copies every field
    EXPECT_TRUE(zone->Equals(copy.get()));
    EXPECT_EQ(copy->GetRawValue("IDCompteur"), 0);
    Eprom->ReleasePhysicalZone(zone);

    TForgetfulZone forgetful(Eprom.get(), PrcProgrammes, 1, nullptr);
    EXPECT_THROW(forgetful.Duplicate(), EAbstractError);
    TByteArray payload{};
    EXPECT_THROW(forgetful.SerialDecode(payload, 0), EAbstractError);
}

TEST_F(ZoneCPSTest, AssignRefusesZonesOfAnotherEpromAndOtherObjects) {
    testkit::FakeProtocol protocol2;
    auto eprom2 = testkit::TTestEprom::New("GA_Line3_Robot3", &protocol2);
    TModeZone mine(Eprom.get(), PrcProgrammes, 5, nullptr);
    TModeZone theirs(eprom2.get(), PrcProgrammes, 7, nullptr);
    theirs.SetAsInteger("IDValeur", 50);
    mine.Assign(&theirs);
    EXPECT_EQ(mine.GetAsInteger("IDValeur"), 1);
    EXPECT_EQ(mine.GetNumeroZone(), 5);
    EXPECT_EQ(testkit::LogRecords(Proxy),
              std::vector<std::string>{
                  "TModeZone|TZoneCPS.Assign|DestOwner <> SourceOwner||3|ZRT Handling"});
    TStringList list;
    EXPECT_THROW(mine.Assign(&list), EConvertError);
}

TEST_F(ZoneCPSTest, SavingAndCancellingRunTheirHooksOnlyWithChanges) {
    TModeZone zone(Eprom.get(), PrcProgrammes, 5, nullptr);
    zone.EnregistrerModifications();
    zone.AnnulerModifications();
    EXPECT_EQ(zone.Saves + zone.Cancels, 0);
    zone.SetDonneesModifiees(true);
    zone.EnregistrerModifications();
    EXPECT_EQ((std::vector<int>{zone.Saves, zone.Cancels, zone.GetDonneesModifiees()}),
              (std::vector<int>{1, 0, false}));
    zone.SetDonneesModifiees(true);
    zone.AnnulerModifications();
    EXPECT_EQ((std::vector<int>{zone.Saves, zone.Cancels, zone.GetDonneesModifiees()}),
              (std::vector<int>{1, 1, false}));
}

TEST_F(ZoneCPSTest, FieldsEnterTheirTabSheetAndLeaveItWithTheZone) {
    TKEVLogicalZone logical(Eprom.get(), PrcProgrammes, 0);
    logical.AddTabSheet(std::make_unique<TKEVTabSheet>(IDTabTemps, &logical));
    TKEVTabSheet* sheet = logical.GetTabSheet(0);
    {
        TModeZone zone(Eprom.get(), PrcProgrammes, 0, &logical, sheet);
        EXPECT_EQ(sheet->GetFieldCount(), 2);
        EXPECT_EQ(logical.GetFieldByID("IDValeur"), zone.GetFieldByID("IDValeur"));
        EXPECT_TRUE(zone.GetFieldByID("IDMode")->GetLinked());
        // A second zone of the same sheet would repeat the field identifiers.
        EXPECT_THROW(TModeZone(Eprom.get(), PrcProgrammes, 0, &logical, sheet), Exception);
    }
    EXPECT_EQ(sheet->GetFieldCount(), 0);
}

} // namespace
} // namespace g20seq
