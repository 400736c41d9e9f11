// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ColumnInputs.h"

#include <array>
#include <string_view>

namespace form {

// The five design inputs a user answers, in the order of their captions on the window.
enum class Input { OutsideDiameter, WallThickness, Height, KFactor, AxialLoad };

inline constexpr std::array kAllInputs = {Input::OutsideDiameter, Input::WallThickness,
                                          Input::Height, Input::KFactor, Input::AxialLoad};

// The captions the logic rewrites: one per input, the verdict and the base plate size; then what
// the method itself does not say: the utilisation, the lightest standard pipe, two warnings.
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
};

inline constexpr std::array kAllCaptions = {
    Caption::OutsideDiameter, Caption::WallThickness, Caption::Height,    Caption::KFactor,
    Caption::AxialLoad,       Caption::Verdict,       Caption::BasePlate,
};

inline constexpr std::array kAssessmentCaptions = {Caption::Utilisation, Caption::Suggestion,
                                                   Caption::SlendernessWarning,
                                                   Caption::LocalBucklingWarning};

// The calculation sheet's header, typed by the user and printed at the top of the sheet.
enum class HeaderField { Project, Engineer, ColumnMark };

inline constexpr std::array kAllHeaderFields = {HeaderField::Project, HeaderField::Engineer,
                                                HeaderField::ColumnMark};

constexpr Caption CaptionOf(Input input) {
  return static_cast<Caption>(input);
}

// The input's value in `inputs`, to read or to set.
double& ValueOf(engine::ColumnInputs& inputs, Input input);
double ValueOf(const engine::ColumnInputs& inputs, Input input);

std::string_view InitialHeaderText(HeaderField field);

// A stable English name for scripts and widgets: "outside_diameter", "verdict", "project".
std::string_view KeyOf(Input input);
std::string_view KeyOf(Caption caption);
std::string_view KeyOf(HeaderField field);

} // namespace form
