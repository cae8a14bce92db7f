#include "ui/SystemColor.h"

namespace g20seq {

TRgb SystemColorToRgb(TSystemColor Color) {
    const auto value = static_cast<std::uint32_t>(Color);
    return {static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>((value >> 8) & 0xFF),
            static_cast<std::uint8_t>((value >> 16) & 0xFF)};
}

} // namespace g20seq
