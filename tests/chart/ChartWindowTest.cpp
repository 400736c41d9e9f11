// SPDX-License-Identifier: GPL-3.0-or-later
// The chart window follows the column it is given, and saves and prints through the dialogs it
// is given; every failure of theirs ends in the error box.

#include "ui/chart/ChartWindow.h"
#include "CheckedColumn.h"
#include "ui/chart/DesignPoint.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <stdexcept>

namespace {

// Dialogs that answer as a test says and keep the errors shown.
struct ScriptedDialogs {
  std::function<QString()> savePath = [] { return QString(); };
  std::function<bool(QPrinter&)> setUpPrinter = [](QPrinter&) { return false; };
  QStringList errors;

  ui::ChartDialogs dialogs() {
    return {[this](QWidget*) { return savePath(); },
            [this](QPrinter& printer, QWidget*) { return setUpPrinter(printer); },
            [this](QWidget*, const QString& message) { errors << message; }};
  }
};

int NonWhitePixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      count += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
    }
  }
  return count;
}

TEST(ChartWindow, ShowsTheColumnItIsGivenWhereTheCheckPlacesIt) {
  ScriptedDialogs scripted;
  ui::ChartWindow window(nullptr, scripted.dialogs());
  window.show();
  const QImage withoutPoint = window.grab().toImage();

  const ui::ChartColumn point = *ui::DesignPointOf(CheckedColumn(4, 0.85));
  window.showColumn({}, point);
  ASSERT_EQ(window.chart().columns.size(), 1u);
  EXPECT_EQ(window.chart().columns[0].slenderness, 87);
  EXPECT_EQ(window.chart().columns[0].allowableStress, 92);
  EXPECT_EQ(window.chart().columns[0].label, point.label);
  EXPECT_EQ(window.chart().curve[86].allowableStress, 92);
  const QImage withPoint = window.grab().toImage();
  EXPECT_GT(NonWhitePixels(withPoint), withPoint.width() * withPoint.height() / 50);
  EXPECT_NE(withPoint, withoutPoint);

  window.showColumn({}, std::nullopt);
  EXPECT_TRUE(window.chart().columns.empty());
  EXPECT_EQ(window.grab().toImage(), withoutPoint);

  // Another steel moves the curve, not only the point.
  engine::Materials stronger;
  stronger.yieldStressMpa = 340;
  window.showColumn(stronger, point);
  EXPECT_EQ(window.chart().ceiling, 0.6 * 340);
}

TEST(ChartWindow, SavesTheChartItShowsAsTheFileTypeAsked) {
  QTemporaryDir folder;
  ScriptedDialogs scripted;
  ui::ChartWindow window(nullptr, scripted.dialogs());
  window.showColumn({}, ui::DesignPointOf(CheckedColumn(4, 0.85)));
  for (const char* name : {"chart.svg", "chart.PNG"}) {
    const QString path = folder.filePath(QString::fromLatin1(name));
    scripted.savePath = [&] { return path; };
    window.saveToFile();
    EXPECT_TRUE(scripted.errors.isEmpty()) << scripted.errors.join('\n').toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    const QByteArray bytes = file.readAll();
    if (path.endsWith(QLatin1String(".svg"))) {
      QXmlStreamReader reader(bytes);
      while (!reader.atEnd()) {
        reader.readNext();
      }
      EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
      EXPECT_TRUE(bytes.contains("KL/r = 87, Qac = 92 MPa"));
    } else {
      EXPECT_EQ(QImage::fromData(bytes, "PNG").size(), QSize(1040, 720));
    }
  }
}

TEST(ChartWindow, SaveFailuresEndInTheErrorBox) {
  QTemporaryDir folder;
  const struct {
    const char* name;
    std::function<QString()> savePath;
    const char* errorStart; // empty: no error box
  } cases[] = {
      {"cancelled", [] { return QString(); }, ""},
      {"folder missing", [&] { return folder.filePath("missing/chart.svg"); }, "บันทึกไฟล์"},
      {"unknown type", [&] { return folder.filePath("chart.bmp"); }, "ชนิดไฟล์ไม่รองรับ"},
      {"dialog failed", []() -> QString { throw std::runtime_error("no dialog"); },
       "บันทึกกราฟไม่สำเร็จ: no dialog"},
  };
  for (const auto& c : cases) {
    ScriptedDialogs scripted;
    scripted.savePath = c.savePath;
    ui::ChartWindow window(nullptr, scripted.dialogs());
    window.saveToFile();
    if (*c.errorStart == '\0') {
      EXPECT_TRUE(scripted.errors.isEmpty()) << c.name;
    } else {
      ASSERT_EQ(scripted.errors.size(), 1) << c.name;
      EXPECT_TRUE(scripted.errors[0].startsWith(QString::fromUtf8(c.errorStart)))
          << c.name << ": " << scripted.errors[0].toStdString();
    }
  }
  EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST(ChartWindow, PrintsOntoThePrinterTheUserSetsUp) {
  QTemporaryDir folder;
  const QString pdf = folder.filePath("printed.pdf");
  const struct {
    const char* name;
    std::function<bool(QPrinter&)> setUpPrinter;
    bool printed;
    int errors;
  } cases[] = {
      {"to a file",
       [&](QPrinter& printer) {
         printer.setOutputFormat(QPrinter::PdfFormat);
         printer.setOutputFileName(pdf);
         return true;
       },
       true, 0},
      {"cancelled", [](QPrinter&) { return false; }, false, 0},
      {"dialog failed", [](QPrinter&) -> bool { throw std::runtime_error("no printer"); }, false,
       1},
  };
  for (const auto& c : cases) {
    QFile::remove(pdf);
    ScriptedDialogs scripted;
    scripted.setUpPrinter = c.setUpPrinter;
    ui::ChartWindow window(nullptr, scripted.dialogs());
    window.print();
    EXPECT_EQ(scripted.errors.size(), c.errors) << c.name;
    QFile file(pdf);
    ASSERT_EQ(file.open(QIODevice::ReadOnly), c.printed) << c.name;
    if (c.printed) {
      EXPECT_TRUE(file.read(5) == "%PDF-") << c.name;
    }
  }
}

TEST(ChartWindow, KeysSaveAndPrintInsideTheWindowAndEscapeClosesIt) {
  const struct {
    QKeySequence keys;
    int savesAsked;
    int printsAsked;
    bool stillShown;
  } cases[] = {
      {QKeySequence::Print, 0, 1, true},
      {QKeySequence::Save, 1, 0, true},
      {QKeySequence(Qt::Key_Escape), 0, 0, false},
  };
  for (const auto& c : cases) {
    int savesAsked = 0;
    int printsAsked = 0;
    ScriptedDialogs scripted;
    scripted.savePath = [&] { return ++savesAsked, QString(); };
    scripted.setUpPrinter = [&](QPrinter&) { return ++printsAsked, false; };
    ui::ChartWindow window(nullptr, scripted.dialogs());
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keySequence(&window, c.keys);
    const std::string keys = c.keys.toString().toStdString();
    EXPECT_EQ(savesAsked, c.savesAsked) << keys;
    EXPECT_EQ(printsAsked, c.printsAsked) << keys;
    EXPECT_EQ(window.isVisible(), c.stillShown) << keys;
  }
}

} // namespace
