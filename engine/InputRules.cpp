// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/InputRules.h"

#include "engine/ColumnCheck.h"

#include <cmath>

namespace engine {

namespace {

constexpr std::array<InputRule, kAllInputs.size()> kInputRules = {{
    {Input::OutsideDiameter, 100, 10, 2000,
     "ขนาดเส้นผ่าศูนย์กลางภายนอก คุณป้อนน้อยกว่า 10 mm.. !?!   โปรดแก้ไขใหม่",
     "ขนาดเส้นผ่าศูนย์กลางภายนอก คุณป้อนมากกว่า 2000 mm.!?!   โปรดแก้ไขใหม่",
     "ขนาดเส้นผ่าศูนย์กลางภายนอก คุณป้อนค่าที่ไม่ใช่ตัวเลข !?!   โปรดแก้ไขใหม่"},
    {Input::WallThickness, 3.2, 1, 50, "ความหนาที่ คุณป้อนน้อยกว่า 1 mm.. !?!   โปรดแก้ไขใหม่",
     "ความหนาที่ คุณป้อนมากกว่า 50 mm.!?!   โปรดแก้ไขใหม่",
     "ความหนาที่ คุณป้อนค่าที่ไม่ใช่ตัวเลข !?!   โปรดแก้ไขใหม่"},
    {Input::Height, 4, 1, 10, "ความสูงที่คุณป้อนน้อยกว่า 1 m. !?!   โปรดแก้ไขใหม่",
     "ความสูงที่คุณป้อนมากกว่า 10 m.!?!   โปรดแก้ไขใหม่", "ความสูงที่คุณป้อนค่าที่ไม่ใช่ตัวเลข !?!   โปรดแก้ไขใหม่"},
    {Input::KFactor, 0.85, 0.6, 2, "กำหนดค่า K น้อยกว่า 0.6 !?!   โปรดแก้ไขใหม่",
     "กำหนดค่า K มากกว่า 2 !?!   โปรดแก้ไขใหม่", "กำหนดค่า K ไม่ใช่ตัวเลข !?!   โปรดแก้ไขใหม่"},
    {Input::AxialLoad, 8000, 100, 900000, "กำหนดเสารับน้ำหนักน้อยกว่า 100 kg. !?!   โปรดแก้ไขใหม่",
     "กำหนดเสารับน้ำหนักมากกว่า 900000 kg.!?!   โปรดแก้ไขใหม่",
     "กำหนดเสารับน้ำหนักไม่ใช่ตัวเลข !?!   โปรดแก้ไขใหม่"},
}};

} // namespace

double& ValueOf(ColumnInputs& inputs, Input input) {
  switch (input) {
  case Input::OutsideDiameter:
    return inputs.outsideDiameterMm;
  case Input::WallThickness:
    return inputs.wallThicknessMm;
  case Input::Height:
    return inputs.heightM;
  case Input::KFactor:
    return inputs.kFactor;
  case Input::AxialLoad:
    break;
  }
  return inputs.axialLoadKg;
}

double ValueOf(const ColumnInputs& inputs, Input input) {
  return ValueOf(const_cast<ColumnInputs&>(inputs), input);
}

const InputRule& RuleFor(Input input) {
  return kInputRules[static_cast<std::size_t>(input)];
}

std::optional<std::string_view> RangeProblem(Input input, double value) {
  const InputRule& rule = RuleFor(input);
  if (std::isnan(value)) {
    return rule.messageNotANumber;
  }
  if (value < rule.lowerBound) {
    return rule.messageBelow;
  }
  if (value > rule.upperBound) {
    return rule.messageAbove;
  }
  return std::nullopt;
}

std::optional<std::string_view> PipeWallProblem(double outsideDiameterMm, double wallThicknessMm) {
  if (IsPossiblePipe(outsideDiameterMm, wallThicknessMm)) {
    return std::nullopt;
  }
  return kImpossiblePipeMessage;
}

} // namespace engine
