// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Fixed4.h"

#include <cstdint>

namespace engine {

// The method's square base plate, whatever the section on it: each constant is the double nearest
// to the decimal written.
inline constexpr double kPlateSideMargin = 1;    // cm beyond the root of the bearing area
inline constexpr double kWidenedPlateMargin = 2; // cm beyond the section, which leaves room to weld
inline constexpr double kOverhangDivisor = 20;   // half the difference, and mm to cm
inline constexpr double kMinimumOverhang = 1;    // cm
inline constexpr std::int32_t kPlateThicknessNumerator = 3;
inline constexpr double kLesserOverhangDivisor = 4; // t = sqrt(3 fp / fb (a2 - b2 / 4))
inline constexpr Fixed4 kMinimumPlateThickness = Fixed4::FromCount(2000); // 0.2 cm

} // namespace engine
