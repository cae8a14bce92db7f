#pragma once

#include "support/Types.h"

#include <cstddef>
#include <span>

namespace g20seq {

// Initial value of the zone file checksum; also the checksum of an empty buffer.
inline constexpr Word CRC16Init = 0xFFFF;

// Checksum of zone file headers: CRC-16 with the reflected polynomial 0xA001, initial
// value 0xFFFF and no final inversion. Each byte is XORed into the low byte, then the
// value is shifted right eight times, XORing 0xA001 whenever the bit shifted out was 1.
// Crc carries a running value, so a buffer may be checksummed in pieces.
Word CalculCRC16(std::span<const Byte> Data, Word Crc = CRC16Init);

} // namespace g20seq
