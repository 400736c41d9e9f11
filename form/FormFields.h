// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ColumnInputs.h"
#include "engine/InputRules.h"
#include "project/HeaderFields.h"

#include <array>
#include <optional>
#include <string_view>

namespace form {

using engine::Input;
using engine::kAllInputs;
using engine::ValueOf;

// The captions the logic rewrites: one per input, the verdict and the base plate size; then what
// the method itself does not say: the utilisation, the lightest standard pipe, two warnings, the
// second opinion.
enum class Caption {
  OutsideDiameter,
  WallThickness,
  Height,
  KFactor,
  AxialLoad,
  Verdict,
  BasePlate,
  Utilisation,
  Suggestion,
  SlendernessWarning,
  LocalBucklingWarning,
  CrossCheck,
};

inline constexpr std::array kAllCaptions = {
    Caption::OutsideDiameter, Caption::WallThickness, Caption::Height,    Caption::KFactor,
    Caption::AxialLoad,       Caption::Verdict,       Caption::BasePlate,
};

inline constexpr std::array kAssessmentCaptions = {
    Caption::Utilisation, Caption::Suggestion, Caption::SlendernessWarning,
    Caption::LocalBucklingWarning, Caption::CrossCheck};

using project::HeaderField;
using project::InitialHeaderText;
using project::kAllHeaderFields;
using project::KeyOf;

// The caption that shows an input.
constexpr Caption CaptionOf(Input input) {
  switch (input) {
  case Input::OutsideDiameter:
    return Caption::OutsideDiameter;
  case Input::WallThickness:
    return Caption::WallThickness;
  case Input::Height:
    return Caption::Height;
  case Input::KFactor:
    return Caption::KFactor;
  case Input::AxialLoad:
    break;
  }
  return Caption::AxialLoad;
}

// The input a caption shows; none for the captions of results.
constexpr std::optional<Input> InputOf(Caption caption) {
  for (Input input : kAllInputs) {
    if (CaptionOf(input) == caption) {
      return input;
    }
  }
  return std::nullopt;
}

// A stable English name for scripts and widgets: "outside_diameter", "verdict", "project".
std::string_view KeyOf(Input input);
std::string_view KeyOf(Caption caption);

} // namespace form
