#include "support/Latin1.h"

#include "support/Exceptions.h"

namespace g20seq {

namespace {

constexpr const char* SInvalidUtf8 = "Invalid UTF-8 text";

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Byte offset of character position `index` (the size when the text is shorter).
std::size_t ByteOffset(const std::string& text, std::size_t index) {
    std::size_t offset = 0;
    for (; offset < text.size(); ++offset) {
        if (!IsContinuation(static_cast<unsigned char>(text[offset]))) {
            if (index == 0)
                return offset;
            --index;
        }
    }
    return offset;
}

// Decodes the character starting at `offset` and advances past it.
unsigned DecodeCharacter(const std::string& text, std::size_t& offset) {
    const unsigned char lead = static_cast<unsigned char>(text[offset++]);
    if (lead < 0x80)
        return lead;
    const int extra = lead >= 0xF8   ? -1
                      : lead >= 0xF0 ? 3
                      : lead >= 0xE0 ? 2
                      : lead >= 0xC2 ? 1
                                     : -1;
    if (extra < 0 || offset + extra > text.size())
        throw ERangeError(SInvalidUtf8);
    unsigned code = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        const unsigned char next = static_cast<unsigned char>(text[offset++]);
        if (!IsContinuation(next))
            throw ERangeError(SInvalidUtf8);
        code = (code << 6) | (next & 0x3F);
    }
    static constexpr unsigned Smallest[] = {0, 0x80, 0x800, 0x10000};
    if (code < Smallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        throw ERangeError(SInvalidUtf8);
    return code;
}

} // namespace

std::string Utf8ToLatin1(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t offset = 0; offset < text.size();) {
        const unsigned code = DecodeCharacter(text, offset);
        if (code > 0xFF)
            throw ERangeError();
        result += static_cast<char>(code);
    }
    return result;
}

std::string Latin1ToUtf8(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            result += c;
        } else {
            result += static_cast<char>(0xC0 | (byte >> 6));
            result += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return result;
}

std::size_t Utf8Length(const std::string& text) {
    std::size_t count = 0;
    for (const char c : text)
        if (!IsContinuation(static_cast<unsigned char>(c)))
            ++count;
    return count;
}

std::string Utf8Copy(const std::string& text, std::size_t index0, std::size_t count) {
    const std::size_t first = ByteOffset(text, index0);
    const std::size_t rest = ByteOffset(text.substr(first), count);
    return text.substr(first, rest);
}

} // namespace g20seq
