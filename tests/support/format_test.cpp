#include "support/Exceptions.h"
#include "support/Format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using namespace g20seq;

TEST(Format, IntegersAsTheSystemWritesThem) {
    EXPECT_EQ(Format("%s=%d", "PrcProgrammes", 12), "PrcProgrammes=12");
    EXPECT_EQ(Format("%.2d", 7), "07");
    EXPECT_EQ(Format("%.2d", 100), "100");
    EXPECT_EQ(Format("%.3d", -7), "-007");
    EXPECT_EQ(Format("%2.2X", 10), "0A");
    EXPECT_EQ(Format(" %2.2X", static_cast<std::uint8_t>(255)), " FF");
    EXPECT_EQ(Format("%x", -1), "FFFFFFFF");
    EXPECT_EQ(Format("%x", static_cast<std::int64_t>(-1)), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(Format("%u", -1), "4294967295");
    EXPECT_EQ(Format("%d", std::uint64_t{18446744073709551615u}), "18446744073709551615");
    EXPECT_EQ(Format("[%5d|%-5d]", 42, 42), "[   42|42   ]");
    EXPECT_EQ(Format("%02d", 5), " 5"); // width never pads with zeros
    EXPECT_EQ(Format("%*d", 4, 3), "   3");
    EXPECT_EQ(Format("%1:s %0:s %s", "a", "b"), "b a b");
    EXPECT_EQ(Format("100%%"), "100%");
}

TEST(Format, FloatsUseTheClassicDefaults) {
    EXPECT_EQ(Format("%f", 1.5), "1.50");
    EXPECT_EQ(Format("%.1f", 0.25), "0.3"); // half away from zero
    EXPECT_EQ(Format("%.2f", 2.675), "2.68");
    EXPECT_EQ(Format("%.0f", -0.4), "0");
    EXPECT_EQ(Format("%.3f", 9.9996), "10.000");
    EXPECT_EQ(Format("%g", 0.1 * 3), "0.3");
    EXPECT_EQ(Format("%g", 11.0), "11");
    EXPECT_EQ(Format("%.3g", 1234.5), "1.23E3");
    EXPECT_EQ(Format("%e", 1.5), "1.50000000000000E+000");
    EXPECT_EQ(Format("%.3e", -0.00012345), "-1.23E-004");
    EXPECT_EQ(Format("%g n'est pas entre %g et %g", 11.0, 0.0, 10.0), "11 n'est pas entre 0 et 10");
}

TEST(Format, TextsCountCharacters) {
    EXPECT_EQ(Format("[%6s]", "été"), "[   été]");
    EXPECT_EQ(Format("[%-4s]", "ab"), "[ab  ]");
    EXPECT_EQ(Format("%.2s", "éèa"), "éè");
    EXPECT_EQ(Format("%s%s", 'x', std::string("yz")), "xyz");
}

TEST(Format, MismatchesRaiseConvertError) {
    EXPECT_THROW(Format("%d", 1.5), EConvertError);
    EXPECT_THROW(Format("%f", 3), EConvertError);
    EXPECT_THROW(Format("%s", 3), EConvertError);
    EXPECT_THROW(Format("%d %d", 3), EConvertError);
    EXPECT_THROW(Format("%q", 3), EConvertError);
    EXPECT_THROW(Format("abc %"), EConvertError);
    try {
        Format("%d", "x");
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Format '%d' invalid or incompatible with argument");
    }
}

TEST(FloatToStr, GeneralFormatWithFifteenDigits) {
    const struct {
        double value;
        const char* text;
    } cases[] = {{0.1 * 3, "0.3"},
                 {99.9, "99.9"},
                 {-2.5, "-2.5"},
                 {0.0, "0"},
                 {1e20, "1E20"},
                 {1.5e-7, "1.5E-7"},
                 {0.00001, "0.00001"},
                 {0.000001, "1E-6"},
                 {123456789012345.0, "123456789012345"},
                 {1e15, "1E15"},
                 {1.0 / 3, "0.333333333333333"},
                 {2.0 / 3, "0.666666666666667"},
                 {9.9999999999999999, "10"}};
    for (const auto& c : cases)
        EXPECT_EQ(FloatToStr(c.value), c.text) << c.text;
}

TEST(StrToNumber, AcceptsNumbersAndRejectsTheRest) {
    EXPECT_EQ(StrToInt("  -42"), -42);
    EXPECT_EQ(StrToInt("$FF"), 255);
    EXPECT_EQ(StrToInt("0x10"), 16);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(StrToIntDef("12a", -1), -1);
    EXPECT_THROW(StrToInt("2147483648"), EConvertError);
    EXPECT_THROW(StrToInt(""), EConvertError);
    try {
        StrToInt("12a");
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'12a' is not a valid integer value");
    }
    EXPECT_EQ(StrToInt64("-9223372036854775808"), INT64_MIN);
    EXPECT_DOUBLE_EQ(StrToFloat(" 1.5e2 "), 150.0);
    EXPECT_DOUBLE_EQ(StrToFloat("-.5"), -0.5);
    EXPECT_DOUBLE_EQ(StrToFloatDef("1,5", 7.0), 7.0);
    for (const char* bad : {"", ".", "1e", "abc", "1.5x", "inf", "0x10"})
        EXPECT_THROW(StrToFloat(bad), EConvertError) << bad;
    try {
        StrToFloat("x");
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'x' is not a valid floating point value");
    }
}

TEST(TextHelpers, TrimCaseAndOrdinalComparison) {
    EXPECT_EQ(Trim(" \t a b \r\n"), "a b");
    EXPECT_EQ(TrimLeft("  a "), "a ");
    EXPECT_EQ(TrimRight("  a "), "  a");
    EXPECT_EQ(UpperCase("abzé"), "ABZé");
    EXPECT_EQ(LowerCase("ABZ"), "abz");
    EXPECT_TRUE(SameText("PrcProgrammes", "PRCPROGRAMMES"));
    EXPECT_FALSE(SameText("a", "ab"));
    EXPECT_LT(CompareStr("B", "a"), 0); // byte order, not dictionary order
    EXPECT_LT(CompareStr("a", "ab"), 0);
    EXPECT_GT(CompareStr("é", "z"), 0);
    EXPECT_EQ(CompareText("abc", "ABC"), 0);
    EXPECT_EQ(IntToHex(255, 4), "00FF");
    EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFF");
    EXPECT_EQ(IntToStr(-12), "-12");
}

TEST(FieldError, RangeFormCarriesTheNumbers) {
    const EFieldError error = EFieldError::CreateFmtRange(
        "%g n'est pas une valeur correcte pour le champ '%s'. Les valeurs doivent être "
        "comprises entre %g et %g",
        "Temps:TKEVIntegerField", 0.0, 10.0, 11.0);
    EXPECT_EQ(error.Message(), "11 n'est pas une valeur correcte pour le champ "
                               "'Temps:TKEVIntegerField'. Les valeurs doivent être comprises "
                               "entre 0 et 10");
    EXPECT_EQ(error.FMin, 0.0);
    EXPECT_EQ(error.FMax, 10.0);
    EXPECT_EQ(error.FValue, 11.0);
    EXPECT_EQ(EFieldError::CreateFmtRange("%g [%g..%g]", 0.5, 1.5, 2.5).Message(),
              "2.5 [0.5..1.5]");
}
