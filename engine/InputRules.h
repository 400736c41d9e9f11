// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ColumnInputs.h"

#include <array>
#include <optional>
#include <string_view>

namespace engine {

// The five design inputs a user answers, in the order of their captions on the window.
enum class Input { OutsideDiameter, WallThickness, Height, KFactor, AxialLoad };

inline constexpr std::array kAllInputs = {Input::OutsideDiameter, Input::WallThickness,
                                          Input::Height, Input::KFactor, Input::AxialLoad};

// The input's value in `inputs`, to read or to set.
double& ValueOf(ColumnInputs& inputs, Input input);
double ValueOf(const ColumnInputs& inputs, Input input);

// What the program accepts for one input, wherever the value comes from (a prompt, a project
// file, a CSV row, the command line), and what it says of a value it refuses.
struct InputRule {
  Input input;
  double fallback;   // offered in the prompt, and taken for empty or rejected answers
  double lowerBound; // inclusive
  double upperBound; // inclusive
  std::string_view messageBelow;
  std::string_view messageAbove;
  std::string_view messageNotANumber;
};

// Said of a diameter and thickness that would leave no pipe wall (2T >= D).
inline constexpr std::string_view kImpossiblePipeMessage =
    "ความหนาของท่อต้องน้อยกว่าครึ่งหนึ่งของขนาดเส้นผ่าศูนย์กลาง !?!   โปรดแก้ไขใหม่";

const InputRule& RuleFor(Input input);

// The message for a diameter and thickness that leave no pipe wall; none where they do. Wherever
// a value comes from, this is the one wall rule.
std::optional<std::string_view> PipeWallProblem(double outsideDiameterMm, double wallThicknessMm);

// The message for a value the input's rule refuses (NaN reads as not a number); none for a value
// it takes.
std::optional<std::string_view> RangeProblem(Input input, double value);

} // namespace engine
