// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/ValuePrompt.h"
#include "engine/NumberText.h"
#include "form/FormState.h"
#include "form/ResultCaptions.h"
#include "tests/doubles/RecordingHost.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using form::Caption;
using form::FormState;
using form::Input;
using form::RecordingHost;

// Records what the prompt's input holds at the moment each message box appears.
class InputWatchingHost : public RecordingHost {
public:
  InputWatchingHost(const FormState& form, Input input) : form_(form), input_(input) {}

  form::MessageAnswer ShowMessage(const std::string& prompt, form::MessageStyle style,
                                  const std::optional<std::string>& title) override {
    inputWhenShown.push_back(form_.input(input_));
    return RecordingHost::ShowMessage(prompt, style, title);
  }

  std::vector<double> inputWhenShown;

private:
  const FormState& form_;
  Input input_;
};

// The input as the last calculation took it.
std::optional<double> Calculated(const engine::DesignRecord& q, Input input) {
  switch (input) {
  case Input::OutsideDiameter:
    return q.outsideDiameter;
  case Input::WallThickness:
    return q.wallThickness;
  case Input::Height:
    return q.columnLength ? std::optional(*q.columnLength / 100) : std::nullopt;
  case Input::KFactor:
    return q.kFactor;
  case Input::AxialLoad:
    break;
  }
  return q.axialLoad;
}

struct Answer {
  const char* name;
  Input input;
  std::string typed;
  double valueAfter;
  std::string message; // empty when no box is shown
  std::string caption;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Answer& c, std::ostream* os) {
  *os << c.name;
}

class PromptAnswers : public testing::TestWithParam<Answer> {};

TEST_P(PromptAnswers, StoreTheValueShowMessageAndCaption) {
  const Answer& answer = GetParam();
  FormState form;
  InputWatchingHost host(form, answer.input);
  host.scriptAnswer(answer.typed);

  form::AskForInput(answer.input, form, host);

  EXPECT_EQ(form.input(answer.input), answer.valueAfter);
  if (answer.message.empty()) {
    EXPECT_TRUE(host.messages().empty());
  } else {
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.messages()[0].prompt, answer.message);
    EXPECT_EQ(host.messages()[0].style, form::MessageStyle::CriticalOk());
    EXPECT_FALSE(host.messages()[0].title.has_value());
    // The fallback is already in place when the box appears.
    EXPECT_EQ(host.inputWhenShown[0], answer.valueAfter);
  }
  EXPECT_EQ(form.caption(form::CaptionOf(answer.input)), answer.caption);
  // The calculation ran on the value now held.
  EXPECT_EQ(Calculated(form.record(), answer.input), answer.valueAfter);
}

const std::string D = "ขนาดเส้นผ่าศูนย์กลางภายนอก D = ";
const std::string T = "ความหนาของท่อ T = ";
const std::string H = "ความสูงของท่อกลม H = ";
const std::string K = "K ที่ใช้ในการออกแบบ = ";
const std::string P = "ออกแบบให้เสารับน้ำหนัก = ";

