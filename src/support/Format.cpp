#include "support/Format.h"

#include "support/Exceptions.h"
#include "support/FloatDecimal.h"
#include "support/Latin1.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace g20seq {

std::string FormatArg::IntegerText() const {
    return FSigned ? std::to_string(static_cast<Int64>(FInteger)) : std::to_string(FInteger);
}

std::uint64_t FormatArg::UnsignedBits() const {
    return FBits == 32 ? FInteger & 0xFFFFFFFFu : FInteger;
}

namespace {

constexpr int DefaultFixedDecimals = 2;
constexpr int DefaultSignificantDigits = 15;
constexpr int MaxSignificantDigits = 18;

struct TFormatSpec {
    bool LeftAlign = false;
    int Width = -1;
    int Precision = -1;
    char Type = '\0';
};

// Pads digits with zeros up to `precision` digits, keeping a leading minus sign in front.
std::string ZeroPadded(std::string digits, int precision) {
    const bool negative = !digits.empty() && digits[0] == '-';
    const int count = static_cast<int>(digits.size()) - (negative ? 1 : 0);
    if (count < precision)
        digits.insert(negative ? 1 : 0, std::string(precision - count, '0'));
    return digits;
}

int SignificantDigits(int precision) {
    return precision < 1 || precision > MaxSignificantDigits ? DefaultSignificantDigits : precision;
}

// Walks a pattern once, taking arguments in order (or from an explicit index).
class TFormatter {
public:
    TFormatter(const std::string& pattern, std::initializer_list<FormatArg> args)
        : FPattern(pattern), FArgs(args) {}

    std::string Run() {
        std::string out;
        while (FPos < FPattern.size()) {
            const char c = FPattern[FPos++];
            if (c != '%')
                out += c;
            else if (Peek() == '%')
                out += FPattern[FPos++];
            else
                out += Convert(ReadSpec());
        }
        return out;
    }

private:
    [[noreturn]] void Invalid() const {
        throw EConvertError("Format '" + FPattern + "' invalid or incompatible with argument");
    }

    char Peek() const { return FPos < FPattern.size() ? FPattern[FPos] : '\0'; }

    const FormatArg& NextArg() {
        if (FArgIndex >= FArgs.size())
            throw EConvertError("No argument for format '" + FPattern + "'");
        return FArgs.begin()[FArgIndex++];
    }

    // A number of the pattern, or '*' for the next argument; false when neither is there.
    bool ReadNumber(int& number) {
        if (Peek() == '*') {
            ++FPos;
            const FormatArg& arg = NextArg();
            if (arg.Kind() != FormatArg::TKind::Integer)
                Invalid();
            number = static_cast<int>(arg.AsInteger());
            return true;
        }
        if (Peek() < '0' || Peek() > '9')
            return false;
        number = 0;
        while (Peek() >= '0' && Peek() <= '9') {
            number = number * 10 + (FPattern[FPos++] - '0');
            if (number > 1000000)
                Invalid();
        }
        return true;
    }

    TFormatSpec ReadSpec() {
        TFormatSpec spec;
        int number = 0;
        bool haveWidth = false;
        if (ReadNumber(number)) {
            if (Peek() == ':') {
                ++FPos;
                FArgIndex = static_cast<std::size_t>(number);
            } else {
                spec.Width = number;
                haveWidth = true;
            }
        }
        if (!haveWidth) {
            if (Peek() == '-') {
                spec.LeftAlign = true;
                ++FPos;
            }
            if (ReadNumber(number))
                spec.Width = number;
        }
        if (Peek() == '.') {
            ++FPos;
            spec.Precision = ReadNumber(number) ? number : 0;
        }
        if (FPos >= FPattern.size())
            Invalid();
        const char type = FPattern[FPos++];
        spec.Type = type >= 'a' && type <= 'z' ? static_cast<char>(type - 'a' + 'A') : type;
        return spec;
    }

    const FormatArg& ArgOf(FormatArg::TKind kind) {
        const FormatArg& arg = NextArg();
        if (arg.Kind() != kind)
            Invalid();
        return arg;
    }

    std::string Text(const TFormatSpec& spec) {
        switch (spec.Type) {
        case 'D':
            return ZeroPadded(ArgOf(FormatArg::TKind::Integer).IntegerText(), spec.Precision);
        case 'U':
            return ZeroPadded(std::to_string(ArgOf(FormatArg::TKind::Integer).UnsignedBits()),
                              spec.Precision);
        case 'X':
            return IntToHexBits(ArgOf(FormatArg::TKind::Integer).UnsignedBits(), spec.Precision);
        case 'F':
            return TFloatDecimal::FixedText(ArgOf(FormatArg::TKind::Float).AsFloat(),
                                            spec.Precision < 0 ? DefaultFixedDecimals
                                                               : spec.Precision);
        case 'G':
            return TFloatDecimal::GeneralText(ArgOf(FormatArg::TKind::Float).AsFloat(),
                                              SignificantDigits(spec.Precision));
        case 'E':
            return TFloatDecimal::ExponentText(ArgOf(FormatArg::TKind::Float).AsFloat(),
                                               SignificantDigits(spec.Precision));
        case 'S': {
            const std::string text(ArgOf(FormatArg::TKind::String).AsText());
            return spec.Precision < 0 ? text : Utf8Copy(text, 0, spec.Precision);
        }
        default:
            Invalid();
        }
    }

