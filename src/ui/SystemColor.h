// Colours as the system stores them and as screens show them.
//
// The system's colour values are in blue-green-red order (0x00BBGGRR: 255 is red,
// 0x008000 dark green, 0x00FFFF yellow). Screens and Qt want red-green-blue. The two are
// distinct types so that one cannot be passed for the other, and SystemColorToRgb is
// the only place where the byte order is turned round.
#pragma once

#include <cstdint>

namespace g20seq {

// A colour value of the system, 0x00BBGGRR.
enum class TSystemColor : std::uint32_t {};

// The colour values the graphs and editors use.
inline constexpr TSystemColor clRed{0x0000FF};
inline constexpr TSystemColor clGreen{0x008000};
inline constexpr TSystemColor clLime{0x00FF00};
inline constexpr TSystemColor clYellow{0x00FFFF};
inline constexpr TSystemColor clWhite{0xFFFFFF};

// A screen colour, red-green-blue.
struct TRgb {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;

    friend constexpr bool operator==(const TRgb&, const TRgb&) = default;
};

TRgb SystemColorToRgb(TSystemColor Color);

} // namespace g20seq
