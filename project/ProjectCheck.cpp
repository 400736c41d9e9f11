// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/ProjectCheck.h"

namespace project {

ProjectResults CheckProject(const Project& project) {
  ProjectResults results;
  results.columns.reserve(project.columns.size());
  for (const ColumnEntry& entry : project.columns) {
    const engine::ColumnAnswer& answer =
        results.columns.emplace_back(engine::AnswerColumn(entry.inputs));
    switch (answer.verdict) {
    case engine::Verdict::Passes:
      ++results.passing;
      break;
    case engine::Verdict::Fails:
      ++results.failing;
      break;
    case engine::Verdict::NotChecked:
      ++results.unchecked;
      break;
    }
  }
  return results;
}

} // namespace project
