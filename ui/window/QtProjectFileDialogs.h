// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/window/ProjectFileDialogs.h"

#include <QPointer>
#include <QWidget>

namespace ui {

// The project window's file names from Qt's file dialogs, modal over the window.
class QtProjectFileDialogs : public ProjectFileDialogs {
public:
  explicit QtProjectFileDialogs(QWidget* parent) : parent_(parent) {}

  QString fileToOpen(ProjectFileRole role, const QString& folder) override;
  QString fileToSave(ProjectFileRole role, const QString& suggested) override;

private:
  QPointer<QWidget> parent_;
};

} // namespace ui
