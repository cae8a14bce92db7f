#include "model/KEVField.h"
#include "model/KEVNumericFields.h"
#include "model/KEVStringFields.h"
#include "model/KEVTabSheet.h"
#include "model/ZoneCPS.h"
#include "support/Exceptions.h"
#include "support/FakeDataProxy.h"
#include "support/StringList.h"

#include <gtest/gtest.h>

#include <functional>

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

// The message of the exception E raised by Action, or "" when none is raised.
template <class E> std::string MessageOf(const std::function<void()>& Action) {
    try {
        Action();
    } catch (const E& error) {
        return error.what();
    }
    return "";
}

TEST(KEVIntegerField, ConvertsWithRatioAndRefusesValuesOutsideItsLimits) {
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
        EXPECT_EQ(error.FValue, 11.0);
        EXPECT_EQ(error.FMin, 0.0);
        EXPECT_EQ(error.FMax, 10.0);
    }
    EXPECT_EQ(field.GetRawValue(), 70);
    field.SetAsString("");
    EXPECT_EQ(field.GetRawValue(), 70);
    EXPECT_EQ(MessageOf<EFieldError>([&] { field.SetAsString("12a"); }),
              "'12a' n'est pas une valeur entière correcte pour le champ 'TKEVIntegerField'");
    field.SetAsFloat(2.5); // ties to even: 2
    EXPECT_EQ(field.GetRawValue(), 20);
    EXPECT_EQ(field.GetAsString(), "2");
    EXPECT_EQ(field.GetMax(), 10);
}

TEST(KEVNumericFields, StorageWidthOverflowRaisesRangeErrorBeforeAnyChange) {
    TKEVIntegerField field("IDI", nullptr, nullptr, 0, 65535, 5, 1.0);
    int changes = 0;
    field.SetOnChange([&](TObject*) { ++changes; });
    EXPECT_THROW(field.SetAsInteger(65536), ERangeError);
    EXPECT_THROW(field.SetRawValue(-1), ERangeError);
    EXPECT_THROW(field.SetRawMin(70000), ERangeError);
    EXPECT_THROW(field.SetAsFloat(1e12), ERangeError);
    EXPECT_EQ(field.GetRawValue(), 5);
    EXPECT_EQ(field.GetRawMin(), 0);
    EXPECT_EQ(changes, 0);
    EXPECT_THROW(TKEVIntegerField("IDI", nullptr, nullptr, 0, 65536, 0, 1.0), ERangeError);
    TKEVDoubleField real("IDD", nullptr, nullptr, 1.0, 0, 10, 0);
    EXPECT_THROW(real.SetAsFloat(-1), ERangeError);
    TKEVSignedIntegerField wide("IDS", nullptr, nullptr, -10, 10, 0, 1.0);
    EXPECT_THROW(wide.SetRawValue(Int64{1} << 31), ERangeError);
    EXPECT_EQ(wide.GetRawValue(), 0);
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
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list[0], "Mode A");
    EXPECT_EQ(list[2], "Mode C");
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

TEST(KEVField, ChangeCallbackFiresOncePerRealValueChange) {
    TKEVIntegerField field("IDI", nullptr, nullptr, 0, 100, 0, 1.0);
    int changes = 0;
    field.SetOnChange([&](TObject* Sender) {
        EXPECT_EQ(Sender, &field);
        ++changes;
    });
    field.SetAsInteger(7);
    field.SetAsInteger(7);
    field.SetToMax();
    field.SetToMin();
    field.SetRawMax(90);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(field.GetRawMax(), 90);
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
    EXPECT_EQ(integer->GetFieldID(), "IDI");
    EXPECT_EQ(integer->GetOwner(), &zone);
    EXPECT_EQ(integer->GetParent(), nullptr);
    EXPECT_FALSE(integer->GetLinked());
    EXPECT_EQ(integer->GetRawMin(), 2);
    EXPECT_EQ(integer->GetRawMax(), 90);
    EXPECT_EQ(integer->GetRawValue(), 40);
    EXPECT_EQ(integer->GetRatio(), 0.1);
    EXPECT_TRUE(field.SameAs(copy.get()));
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
}

} // namespace
} // namespace g20seq
