// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/ColumnsModel.h"

#include "form/ProjectSession.h"
#include "project/Project.h"
#include "ui/fonts/Utf8Text.h"

#include <QColor>
#include <QFont>

namespace ui {

namespace {

using project::ScheduleField;

const QString kBlankMarkFlag = QStringLiteral("⚠ ไม่มีเครื่องหมาย (no mark)");
const QString kSharedMarkFlag = QStringLiteral("⚠ ซ้ำ (shared)");

bool IsNumber(int column) {
  switch (static_cast<ScheduleField>(column)) {
  case ScheduleField::Height:
  case ScheduleField::KFactor:
  case ScheduleField::Load:
  case ScheduleField::Utilisation:
    return true;
  default:
    return false;
  }
}

} // namespace

ColumnsModel::ColumnsModel(const form::ProjectSession& session, QObject* parent)
    : QAbstractTableModel(parent), session_(session) {
  refreshAll();
}

int ColumnsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ColumnsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(project::kScheduleFieldCount);
}

QVariant ColumnsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) {
    return {};
  }
  const Row& row = rows_.at(static_cast<std::size_t>(index.row()));
  const bool isMark = index.column() == static_cast<int>(ScheduleField::Mark);
  switch (role) {
  case Qt::DisplayRole: {
    const QString& text = row.texts.at(static_cast<std::size_t>(index.column()));
    if (!isMark || row.markFlag.isEmpty()) {
      return text;
    }
    return text.trimmed().isEmpty() ? row.markFlag : text + QLatin1Char(' ') + row.markFlag;
  }
  case Qt::TextAlignmentRole:
    return QVariant::fromValue(Qt::AlignVCenter |
                               (IsNumber(index.column()) ? Qt::AlignRight : Qt::AlignLeft));
  case Qt::FontRole:
    if (row.failing) {
      QFont bold;
      bold.setBold(true);
      return bold;
    }
    return {};
  case Qt::ForegroundRole:
    return row.failing ? QVariant(QColor(0xA0, 0x00, 0x10)) : QVariant();
  case Qt::BackgroundRole:
    return row.failing ? QVariant(QColor(0xFF, 0xE1, 0xE1)) : QVariant();
  case Qt::ToolTipRole: {
    QStringList lines;
    // The whole mark, which a narrow column may show cut.
    const QString mark =
        isMark ? row.texts.at(static_cast<std::size_t>(index.column())) : QString();
    for (const QString& line : {mark.trimmed(), isMark ? row.markFlag : QString(), row.warnings}) {
      if (!line.isEmpty()) {
        lines << line;
      }
    }
    return lines.isEmpty() ? QVariant() : QVariant(lines.join(QLatin1Char('\n')));
  }
  default:
    return {};
  }
}

QVariant ColumnsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) {
    return {};
  }
  if (orientation == Qt::Vertical) {
    return section + 1;
  }
  const std::string_view heading = project::kScheduleHeadings.at(static_cast<std::size_t>(section));
  return FromUtf8(heading);
}

ColumnsModel::Row ColumnsModel::read(std::size_t row) const {
  const project::ScheduleRow schedule =
      project::ScheduleRowOf(session_.column(row), session_.result(row));
  Row read;
  for (std::size_t field = 0; field < schedule.texts.size(); ++field) {
    read.texts[field] = QString::fromStdString(schedule.texts[field]);
  }
  // The method's plate is thinner than the second opinion's in most columns: where that is the
  // only warning the row carries no alarm, and its verdict shows both thicknesses instead.
  if (!schedule.plateComparison.empty()) {
    read.texts[static_cast<std::size_t>(ScheduleField::Verdict)] +=
        QStringLiteral("  ") + QString::fromStdString(schedule.plateComparison);
  }
  read.failing = schedule.failing;
  read.warnings = QString::fromStdString(schedule.warnings);
  return read;
}

void ColumnsModel::refreshRow(int row) {
  rows_.at(static_cast<std::size_t>(row)) = read(static_cast<std::size_t>(row));
  flagUnclearMarks();
  emit dataChanged(index(row, 0), index(row, columnCount() - 1));
  emit dataChanged(index(0, 0), index(rowCount() - 1, 0));
}

void ColumnsModel::refreshAll() {
  beginResetModel();
  rows_.clear();
  rows_.reserve(session_.columnCount());
  for (std::size_t row = 0; row < session_.columnCount(); ++row) {
    rows_.push_back(read(row));
  }
  flagUnclearMarks();
  endResetModel();
}

void ColumnsModel::flagUnclearMarks() {
  for (Row& row : rows_) {
    row.markFlag.clear();
  }
  for (const project::UnclearMark& unclear : project::UnclearMarks(session_.project().columns)) {
    for (const std::size_t column : unclear.columns) {
      rows_.at(column).markFlag = unclear.mark.empty() ? kBlankMarkFlag : kSharedMarkFlag;
    }
  }
}

} // namespace ui
