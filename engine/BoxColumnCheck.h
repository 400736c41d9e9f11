// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/BoxSection.h"
#include "engine/ColumnInputs.h"
#include "engine/Fixed4.h"

#include <cstdint>

namespace engine {

// What the check needs to know of one box column; the sides may come in either order.
struct BoxColumnInputs {
  double depthMm = 100;         // A
  double widthMm = 100;         // B
  double wallThicknessMm = 3.2; // t
  double heightM = 4;           // H
  double kFactor = 0.85;        // K
  double axialLoadKg = 8000;    // P
  Materials materials;

  BoxSection section() const { return SortedBox(depthMm, widthMm, wallThicknessMm); }

  friend bool operator==(const BoxColumnInputs&, const BoxColumnInputs&) = default;
};

// The box column's figures by the method, in the order it computes them. The section's area and
// second moments stay unrounded for r; the area the capacity uses is rounded as the pipe's.
struct BoxColumnRecord {
  BoxSection section;                  // A >= B, t, mm
  BoxProperties properties;            // unrounded
  double columnLengthCm = 0;           // L
  Fixed4 radiusOfGyrationCm;           // r = sqrt(I minor / area), weak axis
  double effectiveLengthCm = 0;        // KL
  std::int32_t slendernessRatio = 0;   // KL / r, half to even
  Fixed4 sectionAreaCm2;               // A rounded
  double elasticCriticalStressMpa = 0; // fcc
  Fixed4 stressBlendMpa;               // (fcc^1.4 + fy^1.4)^0.714
  std::int32_t allowableStressMpa = 0; // Qac
  Fixed4 axialCapacityKg;              // 10 x Qac x A
  std::int32_t maxAxialForceKg = 0;    // the capacity rounded
  double bearingAreaRequiredCm2 = 0;   // P / fc
  std::int32_t plateSideCm = 0;        // of the square plate
  double plateOverhangCm = 0;          // a, beyond the width: the greater
  double plateOverhangMinorCm = 0;     // b, beyond the depth: the lesser
  Fixed4 bearingPressureKgCm2;         // fp = P / side2
  Fixed4 plateThicknessCm;             // sqrt(3 fp / fb (a2 - b2 / 4))
  std::int32_t plateThicknessMm = 0;   // rounded up
  double wallSlenderness = 0;          // (A - 3t) / t, the wider wall's flat width over t
  double wallSlendernessLimit = 0;     // 1.40 sqrt(E / fy)
  bool localBuckling = false;          // the wider wall's b/t beyond its limit
};

// Checks the box as an axially loaded column about its weak axis and sizes its square base plate,
// on the steps and roundings of the pipe's check. Throws ImpossibleBox for a section whose corners
// do not fit, and a Failure where a step leaves the range.
BoxColumnRecord CheckBoxColumn(const BoxColumnInputs& inputs);

// Whether the box carries its load: the exact capacity decides, and equality passes.
bool Carries(const BoxColumnRecord& record, double axialLoadKg);

} // namespace engine
