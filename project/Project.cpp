// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/Project.h"

#include "project/HeaderFields.h"

namespace project {

Project NewProject() {
  Project project;
  project.header.project = InitialHeaderText(HeaderField::Project);
  project.header.engineer = InitialHeaderText(HeaderField::Engineer);
  project.columns.push_back({std::string(InitialHeaderText(HeaderField::ColumnMark)), {}});
  return project;
}

} // namespace project
