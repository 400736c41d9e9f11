// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/DesignRecord.h"

namespace engine {

void ForEachResult(const DesignRecord& record,
                   const std::function<void(std::string_view, const QuantityValue&)>& visit) {
  visit("inside_diameter_mm", record.insideDiameter);
  visit("radius_of_gyration_cm", record.radiusOfGyration);
  visit("column_length_cm", record.columnLength);
  visit("effective_length_cm", record.effectiveLength);
  visit("slenderness_ratio", record.slendernessRatio);
  visit("section_area_cm2", record.sectionArea);
  visit("elastic_critical_stress_mpa", record.elasticCriticalStress);
  visit("stress_blend_mpa", record.stressBlend);
  visit("allowable_stress_mpa", record.allowableStress);
  visit("axial_capacity_kg", record.axialCapacity);
  visit("max_axial_force_kg", record.maxAxialForce);
  visit("bearing_area_required_cm2", record.bearingAreaRequired);
  visit("plate_side_cm", record.plateSide);
  visit("plate_overhang_cm", record.plateOverhang);
  visit("bearing_pressure_kg_cm2", record.bearingPressure);
  visit("plate_thickness_cm", record.plateThickness);
  visit("plate_thickness_mm", record.plateThicknessMm);
}

} // namespace engine