INSTANTIATE_TEST_SUITE_P(
    Cases, PromptAnswers,
    testing::Values(
        Answer{"DiameterLowerBound", Input::OutsideDiameter, "10", 10, "", D + " 10 mm."},
        Answer{"DiameterUpperBound", Input::OutsideDiameter, "2000", 2000, "", D + " 2000 mm."},
        Answer{"DiameterBelow", Input::OutsideDiameter, "9.99", 100,
               "ขนาดเส้นผ่าศูนย์กลางภายนอก คุณป้อนน้อยกว่า 10 mm.. !?!   โปรดแก้ไขใหม่", D + " 100 mm."},
        Answer{"DiameterAbove", Input::OutsideDiameter, "2001", 100,
               "ขนาดเส้นผ่าศูนย์กลางภายนอก คุณป้อนมากกว่า 2000 mm.!?!   โปรดแก้ไขใหม่", D + " 100 mm."},
        Answer{"DiameterExponent", Input::OutsideDiameter, "1e3", 1000, "", D + " 1000 mm."},
        Answer{"DiameterBeyondDoubles", Input::OutsideDiameter, "1e400", 100,
               "ขนาดเส้นผ่าศูนย์กลางภายนอก คุณป้อนมากกว่า 2000 mm.!?!   โปรดแก้ไขใหม่", D + " 100 mm."},
        Answer{"DiameterLetters", Input::OutsideDiameter, "abc", 100,
               "ขนาดเส้นผ่าศูนย์กลางภายนอก คุณป้อนค่าที่ไม่ใช่ตัวเลข !?!   โปรดแก้ไขใหม่", D + " 100 mm."},
        Answer{"DiameterEmpty", Input::OutsideDiameter, "", 100, "", D + " 100 mm."},
        Answer{"ThicknessWithBlanks", Input::WallThickness, " 50 ", 50, "", T + " 50 mm."},
        Answer{"ThicknessAbove", Input::WallThickness, "60", 3.2,
               "ความหนาที่ คุณป้อนมากกว่า 50 mm.!?!   โปรดแก้ไขใหม่", T + " 3.2 mm."},
        Answer{"ThicknessBelow", Input::WallThickness, "0.5", 3.2,
               "ความหนาที่ คุณป้อนน้อยกว่า 1 mm.. !?!   โปรดแก้ไขใหม่", T + " 3.2 mm."},
        Answer{"ThicknessLoneBlank", Input::WallThickness, " ", 3.2,
               "ความหนาที่ คุณป้อนค่าที่ไม่ใช่ตัวเลข !?!   โปรดแก้ไขใหม่", T + " 3.2 mm."},
        Answer{"HeightDoublePoint", Input::Height, "1..2", 4,
               "ความสูงที่คุณป้อนค่าที่ไม่ใช่ตัวเลข !?!   โปรดแก้ไขใหม่", H + " 4 m."},
        Answer{"HeightBelow", Input::Height, "0.5", 4, "ความสูงที่คุณป้อนน้อยกว่า 1 m. !?!   โปรดแก้ไขใหม่",
               H + " 4 m."},
        Answer{"HeightAbove", Input::Height, "11", 4, "ความสูงที่คุณป้อนมากกว่า 10 m.!?!   โปรดแก้ไขใหม่",
               H + " 4 m."},
        Answer{"KLowerBound", Input::KFactor, "0.6", 0.6, "", K + " .6"},
        Answer{"KUpperBound", Input::KFactor, "2", 2, "", K + " 2"},
        Answer{"KOffered", Input::KFactor, "0.85", 0.85, "", K + " .85"},
        Answer{"KBelow", Input::KFactor, "0.59", 0.85, "กำหนดค่า K น้อยกว่า 0.6 !?!   โปรดแก้ไขใหม่",
               K + " .85"},
        Answer{"KAbove", Input::KFactor, "2.01", 0.85, "กำหนดค่า K มากกว่า 2 !?!   โปรดแก้ไขใหม่",
               K + " .85"},
        Answer{"LoadOffered", Input::AxialLoad, "8000", 8000, "", P + " 8000 kg."},
        Answer{"LoadBelow", Input::AxialLoad, "99", 8000,
               "กำหนดเสารับน้ำหนักน้อยกว่า 100 kg. !?!   โปรดแก้ไขใหม่", P + " 8000 kg."},
        Answer{"LoadAbove", Input::AxialLoad, "900001", 8000,
               "กำหนดเสารับน้ำหนักมากกว่า 900000 kg.!?!   โปรดแก้ไขใหม่", P + " 8000 kg."},
        Answer{"LoadNegativeBeyondDoubles", Input::AxialLoad, "-1e400", 8000,
               "กำหนดเสารับน้ำหนักน้อยกว่า 100 kg. !?!   โปรดแก้ไขใหม่", P + " 8000 kg."},
        // The calculation takes what the caption shows, not 1.
        Answer{"LoadWithThousandsSeparator", Input::AxialLoad, "1,000", 1000, "", P + " 1000 kg."},
        Answer{"LoadWithUnit", Input::AxialLoad, "12000 kg", 8000,
               "กำหนดเสารับน้ำหนักไม่ใช่ตัวเลข !?!   โปรดแก้ไขใหม่", P + " 8000 kg."}),
    [](const testing::TestParamInfo<Answer>& info) { return std::string(info.param.name); });

