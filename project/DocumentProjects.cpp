// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/DocumentProjects.h"

#include "form/FormState.h"
#include "project/ProjectFile.h"
#include "project/ProjectPackageColumns.h"
#include "report/DocumentProperties.h"

#include <utility>

namespace project {

namespace {

report::SheetHeader SheetHeaderOf(const form::FormState& form) {
  using form::HeaderField;
  return {form.header(HeaderField::Project), form.header(HeaderField::Engineer),
          form.header(HeaderField::ColumnMark)};
}

} // namespace

Project ProjectOfForm(const form::FormState& form, std::string licenceNumber) {
  using form::HeaderField;
  Project project;
  project.header = {form.header(HeaderField::Project), form.header(HeaderField::Engineer),
                    std::move(licenceNumber)};
  project.columns.push_back({form.header(HeaderField::ColumnMark), form.inputs()});
  return project;
}

std::string CarriedProjectBytes(const Project& project) {
  return ProjectFileBytes(project, report::WriterName());
}

form::DocumentDescription SheetDescriptionOf(const form::FormState& form,
                                             std::string licenceNumber) {
  return report::SheetDescription(
      SheetHeaderOf(form), CarriedProjectBytes(ProjectOfForm(form, std::move(licenceNumber))));
}

form::DocumentDescription ChartDescriptionOf(const form::FormState& form,
                                             std::string licenceNumber) {
  return report::ChartDescription(
      SheetHeaderOf(form), CarriedProjectBytes(ProjectOfForm(form, std::move(licenceNumber))));
}

form::DocumentDescription PackageDescriptionOf(const Project& project, const std::string& date) {
  return report::PackageDescription(PackageHeaderOf(project, date), CarriedProjectBytes(project));
}

} // namespace project
