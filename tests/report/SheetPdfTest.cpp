// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/FormState.h"
#include "form/PrintCommand.h"
#include "form/ResultCaptions.h"
#include "report/CalculationSheet.h"
#include "tests/doubles/RecordingHost.h"
#include "ui/printing/PdfText.h"
#include "ui/printing/SheetPrinters.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using form::FormState;

QString Tool(const char* name) {
  return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

QString RunTool(const QString& program, const QStringList& arguments, int* exitCode = nullptr) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished(60000);
  if (exitCode != nullptr) {
    *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}

bool IsThaiMark(QChar c) {
  const char16_t u = c.unicode();
  return u == 0x0E31 || (u >= 0x0E34 && u <= 0x0E3A) || (u >= 0x0E47 && u <= 0x0E4E);
}

// Text as a reader compares it: without blanks, compatibility forms folded (sara am is nikhahit
// and sara aa once shaped, a ligature its letters) and the marks over one letter in a fixed order.
QString Comparable(const QString& text) {
  QString folded = text.normalized(QString::NormalizationForm_KC);
  folded.remove(QRegularExpression(QStringLiteral("\\s")));
  for (qsizetype i = 0; i < folded.size();) {
    qsizetype end = i;
    while (end < folded.size() && IsThaiMark(folded[end])) {
      ++end;
    }
    std::sort(folded.begin() + i, folded.begin() + end);
    i = end == i ? i + 1 : end;
  }
  return folded;
}

FormState Calculated() {
  FormState form;
  form::Recalculate(form);
  return form;
}

// The lines of the sheet as the report sends them to a printer.
std::vector<QString> SheetLines(const FormState& form) {
  form::RecordingHost host;
  FormState copy = form;
  form::PrintCommand(copy, host);
  std::vector<QString> lines;
  for (const std::string& operation : host.printerOperations()) {
    if (operation.rfind("PrintLine(", 0) == 0) {
      lines.push_back(QString::fromStdString(operation.substr(10, operation.size() - 11)));
    }
  }
  return lines;
}

void WriteSheet(const FormState& form, const QString& path) {
  const auto printer = ui::OpenPdfPrinter(path.toStdString());
  form::PrintFormSheet(form, *printer);
}

class SheetPdf : public testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    if (Tool("pdftotext").isEmpty()) {
      GTEST_SKIP() << "pdftotext is not installed";
    }
    path_ = folder_.filePath(QStringLiteral("sheet.pdf"));
    WriteSheet(Calculated(), path_);
  }

  QTemporaryDir folder_;
  QString path_;
};

TEST_F(SheetPdf, EveryLineIsTextAReaderFinds) {
  const QString text = Comparable(RunTool(Tool("pdftotext"), {"-raw", path_, "-"}));
  const std::vector<QString> lines = SheetLines(Calculated());
  ASSERT_EQ(lines.size(), 21u); // the second opinion's plate warning among them, on two lines
  for (const QString& line : lines) {
    EXPECT_TRUE(text.contains(Comparable(line))) << "not found: " << line.toStdString();
  }
  // Tone marks survive on their own too, not only after folding.
  const QString plain = RunTool(Tool("pdftotext"), {"-raw", path_, "-"});
  EXPECT_TRUE(plain.contains(QStringLiteral("ขนาดเส้นผ่าศูนย์กลางภายนอก")));
  EXPECT_TRUE(plain.contains(QStringLiteral("หนาอย่างน้อย")));
}

TEST_F(SheetPdf, PicturesAreVectorsWithSearchableText) {
  const QString text = RunTool(Tool("pdftotext"), {path_, "-"}).simplified();
  for (const char* expected : {"R = Radius of gyration", "D = Outside Diameter",
                               "Permissible stress in axial compression", "Where"}) {
    EXPECT_TRUE(text.contains(QLatin1String(expected))) << "not searchable: " << expected;
  }
  if (const QString pdfimages = Tool("pdfimages"); !pdfimages.isEmpty()) {
    const QStringList rows = RunTool(pdfimages, {"-list", path_}).split('\n', Qt::SkipEmptyParts);
    EXPECT_LE(rows.size(), 2) << "a picture went onto the page as a bitmap";
  }
}

