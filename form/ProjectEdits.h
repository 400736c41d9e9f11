// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/FormFields.h"
#include "project/Project.h"

#include <cstddef>
#include <optional>
#include <string>

namespace form {

// What undo and redo return a project to: its header and columns, and the column the form shows.
struct ProjectSnapshot {
  project::Project project;
  std::size_t selected = 0;

  friend bool operator==(const ProjectSnapshot&, const ProjectSnapshot&) = default;
};

// The changes to a project that undo names by what was done rather than by what changed.
enum class ProjectCommand { Add, Duplicate, Remove, Import, LicenceNumber, PrintCrossCheck };

// One change to a project, as it is undone and redone.
struct ProjectEdit {
  ProjectSnapshot before;
  ProjectSnapshot after;
  std::string name; // what the Undo and Redo commands call it
  // Set while the edit is typing into one header field: later typing there joins it.
  std::optional<HeaderField> typedField;
  // An import leaves the project untitled; undoing it gives the file back.
  bool changesFile = false;
  // Where the project is saved on the other side of an edit that changes the file.
  std::optional<std::string> otherFile;
};

// An edit of the form shown for the selected column: typed into `typedField`, or else made by a
// prompt, the clear button or a suggestion taken.
ProjectEdit FormEdit(ProjectSnapshot before, ProjectSnapshot after,
                     std::optional<HeaderField> typedField);
ProjectEdit CommandEdit(ProjectCommand command, ProjectSnapshot before, ProjectSnapshot after);

// Takes `later` into `earlier` when it goes on typing in the same field of the same column; one
// undo then takes back the whole of that typing.
bool JoinTyping(ProjectEdit& earlier, const ProjectEdit& later);

} // namespace form
