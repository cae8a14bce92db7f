#include "support/Rounding.h"

#include "support/Exceptions.h"

#include <cmath>

namespace g20seq {

Int64 RoundToEven(double value) {
    // The process never leaves the default rounding mode (to nearest, ties to even), so
    // nearbyint rounds exactly as the system requires.
    const double rounded = std::nearbyint(value);
    // 2^63 is the first double that no longer fits a signed 64-bit integer.
    constexpr double Limit = 9223372036854775808.0;
    if (!(rounded >= -Limit && rounded < Limit))
        throw ERangeError();
    return static_cast<Int64>(rounded);
}

} // namespace g20seq
