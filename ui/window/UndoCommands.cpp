// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/UndoCommands.h"

#include "form/ProjectSession.h"

#include <utility>

namespace ui {

namespace {
constexpr int kTypingId = 1;
} // namespace

ProjectEditCommand::ProjectEditCommand(form::ProjectEdit edit, form::ProjectSession& session,
                                       std::function<void()> showProject)
    : edit_(std::move(edit)), session_(session), showProject_(std::move(showProject)) {
  setText(QString::fromStdString(edit_.name));
}

void ProjectEditCommand::undo() {
  restore(edit_.before);
}

void ProjectEditCommand::redo() {
  if (std::exchange(made_, false)) {
    return;
  }
  restore(edit_.after);
}

int ProjectEditCommand::id() const {
  return edit_.typedField ? kTypingId : -1;
}

bool ProjectEditCommand::mergeWith(const QUndoCommand* other) {
  if (!form::JoinTyping(edit_, static_cast<const ProjectEditCommand*>(other)->edit_)) {
    return false;
  }
  setObsolete(edit_.before == edit_.after); // typed and then taken back
  return true;
}

void ProjectEditCommand::restore(const form::ProjectSnapshot& snapshot) {
  session_.restore(snapshot);
  if (edit_.changesFile) {
    std::optional<std::string> file = session_.filePath();
    session_.setFilePath(std::exchange(edit_.otherFile, std::move(file)));
  }
  showProject_();
}

} // namespace ui
