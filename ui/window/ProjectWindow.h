// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/FormFields.h"
#include "form/ProjectEdits.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

class QAction;
class QByteArray;
class QCloseEvent;
class QMenu;
class QUndoStack;

namespace form {
class HostServices;
class ProjectSession;
} // namespace form

namespace project {
struct LoadErrors;
}

namespace ui {

class ColumnsModel;
class ChartWindow;
class ColumnsPanel;
class ColumnForm;
class ProjectFileDialogs;

// The program's window: the menu bar, the form as it has always looked, and beside it the
// project's columns. The form shows the column selected in the panel, and every answer and header
// edit goes into the project at once. The title names the project's file and marks unsaved
// changes; nothing replaces or closes a project with unsaved changes before the user has said
// what becomes of them.
class ProjectWindow : public QMainWindow {
  Q_OBJECT
public:
  // Without a host or file dialogs the window uses Qt's own.
  explicit ProjectWindow(form::HostServices* host = nullptr, ProjectFileDialogs* dialogs = nullptr,
                         QWidget* parent = nullptr);
  ~ProjectWindow() override;

  ColumnForm& form() { return *form_; }
  const form::ProjectSession& session() const { return *session_; }

  // Opens the project file at `path` as Open does once its dialog has named it. A file that is
  // not read whole is named in a box and changes nothing; unsaved changes are asked about before
  // the project is replaced. True when the file's project is now open.
  bool openFile(const QString& path);

  // Places the window in the middle of the screen's available area.
  void centreOnScreen();

protected:
  void closeEvent(QCloseEvent* event) override;
  // Ctrl+Z in a header field undoes on the project's stack, not within the field.
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void buildMenus();
  void buildEditMenu(const QFont& font);
  // A command of `menu`, named `name` among the window's children.
  QAction* addCommand(QMenu& menu, const char* name, const QString& text,
                      const QKeySequence& shortcut, std::function<void()> command);
  // Runs a command as the form runs its handlers: a failure ends in a box, never in the loop.
  void run(const std::function<void()>& command);

  void newProject();
  void openProject();
  bool saveProject();
  bool saveProjectAs();
  void importSchedule();
  void exportResults();
  void exportPackage();
  void printPackage();
  void addColumn();
  void duplicateColumn();
  void removeColumn();
  void showAbout();
  // Asks for the engineer's licence number, which the project keeps for the package's signature.
  void askLicenceNumber();
  // The allowable stress chart with the selected column on it, in a window of its own.
  void showChart();

  // True when the project may be replaced or closed: it has no unsaved changes, or the user has
  // saved or discarded them.
  bool mayLeaveProject();
  bool writeProject(const QString& path);
  // Replaces the file at `path` with `bytes` through a temporary file; a box says why not.
  bool writeFile(const QString& path, std::string_view bytes, const QString& title);
  std::optional<QByteArray> readFile(const QString& path, const QString& title);
  void showLoadErrors(const QString& title, const QString& lead, const project::LoadErrors& errors);

  // The selected column into the form, and the panel's selection onto it.
  void showSelectedColumn();
  // After the columns were replaced, added or removed.
  void showColumnsAnew();
  // The form's latest edit, already in the session, onto the undo stack, the panel and the title;
  // typing in a header field names it.
  void takeFormEdit(std::optional<form::HeaderField> typedField);
  // Puts a change already made onto the undo stack.
  void record(form::ProjectEdit edit);
  // Makes `change` and puts it onto the undo stack as `command`; false when it changed nothing.
  bool changeProject(form::ProjectCommand command, const std::function<void()>& change);
  // The modified mark and the title after the undo stack moved.
  void followUndoStack();
  void showTitleAndCommands();
  // The chart, where it is shown, onto the selected column as it now stands.
  void followInChart();

  // The project file's name, or "Untitled".
  QString fileName() const;
  QString projectFolder() const;
  // The project file's path with another ending, or a name made of the project's where it has no
  // file yet.
  QString besideProjectFile(const QString& ending) const;

  form::ProjectSession* session_ = nullptr; // the form's; the one owner of the project
  std::unique_ptr<ProjectFileDialogs> ownDialogs_;
  ProjectFileDialogs* dialogs_;
  ColumnForm* form_ = nullptr;
  ColumnsModel* model_ = nullptr;
  ColumnsPanel* panel_ = nullptr;
  ChartWindow* chart_ = nullptr; // made when first asked for
  QAction* removeCommand_ = nullptr;
  QAction* crossCheckCommand_ = nullptr;
  QUndoStack* undoStack_ = nullptr;
  // The project as the undo stack last saw it: a form edit is what differs from it.
  form::ProjectSnapshot shown_;
};

} // namespace ui
