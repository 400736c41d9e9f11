// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ColumnInputs.h"
#include "engine/DesignRecord.h"

#include <optional>
#include <string_view>

namespace engine {

// The code the second opinion answers by, as printed and written to JSON.
inline constexpr std::string_view kCrossCheckCode = "AISC 360-22 ASD";

enum class CrossCheckVerdict { Passes, Fails, NotCovered };

// "passes", "fails" or "not covered".
std::string_view KeyOf(CrossCheckVerdict verdict);

// Safety factors of the second opinion (allowable strength design).
inline constexpr double kCompressionSafetyFactor = 1.67; // Omega c, members in compression
inline constexpr double kBearingSafetyFactor = 2.31;     // Omega c, concrete bearing
inline constexpr double kPlateBendingSafetyFactor = 1.67;
// The pipe's wall is taken as this share of its nominal thickness: pipe not made to ASTM A1065 or
// A1085 may be that much thinner.
inline constexpr double kDesignWallFactor = 0.93;
// The slenderness Lc/r the code advises a member in compression not to exceed.
inline constexpr double kCrossCheckAdvisedSlenderness = 200;
// The plate bends about a line at this share of the pipe's diameter.
inline constexpr double kCantileverLineFactor = 0.8;

// The column and its base plate checked by AISC 360-22 (ASD) with the service load, unrounded, on
// the method's materials and plate.
struct CrossCheck {
  double designWallThicknessMm = 0;       // t = 0.93 T
  double designInsideDiameterMm = 0;      // d = D - 2t
  double grossAreaCm2 = 0;                // Ag on the design wall
  double radiusOfGyrationMm = 0;          // r on the design wall
  double effectiveLengthMm = 0;           // Lc = KL
  double slendernessRatio = 0;            // KL / r on the design wall
  double elasticBucklingStressMpa = 0;    // Fe
  double nominalStressMpa = 0;            // Fn
  std::optional<double> effectiveAreaCm2; // Ae; none where the wall is not covered
  std::optional<double> allowableLoadKg;  // Pn / Omega c
  std::optional<double> utilisation;      // P over the allowable load
  CrossCheckVerdict verdict = CrossCheckVerdict::NotCovered;
  double concreteStrengthKgCm2 = 0; // f'c
  double bearingAreaCm2 = 0;        // A1 = B2
  double bearingAllowableKg = 0;    // 0.85 f'c A1 / Omega c, with A2 = A1
  double bearingPressureMpa = 0;    // fp = P / B2
  double plateCantileverMm = 0;     // l = (B - 0.8 D) / 2, not below zero
  double plateThicknessCantileverMm = 0;
  double ringRadiusMm = 0;             // a = (D - 2T) / 2, the plate inside the pipe
  double plateThicknessRingMm = 0;     // the plate inside the pipe
  double plateThicknessRequiredMm = 0; // the larger of the two
  bool bearingHolds = false;
  bool platePasses = false; // the method's whole-mm plate is thick enough and bears
};

// D/t from which the code does not cover the wall: 0.45 E / Fy.
double CrossCheckUncoveredWallRatio(const Materials& materials);

// KL/r up to which the column buckles inelastically: 4.71 sqrt(E / Fy).
double CrossCheckInelasticLimit(const Materials& materials);

// The nominal stress Fn (MPa) at a slenderness, with the elastic buckling stress Fe it comes from.
struct NominalStress {
  double elasticBucklingStressMpa = 0;
  double nominalStressMpa = 0;
};
NominalStress CrossCheckNominalStress(double slenderness, const Materials& materials);

// The plate thickness (mm) a cantilever of `cantileverMm` needs under a bearing pressure.
double CantileverPlateThickness(double cantileverMm, double bearingPressureMpa,
                                double yieldStressMpa);

// A load in kg as the newtons its weight is, and back.
double KgToNewtons(double kg);
double NewtonsToKg(double newtons);

// The load (kg) the concrete bears under a plate of `plateAreaCm2`: 0.85 f'c A1 / Omega c, with
// A2 = A1.
double ConcreteBearingAllowableKg(double concreteStrengthKgCm2, double plateAreaCm2);

// The concrete strengths a column may be checked with, kg/cm2, inclusive.
inline constexpr double kLowestConcreteStrengthKgCm2 = 100;
inline constexpr double kHighestConcreteStrengthKgCm2 = 1000;
bool IsAcceptedConcreteStrength(double kgCm2);

// The second opinion on a column whose check by the method completed: `methodRecord` gives the
// plate side and thickness. Throws a Failure where a figure leaves the double range.
CrossCheck CrossCheckColumn(const ColumnInputs& inputs, const DesignRecord& methodRecord);

} // namespace engine
