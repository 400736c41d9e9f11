#include "report/CalculationSheet.h"
#include "engine/CapacityCalculation.h"
#include "engine/FormState.h"
#include "engine/RecordingHost.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using engine::Field;
using engine::FormState;
using engine::MessageAnswer;
using engine::RecordingHost;

const std::string kConfirmPrompt = "Are You Want To Print  Calculation Report?";
const std::string kTitle = "Print Calculation Report";
const std::string kFailedLead = "พิมพ์รายการคำนวณไม่สำเร็จ";
const std::string kOverflowMessage = "เกิดข้อผิดพลาด: ตัวเลขมีค่ามากเกินไป (Overflow)   โปรดตรวจสอบค่าที่ป้อน";

FormState Calculated() {
  FormState form;
  engine::RunCapacityCalculation(form);
  return form;
}

std::vector<std::string> Printed(const FormState& form) {
  RecordingHost host;
  FormState copy = form;
  report::Command3_Click(copy, host);
  return host.printerOperations();
}

// The text of the n-th printed line (1-based), as it went to the printer.
std::string Line(const std::vector<std::string>& operations, int n) {
  int seen = 0;
  for (const std::string& operation : operations) {
    if (operation.rfind("PrintLine(", 0) == 0 && ++seen == n) {
      return operation.substr(10, operation.size() - 11);
    }
  }
  return "<no line " + std::to_string(n) + ">";
}

TEST(CalculationSheet, DefaultsPrintEveryItemInPlaceAndOrder) {
  const std::vector<std::string> expected = {
      "SetOrientation(Portrait)",
      "SetPaperSize(A4)",
      "SetFontName(MS Sans Serif)",
      "SetFontSize(10)",
      "SetCurrentX(1500)",
      "SetCurrentY(1500)",
      "PrintLine( Project : อาคารโกดัง B)",
      "SetCurrentX(1500)",
      "SetCurrentY(1800)",
      "PrintLine( Engineer : นายสมมติ ตัวอย่าง)",
      "SetCurrentX(1500)",
      "SetCurrentY(2100)",
      "PrintLine( Column :  C-002)",
      "DrawPicture(ColumnSketch,2400,3200)",
      "DrawPicture(GyrationFormula,5500,7100)",
      "DrawPicture(PermissibleStressSheet,5700,9300)",
      "SetCurrentX(3500)",
      "SetCurrentY(2700)",
      "PrintLine(ออกแบบให้เสาท่อเหล็ก รับน้ำหนัก Axial Load P =  8000  kg.)",
      "SetCurrentX(5500)",
      "SetCurrentY(3000)",
      "PrintLine( ขนาดเส้นผ่าศูนย์กลางภายนอก D =  114.3  mm.)",
      "SetCurrentX(5500)",
      "SetCurrentY(3300)",
      "PrintLine( ขนาดเส้นผ่าศูนย์กลางภายใน d =  107.9  mm.)",
      "SetCurrentX(6500)",
      "SetCurrentY(3600)",
      "PrintLine( พื้นที่หน้าตัดของท่อเหล็กกลม  A =  11.1735  sq.cm.)",
      "SetCurrentX(5500)",
      "SetCurrentY(6500)",
      "PrintLine( ความหนาท่อเหล็กกลม T =  3.2  mm.)",
      "SetCurrentX(4500)",
      "SetCurrentY(6800)",
      "PrintLine( ความสูงหีรือความยาวท่อเหล็กกลม L =  400  cm.)",
      "SetCurrentX(1500)",
      "SetCurrentY(9100)",
      "PrintLine( คำนวณหาค่า Radius of gyration  =  3.9296  cm.)",
      "SetCurrentX(1500)",
      "SetCurrentY(9400)",
      "PrintLine( กำหนดค่า K ที่ใช้ในการออกแบบ =  .85 )",
      "SetCurrentX(1500)",
      "SetCurrentY(9700)",
      "PrintLine( Effective Length =  .85  x  400  =  340  cm.)",
      "SetCurrentX(2500)",
      "SetCurrentY(10000)",
      "PrintLine( ค่า KL/R =  87  )",
      "SetCurrentX(5500)",
      "SetCurrentY(12900)",
      "PrintLine( Qac =  92 MPa =  920  kg./sq.cm.)",
      "SetCurrentX(5500)",
      "SetCurrentY(13200)",
      "PrintLine( Qac x Section Area =  920  x  11.1735  =  10280  kg.)",
      "SetCurrentX(5000)",
      "SetCurrentY(13500)",
      "PrintLine(ท่อเหล็กกลมรับน้ำหนักได้สูงสุด =  10280  kg.  > 8000   kg.     OK)",
      "SetCurrentX(5500)",
      "SetCurrentY(14600)",
      "PrintLine( คำนวณขนาด Base Plate แผ่นเหล็กรองเสา)",
      "SetCurrentX(4500)",
      "SetCurrentY(14900)",
      "PrintLine( ใช้แผ่นเหล็ก ขนาด  15  cm. x  15  cm. หนาอย่างน้อย  4  mm.)",
      "EndDocument()",
  };
  RecordingHost host;
  FormState form = Calculated();
  report::Command3_Click(form, host);
  EXPECT_EQ(host.printerOperations(), expected);
  ASSERT_EQ(host.messages().size(), 1u); // the confirmation only
  EXPECT_EQ(host.messages()[0].prompt, kConfirmPrompt);
  EXPECT_EQ(host.messages()[0].style.code(), 33);
  EXPECT_EQ(host.messages()[0].title, kTitle);
}

