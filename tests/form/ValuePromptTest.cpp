#include "input/ValuePrompt.h"
#include "engine/FormState.h"
#include "engine/NumberText.h"
#include "engine/RecordingHost.h"

#include <gtest/gtest.h>

#include <ostream>

#include <optional>
#include <string>

namespace {

using engine::Caption;
using engine::Field;

// Records what the prompt's field holds at the moment each message box appears.
class FieldWatchingHost : public engine::RecordingHost {
public:
  FieldWatchingHost(const engine::FormState& form, Field field) : form_(form), field_(field) {}

  engine::MessageAnswer ShowMessage(const std::string& prompt, engine::MessageStyle style,
                                    const std::optional<std::string>& title) override {
    fieldWhenShown.push_back(form_.text(field_));
    return RecordingHost::ShowMessage(prompt, style, title);
  }

  std::vector<std::string> fieldWhenShown;

private:
  const engine::FormState& form_;
  Field field_;
};

struct Answer {
  const char* name;
  Caption label;
  std::string typed;
  std::string fieldAfter;
  std::string message; // empty when no box is shown
  std::string caption;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Answer& c, std::ostream* os) {
  *os << c.name;
}

class PromptAnswers : public testing::TestWithParam<Answer> {};

TEST_P(PromptAnswers, WriteFieldShowMessageAndCaption) {
  const Answer& answer = GetParam();
  engine::FormState form;
  const input::ValuePrompt& row = input::PromptFor(answer.label);
  FieldWatchingHost host(form, row.field);
  host.scriptAnswer(answer.typed);

  input::RunValuePrompt(row, form, host);

  EXPECT_EQ(form.text(row.field), answer.fieldAfter);
  if (answer.message.empty()) {
    EXPECT_TRUE(host.messages().empty());
  } else {
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.messages()[0].prompt, answer.message);
    EXPECT_EQ(host.messages()[0].style.code(), 16);
    EXPECT_FALSE(host.messages()[0].title.has_value());
    // The fallback is already in the field when the box appears.
    EXPECT_EQ(host.fieldWhenShown[0], answer.fieldAfter);
  }
  EXPECT_EQ(form.caption(answer.label), answer.caption);
  // The calculation ran on what the field now holds.
  EXPECT_TRUE(form.record().AxialLoad.has_value());
}

const std::string D = "ขนาดเส้นผ่าศูนย์กลางภายนอก D = ";
const std::string T = "ความหนาของท่อ T = ";
const std::string H = "ความสูงของท่อกลม H = ";
const std::string K = "K ที่ใช้ในการออกแบบ = ";
const std::string P = "ออกแบบให้เสารับน้ำหนัก = ";

