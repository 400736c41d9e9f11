// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ColumnCheck.h"

#include "engine/Arithmetic.h"
#include "engine/BasePlateRules.h"
#include "engine/Failure.h"
#include "engine/Rounding.h"
#include "engine/Units.h"

namespace engine {

namespace {

// Constants of the method; each is the double nearest to the decimal written.
constexpr double kGyrationDivisor = 40;   // square root of D2 + d2 in mm, over 4, over 10
constexpr double kAreaNumerator = 22;     // pi taken as 22/7 ...
constexpr double kAreaDenominator = 2800; // ... over 4 and over 100 for cm2
constexpr double kCriticalPi = 3.1428;
constexpr double kBlendExponent = 1.4;
constexpr double kBlendRootExponent = 0.714; // not 1/1.4
constexpr double kAllowableStressFactor = 0.6;

} // namespace

std::int32_t FillAllowableStress(std::int32_t slenderness, const Materials& materials,
                                 DesignRecord& q) {
  const double fy = materials.yieldStressMpa;
  q.yieldStress = fy;
  const double E = materials.elasticModulusMpa;
  q.elasticModulus = E;
  const double fcc =
      Divide(Multiply(Square(kCriticalPi), E), Square(static_cast<double>(slenderness)));
  q.elasticCriticalStress = fcc;
  const Fixed4 blend = ToFixed4(
      Power(Add(Power(fcc, kBlendExponent), Power(fy, kBlendExponent)), kBlendRootExponent));
  q.stressBlend = blend;
  const std::int32_t Qac =
      ToInt32(Multiply(Divide(Multiply(fcc, fy), blend.toDouble()), kAllowableStressFactor));
  q.allowableStress = Qac;
  return Qac;
}

double AllowableStressCeiling(const Materials& materials) {
  return kAllowableStressFactor * materials.yieldStressMpa;
}

bool IsPossiblePipe(double outsideDiameterMm, double wallThicknessMm) {
  return 2 * wallThicknessMm < outsideDiameterMm;
}

// The plate's side comes from the bearing area the load needs on the concrete, its thickness from
// the plate's bending over the overhang beyond the pipe.
void SizeBasePlate(const ColumnInputs& inputs, DesignRecord& q) {
  const Materials& materials = inputs.materials;
  const double D = inputs.outsideDiameterMm;
  const double fc = materials.allowableBearingKgCm2;
  q.allowableBearing = fc;
  const double P = inputs.axialLoadKg;
  q.axialLoad = P;
  const double bearingArea = Divide(P, fc);
  q.bearingAreaRequired = bearingArea;
  std::int32_t B = ToInt32(Add(Power(bearingArea, 0.5), kPlateSideMargin));
  q.plateSide = B;
  // No plate is smaller than the pipe's diameter in cm plus a margin, which leaves room to weld.
  const std::int32_t smallestPlate =
      ToInt32(Add(Divide(D, kMillimetresPerCentimetre), kWidenedPlateMargin));
  if (B < smallestPlate) {
    B = smallestPlate;
    q.plateSide = B;
  }
  double w =
      Divide(Subtract(static_cast<double>(MultiplyWhole(B, kWholeMillimetresPerCentimetre)), D),
             kOverhangDivisor);
  q.plateOverhang = w;
  if (w < kMinimumOverhang) {
    w = kMinimumOverhang;
    q.plateOverhang = w;
  }
  const Fixed4 fp = ToFixed4(Divide(P, static_cast<double>(MultiplyWhole(B, B))));
  q.bearingPressure = fp;
  const double fb = materials.allowablePlateBendingKgCm2;
  q.allowablePlateBending = fb;
  const double quotient = Divide(MultiplyExact(fp, kPlateThicknessNumerator).toDouble(), fb);
  const double bracket = Subtract(Square(w), Divide(Square(w), kLesserOverhangDivisor));
  Fixed4 t = ToFixed4(Power(Multiply(quotient, bracket), 0.5));
  q.plateThickness = t;
  if (t < kMinimumPlateThickness) {
    t = kMinimumPlateThickness;
    q.plateThickness = t;
  }
  // Rounded up, so that the plate the sheet calls "at least" so thick is never thinner than t.
  q.plateThicknessMm = CeilingToInt32(MultiplyExact(t, kWholeMillimetresPerCentimetre));
}

void CheckColumn(const ColumnInputs& inputs, DesignRecord& q) {
  if (!IsPossiblePipe(inputs.outsideDiameterMm, inputs.wallThicknessMm)) {
    throw ImpossiblePipe("wall thickness of half the outside diameter or more");
  }
  const Materials& materials = inputs.materials;

  const double D = inputs.outsideDiameterMm;
  q.outsideDiameter = D;
  const double T = inputs.wallThicknessMm;
  q.wallThickness = T;
  const double L = Multiply(inputs.heightM, kCentimetresPerMetre);
  q.columnLength = L;
  const double d = Subtract(D, Multiply(T, 2));
  q.insideDiameter = d;
  const Fixed4 r = ToFixed4(Divide(Power(Add(Square(D), Square(d)), 0.5), kGyrationDivisor));
  q.radiusOfGyration = r;
  const double K = inputs.kFactor;
  q.kFactor = K;
  const double KL = Multiply(K, L);
  q.effectiveLength = KL;
  const std::int32_t slenderness = ToInt32(Divide(KL, r.toDouble()));
  q.slendernessRatio = slenderness;
  const Fixed4 A =
      ToFixed4(Divide(Multiply(Subtract(Square(D), Square(d)), kAreaNumerator), kAreaDenominator));
  q.sectionArea = A;
  const std::int32_t Qac = FillAllowableStress(slenderness, materials, q);
  const Fixed4 capacity = MultiplyExact(MultiplyExact(A, Qac), kKgPerCm2PerMpa);
  q.axialCapacity = capacity;
  q.maxAxialForce = ToInt32(capacity);

  SizeBasePlate(inputs, q);
}

DesignRecord CheckColumn(const ColumnInputs& inputs) {
  DesignRecord record;
  CheckColumn(inputs, record);
  return record;
}

bool Carries(const DesignRecord& record) {
  return record.axialCapacity && record.axialLoad &&
         record.axialCapacity->toDouble() >= *record.axialLoad;
}

} // namespace engine
