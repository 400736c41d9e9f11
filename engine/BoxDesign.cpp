// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/BoxDesign.h"

#include "engine/ColumnAssessment.h"
#include "engine/Units.h"

namespace engine {

namespace {

// Runs the check on the box; nothing when the check fails or the box does not carry the load.
std::optional<BoxCandidate> CarryingBox(const StandardBox& box, BoxColumnInputs column) {
  column.depthMm = box.section.depthMm;
  column.widthMm = box.section.widthMm;
  column.wallThicknessMm = box.section.wallThicknessMm;
  BoxCandidate candidate{box, {}, std::nullopt, 0, false};
  try {
    candidate.record = CheckBoxColumn(column);
  } catch (const Failure&) {
    return std::nullopt;
  }
  if (!Carries(candidate.record, column.axialLoadKg)) {
    return std::nullopt;
  }
  candidate.utilisation = column.axialLoadKg / candidate.record.axialCapacityKg.toDouble();
  try {
    candidate.crossCheck = CrossCheckBoxColumn(
        column, static_cast<double>(candidate.record.plateSideCm) * kMillimetresPerCentimetre,
        static_cast<double>(candidate.record.plateThicknessMm));
  } catch (const Failure&) {
    // The method's answer stands alone, as it does for a pipe.
  }
  candidate.sound =
      candidate.record.slendernessRatio <= kSlendernessLimit && !candidate.record.localBuckling &&
      (!candidate.crossCheck || candidate.crossCheck->verdict == CrossCheckVerdict::Passes);
  return candidate;
}

} // namespace

std::vector<BoxCandidate> PassingBoxes(const BoxCatalogue& catalogue,
                                       const BoxColumnInputs& column) {
  std::vector<BoxCandidate> passing;
  for (const std::size_t index : catalogue.lightestFirst()) {
    if (std::optional<BoxCandidate> candidate = CarryingBox(catalogue.boxes()[index], column)) {
      passing.push_back(std::move(*candidate));
    }
  }
  return passing;
}

std::optional<BoxCandidate> LightestPassingBox(const BoxCatalogue& catalogue,
                                               const BoxColumnInputs& column) {
  std::optional<BoxCandidate> lightestUnsound;
  for (const std::size_t index : catalogue.lightestFirst()) {
    std::optional<BoxCandidate> candidate = CarryingBox(catalogue.boxes()[index], column);
    if (candidate && candidate->sound) {
      return candidate;
    }
    if (candidate && !lightestUnsound) {
      lightestUnsound = std::move(candidate);
    }
  }
  return lightestUnsound;
}

} // namespace engine
