// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chart/ChartView.h"

#include <QPainter>

#include <cmath>

namespace ui {

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ChartView::setChart(StressChart chart) {
  chart_ = std::move(chart);
  update();
}

QSize ChartView::sizeHint() const {
  const double pixelsPerPoint = logicalDpiX() / 72.0;
  return {static_cast<int>(std::ceil(kChartWidthPoints * pixelsPerPoint)),
          static_cast<int>(std::ceil(kChartHeightPoints * pixelsPerPoint))};
}

QSize ChartView::minimumSizeHint() const {
  return {static_cast<int>(kChartWidthPoints), static_cast<int>(kChartHeightPoints)};
}

void ChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  try {
    DrawStressChart(painter, ChartAreaWithin(QRectF(rect())), chart_);
  } catch (...) {
    // A paint that fails leaves the view white; the next change of the chart paints it again.
  }
}

} // namespace ui
