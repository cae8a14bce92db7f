#pragma once

#include "support/Types.h"

#include <array>
#include <string>

namespace g20seq {

// The payload buffer of a controller frame. Multi-byte integers in payloads are stored
// most significant byte first. Every access is bounds-checked: a byte, word or long that
// does not lie entirely within 0..MaxBuffer-1 raises ERangeError "Range check error".
constexpr int MaxBuffer = 32768;
using TByteArray = std::array<Byte, MaxBuffer>;

void PutByte(TByteArray& buffer, int offset, Byte value);
void PutWord(TByteArray& buffer, int offset, Word value);
void PutLong(TByteArray& buffer, int offset, LongWord value);
Byte GetByte(const TByteArray& buffer, int offset);
Word GetWord(const TByteArray& buffer, int offset);
LongWord GetLong(const TByteArray& buffer, int offset);
// A number of width 1, 2 or 4 bytes (any other width raises ERangeError). PutNumber raises
// ERangeError for a value that does not fit its bytes; signed values are written in two's
// complement.
LongWord GetNumber(const TByteArray& buffer, int offset, int width);
void PutNumber(TByteArray& buffer, int offset, int width, Int64 value, bool isSigned = false);

constexpr Word MakeWord(Byte hi, Byte lo) {
    return static_cast<Word>((hi << 8) | lo);
}
constexpr LongWord MakeLong(Word hi, Word lo) {
    return (static_cast<LongWord>(hi) << 16) | lo;
}
constexpr Byte HiByte(Word value) {
    return static_cast<Byte>(value >> 8);
}
constexpr Byte LoByte(Word value) {
    return static_cast<Byte>(value & 0xFF);
}
constexpr Word HiWord(LongWord value) {
    return static_cast<Word>(value >> 16);
}
constexpr Word LoWord(LongWord value) {
    return static_cast<Word>(value & 0xFFFF);
}

// `count` bytes from `offset`, each written " %2.2X" (a space, two hex digits).
std::string HexDump(const TByteArray& buffer, int offset, int count);

} // namespace g20seq
