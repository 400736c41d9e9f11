// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chart/StressChart.h"

#include "engine/ColumnAssessment.h"
#include "engine/ColumnCheck.h"
#include "engine/CrossCheck.h"
#include "ui/fonts/ThaiFonts.h"
#include "ui/fonts/TypedText.h"
#include "ui/fonts/Utf8Text.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

constexpr int kLastSlenderness = 250;
constexpr int kSlendernessTick = 50;
constexpr int kStressTick = 20;
const QString kStressAxisTitle = QStringLiteral("หน่วยแรงอัดที่ยอมให้ Qac (MPa)");
const QString kSlendernessAxisTitle = QStringLiteral("อัตราส่วนความชะลูด KL/r");
constexpr double kPointsPerInch = 72;
// A column's label keeps this much more room than its face needs: a chart file read where that face
// is missing shows a wider one, which still stays on the label's white ground.
constexpr double kLabelRoom = 1.25;

constexpr int kCrossCheckMarkEvery = 20; // KL/r between the second opinion's marks

QRectF CrossCheckMark(const QPointF& at, double unit) {
  return {at.x() - 2.5 * unit, at.y() - 2.5 * unit, 5 * unit, 5 * unit};
}

// A face of `points` chart points: `unit` device pixels each, whatever the device's resolution, so
// the text keeps its size against the lines when the area is drawn larger or smaller.
QFont ChartFont(const QPainter& painter, double points, double unit, bool bold = false) {
  QFont font(InstalledThaiFamily(QString::fromLatin1(kDesignFontFamily), ThaiTextTarget::Document));
  font.setPointSizeF(points * unit * kPointsPerInch / painter.device()->logicalDpiY());
  font.setBold(bold);
  return QFont(font, painter.device());
}

// Maps KL/r and MPa onto the plot area.
class Axes {
public:
  Axes(const QRectF& plot, double stressTop) : plot_(plot), stressTop_(stressTop) {}
  double x(double slenderness) const {
    return plot_.left() + plot_.width() * slenderness / kLastSlenderness;
  }
  double y(double stress) const { return plot_.bottom() - plot_.height() * stress / stressTop_; }
  QPointF at(double slenderness, double stress) const { return {x(slenderness), y(stress)}; }
  const QRectF& plot() const { return plot_; }
  double stressTop() const { return stressTop_; }

private:
  QRectF plot_;
  double stressTop_;
};

void DrawAxes(QPainter& painter, const Axes& axes, double unit) {
  const QRectF& plot = axes.plot();
  painter.setFont(ChartFont(painter, 8, unit));
  const QFontMetricsF metrics(painter.font(), painter.device());
  for (int stress = 0; stress <= axes.stressTop(); stress += kStressTick) {
    painter.setPen(QPen(QColor(0xD0, 0xD0, 0xD0), 0.5 * unit));
    painter.drawLine(QPointF(plot.left(), axes.y(stress)), QPointF(plot.right(), axes.y(stress)));
    painter.setPen(QPen(Qt::black, 0.8 * unit));
    const QString text = QString::number(stress);
    DrawTypedText(painter,
                  QPointF(plot.left() - 4 * unit - metrics.horizontalAdvance(text),
                          axes.y(stress) + metrics.ascent() / 2 - unit),
                  text);
  }
  for (int slenderness = 0; slenderness <= kLastSlenderness; slenderness += kSlendernessTick) {
    painter.setPen(QPen(QColor(0xD0, 0xD0, 0xD0), 0.5 * unit));
    painter.drawLine(QPointF(axes.x(slenderness), plot.top()),
                     QPointF(axes.x(slenderness), plot.bottom()));
    painter.setPen(QPen(Qt::black, 0.8 * unit));
    const QString text = QString::number(slenderness);
    DrawTypedText(painter,
                  QPointF(axes.x(slenderness) - metrics.horizontalAdvance(text) / 2,
                          plot.bottom() + 4 * unit + metrics.ascent()),
                  text);
  }
  painter.setPen(QPen(Qt::black, 1 * unit));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(plot);

  painter.setFont(ChartFont(painter, 9, unit, true));
  const QFontMetricsF titleMetrics(painter.font(), painter.device());
  DrawTypedText(
      painter,
      QPointF(plot.center().x() - titleMetrics.horizontalAdvance(kSlendernessAxisTitle) / 2,
              plot.bottom() + 8 * unit + metrics.height() + titleMetrics.ascent()),
      kSlendernessAxisTitle);
  painter.save();
  painter.translate(plot.left() - 10 * unit - metrics.horizontalAdvance(QStringLiteral("000")),
                    plot.center().y() + titleMetrics.horizontalAdvance(kStressAxisTitle) / 2);
  painter.rotate(-90);
  DrawTypedText(painter, QPointF(0, 0), kStressAxisTitle);
  painter.restore();
}

