#pragma once

#include "engine/Fixed4.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <variant>

namespace engine {

// A double quantity holds no value until the first calculation sets it; it then counts as 0 in
// arithmetic and the sheet prints nothing for it.
using OptionalDouble = std::optional<double>;

// The design quantities. Only the capacity calculation writes them; a failed calculation leaves
// the quantities of its later steps as the previous run left them.
struct DesignRecord {
  OptionalDouble OutsideDiameter;     // D, mm
  OptionalDouble WallThickness;       // T, mm
  OptionalDouble InsideDiameter;      // d = D - 2T, mm
  Fixed4 RadiusOfGyration;            // r, cm
  OptionalDouble ColumnLength;        // L, cm
  std::int32_t SlendernessRatio = 0;  // lambda = KL / r
  OptionalDouble ElasticModulus;      // E, MPa
  OptionalDouble Qcc;                 // elastic critical stress, MPa
  OptionalDouble EffectiveLength;     // KL, cm
  OptionalDouble KFactor;             // K
  Fixed4 SectionArea;                 // A, cm2
  OptionalDouble YieldStress;         // fy, MPa
  Fixed4 StressBlend;                 // MPa
  std::int32_t Qac = 0;               // permissible axial stress, MPa
  Fixed4 AxialCapacity;               // 10 x Qac x A, kg
  std::int32_t MaxAxialForce = 0;     // AxialCapacity rounded, kg
  OptionalDouble AxialLoad;           // P, kg
  OptionalDouble ConcreteBearing;     // fc, kg/cm2
  OptionalDouble BearingAreaRequired; // P / fc, cm2
  std::int32_t PlateSize = 0;         // side B of the square plate, cm
  OptionalDouble PlateEdge;           // overhang w beyond the pipe, cm
  Fixed4 BearingPressure;             // fp = P / B^2, kg/cm2
  OptionalDouble PlateBendingStress;  // fb, kg/cm2
  Fixed4 PlateThickness;              // t, cm
  std::int32_t PlateThicknessMm = 0;  // t in whole mm
};

using QuantityValue = std::variant<OptionalDouble, Fixed4, std::int32_t>;

// Calls visit(name, value) for every quantity in declaration order.
void ForEachQuantity(const DesignRecord& record,
                     const std::function<void(std::string_view, const QuantityValue&)>& visit);

} // namespace engine