// No operation chooses the paper: every document comes out as one A4 portrait page.
TEST_F(SheetPdf, IsOneA4PortraitPage) {
  if (Tool("pdfinfo").isEmpty()) {
    GTEST_SKIP() << "pdfinfo is not installed";
  }
  const QString info = RunTool(Tool("pdfinfo"), {path_});
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
      << info.toStdString();
  // 210 x 297 mm, narrow side across.
  EXPECT_TRUE(info.contains(
      QRegularExpression(QStringLiteral("Page size:\\s+595(\\.\\d+)? x 84[12](\\.\\d+)? pts"))))
      << info.toStdString();
}

struct Placement {
  int line;
  const char* firstWord;
  int xTwips;
  int yTwips;
};

TEST_F(SheetPdf, LinesStandWhereTheLayoutPutsThem) {
  const QString words = RunTool(Tool("pdftotext"), {"-bbox", path_, "-"});
  const QRegularExpression word(QString::fromLatin1(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re"));
  for (const Placement& p :
       {Placement{1, "Project", 1500, 1500}, Placement{5, "ขนาดเส้นผ่าศูนย์กลางภายนอก", 5500, 3000},
        Placement{10, "คำนวณหาค่า", 1500, 9100}, Placement{15, "Qac", 5500, 13200},
        Placement{18, "ใช้แผ่นเหล็ก", 4500, 14900}}) {
    const double x = p.xTwips / 20.0;
    const double y = p.yTwips / 20.0;
    double nearest = 1e9;
    QPointF found;
    for (auto it = word.globalMatch(words); it.hasNext();) {
      const QRegularExpressionMatch m = it.next();
      if (Comparable(m.captured(3)) != Comparable(QString::fromUtf8(p.firstWord))) {
        continue;
      }
      const QPointF at(m.captured(1).toDouble(), m.captured(2).toDouble());
      const double distance = std::hypot(at.x() - x, at.y() - y);
      if (distance < nearest) {
        nearest = distance;
        found = at;
      }
    }
    SCOPED_TRACE("line " + std::to_string(p.line));
    ASSERT_LT(nearest, 1e9) << "first word not found";
    // Each of these lines starts with a blank, so its first word stands one blank to the right.
    EXPECT_GE(found.x(), x - 0.5);
    EXPECT_LE(found.x(), x + 4.0);
    EXPECT_NEAR(found.y(), y, 2.0);
  }
}

// A host whose documents are real PDF files; there is no default printer.
class PdfHost : public form::RecordingHost {
public:
  std::unique_ptr<report::Printer> OpenDefaultPrinter() override { return nullptr; }
  std::unique_ptr<report::Printer> OpenPdfFile(const std::string& path) override {
    RecordingHost::OpenPdfFile(path);
    return ui::OpenPdfPrinter(path);
  }
};

TEST(SheetPdfFile, WithoutAPrinterThePrintCommandSavesThePdf) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("offered.pdf"));
  PdfHost host;
  host.scriptPdfFileName(path.toStdString());
  FormState form = Calculated();
  form::PrintCommand(form, host);
  ASSERT_EQ(host.messages().size(), 2u); // the confirmation and the offer, no failure
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(5) == "%PDF-");
}

