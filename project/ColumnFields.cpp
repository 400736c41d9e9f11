// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/ColumnFields.h"

#include "engine/InputRules.h"

namespace project {

namespace {

std::size_t IndexOf(engine::Input input) {
  return static_cast<std::size_t>(input);
}

} // namespace

std::string_view FileKeyOf(engine::Input input) {
  switch (input) {
  case engine::Input::OutsideDiameter:
    return "outside_diameter_mm";
  case engine::Input::WallThickness:
    return "wall_thickness_mm";
  case engine::Input::Height:
    return "height_m";
  case engine::Input::KFactor:
    return "k_factor";
  case engine::Input::AxialLoad:
    break;
  }
  return "axial_load_kg";
}

std::optional<engine::ColumnInputs>
AcceptInputs(const InputValues& values,
             const std::function<void(std::string_view, std::string_view)>& report) {
  engine::ColumnInputs inputs;
  bool accepted = true;
  for (const engine::Input input : engine::kAllInputs) {
    const std::optional<double>& value = values[IndexOf(input)];
    if (!value) {
      accepted = false;
      continue;
    }
    if (const auto problem = engine::RangeProblem(input, *value)) {
      report(FileKeyOf(input), *problem);
      accepted = false;
      continue;
    }
    engine::ValueOf(inputs, input) = *value;
  }
  const auto& diameter = values[IndexOf(engine::Input::OutsideDiameter)];
  const auto& thickness = values[IndexOf(engine::Input::WallThickness)];
  // Judged only between two accepted values, as the prompts do; a refused one is reported above.
  if (diameter && thickness && !engine::RangeProblem(engine::Input::OutsideDiameter, *diameter) &&
      !engine::RangeProblem(engine::Input::WallThickness, *thickness)) {
    if (const auto wall = engine::PipeWallProblem(*diameter, *thickness)) {
      report(FileKeyOf(engine::Input::WallThickness), *wall);
      accepted = false;
    }
  }
  if (!accepted) {
    return std::nullopt;
  }
  return inputs;
}

} // namespace project
