// Frames of the link to a controller: arbitrary bytes are read as the body of a frame. A
// body that decodes must encode back to the same bytes (length prefix aside); anything else
// than a refusal (a crash, an over-read, a message that does not round-trip) is a finding.
#include "sim/SimMessage.h"

#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    using g20seq::host::TSimFrame;
    const std::span<const std::uint8_t> corps(Data, Size);
    const auto message = TSimFrame::Decode(corps);
    if (!message)
        return 0;
    const auto trame = TSimFrame::Encode(*message);
    const auto relu = std::span(trame).subspan(TSimFrame::LengthSize);
    if (relu.size() != corps.size() || !std::equal(relu.begin(), relu.end(), corps.begin()))
        __builtin_trap();
    return 0;
}