// The second opinion's Fn / Omega c: a thin solid line with an open square every few KL/r, so it
// parts from the step line in black and white.
void DrawCrossCheckCurve(QPainter& painter, const Axes& axes, const StressChart& chart,
                         double unit) {
  QPainterPath curve;
  for (const engine::CrossCheckCurvePoint& point : chart.crossCheckCurve) {
    const QPointF at = axes.at(point.slenderness, point.allowableStressMpa);
    curve.elementCount() == 0 ? curve.moveTo(at) : curve.lineTo(at);
  }
  painter.setPen(QPen(Qt::black, 0.9 * unit));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(curve);
  painter.setBrush(Qt::white);
  for (const engine::CrossCheckCurvePoint& point : chart.crossCheckCurve) {
    if (static_cast<int>(point.slenderness) % kCrossCheckMarkEvery == kCrossCheckMarkEvery / 2) {
      painter.drawRect(CrossCheckMark(axes.at(point.slenderness, point.allowableStressMpa), unit));
    }
  }
  painter.setBrush(Qt::NoBrush);
}

// The curves end at the plot's frame by their own geometry: an SVG file keeps no clipping.
void DrawCurves(QPainter& painter, const Axes& axes, const StressChart& chart, double unit) {
  // The yield-based ceiling: a thin line.
  painter.setPen(QPen(Qt::black, 0.6 * unit, Qt::DotLine));
  painter.drawLine(axes.at(0, chart.ceiling), axes.at(kLastSlenderness, chart.ceiling));
  // The elastic critical stress from where it comes down through the top: dashed.
  QPainterPath elastic;
  const engine::StressCurvePoint* above = nullptr;
  for (const engine::StressCurvePoint& point : chart.curve) {
    if (point.elasticCriticalStress > axes.stressTop()) {
      above = &point;
      continue;
    }
    const QPointF at = axes.at(point.slenderness, point.elasticCriticalStress);
    if (elastic.elementCount() > 0) {
      elastic.lineTo(at);
    } else if (above == nullptr) {
      elastic.moveTo(at);
    } else {
      const double share = (above->elasticCriticalStress - axes.stressTop()) /
                           (above->elasticCriticalStress - point.elasticCriticalStress);
      elastic.moveTo(axes.at(above->slenderness + share * (point.slenderness - above->slenderness),
                             axes.stressTop()));
      elastic.lineTo(at);
    }
  }
  painter.setPen(QPen(Qt::black, 1 * unit, Qt::DashLine));
  painter.drawPath(elastic);
  // Qac in the check's whole-MPa steps: a solid step line.
  QPainterPath allowable;
  for (std::size_t i = 0; i < chart.curve.size(); ++i) {
    const engine::StressCurvePoint& point = chart.curve[i];
    const QPointF left = axes.at(point.slenderness - 0.5, point.allowableStress);
    const QPointF right =
        axes.at(std::min(point.slenderness + 0.5, double{kLastSlenderness}), point.allowableStress);
    i == 0 ? allowable.moveTo(left) : allowable.lineTo(left);
    allowable.lineTo(right);
  }
  painter.setPen(QPen(Qt::black, 1.8 * unit, Qt::SolidLine, Qt::FlatCap));
  painter.drawPath(allowable);
  DrawCrossCheckCurve(painter, axes, chart, unit);

  // The usual slenderness limit: a dash-dot vertical mark with its value.
  const double limitX = axes.x(engine::kSlendernessLimit);
  painter.setPen(QPen(Qt::black, 0.8 * unit, Qt::DashDotLine));
  painter.drawLine(QPointF(limitX, axes.plot().top()), QPointF(limitX, axes.plot().bottom()));
  painter.setFont(ChartFont(painter, 7.5, unit));
  DrawTypedText(painter, QPointF(limitX + 3 * unit, axes.plot().top() + 10 * unit),
                QStringLiteral("KL/r = %1").arg(engine::kSlendernessLimit));
}

