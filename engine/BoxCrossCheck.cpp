// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/BoxCrossCheck.h"

#include "engine/Arithmetic.h"
#include "engine/Units.h"

#include <algorithm>

namespace engine {

namespace {

constexpr double kEffectiveWidthC1 = 0.20; // Table E7.1, case (b)
constexpr double kEffectiveWidthC2 = 1.38;
constexpr double kBoxCantileverLineFactor = 0.95; // the plate bends at 0.95 of each side
constexpr double kPanelMomentDivisor = 24;
constexpr double kPanelRootTerm = 3;
constexpr double kPanelThicknessFactor = 4; // t = sqrt(4 m Omega / Fy)

BoxWallPair WallPair(double sideMm, double t, double Fn, const Materials& materials) {
  BoxWallPair walls;
  walls.flatWidthMm = FlatWallWidth(sideMm, t);
  walls.slenderness = Divide(walls.flatWidthMm, t);
  walls.effectiveWidthMm = EffectiveWallWidth(walls.flatWidthMm, walls.slenderness, Fn, materials);
  return walls;
}

// The area the flat width lost beyond its effective width takes from both walls of a pair.
double LostArea(const BoxWallPair& walls, double t) {
  return Multiply(2 * Subtract(walls.flatWidthMm, walls.effectiveWidthMm), t);
}

} // namespace

double EffectiveWallWidth(double flatWidthMm, double slenderness, double nominalStressMpa,
                          const Materials& materials) {
  const double Fy = materials.yieldStressMpa;
  const double limit = BoxWallSlendernessLimit(materials);
  if (slenderness <= Multiply(limit, Power(Divide(Fy, nominalStressMpa), 0.5))) {
    return flatWidthMm;
  }
  const double Fel = Multiply(Square(Divide(kEffectiveWidthC2 * limit, slenderness)), Fy);
  const double root = Power(Divide(Fel, nominalStressMpa), 0.5);
  return Multiply(Multiply(flatWidthMm, Subtract(1, Multiply(kEffectiveWidthC1, root))), root);
}

BoxCrossCheck CrossCheckBoxColumn(const BoxColumnInputs& inputs, double plateSideMm,
                                  double plateThicknessMm) {
  const Materials& materials = inputs.materials;
  const double Fy = materials.yieldStressMpa;
  const BoxSection nominal = inputs.section();
  const double P = inputs.axialLoadKg;
  RequirePossibleBox(nominal);
  BoxCrossCheck c;

  const double t = Multiply(kDesignWallFactor, nominal.wallThicknessMm);
  c.designWallThicknessMm = t;
  const BoxProperties design = PropertiesOf({nominal.depthMm, nominal.widthMm, t});
  c.grossAreaCm2 = design.areaCm2;
  c.radiusOfGyrationCm = design.radiusOfGyrationMinorCm;
  const double Lc = Multiply(Multiply(inputs.kFactor, inputs.heightM), kCentimetresPerMetre);
  c.slendernessRatio = Divide(Lc, c.radiusOfGyrationCm);
  const NominalStress stress = CrossCheckNominalStress(c.slendernessRatio, materials);
  c.elasticBucklingStressMpa = stress.elasticBucklingStressMpa;
  c.nominalStressMpa = stress.nominalStressMpa;

  c.wallSlendernessLimit = BoxWallSlendernessLimit(materials);
  c.depthWalls = WallPair(nominal.depthMm, t, c.nominalStressMpa, materials);
  c.widthWalls = WallPair(nominal.widthMm, t, c.nominalStressMpa, materials);
  c.effectiveAreaCm2 =
      Subtract(c.grossAreaCm2, Divide(Add(LostArea(c.depthWalls, t), LostArea(c.widthWalls, t)),
                                      kSquareMillimetresPerSquareCentimetre));
  const double allowableNewtons = Divide(Multiply(Multiply(c.nominalStressMpa, c.effectiveAreaCm2),
                                                  kSquareMillimetresPerSquareCentimetre),
                                         kCompressionSafetyFactor);
  c.allowableLoadKg = NewtonsToKg(allowableNewtons);
  if (c.allowableLoadKg > 0) {
    c.utilisation = P / c.allowableLoadKg;
  }
  c.verdict = P <= c.allowableLoadKg ? CrossCheckVerdict::Passes : CrossCheckVerdict::Fails;

  const double areaMm2 = Square(plateSideMm);
  c.concreteStrengthKgCm2 = materials.concreteStrengthKgCm2;
  c.bearingAllowableKg = ConcreteBearingAllowableKg(
      c.concreteStrengthKgCm2, Divide(areaMm2, kSquareMillimetresPerSquareCentimetre));
  c.bearingHolds = P <= c.bearingAllowableKg;
  c.bearingPressureMpa = Divide(KgToNewtons(P), areaMm2);

  c.plateCantileverDepthMm = Subtract(plateSideMm, kBoxCantileverLineFactor * nominal.depthMm) / 2;
  c.plateCantileverWidthMm = Subtract(plateSideMm, kBoxCantileverLineFactor * nominal.widthMm) / 2;
  c.plateCantileverMm = std::max({c.plateCantileverDepthMm, c.plateCantileverWidthMm, 0.0});
  c.plateThicknessCantileverMm =
      CantileverPlateThickness(c.plateCantileverMm, c.bearingPressureMpa, Fy);

  // The plate inside the tube: a panel simply supported on the walls, by its yield lines.
  const double T = nominal.wallThicknessMm;
  c.panelShortSideMm = Subtract(nominal.widthMm, 2 * T);
  c.panelLongSideMm = Subtract(nominal.depthMm, 2 * T);
  const double ratio = Divide(c.panelShortSideMm, c.panelLongSideMm);
  c.panelMomentNmmPerMm = Multiply(
      Divide(Multiply(c.bearingPressureMpa, Square(c.panelShortSideMm)), kPanelMomentDivisor),
      Square(Subtract(Power(Add(kPanelRootTerm, Square(ratio)), 0.5), ratio)));
  c.plateThicknessPanelMm = Power(
      Divide(Multiply(kPanelThicknessFactor * kPlateBendingSafetyFactor, c.panelMomentNmmPerMm),
             Fy),
      0.5);
  c.plateThicknessRequiredMm = std::max(c.plateThicknessCantileverMm, c.plateThicknessPanelMm);
  c.platePasses = c.bearingHolds && plateThicknessMm >= c.plateThicknessRequiredMm;
  return c;
}

} // namespace engine
