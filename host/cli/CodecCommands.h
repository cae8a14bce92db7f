// Commands on controller payloads: the bytes a zone is sent as, and the decoding of a
// received payload into a zone.
#pragma once

#include "cli/CommandContext.h"

#include <string>
#include <vector>

namespace g20seq::host {

int CommandEncode(const TCommandContext& Context, const TArgs& Args);
int CommandDecode(const TCommandContext& Context, const TArgs& Args);

// Payload bytes as upper-case hexadecimal digits, two per byte, no separator.
std::string HexText(const std::vector<unsigned char>& Bytes);
// Bytes of a hexadecimal text; spaces, ':' and '-' between bytes are ignored. Raises
// TUsageError for any other character or an odd number of digits.
std::vector<unsigned char> ParseHex(const std::string& Text);

} // namespace g20seq::host