TEST(ValuePrompt, AsksWithTheDefaultOfferedNeverTheCurrentValue) {
  FormState form;
  form.setInput(Input::WallThickness, 4.5);
  RecordingHost host;
  host.scriptAnswer("6");
  form::AskForInput(Input::WallThickness, form, host);
  ASSERT_EQ(host.prompts().size(), 1u);
  EXPECT_EQ(host.prompts()[0].prompt, "ความหนาของท่อ T ( m.m.) =");
  EXPECT_EQ(host.prompts()[0].title, "Input Thickness  ");
  EXPECT_EQ(host.prompts()[0].offered, "3.2");
}

TEST(ValuePrompt, CancelKeepsInputCaptionRecordAndPrintState) {
  FormState form;
  RecordingHost host;
  host.scriptAnswer("168.3");
  form::AskForInput(Input::OutsideDiameter, form, host);
  host.scriptAnswer("90000");
  form::AskForInput(Input::AxialLoad, form, host);
  ASSERT_FALSE(form.printEnabled());
  const std::string caption = form.caption(Caption::OutsideDiameter);
  const engine::OptionalDouble diameter = form.record().outsideDiameter;

  host.scriptAnswer(std::nullopt);
  form::AskForInput(Input::OutsideDiameter, form, host);

  EXPECT_EQ(form.input(Input::OutsideDiameter), 168.3);
  EXPECT_EQ(form.caption(Caption::OutsideDiameter), caption);
  EXPECT_EQ(form.record().outsideDiameter, diameter);
  EXPECT_FALSE(form.printEnabled());
  EXPECT_TRUE(host.messages().empty());
}

TEST(ValuePrompt, CancelRunsNoCalculation) {
  FormState form;
  RecordingHost host;
  host.scriptAnswer(std::nullopt);
  form::AskForInput(Input::AxialLoad, form, host);
  EXPECT_FALSE(form.record().axialLoad.has_value());
  EXPECT_EQ(form.caption(Caption::Verdict), "เสาท่อกลมนี้รับน้ำหนักได้ ?");
}

TEST(ValuePrompt, LoadOfTwelveThousandFailsTheInitialColumn) {
  FormState form;
  RecordingHost host;
  host.scriptAnswer("12000");
  form::AskForInput(Input::AxialLoad, form, host);

  ASSERT_EQ(host.prompts().size(), 1u);
  EXPECT_EQ(host.prompts()[0].prompt, "กำหนดให้เสารับน้ำหนัก( kg.) =");
  EXPECT_EQ(host.prompts()[0].title, "Input Axial Load ");
  EXPECT_EQ(host.prompts()[0].offered, "8000");
  EXPECT_EQ(form.input(Input::AxialLoad), 12000);
  EXPECT_EQ(form.caption(Caption::AxialLoad), "ออกแบบให้เสารับน้ำหนัก =  12000 kg.");
  EXPECT_EQ(form.record().allowableStress, 92);
  EXPECT_EQ(form.record().sectionArea, engine::Fixed4::FromCount(111735));
  EXPECT_EQ(form.record().axialCapacity, engine::Fixed4::FromCount(102796200));
  EXPECT_EQ(form.caption(Caption::Verdict), form::kDoesNotCarryCaption);
  EXPECT_FALSE(form.printEnabled());
  EXPECT_EQ(form.caption(Caption::BasePlate), "Base Plate ขนาด =  18 cm. x  18 cm. หนา =  7 mm.");
  EXPECT_TRUE(host.messages().empty());
}

