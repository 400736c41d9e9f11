// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chart/DesignPoint.h"

namespace ui {

std::optional<ChartColumn> DesignPointOf(const engine::DesignRecord& record) {
  if (!record.slendernessRatio || !record.allowableStress) {
    return std::nullopt;
  }
  const std::int32_t slenderness = *record.slendernessRatio;
  const std::int32_t allowableStress = *record.allowableStress;
  return ChartColumn{
      slenderness, allowableStress,
      QStringLiteral("KL/r = %1, Qac = %2 MPa").arg(slenderness).arg(allowableStress)};
}

} // namespace ui
