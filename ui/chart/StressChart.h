// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ColumnInputs.h"
#include "engine/StressCurve.h"

#include <QRectF>
#include <QString>

#include <cstdint>
#include <vector>

class QPainter;

namespace ui {

// A column placed on the chart: its KL/r and Qac, and the label written beside it.
struct ChartColumn {
  std::int32_t slenderness = 0;
  std::int32_t allowableStress = 0;
  QString label;
};

// What the allowable stress chart shows: the check's Qac against KL/r, the elastic critical
// stress, the yield-based ceiling, the slenderness limit, the second opinion's allowable stress
// and the columns placed on it.
struct StressChart {
  std::vector<engine::StressCurvePoint> curve;
  std::vector<engine::CrossCheckCurvePoint> crossCheckCurve;
  double ceiling = 0; // 0.6 fy, MPa
  std::vector<ChartColumn> columns;

  static StressChart For(const engine::Materials& materials, std::vector<ChartColumn> columns);
};

// The chart's natural size in points, for files and the window's first size.
inline constexpr double kChartWidthPoints = 520;
inline constexpr double kChartHeightPoints = 360;

// The largest area of the chart's proportions centred in `space`: the chart scaled to a window
// or a page without being stretched.
QRectF ChartAreaWithin(const QRectF& space);

// Draws the chart into `area` on any painter: screen, printer, PDF or SVG. Black and white carry
// every distinction (line styles and marks, not colour alone). Lines and text scale together with
// the area, at any device resolution. A column beyond the last KL/r shown is marked at the edge.
void DrawStressChart(QPainter& painter, const QRectF& area, const StressChart& chart);

} // namespace ui
