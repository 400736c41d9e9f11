// The chart draws the check's own curve and places the column where the check says; its SVG keeps
// the axis titles as text.

#include "ui/chart/StressChart.h"
#include "engine/ColumnCheck.h"
#include "ui/chart/ChartFile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <cstdlib>

namespace {

engine::DesignRecord Checked(double heightM, double kFactor) {
  engine::ColumnInputs inputs;
  inputs.heightM = heightM;
  inputs.kFactor = kFactor;
  return engine::CheckColumn(inputs);
}

TEST(StressChart, CurveIsTheChecksAllowableStress) {
  const ui::StressChart chart = ui::StressChart::For({}, {});
  ASSERT_EQ(chart.curve.size(), 250u);
  EXPECT_EQ(chart.ceiling, 144);
  // Columns of the initial pipe at several heights and K give KL/r across the chart.
  for (const auto& [height, k] :
       {std::pair{1.0, 0.6}, {4.0, 0.85}, {6.0, 1.2}, {10.0, 2.0}, {10.0, 1.0}, {2.5, 1.0}}) {
    const engine::DesignRecord record = Checked(height, k);
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
  const engine::DesignRecord record = Checked(4, 0.85);
  const ui::StressChart chart =
      ui::StressChart::For({}, {{*record.slendernessRatio, *record.allowableStress,
                                 QStringLiteral("KL/r = %1, Qac = %2 MPa")
                                     .arg(*record.slendernessRatio)
                                     .arg(*record.allowableStress)}});
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

} // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