INSTANTIATE_TEST_SUITE_P(
    Cases, PromptAnswers,
    testing::Values(
        Answer{"DiameterLowerBound", Caption::Label1, "10", "10", "", D + " 10 mm."},
        Answer{"DiameterUpperBound", Caption::Label1, "2000", "2000", "", D + " 2000 mm."},
        Answer{"DiameterBelow", Caption::Label1, "9.99", "100",
               "ขนาดเส้นผ่าศูนย์กลางภายนอก คุณป้อนน้อยกว่า 10 mm.. !?!   โปรดแก้ไขใหม่", D + " 100 mm."},
        Answer{"DiameterAbove", Caption::Label1, "2001", "100",
               "ขนาดเส้นผ่าศูนย์กลางภายนอก คุณป้อนมากกว่า 2000 mm.!?!   โปรดแก้ไขใหม่", D + " 100 mm."},
        Answer{"DiameterExponent", Caption::Label1, "1e3", "1e3", "", D + " 1000 mm."},
        Answer{"DiameterBeyondDoubles", Caption::Label1, "1e400", "100",
               "ขนาดเส้นผ่าศูนย์กลางภายนอก คุณป้อนมากกว่า 2000 mm.!?!   โปรดแก้ไขใหม่", D + " 100 mm."},
        Answer{"DiameterLetters", Caption::Label1, "abc", "100",
               "ขนาดเส้นผ่าศูนย์กลางภายนอก คุณป้อนค่าที่ไม่ใช่ตัวเลข !?!   โปรดแก้ไขใหม่", D + " 100 mm."},
        Answer{"DiameterEmpty", Caption::Label1, "", "100", "", D + " 100 mm."},
        Answer{"ThicknessBlanksKept", Caption::Label2, " 50 ", " 50 ", "", T + " 50 mm."},
        Answer{"ThicknessAbove", Caption::Label2, "60", "3.2",
               "ความหนาที่ คุณป้อนมากกว่า 50 mm.!?!   โปรดแก้ไขใหม่", T + " 3.2 mm."},
        Answer{"ThicknessBelow", Caption::Label2, "0.5", "3.2",
               "ความหนาที่ คุณป้อนน้อยกว่า 1 mm.. !?!   โปรดแก้ไขใหม่", T + " 3.2 mm."},
        Answer{"ThicknessLoneBlank", Caption::Label2, " ", "3.2",
               "ความหนาที่ คุณป้อนค่าที่ไม่ใช่ตัวเลข !?!   โปรดแก้ไขใหม่", T + " 3.2 mm."},
        Answer{"HeightDoublePoint", Caption::Label3, "1..2", "4",
               "ความสูงที่คุณป้อนค่าที่ไม่ใช่ตัวเลข !?!   โปรดแก้ไขใหม่", H + " 4 m."},
        Answer{"HeightBelow", Caption::Label3, "0.5", "4",
               "ความสูงที่คุณป้อนน้อยกว่า 1 m. !?!   โปรดแก้ไขใหม่", H + " 4 m."},
        Answer{"HeightAbove", Caption::Label3, "11", "4",
               "ความสูงที่คุณป้อนมากกว่า 10 m.!?!   โปรดแก้ไขใหม่", H + " 4 m."},
        Answer{"KLowerBound", Caption::Label4, "0.6", "0.6", "", K + " .6"},
        Answer{"KUpperBound", Caption::Label4, "2", "2", "", K + " 2"},
        Answer{"KOffered", Caption::Label4, "0.85", "0.85", "", K + " .85"},
        Answer{"KBelow", Caption::Label4, "0.59", "0.85", "กำหนดค่า K น้อยกว่า 0.6 !?!   โปรดแก้ไขใหม่",
               K + " .85"},
        Answer{"KAbove", Caption::Label4, "2.01", "0.85", "กำหนดค่า K มากกว่า 2 !?!   โปรดแก้ไขใหม่",
               K + " .85"},
        Answer{"LoadOffered", Caption::Label14, "8000", "8000", "", P + " 8000 kg."},
        Answer{"LoadBelow", Caption::Label14, "99", "8000",
               "กำหนดเสารับน้ำหนักน้อยกว่า 100 kg. !?!   โปรดแก้ไขใหม่", P + " 8000 kg."},
        Answer{"LoadAbove", Caption::Label14, "900001", "8000",
               "กำหนดเสารับน้ำหนักมากกว่า 900000 kg.!?!   โปรดแก้ไขใหม่", P + " 8000 kg."},
        Answer{"LoadNegativeBeyondDoubles", Caption::Label14, "-1e400", "8000",
               "กำหนดเสารับน้ำหนักน้อยกว่า 100 kg. !?!   โปรดแก้ไขใหม่", P + " 8000 kg."},
        // The calculation reads what the caption shows, not 1.
        Answer{"LoadWithThousandsSeparator", Caption::Label14, "1,000", "1000", "",
               P + " 1000 kg."},
        Answer{"LoadWithUnit", Caption::Label14, "12000 kg", "8000",
               "กำหนดเสารับน้ำหนักไม่ใช่ตัวเลข !?!   โปรดแก้ไขใหม่", P + " 8000 kg."}),
    [](const testing::TestParamInfo<Answer>& info) { return std::string(info.param.name); });

TEST(ValuePrompt, AsksWithTheDefaultOfferedNeverTheCurrentValue) {
  engine::FormState form;
  form.setText(Field::Text2, "4.5");
  engine::RecordingHost host;
  host.scriptAnswer("6");
  input::Label2_Click(form, host);
  ASSERT_EQ(host.prompts().size(), 1u);
  EXPECT_EQ(host.prompts()[0].prompt, "ความหนาของท่อ T ( m.m.) =");
  EXPECT_EQ(host.prompts()[0].title, "Input Thickness  ");
  EXPECT_EQ(host.prompts()[0].offered, "3.2");
}

