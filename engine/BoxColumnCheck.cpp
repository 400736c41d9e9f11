// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/BoxColumnCheck.h"

#include "engine/Arithmetic.h"
#include "engine/BasePlateRules.h"
#include "engine/ColumnCheck.h"
#include "engine/DesignRecord.h"
#include "engine/Rounding.h"
#include "engine/Units.h"

#include <algorithm>

namespace engine {

namespace {

// The square plate under a box: its side from the bearing area, its thickness from the slab-base
// formula for unequal projections, which is the pipe's when both are equal.
void SizeBoxBasePlate(const BoxColumnInputs& inputs, BoxColumnRecord& q) {
  const Materials& materials = inputs.materials;
  const double A = q.section.depthMm;
  const double B = q.section.widthMm;
  const double P = inputs.axialLoadKg;
  q.bearingAreaRequiredCm2 = Divide(P, materials.allowableBearingKgCm2);
  const std::int32_t smallestPlate =
      ToInt32(Add(Divide(A, kMillimetresPerCentimetre), kWidenedPlateMargin));
  const std::int32_t side =
      std::max(ToInt32(Add(Power(q.bearingAreaRequiredCm2, 0.5), kPlateSideMargin)), smallestPlate);
  q.plateSideCm = side;
  const double sideMm = static_cast<double>(MultiplyWhole(side, kWholeMillimetresPerCentimetre));
  q.plateOverhangCm = std::max(Divide(Subtract(sideMm, B), kOverhangDivisor), kMinimumOverhang);
  q.plateOverhangMinorCm =
      std::max(Divide(Subtract(sideMm, A), kOverhangDivisor), kMinimumOverhang);
  const Fixed4 fp = ToFixed4(Divide(P, static_cast<double>(MultiplyWhole(side, side))));
  q.bearingPressureKgCm2 = fp;
  const double quotient = Divide(MultiplyExact(fp, kPlateThicknessNumerator).toDouble(),
                                 materials.allowablePlateBendingKgCm2);
  const double bracket = Subtract(Square(q.plateOverhangCm),
                                  Divide(Square(q.plateOverhangMinorCm), kLesserOverhangDivisor));
  q.plateThicknessCm =
      std::max(ToFixed4(Power(Multiply(quotient, bracket), 0.5)), kMinimumPlateThickness);
  // Rounded up, so that the plate the sheet calls "at least" so thick is never thinner than t.
  q.plateThicknessMm =
      CeilingToInt32(MultiplyExact(q.plateThicknessCm, kWholeMillimetresPerCentimetre));
}

} // namespace

BoxColumnRecord CheckBoxColumn(const BoxColumnInputs& inputs) {
  const Materials& materials = inputs.materials;
  BoxColumnRecord q;
  q.section = inputs.section();
  q.properties = PropertiesOf(q.section);
  q.columnLengthCm = Multiply(inputs.heightM, kCentimetresPerMetre);
  q.radiusOfGyrationCm =
      ToFixed4(Power(Divide(q.properties.secondMomentMinorCm4, q.properties.areaCm2), 0.5));
  q.effectiveLengthCm = Multiply(inputs.kFactor, q.columnLengthCm);
  q.slendernessRatio = ToInt32(Divide(q.effectiveLengthCm, q.radiusOfGyrationCm.toDouble()));
  q.sectionAreaCm2 = ToFixed4(q.properties.areaCm2);

  DesignRecord stress;
  q.allowableStressMpa = FillAllowableStress(q.slendernessRatio, materials, stress);
  q.elasticCriticalStressMpa = *stress.elasticCriticalStress;
  q.stressBlendMpa = *stress.stressBlend;
  q.axialCapacityKg =
      MultiplyExact(MultiplyExact(q.sectionAreaCm2, q.allowableStressMpa), kKgPerCm2PerMpa);
  q.maxAxialForceKg = ToInt32(q.axialCapacityKg);

  SizeBoxBasePlate(inputs, q);

  const double t = q.section.wallThicknessMm;
  q.wallSlenderness = Divide(FlatWallWidth(q.section.depthMm, t), t);
  q.wallSlendernessLimit = BoxWallSlendernessLimit(materials);
  q.localBuckling = q.wallSlenderness > q.wallSlendernessLimit;
  return q;
}

bool Carries(const BoxColumnRecord& record, double axialLoadKg) {
  return record.axialCapacityKg.toDouble() >= axialLoadKg;
}

} // namespace engine
