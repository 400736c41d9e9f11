// SPDX-License-Identifier: GPL-3.0-or-later
// The chart draws the check's own curve and places the column where the check says; its SVG keeps
// the axis titles as text.

#include "ui/chart/StressChart.h"
#include "CheckedColumn.h"
#include "ui/chart/ChartFile.h"
#include "ui/chart/DesignPoint.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <cstdlib>
#include <optional>

namespace {

TEST(StressChart, CurveIsTheChecksAllowableStress) {
  const ui::StressChart chart = ui::StressChart::For({}, {});
  ASSERT_EQ(chart.curve.size(), 250u);
  EXPECT_EQ(chart.ceiling, 144);
  // Columns of the initial pipe at several heights and K give KL/r across the chart.
  for (const auto& [height, k] :
       {std::pair{1.0, 0.6}, {4.0, 0.85}, {6.0, 1.2}, {10.0, 2.0}, {10.0, 1.0}, {2.5, 1.0}}) {
    const engine::DesignRecord record = CheckedColumn(height, k);
    const int slenderness = *record.slendernessRatio;
    if (slenderness > 250) {
      continue;
    }
    const engine::StressCurvePoint& point = chart.curve[static_cast<std::size_t>(slenderness - 1)];
    EXPECT_EQ(point.slenderness, slenderness);
    EXPECT_EQ(point.allowableStress, *record.allowableStress) << "KL/r " << slenderness;
    EXPECT_EQ(point.elasticCriticalStress, *record.elasticCriticalStress);
  }
}

TEST(StressChart, SvgHasItsAxisTitlesAndDesignPointAsText) {
  const ui::StressChart chart =
      ui::StressChart::For({}, {*ui::DesignPointOf(CheckedColumn(4, 0.85))});
  QTemporaryDir folder;
  const char* keep = std::getenv("PIPECOLUMN_CHART_OUT"); // a folder to keep the files for a look
  const QString dir = keep != nullptr ? QString::fromLocal8Bit(keep) : folder.path();
  for (const char* name : {"chart.svg", "chart.png", "chart.pdf"}) {
    EXPECT_EQ(ui::WriteStressChart(dir + "/" + name, chart), QString()) << name;
  }
  EXPECT_NE(ui::WriteStressChart(dir + "/chart.bmp", chart), QString());
  QFile svg(dir + "/chart.svg");
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  QXmlStreamReader reader(&svg);
  QString root;
  QString text;
  while (!reader.atEnd()) {
    reader.readNext();
    if (reader.isStartElement() && root.isEmpty()) {
      root = reader.name().toString();
    } else if (reader.isCharacters() && !reader.isWhitespace()) {
      text += reader.text(); // a line of mixed scripts comes as one text element per script
    }
  }
  ASSERT_FALSE(reader.hasError()) << reader.errorString().toStdString();
  text.remove(' ');
  EXPECT_EQ(root, "svg");
  for (const char* expected :
       {"หน่วยแรงอัดที่ยอมให้ Qac (MPa)", "อัตราส่วนความชะลูด KL/r", "KL/r = 87, Qac = 92 MPa", "180"}) {
    EXPECT_TRUE(text.contains(QString::fromUtf8(expected).remove(' '))) << expected;
  }
}

TEST(StressChart, SvgDrawsNothingAboveItsPlot) {
  // A viewer of the SVG file shows what the painter's clipping would have hidden.
  QTemporaryDir folder;
  const QString path = folder.filePath("chart.svg");
  ASSERT_EQ(ui::WriteStressChart(path, ui::StressChart::For({}, {})), QString());
  QImage image(1040, 720, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QSvgRenderer(path).render(&painter);
  painter.end();
  const auto blank = [&](int x, int y) { return qGray(image.pixel(x, y)) > 240; };
  int frameTop = 0; // found at the right, where only the frame crosses a column above the curves
  while (frameTop < image.height() && blank(image.width() * 92 / 100, frameTop)) {
    ++frameTop;
  }
  ASSERT_LT(frameTop, image.height() / 4);
  for (int y = 0; y + 2 < frameTop; ++y) {
    for (int x = image.width() / 5; x < image.width() * 95 / 100; ++x) {
      ASSERT_TRUE(blank(x, y)) << "drawn at " << x << ", " << y << " above the frame at "
                               << frameTop;
    }
  }
}

struct PointCase {
  const char* name;
  engine::DesignRecord record;
  std::optional<std::int32_t> slenderness;
  std::int32_t allowableStress = 0;
  const char* label = "";
};

TEST(DesignPoint, IsTheChecksKLrAndQacWhateverTheLoad) {
  engine::DesignRecord stoppedBeforeQac;
  stoppedBeforeQac.slendernessRatio = 87;
  const PointCase cases[] = {
      {"initial column", CheckedColumn(4, 0.85), 87, 92, "KL/r = 87, Qac = 92 MPa"},
      {"load it does not carry", CheckedColumn(4, 0.85, 12000), 87, 92, "KL/r = 87, Qac = 92 MPa"},
      {"beyond the chart", CheckedColumn(10, 2), 509, 5, "KL/r = 509, Qac = 5 MPa"},
      {"not checked", engine::DesignRecord{}, std::nullopt},
      {"stopped before Qac", stoppedBeforeQac, std::nullopt},
  };
  for (const PointCase& c : cases) {
    const std::optional<ui::ChartColumn> point = ui::DesignPointOf(c.record);
    ASSERT_EQ(point.has_value(), c.slenderness.has_value()) << c.name;
    if (point) {
      EXPECT_EQ(point->slenderness, *c.slenderness) << c.name;
      EXPECT_EQ(point->allowableStress, c.allowableStress) << c.name;
      EXPECT_EQ(point->label, QString::fromUtf8(c.label)) << c.name;
    }
  }
}

TEST(DesignPoint, OfAnAnswerNamesItsWarnings) {
  const struct {
    engine::ColumnInputs inputs;
    const char* label; // empty: no point
  } cases[] = {
      {{}, "KL/r = 87, Qac = 92 MPa"},
      {{114.3, 3.2, 10, 2, 100, {}}, "KL/r = 509, Qac = 5 MPa (!) slenderness"},
      {{1000, 6, 4, 1, 1000, {}}, "KL/r = 11, Qac = 144 MPa (!) local_buckling"},
      {{10, 5, 4, 1, 100, {}}, ""}, // a pipe with no wall: the check stops
  };
  for (const auto& c : cases) {
    const std::optional<ui::ChartColumn> point = ui::DesignPointOf(engine::AnswerColumn(c.inputs));
    ASSERT_EQ(point.has_value(), *c.label != '\0') << c.label;
    if (point) {
      EXPECT_EQ(point->label, QString::fromUtf8(c.label));
    }
  }
}

QImage Drawn(const ui::StressChart& chart, int dotsPerInch) {
  QImage image(1040, 720, QImage::Format_RGB32);
  image.setDotsPerMeterX(qRound(dotsPerInch / 0.0254));
  image.setDotsPerMeterY(qRound(dotsPerInch / 0.0254));
  QPainter painter(&image);
  ui::DrawStressChart(painter, QRectF(image.rect()), chart);
  painter.end();
  return image;
}

TEST(StressChart, SameAreaDrawsTheSameAtAnyDeviceResolution) {
  // A window, a printer and a file differ in resolution; the text keeps its size in the area.
  const ui::StressChart chart =
      ui::StressChart::For({}, {*ui::DesignPointOf(CheckedColumn(4, 0.85))});
  const QImage at144 = Drawn(chart, 144);
  for (const int dotsPerInch : {72, 96, 600}) {
    EXPECT_TRUE(Drawn(chart, dotsPerInch) == at144) << dotsPerInch << " dpi";
  }
}

} // namespace
