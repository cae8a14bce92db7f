#include "model/Defaut.h"
#include "model/KEVField.h"
#include "model/KEVLogicalZone.h"
#include "model/KEVNumericFields.h"
#include "model/KEVStringFields.h"
#include "model/KEVTabSheet.h"
#include "model/TypeRange.h"
#include "model/ZoneCPS.h"
#include "support/Exceptions.h"
#include "support/FakeDataProxy.h"
#include "support/ModelTestKit.h"
#include "support/StringList.h"

#include <gtest/gtest.h>

#include <vector>

namespace g20seq {
namespace {

constexpr TIDZone Modes[] = {{"IDModeA", "Mode A"}, {"IDModeB", "Mode B"}, {"IDModeC", "Mode C"}};

// A zone that names its fields "Champ <FieldID>" and gives the captions of IDMode.
class TCaptionZone : public TZoneCPS {
public:
    TCaptionZone() : TZoneCPS(nullptr, PrcProgrammes, 1, nullptr) {}
    std::string ClassName() const override { return "TCaptionZone"; }
    std::string NomChamp(const std::string& IDChamp) const override { return "Champ " + IDChamp; }
    std::string DetailValeurChamp(const std::string& IDChamp, int Valeur, std::string& IDZone,
                                  std::string& IDValeur) const override {
        IDZone = IDChamp;
        return DetailParPosition("IDTest", Modes, IDChamp, Valeur, IDValeur);
    }
};

using testkit::MessageOf;

TEST(KEVIntegerField, ConvertsWithRatioAndTakesOnlyDecimalTextsWithinItsLimits) {
    testkit::FakeDataProxy proxy;
    TCaptionZone zone;
    TKEVIntegerField field("IDTemps", &zone, nullptr, 0, 100, 50, 0.1);
    EXPECT_EQ(field.GetAsInteger(), 5);
    field.SetAsInteger(7);
    EXPECT_EQ(field.GetRawValue(), 70);
    try {
        field.SetAsInteger(11);
        FAIL() << "11 accepted";
    } catch (const EFieldError& error) {
        EXPECT_STREQ(error.what(), "11 n'est pas une valeur correcte pour le champ 'Champ "
                                   "IDTemps:TKEVIntegerField'. Les valeurs doivent être "
                                   "comprises entre 0 et 10");
        EXPECT_EQ((std::vector<double>{error.FValue, error.FMin, error.FMax}),
                  (std::vector<double>{11, 0, 10}));
    }
    EXPECT_EQ(field.GetRawValue(), 70);
    field.SetAsString("");
    EXPECT_EQ(field.GetRawValue(), 70);
    field.SetAsFloat(2.5); // ties to even: 2
    EXPECT_EQ(field.GetRawValue(), 20);
    EXPECT_EQ(field.GetAsString(), "2");
    EXPECT_EQ(field.GetMax(), 10);
    // Only decimal texts; negative ones are checked against the limits.
    field.SetRawValue(50);
    for (const char* text : {"12a", "$10", "0x10", " 7", "7 ", "+7", "-", "1e1", "99999999999"})
        EXPECT_EQ(MessageOf<EFieldError>([&] { field.SetAsString(text); }),
                  "'" + std::string(text) +
                      "' n'est pas une valeur entière correcte pour le champ 'TKEVIntegerField'");
    EXPECT_EQ(MessageOf<EFieldError>([&] { field.SetAsString("-5"); }),
              "-5 n'est pas une valeur correcte pour le champ 'Champ IDTemps:TKEVIntegerField'. "
              "Les valeurs doivent être comprises entre 0 et 10");
    EXPECT_EQ(field.GetRawValue(), 50);
    field.SetAsString("07");
    EXPECT_EQ(field.GetRawValue(), 70);
}

TEST(KEVNumericFields, OverflowRaisesRangeErrorBeforeAnyChangeAndRealChangesFireOnce) {
    TKEVIntegerField field("IDI", nullptr, nullptr, 0, 65535, 5, 1.0);
    int changes = 0;
    field.SetOnChange([&](TObject* Sender) {
        EXPECT_EQ(Sender, &field);
        ++changes;
    });
    EXPECT_THROW(field.SetAsInteger(65536), ERangeError);
    EXPECT_THROW(field.SetRawValue(-1), ERangeError);
    EXPECT_THROW(field.SetRawMin(70000), ERangeError);
    EXPECT_THROW(field.SetAsFloat(1e12), ERangeError);
    EXPECT_EQ((std::vector<Int64>{field.GetRawValue(), field.GetRawMin(), changes}),
              (std::vector<Int64>{5, 0, 0}));
    // The change callback fires once per real value change.
    field.SetAsInteger(7);
    field.SetAsInteger(7);
    field.SetToMax();
    field.SetToMin();
    field.SetRawMax(90);
    EXPECT_EQ(changes, 1);
    EXPECT_THROW(TKEVIntegerField("IDI", nullptr, nullptr, 0, 65536, 0, 1.0), ERangeError);
    TKEVDoubleField real("IDD", nullptr, nullptr, 1.0, 0, 10, 0);
    EXPECT_THROW(real.SetAsFloat(-1), ERangeError);
    TKEVSignedIntegerField wide("IDS", nullptr, nullptr, -10, 10, 0, 1.0);
    EXPECT_THROW(wide.SetRawValue(Int64{1} << 31), ERangeError);
    EXPECT_EQ(wide.GetRawValue(), 0);
    wide.SetAsString("-5");
    EXPECT_EQ(wide.GetRawValue(), -5);
    wide.SetAsInteger(-10);
    EXPECT_EQ(wide.GetRawValue(), -10);
}

TEST(KEVDoubleField, ConvertsDisplayValuesWithTiesToEven) {
    TKEVDoubleField field("IDD", nullptr, nullptr, 0.5, 0.0, 10.0, 2.25);
    EXPECT_EQ(field.GetRawValue(), 4);
    EXPECT_EQ(field.GetAsFloat(), 2.0);
    EXPECT_EQ(field.GetAsString(), "2");
    EXPECT_EQ(field.GetMax(), 10.0);
    field.SetAsString("3.5");
    EXPECT_EQ(field.GetRawValue(), 7);
    TKEVDoubleField tenth("IDT", nullptr, nullptr, 0.1, 0.0, 10.0, 0.3);
    EXPECT_EQ(tenth.GetAsString(), "0.3");
    EXPECT_THROW(TKEVDoubleField("IDX", nullptr, nullptr, 0.5, 5.0, 1.0, 2.0), EFieldError);
}

TEST(KEVEnumField, AcceptsOffsetValuesAndAsksTheZoneForCaptions) {
    testkit::FakeDataProxy proxy;
    TCaptionZone zone;
    TKEVEnumField field("IDMode", &zone, nullptr, Modes, 1, 1);
    field.SetAsInteger(3);
    EXPECT_THROW(field.SetAsInteger(0), EFieldError);
    EXPECT_THROW(field.SetAsInteger(4), EFieldError);
    EXPECT_EQ(field.GetAsInteger(), 3);
    field.SetAsInteger(2);
    EXPECT_EQ(field.GetAsString(), "Mode C");
    TStringList list;
    field.FillList(&list);
    EXPECT_EQ(list.Text(), "Mode A\r\nMode B\r\nMode C\r\n");
    field.SetRatio(0.5);
    EXPECT_EQ(field.GetRatio(), 1.0);
    EXPECT_EQ(MessageOf<EFieldError>([&] { field.GetAsBoolean(); }),
              "Impossible d'accéder au champ 'IDMode' comme type Boolean");
    TKEVBooleanField flag("IDFlag", nullptr, nullptr, true);
    EXPECT_TRUE(flag.GetAsBoolean());
    flag.SetAsBoolean(false);
    EXPECT_EQ(flag.GetAsInteger(), 0);
    EXPECT_THROW(flag.SetAsString("1"), EFieldError);
}

TEST(KEVEnumField, RangeErrorAtConstructionNamesTheFieldsOwnClass) {
    testkit::FakeDataProxy proxy;
    TCaptionZone zone;
    const auto message = [](const char* Description) {
        return std::string("5 n'est pas une valeur correcte pour le champ '") + Description +
               "'. Les valeurs doivent être comprises entre 1 et 3";
    };
    EXPECT_EQ(MessageOf<EFieldError>([&] { TKEVEnumField("IDMode", &zone, nullptr, Modes, 5, 1); }),
              message("Champ IDMode:TKEVEnumField"));
    EXPECT_EQ(MessageOf<EFieldError>([&] { TKEVDefautField("IDDefaut", &zone, nullptr, 1, 3, 5); }),
              message("IDDefaut:TKEVDefautField"));
}

TEST(KEVStringField, CountsCharactersAndKeepsTextsOfOneByte) {
    TKEVStringField field("IDNom", nullptr, nullptr, "AB", 4);
    EXPECT_EQ(MessageOf<EFieldError>([&] { field.SetAsString("ABCDE"); }),
              "'ABCDE' n'est pas une valeur chaîne correcte pour le champ 'TKEVStringField'");
    EXPECT_EQ(field.GetAsString(), "AB");
    field.SetAsString("éàüö");
    EXPECT_EQ(field.GetAsString(), "éàüö");
    EXPECT_THROW(field.SetAsString("€"), ERangeError);
    EXPECT_EQ(MessageOf<EFieldError>([&] { field.SetSize(2); }),
              "'2' n'est pas une valeur chaîne correcte pour le champ 'TKEVStringField'");
    field.SetToMax();
    EXPECT_EQ(field.GetAsString(), "zzzz");
    field.SetInputFormatProc([](std::string& s) { s = "<" + s; });
    field.SetAsString("ab");
    EXPECT_EQ(field.GetAsString(), "<ab");
    field.SetInputFormatProc(nullptr);
    field.SetAsString("12");
    EXPECT_EQ(field.GetAsInteger(), 12);
    EXPECT_THROW(field.GetAsBoolean(), EFieldError);
}

TEST(KEVAddressField, ReadsAndWritesTheDottedForm) {
    TKEVAddressField field("IDIP", nullptr, nullptr, "192.168.1.20");
    EXPECT_EQ(field.GetAddress(), 0xC0A80114u);
    EXPECT_THROW(field.SetAsString("10.1.2"), EConvertError);
    EXPECT_EQ(field.GetAsString(), "192.168.1.20");
    EXPECT_EQ(field.GetSegment(4), -1);
    field.SetSegment(4, 1);
    field.SetSegment(0, 300);
    EXPECT_EQ(field.GetAsString(), "44.168.1.20");
    field.SetAddress(0x0A000001u);
    EXPECT_EQ(field.GetAsString(), "10.0.0.1");
    field.SetToMax();
    EXPECT_EQ(field.GetAsString(), "255.255.255.255");
    EXPECT_THROW(field.GetAsInteger(), EFieldError);
}

TEST(KEVField, DifferenceLinesAreWrittenByteExact) {
    testkit::FakeDataProxy proxy;
    TCaptionZone zone;
    TStringList diff;
    TKEVIntegerField a("IDTemps", nullptr, nullptr, 0, 100, 7, 1.0);
    TKEVIntegerField b("IDTemps", nullptr, nullptr, 0, 100, 8, 1.0);
    EXPECT_FALSE(a.EqualsDetails(&b, nullptr));
    EXPECT_EQ(diff.Count(), 0);
    EXPECT_FALSE(a.EqualsDetails(&b, &diff));
    TKEVStringField s1("IDNom", nullptr, nullptr, "a\"b", 8);
    TKEVStringField s2("IDNom", nullptr, nullptr, "ab", 8);
    EXPECT_FALSE(s1.EqualsDetails(&s2, &diff));
    TKEVEnumField e1("IDMode", &zone, nullptr, Modes, 0, 0);
    TKEVEnumField e2("IDMode", &zone, nullptr, Modes, 1, 0);
    EXPECT_FALSE(e1.EqualsDetails(&e2, &diff));
    TKEVArrayField t1("IDTab", 2, nullptr, nullptr);
    TKEVArrayField t2("IDTab", 2, nullptr, nullptr);
    for (int i = 0; i < 2; ++i) {
        t1.SetField(i, std::make_unique<TKEVIntegerField>("IDTab", nullptr, nullptr, 0, 9, 3, 1.0));
        t2.SetField(
            i, std::make_unique<TKEVIntegerField>("IDTab", nullptr, nullptr, 0, 9, 3 + i, 1.0));
    }
    EXPECT_FALSE(t1.EqualsDetails(&t2, &diff));
    EXPECT_EQ(diff.Text(), "IDTemps=\"7\",\"8\"\r\n"
                           "IDNom=\"a\"\"b\",\"ab\"\r\n"
                           "IDMode=\"Mode A\",\"Mode B\",0,1\r\n"
                           "IDTab[1]=\"3\",\"4\"\r\n");
    b.SetAsInteger(7);
    EXPECT_TRUE(a.EqualsDetails(&b, &diff));
    b.SetRatio(0.5);
    EXPECT_FALSE(a.EqualsDetails(&b, nullptr));
}

// A field compared with no field differs; with a list, each kind writes its own text
// against an empty other side, enumerations and booleans without integers.
TEST(KEVField, ComparisonWithNoFieldDiffersAndWritesAnEmptyOtherSide) {
    testkit::FakeDataProxy proxy;
    TCaptionZone zone;
    const TKEVIntegerField integer("IDTemps", nullptr, nullptr, 0, 100, 7, 1.0);
    const TKEVStringField text("IDNom", nullptr, nullptr, "ab", 8);
    const TKEVAddressField address("IDAdresse", nullptr, nullptr, "10.0.0.1");
    const TKEVEnumField mode("IDMode", &zone, nullptr, Modes, 2, 0);
    const TKEVBooleanField flag("IDActif", nullptr, nullptr, true);
    const TKEVField* const fields[] = {&integer, &text, &address, &mode, &flag};
    TStringList diff;
    for (const TKEVField* field : fields) {
        EXPECT_FALSE(field->EqualsDetails(nullptr, nullptr)) << field->GetFieldID();
        EXPECT_FALSE(field->EqualsDetails(nullptr, &diff)) << field->GetFieldID();
    }
    EXPECT_EQ(diff.Text(), "IDTemps=\"7\",\"\"\r\n"
                           "IDNom=\"ab\",\"\"\r\n"
                           "IDAdresse=\"10.0.0.1\",\"\"\r\n"
                           "IDMode=\"Mode C\",\"\"\r\n"
                           "IDActif=\"1\",\"\"\r\n");

    // Whole, the enumeration keeps its own value and its zone.
    testkit::TDifferenceCollector collector;
    TReportingDifferenceList reporting(collector);
    EXPECT_FALSE(mode.EqualsDetails(nullptr, &reporting));
    EXPECT_FALSE(integer.EqualsDetails(nullptr, &reporting));
    EXPECT_EQ(collector.Differences,
              (std::vector<TFieldDifference>{
                  {TDifferenceZone{PrcProgrammes, 1}, "IDMode", "Mode C", "", 2, {}},
                  {{}, "IDTemps", "7", "", {}, {}}}));
}

TEST(KEVField, ArraysNameTheirElementsAndLendThemTheirOwner) {
    TCaptionZone zone;
    TKEVArrayField array("IDTab", 3, &zone, nullptr);
    array.SetField(1, std::make_unique<TKEVIntegerField>("IDTab", nullptr, nullptr, 0, 9, 1, 1.0));
    EXPECT_EQ(array.GetName(), "Champ IDTab[...]");
    EXPECT_EQ(array.GetField(1)->GetName(), "Champ IDTab[2]");
    EXPECT_EQ(array.GetField(1)->GetOwner(), &zone);
    EXPECT_EQ(array.GetField(0), nullptr);
    EXPECT_THROW(array.GetField(3), EStringListError);
    EXPECT_EQ(MessageOf<EFieldError>([&] { array.GetAsInteger(); }),
              "Impossible d'accéder au champ 'IDTab' comme type Integer");

    TKEVArrayField other("IDTab", 3, &zone, nullptr);
    other.SetField(0, std::make_unique<TKEVIntegerField>("IDTab", nullptr, nullptr, 0, 9, 5, 1.0));
    array.Assign(&other); // slot 0 duplicated, slot 1 emptied
    EXPECT_EQ(array.GetField(0)->GetAsInteger(), 5);
    EXPECT_EQ(array.GetField(0)->GetName(), "Champ IDTab[1]");
    EXPECT_EQ(array.GetField(1), nullptr);
    EXPECT_TRUE(array.EqualsDetails(&other, nullptr));
}

TEST(KEVField, DuplicateCopiesValueAndLimitsButNoTabSheet) {
    TCaptionZone zone;
    TKEVTabSheet sheet(IDTabTemps, nullptr);
    TKEVIntegerField field("IDI", &zone, &sheet, 2, 90, 40, 0.1);
    field.Link("", false);
    EXPECT_TRUE(field.GetLinked());
    std::unique_ptr<TKEVField> copy = field.Duplicate();
    auto* integer = dynamic_cast<TKEVIntegerField*>(copy.get());
    ASSERT_NE(integer, nullptr);
    EXPECT_TRUE(field.SameAs(copy.get())); // same identifier, same owner
    EXPECT_EQ(integer->GetParent(), nullptr);
    EXPECT_FALSE(integer->GetLinked());
    EXPECT_EQ(
        (std::vector<Int64>{integer->GetRawMin(), integer->GetRawMax(), integer->GetRawValue()}),
        (std::vector<Int64>{2, 90, 40}));
    EXPECT_EQ(integer->GetRatio(), 0.1);
    const TKEVBooleanField flag("IDB", nullptr, nullptr, true);
    EXPECT_EQ(flag.Duplicate()->GetAsInteger(), 1);
    TKEVStringField text("IDS", nullptr, nullptr, "x", 3);
    EXPECT_EQ(MessageOf<EConvertError>([&] { field.Assign(&text); }),
              "Cannot assign a TKEVStringField to a TKEVIntegerField");
}

TEST(KEVField, LinkedAndComparedRequireAParentSheet) {
    TKEVIntegerField field("IDI", nullptr, nullptr, 0, 1, 0, 1.0);
    field.SetLinked(true);
    field.SetCompared(true);
    EXPECT_FALSE(field.GetLinked());
    EXPECT_FALSE(field.GetCompared());
    TKEVTabSheet sheet(IDTabTemps, nullptr);
    TKEVIntegerField shown("IDS", nullptr, &sheet, 0, 1, 0, 1.0);
    shown.Link("", false);
    EXPECT_TRUE(shown.GetLinked());
    EXPECT_TRUE(shown.GetCompared());
    shown.UnCompare();
    EXPECT_FALSE(shown.GetCompared());
    shown.Unlink();
    EXPECT_FALSE(shown.GetLinked());
    EXPECT_EQ(sheet.GetFieldCount(), 0);

    // A field of an unlinked sheet enters it but is not linked.
    sheet.SetLinked(false);
    shown.Link("", false);
    EXPECT_EQ(sheet.GetFieldCount(), 1);
    EXPECT_FALSE(shown.GetLinked());
}

std::unique_ptr<TKEVIntegerField> Field(const std::string& FieldID) {
    return std::make_unique<TKEVIntegerField>(FieldID, nullptr, nullptr, 0, 10, 0, 1.0);
}

std::string FieldOrder(const TKEVTabSheet& Sheet) {
    std::string order;
    for (int i = 0; i < Sheet.GetFieldCount(); ++i)
        order += Sheet.GetField(i)->GetFieldID() + " ";
    return order;
}

TEST(KEVTabSheet, KeepsInsertionOrderAndRefusesDuplicatesAndMissingReferences) {
    TKEVTabSheet sheet(IDTabSeuils, nullptr);
    auto c = Field("IDC"), a = Field("IDA"), b = Field("IDB"), d = Field("IDD"), a2 = Field("IDA");
    sheet.AddField(c.get());
    sheet.AddField(a.get());
    sheet.InsertField("IDA", b.get(), false);
    EXPECT_EQ(FieldOrder(sheet), "IDC IDB IDA ");
    EXPECT_EQ(MessageOf([&] { sheet.InsertField("IDZ", d.get(), false); }),
              "Unable to insert IDD, ref: IDZ");
    EXPECT_EQ(MessageOf([&] { sheet.AddField(a2.get()); }), "Duplicate Field: IDA");
    EXPECT_THROW(sheet.InsertField("IDC", a2.get(), true), Exception);
    sheet.InsertField("IDZ", d.get(), true);
    EXPECT_EQ(FieldOrder(sheet), "IDC IDB IDA IDD ");
    EXPECT_EQ(sheet.GetFieldByID("IDB"), b.get());
    EXPECT_EQ(sheet.GetFieldByID("idb"), nullptr);
    sheet.DeleteField(b.get());
    EXPECT_EQ(FieldOrder(sheet), "IDC IDA IDD ");
}

TEST(KEVTabSheet, KeysCaptionsAndExportHeading) {
    testkit::FakeDataProxy proxy;
    const TKEVTabSheet points(IDTabAssignationPoints, nullptr);
    EXPECT_EQ(points.GetTabSheetID(), "IDAssignationPoints");
    EXPECT_EQ(points.GetCaption(), "N° de points");
    EXPECT_EQ(TKEVTabSheet(IDTabConsignesEffort, nullptr).GetCaption(), "Paliers d'effort");
    proxy.AddTranslation("IDOnglet", "IDTabTemps", "Times");
    TKEVTabSheet temps(IDTabTemps, nullptr);
    EXPECT_EQ(temps.GetCaption(), "Times");
    EXPECT_THROW(TKEVTabSheet(static_cast<TIDOnglet>(IDOngletTable.size()), nullptr), ERangeError);
}

TEST(KEVLogicalZone, HoldsOrderedSheetsAndFindsFieldsInThem) {
    testkit::FakeDataProxy proxy;
    TKEVLogicalZone zone(nullptr, PrcProgrammes, 3);
    EXPECT_EQ(zone.GetCaption(), "Programmes");
    zone.AddTabSheet(std::make_unique<TKEVTabSheet>(IDTabTemps, &zone));
    zone.AddTabSheet(std::make_unique<TKEVTabSheet>(IDTabEV, &zone));
    zone.InsertTabSheet("IDTabEV", std::make_unique<TKEVTabSheet>(IDTabSeuils, &zone));
    EXPECT_EQ(zone.GetTabSheet(1)->GetTabSheetID(), "IDTabSeuils");
    EXPECT_EQ(
        MessageOf([&] { zone.AddTabSheet(std::make_unique<TKEVTabSheet>(IDTabTemps, &zone)); }),
        "Duplicate TabSheet: IDTabTemps");
    EXPECT_EQ(MessageOf([&] {
                  zone.InsertTabSheet("IDTabCU",
                                      std::make_unique<TKEVTabSheet>(IDTabRodage, &zone));
              }),
              "Unable to insert IDTabRodage, ref: IDTabCU");
    auto first = Field("IDA"), second = Field("IDA"), third = Field("IDB");
    EXPECT_EQ(MessageOf([&] { zone.AddField("IDTabCU", first.get()); }),
              "Unable to insert IDA, ref: IDTabCU");
    EXPECT_EQ(zone.GetTabSheetCount(), 3);
    zone.AddField("IDTabSeuils", first.get());
    zone.AddField("IDTabEV", second.get());
    zone.InsertField("IDTabEV", "IDZ", third.get(), true);
    EXPECT_EQ(zone.GetFieldByID("IDA"), first.get());
    EXPECT_EQ(zone.GetFieldByID("IDB"), third.get());
    EXPECT_EQ(zone.GetFieldByID("IDX"), nullptr);
    zone.DeleteTabSheet("IDTabSeuils");
    EXPECT_EQ(zone.GetFieldByID("IDA"), second.get());
    EXPECT_EQ(zone.GetTabByID("IDTabSeuils"), nullptr);
}

TEST(TypeRange, IntegerRangeKeepsItsInvariant) {
    TIntegerRange range(0, 10, 5);
    EXPECT_EQ(range.GetValue(), 5);

    EXPECT_EQ(MessageOf<ERangeError>([&] { range.SetRange(0, 10, 11); }),
              "Range Error : Min {0} <= Value {5} <= Max {10}");
    EXPECT_EQ((std::vector<int>{range.GetMin(), range.GetMax(), range.GetDefault()}),
              (std::vector<int>{0, 10, 5}));

    range.SetValue(10); // bounds are inclusive
    EXPECT_EQ(range.GetValue(), 10);
    EXPECT_EQ(MessageOf<ERangeError>([&] { range.SetValue(11); }),
              "Range Error : Min {0} <= Default {5} <= Max {10}");
    EXPECT_EQ(range.GetValue(), 10);
    // A refused SetRange shows the value held before the call.
    EXPECT_EQ(MessageOf<ERangeError>([&] { range.SetRange(3, 2, 2); }),
              "Range Error : Min {3} <= Value {10} <= Max {2}");

    range.SetRange(-4, 4, -1);
    EXPECT_EQ(range.GetValue(), -1);
    EXPECT_TRUE(range.IsRange(-4));
    EXPECT_FALSE(range.IsRange(5));
}

TEST(TypeRange, DoubleRangeMessagesShowFixedDecimalsAndCopiesNeedTheSameClass) {
    TDoubleRange range(0.5, 2.5, 1.0);
    EXPECT_EQ(MessageOf<ERangeError>([&] { range.SetRange(1.0, 2.0, 3.0); }),
              "Range Error : Min {1.00} <= Default {3.00} <= Max {2.00}");
    EXPECT_EQ(MessageOf<ERangeError>([&] { range.SetValue(2.75); }),
              "Range Error : Min {0.50} <= Default {1.00} <= Max {2.50}");
    range.SetValue(2.5);
    EXPECT_DOUBLE_EQ(range.GetValue(), 2.5);
    EXPECT_THROW(TDoubleRange(1.0, 0.0, 0.5), ERangeError);

    // Assign and Equals require the same class.
    TIntegerRange a(0, 10, 5), b(1, 20, 2);
    TDoubleRange d(0.0, 10.0, 5.0);
    b.SetValue(7);
    EXPECT_FALSE(a.Equals(&b));
    a.Assign(&b);
    EXPECT_TRUE(a.Equals(&b));
    EXPECT_EQ(a.GetValue(), 7);
    EXPECT_EQ(a.GetMin(), 1);

    EXPECT_FALSE(a.Equals(&d));
    EXPECT_FALSE(d.Equals(&a));
    EXPECT_THROW(a.Assign(&d), EConvertError);
    EXPECT_THROW(d.Assign(&a), EConvertError);
    EXPECT_EQ(a.GetValue(), 7);
}

} // namespace
} // namespace g20seq
