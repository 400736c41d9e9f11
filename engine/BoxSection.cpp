// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/BoxSection.h"

#include "engine/Arithmetic.h"
#include "engine/ColumnInputs.h"
#include "engine/NumberText.h"
#include "engine/Units.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace engine {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kOuterRadiusWalls = 2; // outer corner radius over the wall
constexpr double kInnerRadiusWalls = 1;
constexpr double kMassPerAreaKgPerMPerCm2 = 0.785; // steel of 7.85 t/m3
constexpr double kCm4PerMm4 = 1e-4;

// The second moment of one rounded-off corner piece (an R x R square less a quarter circle of
// radius R) about a centroidal axis at distance c from the quarter circle's centre, the piece lying
// beyond it: the square's c2 R2 + c R3 + R4/3 less the quarter circle's pi R2 c2/4 + 2c R3/3 +
// pi R4/16.
double CornerPieceSecondMoment(double radius, double centreOffset) {
  const double r2 = radius * radius;
  const double c = centreOffset;
  return (1 - kPi / 4) * r2 * c * c + r2 * radius * c / 3 + (1.0 / 3 - kPi / 16) * r2 * r2;
}

// A rectangle of `lever` x `across` with four corners of radius R, about its centroidal axis
// parallel to `across`.
double RoundedRectangleSecondMoment(double lever, double across, double radius) {
  return across * lever * lever * lever / 12 -
         4 * CornerPieceSecondMoment(radius, lever / 2 - radius);
}

// The hollow section about the axis parallel to `across`, in mm4.
double HollowSecondMoment(double lever, double across, double wall) {
  return RoundedRectangleSecondMoment(lever, across, kOuterRadiusWalls * wall) -
         RoundedRectangleSecondMoment(lever - 2 * wall, across - 2 * wall,
                                      kInnerRadiusWalls * wall);
}

} // namespace

BoxSection SortedBox(double sideMm, double otherSideMm, double wallThicknessMm) {
  return {std::max(sideMm, otherSideMm), std::min(sideMm, otherSideMm), wallThicknessMm};
}

bool IsPossibleBox(const BoxSection& box) {
  const double t = box.wallThicknessMm;
  return t > 0 && 4 * t <= box.widthMm && box.widthMm <= box.depthMm;
}

void RequirePossibleBox(const BoxSection& box) {
  if (!IsPossibleBox(box)) {
    throw ImpossibleBox("a wall that is not positive, or a width of less than four walls");
  }
}

BoxProperties PropertiesOf(const BoxSection& box) {
  RequirePossibleBox(box);
  const double A = box.depthMm;
  const double B = box.widthMm;
  const double t = box.wallThicknessMm;
  BoxProperties p;
  p.areaCm2 = (2 * t * (A + B) - (16 - 3 * kPi) * t * t) / kSquareMillimetresPerSquareCentimetre;
  p.secondMomentMajorCm4 = HollowSecondMoment(A, B, t) * kCm4PerMm4;
  p.secondMomentMinorCm4 = HollowSecondMoment(B, A, t) * kCm4PerMm4;
  p.radiusOfGyrationMinorCm = std::sqrt(p.secondMomentMinorCm4 / p.areaCm2);
  p.unitMassKgPerM = kMassPerAreaKgPerMPerCm2 * p.areaCm2;
  if (!std::isfinite(p.secondMomentMajorCm4) || !std::isfinite(p.radiusOfGyrationMinorCm)) {
    throw Overflow("a section beyond the double range");
  }
  return p;
}

namespace {
constexpr double kFlatWidthWalls = 3;           // b = side - 3t
constexpr double kWallSlendernessFactor = 1.40; // of sqrt(E / fy)
} // namespace

bool IsAcceptedBoxSide(double sideMm) {
  return sideMm >= kLowestBoxSideMm && sideMm <= kHighestBoxSideMm;
}

double FlatWallWidth(double sideMm, double wallThicknessMm) {
  return Subtract(sideMm, Multiply(kFlatWidthWalls, wallThicknessMm));
}

double BoxWallSlendernessLimit(const Materials& materials) {
  return kWallSlendernessFactor *
         Power(Divide(materials.elasticModulusMpa, materials.yieldStressMpa), 0.5);
}

std::string BoxSizeText(const BoxSection& box) {
  return PlainText(box.depthMm) + " x " + PlainText(box.widthMm) + " x " +
         PlainText(box.wallThicknessMm);
}

} // namespace engine
