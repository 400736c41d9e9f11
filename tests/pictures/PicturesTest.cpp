// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pictures/Pictures.h"
#include "ui/pictures/VectorPicture.h"

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <ostream>

namespace {

using report::PictureId;

struct ExpectedPicture {
  PictureId id;
  const char* name;
  double widthInches;
  double heightInches;
  QRectF viewBox;
};

const std::array<ExpectedPicture, 10> kTable{{
    {PictureId::PipeIcon, "PipeIcon", 32 / 96.0, 32 / 96.0, {0, 0, 32, 32}},
    {PictureId::HandPointer, "HandPointer", 32 / 96.0, 32 / 96.0, {0, 0, 32, 32}},
    {PictureId::HandbookCover, "HandbookCover", 1890 / 1440.0, 2610 / 1440.0, {0, 0, 126, 174}},
    {PictureId::ColumnDrawing, "ColumnDrawing", 5235 / 1440.0, 7050 / 1440.0, {0, 0, 11886, 16000}},
    {PictureId::ColumnSketch, "ColumnSketch", 3.486, 8.939, {0, 0, 6241, 16000}},
    {PictureId::GyrationFormula, "GyrationFormula", 1.333, 1.193, {0, 0, 16000, 14307}},
    {PictureId::PermissibleStressSheet,
     "PermissibleStressSheet",
     3.460,
     2.448,
     {0, 0, 16000, 11316}},
    {PictureId::BoxColumnDrawing,
     "BoxColumnDrawing",
     5235 / 1440.0,
     7050 / 1440.0,
     {0, 0, 11886, 16000}},
    {PictureId::BoxColumnSketch, "BoxColumnSketch", 3.486, 8.939, {0, 0, 6241, 16000}},
    {PictureId::BoxSectionFormula, "BoxSectionFormula", 2.8, 1.5, {0, 0, 11200, 6000}},
}};

void PrintTo(const ExpectedPicture& picture, std::ostream* out) {
  *out << picture.name;
}

std::optional<double> lengthInInches(QString attribute) {
  double perInch = 0;
  if (attribute.endsWith(QLatin1String("in"))) {
    perInch = 1;
  } else if (attribute.endsWith(QLatin1String("px"))) {
    perInch = 96;
  } else {
    return std::nullopt;
  }
  attribute.chop(2);
  bool ok = false;
  const double value = attribute.toDouble(&ok);
  return ok ? std::optional<double>(value / perInch) : std::nullopt;
}

int opaquePixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    }
  }
  return count;
}

class EveryPicture : public ::testing::TestWithParam<ExpectedPicture> {};

TEST_P(EveryPicture, HasItsNaturalSizeAndAspectRatio) {
  const ExpectedPicture& expected = GetParam();
  const QSizeF inches = pictures::naturalSizeInches(expected.id);
  EXPECT_NEAR(inches.width(), expected.widthInches, 1e-3);
  EXPECT_NEAR(inches.height(), expected.heightInches, 1e-3);

  const pictures::VectorPicture picture(pictures::resourcePath(expected.id));
  ASSERT_TRUE(picture.isValid());
  EXPECT_EQ(picture.viewBox(), expected.viewBox);
  const auto width = lengthInInches(picture.declaredWidth());
  const auto height = lengthInInches(picture.declaredHeight());
  ASSERT_TRUE(width && height) << picture.declaredWidth().toStdString();
  EXPECT_NEAR(*width, expected.widthInches, 1e-3);
  EXPECT_NEAR(*height, expected.heightInches, 1e-3);
  // The logical area must not be stretched on its way to the natural size.
  const double logicalAspect = expected.viewBox.width() / expected.viewBox.height();
  EXPECT_NEAR(logicalAspect / (*width / *height), 1.0, 0.002);
}

TEST_P(EveryPicture, RendersAtNaturalPixelSizeForTheScreen) {
  const ExpectedPicture& expected = GetParam();
  const QSize natural(qRound(expected.widthInches * 96), qRound(expected.heightInches * 96));
  EXPECT_EQ(pictures::naturalSizePixels(expected.id), natural);
  const QPixmap pixmap = pictures::picturePixmap(expected.id, 2.0);
  EXPECT_EQ(pixmap.size(), natural * 2);
  EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), natural);
  EXPECT_GT(opaquePixels(pixmap.toImage()), pixmap.width() * pixmap.height() / 20)
      << "picture renders (nearly) empty";
}

