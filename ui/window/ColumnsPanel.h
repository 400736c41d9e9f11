// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QWidget>

class QAbstractItemModel;
class QFont;
class QAction;
class QTableView;

namespace ui {

// The project's columns beside the form: a table of one row a column, one row selected, and
// buttons for the column commands under it.
class ColumnsPanel : public QWidget {
  Q_OBJECT
public:
  // The panel writes in `font`, set before anything is measured in it.
  ColumnsPanel(QAbstractItemModel& model, const QList<QAction*>& commands, const QFont& font,
               QWidget* parent = nullptr);

  QTableView& table() { return *table_; }
  // Selects and shows `row` without reporting it as chosen.
  void showSelectedRow(int row);

signals:
  // The user selected another row, with the mouse or the keyboard.
  void rowChosen(int row);

private:
  // As wide as the widest mark, up to a limit.
  void fitMarkColumn();

  QTableView* table_;
  bool showing_ = false;
};

} // namespace ui
