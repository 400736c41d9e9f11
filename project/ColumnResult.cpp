// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/ColumnResult.h"

#include "engine/ColumnAssessment.h"
#include "engine/ColumnCheck.h"
#include "engine/Failure.h"

namespace project {

ColumnResult CheckEntry(const ColumnEntry& entry) {
  ColumnResult result;
  try {
    engine::DesignRecord record = engine::CheckColumn(entry.inputs);
    result.verdict = engine::Carries(record) ? Verdict::Passes : Verdict::Fails;
    result.utilisation = engine::Utilisation(record);
    result.record = std::move(record);
  } catch (const engine::Failure& failure) {
    result.failure = failure.name();
  }
  return result;
}

} // namespace project