struct LineCase {
  const char* name;
  std::function<FormState()> form;
  int line;
  std::string expected;
};

FormState Blank() {
  return FormState();
}

FormState Cleared() {
  FormState form = Calculated();
  for (const Field field : {Field::Text15, Field::Text16, Field::Text17}) {
    form.setText(field, "");
  }
  return form;
}

FormState Negative() {
  FormState form = Calculated();
  form.record().Qac = -5;
  form.record().AxialLoad = -120.5;
  return form;
}

FormState CommaLocale() {
  FormState form = Calculated();
  form.setNumberFormat({",", "."});
  return form;
}

FormState HeaderEditedAfterwards() {
  FormState form = Calculated();
  form.setText(Field::Text15, "สะพานลอย  ");
  return form;
}

class SheetLines : public testing::TestWithParam<LineCase> {};

TEST_P(SheetLines, ReadAsTheUserExpects) {
  const LineCase& c = GetParam();
  EXPECT_EQ(Line(Printed(c.form()), c.line), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Report, SheetLines,
    testing::Values(
        LineCase{"Line6_WorkedExample", Calculated, 6, " ขนาดเส้นผ่าศูนย์กลางภายใน d =  107.9  mm."},
        LineCase{"Line11_WorkedExample", Calculated, 11, " กำหนดค่า K ที่ใช้ในการออกแบบ =  .85 "},
        LineCase{"Line14_QacInMegapascals", Calculated, 14, " Qac =  92 MPa =  920  kg./sq.cm."},
        LineCase{"Line16_Verdict", Calculated, 16,
                 "ท่อเหล็กกลมรับน้ำหนักได้สูงสุด =  10280  kg.  > 8000   kg.     OK"},
        LineCase{"Line4_BeforeAnyCalculation", Blank, 4,
                 "ออกแบบให้เสาท่อเหล็ก รับน้ำหนัก Axial Load P =  kg."},
        LineCase{"Line5_BeforeAnyCalculation", Blank, 5, " ขนาดเส้นผ่าศูนย์กลางภายนอก D =  mm."},
        LineCase{"Line12_BeforeAnyCalculation", Blank, 12, " Effective Length =  x  =  cm."},
        LineCase{"Line15_BeforeAnyCalculation", Blank, 15,
                 " Qac x Section Area =  0  x  0  =  0  kg."},
        LineCase{"Line16_BeforeAnyCalculation", Blank, 16,
                 "ท่อเหล็กกลมรับน้ำหนักได้สูงสุด =  0  kg.  >  kg.     OK"},
        LineCase{"Line1_EmptyProject", Cleared, 1, " Project : "},
        LineCase{"Line3_EmptyColumn", Cleared, 3, " Column : "},
        LineCase{"Line1_EditedAfterTheCalculation", HeaderEditedAfterwards, 1,
                 " Project : สะพานลอย  "},
        LineCase{"Line14_NegativeNumbers", Negative, 14, " Qac = -5 MPa = -50  kg./sq.cm."},
        LineCase{"Line4_NegativeLoad", Negative, 4,
                 "ออกแบบให้เสาท่อเหล็ก รับน้ำหนัก Axial Load P = -120.5  kg."},
        LineCase{"Line7_CommaDecimalSeparator", CommaLocale, 7,
                 " พื้นที่หน้าตัดของท่อเหล็กกลม  A =  11,1735  sq.cm."},
        LineCase{"Line11_CommaDecimalSeparator", CommaLocale, 11,
                 " กำหนดค่า K ที่ใช้ในการออกแบบ =  ,85 "}),
    [](const testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

// What one click does, from the confirmation to the end of the document.
struct ClickCase {
  const char* name;
  std::function<void(RecordingHost&, FormState&)> arrange;
  // Printer operations: all 62 of a full sheet, none, or the first n followed by AbortDocument().
  int operationsBeforeAbort; // -1: the full sheet, ended; -2: none at all
  std::vector<std::string> messagePrompts;
  std::vector<std::string> pdfFiles;
};

const std::string kNoPrinterPrompt =
    "ไม่พบเครื่องพิมพ์ (Printer) ในเครื่องนี้   ต้องการบันทึกรายการคำนวณเป็นไฟล์ PDF แทนหรือไม่?";

class PrintCommand : public testing::TestWithParam<ClickCase> {};

TEST_P(PrintCommand, PrintsAbortsOrOffersAPdf) {
  const ClickCase& c = GetParam();
  RecordingHost host;
  FormState form = Calculated();
  c.arrange(host, form);
  report::Command3_Click(form, host);

  const std::vector<std::string> full = Printed(Calculated());
  const std::vector<std::string>& operations = host.printerOperations();
  if (c.operationsBeforeAbort == -1) {
    EXPECT_EQ(operations, full);
  } else if (c.operationsBeforeAbort == -2) {
    EXPECT_TRUE(operations.empty());
  } else {
    std::vector<std::string> expected(full.begin(), full.begin() + c.operationsBeforeAbort);
    expected.push_back("AbortDocument()");
    EXPECT_EQ(operations, expected);
  }
  std::vector<std::string> prompts;
  for (const engine::MessageCall& message : host.messages()) {
    prompts.push_back(message.prompt);
    EXPECT_EQ(message.title, kTitle);
  }
  EXPECT_EQ(prompts, c.messagePrompts);
  EXPECT_EQ(host.pdfFilesOpened(), c.pdfFiles);
  if (c.operationsBeforeAbort >= 0) {
    EXPECT_EQ(host.messages().back().style.code(), 16); // a critical-stop box
  }
}

INSTANTIATE_TEST_SUITE_P(
    Report, PrintCommand,
    testing::Values(
        ClickCase{"Cancel",
                  [](RecordingHost& host, FormState&) {
                    host.scriptMessageAnswer(MessageAnswer::Cancel);
                  },
                  -2,
                  {kConfirmPrompt},
                  {}},
        ClickCase{
            "FailureOnTheFirstOperation",
            [](RecordingHost& host, FormState&) { host.failPrinterOperation(0, "ไม่มีกระดาษ"); },
            0,
            {kConfirmPrompt, kFailedLead + ": ไม่มีกระดาษ"},
            {}},
        ClickCase{
            "FailureWhileDrawingThePictures",
            [](RecordingHost& host, FormState&) { host.failPrinterOperation(14, "paper jam"); },
            14,
            {kConfirmPrompt, kFailedLead + ": paper jam"},
            {}},
        ClickCase{"FailureAtTheEndWithoutAReason",
                  [](RecordingHost& host, FormState&) { host.failPrinterOperation(61, ""); },
                  61,
                  {kConfirmPrompt, kFailedLead},
                  {}},
        ClickCase{"TenTimesQacOutOfRange",
                  [](RecordingHost&, FormState& form) { form.record().Qac = 300000000; },
                  46, // lines 1 to 13 and the pictures are out; line 14 cannot be formed
                  {kConfirmPrompt, kFailedLead + ": " + kOverflowMessage},
                  {}},
        ClickCase{"NoPrinterSavesAPdf",
                  [](RecordingHost& host, FormState&) {
                    host.setPrinterAvailable(false);
                    host.scriptPdfFileName("/tmp/sheet.pdf");
                  },
                  -1,
                  {kConfirmPrompt, kNoPrinterPrompt},
                  {"/tmp/sheet.pdf"}},
        ClickCase{"NoPrinterAndThePdfDeclined",
                  [](RecordingHost& host, FormState&) {
                    host.setPrinterAvailable(false);
                    host.scriptMessageAnswer(MessageAnswer::Ok);
                    host.scriptMessageAnswer(MessageAnswer::Cancel);
                  },
                  -2,
                  {kConfirmPrompt, kNoPrinterPrompt},
                  {}},
        ClickCase{"NoPrinterAndTheSaveDialogCancelled",
                  [](RecordingHost& host, FormState&) {
                    host.setPrinterAvailable(false);
                    host.scriptPdfFileName(std::nullopt);
                  },
                  -2,
                  {kConfirmPrompt, kNoPrinterPrompt},
                  {}}),
    [](const testing::TestParamInfo<ClickCase>& info) { return std::string(info.param.name); });

TEST(CalculationSheet, LeavesTheRecordAndFieldsAsTheyWere) {
  RecordingHost host;
  FormState form = Calculated();
  const FormState before = form;
  report::Command3_Click(form, host);
  EXPECT_EQ(form.record().Qac, before.record().Qac);
  EXPECT_EQ(form.text(Field::Text15), before.text(Field::Text15));
  EXPECT_EQ(form.printEnabled(), before.printEnabled());
}

} // namespace
