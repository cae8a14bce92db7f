#include "support/ByteArray.h"

#include "support/Exceptions.h"
#include "support/Format.h"

namespace g20seq {

namespace {

// Raises the range error unless `size` bytes from `offset` lie within the buffer.
void CheckRange(int offset, int size) {
    if (offset < 0 || size < 0 || offset > MaxBuffer - size)
        throw ERangeError();
}

} // namespace

void PutByte(TByteArray& buffer, int offset, Byte value) {
    CheckRange(offset, 1);
    buffer[offset] = value;
}

void PutWord(TByteArray& buffer, int offset, Word value) {
    CheckRange(offset, 2);
    buffer[offset] = HiByte(value);
    buffer[offset + 1] = LoByte(value);
}

void PutLong(TByteArray& buffer, int offset, LongWord value) {
    CheckRange(offset, 4);
    PutWord(buffer, offset, HiWord(value));
    PutWord(buffer, offset + 2, LoWord(value));
}

Byte GetByte(const TByteArray& buffer, int offset) {
    CheckRange(offset, 1);
    return buffer[offset];
}

Word GetWord(const TByteArray& buffer, int offset) {
    CheckRange(offset, 2);
    return MakeWord(buffer[offset], buffer[offset + 1]);
}

LongWord GetLong(const TByteArray& buffer, int offset) {
    CheckRange(offset, 4);
    return MakeLong(GetWord(buffer, offset), GetWord(buffer, offset + 2));
}

std::string HexDump(const TByteArray& buffer, int offset, int count) {
    CheckRange(offset, count);
    std::string text;
    text.reserve(static_cast<std::size_t>(count) * 3);
    for (int i = offset; i < offset + count; ++i)
        text += Format(" %2.2X", buffer[i]);
    return text;
}

LongWord GetNumber(const TByteArray& buffer, int offset, int width) {
    switch (width) {
    case 1:
        return GetByte(buffer, offset);
    case 2:
        return GetWord(buffer, offset);
    case 4:
        return GetLong(buffer, offset);
    default:
        throw ERangeError();
    }
}

void PutNumber(TByteArray& buffer, int offset, int width, Int64 value, bool isSigned) {
    if (width != 1 && width != 2 && width != 4)
        throw ERangeError();
    const int bits = 8 * width;
    const Int64 low = isSigned ? -(Int64{1} << (bits - 1)) : 0;
    const Int64 high = isSigned ? (Int64{1} << (bits - 1)) - 1 : (Int64{1} << bits) - 1;
    if (value < low || value > high)
        throw ERangeError();
    const auto bytes = static_cast<LongWord>(value);
    if (width == 1)
        PutByte(buffer, offset, static_cast<Byte>(bytes));
    else if (width == 2)
        PutWord(buffer, offset, static_cast<Word>(bytes));
    else
        PutLong(buffer, offset, bytes);
}

} // namespace g20seq
