// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chart/DesignPoint.h"

#include "project/ScheduleRow.h"

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

std::optional<ChartColumn> DesignPointOf(const engine::ColumnAnswer& answer) {
  if (answer.verdict == engine::Verdict::NotChecked) {
    return std::nullopt;
  }
  std::optional<ChartColumn> point = DesignPointOf(answer.record);
  if (point && !answer.warnings.empty()) {
    point->label += QStringLiteral(" %1 %2").arg(
        QString::fromUtf8(project::kWarningMark.data(),
                          static_cast<qsizetype>(project::kWarningMark.size())),
        QString::fromStdString(engine::WarningKeys(answer.warnings, ", ")));
  }
  return point;
}

} // namespace ui
