#pragma once

#include "support/Types.h"

namespace g20seq {

// The one rounding of the system: to the nearest integer, ties to the even neighbour
// (0.5 -> 0, 1.5 -> 2, 2.5 -> 2, -2.5 -> -2). Raises ERangeError for a value that is not
// a number or does not fit 64 bits.
Int64 RoundToEven(double value);

} // namespace g20seq
