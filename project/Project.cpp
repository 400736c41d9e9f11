// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/Project.h"

#include "form/FormFields.h"

namespace project {

Project NewProject() {
  using form::HeaderField;
  Project project;
  project.header.project = form::InitialHeaderText(HeaderField::Project);
  project.header.engineer = form::InitialHeaderText(HeaderField::Engineer);
  project.columns.push_back({std::string(form::InitialHeaderText(HeaderField::ColumnMark)), {}});
  return project;
}

void ApplyMaterials(Project& project) {
  for (ColumnEntry& entry : project.columns) {
    entry.inputs.materials = project.materials;
  }
}

} // namespace project
