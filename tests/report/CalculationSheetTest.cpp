// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/CalculationSheet.h"
#include "engine/ColumnAnswer.h"
#include "form/FormState.h"
#include "form/PrintCommand.h"
#include "form/ResultCaptions.h"
#include "tests/doubles/RecordingHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using form::FormState;
using form::HeaderField;
using form::MessageAnswer;
using form::MessageStyle;
using form::RecordingHost;
using Operations = std::vector<std::string>;

const std::string kConfirmPrompt = "Are You Want To Print  Calculation Report?";
const std::string kNoPrinterPrompt =
    "ไม่พบเครื่องพิมพ์ (Printer) ในเครื่องนี้   ต้องการบันทึกรายการคำนวณเป็นไฟล์ PDF แทนหรือไม่?";
const std::string kTitle = "Print Calculation Report";
const std::string kFailedLead = "พิมพ์รายการคำนวณไม่สำเร็จ";
const std::string kOverflowMessage = "เกิดข้อผิดพลาด: ตัวเลขมีค่ามากเกินไป (Overflow)   โปรดตรวจสอบค่าที่ป้อน";

FormState Calculated() {
  FormState form;
  form::Recalculate(form);
  return form;
}

Operations Printed(const FormState& form) {
  RecordingHost host;
  FormState copy = form;
  form::PrintCommand(copy, host);
  return host.printerOperations();
}

// A line or a picture where it stands on the page.
struct Placed {
  std::string what;
  int x;
  int y;
  friend bool operator==(const Placed&, const Placed&) = default;
};

void PrintTo(const Placed& p, std::ostream* os) {
  *os << "{\"" << p.what << "\", " << p.x << ", " << p.y << "}";
}

// The page as the recording printer saw it.
struct Page {
  std::vector<Placed> lines;
  std::vector<Placed> pictures;
  Operations settings; // orientation and font
  bool settingsBeforeOutput = true;
  int ends = 0;
};

Page Read(const Operations& operations) {
  Page page;
  int x = 0;
  int y = 0;
  for (const std::string& operation : operations) {
    const std::size_t open = operation.find('(');
    const std::string name = operation.substr(0, open);
    const std::string argument = operation.substr(open + 1, operation.size() - open - 2);
    if (name == "SetCurrentX") {
      x = std::stoi(argument);
    } else if (name == "SetCurrentY") {
      y = std::stoi(argument);
    } else if (name == "PrintLine") {
      page.lines.push_back({argument, x, y});
    } else if (name == "DrawPicture") {
      const std::size_t first = argument.find(',');
      const std::size_t second = argument.find(',', first + 1);
      page.pictures.push_back({argument.substr(0, first),
                               std::stoi(argument.substr(first + 1, second - first - 1)),
                               std::stoi(argument.substr(second + 1))});
    } else if (name == "EndDocument") {
      ++page.ends;
    } else {
      page.settings.push_back(operation);
      page.settingsBeforeOutput =
          page.settingsBeforeOutput && page.lines.empty() && page.pictures.empty();
    }
  }
  return page;
}

TEST(CalculationSheet, WorkedExamplePrintsEveryLineAndPictureInPlace) {
  const std::vector<Placed> lines = {
      {" Project : อาคารโกดัง B", 1500, 1500},
      {" Engineer : นายสมมติ ตัวอย่าง", 1500, 1800},
      {" Column :  C-002", 1500, 2100},
      {"ออกแบบให้เสาท่อเหล็ก รับน้ำหนัก Axial Load P =  8000  kg.", 3500, 2700},
      {" ขนาดเส้นผ่าศูนย์กลางภายนอก D =  114.3  mm.", 5500, 3000},
      {" ขนาดเส้นผ่าศูนย์กลางภายใน d =  107.9  mm.", 5500, 3300},
      {" พื้นที่หน้าตัดของท่อเหล็กกลม  A =  11.1735  sq.cm.", 6500, 3600},
      {" ความหนาท่อเหล็กกลม T =  3.2  mm.", 5500, 6500},
      {" ความสูงหรือความยาวท่อเหล็กกลม L =  400  cm.", 4500, 6800},
      {" คำนวณหาค่า Radius of gyration  =  3.9296  cm.", 1500, 9100},
      {" กำหนดค่า K ที่ใช้ในการออกแบบ =  .85 ", 1500, 9400},
      {" Effective Length =  .85  x  400  =  340  cm.", 1500, 9700},
      {" ค่า KL/R =  87  ", 2500, 10000},
      {" กำลังอัดคอนกรีต f'c =  210 kg./sq.cm.", 1500, 10600},
      {" Qac =  92 MPa =  920  kg./sq.cm.", 5500, 12900},
      {" Qac x Section Area =  920  x  11.1735  =  10280  kg.", 5500, 13200},
      {"ท่อเหล็กกลมรับน้ำหนักได้สูงสุด =  10280  kg.  > 8000   kg.     OK", 5000, 13500},
      {" คำนวณขนาด Base Plate แผ่นเหล็กรองเสา", 5500, 14600},
      {" ใช้แผ่นเหล็ก ขนาด  15  cm. x  15  cm. หนาอย่างน้อย  4  mm.", 4500, 14900},
      // The second opinion's plate, in the smaller face of warnings, right of the plate sketch.
      {"คำเตือน: AISC 360-22 ASD ต้องการแผ่นเหล็กหนา 6.86 เกิน 4", 4500, 13780},
      {"mm ที่ใช้", 4500, 14020},
  };
  const std::vector<Placed> pictures = {
      {"ColumnSketch", 2400, 3200},
      {"GyrationFormula", 5500, 7100},
      {"PermissibleStressSheet", 5700, 9300},
  };
  const Page page = Read(Printed(Calculated()));
  EXPECT_EQ(page.lines, lines);
  EXPECT_EQ(page.pictures, pictures);
  EXPECT_EQ(page.settings,
            (Operations{"SetOrientation(Portrait)", "SetFontName(MS Sans Serif)", "SetFontSize(10)",
                        "SetFontBold(false)", "SetFontSize(9)", "SetFontSize(10)"}));
  EXPECT_EQ(page.ends, 1);
}

