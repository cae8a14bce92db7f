#pragma once

#include <cstddef>
#include <string>

namespace g20seq {

// Texts are UTF-8 in memory; payloads and zone files store one byte per character
// (Latin-1). Lengths and positions of texts count characters, not bytes.

// One byte per character. Raises ERangeError for a character above 255 ("Range check
// error") or for a text that is not well-formed UTF-8.
std::string Utf8ToLatin1(const std::string& text);
// Every byte is the character of the same code.
std::string Latin1ToUtf8(const std::string& text);
// Number of characters: bytes that do not continue a multi-byte sequence.
std::size_t Utf8Length(const std::string& text);
// Up to `count` characters from character position `index0` (0-based); positions past
// the end give an empty text and the count is clamped at the end.
std::string Utf8Copy(const std::string& text, std::size_t index0, std::size_t count);

} // namespace g20seq
