// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/ProjectSession.h"

#include "engine/Failure.h"
#include "form/FormState.h"
#include "form/ResultCaptions.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

namespace project {

namespace {

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

void RequireColumns(const std::vector<ColumnEntry>& columns) {
  if (columns.empty()) {
    throw std::invalid_argument("a project has at least one column");
  }
}

} // namespace

ProjectSession::ProjectSession() {
  startNew();
}

void ProjectSession::startNew() {
  project_ = NewProject();
  filePath_.reset();
  selected_ = 0;
  modified_ = false;
  checkAll();
}

void ProjectSession::load(Project project, std::string path) {
  RequireColumns(project.columns);
  project_ = std::move(project);
  ApplyMaterials(project_);
  filePath_ = std::move(path);
  selected_ = 0;
  modified_ = false;
  checkAll();
}

void ProjectSession::replaceColumns(std::vector<ColumnEntry> columns) {
  RequireColumns(columns);
  for (ColumnEntry& entry : columns) {
    entry.inputs.materials = project_.materials;
  }
  if (columns != project_.columns) {
    project_.columns = std::move(columns);
    modified_ = true;
    checkAll();
  }
  selected_ = 0;
}

void ProjectSession::markSaved(std::string path) {
  filePath_ = std::move(path);
  modified_ = false;
}

void ProjectSession::select(std::size_t row) {
  if (row >= columnCount()) {
    throw std::out_of_range("no such column");
  }
  selected_ = row;
}

void ProjectSession::showSelected(form::FormState& form) const {
  using form::HeaderField;
  const ColumnEntry& entry = column(selected_);
  form.setHeader(HeaderField::Project, project_.header.project);
  form.setHeader(HeaderField::Engineer, project_.header.engineer);
  form.setHeader(HeaderField::ColumnMark, entry.mark);
  form.setMaterials(entry.inputs.materials);
  for (const form::Input input : form::kAllInputs) {
    const double value = form::ValueOf(entry.inputs, input);
    form.setInput(input, value);
    form.setCaption(form::CaptionOf(input), form::InputCaption(input, value));
  }
  // Nothing of the column shown before may stay: its record, verdict, plate and assessment.
  form.record() = {};
  form.setPrintEnabled(true);
  for (const form::Caption caption : {form::Caption::Verdict, form::Caption::BasePlate}) {
    form.setCaption(caption, form::InitialCaption(caption, entry.inputs));
  }
  for (const form::Caption caption : form::kAssessmentCaptions) {
    form.setCaption(caption, {});
  }
  form.setSuggestion(std::nullopt);
  try {
    form::Recalculate(form);
  } catch (const engine::Failure&) {
    // The form then reads as before any calculation; the panel names the failure.
    form.record() = {};
  }
}

bool ProjectSession::takeFromForm(const form::FormState& form) {
  using form::HeaderField;
  const Project::Header header{form.header(HeaderField::Project),
                               form.header(HeaderField::Engineer)};
  ColumnEntry& entry = project_.columns.at(selected_);
  const std::string& mark = form.header(HeaderField::ColumnMark);
  const bool inputsChanged = entry.inputs != form.inputs();
  if (header == project_.header && mark == entry.mark && !inputsChanged) {
    return false;
  }
  project_.header = header;
  entry.mark = mark;
  if (inputsChanged) {
    entry.inputs = form.inputs();
    results_.at(selected_) = CheckEntry(entry);
  }
  modified_ = true;
  return true;
}

void ProjectSession::setPrintCrossCheck(bool print) {
  if (print != project_.printCrossCheck) {
    project_.printCrossCheck = print;
    modified_ = true;
  }
}

void ProjectSession::addColumn() {
  project_.columns.push_back({freshMark(), {}});
  project_.columns.back().inputs.materials = project_.materials;
  results_.push_back(CheckEntry(project_.columns.back()));
  selected_ = columnCount() - 1;
  modified_ = true;
}

void ProjectSession::duplicateSelected() {
  ColumnEntry copy{freshMark(), column(selected_).inputs};
  const auto at = static_cast<std::ptrdiff_t>(selected_ + 1);
  results_.insert(results_.begin() + at, results_.at(selected_));
  project_.columns.insert(project_.columns.begin() + at, std::move(copy));
  ++selected_;
  modified_ = true;
}

bool ProjectSession::removeSelected() {
  if (!canRemoveColumn()) {
    return false;
  }
  const auto at = static_cast<std::ptrdiff_t>(selected_);
  project_.columns.erase(project_.columns.begin() + at);
  results_.erase(results_.begin() + at);
  selected_ = std::min(selected_, columnCount() - 1);
  modified_ = true;
  return true;
}

std::string ProjectSession::freshMark() const {
  for (std::size_t number = columnCount() + 1;; ++number) {
    std::string mark = "C-" + std::to_string(number);
    const bool taken =
        std::any_of(project_.columns.begin(), project_.columns.end(),
                    [&](const ColumnEntry& entry) { return Trimmed(entry.mark) == mark; });
    if (!taken) {
      return mark;
    }
  }
}

void ProjectSession::checkAll() {
  results_.clear();
  results_.reserve(columnCount());
  for (const ColumnEntry& entry : project_.columns) {
    results_.push_back(CheckEntry(entry));
  }
}

} // namespace project
