// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/StressCurve.h"

#include "engine/ColumnCheck.h"
#include "engine/CrossCheck.h"

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

std::vector<CrossCheckCurvePoint> CrossCheckStressCurve(const Materials& materials,
                                                        std::int32_t first, std::int32_t last) {
  std::vector<CrossCheckCurvePoint> curve;
  for (std::int32_t slenderness = first; slenderness <= last; ++slenderness) {
    const double kl = static_cast<double>(slenderness);
    curve.push_back(
        {kl, CrossCheckNominalStress(kl, materials).nominalStressMpa / kCompressionSafetyFactor});
  }
  return curve;
}

} // namespace engine