TEST(ValuePrompt, CancelKeepsFieldCaptionRecordAndPrintState) {
  engine::FormState form;
  engine::RecordingHost host;
  host.scriptAnswer("168.3");
  input::Label1_Click(form, host);
  host.scriptAnswer("90000");
  input::Label14_Click(form, host);
  ASSERT_FALSE(form.printEnabled());
  const std::string caption = form.caption(Caption::Label1);
  const engine::OptionalDouble diameter = form.record().OutsideDiameter;

  host.scriptAnswer(std::nullopt);
  input::Label1_Click(form, host);

  EXPECT_EQ(form.text(Field::Text1), "168.3");
  EXPECT_EQ(form.caption(Caption::Label1), caption);
  EXPECT_EQ(form.record().OutsideDiameter, diameter);
  EXPECT_FALSE(form.printEnabled());
  EXPECT_TRUE(host.messages().empty());
}

TEST(ValuePrompt, CancelRunsNoCalculation) {
  engine::FormState form;
  engine::RecordingHost host;
  host.scriptAnswer(std::nullopt);
  input::Label14_Click(form, host);
  EXPECT_FALSE(form.record().AxialLoad.has_value());
  EXPECT_EQ(form.caption(Caption::Label555), "เสาท่อกลมนี้รับน้ำหนักได้ ?");
}

TEST(ValuePrompt, LoadOfTwelveThousandFailsTheDefaultColumn) {
  engine::FormState form;
  engine::RecordingHost host;
  host.scriptAnswer("12000");
  input::Label14_Click(form, host);

  ASSERT_EQ(host.prompts().size(), 1u);
  EXPECT_EQ(host.prompts()[0].prompt, "กำหนดให้เสารับน้ำหนัก( kg.) =");
  EXPECT_EQ(host.prompts()[0].title, "Input Axial Load ");
  EXPECT_EQ(host.prompts()[0].offered, "8000");
  EXPECT_EQ(form.text(Field::Text14), "12000");
  EXPECT_EQ(form.caption(Caption::Label14), "ออกแบบให้เสารับน้ำหนัก =  12000 kg.");
  EXPECT_EQ(form.record().Qac, 92);
  EXPECT_EQ(form.record().SectionArea, engine::Fixed4::FromCount(111735));
  EXPECT_EQ(form.record().AxialCapacity, engine::Fixed4::FromCount(102796200));
  EXPECT_EQ(form.caption(Caption::Label555), "เสาท่อกลมนี้รับน้ำหนักไม่ได้  !!! โปรดแก้ไขนาดให้ใหญ่ขึ้น");
  EXPECT_FALSE(form.printEnabled());
  EXPECT_EQ(form.caption(Caption::Label556), "Base Plate ขนาด =  18 cm. x  18 cm. หนา =  7 mm.");
  EXPECT_TRUE(host.messages().empty());
}

TEST(ValuePrompt, NotANumberLeavesAReadableFieldForLaterCalculations) {
  engine::FormState form;
  engine::RecordingHost host;
  host.scriptAnswer("abc");
  input::Label3_Click(form, host);
  // A later prompt for another value still completes: the height field holds the fallback.
  host.scriptAnswer("9000");
  input::Label14_Click(form, host);
  EXPECT_EQ(form.text(Field::Text3), "4");
  EXPECT_EQ(form.caption(Caption::Label3), "ความสูงของท่อกลม H =  4 m.");
  EXPECT_EQ(form.caption(Caption::Label14), "ออกแบบให้เสารับน้ำหนัก =  9000 kg.");
}

// Under a locale with the decimal comma the caption and the calculation still see one number:
// the field is rewritten where the period would read it differently.
TEST(ValuePrompt, CommaLocaleCaptionAndCalculationAgree) {
  struct Case {
    Caption label;
    std::string typed;
    double value;
    std::string caption;
  };
  const Case cases[] = {
      {Caption::Label4, "1,5", 1.5, K + " 1.5"},
      {Caption::Label4, "0,5", 0.85, K + " .85"}, // rejected: the fallback is "0,85"
      {Caption::Label1, "114,3", 114.3, D + " 114.3 mm."},
      {Caption::Label14, "12.000", 12000, P + " 12000 kg."},
      {Caption::Label2, "4", 4, T + " 4 mm."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    engine::FormState form;
    form.setNumberFormat(engine::NumberFormat{",", "."});
    engine::RecordingHost host;
    host.scriptAnswer(c.typed);
    const input::ValuePrompt& row = input::PromptFor(c.label);

    input::RunValuePrompt(row, form, host);

    const std::string& text = form.text(row.field);
    EXPECT_EQ(engine::StrictNumber(text, form.numberFormat()), c.value) << text;
    EXPECT_EQ(engine::LeadingNumber(text), c.value) << text;
    EXPECT_EQ(form.caption(c.label), c.caption);
  }
}

} // namespace
