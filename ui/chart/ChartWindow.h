// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ColumnInputs.h"
#include "report/Printer.h"
#include "ui/chart/ChartDialogs.h"
#include "ui/chart/StressChart.h"

#include <QWidget>

#include <functional>
#include <optional>

namespace ui {

class ChartView;

// A window of its own with the allowable stress chart and the current column on it, and buttons
// to save it as SVG or PNG (Ctrl+S), print it (Ctrl+P) and close it (Esc). With a parent it stays
// over the parent and goes with it; closing only hides it.
class ChartWindow : public QWidget {
public:
  explicit ChartWindow(QWidget* parent = nullptr, ChartDialogs dialogs = ChartDialogs::Modal());

  // Shows the chart of `materials` with the column's point, such as DesignPointOf(form.record()),
  // or with no point. Call it after every answer that may move the column.
  void showColumn(const engine::Materials& materials, std::optional<ChartColumn> point);
  const StressChart& chart() const;
  // What a chart saved as PDF says about itself and the project it carries.
  void setDocumentDescription(report::DocumentDescription description) {
    description_ = std::move(description);
  }

  // What the buttons do; every failure ends in an error box, never in the caller.
  void saveToFile();
  void print();

private:
  void runHandler(const QString& action, const std::function<void()>& handler);

  ChartDialogs dialogs_;
  ChartView* view_ = nullptr;
  std::optional<engine::Materials> shownMaterials_;
  report::DocumentDescription description_;
};

} // namespace ui
