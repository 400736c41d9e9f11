// SPDX-License-Identifier: GPL-3.0-or-later
// The prompts offer the standard sizes and still take any number; after every answer the form
// names the lightest standard pipe that carries the load, and a click takes it.

#include "engine/NumberText.h"
#include "engine/PipeCatalogue.h"
#include "form/FormState.h"
#include "form/ResultCaptions.h"
#include "form/ValuePrompt.h"
#include "tests/doubles/RecordingHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using form::Caption;
using form::FormState;
using form::Input;

TEST(StandardPipes, PromptsListStandardSizesAndTakeAnyNumber) {
  const struct {
    Input input;
    const char* answer;
    double value;          // stored afterwards
    std::size_t listed;    // choices the prompt offered
    const char* oneChoice; // one of them, or empty
  } kAnswers[] = {
      {Input::OutsideDiameter, "114.3  (100A, 4\")", 114.3, 29, "114.3  (100A, 4\")"},
      {Input::WallThickness, "4.5  (12.2 kg/m)", 4.5, 3, "3.2  (8.77 kg/m)"},
      {Input::OutsideDiameter, "500", 500, 29, "500"},
      {Input::WallThickness, "12  (144 kg/m)", 12, 3, "14  (168 kg/m)"},
      {Input::OutsideDiameter, "120", 120, 29, "1016  (1000A, 40\")"},
      {Input::WallThickness, "4.2", 4.2, 0, ""},
      {Input::AxialLoad, "9000", 9000, 0, ""},
  };
  FormState form;
  form::RecordingHost host;
  for (const auto& answer : kAnswers) {
    host.scriptAnswer(std::string(answer.answer));
    form::AskForInput(answer.input, form, host);
    const form::PromptCall& asked = host.prompts().back();
    EXPECT_EQ(form.input(answer.input), answer.value) << answer.answer;
    EXPECT_EQ(asked.offered, engine::PlainText(engine::RuleFor(answer.input).fallback));
    EXPECT_EQ(asked.choices.size(), answer.listed) << answer.answer;
    if (*answer.oneChoice != '\0') {
      EXPECT_NE(std::find(asked.choices.begin(), asked.choices.end(), answer.oneChoice),
                asked.choices.end())
          << answer.oneChoice;
    }
  }
  EXPECT_TRUE(host.messages().empty());
}

TEST(StandardPipes, SuggestsTheLightestPassingPipeAndTakesItOnClick) {
  FormState form;
  form::RecordingHost host;
  host.scriptAnswer(std::string("12000"));
  form::AskForInput(Input::AxialLoad, form, host);
  ASSERT_FALSE(form.printEnabled()) << "114.3 x 3.2 does not carry 12000 kg";
  ASSERT_TRUE(form.suggestion());
  const engine::StandardPipe pipe = *form.suggestion();
  EXPECT_EQ(form.caption(Caption::Suggestion),
            "ท่อมาตรฐานที่เบาที่สุดที่รับได้ " + engine::PlainText(pipe.outsideDiameterMm) + " x " +
                engine::PlainText(pipe.wallThicknessMm) + " mm. (" +
                engine::UnitMassText(pipe.unitMassKgPerM()) + " kg/m) คลิกเพื่อใช้");

  form::ApplySuggestion(form);
  EXPECT_EQ(form.input(Input::OutsideDiameter), pipe.outsideDiameterMm);
  EXPECT_EQ(form.input(Input::WallThickness), pipe.wallThicknessMm);
  EXPECT_EQ(form.caption(Caption::OutsideDiameter),
            form::InputCaption(Input::OutsideDiameter, pipe.outsideDiameterMm));
  EXPECT_TRUE(form.printEnabled());
  EXPECT_EQ(form.caption(Caption::Suggestion), "") << "the column's pipe is now the lightest";
  EXPECT_FALSE(form.suggestion());

  for (const auto& [input, answer] :
       {std::pair{Input::Height, "10"}, {Input::KFactor, "2"}, {Input::AxialLoad, "900000"}}) {
    host.scriptAnswer(std::string(answer));
    form::AskForInput(input, form, host);
  }
  EXPECT_EQ(form.caption(Caption::Suggestion), "ไม่มีท่อมาตรฐานที่รับน้ำหนักนี้ได้");
  EXPECT_FALSE(form.suggestion());
  EXPECT_NE(form.caption(Caption::SlendernessWarning), "");
}

} // namespace