// A document that does not come to its end leaves nothing at its path, and an earlier file there
// stays as it was.
TEST(SheetPdfFile, AnUnfinishedDocumentLeavesNoFile) {
  QTemporaryDir folder;
  const QString fresh = folder.filePath(QStringLiteral("fresh.pdf"));
  const QString earlier = folder.filePath(QStringLiteral("earlier.pdf"));
  {
    QFile file(earlier);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("earlier sheet");
  }
  for (const QString& path : {fresh, earlier}) {
    // Withdrawn part way, as the print command does after a failure.
    auto printer = ui::OpenPdfPrinter(path.toStdString());
    printer->SetFontName("MS Sans Serif");
    printer->SetCurrentX(1500);
    printer->SetCurrentY(1500);
    printer->PrintLine(" Project : ");
    printer->AbortDocument();
    // Dropped without an end.
    auto dropped = ui::OpenPdfPrinter(path.toStdString());
    dropped->PrintLine(" Project : ");
    dropped.reset();
  }
  EXPECT_FALSE(QFile::exists(fresh));
  QFile file(earlier);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("earlier sheet"));
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

  // The print command withdraws a sheet that fails part way (here: ten times Qac out of range).
  PdfHost host;
  host.scriptPdfFileName(fresh.toStdString());
  FormState form = Calculated();
  form.record().allowableStress = 300000000;
  form::PrintCommand(form, host);
  EXPECT_FALSE(QFile::exists(fresh));
  ASSERT_EQ(host.messages().size(), 3u);
  EXPECT_NE(host.messages().back().prompt.find("Overflow"), std::string::npos);
}

TEST(SheetPdfFile, AnUnwritablePlaceIsReportedBeforeDrawing) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("no such folder/sheet.pdf"));
  try {
    ui::OpenPdfPrinter(path.toStdString());
    FAIL() << "no failure reported";
  } catch (const report::PrinterError& failure) {
    EXPECT_NE(std::string(failure.what()).find("PDF"), std::string::npos) << failure.what();
  }
  PdfHost host;
  host.scriptPdfFileName(path.toStdString());
  FormState form = Calculated();
  form::PrintCommand(form, host);
  ASSERT_EQ(host.messages().size(), 3u);
  EXPECT_EQ(host.messages().back().prompt.rfind("พิมพ์รายการคำนวณไม่สำเร็จ: ", 0), 0u);
}

TEST(SheetPdfFile, ACalculatorRunWritesTheSheetWithItsHeader) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("cli.pdf"));
  int exitCode = -1;
  RunTool(QStringLiteral(PIPECOLUMN_CLI),
          {"--load", "9000", "--project", "สะพานลอย", "--column", "C-7", "--sheet", path},
          &exitCode);
  EXPECT_EQ(exitCode, 0);
  if (Tool("pdftotext").isEmpty()) {
    GTEST_SKIP() << "pdftotext is not installed";
  }
  const QString text = Comparable(RunTool(Tool("pdftotext"), {"-raw", path, "-"}));
  for (const char* expected :
       {" Project : สะพานลอย", " Column : C-7", " Engineer :", "Axial Load P =  9000  kg."}) {
    EXPECT_TRUE(text.contains(Comparable(QString::fromUtf8(expected)))) << expected;
  }
  EXPECT_FALSE(text.contains(Comparable(QStringLiteral("นายสมมติ")))); // no engineer invented
}

struct CMapCase {
  const char* name;
  std::string before;
  std::optional<std::string> after;
};

void PrintTo(const CMapCase& c, std::ostream* out) {
  *out << c.name;
}

std::string CharLines(unsigned first, unsigned last, unsigned target) {
  std::string lines;
  for (unsigned code = first; code <= last; ++code, ++target) {
    lines += QStringLiteral("<%1> <%2>\n")
                 .arg(code, 4, 16, QLatin1Char('0'))
                 .arg(target, 4, 16, QLatin1Char('0'))
                 .toUpper()
                 .toStdString();
  }
  return lines;
}

class TextMap : public testing::TestWithParam<CMapCase> {};

