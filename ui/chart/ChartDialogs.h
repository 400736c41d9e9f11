// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace ui {

// The dialogs the chart window opens, each over `parent`. Modal() gives the user's dialogs; tests
// put their own in place of them.
struct ChartDialogs {
  // The file to save the chart in, ending in .svg or .png; empty when the user cancels.
  std::function<QString(QWidget* parent)> askSavePath;
  // Lets the user choose and set up `printer`; false when the user cancels.
  std::function<bool(QPrinter& printer, QWidget* parent)> askPrinter;
  // Tells the user what went wrong.
  std::function<void(QWidget* parent, const QString& message)> showError;

  static ChartDialogs Modal();
};

} // namespace ui
