// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ColumnInputs.h"

#include <cstdint>
#include <vector>

namespace engine {

// One point of the allowable stress curve, as the check computes it at that slenderness.
struct StressCurvePoint {
  std::int32_t slenderness = 0;     // KL/r
  double elasticCriticalStress = 0; // fcc, MPa
  std::int32_t allowableStress = 0; // Qac, whole MPa
};

// Qac and fcc at every whole KL/r from `first` to `last`, by the check's own steps and roundings.
std::vector<StressCurvePoint> AllowableStressCurve(const Materials& materials,
                                                   std::int32_t first = 1, std::int32_t last = 250);

// One point of the second opinion's allowable stress Fn / Omega c, the wall not reduced.
struct CrossCheckCurvePoint {
  double slenderness = 0;        // KL/r
  double allowableStressMpa = 0; // Fn / Omega c
};

// The second opinion's allowable stress at every whole KL/r from `first` to `last`.
std::vector<CrossCheckCurvePoint>
CrossCheckStressCurve(const Materials& materials, std::int32_t first = 1, std::int32_t last = 250);

} // namespace engine
