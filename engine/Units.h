// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace engine {

// Unit conversions of the check, each the exact factor between two units.
inline constexpr double kCentimetresPerMetre = 100;
inline constexpr double kMillimetresPerCentimetre = 10;
inline constexpr std::int32_t kWholeMillimetresPerCentimetre = 10;
// 1 MPa is taken as 10 kg/cm2.
inline constexpr std::int32_t kKgPerCm2PerMpa = 10;
// Standard gravity, m/s2: one kilogram-force is this many newtons.
inline constexpr double kStandardGravity = 9.80665;
inline constexpr double kSquareMillimetresPerSquareCentimetre = 100;

} // namespace engine