TEST(CalculationSheet, BeforeAnyCalculationNoValueIsPrinted) {
  const Page page = Read(Printed(FormState()));
  ASSERT_EQ(page.lines.size(), 19u);
  // The three header lines are the user's texts; every line after them is a label with its items.
  for (std::size_t i = 3; i < page.lines.size(); ++i) {
    EXPECT_EQ(page.lines[i].what.find_first_of("0123456789"), std::string::npos)
        << page.lines[i].what;
  }
  EXPECT_EQ(page.pictures.size(), 3u);
  EXPECT_EQ(page.ends, 1);
}

struct LineCase {
  const char* name;
  std::function<FormState()> form;
  int line; // 1-based
  std::string expected;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const LineCase& c, std::ostream* os) {
  *os << c.name;
}

FormState Blank() {
  return FormState();
}

FormState Cleared() {
  FormState form = Calculated();
  for (const HeaderField field : form::kAllHeaderFields) {
    form.setHeader(field, "");
  }
  return form;
}

FormState Negative() {
  FormState form = Calculated();
  form.record().allowableStress = -5;
  form.record().axialLoad = -120.5;
  return form;
}

FormState CommaLocale() {
  FormState form = Calculated();
  form.setNumberFormat({",", "."});
  return form;
}

FormState HeaderEditedAfterwards() {
  FormState form = Calculated();
  form.setHeader(HeaderField::Project, "สะพานลอย  ");
  return form;
}

class SheetLines : public testing::TestWithParam<LineCase> {};

