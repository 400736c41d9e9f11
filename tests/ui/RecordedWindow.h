// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WindowNames.h"
#include "tests/doubles/RecordingHost.h"
#include "ui/window/ColumnForm.h"

#include <QLabel>
#include <QTest>

// The window on a recording host: prompts take scripted answers, and the Exit command is counted
// instead of ending the test program.
struct RecordedWindow {
  RecordedWindow() {
    window.setExitAction([this] { ++exits; });
  }

  // Shows the window; false when it did not come on screen.
  bool show() {
    window.show();
    return QTest::qWaitForWindowExposed(&window);
  }

  template <typename Widget = QWidget> Widget* find(const QString& name) {
    return window.findChild<Widget*>(name);
  }

  void click(const QString& name) { QTest::mouseClick(find(name), Qt::LeftButton); }

  // Clicks a caption whose prompt takes `answer`.
  void answer(const QString& caption, const QString& answer) {
    host.scriptAnswer(answer.toStdString());
    click(caption);
  }

  QString text(const QString& label) { return find<QLabel>(label)->text(); }

  form::RecordingHost host;
  ui::ColumnForm window{&host};
  int exits = 0;
};
