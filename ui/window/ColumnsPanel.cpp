// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/ColumnsPanel.h"

#include "project/ScheduleRow.h"

#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>
#include <QVBoxLayout>

namespace ui {

namespace {
constexpr int kMarkColumn = static_cast<int>(project::ScheduleField::Mark);
// About nine characters: a long mark is cut in the middle, whole in its tooltip, and the
// figures and the verdict stay in sight.
constexpr int kMarkColumnCharacters = 9;
} // namespace

ColumnsPanel::ColumnsPanel(QAbstractItemModel& model, const QList<QAction*>& commands,
                           const QFont& font, QWidget* parent)
    : QWidget(parent), table_(new QTableView(this)) {
  setObjectName(QStringLiteral("columnsPanel"));
  setFont(font);
  table_->setObjectName(QStringLiteral("columnsTable"));
  table_->setModel(&model);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setWordWrap(false);
  table_->setTextElideMode(Qt::ElideMiddle);
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->horizontalHeader()->setHighlightSections(false);
  table_->horizontalHeader()->setSectionResizeMode(kMarkColumn, QHeaderView::Interactive);
  connect(&model, &QAbstractItemModel::modelReset, this, &ColumnsPanel::fitMarkColumn);
  connect(&model, &QAbstractItemModel::rowsInserted, this, &ColumnsPanel::fitMarkColumn);
  connect(&model, &QAbstractItemModel::rowsRemoved, this, &ColumnsPanel::fitMarkColumn);
  connect(&model, &QAbstractItemModel::dataChanged, this, &ColumnsPanel::fitMarkColumn);
  connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (!showing_ && current.isValid()) {
              emit rowChosen(current.row());
            }
          });

  // The column commands are also a right click away; no buttons to build before the first paint.
  table_->addActions(commands);
  table_->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(table_);
  fitMarkColumn();
}

void ColumnsPanel::fitMarkColumn() {
  table_->resizeColumnToContents(kMarkColumn);
  const int widest = fontMetrics().averageCharWidth() * kMarkColumnCharacters;
  if (table_->columnWidth(kMarkColumn) > widest) {
    table_->setColumnWidth(kMarkColumn, widest);
  }
}

void ColumnsPanel::showSelectedRow(int row) {
  showing_ = true;
  const QModelIndex index = table_->model()->index(row, 0);
  table_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                       QItemSelectionModel::Rows);
  table_->scrollTo(index);
  showing_ = false;
}

} // namespace ui
