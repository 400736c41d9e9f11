// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ColumnAssessment.h"

namespace engine {

std::optional<double> Utilisation(const DesignRecord& record) {
  if (!record.axialCapacity || !record.axialLoad || !(record.axialCapacity->toDouble() > 0)) {
    return std::nullopt;
  }
  return *record.axialLoad / record.axialCapacity->toDouble();
}

ColumnAssessment Assess(const ColumnInputs& inputs, const DesignRecord& record) {
  ColumnAssessment assessment;
  assessment.utilisation = Utilisation(record);
  assessment.slendernessWarning =
      record.slendernessRatio && *record.slendernessRatio > kSlendernessLimit;
  assessment.localBucklingWarning =
      inputs.outsideDiameterMm / inputs.wallThicknessMm >
      kLocalBucklingFactor * inputs.materials.elasticModulusMpa / inputs.materials.yieldStressMpa;
  return assessment;
}

} // namespace engine