void DrawLegend(QPainter& painter, const Axes& axes, const StressChart& chart, double unit) {
  painter.setFont(ChartFont(painter, 7.5, unit));
  const QFontMetricsF metrics(painter.font(), painter.device());
  const struct {
    Qt::PenStyle style;
    double width;
    QString text;
  } kEntries[] = {
      {Qt::SolidLine, 1.8, QStringLiteral("Qac ที่ใช้ในการตรวจสอบ")},
      {Qt::DashLine, 1, QStringLiteral("fcc = π²E / (KL/r)²")},
      {Qt::DotLine, 0.6, QStringLiteral("0.6 fy = %1 MPa").arg(chart.ceiling)},
      {Qt::SolidLine, 0.9,
       QStringLiteral("Fn/Ωc ความเห็นที่สอง %1 (ผนังไม่ลดลง)").arg(FromUtf8(engine::kCrossCheckCode))},
  };
  // The lower left stays clear of the curves at every material: the legend goes there.
  double y = axes.y(axes.stressTop() * 0.3);
  const double x = axes.x(6);
  for (const auto& entry : kEntries) {
    painter.setPen(QPen(Qt::black, entry.width * unit, entry.style));
    painter.drawLine(QPointF(x, y - metrics.ascent() / 3),
                     QPointF(x + 18 * unit, y - metrics.ascent() / 3));
    if (&entry == &kEntries[std::size(kEntries) - 1]) {
      painter.setBrush(Qt::white);
      painter.drawRect(CrossCheckMark(QPointF(x + 9 * unit, y - metrics.ascent() / 3), unit));
      painter.setBrush(Qt::NoBrush);
    }
    painter.setPen(Qt::black);
    DrawTypedText(painter, QPointF(x + 22 * unit, y), entry.text);
    y += metrics.height() * 1.1;
  }
}

void DrawColumns(QPainter& painter, const Axes& axes, const StressChart& chart, double unit) {
  painter.setFont(ChartFont(painter, 8, unit, true));
  const QFontMetricsF metrics(painter.font(), painter.device());
  for (const ChartColumn& column : chart.columns) {
    const bool beyondChart = column.slenderness > kLastSlenderness;
    const QPointF at =
        axes.at(std::min(column.slenderness, kLastSlenderness), column.allowableStress);
    painter.setPen(QPen(Qt::black, 1 * unit));
    if (beyondChart) {
      // The curve stops at the chart's edge; an arrowhead there says the column lies further on.
      painter.setBrush(Qt::black);
      painter.drawPolygon(QPolygonF(
          {at, at + QPointF(-9 * unit, -4.5 * unit), at + QPointF(-9 * unit, 4.5 * unit)}));
    } else {
      painter.setBrush(Qt::white);
      painter.drawEllipse(at, 4.5 * unit, 4.5 * unit);
      painter.setBrush(Qt::black);
      painter.drawEllipse(at, 2 * unit, 2 * unit);
    }
    painter.setBrush(Qt::NoBrush);
    const double width = metrics.horizontalAdvance(column.label) * kLabelRoom;
    const bool leftSide = at.x() + 8 * unit + width > axes.plot().right();
    const QPointF baseline(leftSide ? at.x() - 8 * unit - width : at.x() + 8 * unit,
                           at.y() - 6 * unit);
    // On white, so the label reads where it crosses a curve or a grid line.
    painter.fillRect(QRectF(baseline.x() - unit, baseline.y() - metrics.ascent(), width + 2 * unit,
                            metrics.height()),
                     Qt::white);
    DrawTypedText(painter, baseline, column.label);
  }
}

} // namespace

StressChart StressChart::For(const engine::Materials& materials, std::vector<ChartColumn> columns) {
  return {engine::AllowableStressCurve(materials, 1, kLastSlenderness),
          engine::CrossCheckStressCurve(materials, 1, kLastSlenderness),
          engine::AllowableStressCeiling(materials), std::move(columns)};
}

QRectF ChartAreaWithin(const QRectF& space) {
  const double scale =
      std::min(space.width() / kChartWidthPoints, space.height() / kChartHeightPoints);
  QRectF area(0, 0, kChartWidthPoints * scale, kChartHeightPoints * scale);
  area.moveCenter(space.center());
  return area;
}

void DrawStressChart(QPainter& painter, const QRectF& area, const StressChart& chart) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  // Everything scales with the area, so a chart twice the size is the same drawing twice as big.
  const double unit = area.width() / kChartWidthPoints;
  const QRectF plot = area.adjusted(62 * unit, 14 * unit, -14 * unit, -46 * unit);
  const double stressTop = std::ceil((chart.ceiling + 1) / kStressTick) * kStressTick;
  const Axes axes(plot, stressTop);
  painter.fillRect(area, Qt::white);
  DrawAxes(painter, axes, unit);
  DrawCurves(painter, axes, chart, unit);
  DrawLegend(painter, axes, chart, unit);
  DrawColumns(painter, axes, chart, unit);
  painter.restore();
}

} // namespace ui
