// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chart/ChartDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include <memory>

namespace ui {

namespace {

const QString kSvgFilter = QStringLiteral("ภาพเวกเตอร์ SVG (*.svg)");
const QString kPngFilter = QStringLiteral("ภาพ PNG (*.png)");

QString AskSavePath(QWidget* parent, QString& lastPath) {
  QFileDialog dialog(parent, QStringLiteral("บันทึกกราฟเป็นไฟล์"), lastPath);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters({kSvgFilter, kPngFilter});
  // A name typed without an extension takes the chosen type's.
  dialog.setDefaultSuffix(QStringLiteral("svg"));
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog](const QString& filter) {
                     dialog.setDefaultSuffix(filter == kPngFilter ? QStringLiteral("png")
                                                                  : QStringLiteral("svg"));
                   });
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return {};
  }
  lastPath = dialog.selectedFiles().constFirst();
  return lastPath;
}

bool AskPrinter(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("พิมพ์กราฟ"));
  return dialog.exec() == QDialog::Accepted;
}

void ShowError(QWidget* parent, const QString& message) {
  QMessageBox::critical(parent, QStringLiteral("กราฟหน่วยแรงอัดที่ยอมให้"), message);
}

} // namespace

ChartDialogs ChartDialogs::Modal() {
  // The next save offers the folder and name of the last one.
  auto lastPath = std::make_shared<QString>(QDir::home().filePath(QStringLiteral("กราฟ Qac.svg")));
  return {[lastPath](QWidget* parent) { return AskSavePath(parent, *lastPath); }, AskPrinter,
          ShowError};
}

} // namespace ui
