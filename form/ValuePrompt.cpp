// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/ValuePrompt.h"

#include "engine/ColumnCheck.h"
#include "engine/NumberText.h"
#include "form/FormState.h"
#include "form/HostServices.h"
#include "form/ResultCaptions.h"

#include <algorithm>
#include <optional>
#include <string>

namespace form {

const std::array<ValuePrompt, 5> kValuePrompts = {{
    {Input::OutsideDiameter, "ขนาดเส้นผ่าศูนย์กลางภายนอก D( m.m.) =", "Input Outside Diameter ",
     "ขนาดเส้นผ่าศูนย์กลางภายนอก D = ", " mm."},
    {Input::WallThickness, "ความหนาของท่อ T ( m.m.) =", "Input Thickness  ",
     "ความหนาของท่อ T = ", " mm."},
    {Input::Height, "ความยาวหรือความสูงท่อกลม( m.) =", "Input Height  ", "ความสูงของท่อกลม H = ", " m."},
    {Input::KFactor, "กำหนดค่า K =", "Input K factor", "K ที่ใช้ในการออกแบบ = ", ""},
    {Input::AxialLoad, "กำหนดให้เสารับน้ำหนัก( kg.) =", "Input Axial Load ",
     "ออกแบบให้เสารับน้ำหนัก = ", " kg."},
}};

const ValuePrompt& PromptFor(Input input) {
  return kValuePrompts[static_cast<std::size_t>(input)];
}

namespace {
constexpr std::string_view kChoiceNoteLead = "  (";
} // namespace

std::vector<std::string> PromptChoices(Input input, const FormState& form) {
  std::vector<std::string> choices;
  const engine::PipeCatalogue& catalogue = form.catalogue();
  const engine::NumberFormat& format = form.numberFormat();
  if (input == Input::OutsideDiameter) {
    // The table lists each diameter's sizes together, in ascending diameter.
    double previous = 0;
    for (const engine::StandardPipe& pipe : catalogue.pipes()) {
      if (pipe.outsideDiameterMm == previous) {
        continue;
      }
      previous = pipe.outsideDiameterMm;
      const std::string nominal = pipe.nominal();
      choices.push_back(
          engine::PlainText(pipe.outsideDiameterMm, format) +
          (nominal.empty() ? std::string() : std::string(kChoiceNoteLead) + nominal + ")"));
    }
  } else if (input == Input::WallThickness) {
    for (const engine::StandardPipe& pipe : catalogue.sizesOf(form.input(Input::OutsideDiameter))) {
      choices.push_back(engine::PlainText(pipe.wallThicknessMm, format) +
                        std::string(kChoiceNoteLead) + engine::UnitMassText(pipe.unitMassKgPerM()) +
                        " kg/m)");
    }
  }
  return choices;
}

void AnswerInput(Input input, const std::string& answer, FormState& form,
                 const std::function<void(std::string_view message)>& refuse,
                 PromptDefault offered) {
  const engine::InputRule& rule = engine::RuleFor(input);
  const double previous = form.input(input);
  // An empty answer takes the fallback silently; a project's column keeps its value instead.
  const double fallback = offered == PromptDefault::ColumnValue ? previous : rule.fallback;
  double value = fallback;
  const auto reject = [&](std::string_view message) {
    value = fallback;
    form.setInput(input, value); // in place before the box shows
    refuse(message);
  };
  if (!answer.empty()) {
    const std::optional<double> read = engine::ReadStrictNumber(answer, form.numberFormat());
    value = read.value_or(fallback);
    if (!read) {
      reject(rule.messageNotANumber);
    } else if (const auto problem = engine::RangeProblem(input, value)) {
      reject(*problem);
    }
  }
  form.setInput(input, value);
  if (const auto wall = engine::PipeWallProblem(form.input(Input::OutsideDiameter),
                                                form.input(Input::WallThickness))) {
    form.setInput(input, previous);
    refuse(*wall);
    return;
  }
  form.setCaption(CaptionOf(input), InputCaption(input, value));
  Recalculate(form);
}

void AskForInput(Input input, FormState& form, HostServices& host, PromptDefault offered) {
  const ValuePrompt& row = PromptFor(input);
  const std::string offeredText = engine::PlainText(
      offered == PromptDefault::ColumnValue ? form.input(input) : engine::RuleFor(input).fallback,
      form.numberFormat());
  const std::vector<std::string> choices = PromptChoices(input, form);

  std::optional<std::string> answer = host.AskTextWithChoices(
      std::string(row.promptText), std::string(row.title), offeredText, choices);
  if (!answer) {
    return; // cancelling keeps the value the input had
  }
  // A picked item reads as its number; the note after it only explains.
  if (std::find(choices.begin(), choices.end(), *answer) != choices.end()) {
    answer = answer->substr(0, answer->find(kChoiceNoteLead));
  }
  AnswerInput(
      input, *answer, form,
      [&](std::string_view message) {
        host.ShowMessage(std::string(message), MessageStyle::CriticalOk(), std::nullopt);
      },
      offered);
}

} // namespace form
