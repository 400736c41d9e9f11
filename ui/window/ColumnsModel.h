// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "project/ScheduleRow.h"

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <vector>

namespace form {
class ProjectSession;
}

namespace ui {

// The project's columns as the columns panel lists them: mark, pipe, H, K, P, utilisation and
// verdict. A failing row is bold and red on pink, and its verdict carries a cross, so it stands
// out in black and white as well. A blank mark, or one several columns share, is flagged in words
// beside it.
class ColumnsModel : public QAbstractTableModel {
  Q_OBJECT
public:
  explicit ColumnsModel(const form::ProjectSession& session, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Reads one column again after it changed.
  void refreshRow(int row);
  // Reads every column again after columns were added, removed or replaced.
  void refreshAll();

private:
  struct Row {
    std::array<QString, project::kScheduleFieldCount> texts;
    bool failing = false;
    QString warnings; // shown on the row's tooltip, one a line
    QString markFlag; // why the mark does not tell the column apart, or empty
  };

  Row read(std::size_t row) const;
  // Flags every row's mark anew: one changed mark can make or end a shared one elsewhere.
  void flagUnclearMarks();

  const form::ProjectSession& session_;
  std::vector<Row> rows_;
};

} // namespace ui
