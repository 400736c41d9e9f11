// SPDX-License-Identifier: GPL-3.0-or-later
// The project window's reading and writing of files, with the boxes that tell how it went.
#include "ui/window/ProjectWindow.h"

#include "form/FormState.h"
#include "form/HostServices.h"
#include "form/PackageCommands.h"
#include "form/ProjectEdits.h"
#include "form/ProjectSession.h"
#include "form/UnsavedChanges.h"
#include "project/CsvExport.h"
#include "project/CsvImport.h"
#include "project/PdfReading.h"
#include "project/ProjectCheck.h"
#include "project/ProjectFile.h"
#include "project/SaveFile.h"
#include "project/Today.h"
#include "ui/window/ColumnForm.h"
#include "ui/window/ColumnsModel.h"
#include "ui/window/ColumnsPanel.h"
#include "ui/window/QtProjectFileDialogs.h"
#include "ui/window/WindowTexts.h"

#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUndoStack>

#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <optional>
#include <variant>

namespace ui {

namespace {

// Reads a project away from the window, which stays responsive; the host shows progress with a
// Cancel, after which nothing is loaded.
std::optional<project::ProjectLoad> ReadInBackground(form::HostServices& host,
                                                     const std::string& title,
                                                     std::function<project::ProjectLoad()> read) {
  std::future<project::ProjectLoad> reading = std::async(std::launch::async, std::move(read));
  const std::unique_ptr<form::WorkProgress> progress = host.StartProgress(title, 0);
  while (reading.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) {
    if (progress && !progress->Step(0)) {
      return std::nullopt; // the reading ends in the future's destructor, its result dropped
    }
  }
  return reading.get();
}

// A box names at most this many problems of a file; the rest are under its details.
constexpr qsizetype kProblemsShown = 12;

const QString kOpenTitle = QStringLiteral("เปิดโครงการ (Open)");
const QString kSaveTitle = QStringLiteral("บันทึกโครงการ (Save)");
const QString kImportTitle = QStringLiteral("นำเข้าตารางเสา (Import CSV)");
const QString kExportTitle = QStringLiteral("ส่งออกผลการคำนวณ (Export CSV)");
std::string_view View(const QByteArray& bytes) {
  return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

form::UnsavedAnswer AskAboutUnsavedChanges(QWidget* parent, const QString& projectName) {
  QMessageBox box(QMessageBox::Question, QString::fromUtf8(kWindowCaption),
                  QStringLiteral("โครงการ «%1» มีการแก้ไขที่ยังไม่ได้บันทึก\n"
                                 "ต้องการบันทึกก่อนหรือไม่?")
                      .arg(projectName),
                  QMessageBox::NoButton, parent);
  box.setTextFormat(Qt::PlainText);
  QPushButton* save = box.addButton(QStringLiteral("บันทึก (Save)"), QMessageBox::AcceptRole);
  QPushButton* discard =
      box.addButton(QStringLiteral("ไม่บันทึก (Discard)"), QMessageBox::DestructiveRole);
  QPushButton* cancel = box.addButton(QStringLiteral("ยกเลิก (Cancel)"), QMessageBox::RejectRole);
  box.setDefaultButton(save);
  box.setEscapeButton(cancel); // Escape and the close box keep the project open
  box.exec();
  if (box.clickedButton() == save) {
    return form::UnsavedAnswer::Save;
  }
  return box.clickedButton() == discard ? form::UnsavedAnswer::Discard
                                        : form::UnsavedAnswer::Cancel;
}

} // namespace

void ProjectWindow::newProject() {
  if (!mayLeaveProject()) {
    return;
  }
  session_->startNew();
  undoStack_->clear();
  showColumnsAnew();
}

void ProjectWindow::openProject() {
  const QString path = dialogs_->fileToOpen(ProjectFileRole::Project, projectFolder());
  if (!path.isEmpty()) {
    openFile(path);
  }
}

bool ProjectWindow::openFile(const QString& path) {
  bool opened = false;
  run([&] {
    const std::optional<QByteArray> bytes = readFile(path, kOpenTitle);
    if (!bytes) {
      return;
    }
    const std::string fileName = QFileInfo(path).fileName().toStdString();
    const bool fromPdf = project::LooksLikePdf(View(*bytes));
    std::optional<project::ProjectLoad> read =
        ReadInBackground(form_->host(), "กำลังอ่าน " + fileName + " …",
                         [&] { return project::ReadProjectDocument(View(*bytes), fileName); });
    if (!read) {
      form_->host().ShowDone("ยกเลิกการเปิด " + fileName + " แล้ว โครงการที่เปิดอยู่ยังคงเดิม");
      return;
    }
    project::ProjectLoad& load = *read;
    if (const auto* errors = std::get_if<project::LoadErrors>(&load)) {
      showLoadErrors(
          kOpenTitle,
          QStringLiteral("ไม่ได้เปิดไฟล์ %1 โครงการที่เปิดอยู่ยังคงเดิม").arg(QFileInfo(path).fileName()),
          *errors);
      return;
    }
    if (!mayLeaveProject()) {
      return;
    }
    // The PDF stays as it was printed: a Save of what it carried asks for a project file.
    session_->load(std::get<project::Project>(std::move(load)),
                   fromPdf ? std::nullopt : std::optional(path.toStdString()));
    undoStack_->clear();
    showColumnsAnew();
    opened = true;
  });
  return opened;
}

bool ProjectWindow::saveProject() {
  const std::optional<std::string>& path = session_->filePath();
  return path ? writeProject(QString::fromStdString(*path)) : saveProjectAs();
}

bool ProjectWindow::saveProjectAs() {
  const QString path = dialogs_->fileToSave(
      ProjectFileRole::Project, besideProjectFile(FromUtf8(project::kProjectFileExtension)));
  return !path.isEmpty() && writeProject(path);
}

bool ProjectWindow::writeProject(const QString& path) {
  if (!writeFile(path, project::ProjectFileBytes(session_->project()), kSaveTitle)) {
    return false;
  }
  session_->markSaved(path.toStdString());
  undoStack_->setClean();
  showTitleAndCommands();
  return true;
}

void ProjectWindow::importSchedule() {
  const QString path = dialogs_->fileToOpen(ProjectFileRole::ImportSchedule, projectFolder());
  if (path.isEmpty()) {
    return;
  }
  const std::optional<QByteArray> bytes = readFile(path, kImportTitle);
  if (!bytes) {
    return;
  }
  project::ScheduleLoad load =
      project::ReadScheduleCsv(View(*bytes), QFileInfo(path).fileName().toStdString());
  if (const auto* errors = std::get_if<project::LoadErrors>(&load)) {
    showLoadErrors(
        kImportTitle,
        QStringLiteral("ไม่ได้นำเข้าไฟล์ %1 คอลัมน์ในโครงการยังคงเดิม").arg(QFileInfo(path).fileName()),
        *errors);
    return;
  }
  if (!mayLeaveProject()) {
    return;
  }
  // The schedule becomes a project of its own: saving it never writes over the file that was open.
  form::ProjectSnapshot before = session_->snapshot();
  std::optional<std::string> fileBefore = session_->filePath();
  session_->startUntitled(std::get<std::vector<project::ColumnEntry>>(std::move(load)));
  form::ProjectEdit edit =
      form::CommandEdit(form::ProjectCommand::Import, std::move(before), session_->snapshot());
  edit.otherFile = std::move(fileBefore);
  record(std::move(edit));
  showColumnsAnew();
}

void ProjectWindow::exportResults() {
  const QString path = dialogs_->fileToSave(ProjectFileRole::ExportResults,
                                            besideProjectFile(QStringLiteral("-results.csv")));
  if (!path.isEmpty()) {
    const project::Project& project = session_->project();
    writeFile(path, project::ResultsCsv(project, project::CheckProject(project)), kExportTitle);
  }
}

void ProjectWindow::exportPackage() {
  const QString suggested = besideProjectFile(QStringLiteral(".pdf"));
  form::ExportPackageCommand(session_->project(), project::Today(), suggested.toStdString(),
                             form_->state().numberFormat(), form_->host());
}

void ProjectWindow::printPackage() {
  form::PrintPackageCommand(session_->project(), project::Today(), form_->state().numberFormat(),
                            form_->host());
}

bool ProjectWindow::mayLeaveProject() {
  return form::MayLeaveProject(
      session_->isModified(), [this] { return AskAboutUnsavedChanges(this, fileName()); },
      [this] { return saveProject(); });
}

bool ProjectWindow::writeFile(const QString& path, std::string_view bytes, const QString& title) {
  try {
    project::SaveFileAtomically(std::filesystem::path(QFile::encodeName(path).toStdString()),
                                bytes);
    return true;
  } catch (const project::SaveError& failure) {
    form_->host().ShowMessage(failure.what(), form::MessageStyle::CriticalOk(),
                              title.toStdString());
    return false;
  }
}

std::optional<QByteArray> ProjectWindow::readFile(const QString& path, const QString& title) {
  QFile file(path);
  if (file.open(QIODevice::ReadOnly)) {
    QByteArray bytes = file.readAll();
    if (file.error() == QFileDevice::NoError) {
      return bytes;
    }
  }
  form_->host().ShowMessage(
      QStringLiteral("อ่านไฟล์ไม่ได้: %1\n%2").arg(path, file.errorString()).toStdString(),
      form::MessageStyle::CriticalOk(), title.toStdString());
  return std::nullopt;
}

void ProjectWindow::showLoadErrors(const QString& title, const QString& lead,
                                   const project::LoadErrors& errors) {
  QStringList problems;
  for (const std::string& message : errors.messages) {
    problems << QString::fromStdString(message);
  }
  QString text = lead + QLatin1Char('\n') + problems.mid(0, kProblemsShown).join(QLatin1Char('\n'));
  QMessageBox box(QMessageBox::Critical, title, {}, QMessageBox::Ok, this);
  box.setTextFormat(Qt::PlainText);
  if (problems.size() > kProblemsShown) {
    text += QStringLiteral("\n… และอีก %1 ข้อ (ดูทั้งหมดได้ที่ Show Details…)")
                .arg(problems.size() - kProblemsShown);
    box.setDetailedText(problems.join(QLatin1Char('\n')));
  }
  box.setText(text);
  box.exec();
}

} // namespace ui
