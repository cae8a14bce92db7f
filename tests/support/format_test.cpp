#include "support/Exceptions.h"
#include "support/Format.h"

#include "support/ModelTestKit.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

using namespace g20seq;

// Each pair: what the formatter wrote, what it must write.
void ExpectTexts(const std::vector<std::pair<std::string, std::string>>& Cases) {
    for (const auto& [written, expected] : Cases)
        EXPECT_EQ(written, expected);
}

TEST(Format, IntegersFloatsAndTextsAsTheSystemWritesThem) {
    ExpectTexts(
        {{Format("%s=%d", "PrcProgrammes", 12), "PrcProgrammes=12"},
         {Format("%.2d", 7), "07"},
         {Format("%.2d", 100), "100"},
         {Format("%.3d", -7), "-007"},
         {Format("%2.2X", 10), "0A"},
         {Format(" %2.2X", static_cast<std::uint8_t>(255)), " FF"},
         {Format("%x", -1), "FFFFFFFF"},
         {Format("%x", static_cast<std::int64_t>(-1)), "FFFFFFFFFFFFFFFF"},
         {Format("%u", -1), "4294967295"},
         {Format("%d", std::uint64_t{18446744073709551615u}), "18446744073709551615"},
         {Format("[%5d|%-5d]", 42, 42), "[   42|42   ]"},
         {Format("%02d", 5), " 5"}, // width never pads with zeros
         {Format("%*d", 4, 3), "   3"},
         {Format("%1:s %0:s %s", "a", "b"), "b a b"},
         {Format("100%%"), "100%"},
         {Format("%f", 1.5), "1.50"},
         {Format("%.1f", 0.25), "0.3"}, // half away from zero
         {Format("%.2f", 2.675), "2.68"},
         {Format("%.0f", -0.4), "0"},
         {Format("%.3f", 9.9996), "10.000"},
         {Format("%g", 0.1 * 3), "0.3"},
         {Format("%g", 11.0), "11"},
         {Format("%.3g", 1234.5), "1.23E3"},
         {Format("%e", 1.5), "1.50000000000000E+000"},
         {Format("%.3e", -0.00012345), "-1.23E-004"},
         {Format("%g n'est pas entre %g et %g", 11.0, 0.0, 10.0), "11 n'est pas entre 0 et 10"},
         {Format("[%6s]", "été"), "[   été]"},
         {Format("[%-4s]", "ab"), "[ab  ]"},
         {Format("%.2s", "éèa"), "éè"},
         {Format("%s%s", 'x', std::string("yz")), "xyz"}});
}

TEST(Format, MismatchesRaiseConvertError) {
    EXPECT_THROW(Format("%d", 1.5), EConvertError);
    EXPECT_THROW(Format("%f", 3), EConvertError);
    EXPECT_THROW(Format("%s", 3), EConvertError);
    EXPECT_THROW(Format("%d %d", 3), EConvertError);
    EXPECT_THROW(Format("%q", 3), EConvertError);
    EXPECT_THROW(Format("abc %"), EConvertError);
    EXPECT_EQ(testkit::MessageOf<EConvertError>([] { Format("%d", "x"); }),
              "Format '%d' invalid or incompatible with argument");
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
    EXPECT_EQ(testkit::MessageOf<EConvertError>([] { StrToInt("12a"); }),
              "'12a' is not a valid integer value");
    EXPECT_EQ(StrToInt64("-9223372036854775808"), INT64_MIN);
    EXPECT_DOUBLE_EQ(StrToFloat(" 1.5e2 "), 150.0);
    EXPECT_DOUBLE_EQ(StrToFloat("-.5"), -0.5);
    EXPECT_DOUBLE_EQ(StrToFloatDef("1,5", 7.0), 7.0);
    for (const char* bad : {"", ".", "1e", "abc", "1.5x", "inf", "0x10"})
        EXPECT_THROW(StrToFloat(bad), EConvertError) << bad;
    EXPECT_EQ(testkit::MessageOf<EConvertError>([] { StrToFloat("x"); }),
              "'x' is not a valid floating point value");
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
    const EFieldError error = EFieldError::CreateFmtRange("%g [%g..%g]", 0.5, 1.5, 2.5);
    EXPECT_EQ(error.Message(), "2.5 [0.5..1.5]");
    EXPECT_EQ((std::vector<double>{error.FMin, error.FMax, error.FValue}),
              (std::vector<double>{0.5, 1.5, 2.5}));
}
