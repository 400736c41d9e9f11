#include "input/ValuePrompt.h"

#include "engine/CapacityCalculation.h"
#include "engine/FormState.h"
#include "engine/HostServices.h"
#include "engine/NumberText.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace input {

using engine::Caption;
using engine::Field;

const std::array<ValuePrompt, 5> kValuePrompts = {{
    {Caption::Label1, Field::Text1, "ขนาดเส้นผ่าศูนย์กลางภายนอก D( m.m.) =", "Input Outside Diameter ",
     100, 10, 2000, "ขนาดเส้นผ่าศูนย์กลางภายนอก คุณป้อนน้อยกว่า 10 mm.. !?!   โปรดแก้ไขใหม่",
     "ขนาดเส้นผ่าศูนย์กลางภายนอก คุณป้อนมากกว่า 2000 mm.!?!   โปรดแก้ไขใหม่",
     "ขนาดเส้นผ่าศูนย์กลางภายนอก คุณป้อนค่าที่ไม่ใช่ตัวเลข !?!   โปรดแก้ไขใหม่",
     "ขนาดเส้นผ่าศูนย์กลางภายนอก D = ", " mm."},
    {Caption::Label2, Field::Text2, "ความหนาของท่อ T ( m.m.) =", "Input Thickness  ", 3.2, 1, 50,
     "ความหนาที่ คุณป้อนน้อยกว่า 1 mm.. !?!   โปรดแก้ไขใหม่",
     "ความหนาที่ คุณป้อนมากกว่า 50 mm.!?!   โปรดแก้ไขใหม่", "ความหนาที่ คุณป้อนค่าที่ไม่ใช่ตัวเลข !?!   โปรดแก้ไขใหม่",
     "ความหนาของท่อ T = ", " mm."},
    {Caption::Label3, Field::Text3, "ความยาวหรือความสูงท่อกลม( m.) =", "Input Height  ", 4, 1, 10,
     "ความสูงที่คุณป้อนน้อยกว่า 1 m. !?!   โปรดแก้ไขใหม่", "ความสูงที่คุณป้อนมากกว่า 10 m.!?!   โปรดแก้ไขใหม่",
     "ความสูงที่คุณป้อนค่าที่ไม่ใช่ตัวเลข !?!   โปรดแก้ไขใหม่", "ความสูงของท่อกลม H = ", " m."},
    {Caption::Label4, Field::Text4, "กำหนดค่า K =", "Input K factor", 0.85, 0.6, 2,
     "กำหนดค่า K น้อยกว่า 0.6 !?!   โปรดแก้ไขใหม่", "กำหนดค่า K มากกว่า 2 !?!   โปรดแก้ไขใหม่",
     "กำหนดค่า K ไม่ใช่ตัวเลข !?!   โปรดแก้ไขใหม่", "K ที่ใช้ในการออกแบบ = ", ""},
    {Caption::Label14, Field::Text14, "กำหนดให้เสารับน้ำหนัก( kg.) =", "Input Axial Load ", 8000, 100,
     900000, "กำหนดเสารับน้ำหนักน้อยกว่า 100 kg. !?!   โปรดแก้ไขใหม่",
     "กำหนดเสารับน้ำหนักมากกว่า 900000 kg.!?!   โปรดแก้ไขใหม่",
     "กำหนดเสารับน้ำหนักไม่ใช่ตัวเลข !?!   โปรดแก้ไขใหม่", "ออกแบบให้เสารับน้ำหนัก = ", " kg."},
}};

namespace {

// A text that the locale's strict reading and the calculation's forgiving reading both take as
// `value`: its plain form with a period where the locale reads that alike, else whole digits and
// an exponent, which carry no separator at all (1.5 becomes "15E-1" where the period groups
// thousands).
std::string CommonText(double value, const engine::NumberFormat& format) {
  std::string text = engine::PlainText(value, engine::NumberFormat{});
  if (engine::ReadStrictNumber(text, format) == engine::LeadingNumber(text)) {
    return text;
  }
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.14e", value); // [-]d.dddddddddddddde[+-]x
  std::string digits(buffer);
  const std::size_t e = digits.find('e');
  int exponent = std::atoi(buffer + e + 1);
  digits.erase(e);
  digits.erase(digits.find('.'), 1);
  exponent -= 14;
  while (digits.back() == '0' && digits.size() > 1 && digits[digits.size() - 2] != '-') {
    digits.pop_back();
    ++exponent;
  }
  return digits + "E" + std::to_string(exponent);
}

} // namespace

const ValuePrompt& PromptFor(Caption label) {
  for (const ValuePrompt& row : kValuePrompts) {
    if (row.label == label) {
      return row;
    }
  }
  return kValuePrompts.front();
}

void RunValuePrompt(const ValuePrompt& row, engine::FormState& form, engine::HostServices& host) {
  const engine::NumberFormat& format = form.numberFormat();
  // Whole defaults print as their digits, the others as PlainText; both forms coincide.
  const std::string fallback = engine::PlainText(row.defaultValue, format);

  const std::optional<std::string> answer =
      host.AskText(std::string(row.promptText), std::string(row.title), fallback);
  if (!answer) {
    return; // cancelling keeps the value the field had
  }
  form.setText(row.field, *answer);

  if (form.text(row.field).empty()) {
    form.setText(row.field, fallback);
  }
  const auto reject = [&](std::string_view message) {
    form.setText(row.field, fallback); // in the field before the box shows
    host.ShowMessage(std::string(message), engine::MessageStyle::CriticalOk(), std::nullopt);
  };
  // Each test reads the field anew: a rejected value has been replaced by the fallback.
  std::optional<double> value = engine::ReadStrictNumber(form.text(row.field), format);
  if (!value) {
    reject(row.messageNotANumber);
  } else if (*value < row.lowerBound) {
    reject(row.messageBelow);
  }
  value = engine::ReadStrictNumber(form.text(row.field), format);
  if (value && *value > row.upperBound) {
    reject(row.messageAbove);
  }

  // The calculation reads the field with LeadingNumber; where that reading differs from the value
  // accepted ("1,000" would be 1), store the accepted value in a form both readings agree on.
  const double accepted = engine::StrictNumber(form.text(row.field), format);
  if (engine::LeadingNumber(form.text(row.field)) != accepted) {
    form.setText(row.field, CommonText(accepted, format));
  }

  form.setCaption(row.label, std::string(row.captionLead) +
                                 engine::SpacedFieldText(form.text(row.field), format) +
                                 std::string(row.unit));
  engine::RunCapacityCalculation(form);
}

void Label1_Click(engine::FormState& form, engine::HostServices& host) {
  RunValuePrompt(PromptFor(Caption::Label1), form, host);
}
void Label2_Click(engine::FormState& form, engine::HostServices& host) {
  RunValuePrompt(PromptFor(Caption::Label2), form, host);
}
void Label3_Click(engine::FormState& form, engine::HostServices& host) {
  RunValuePrompt(PromptFor(Caption::Label3), form, host);
}
void Label4_Click(engine::FormState& form, engine::HostServices& host) {
  RunValuePrompt(PromptFor(Caption::Label4), form, host);
}
void Label14_Click(engine::FormState& form, engine::HostServices& host) {
  RunValuePrompt(PromptFor(Caption::Label14), form, host);
}

} // namespace input
