// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/CrossCheck.h"

#include "engine/Arithmetic.h"
#include "engine/ColumnAssessment.h"
#include "engine/Units.h"

#include <algorithm>
#include <numbers>

namespace engine {

namespace {

constexpr double kInelasticLimitFactor = 4.71; // slenderness limit over sqrt(E / Fy)
constexpr double kInelasticBase = 0.658;
constexpr double kElasticFactor = 0.877;
constexpr double kCoveredWallFactor = 0.45; // D/t from this E / Fy: not covered
constexpr double kEffectiveAreaFactor = 0.038;
constexpr double kEffectiveAreaTerm = 2.0 / 3.0;
constexpr double kBearingStrengthFactor = 0.85;
constexpr double kRingMomentDivisor = 3; // yield-line moment fp a2 / 6 against Fy t2 / 4 / Omega

// A plate of span `spanMm` under `pressureMpa` needs span x sqrt(2 fp Omega / (divisor Fy)).
double PlateThickness(double spanMm, double pressureMpa, double yieldStressMpa, double divisor) {
  return Multiply(spanMm,
                  Power(Divide(Multiply(Multiply(2, pressureMpa), kPlateBendingSafetyFactor),
                               Multiply(divisor, yieldStressMpa)),
                        0.5));
}

} // namespace

double KgToNewtons(double kg) {
  return Multiply(kg, kStandardGravity);
}

double NewtonsToKg(double newtons) {
  return Divide(newtons, kStandardGravity);
}

double ConcreteBearingAllowableKg(double concreteStrengthKgCm2, double plateAreaCm2) {
  return Divide(Multiply(Multiply(kBearingStrengthFactor, concreteStrengthKgCm2), plateAreaCm2),
                kBearingSafetyFactor);
}

std::string_view KeyOf(CrossCheckVerdict verdict) {
  switch (verdict) {
  case CrossCheckVerdict::Passes:
    return "passes";
  case CrossCheckVerdict::Fails:
    return "fails";
  case CrossCheckVerdict::NotCovered:
    break;
  }
  return "not covered";
}

double CrossCheckUncoveredWallRatio(const Materials& materials) {
  return kCoveredWallFactor * materials.elasticModulusMpa / materials.yieldStressMpa;
}

double CrossCheckInelasticLimit(const Materials& materials) {
  return kInelasticLimitFactor *
         Power(Divide(materials.elasticModulusMpa, materials.yieldStressMpa), 0.5);
}

bool IsAcceptedConcreteStrength(double kgCm2) {
  return kgCm2 >= kLowestConcreteStrengthKgCm2 && kgCm2 <= kHighestConcreteStrengthKgCm2;
}

NominalStress CrossCheckNominalStress(double slenderness, const Materials& materials) {
  const double E = materials.elasticModulusMpa;
  const double Fy = materials.yieldStressMpa;
  const double Fe = Divide(Multiply(Square(std::numbers::pi), E), Square(slenderness));
  const bool inelastic = slenderness <= CrossCheckInelasticLimit(materials);
  const double Fn = inelastic ? Multiply(Power(kInelasticBase, Divide(Fy, Fe)), Fy)
                              : Multiply(kElasticFactor, Fe);
  return {Fe, Fn};
}

double CantileverPlateThickness(double cantileverMm, double bearingPressureMpa,
                                double yieldStressMpa) {
  return PlateThickness(cantileverMm, bearingPressureMpa, yieldStressMpa, 1);
}

CrossCheck CrossCheckColumn(const ColumnInputs& inputs, const DesignRecord& methodRecord) {
  const Materials& materials = inputs.materials;
  const double E = materials.elasticModulusMpa;
  const double Fy = materials.yieldStressMpa;
  const double D = inputs.outsideDiameterMm;
  const double T = inputs.wallThicknessMm;
  const double P = inputs.axialLoadKg;
  CrossCheck c;

  const double t = Multiply(kDesignWallFactor, T);
  c.designWallThicknessMm = t;
  const double d = Subtract(D, Multiply(2, t));
  c.designInsideDiameterMm = d;
  const double Ag = Multiply(std::numbers::pi / 4, Subtract(Square(D), Square(d)));
  c.grossAreaCm2 = Ag / kSquareMillimetresPerSquareCentimetre;
  const double r = Divide(Power(Add(Square(D), Square(d)), 0.5), 4);
  c.radiusOfGyrationMm = r;
  const double KL = Multiply(Multiply(inputs.kFactor, inputs.heightM),
                             kCentimetresPerMetre * kMillimetresPerCentimetre);
  c.effectiveLengthMm = KL;
  c.slendernessRatio = Divide(KL, r);
  const NominalStress stress = CrossCheckNominalStress(c.slendernessRatio, materials);
  c.elasticBucklingStressMpa = stress.elasticBucklingStressMpa;
  c.nominalStressMpa = stress.nominalStressMpa;

  const double wallRatio = Divide(D, t);
  if (wallRatio < CrossCheckUncoveredWallRatio(materials)) {
    const double Ae = wallRatio <= LocalBucklingLimit(materials)
                          ? Ag
                          : Multiply(Add(Divide(kEffectiveAreaFactor * E, Multiply(Fy, wallRatio)),
                                         kEffectiveAreaTerm),
                                     Ag);
    c.effectiveAreaCm2 = Ae / kSquareMillimetresPerSquareCentimetre;
    const double allowable =
        NewtonsToKg(Divide(Multiply(c.nominalStressMpa, Ae), kCompressionSafetyFactor));
    c.allowableLoadKg = allowable;
    if (allowable > 0) {
      c.utilisation = P / allowable;
    }
    c.verdict = P <= allowable ? CrossCheckVerdict::Passes : CrossCheckVerdict::Fails;
  }

  const double sideCm = static_cast<double>(methodRecord.plateSide.value());
  const double areaCm2 = Square(sideCm);
  c.bearingAreaCm2 = areaCm2;
  c.concreteStrengthKgCm2 = materials.concreteStrengthKgCm2;
  c.bearingAllowableKg = ConcreteBearingAllowableKg(c.concreteStrengthKgCm2, areaCm2);
  c.bearingHolds = P <= c.bearingAllowableKg;
  const double pressureMpa =
      Divide(KgToNewtons(P), Multiply(areaCm2, kSquareMillimetresPerSquareCentimetre));
  c.bearingPressureMpa = pressureMpa;
  const double sideMm = Multiply(sideCm, kMillimetresPerCentimetre);
  c.plateCantileverMm = std::max(0.0, Subtract(sideMm, kCantileverLineFactor * D) / 2);
  c.plateThicknessCantileverMm = CantileverPlateThickness(c.plateCantileverMm, pressureMpa, Fy);
  const double ringRadius = Subtract(D, Multiply(2, T)) / 2;
  c.ringRadiusMm = ringRadius;
  c.plateThicknessRingMm = PlateThickness(ringRadius, pressureMpa, Fy, kRingMomentDivisor);
  c.plateThicknessRequiredMm = std::max(c.plateThicknessCantileverMm, c.plateThicknessRingMm);
  c.platePasses = c.bearingHolds && static_cast<double>(methodRecord.plateThicknessMm.value()) >=
                                        c.plateThicknessRequiredMm;
  return c;
}

} // namespace engine
