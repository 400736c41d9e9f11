// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/ProjectEdits.h"

#include <QUndoCommand>

#include <functional>

namespace form {
class ProjectSession;
}

namespace ui {

// One change to the project on the window's undo stack. It is pushed once the change is made, so
// its first redo does nothing; undo and redo put the snapshot back into the session and then let
// the window show it.
class ProjectEditCommand : public QUndoCommand {
public:
  ProjectEditCommand(form::ProjectEdit edit, form::ProjectSession& session,
                     std::function<void()> showProject);

  void undo() override;
  void redo() override;
  int id() const override;
  bool mergeWith(const QUndoCommand* other) override;

private:
  void restore(const form::ProjectSnapshot& snapshot);

  form::ProjectEdit edit_;
  form::ProjectSession& session_;
  std::function<void()> showProject_;
  bool made_ = true; // the change is in the session already
};

} // namespace ui
