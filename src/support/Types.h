#pragma once

#include <cstdint>

namespace g20seq {

// Fixed-width integer names used across the code base: the controller stores bytes,
// 16-bit words and 32-bit long words; 64-bit integers carry intermediate results.
using Byte = std::uint8_t;
using Word = std::uint16_t;
using LongWord = std::uint32_t;
using Int64 = std::int64_t;

} // namespace g20seq
