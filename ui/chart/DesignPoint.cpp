// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chart/DesignPoint.h"

#include "project/ScheduleRow.h"
#include "ui/fonts/Utf8Text.h"

#include <algorithm>
#include <iterator>

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
  // The chart is the pipe's: a warning about its plate has no place on it.
  std::vector<engine::Warning> aboutThePipe;
  std::ranges::copy_if(
      answer.warnings, std::back_inserter(aboutThePipe),
      [](const engine::Warning& warning) { return engine::IsAboutThePipe(warning.kind); });
  if (point && !aboutThePipe.empty()) {
    point->label += QStringLiteral(" %1 %2").arg(
        FromUtf8(project::kWarningMark),
        QString::fromStdString(engine::WarningKeys(aboutThePipe, ", ")));
  }
  return point;
}

} // namespace ui
