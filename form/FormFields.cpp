// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/FormFields.h"

namespace form {

double& ValueOf(engine::ColumnInputs& inputs, Input input) {
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

double ValueOf(const engine::ColumnInputs& inputs, Input input) {
  return ValueOf(const_cast<engine::ColumnInputs&>(inputs), input);
}

std::string_view InitialHeaderText(HeaderField field) {
  switch (field) {
  case HeaderField::Project:
    return "อาคารโกดัง B";
  case HeaderField::Engineer:
    return "นายสมมติ ตัวอย่าง";
  case HeaderField::ColumnMark:
    break;
  }
  return " C-002";
}

std::string_view KeyOf(Input input) {
  return KeyOf(CaptionOf(input));
}

std::string_view KeyOf(Caption caption) {
  switch (caption) {
  case Caption::OutsideDiameter:
    return "outside_diameter";
  case Caption::WallThickness:
    return "wall_thickness";
  case Caption::Height:
    return "height";
  case Caption::KFactor:
    return "k_factor";
  case Caption::AxialLoad:
    return "axial_load";
  case Caption::Verdict:
    return "verdict";
  case Caption::BasePlate:
    return "base_plate";
  case Caption::Utilisation:
    return "utilisation";
  case Caption::Suggestion:
    return "suggestion";
  case Caption::SlendernessWarning:
    return "slenderness_warning";
  case Caption::LocalBucklingWarning:
    break;
  }
  return "local_buckling_warning";
}

std::string_view KeyOf(HeaderField field) {
  switch (field) {
  case HeaderField::Project:
    return "project";
  case HeaderField::Engineer:
    return "engineer";
  case HeaderField::ColumnMark:
    break;
  }
  return "column_mark";
}

} // namespace form