TEST_P(TextMap, ListsEachGlyphWithTheCharactersItShows) {
  const CMapCase& c = GetParam();
  const std::string head = "begincmap\n1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
  const std::string tail = "endcmap\nCMapName currentdict /CMap defineresource pop\n";
  const std::optional<std::string> mapped = ui::TextMapPerGlyph(head + c.before + tail);
  EXPECT_EQ(mapped, c.after ? std::optional(head + *c.after + tail) : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Pdf, TextMap,
    testing::Values(
        CMapCase{"ArrayTargets",
                 "1 beginbfrange\n<0001> <0004> [<0E2B> <F70B> <f70a> <F718> ]\n"
                 "endbfrange\n",
                 "4 beginbfchar\n<0001> <0E2B>\n<0002> <0E49>\n<0003> <0E48>\n<0004> <0E38>\n"
                 "endbfchar\n"},
        // F70E is followed by F70F (yo ying), which is not the character after 0E4C.
        CMapCase{"RangeOverShiftedForms", "1 beginbfrange\n<0010> <0011> <F70E>\nendbfrange\n",
                 "2 beginbfchar\n<0010> <0E4C>\n<0011> <0E0D>\nendbfchar\n"},
        CMapCase{"CharsAndRangeInOrder",
                 "2 beginbfchar\n<0003> <F711>\n<0004> <FB03>\nendbfchar\n"
                 "1 beginbfrange\n<0001> <0002> <0041>\nendbfrange\n",
                 "4 beginbfchar\n<0001> <0041>\n<0002> <0042>\n<0003> <0E4D>\n"
                 "<0004> <FB03>\nendbfchar\n"},
        CMapCase{"BlocksOfAHundred", "1 beginbfrange\n<0000> <0064> <0041>\nendbfrange\n",
                 "100 beginbfchar\n" + CharLines(0, 99, 0x41) + "endbfchar\n1 beginbfchar\n" +
                     CharLines(100, 100, 0xA5) + "endbfchar\n"},
        CMapCase{"ArrayShorterThanRange", "1 beginbfrange\n<0001> <0004> [<0E2B> ]\nendbfrange\n",
                 std::nullopt}),
    [](const testing::TestParamInfo<CMapCase>& info) { return std::string(info.param.name); });

// The sheet through the print system, on the virtual PDF printer that scripts/virtual-printer.sh
// sets up as the default. The tests never print on any other printer.
TEST(SheetOnPrinter, ComesOutOfThePrintSystemAsOneA4Page) {
  const QString outputFolder = qEnvironmentVariable("PIPECOLUMN_TEST_PRINTER_OUT");
  if (QPrinterInfo::defaultPrinterName() != QStringLiteral("pipecolumn-test-pdf") ||
      outputFolder.isEmpty() || Tool("pdfinfo").isEmpty()) {
    GTEST_SKIP() << "no virtual test printer (scripts/virtual-printer.sh)";
  }
  const QDir folder(outputFolder);
  const QStringList before = folder.entryList({QStringLiteral("*.pdf")}, QDir::Files);

  FormState form = Calculated();
  std::unique_ptr<report::Printer> printer = ui::OpenDefaultSystemPrinter();
  ASSERT_NE(printer, nullptr);
  form::PrintFormSheet(form, *printer);

  // The print system converts the job in the background; wait for its file.
  QString printed;
  for (int attempt = 0; attempt < 120 && printed.isEmpty(); ++attempt) {
    for (const QString& name : folder.entryList({QStringLiteral("*.pdf")}, QDir::Files)) {
      if (!before.contains(name) && QFileInfo(folder.filePath(name)).size() > 0) {
        printed = folder.filePath(name);
      }
    }
    if (printed.isEmpty()) {
      QThread::msleep(250);
    }
  }
  ASSERT_FALSE(printed.isEmpty()) << "no page came out of the print system";
  QThread::msleep(500); // let the converter finish writing

  QProcess info;
  info.start(Tool("pdfinfo"), {printed});
  ASSERT_TRUE(info.waitForFinished(30000));
  const QString text = QString::fromUtf8(info.readAllStandardOutput());
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))))
      << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("(A4)"))) << text.toStdString();
}

} // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QGuiApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
