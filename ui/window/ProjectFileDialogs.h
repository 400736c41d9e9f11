// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ui {

// The files the project window reads and writes.
enum class ProjectFileRole {
  Project,        // a project file, read by Open and written by Save
  ImportSchedule, // a schedule in CSV to read the columns from
  ExportResults,  // the results in CSV to write
};

// Where the project window asks for file names: Qt's file dialogs in the program, a script in
// the tests. An empty name means the user cancelled.
class ProjectFileDialogs {
public:
  virtual ~ProjectFileDialogs() = default;

  // An existing file to read; the dialog opens in `folder` when it is not empty.
  virtual QString fileToOpen(ProjectFileRole role, const QString& folder) = 0;
  // A file to write, offering `suggested` (a path or a bare name); replacing an existing file has
  // been confirmed.
  virtual QString fileToSave(ProjectFileRole role, const QString& suggested) = 0;
};

} // namespace ui
