// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ColumnAssessment.h"

namespace engine {

std::optional<double> Utilisation(const DesignRecord& record) {
  if (!record.axialCapacity || !record.axialLoad || !(record.axialCapacity->toDouble() > 0)) {
    return std::nullopt;
  }
  return *record.axialLoad / record.axialCapacity->toDouble();
}

double LocalBucklingLimit(const Materials& materials) {
  return kLocalBucklingFactor * materials.elasticModulusMpa / materials.yieldStressMpa;
}

} // namespace engine
