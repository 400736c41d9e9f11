// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/QtProjectFileDialogs.h"

#include <QFileDialog>

namespace ui {

namespace {

struct RoleTexts {
  QString openTitle;
  QString saveTitle;
  QString filter;
  QString suffix;
  QString openFilter = filter;
};

RoleTexts TextsOf(ProjectFileRole role) {
  switch (role) {
  case ProjectFileRole::Project:
    return {QStringLiteral("เปิดโครงการ (Open)"), QStringLiteral("บันทึกโครงการ (Save As)"),
            QStringLiteral("โครงการ pipecolumn (*.pipecolumn)"), QStringLiteral("pipecolumn"),
            // A PDF this program wrote carries its project.
            QStringLiteral("โครงการ pipecolumn หรือ PDF ที่แนบโครงการ (*.pipecolumn *.pdf);;"
                           "โครงการ pipecolumn (*.pipecolumn);;PDF (*.pdf)")};
  case ProjectFileRole::ImportSchedule:
    return {QStringLiteral("นำเข้าตารางเสาจาก CSV (Import CSV)"),
            {},
            QStringLiteral("CSV (*.csv);;ทุกไฟล์ (*)"),
            QStringLiteral("csv")};
  case ProjectFileRole::ExportResults:
    break;
  }
  return {{},
          QStringLiteral("ส่งออกผลการคำนวณเป็น CSV (Export CSV)"),
          QStringLiteral("CSV (*.csv)"),
          QStringLiteral("csv")};
}

QString Chosen(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return {};
  }
  return dialog.selectedFiles().constFirst();
}

} // namespace

QString QtProjectFileDialogs::fileToOpen(ProjectFileRole role, const QString& folder) {
  const RoleTexts texts = TextsOf(role);
  QFileDialog dialog(parent_, texts.openTitle, folder, texts.openFilter);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return Chosen(dialog);
}

QString QtProjectFileDialogs::fileToSave(ProjectFileRole role, const QString& suggested) {
  const RoleTexts texts = TextsOf(role);
  QFileDialog dialog(parent_, texts.saveTitle, suggested, texts.filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // The suffix is added before the dialog asks about replacing an existing file.
  dialog.setDefaultSuffix(texts.suffix);
  return Chosen(dialog);
}

} // namespace ui
