#include "eprom/CalculCRC16.h"

#include <array>

namespace g20seq {

namespace {

constexpr Word CRC16Polynomial = 0xA001;

// Eight shift steps of one byte value, precomputed for every byte.
constexpr std::array<Word, 256> MakeCRC16Table() {
    std::array<Word, 256> table{};
    for (int value = 0; value < 256; ++value) {
        Word crc = static_cast<Word>(value);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) != 0 ? static_cast<Word>((crc >> 1) ^ CRC16Polynomial)
                                 : static_cast<Word>(crc >> 1);
        table[static_cast<std::size_t>(value)] = crc;
    }
    return table;
}

constexpr std::array<Word, 256> CRC16Table = MakeCRC16Table();

} // namespace

Word CalculCRC16(std::span<const Byte> Data, Word Crc) {
    for (const Byte value : Data)
        Crc = static_cast<Word>((Crc >> 8) ^ CRC16Table[(Crc ^ value) & 0xFF]);
    return Crc;
}

} // namespace g20seq
