// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/chart/StressChart.h"

#include <QWidget>

namespace ui {

// Shows a chart as large as the widget allows without stretching it, on white.
class ChartView : public QWidget {
public:
  explicit ChartView(QWidget* parent = nullptr);

  void setChart(StressChart chart);
  const StressChart& chart() const { return chart_; }

  // The chart at its natural size in points on this screen; at least its size in pixels.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  StressChart chart_;
};

} // namespace ui
