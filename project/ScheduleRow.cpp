// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/ScheduleRow.h"

#include "engine/NumberText.h"

namespace project {

ScheduleRow ScheduleRowOf(const ColumnEntry& entry, const ColumnResult& result) {
  const engine::ColumnInputs& in = entry.inputs;
  std::string verdict;
  switch (result.verdict) {
  case Verdict::Passes:
    verdict = "OK";
    break;
  case Verdict::Fails:
    verdict = "✗ NOT OK";
    break;
  case Verdict::NotChecked:
    verdict = "✗ ERROR " + result.failure;
    break;
  }
  return {{entry.mark,
           engine::PlainText(in.outsideDiameterMm) + " x " + engine::PlainText(in.wallThicknessMm),
           engine::PlainText(in.heightM), engine::PlainText(in.kFactor),
           engine::PlainText(in.axialLoadKg),
           result.utilisation ? engine::PercentText(*result.utilisation) : "-", verdict},
          result.verdict != Verdict::Passes};
}

} // namespace project
