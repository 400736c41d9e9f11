// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/ProjectSession.h"

#include "project/ProjectCheck.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

namespace form {

namespace {

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
  project::ApplyMaterials(project_);
  filePath_ = std::move(path);
  selected_ = 0;
  modified_ = false;
  checkAll();
}

void ProjectSession::startUntitled(std::vector<project::ColumnEntry> columns) {
  RequireColumns(columns);
  project_.columns = std::move(columns);
  project::ApplyMaterials(project_);
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

bool ProjectSession::setLicenceNumber(std::string number) {
  if (number == project_.header.licenceNumber) {
    return false;
  }
  project_.header.licenceNumber = std::move(number);
  modified_ = true;
  return true;
}

bool ProjectSession::setSelectedInputs(const engine::ColumnInputs& inputs) {
  project::ColumnEntry& entry = project_.columns.at(selected_);
  if (entry.inputs == inputs) {
    return false;
  }
  entry.inputs = inputs;
  results_.at(selected_) = engine::AnswerColumn(entry.inputs);
  modified_ = true;
  return true;
}

bool ProjectSession::setSelectedMark(std::string mark) {
  project::ColumnEntry& entry = project_.columns.at(selected_);
  if (entry.mark == mark) {
    return false;
  }
  entry.mark = std::move(mark);
  modified_ = true;
  return true;
}

bool ProjectSession::setHeader(project::Project::Header header) {
  if (project_.header == header) {
    return false;
  }
  project_.header = std::move(header);
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
    const bool taken = std::any_of(project_.columns.begin(), project_.columns.end(),
                                   [&](const project::ColumnEntry& entry) {
                                     return project::WithoutBlanks(entry.mark) == mark;
                                   });
    if (!taken) {
      return mark;
    }
  }
}

void ProjectSession::checkAll() {
  results_ = project::CheckProject(project_).columns;
}

} // namespace form
