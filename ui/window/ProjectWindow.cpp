// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/ProjectWindow.h"

#include "ui/window/Handbook.h"

#include "engine/Version.h"
#include "form/FormState.h"
#include "form/HandlerGuard.h"
#include "form/HostServices.h"
#include "form/PrintCommand.h"
#include "form/ProjectEdits.h"
#include "form/ProjectSession.h"
#include "report/DocumentProperties.h"
#include "ui/chart/ChartWindow.h"
#include "ui/chart/DesignPoint.h"
#include "ui/window/CentreOnScreen.h"
#include "ui/window/ColumnForm.h"
#include "ui/window/ColumnsModel.h"
#include "ui/window/ColumnsPanel.h"
#include "ui/window/QtProjectFileDialogs.h"
#include "ui/window/WindowTexts.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QUndoStack>

namespace ui {

namespace {

constexpr int kPanelWidth = 470;
constexpr int kPanelMinimumWidth = 240;
const QString kUntitled = QStringLiteral("ไม่มีชื่อ (Untitled)");
const QString kRemoveTitle = QStringLiteral("ลบคอลัมน์ (Remove)");

// A file name made of the project's name; nothing that would make it a path.
QString FileNameOf(const std::string& projectName, const QString& ending) {
  QString name = QString::fromStdString(projectName).trimmed();
  name.replace(QLatin1Char('/'), QLatin1Char('-'));
  return (name.isEmpty() ? QStringLiteral("project") : name) + ending;
}

} // namespace

ProjectWindow::ProjectWindow(form::HostServices* host, ProjectFileDialogs* dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs) {
  if (dialogs_ == nullptr) {
    ownDialogs_ = std::make_unique<QtProjectFileDialogs>(this);
    dialogs_ = ownDialogs_.get();
  }
  setObjectName(QStringLiteral("projectWindow"));
  auto* central = new QWidget(this);
  form_ = new ColumnForm(host, central);
  session_ = &form_->state().session();
  // The first edit of a new window is taken against the project as it starts, as every later one.
  shown_ = session_->snapshot();
  // The form keeps the size and look it has always had; the panel takes any other room.
  form_->setFixedSize(form_->size());
  form_->setExitAction([this] { close(); });
  setWindowIcon(form_->windowIcon()); // drawn once, by the form
  model_ = new ColumnsModel(*session_, this);
  undoStack_ = new QUndoStack(this);
  connect(undoStack_, &QUndoStack::indexChanged, this, &ProjectWindow::followUndoStack);
  connect(undoStack_, &QUndoStack::cleanChanged, this, &ProjectWindow::followUndoStack);

  buildMenus();
  panel_ =
      new ColumnsPanel(*model_,
                       {findChild<QAction*>(QStringLiteral("addColumn")),
                        findChild<QAction*>(QStringLiteral("duplicateColumn")), removeCommand_},
                       menuBar()->font(), central);
  panel_->setMinimumWidth(kPanelMinimumWidth);
  auto* layout = new QHBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(form_, 0, Qt::AlignLeft | Qt::AlignTop);
  layout->addWidget(panel_, 1);
  setCentralWidget(central);
  // The status bar carries the word that long work is done.
  resize(form_->width() + kPanelWidth,
         form_->height() + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
  // Stated as the window's own minimum, which the window manager is told, so that no shrinking
  // lets the panel cover the form, its buttons or its warnings.
  setMinimumSize(minimumSizeHint());

  connect(form_, &ColumnForm::stateEdited, this,
          [this] { run([this] { takeFormEdit(std::nullopt); }); });
  connect(form_, &ColumnForm::headerTyped, this,
          [this](form::HeaderField field) { run([this, field] { takeFormEdit(field); }); });
  for (QLineEdit* field : form_->findChildren<QLineEdit*>()) {
    field->installEventFilter(this);
  }
  connect(panel_, &ColumnsPanel::rowChosen, this, [this](int row) {
    run([this, row] {
      session_->select(static_cast<std::size_t>(row));
      showSelectedColumn();
    });
  });
  // A new project's one column is what the form shows from the start.
  panel_->showSelectedRow(0);
  showTitleAndCommands();
}

ProjectWindow::~ProjectWindow() {
  undoStack_->blockSignals(true); // it clears itself when deleted, after the session has gone
}

void ProjectWindow::run(const std::function<void()>& command) {
  form::RunHandler(form_->host(), command);
}

void ProjectWindow::addColumn() {
  changeProject(form::ProjectCommand::Add, [this] { session_->addColumn(); });
  showColumnsAnew();
}

void ProjectWindow::duplicateColumn() {
  changeProject(form::ProjectCommand::Duplicate, [this] { session_->duplicateSelected(); });
  showColumnsAnew();
}

void ProjectWindow::removeColumn() {
  if (!session_->canRemoveColumn()) {
    return;
  }
  const std::string& mark = session_->column(session_->selectedRow()).mark;
  if (form_->host().ShowMessage("ลบคอลัมน์ «" + mark + "» ออกจากโครงการหรือไม่?",
                                form::MessageStyle::QuestionOkCancel(),
                                kRemoveTitle.toStdString()) != form::MessageAnswer::Ok) {
    return;
  }
  changeProject(form::ProjectCommand::Remove, [this] { session_->removeSelected(); });
  showColumnsAnew();
}

void ProjectWindow::showAbout() {
  const QString text =
      QStringLiteral("%1\npipecolumn รุ่น (version) %2"
                     "\n\nตรวจสอบเสาท่อเหล็กกลมรับแรงอัดตามแนวแกน และหาขนาดแผ่นเหล็กรองฐาน (Base Plate)"
                     "\nโครงการหนึ่งเก็บได้หลายคอลัมน์ในไฟล์ .pipecolumn"
                     "\n\nCopyright 2026 pipecolumn developers"
                     "\npipecolumn เป็นซอฟต์แวร์เสรี แจกจ่ายต่อและแก้ไขได้ตามสัญญาอนุญาต GNU General "
                     "Public License รุ่น 3 หรือรุ่นใดที่ใหม่กว่า (GPL-3.0-or-later)"
                     "\nโปรแกรมนี้ไม่มีการรับประกันใด ๆ (WITHOUT ANY WARRANTY) ตามที่กฎหมายอนุญาต"
                     "\nสัญญาอนุญาตฉบับเต็ม: %3\nคู่มือ (Handbook): %4")
          .arg(QString::fromUtf8(kWindowCaption), QString::fromLatin1(engine::kVersion),
               LicencePath(), HandbookPath());
  form_->host().ShowMessage(text.toStdString(), {}, "เกี่ยวกับโปรแกรม (About)");
}

void ProjectWindow::showSelectedColumn() {
  form::ShowSelectedColumn(form_->state());
  form_->showStateAgain();
  panel_->showSelectedRow(static_cast<int>(session_->selectedRow()));
  followInChart();
}

void ProjectWindow::showColumnsAnew() {
  shown_ = session_->snapshot();
  model_->refreshAll();
  showSelectedColumn();
  showTitleAndCommands();
}

void ProjectWindow::takeFormEdit(std::optional<form::HeaderField> typedField) {
  if (session_->project() == shown_.project) {
    return; // a refused answer or an unchanged field: nothing to record or show anew
  }
  form::ProjectSnapshot after = session_->snapshot();
  record(form::FormEdit({shown_.project, after.selected}, std::move(after), typedField));
  model_->refreshRow(static_cast<int>(session_->selectedRow()));
  showTitleAndCommands();
  followInChart();
}

void ProjectWindow::askLicenceNumber() {
  const std::optional<std::string> number = form_->host().AskText(
      "เลขทะเบียนใบอนุญาตประกอบวิชาชีพวิศวกรรมควบคุมของวิศวกรผู้ออกแบบ (Licence number)\n"
      "พิมพ์ไว้ในช่องลงชื่อท้ายสรุปผลของรายการคำนวณทั้งโครงการ",
      "เลขทะเบียนใบอนุญาต (Licence number)", session_->project().header.licenceNumber);
  if (number && changeProject(form::ProjectCommand::LicenceNumber,
                              [&] { session_->setLicenceNumber(*number); })) {
    showTitleAndCommands();
  }
}

void ProjectWindow::showChart() {
  if (chart_ == nullptr) {
    chart_ = new ChartWindow(this);
    chart_->setObjectName(QStringLiteral("chartWindow"));
  }
  chart_->show();
  followInChart();
  chart_->raise();
  chart_->activateWindow();
}

void ProjectWindow::followInChart() {
  if (chart_ == nullptr || !chart_->isVisible()) {
    return;
  }
  const project::ColumnEntry& column = session_->column(session_->selectedRow());
  chart_->showColumn(column.inputs.materials,
                     DesignPointOf(session_->result(session_->selectedRow())));
  chart_->setDocumentDescription(
      report::ChartDescription(form::SheetHeaderOf(form_->state()), column.inputs,
                               session_->project().header.licenceNumber));
}

void ProjectWindow::showTitleAndCommands() {
  setWindowTitle(QStringLiteral("%1[*] - %2").arg(fileName(), FromUtf8(kWindowCaption)));
  setWindowModified(session_->isModified());
  removeCommand_->setEnabled(session_->canRemoveColumn());
  crossCheckCommand_->setChecked(session_->project().printCrossCheck);
}

QString ProjectWindow::projectFolder() const {
  const std::optional<std::string>& path = session_->filePath();
  return path ? QFileInfo(QString::fromStdString(*path)).absolutePath() : QString();
}

QString ProjectWindow::fileName() const {
  const std::optional<std::string>& path = session_->filePath();
  return path ? QFileInfo(QString::fromStdString(*path)).fileName() : kUntitled;
}

QString ProjectWindow::besideProjectFile(const QString& ending) const {
  const std::optional<std::string>& path = session_->filePath();
  if (!path) {
    return FileNameOf(session_->project().header.project, ending);
  }
  const QFileInfo file(QString::fromStdString(*path));
  return file.absolutePath() + QLatin1Char('/') + file.completeBaseName() + ending;
}

void ProjectWindow::closeEvent(QCloseEvent* event) {
  bool leave = false;
  run([&] { leave = mayLeaveProject(); });
  if (leave) {
    event->accept();
  } else {
    event->ignore();
  }
}

void ProjectWindow::centreOnScreen() {
  CentreOnScreen(*this);
}

} // namespace ui