TEST_P(SheetLines, ReadAsTheUserExpects) {
  const LineCase& c = GetParam();
  const Page page = Read(Printed(c.form()));
  ASSERT_GE(page.lines.size(), static_cast<std::size_t>(c.line));
  EXPECT_EQ(page.lines[c.line - 1].what, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Report, SheetLines,
    testing::Values(
        LineCase{"Line4_BeforeAnyCalculation", Blank, 4,
                 "ออกแบบให้เสาท่อเหล็ก รับน้ำหนัก Axial Load P =  kg."},
        LineCase{"Line5_BeforeAnyCalculation", Blank, 5, " ขนาดเส้นผ่าศูนย์กลางภายนอก D =  mm."},
        LineCase{"Line12_BeforeAnyCalculation", Blank, 12, " Effective Length =  x  =  cm."},
        LineCase{"Line16_BeforeAnyCalculation", Blank, 16, " Qac x Section Area =  x  =  kg."},
        LineCase{"Line17_BeforeAnyCalculation", Blank, 17,
                 "ท่อเหล็กกลมรับน้ำหนักได้สูงสุด =  kg.      kg."},
        LineCase{"Line1_EmptyProject", Cleared, 1, " Project : "},
        LineCase{"Line3_EmptyColumn", Cleared, 3, " Column : "},
        LineCase{"Line1_EditedAfterTheCalculation", HeaderEditedAfterwards, 1,
                 " Project : สะพานลอย  "},
        LineCase{"Line15_NegativeNumbers", Negative, 15, " Qac = -5 MPa = -50  kg./sq.cm."},
        LineCase{"Line4_NegativeLoad", Negative, 4,
                 "ออกแบบให้เสาท่อเหล็ก รับน้ำหนัก Axial Load P = -120.5  kg."},
        LineCase{"Line7_CommaDecimalSeparator", CommaLocale, 7,
                 " พื้นที่หน้าตัดของท่อเหล็กกลม  A =  11,1735  sq.cm."},
        LineCase{"Line11_CommaDecimalSeparator", CommaLocale, 11,
                 " กำหนดค่า K ที่ใช้ในการออกแบบ =  ,85 "}),
    [](const testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

// Where in the full sheet the operation starting with `prefix` stands.
std::size_t IndexOf(const Operations& sheet, const std::string& prefix) {
  const auto found = std::find_if(sheet.begin(), sheet.end(), [&](const std::string& operation) {
    return operation.rfind(prefix, 0) == 0;
  });
  EXPECT_NE(found, sheet.end()) << prefix;
  return static_cast<std::size_t>(found - sheet.begin());
}

enum class Outcome { NothingPrinted, SheetPrinted, SheetWithdrawn };

// What one print command does, from the confirmation to the end of the document.
struct ClickCase {
  const char* name;
  std::function<void(RecordingHost&, FormState&, const Operations& sheet)> arrange;
  Outcome outcome;
  // For a withdrawn sheet: how many of the full sheet's operations went out before the abort.
  std::function<std::size_t(const Operations& sheet)> operationsOut;
  std::vector<std::string> messagePrompts;
  std::vector<std::string> pdfFiles;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const ClickCase& c, std::ostream* os) {
  *os << c.name;
}

class PrintCommand : public testing::TestWithParam<ClickCase> {};

TEST_P(PrintCommand, PrintsAbortsOrOffersAPdf) {
  const ClickCase& c = GetParam();
  const Operations sheet = Printed(Calculated());
  RecordingHost host;
  FormState form = Calculated();
  c.arrange(host, form, sheet);

  form::PrintCommand(form, host);

  const Operations& operations = host.printerOperations();
  switch (c.outcome) {
  case Outcome::NothingPrinted:
    EXPECT_TRUE(operations.empty());
    break;
  case Outcome::SheetPrinted:
    EXPECT_EQ(operations, sheet);
    break;
  case Outcome::SheetWithdrawn: {
    Operations expected(sheet.begin(), sheet.begin() + c.operationsOut(sheet));
    expected.push_back("AbortDocument()");
    EXPECT_EQ(operations, expected);
    break;
  }
  }
  std::vector<std::string> prompts;
  for (const form::MessageCall& message : host.messages()) {
    prompts.push_back(message.prompt);
    EXPECT_EQ(message.title, kTitle);
  }
  EXPECT_EQ(prompts, c.messagePrompts);
  EXPECT_EQ(host.pdfFilesOpened(), c.pdfFiles);
  // Questions are asked with OK and Cancel; a failure is told in a critical-stop box.
  for (std::size_t i = 0; i < host.messages().size(); ++i) {
    const bool failureBox = c.outcome == Outcome::SheetWithdrawn && i + 1 == host.messages().size();
    EXPECT_EQ(host.messages()[i].style,
              failureBox ? MessageStyle::CriticalOk() : MessageStyle::QuestionOkCancel())
        << host.messages()[i].prompt;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Report, PrintCommand,
    testing::Values(
        ClickCase{"Confirmed",
                  [](RecordingHost&, FormState&, const Operations&) {},
                  Outcome::SheetPrinted,
                  {},
                  {kConfirmPrompt},
                  {}},
        ClickCase{"Cancel",
                  [](RecordingHost& host, FormState&, const Operations&) {
                    host.scriptMessageAnswer(MessageAnswer::Cancel);
                  },
                  Outcome::NothingPrinted,
                  {},
                  {kConfirmPrompt},
                  {}},
        ClickCase{"FailureOnTheFirstOperation",
                  [](RecordingHost& host, FormState&, const Operations&) {
                    host.failPrinterOperation(0, "ไม่มีกระดาษ");
                  },
                  Outcome::SheetWithdrawn,
                  [](const Operations&) { return std::size_t{0}; },
                  {kConfirmPrompt, kFailedLead + ": ไม่มีกระดาษ"},
                  {}},
        ClickCase{
            "FailureWhileDrawingThePictures",
            [](RecordingHost& host, FormState&, const Operations& sheet) {
              host.failPrinterOperation(IndexOf(sheet, "DrawPicture(GyrationFormula"), "paper jam");
            },
            Outcome::SheetWithdrawn,
            [](const Operations& sheet) { return IndexOf(sheet, "DrawPicture(GyrationFormula"); },
            {kConfirmPrompt, kFailedLead + ": paper jam"},
            {}},
        ClickCase{"FailureAtTheEndWithoutAReason",
                  [](RecordingHost& host, FormState&, const Operations& sheet) {
                    host.failPrinterOperation(static_cast<int>(sheet.size()) - 1, "");
                  },
                  Outcome::SheetWithdrawn,
                  [](const Operations& sheet) { return sheet.size() - 1; },
                  {kConfirmPrompt, kFailedLead},
                  {}},
        ClickCase{
            "TenTimesQacOutOfRange",
            [](RecordingHost&, FormState& form, const Operations&) {
              form.record().allowableStress = 300000000;
            },
            Outcome::SheetWithdrawn,
            // The lines up to f'c and the pictures are out; the Qac line cannot be formed.
            [](const Operations& sheet) { return IndexOf(sheet, "PrintLine( กำลังอัดคอนกรีต") + 1; },
            {kConfirmPrompt, kFailedLead + ": " + kOverflowMessage},
            {}},
        ClickCase{"NoPrinterSavesAPdf",
                  [](RecordingHost& host, FormState&, const Operations&) {
                    host.setPrinterAvailable(false);
                    host.scriptPdfFileName("/tmp/sheet.pdf");
                  },
                  Outcome::SheetPrinted,
                  {},
                  {kConfirmPrompt, kNoPrinterPrompt},
                  {"/tmp/sheet.pdf"}},
        ClickCase{"NoPrinterAndThePdfDeclined",
                  [](RecordingHost& host, FormState&, const Operations&) {
                    host.setPrinterAvailable(false);
                    host.scriptMessageAnswer(MessageAnswer::Ok);
                    host.scriptMessageAnswer(MessageAnswer::Cancel);
                  },
                  Outcome::NothingPrinted,
                  {},
                  {kConfirmPrompt, kNoPrinterPrompt},
                  {}},
        ClickCase{"NoPrinterAndTheSaveDialogCancelled",
                  [](RecordingHost& host, FormState&, const Operations&) {
                    host.setPrinterAvailable(false);
                    host.scriptPdfFileName(std::nullopt);
                  },
                  Outcome::NothingPrinted,
                  {},
                  {kConfirmPrompt, kNoPrinterPrompt},
                  {}}),
    [](const testing::TestParamInfo<ClickCase>& info) { return std::string(info.param.name); });

TEST(CalculationSheet, PrintingLeavesTheFormAsItWas) {
  RecordingHost host;
  FormState form = Calculated();
  const FormState before = form;
  form::PrintCommand(form, host);
  EXPECT_EQ(form.inputs(), before.inputs());
  EXPECT_EQ(form.record().allowableStress, before.record().allowableStress);
  EXPECT_EQ(form.record().plateSide, before.record().plateSide);
  EXPECT_EQ(form.header(HeaderField::Project), before.header(HeaderField::Project));
  EXPECT_EQ(form.printEnabled(), before.printEnabled());
}

// Each page's lines in reading order, top to bottom then left to right.
std::vector<std::vector<Placed>> PagesInReadingOrder(const Operations& operations) {
  std::vector<std::vector<Placed>> pages;
  for (auto from = operations.begin(); from != operations.end();) {
    const auto to = std::find(std::next(from), operations.end(), "NewPage()");
    pages.push_back(Read(Operations(from, to)).lines);
    std::ranges::stable_sort(pages.back(), {}, [](const Placed& p) { return std::pair(p.y, p.x); });
    from = to;
  }
  return pages;
}

TEST(CalculationSheet, EachWarningIsWholeInOnePlaceAndClearOfTheFixedLines) {
  const struct {
    engine::ColumnInputs inputs;
    std::size_t warnings;
    std::size_t pages; // the sheet, then the warnings it has no room for
  } kColumns[] = {{{1000, 6, 4, 1, 1000, {}}, 3, 1},
                  {{1000, 9, 4, 1, 403000, {}}, 4, 2},
                  {{250, 2.5, 10, 2, 4000, {.concreteStrengthKgCm2 = 150}}, 6, 2}};
  const auto unspaced = [](std::string text) { return std::erase(text, ' '), text; };
  for (const auto& column : kColumns) {
    const engine::ColumnAnswer answer = engine::AnswerColumn(column.inputs);
    ASSERT_EQ(answer.warnings.size(), column.warnings);
    RecordingHost host;
    report::PrintCalculationSheet(answer, {}, {}, *host.OpenDefaultPrinter());
    const auto pages = PagesInReadingOrder(host.printerOperations());
    ASSERT_EQ(pages.size(), column.pages);
    std::vector<std::string> read; // each page's lines run together: a split warning reads apart
    for (const auto& page : pages) {
      read.emplace_back();
      for (const Placed& line : page) {
        read.back() += unspaced(line.what);
      }
    }
    for (const engine::Warning& warning : answer.warnings) {
      EXPECT_TRUE(std::ranges::any_of(read, [&](const std::string& page) {
        return page.find(unspaced(warning.text)) != std::string::npos;
      })) << warning.text;
    }
    for (std::size_t i = 1; i < pages[0].size(); ++i) { // no line drawn over another
      EXPECT_GE(pages[0][i].y - pages[0][i - 1].y, 240) << pages[0][i].what;
    }
  }
}

} // namespace
