// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/ProjectPackageColumns.h"

#include <stdexcept>

namespace project {

std::vector<report::PackageColumn> PackageColumns(const Project& project,
                                                  const ProjectResults& results) {
  if (results.columns.size() != project.columns.size()) {
    throw std::invalid_argument("the results are not of this project");
  }
  std::vector<report::PackageColumn> columns;
  columns.reserve(project.columns.size());
  for (std::size_t i = 0; i < project.columns.size(); ++i) {
    const ColumnResult& result = results.columns[i];
    report::PackageColumn column;
    column.mark = project.columns[i].mark;
    column.inputs = project.columns[i].inputs;
    if (result.record) {
      column.record = *result.record;
    } else {
      column.failure = result.failure;
    }
    columns.push_back(std::move(column));
  }
  return columns;
}

report::PackageHeader PackageHeaderOf(const Project& project, std::string date) {
  return {project.header.project, project.header.engineer, std::move(date),
          project.printCrossCheck};
}

} // namespace project
