// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ColumnAnswer.h"
#include "form/ProjectEdits.h"
#include "project/Project.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace form {

// The project a window works on: its columns with their checks, the column the form shows, the
// file the project was read from or last saved to, and whether it holds changes that file does
// not. It alone holds the selected column the form shows: its inputs and mark, and the header.
class ProjectSession {
public:
  // A new project, saved nowhere yet; it agrees with a fresh form.
  ProjectSession();

  const project::Project& project() const { return project_; }
  std::size_t columnCount() const { return project_.columns.size(); }
  const project::ColumnEntry& column(std::size_t row) const { return project_.columns.at(row); }
  // The check of the column as it stands now.
  const engine::ColumnAnswer& result(std::size_t row) const { return results_.at(row); }
  std::size_t selectedRow() const { return selected_; }
  const std::optional<std::string>& filePath() const { return filePath_; }
  bool isModified() const { return modified_; }
  bool canRemoveColumn() const { return columnCount() > 1; }

  // Starts over with a new project.
  void startNew();
  // Replaces everything with a project read from `path`, its first column selected; a project
  // read from another kind of document (a PDF) has no path, so that a Save asks where. Throws
  // std::invalid_argument for a project without columns.
  void load(project::Project project, std::optional<std::string> path);
  // Makes an untitled project of imported columns under the current header, so that saving it
  // asks for a name; the first column is selected. Throws std::invalid_argument for no columns.
  void startUntitled(std::vector<project::ColumnEntry> columns);
  // The project now stands in the file at `path`.
  void markSaved(std::string path);
  // Sets the engineer's licence number; true when it changed, and only then is the project
  // modified.
  bool setLicenceNumber(std::string number);

  ProjectSnapshot snapshot() const { return {project_, selected_}; }
  // Returns to a snapshot taken earlier; the file and the modified mark are the caller's.
  void restore(const ProjectSnapshot& snapshot);
  void setFilePath(std::optional<std::string> path) { filePath_ = std::move(path); }
  void setModified(bool modified) { modified_ = modified; }

  // Throws std::out_of_range for a row the project does not have.
  void select(std::size_t row);
  // Each writes into the selected column or the header; true when the value changed, and only
  // then is the project modified.
  bool setSelectedInputs(const engine::ColumnInputs& inputs);
  bool setSelectedMark(std::string mark);
  bool setHeader(project::Project::Header header);

  // Whether the second opinion's page prints after each sheet; a change modifies the project.
  void setPrintCrossCheck(bool print);

  // Appends a column with the initial inputs and a fresh mark, and selects it.
  void addColumn();
  // Inserts a copy of the selected column with a fresh mark after it, and selects the copy.
  void duplicateSelected();
  // Removes the selected column, unless it is the last one (then false); the column that takes
  // its place, or else the one before it, is selected.
  bool removeSelected();

  // "C-n" for the smallest n from the column count plus one that no column's mark takes.
  std::string freshMark() const;

private:
  void checkAll();

  project::Project project_;
  std::vector<engine::ColumnAnswer> results_;
  std::size_t selected_ = 0;
  std::optional<std::string> filePath_;
  bool modified_ = false;
};

} // namespace form
