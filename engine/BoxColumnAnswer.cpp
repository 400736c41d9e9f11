// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/BoxColumnAnswer.h"

#include "engine/Failure.h"
#include "engine/Units.h"

#include <algorithm>

namespace engine {

bool BoxColumnAnswer::has(WarningKind kind) const {
  return std::ranges::any_of(warnings,
                             [kind](const Warning& warning) { return warning.kind == kind; });
}

std::vector<Warning> WarningsOf(const BoxColumnRecord& record, const Materials& materials) {
  std::vector<Warning> warnings;
  if (std::optional<Warning> slender = SlendernessWarning(record.slendernessRatio)) {
    warnings.push_back(*slender);
  }
  if (record.localBuckling) {
    warnings.push_back(
        LocalBucklingWarning("b/t", record.wallSlenderness, record.wallSlendernessLimit));
  }
  AddPlateAndConcreteWarnings(record.plateThicknessMm, record.section.wallThicknessMm,
                              "ผนังเหล็กกล่อง t", materials, warnings);
  return warnings;
}

BoxColumnAnswer AnswerBoxColumn(const BoxColumnInputs& inputs) {
  BoxColumnAnswer answer;
  answer.inputs = inputs;
  try {
    answer.record = CheckBoxColumn(inputs);
  } catch (const Failure& caught) {
    answer.failure = caught.name();
    return answer;
  }
  const BoxColumnRecord& record = *answer.record;
  answer.verdict = Carries(record, inputs.axialLoadKg) ? Verdict::Passes : Verdict::Fails;
  answer.utilisation = inputs.axialLoadKg / record.axialCapacityKg.toDouble();
  answer.warnings = WarningsOf(record, inputs.materials);
  const double methodPlateMm = static_cast<double>(record.plateThicknessMm);
  try {
    answer.crossCheck = CrossCheckBoxColumn(
        inputs, static_cast<double>(record.plateSideCm) * kMillimetresPerCentimetre, methodPlateMm);
  } catch (const Failure&) {
    // A figure of the second opinion beyond the double range: the method's answer stands alone.
    return answer;
  }
  const BoxCrossCheck& c = *answer.crossCheck;
  if (answer.verdict == Verdict::Passes && c.verdict != CrossCheckVerdict::Passes &&
      c.utilisation) {
    answer.warnings.push_back(CrossCheckFailsWarning(*c.utilisation, c.allowableLoadKg));
  }
  if (std::optional<Warning> plate =
          PlateWarning({c.platePasses, c.bearingHolds, inputs.axialLoadKg, c.bearingAllowableKg,
                        c.plateThicknessRequiredMm, methodPlateMm})) {
    answer.warnings.push_back(*plate);
  }
  return answer;
}

} // namespace engine