TEST(ValuePrompt, RejectedAnswerLeavesTheFallbackForLaterCalculations) {
  FormState form;
  RecordingHost host;
  host.scriptAnswer("abc");
  form::AskForInput(Input::Height, form, host);
  host.scriptAnswer("9000");
  form::AskForInput(Input::AxialLoad, form, host);
  EXPECT_EQ(form.input(Input::Height), 4);
  EXPECT_EQ(form.record().columnLength, 400);
  EXPECT_EQ(form.caption(Caption::Height), "ความสูงของท่อกลม H =  4 m.");
  EXPECT_EQ(form.caption(Caption::AxialLoad), "ออกแบบให้เสารับน้ำหนัก =  9000 kg.");
}

// Under a locale with the decimal comma the caption and the calculation see the number typed.
TEST(ValuePrompt, CommaLocaleCaptionAndCalculationAgree) {
  struct Case {
    Input input;
    std::string typed;
    double value;
    std::string caption;
  };
  const Case cases[] = {
      {Input::KFactor, "1,5", 1.5, K + " 1.5"},
      {Input::KFactor, "0,5", 0.85, K + " .85"}, // rejected: the fallback
      {Input::OutsideDiameter, "114,3", 114.3, D + " 114.3 mm."},
      {Input::AxialLoad, "12.000", 12000, P + " 12000 kg."},
      {Input::WallThickness, "4", 4, T + " 4 mm."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    FormState form;
    form.setNumberFormat(engine::NumberFormat{",", "."});
    RecordingHost host;
    host.scriptAnswer(c.typed);

    form::AskForInput(c.input, form, host);

    ASSERT_EQ(host.prompts().size(), 1u);
    EXPECT_EQ(host.prompts()[0].offered.find('.'), std::string::npos);
    EXPECT_EQ(form.input(c.input), c.value);
    EXPECT_EQ(Calculated(form.record(), c.input), c.value);
    EXPECT_EQ(form.caption(form::CaptionOf(c.input)), c.caption);
  }
}

} // namespace

namespace {

// A project's column: its prompt offers the value it has, and an empty or refused answer keeps it.
struct KeptValue {
  Input input;
  std::string typed;
  double valueAfter;
  bool refused;
};

TEST(ColumnPrompts, OfferTheColumnsValueAndKeepItWhenRefused) {
  const std::vector<KeptValue> cases = {
      {Input::AxialLoad, "", 250, false},      // Enter alone
      {Input::AxialLoad, "9000", 9000, false}, // a good answer is taken
      {Input::AxialLoad, "abc", 250, true},    // not a number
      {Input::OutsideDiameter, "114,3", 139.8, true},
      {Input::WallThickness, "60", 4.5, true}, // out of range
  };
  for (const KeptValue& c : cases) {
    SCOPED_TRACE(std::string(form::KeyOf(c.input)) + " typed «" + c.typed + "»");
    FormState form;
    form.setInput(Input::OutsideDiameter, 139.8);
    form.setInput(Input::WallThickness, 4.5);
    form.setInput(Input::AxialLoad, 250);
    const double before = form.input(c.input);
    InputWatchingHost host(form, c.input);
    host.scriptAnswer(c.typed);

    form::AskForInput(c.input, form, host, form::PromptDefault::ColumnValue);

    ASSERT_EQ(host.prompts().size(), 1u);
    EXPECT_EQ(host.prompts()[0].offered, engine::PlainText(before, form.numberFormat()));
    EXPECT_EQ(form.input(c.input), c.valueAfter);
    ASSERT_EQ(host.messages().size(), c.refused ? 1u : 0u);
    if (c.refused) {
      EXPECT_EQ(host.inputWhenShown[0], before); // never a fallback, not even while the box shows
    }
  }
}

} // namespace
