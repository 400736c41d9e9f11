// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Fixed4.h"

#include <cstdint>

namespace engine {

// Rounding of the calculation. Both round the exact value half to even and fail with
// Overflow when the result does not fit.

// x to four fractional digits: 0.03125 gives 0.0312, 0.09375 gives 0.0938.
Fixed4 ToFixed4(double x);

// x to a whole number within 32 bits: 0.5 gives 0, 1.5 gives 2, 2.5 gives 2, -2.5 gives -2.
std::int32_t ToInt32(double x);
std::int32_t ToInt32(Fixed4 x);

// The smallest whole number not below x: 12.0001 gives 13, 12 gives 12, -0.5 gives 0.
std::int32_t CeilingToInt32(Fixed4 x);

} // namespace engine
