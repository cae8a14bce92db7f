#pragma once

#include <string>

namespace g20seq {

// Decimal digits of a double, rounded at a chosen place, and their three text forms.
//
// The digits start from the shortest decimal text that reads back as the same double, so
// numbers render as they were written and computed values lose their binary noise:
// 3 * 0.1 with 15 significant digits is "0.3", 2.675 with two decimals is "2.68".
// Rounding at the chosen place is half away from zero, as the classic formatter does.
class TFloatDecimal {
public:
    explicit TFloatDecimal(double value);

    // Fixed notation with exactly `decimals` digits after the point: "1.50", "-3", "0.00".
    static std::string FixedText(double value, int decimals);
    // General notation with up to `precision` significant digits, trailing zeros dropped;
    // scientific ("1.5E20", "1E-7") when the value needs more integer digits than the
    // precision or is below 0.00001.
    static std::string GeneralText(double value, int precision);
    // Scientific notation with `precision` significant digits and a signed exponent of
    // at least three digits: "1.50000000000000E+000".
    static std::string ExponentText(double value, int precision);

private:
    // Keeps the first `kept` digits, rounding the dropped part half away from zero.
    void RoundAt(int kept);
    void Normalise();
    bool IsZero() const { return FDigits.empty(); }
    std::string Sign() const { return FNegative && !IsZero() ? "-" : ""; }
    char DigitAt(int index) const;
    std::string IntegerPart() const;
    static bool Special(double value, std::string& text);

    bool FNegative = false;
    // Significant digits without trailing zeros; empty for zero.
    std::string FDigits;
    // Position of the decimal point: value = 0.FDigits x 10^FExponent.
    int FExponent = 0;
};

} // namespace g20seq
