// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/StressCurve.h"

#include "engine/ColumnCheck.h"

namespace engine {

std::vector<StressCurvePoint> AllowableStressCurve(const Materials& materials, std::int32_t first,
                                                   std::int32_t last) {
  std::vector<StressCurvePoint> curve;
  for (std::int32_t slenderness = first; slenderness <= last; ++slenderness) {
    DesignRecord record;
    const std::int32_t allowable = FillAllowableStress(slenderness, materials, record);
    curve.push_back({slenderness, *record.elasticCriticalStress, allowable});
  }
  return curve;
}

} // namespace engine
