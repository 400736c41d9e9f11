// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/ColumnFields.h"

#include "engine/ColumnCheck.h"
#include "form/ValuePrompt.h"

#include <cmath>

namespace project {

namespace {

// The prompt's message for a value it would refuse; none for a value it takes.
std::optional<std::string_view> RangeProblem(form::Input input, double value) {
  const form::ValuePrompt& prompt = form::PromptFor(input);
  if (std::isnan(value)) {
    return prompt.messageNotANumber;
  }
  if (value < prompt.lowerBound) {
    return prompt.messageBelow;
  }
  if (value > prompt.upperBound) {
    return prompt.messageAbove;
  }
  return std::nullopt;
}

std::size_t IndexOf(form::Input input) {
  return static_cast<std::size_t>(input);
}

} // namespace

std::string_view FileKeyOf(form::Input input) {
  switch (input) {
  case form::Input::OutsideDiameter:
    return "outside_diameter_mm";
  case form::Input::WallThickness:
    return "wall_thickness_mm";
  case form::Input::Height:
    return "height_m";
  case form::Input::KFactor:
    return "k_factor";
  case form::Input::AxialLoad:
    break;
  }
  return "axial_load_kg";
}

std::optional<engine::ColumnInputs>
AcceptInputs(const InputValues& values,
             const std::function<void(std::string_view, std::string_view)>& report) {
  engine::ColumnInputs inputs;
  bool accepted = true;
  for (const form::Input input : form::kAllInputs) {
    const std::optional<double>& value = values[IndexOf(input)];
    if (!value) {
      accepted = false;
      continue;
    }
    if (const auto problem = RangeProblem(input, *value)) {
      report(FileKeyOf(input), *problem);
      accepted = false;
      continue;
    }
    form::ValueOf(inputs, input) = *value;
  }
  const auto& diameter = values[IndexOf(form::Input::OutsideDiameter)];
  const auto& thickness = values[IndexOf(form::Input::WallThickness)];
  // Judged only between two accepted values, as the prompts do; a refused one is reported above.
  if (diameter && thickness && !RangeProblem(form::Input::OutsideDiameter, *diameter) &&
      !RangeProblem(form::Input::WallThickness, *thickness) &&
      !engine::IsPossiblePipe(*diameter, *thickness)) {
    report(FileKeyOf(form::Input::WallThickness), form::kImpossiblePipeMessage);
    accepted = false;
  }
  if (!accepted) {
    return std::nullopt;
  }
  return inputs;
}

} // namespace project
