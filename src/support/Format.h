#pragma once

#include "support/G20SeqExport.h"
#include "support/Types.h"

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>

namespace g20seq {

// One argument of Format: an integer, a floating point number or a text. A FormatArg
// refers to the text it was made from, so it lives only as long as the call it is
// written in. A `char` is a one-character text; `bool` is not an argument.
class FormatArg {
public:
    enum class TKind { Integer, Float, String };

    template <std::integral T>
    requires(!std::same_as<T, bool> && !std::same_as<T, char>) FormatArg(T value)
        : FKind(TKind::Integer), FInteger(static_cast<std::uint64_t>(value)),
          FSigned(std::is_signed_v<T>), FBits(sizeof(T) <= 4 ? 32 : 64) {}
    template <typename T>
    requires std::is_enum_v<T> FormatArg(T value)
        : FormatArg(static_cast<std::underlying_type_t<T>>(value)) {}
    template <std::floating_point T>
    FormatArg(T value) : FKind(TKind::Float), FFloat(static_cast<double>(value)) {}
    FormatArg(char value) : FKind(TKind::String), FChar(value), FIsChar(true) {}
    FormatArg(const char* value) : FKind(TKind::String), FText(value != nullptr ? value : "") {}
    FormatArg(std::string_view value) : FKind(TKind::String), FText(value) {}
    FormatArg(const std::string& value) : FKind(TKind::String), FText(value) {}
    FormatArg(bool) = delete;

    TKind Kind() const { return FKind; }
    // Integer value as signed 64 bits (an unsigned 64-bit value above the signed range
    // wraps), its decimal text as the argument's own type writes it, and its bits
    // within the argument's width (32 or 64) as an unsigned number.
    Int64 AsInteger() const { return static_cast<Int64>(FInteger); }
    std::string IntegerText() const;
    std::uint64_t UnsignedBits() const;
    double AsFloat() const { return FFloat; }
    std::string_view AsText() const { return FIsChar ? std::string_view(&FChar, 1) : FText; }

private:
    TKind FKind;
    std::uint64_t FInteger = 0;
    bool FSigned = false;
    int FBits = 64;
    double FFloat = 0.0;
    std::string_view FText;
    char FChar = '\0';
    bool FIsChar = false;
};

// Formats the arguments into the pattern, printf-style, with the classic conventions:
//   %[index:][-][width][.precision]type, width and precision may be '*' (taken from the
//   next argument); type is one of d u x e f g s (upper or lower case) or %% for '%'.
//   d u   decimal integer; precision = minimum digits ("%.2d" of 7 is "07")
//   x     hexadecimal integer, always upper-case digits ("%2.2X" of 10 is "0A");
//         negative values as their two's complement within the argument's width
//   f     fixed, precision decimals, 2 when not given ("%f" of 1.5 is "1.50")
//   g     general, precision significant digits, 15 when not given ("%g" of 0.1*3 is "0.3")
//   e     scientific, precision significant digits, 15 when not given
//   s     text; precision = maximum number of characters
// Width pads with spaces on the left, or on the right after '-'; a leading 0 in the width
// does not pad with zeros (use the precision). Widths and precisions of texts count
// characters, not bytes. The decimal separator is '.'. An argument of the wrong kind, a
// missing argument or a malformed pattern raises EConvertError.
G20SEQ_EXPORT std::string Format(const std::string& pattern, std::initializer_list<FormatArg> args);

template <typename... Args> std::string Format(const std::string& pattern, const Args&... args) {
    return Format(pattern, std::initializer_list<FormatArg>{FormatArg(args)...});
}

// Integer texts.
template <std::integral T> std::string IntToStr(T value) {
    return std::to_string(value);
}
// Decimal integer with optional sign, or hexadecimal after '$' or "0x"; leading blanks
// are allowed, trailing characters are not. Raises EConvertError
// "'%s' is not a valid integer value" for a text that is not one or does not fit.
int StrToInt(const std::string& text);
Int64 StrToInt64(const std::string& text);
int StrToIntDef(const std::string& text, int defaultValue);
bool TryStrToInt(const std::string& text, int& value);
bool TryStrToInt64(const std::string& text, Int64& value);
// Upper-case hexadecimal text of at least `digits` digits; a negative value is written as
// its two's complement within the width of its type (IntToHex(-1, 2) = "FFFFFFFF").
std::string IntToHexBits(std::uint64_t bits, int digits);
template <std::integral T> std::string IntToHex(T value, int digits) {
    return IntToHexBits(static_cast<std::make_unsigned_t<T>>(value), digits);
}

// Floating point texts. FloatToStr is the general format with 15 significant digits,
// trailing zeros dropped ("0.3", "99.9", "1E20", "1E-7").
std::string FloatToStr(double value);
// Decimal number with optional sign, decimal point '.' and exponent; blanks around it
// are allowed. Raises EConvertError "'%s' is not a valid floating point value".
double StrToFloat(const std::string& text);
double StrToFloatDef(const std::string& text, double defaultValue);
bool TryStrToFloat(const std::string& text, double& value);

// Text helpers. Trimming removes spaces and control characters; case changes touch the
// ASCII letters only; comparisons are ordinal (byte order), never locale-dependent.
std::string Trim(const std::string& text);
std::string TrimLeft(const std::string& text);
std::string TrimRight(const std::string& text);
std::string UpperCase(const std::string& text);
std::string LowerCase(const std::string& text);
// Negative, zero or positive as a is before, equal to or after b.
int CompareStr(const std::string& a, const std::string& b);
// CompareStr after upper-casing the ASCII letters of both.
int CompareText(const std::string& a, const std::string& b);
bool SameText(const std::string& a, const std::string& b);

} // namespace g20seq
