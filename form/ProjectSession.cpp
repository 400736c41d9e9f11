// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/ProjectSession.h"

#include "engine/Failure.h"
#include "form/FormState.h"
#include "form/ResultCaptions.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

namespace form {

namespace {

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

void RequireColumns(const std::vector<project::ColumnEntry>& columns) {
  if (columns.empty()) {
    throw std::invalid_argument("a project has at least one column");
  }
}

} // namespace

ProjectSession::ProjectSession() {
  startNew();
}

void ProjectSession::startNew() {
  project_ = project::NewProject();
  filePath_.reset();
  selected_ = 0;
  modified_ = false;
  checkAll();
}

void ProjectSession::load(project::Project project, std::optional<std::string> path) {
  RequireColumns(project.columns);
  project_ = std::move(project);
  filePath_ = std::move(path);
  selected_ = 0;
  modified_ = false;
  checkAll();
}

void ProjectSession::replaceColumns(std::vector<project::ColumnEntry> columns) {
  RequireColumns(columns);
  if (columns != project_.columns) {
    project_.columns = std::move(columns);
    modified_ = true;
    checkAll();
  }
  selected_ = 0;
}

void ProjectSession::startUntitled(std::vector<project::ColumnEntry> columns) {
  RequireColumns(columns);
  project_.columns = std::move(columns);
  filePath_.reset();
  selected_ = 0;
  modified_ = true;
  checkAll();
}

void ProjectSession::restore(const ProjectSnapshot& snapshot) {
  RequireColumns(snapshot.project.columns);
  if (snapshot.selected >= snapshot.project.columns.size()) {
    throw std::out_of_range("no such column");
  }
  project_ = snapshot.project;
  selected_ = snapshot.selected;
  checkAll();
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

void ProjectSession::showSelected(FormState& form) const {
  const project::ColumnEntry& entry = column(selected_);
  form.setHeader(HeaderField::Project, project_.header.project);
  form.setHeader(HeaderField::Engineer, project_.header.engineer);
  form.setHeader(HeaderField::ColumnMark, entry.mark);
  for (const Input input : kAllInputs) {
    const double value = ValueOf(entry.inputs, input);
    form.setInput(input, value);
    form.setCaption(CaptionOf(input), InputCaption(input, value));
  }
  // Nothing of the column shown before may stay: its record, verdict, plate and assessment.
  form.record() = {};
  form.setPrintEnabled(true);
  for (const Caption caption : {Caption::Verdict, Caption::BasePlate}) {
    form.setCaption(caption, InitialCaption(caption, entry.inputs));
  }
  for (const Caption caption : kAssessmentCaptions) {
    form.setCaption(caption, {});
  }
  form.setSuggestion(std::nullopt);
  try {
    Recalculate(form);
  } catch (const engine::Failure&) {
    // The form then reads as before any calculation; the panel names the failure.
    form.record() = {};
  }
}

bool ProjectSession::setLicenceNumber(std::string number) {
  if (number == project_.header.licenceNumber) {
    return false;
  }
  project_.header.licenceNumber = std::move(number);
  modified_ = true;
  return true;
}

bool ProjectSession::takeFromForm(const FormState& form) {
  const project::Project::Header header{form.header(HeaderField::Project),
                                        form.header(HeaderField::Engineer),
                                        project_.header.licenceNumber};
  project::ColumnEntry& entry = project_.columns.at(selected_);
  const std::string& mark = form.header(HeaderField::ColumnMark);
  const bool inputsChanged = entry.inputs != form.inputs();
  if (header == project_.header && mark == entry.mark && !inputsChanged) {
    return false;
  }
  project_.header = header;
  entry.mark = mark;
  if (inputsChanged) {
    entry.inputs = form.inputs();
    results_.at(selected_) = engine::AnswerColumn(entry.inputs);
  }
  modified_ = true;
  return true;
}

void ProjectSession::addColumn() {
  project_.columns.push_back({freshMark(), {}});
  results_.push_back(engine::AnswerColumn(project_.columns.back().inputs));
  selected_ = columnCount() - 1;
  modified_ = true;
}

void ProjectSession::duplicateSelected() {
  project::ColumnEntry copy{freshMark(), column(selected_).inputs};
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
                    [&](const project::ColumnEntry& entry) { return Trimmed(entry.mark) == mark; });
    if (!taken) {
      return mark;
    }
  }
}

void ProjectSession::checkAll() {
  results_.clear();
  results_.reserve(columnCount());
  for (const project::ColumnEntry& entry : project_.columns) {
    results_.push_back(engine::AnswerColumn(entry.inputs));
  }
}

} // namespace form
