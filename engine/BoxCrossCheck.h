// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/BoxColumnCheck.h"
#include "engine/CrossCheck.h"

#include <optional>

namespace engine {

// One pair of opposite walls in compression, with the design wall.
struct BoxWallPair {
  double flatWidthMm = 0;      // b = side - 3 t
  double slenderness = 0;      // lambda = b / t
  double effectiveWidthMm = 0; // be; b where the wall is not slender at Fn
};

// The box column and its base plate checked by AISC 360-22 (ASD) with the service load,
// unrounded: flexural buckling about the weak axis, slender walls by effective widths, the
// concrete's bearing and the plate.
struct BoxCrossCheck {
  double designWallThicknessMm = 0;    // t = 0.93 t nominal
  double grossAreaCm2 = 0;             // Ag on the design wall
  double radiusOfGyrationCm = 0;       // weak axis, on the design wall
  double slendernessRatio = 0;         // Lc / r
  double elasticBucklingStressMpa = 0; // Fe
  double nominalStressMpa = 0;         // Fn
  double wallSlendernessLimit = 0;     // lambda r = 1.40 sqrt(E / Fy)
  BoxWallPair depthWalls;              // the walls of side A
  BoxWallPair widthWalls;              // the walls of side B
  double effectiveAreaCm2 = 0;         // Ae
  double allowableLoadKg = 0;          // Fn Ae / Omega c
  std::optional<double> utilisation;   // P over the allowable load
  CrossCheckVerdict verdict = CrossCheckVerdict::Fails;
  double concreteStrengthKgCm2 = 0; // f'c
  double bearingAllowableKg = 0;    // 0.85 f'c A1 / Omega c, with A2 = A1
  bool bearingHolds = false;
  double bearingPressureMpa = 0;     // fp under the plate
  double plateCantileverDepthMm = 0; // m = (N - 0.95 A) / 2
  double plateCantileverWidthMm = 0; // n = (N - 0.95 B) / 2
  double plateCantileverMm = 0;      // l, the larger, not below zero
  double plateThicknessCantileverMm = 0;
  double panelShortSideMm = 0;    // a = B - 2t inside the tube
  double panelLongSideMm = 0;     // b = A - 2t
  double panelMomentNmmPerMm = 0; // yield-line moment of the panel
  double plateThicknessPanelMm = 0;
  double plateThicknessRequiredMm = 0; // the larger of the two
  bool platePasses = false;            // the plate is thick enough and bears
};

// The effective width of a wall of flat width b and slenderness lambda at the stress Fn (E7).
double EffectiveWallWidth(double flatWidthMm, double slenderness, double nominalStressMpa,
                          const Materials& materials);

// The second opinion on a box column on the method's square plate of side `plateSideMm` and
// thickness `plateThicknessMm`. Throws ImpossibleBox for a section whose corners do not fit, and
// a Failure where a figure leaves the double range.
BoxCrossCheck CrossCheckBoxColumn(const BoxColumnInputs& inputs, double plateSideMm,
                                  double plateThicknessMm);

} // namespace engine
