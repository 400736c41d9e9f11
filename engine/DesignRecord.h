// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Fixed4.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <variant>

namespace engine {

// A quantity holds no value until a check computes it; the sheet prints nothing for it and the
// JSON gives null.
using OptionalDouble = std::optional<double>;
using OptionalFixed4 = std::optional<Fixed4>;
using OptionalWhole = std::optional<std::int32_t>;

// The design quantities of one check, in the order the check computes them. A failed check
// leaves the quantities of its later steps as they were.
struct DesignRecord {
  OptionalDouble outsideDiameter;       // D, mm
  OptionalDouble wallThickness;         // T, mm
  OptionalDouble columnLength;          // L, cm
  OptionalDouble insideDiameter;        // d = D - 2T, mm
  OptionalFixed4 radiusOfGyration;      // r, cm
  OptionalDouble kFactor;               // K
  OptionalDouble effectiveLength;       // KL, cm
  OptionalWhole slendernessRatio;       // KL / r
  OptionalFixed4 sectionArea;           // A, cm2
  OptionalDouble yieldStress;           // fy, MPa
  OptionalDouble elasticModulus;        // E, MPa
  OptionalDouble elasticCriticalStress; // fcc, MPa
  OptionalFixed4 stressBlend;           // (fcc^1.4 + fy^1.4)^0.714, MPa
  OptionalWhole allowableStress;        // Qac, MPa
  OptionalFixed4 axialCapacity;         // 10 x Qac x A, kg
  OptionalWhole maxAxialForce;          // the capacity rounded, kg
  OptionalDouble allowableBearing;      // fc, kg/cm2
  OptionalDouble axialLoad;             // P, kg
  OptionalDouble bearingAreaRequired;   // P / fc, cm2
  OptionalWhole plateSide;              // B of the square plate, cm
  OptionalDouble plateOverhang;         // w beyond the pipe, cm
  OptionalFixed4 bearingPressure;       // fp = P / B2, kg/cm2
  OptionalDouble allowablePlateBending; // fb, kg/cm2
  OptionalFixed4 plateThickness;        // t, cm
  OptionalWhole plateThicknessMm;       // t in whole mm
};

using QuantityValue = std::variant<OptionalDouble, OptionalFixed4, OptionalWhole>;

// Calls visit(key, value) for every computed result (not the inputs the record repeats), in the
// order of the check; the key names the quantity and its unit, as in "plate_side_cm".
void ForEachResult(const DesignRecord& record,
                   const std::function<void(std::string_view, const QuantityValue&)>& visit);

} // namespace engine
