#include "support/FloatDecimal.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace g20seq {

TFloatDecimal::TFloatDecimal(double value) : FNegative(std::signbit(value)) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific);
    const std::string text(buffer, result.ptr);
    const std::size_t mark = text.find('e');
    for (std::size_t i = 0; i < mark; ++i)
        if (text[i] != '.')
            FDigits += text[i];
    FExponent = std::atoi(text.c_str() + mark + 1) + 1;
    Normalise();
}

void TFloatDecimal::Normalise() {
    while (!FDigits.empty() && FDigits.back() == '0')
        FDigits.pop_back();
    if (FDigits.empty())
        FExponent = 0;
}

void TFloatDecimal::RoundAt(int kept) {
    if (kept >= static_cast<int>(FDigits.size()))
        return;
    const bool up = kept >= 0 && FDigits[kept] >= '5';
    if (kept <= 0) {
        FDigits = up ? "1" : "";
        FExponent = up ? FExponent + 1 : 0;
        return;
    }
    FDigits.resize(kept);
    int i = kept - 1;
    while (up && i >= 0 && FDigits[i] == '9')
        FDigits[i--] = '0';
    if (up && i < 0) {
        FDigits.insert(FDigits.begin(), '1');
        ++FExponent;
    } else if (up) {
        ++FDigits[i];
    }
    Normalise();
}

char TFloatDecimal::DigitAt(int index) const {
    return index >= 0 && index < static_cast<int>(FDigits.size()) ? FDigits[index] : '0';
}

std::string TFloatDecimal::IntegerPart() const {
    if (FExponent <= 0)
        return "0";
    std::string text;
    for (int i = 0; i < FExponent; ++i)
        text += DigitAt(i);
    return text;
}

bool TFloatDecimal::Special(double value, std::string& text) {
    if (std::isnan(value))
        text = "NAN";
    else if (std::isinf(value))
        text = value < 0 ? "-INF" : "INF";
    else
        return false;
    return true;
}

std::string TFloatDecimal::FixedText(double value, int decimals) {
    std::string text;
    if (Special(value, text))
        return text;
    TFloatDecimal d(value);
    d.RoundAt(d.FExponent + decimals);
    text = d.Sign() + d.IntegerPart();
    if (decimals > 0)
        text += '.';
    for (int i = 0; i < decimals; ++i)
        text += d.DigitAt(d.FExponent + i);
    return text;
}

std::string TFloatDecimal::GeneralText(double value, int precision) {
    std::string text;
    if (Special(value, text))
        return text;
    TFloatDecimal d(value);
    d.RoundAt(precision);
    if (d.IsZero())
        return "0";
    const int size = static_cast<int>(d.FDigits.size());
    if (d.FExponent > precision || d.FExponent < -4) {
        const int exponent = d.FExponent - 1;
        text = d.Sign() + d.FDigits.substr(0, 1);
        if (size > 1)
            text += "." + d.FDigits.substr(1);
        return text + "E" + std::to_string(exponent);
    }
    if (d.FExponent <= 0)
        return d.Sign() + "0." + std::string(-d.FExponent, '0') + d.FDigits;
    text = d.Sign() + d.IntegerPart();
    if (size > d.FExponent)
        text += "." + d.FDigits.substr(d.FExponent);
    return text;
}

std::string TFloatDecimal::ExponentText(double value, int precision) {
    std::string text;
    if (Special(value, text))
        return text;
    TFloatDecimal d(value);
    d.RoundAt(precision);
    const int exponent = d.IsZero() ? 0 : d.FExponent - 1;
    text = d.Sign() + d.DigitAt(0);
    if (precision > 1)
        text += '.';
    for (int i = 1; i < precision; ++i)
        text += d.DigitAt(i);
    const std::string digits = std::to_string(std::abs(exponent));
    return text + (exponent < 0 ? "E-" : "E+") +
           std::string(digits.size() < 3 ? 3 - digits.size() : 0, '0') + digits;
}

} // namespace g20seq
