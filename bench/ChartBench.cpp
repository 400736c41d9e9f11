// SPDX-License-Identifier: GPL-3.0-or-later
// The allowable stress chart: its curve computed, and the chart with the column's point drawn into
// an image twice its natural size and into an SVG in memory.

#include "engine/ColumnCheck.h"
#include "ui/chart/DesignPoint.h"
#include "ui/chart/StressChart.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "QtBenchmarkMain.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kPixelsPerPoint = 2;

ui::StressChart InitialColumnsChart() {
  const engine::ColumnInputs inputs;
  return ui::StressChart::For(inputs.materials, {*ui::DesignPointOf(engine::CheckColumn(inputs))});
}

// The window computes it again only when the steel changes.
void ChartCurve(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(ui::StressChart::For({}, {}));
  }
}
BENCHMARK(ChartCurve)->Unit(benchmark::kMicrosecond);

void ChartToImage(benchmark::State& state) {
  const ui::StressChart chart = InitialColumnsChart();
  QImage image(static_cast<int>(ui::kChartWidthPoints) * kPixelsPerPoint,
               static_cast<int>(ui::kChartHeightPoints) * kPixelsPerPoint, QImage::Format_RGB32);
  image.setDotsPerMeterX(qRound(72 * kPixelsPerPoint / 0.0254));
  image.setDotsPerMeterY(qRound(72 * kPixelsPerPoint / 0.0254));
  for (auto _ : state) {
    QPainter painter(&image);
    ui::DrawStressChart(painter, QRectF(image.rect()), chart);
  }
}
BENCHMARK(ChartToImage)->Unit(benchmark::kMillisecond);

void ChartToSvg(benchmark::State& state) {
  const ui::StressChart chart = InitialColumnsChart();
  const QRectF area(0, 0, ui::kChartWidthPoints, ui::kChartHeightPoints);
  for (auto _ : state) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(area.size().toSize());
    generator.setViewBox(area);
    generator.setResolution(72);
    QPainter painter(&generator);
    ui::DrawStressChart(painter, area, chart);
    painter.end();
    benchmark::DoNotOptimize(buffer.data().size());
  }
}
BENCHMARK(ChartToSvg)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
  return RunBenchmarksInside<QGuiApplication>(argc, argv);
}
