#include "cli/ImageText.h"

#include "cli/CliErrors.h"
#include <g20seq/model/CustomZoneCPS.h>
#include <g20seq/model/KEVField.h>

#include <array>
#include <charconv>
#include <istream>
#include <ostream>

namespace g20seq::host {

namespace {

bool ParseInt64(const std::string& Text, Int64& Value) {
    const char* end = Text.data() + Text.size();
    const auto [last, error] = std::from_chars(Text.data(), end, Value);
    return error == std::errc() && last == end && !Text.empty();
}

// Reads "a.b.c.d", each part from 0 to 255, most significant first.
bool ParseAddress(const std::string& Text, LongWord& Address) {
    Address = 0;
    std::size_t start = 0;
    for (int part = 0; part < 4; ++part) {
        const std::size_t dot = part < 3 ? Text.find('.', start) : Text.size();
        Int64 value = 0;
        if (dot == std::string::npos || !ParseInt64(Text.substr(start, dot - start), value) ||
            value < 0 || value > 255)
            return false;
        Address = (Address << 8) | static_cast<LongWord>(value);
        start = dot + 1;
    }
    return true;
}

bool NeedsQuotes(const std::string& Value) {
    return Value.empty() || Value.front() == ' ' || Value.back() == ' ' ||
           Value.find_first_of("=#\"") != std::string::npos;
}

std::string Trimmed(const std::string& Text) {
    const auto first = Text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return Text.substr(first, Text.find_last_not_of(" \t\r") - first + 1);
}

// Splits the value part of a line into the value and its comment: a quoted value ends at
// its closing quote (inner quotes doubled), a plain one at '#'. Raises TUsageError.
std::string LineValue(const std::string& Text) {
    const std::string text = Trimmed(Text);
    if (text.empty() || text.front() != '"')
        return Trimmed(text.substr(0, text.find('#')));
    std::string value;
    std::size_t index = 1;
    for (;; ++index) {
        if (index >= text.size())
            throw TUsageError("the quoted value has no closing quote");
        if (text[index] == '"') {
            if (index + 1 < text.size() && text[index + 1] == '"')
                ++index;
            else
                break;
        }
        value += text[index];
    }
    const std::string rest = Trimmed(text.substr(index + 1));
    if (!rest.empty() && rest.front() != '#')
        throw TUsageError("unexpected text after the quoted value");
    return value;
}

// Header keywords and where they go.
struct THeaderKey {
    const char* Key;
    std::string TImageText::*Value;
};
constexpr std::array<THeaderKey, 2> HeaderKeys = {
    {{"identification", &TImageText::Identification}, {"variant", &TImageText::Variante}}};

} // namespace

std::string RawText(const TKEVField& Field) {
    if (const auto* raw = QueryField<IRawNumericField>(Field))
        return std::to_string(raw->GetRawValue());
    if (const auto* raw = QueryField<IRawSignedNumericField>(Field))
        return std::to_string(raw->GetRawValue());
    return DisplayText(Field);
}

std::string CanonicalText(const TKEVField& Field) {
    std::string text = QuotedIfNeeded(RawText(Field));
    const auto* captions = QueryField<IKevEnumFieldAsRead>(Field);
    const auto* number = QueryField<IRawNumericField>(Field);
    if (captions != nullptr && number != nullptr)
        text += "  # " + captions->GetEnum(number->GetRawValue());
    return text;
}

void SetRawText(TKEVField& Field, const std::string& Text) {
    auto* unsignedRaw = QueryField<IRawNumericField>(Field);
    auto* signedRaw = QueryField<IRawSignedNumericField>(Field);
    auto* address = QueryField<IKEVAddressField>(Field);
    Int64 value = 0;
    LongWord dotted = 0;
    if (unsignedRaw != nullptr || signedRaw != nullptr) {
        if (!ParseInt64(Text, value))
            throw TUsageError("'" + Text + "' is not a whole number");
        if (unsignedRaw != nullptr)
            unsignedRaw->SetRawValue(value);
        else
            signedRaw->SetRawValue(value);
    } else if (address != nullptr) {
        if (!ParseAddress(Text, dotted))
            throw TUsageError("'" + Text + "' is not an address a.b.c.d (parts 0 to 255)");
        address->SetAddress(dotted);
    } else {
        Field.SetAsString(Text);
    }
}

std::optional<TRawLimits> RawLimits(const TKEVField& Field) {
    if (const auto* raw = QueryField<IRawNumericField>(Field))
        return TRawLimits{raw->GetRawMin(), raw->GetRawMax()};
    if (const auto* raw = QueryField<IRawSignedNumericField>(Field))
        return TRawLimits{raw->GetRawMin(), raw->GetRawMax()};
    return std::nullopt;
}

bool InImageText(const TCustomZoneCPS& Zone, bool All) {
    return All || Zone.GetLoadToCPS();
}

std::string QuotedIfNeeded(const std::string& Value) {
    return NeedsQuotes(Value) ? QuotedFieldText(Value) : Value;
}

void WriteTextHeader(std::ostream& Out, const TImageText& Header) {
    Out << "# g20seq image text: ZONE FIELD=VALUE, raw values\n";
    for (const THeaderKey& key : HeaderKeys)
        Out << key.Key << ' ' << QuotedIfNeeded(Header.*key.Value) << '\n';
}

TImageText ReadImageText(std::istream& In) {
    TImageText text;
    std::string line;
    for (int number = 1; std::getline(In, line); ++number) {
        const std::string content = Trimmed(line);
        if (content.empty() || content.front() == '#')
            continue;
        const auto space = content.find(' ');
        const std::string first = content.substr(0, space);
        const std::string rest = space == std::string::npos ? "" : content.substr(space + 1);
        try {
            bool header = false;
            for (const THeaderKey& key : HeaderKeys)
                if (first == key.Key) {
                    text.*key.Value = LineValue(rest);
                    header = true;
                }
            if (header) {
                text.VarianteLine = first == HeaderKeys[1].Key ? number : text.VarianteLine;
                continue;
            }
            const auto equal = rest.find('=');
            if (space == std::string::npos || equal == std::string::npos || equal == 0)
                throw TUsageError("expected ZONE FIELD=VALUE");
            text.Lines.push_back(
                {number, first, Trimmed(rest.substr(0, equal)), LineValue(rest.substr(equal + 1))});
        } catch (const TUsageError& error) {
            text.Errors.push_back({number, error.what()});
        }
    }
    return text;
}

} // namespace g20seq::host
