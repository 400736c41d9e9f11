// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/FormFields.h"

namespace form {

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
    return "local_buckling_warning";
  case Caption::CrossCheck:
    break;
  }
  return "cross_check";
}

} // namespace form