INSTANTIATE_TEST_SUITE_P(Pictures, EveryPicture, ::testing::ValuesIn(kTable),
                         [](const auto& info) { return std::string(info.param.name); });

struct FixedText {
  PictureId id;
  QString span;
  const char* colour; // nullptr: not checked
};

// Texts whose exact wording, blanks included, and colour the pictures must keep.
const std::array<FixedText, 41> kFixedTexts{{
    {PictureId::ColumnDrawing, "L", "#da251d"},
    {PictureId::ColumnDrawing, "T", "#0093dd"},
    {PictureId::ColumnDrawing, "D", nullptr},
    {PictureId::ColumnDrawing, "Steel ", nullptr},
    {PictureId::ColumnDrawing, "Base ", nullptr},
    {PictureId::ColumnDrawing, "Plate", nullptr},
    {PictureId::BoxColumnDrawing, "L", "#da251d"},
    {PictureId::BoxColumnDrawing, "t", "#0093dd"},
    {PictureId::BoxColumnDrawing, "A", nullptr},
    {PictureId::BoxColumnDrawing, "B", nullptr},
    {PictureId::BoxColumnDrawing, "R = 2t", nullptr},
    {PictureId::BoxColumnDrawing, "Plate", nullptr},
    {PictureId::ColumnSketch, "L", nullptr},
    {PictureId::ColumnSketch, "D", nullptr},
    {PictureId::ColumnSketch, "T", nullptr},
    {PictureId::BoxColumnSketch, "A", nullptr},
    {PictureId::BoxColumnSketch, "B", nullptr},
    {PictureId::BoxColumnSketch, "t", nullptr},
    {PictureId::BoxColumnSketch, "R = 2t", nullptr},
    {PictureId::BoxSectionFormula, "r =", "#1f1a17"},
    {PictureId::GyrationFormula, "R =", "#1f1a17"},
    {PictureId::GyrationFormula, "R = Radius of gyration", "#1f1a17"},
    {PictureId::GyrationFormula, "D = Outside Diameter", "#1f1a17"},
    {PictureId::GyrationFormula, "d ", nullptr},
    {PictureId::GyrationFormula, "= ", nullptr},
    {PictureId::GyrationFormula, "Inside ", nullptr},
    {PictureId::GyrationFormula, "Diameter", nullptr},
    {PictureId::PermissibleStressSheet, QStringLiteral(u"คำนวณหา "), "#00923f"},
    {PictureId::PermissibleStressSheet, "Permissible stress", "#00923f"},
    {PictureId::PermissibleStressSheet, "Qac = 0.6", nullptr},
    {PictureId::PermissibleStressSheet, "[           ]", nullptr},
    {PictureId::PermissibleStressSheet, "(    )", nullptr},
    {PictureId::PermissibleStressSheet, "(  )", nullptr},
    {PictureId::PermissibleStressSheet, "1/", nullptr},
    {PictureId::PermissibleStressSheet, "Where", nullptr},
    {PictureId::PermissibleStressSheet, "Qac ", nullptr},
    {PictureId::PermissibleStressSheet, "fy  ", nullptr},
    {PictureId::PermissibleStressSheet, "= modulus of elasticity of steel ; 2 x 10  Mpa;",
     "#1f1a17"},
    {PictureId::PermissibleStressSheet, "          = slenderness ratio of the member, rato of the",
     nullptr},
    {PictureId::PermissibleStressSheet, "effective length to appropriate radius of gyration;and",
     nullptr},
    {PictureId::PermissibleStressSheet, "= elastic critical stress in compress, =  ", nullptr},
}};

TEST(FixedTexts, AreDrawnWordForWordInTheirColours) {
  for (const FixedText& fixed : kFixedTexts) {
    const pictures::VectorPicture picture(pictures::resourcePath(fixed.id));
    bool found = false;
    for (const pictures::TextRun& run : picture.textRuns()) {
      if (run.spans.contains(fixed.span)) {
        found = true;
        if (fixed.colour) {
          EXPECT_EQ(run.fill.name(), QLatin1String(fixed.colour)) << fixed.span.toStdString();
        }
      }
    }
    EXPECT_TRUE(found) << "missing text run '" << fixed.span.toStdString() << "'";
  }
}

