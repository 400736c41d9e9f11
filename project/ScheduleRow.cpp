// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/ScheduleRow.h"

#include "engine/ColumnAnswer.h"
#include "engine/NumberText.h"
#include "engine/PipeCatalogue.h"

#include <algorithm>

namespace project {

std::string SizeText(const ColumnEntry& entry) {
  return engine::PipeSizeText(entry.inputs.outsideDiameterMm, entry.inputs.wallThicknessMm);
}

std::string BasePlateText(const engine::DesignRecord& record) {
  const auto whole = [](const engine::OptionalWhole& value) {
    return value ? std::to_string(*value) : std::string("-");
  };
  return whole(record.plateSide) + " x " + whole(record.plateSide) + " cm, " +
         whole(record.plateThicknessMm) + " mm";
}

ScheduleRow ScheduleRowOf(const ColumnEntry& entry, const engine::ColumnAnswer& answer) {
  const engine::ColumnInputs& in = entry.inputs;
  const bool failing = answer.verdict != engine::Verdict::Passes;
  std::string verdict = (failing ? "✗ " : "") + std::string(engine::VerdictWord(answer.verdict));
  if (answer.failure) {
    verdict += " " + *answer.failure;
  }
  // The method's plate is thinner than the second opinion's in most columns: that alone is no
  // alarm in a row, only a line of the row's warnings.
  const bool marked = std::ranges::any_of(answer.warnings, [](const engine::Warning& warning) {
    return warning.kind != engine::WarningKind::CrossCheckPlate;
  });
  if (marked) {
    verdict += " " + std::string(kWarningMark);
  }
  std::string warnings;
  for (const engine::Warning& warning : answer.warnings) {
    warnings += (warnings.empty() ? "" : "\n") + warning.text;
  }
  std::string plateComparison;
  if (answer.verdict == engine::Verdict::Passes && answer.crossCheck &&
      answer.record.plateThicknessMm && answer.has(engine::WarningKind::CrossCheckPlate) &&
      !marked) {
    plateComparison = "BP " + std::to_string(*answer.record.plateThicknessMm) + " / " +
                      engine::AtLeastText(answer.crossCheck->plateThicknessRequiredMm, 1) + " mm";
  }
  return {{entry.mark, SizeText(entry), engine::PlainText(in.heightM),
           engine::PlainText(in.kFactor), engine::PlainText(in.axialLoadKg),
           answer.utilisation ? engine::PercentText(*answer.utilisation) : "-", verdict},
          failing,
          warnings,
          plateComparison};
}

} // namespace project
