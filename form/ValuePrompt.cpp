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
    {Input::OutsideDiameter, "ขนาดเส้นผ่าศูนย์กลางภายนอก D( m.m.) =", "Input Outside Diameter ", 100,
     10, 2000, "ขนาดเส้นผ่าศูนย์กลางภายนอก คุณป้อนน้อยกว่า 10 mm.. !?!   โปรดแก้ไขใหม่",
     "ขนาดเส้นผ่าศูนย์กลางภายนอก คุณป้อนมากกว่า 2000 mm.!?!   โปรดแก้ไขใหม่",
     "ขนาดเส้นผ่าศูนย์กลางภายนอก คุณป้อนค่าที่ไม่ใช่ตัวเลข !?!   โปรดแก้ไขใหม่",
     "ขนาดเส้นผ่าศูนย์กลางภายนอก D = ", " mm."},
    {Input::WallThickness, "ความหนาของท่อ T ( m.m.) =", "Input Thickness  ", 3.2, 1, 50,
     "ความหนาที่ คุณป้อนน้อยกว่า 1 mm.. !?!   โปรดแก้ไขใหม่",
     "ความหนาที่ คุณป้อนมากกว่า 50 mm.!?!   โปรดแก้ไขใหม่", "ความหนาที่ คุณป้อนค่าที่ไม่ใช่ตัวเลข !?!   โปรดแก้ไขใหม่",
     "ความหนาของท่อ T = ", " mm."},
    {Input::Height, "ความยาวหรือความสูงท่อกลม( m.) =", "Input Height  ", 4, 1, 10,
     "ความสูงที่คุณป้อนน้อยกว่า 1 m. !?!   โปรดแก้ไขใหม่", "ความสูงที่คุณป้อนมากกว่า 10 m.!?!   โปรดแก้ไขใหม่",
     "ความสูงที่คุณป้อนค่าที่ไม่ใช่ตัวเลข !?!   โปรดแก้ไขใหม่", "ความสูงของท่อกลม H = ", " m."},
    {Input::KFactor, "กำหนดค่า K =", "Input K factor", 0.85, 0.6, 2,
     "กำหนดค่า K น้อยกว่า 0.6 !?!   โปรดแก้ไขใหม่", "กำหนดค่า K มากกว่า 2 !?!   โปรดแก้ไขใหม่",
     "กำหนดค่า K ไม่ใช่ตัวเลข !?!   โปรดแก้ไขใหม่", "K ที่ใช้ในการออกแบบ = ", ""},
    {Input::AxialLoad, "กำหนดให้เสารับน้ำหนัก( kg.) =", "Input Axial Load ", 8000, 100, 900000,
     "กำหนดเสารับน้ำหนักน้อยกว่า 100 kg. !?!   โปรดแก้ไขใหม่",
     "กำหนดเสารับน้ำหนักมากกว่า 900000 kg.!?!   โปรดแก้ไขใหม่",
     "กำหนดเสารับน้ำหนักไม่ใช่ตัวเลข !?!   โปรดแก้ไขใหม่", "ออกแบบให้เสารับน้ำหนัก = ", " kg."},
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

void AskForInput(Input input, FormState& form, HostServices& host) {
  const ValuePrompt& row = PromptFor(input);
  const engine::NumberFormat& format = form.numberFormat();
  const std::string offered = engine::PlainText(row.fallback, format);
  const std::vector<std::string> choices = PromptChoices(input, form);

  std::optional<std::string> answer = host.AskTextWithChoices(
      std::string(row.promptText), std::string(row.title), offered, choices);
  // A picked item reads as its number; the note after it only explains.
  if (answer && std::find(choices.begin(), choices.end(), *answer) != choices.end()) {
    answer = answer->substr(0, answer->find(kChoiceNoteLead));
  }
  if (!answer) {
    return; // cancelling keeps the value the input had
  }
  const double previous = form.input(input);
  // An empty answer takes the fallback silently.
  double value = answer->empty() ? row.fallback : 0.0;
  const auto reject = [&](std::string_view message) {
    value = row.fallback;
    form.setInput(input, value); // in place before the box shows
    host.ShowMessage(std::string(message), MessageStyle::CriticalOk(), std::nullopt);
  };
  if (!answer->empty()) {
    const std::optional<double> read = engine::ReadStrictNumber(*answer, format);
    value = read.value_or(row.fallback);
    if (!read) {
      reject(row.messageNotANumber);
    } else if (value < row.lowerBound) {
      reject(row.messageBelow);
    } else if (value > row.upperBound) {
      reject(row.messageAbove);
    }
  }
  form.setInput(input, value);
  if (!engine::IsPossiblePipe(form.input(Input::OutsideDiameter),
                              form.input(Input::WallThickness))) {
    form.setInput(input, previous);
    host.ShowMessage(std::string(kImpossiblePipeMessage), MessageStyle::CriticalOk(), std::nullopt);
    return;
  }
  form.setCaption(CaptionOf(input), InputCaption(input, value));
  Recalculate(form);
}

} // namespace form