TEST(FixedTexts, SymbolsOfTheStressLegendAreAThirdLargerThanItsText) {
  const pictures::VectorPicture picture(pictures::resourcePath(PictureId::PermissibleStressSheet));
  qreal symbolSize = 0;
  qreal legendSize = 0;
  for (const pictures::TextRun& run : picture.textRuns()) {
    if (run.text() == QLatin1String("Qac ")) {
      symbolSize = run.size;
    } else if (run.text() == QLatin1String("= a factor assumed as 1.4")) {
      legendSize = run.size;
    }
  }
  ASSERT_GT(legendSize, 0);
  EXPECT_NEAR(symbolSize / legendSize, 4.0 / 3.0, 0.05);
}

TEST(PointerAndIcon, HandPointerHotSpotIsTheFingertip) {
  const QImage hand = pictures::picturePixmap(PictureId::HandPointer).toImage();
  const QPoint hotSpot = pictures::handPointerHotSpot();
  ASSERT_TRUE(hand.rect().contains(hotSpot));
  EXPECT_GT(qAlpha(hand.pixel(hotSpot)), 128) << "hot spot lies outside the hand";
  int topmostOpaqueRow = hand.height();
  for (int y = 0; y < hand.height() && topmostOpaqueRow == hand.height(); ++y) {
    for (int x = 0; x < hand.width(); ++x) {
      if (qAlpha(hand.pixel(x, y)) > 128) {
        topmostOpaqueRow = y;
        break;
      }
    }
  }
  EXPECT_LE(hotSpot.y() - topmostOpaqueRow, 1) << "hot spot is not at the top of the finger";
  EXPECT_EQ(pictures::handPointerCursor().hotSpot(), hotSpot);
}

TEST(PointerAndIcon, TransparentAroundTheShape) {
  for (const PictureId id : {PictureId::PipeIcon, PictureId::HandPointer}) {
    const QImage image = pictures::picturePixmap(id).toImage();
    for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)}) {
      EXPECT_EQ(qAlpha(image.pixel(corner)), 0);
    }
  }
  EXPECT_FALSE(pictures::pipeIcon().pixmap(32, 32).isNull());
}

QString runTool(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  process.waitForFinished(30000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(ReportPictures, PrintAsVectorsWithSearchableText) {
  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (pdftotext.isEmpty()) {
    GTEST_SKIP() << "pdftotext is not installed";
  }
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString pdfPath = folder.filePath(QStringLiteral("report.pdf"));
  {
    QPdfWriter pdf(pdfPath);
    pdf.setResolution(1440);
    QPainter painter(&pdf);
    qreal y = 0;
    for (const PictureId id : {PictureId::ColumnSketch, PictureId::GyrationFormula,
                               PictureId::PermissibleStressSheet, PictureId::BoxSectionFormula}) {
      const QSizeF twips = pictures::naturalSizeInches(id) * 1440;
      pictures::drawPicture(painter, id, QRectF(QPointF(0, y), twips));
      y += id == PictureId::ColumnSketch ? 0 : twips.height();
    }
  }
  const QString text = runTool(pdftotext, {pdfPath, QStringLiteral("-")}).simplified();
  for (const char* expected :
       {"Radius of gyration", "Outside Diameter", "Inside Diameter", "Permissible stress",
        "Qac = 0.6", "modulus of elasticity of steel", "slenderness ratio of the member",
        "a factor assumed as 1.4", "Where", "Moment of inertia about the weak axis",
        "Radius of gyration about the weak axis"}) {
    EXPECT_TRUE(text.contains(QLatin1String(expected))) << "not searchable: " << expected;
  }

  const QString pdfimages = QStandardPaths::findExecutable(QStringLiteral("pdfimages"));
  if (!pdfimages.isEmpty()) {
    const QStringList rows =
        runTool(pdfimages, {QStringLiteral("-list"), pdfPath}).split('\n', Qt::SkipEmptyParts);
    EXPECT_LE(rows.size(), 2) << "the report pictures were rasterised";
  }
}

} // namespace