    std::string Convert(const TFormatSpec& spec) {
        std::string text = Text(spec);
        const std::size_t length = Utf8Length(text);
        if (spec.Width > 0 && length < static_cast<std::size_t>(spec.Width)) {
            const std::string padding(spec.Width - length, ' ');
            text = spec.LeftAlign ? text + padding : padding + text;
        }
        return text;
    }

    const std::string& FPattern;
    std::initializer_list<FormatArg> FArgs;
    std::size_t FPos = 0;
    std::size_t FArgIndex = 0;
};

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Reads an integer text: decimal within min..max, or hexadecimal filling at most `bits`
// bits (read as two's complement of that width).
bool ParseInteger(const std::string& text, int bits, Int64 min, Int64 max, Int64& value) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    bool hex = false;
    if (i < text.size() && text[i] == '$') {
        hex = true;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= text.size())
        return false;
    const std::uint64_t limit =
        hex ? (bits == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << bits) - 1)
            : static_cast<std::uint64_t>(max) + (negative ? 1 : 0);
    std::uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit =
            hex ? HexValue(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
        const unsigned base = hex ? 16 : 10;
        if (digit < 0 || magnitude > (limit - digit) / base)
            return false;
        magnitude = magnitude * base + digit;
    }
    if (hex && bits == 32)
        magnitude =
            static_cast<std::uint64_t>(static_cast<Int64>(static_cast<std::int32_t>(magnitude)));
    value = static_cast<Int64>(negative ? ~magnitude + 1 : magnitude);
    return hex || (value >= min && value <= max);
}

std::string Transformed(std::string text, char from, char to, int shift) {
    for (char& c : text)
        if (c >= from && c <= to)
            c = static_cast<char>(c + shift);
    return text;
}

} // namespace

std::string Format(const std::string& pattern, std::initializer_list<FormatArg> args) {
    return TFormatter(pattern, args).Run();
}

bool TryStrToInt64(const std::string& text, Int64& value) {
    return ParseInteger(text, 64, std::numeric_limits<Int64>::min(),
                        std::numeric_limits<Int64>::max(), value);
}

bool TryStrToInt(const std::string& text, int& value) {
    Int64 wide = 0;
    if (!ParseInteger(text, 32, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(),
                      wide))
        return false;
    value = static_cast<int>(wide);
    return true;
}

Int64 StrToInt64(const std::string& text) {
    Int64 value = 0;
    if (!TryStrToInt64(text, value))
        throw EConvertError(Format("'%s' is not a valid integer value", text));
    return value;
}

int StrToInt(const std::string& text) {
    int value = 0;
    if (!TryStrToInt(text, value))
        throw EConvertError(Format("'%s' is not a valid integer value", text));
    return value;
}

int StrToIntDef(const std::string& text, int defaultValue) {
    int value = 0;
    return TryStrToInt(text, value) ? value : defaultValue;
}

std::string IntToHexBits(std::uint64_t bits, int digits) {
    static constexpr char HexDigits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), HexDigits[bits & 0xF]);
        bits >>= 4;
    } while (bits != 0);
    if (static_cast<int>(text.size()) < digits)
        text.insert(0, std::string(digits - text.size(), '0'));
    return text;
}

std::string FloatToStr(double value) {
    return TFloatDecimal::GeneralText(value, DefaultSignificantDigits);
}

bool TryStrToFloat(const std::string& text, double& value) {
    std::string number = Trim(text);
    std::size_t i = number.size() > 0 && (number[0] == '+' || number[0] == '-') ? 1 : 0;
    const auto digits = [&]() {
        const std::size_t start = i;
        while (i < number.size() && number[i] >= '0' && number[i] <= '9')
            ++i;
        return i - start;
    };
    std::size_t mantissa = digits();
    if (i < number.size() && number[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        ++i;
        if (i < number.size() && (number[i] == '+' || number[i] == '-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    if (i != number.size())
        return false;
    if (number[0] == '+')
        number.erase(0, 1);
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    return result.ec == std::errc();
}

double StrToFloat(const std::string& text) {
    double value = 0.0;
    if (!TryStrToFloat(text, value))
        throw EConvertError(Format("'%s' is not a valid floating point value", text));
    return value;
}

double StrToFloatDef(const std::string& text, double defaultValue) {
    double value = 0.0;
    return TryStrToFloat(text, value) ? value : defaultValue;
}

std::string TrimLeft(const std::string& text) {
    std::size_t first = 0;
    while (first < text.size() && IsBlank(text[first]))
        ++first;
    return text.substr(first);
}

std::string TrimRight(const std::string& text) {
    std::size_t last = text.size();
    while (last > 0 && IsBlank(text[last - 1]))
        --last;
    return text.substr(0, last);
}

std::string Trim(const std::string& text) {
    return TrimLeft(TrimRight(text));
}

std::string UpperCase(const std::string& text) {
    return Transformed(text, 'a', 'z', 'A' - 'a');
}

std::string LowerCase(const std::string& text) {
    return Transformed(text, 'A', 'Z', 'a' - 'A');
}

int CompareStr(const std::string& a, const std::string& b) {
    const std::size_t count = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < count; ++i)
        if (a[i] != b[i])
            return static_cast<unsigned char>(a[i]) - static_cast<unsigned char>(b[i]);
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

int CompareText(const std::string& a, const std::string& b) {
    const auto upper = [](char c) {
        return static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    };
    const std::size_t count = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < count; ++i)
        if (upper(a[i]) != upper(b[i]))
            return upper(a[i]) - upper(b[i]);
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

bool SameText(const std::string& a, const std::string& b) {
    return a.size() == b.size() && CompareText(a, b) == 0;
}

} // namespace g20seq
