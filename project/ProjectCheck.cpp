// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/ProjectCheck.h"

namespace project {

ProjectResults CheckProject(const Project& project) {
  ProjectResults results;
  results.columns.reserve(project.columns.size());
  for (const ColumnEntry& entry : project.columns) {
    ColumnResult& result = results.columns.emplace_back(CheckEntry(entry));
    switch (result.verdict) {
    case Verdict::Passes:
      ++results.passing;
      break;
    case Verdict::Fails:
      ++results.failing;
      break;
    case Verdict::NotChecked:
      ++results.unchecked;
      break;
    }
  }
  return results;
}

} // namespace project
