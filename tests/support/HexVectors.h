// Payload test vectors stored as hexadecimal text under tests/data/.
//
// Format: bytes as two-digit hexadecimal numbers separated by blanks or line ends; '#'
// starts a comment that runs to the end of its line. One payload per file.
#pragma once

#include "support/ByteArray.h"
#include "support/Types.h"

#include <span>
#include <string>
#include <vector>

namespace g20seq::testkit {

using TBytes = std::vector<Byte>;

// Path of a file of the test data directory: Name relative to tests/data/.
std::string TestDataPath(const std::string& Name);

// The bytes of the vector file Name (relative to tests/data/). A missing file or a word
// that is not a two-digit hexadecimal number raises std::runtime_error naming the file.
TBytes ReadHexVector(const std::string& Name);

// The bytes as "01 F4 00 64 ..." (readable failure messages, new vector files).
std::string ToHex(std::span<const Byte> Bytes);

// A payload buffer holding Bytes from index 0, zeros after.
TByteArray ToPayload(std::span<const Byte> Bytes);

// Bytes First .. First+Count-1 of a payload buffer.
TBytes FromPayload(const TByteArray& Trame, int First, int Count);

} // namespace g20seq::testkit
