// SPDX-License-Identifier: GPL-3.0-or-later
// The project window's Edit menu and its undo stack.
#include "ui/window/ProjectWindow.h"

#include "form/ProjectEdits.h"
#include "form/ProjectSession.h"
#include "ui/window/UndoCommands.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

namespace ui {

void ProjectWindow::buildEditMenu(const QFont& font) {
  QMenu* edit = menuBar()->addMenu(QStringLiteral("แก้ไข (&Edit)"));
  edit->setFont(font);
  const QString undoText = QStringLiteral("เลิกทำ (&Undo)");
  const QString redoText = QStringLiteral("ทำซ้ำ (&Redo)");
  QAction* undo = addCommand(*edit, "undo", undoText, QKeySequence(Qt::CTRL | Qt::Key_Z),
                             [this] { undoStack_->undo(); });
  QAction* redo =
      addCommand(*edit, "redo", redoText, QKeySequence(), [this] { undoStack_->redo(); });
  redo->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  // The commands name what they would take back or do again.
  const auto follow = [](QAction* action, const QString& lead, const QString& what) {
    action->setText(what.isEmpty() ? lead : QStringLiteral("%1 %2").arg(lead, what));
  };
  undo->setEnabled(false);
  redo->setEnabled(false);
  connect(undoStack_, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
  connect(undoStack_, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
  connect(undoStack_, &QUndoStack::undoTextChanged, undo,
          [=](const QString& what) { follow(undo, undoText, what); });
  connect(undoStack_, &QUndoStack::redoTextChanged, redo,
          [=](const QString& what) { follow(redo, redoText, what); });
}

void ProjectWindow::record(form::ProjectEdit edit) {
  shown_ = edit.after;
  undoStack_->push(
      new ProjectEditCommand(std::move(edit), *session_, [this] { showColumnsAnew(); }));
}

bool ProjectWindow::changeProject(form::ProjectCommand command,
                                  const std::function<void()>& change) {
  form::ProjectSnapshot before = session_->snapshot();
  change();
  form::ProjectSnapshot after = session_->snapshot();
  if (after.project == before.project) {
    return false;
  }
  record(form::CommandEdit(command, std::move(before), std::move(after)));
  return true;
}

void ProjectWindow::followUndoStack() {
  session_->setModified(!undoStack_->isClean());
  showTitleAndCommands();
}

bool ProjectWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
        key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y)) {
      return true; // left to the window's Undo and Redo
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

} // namespace ui
