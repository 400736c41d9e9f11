// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/ProjectWindow.h"

#include "engine/Version.h"
#include "form/FormState.h"
#include "form/HandlerGuard.h"
#include "form/HostServices.h"
#include "form/PackageCommands.h"
#include "form/ProjectEdits.h"
#include "form/ProjectSession.h"
#include "form/UnsavedChanges.h"
#include "form/ValuePrompt.h"
#include "project/CsvExport.h"
#include "project/CsvImport.h"
#include "project/ProjectCheck.h"
#include "project/ProjectFile.h"
#include "project/SaveFile.h"
#include "ui/chart/ChartWindow.h"
#include "ui/chart/DesignPoint.h"
#include "ui/fonts/ThaiFonts.h"
#include "ui/window/CentreOnScreen.h"
#include "ui/window/ColumnsModel.h"
#include "ui/window/ColumnsPanel.h"
#include "ui/window/MainWindow.h"
#include "ui/window/QtProjectFileDialogs.h"
#include "ui/window/UndoCommands.h"
#include "ui/window/WindowTexts.h"

#include <QCloseEvent>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QUndoStack>

#include <variant>

namespace ui {

namespace {

constexpr int kPanelWidth = 470;
constexpr int kPanelMinimumWidth = 240;
// The menus and the panel write in the form's Thai face at the size of its smaller captions: the
// face is loaded once, and Thai needs no search for a fallback face.
constexpr double kMenuFontPoints = 9.75;
// A box names at most this many problems of a file; the rest are under its details.
constexpr qsizetype kProblemsShown = 12;

const QString kUntitled = QStringLiteral("ไม่มีชื่อ (Untitled)");
const QString kOpenTitle = QStringLiteral("เปิดโครงการ (Open)");
const QString kSaveTitle = QStringLiteral("บันทึกโครงการ (Save)");
const QString kImportTitle = QStringLiteral("นำเข้าตารางเสา (Import CSV)");
const QString kExportTitle = QStringLiteral("ส่งออกผลการคำนวณ (Export CSV)");
const QString kRemoveTitle = QStringLiteral("ลบคอลัมน์ (Remove)");

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string_view View(const QByteArray& bytes) {
  return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// "Input Outside Diameter " gives "Outside Diameter".
QString EnglishName(const form::ValuePrompt& prompt) {
  return FromUtf8(prompt.title).remove(QStringLiteral("Input")).trimmed();
}

// The prompt's command in the column menu: its caption's words, its English name with the
// mnemonic on its first letter.
QString PromptCommandText(const form::ValuePrompt& prompt) {
  QString lead = FromUtf8(prompt.captionLead).trimmed();
  lead.chop(lead.endsWith(QLatin1Char('=')) ? 1 : 0);
  return QStringLiteral("%1 (&%2)…").arg(lead.trimmed(), EnglishName(prompt));
}

std::string Today() {
  return QDate::currentDate().toString(Qt::ISODate).toStdString();
}

// A file name made of the project's name; nothing that would make it a path.
QString FileNameOf(const std::string& projectName, const QString& ending) {
  QString name = QString::fromStdString(projectName).trimmed();
  name.replace(QLatin1Char('/'), QLatin1Char('-'));
  return (name.isEmpty() ? QStringLiteral("project") : name) + ending;
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

ProjectWindow::ProjectWindow(form::HostServices* host, ProjectFileDialogs* dialogs, QWidget* parent)
    : QMainWindow(parent), session_(std::make_unique<form::ProjectSession>()), dialogs_(dialogs) {
  if (dialogs_ == nullptr) {
    ownDialogs_ = std::make_unique<QtProjectFileDialogs>(this);
    dialogs_ = ownDialogs_.get();
  }
  setObjectName(QStringLiteral("projectWindow"));
  auto* central = new QWidget(this);
  form_ = new MainWindow(host, central);
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
  resize(form_->width() + kPanelWidth, form_->height() + menuBar()->sizeHint().height());

  connect(form_, &MainWindow::stateEdited, this, [this] { takeFormEdit(std::nullopt); });
  connect(form_, &MainWindow::headerTyped, this,
          [this](form::HeaderField field) { takeFormEdit(field); });
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

void ProjectWindow::buildMenus() {
  QFont font = menuBar()->font();
  font.setFamily(
      InstalledThaiFamily(QString::fromLatin1(kDesignFontFamily), ThaiTextTarget::Screen));
  font.setPointSizeF(kMenuFontPoints);
  menuBar()->setFont(font);
  const QKeySequence none;
  QMenu* file = menuBar()->addMenu(QStringLiteral("ไฟล์ (&File)"));
  file->setFont(font);
  addCommand(*file, "new", QStringLiteral("โครงการใหม่ (&New)"), QKeySequence(Qt::CTRL | Qt::Key_N),
             [this] { newProject(); });
  addCommand(*file, "open", QStringLiteral("เปิด… (&Open)"), QKeySequence(Qt::CTRL | Qt::Key_O),
             [this] { openProject(); });
  addCommand(*file, "save", QStringLiteral("บันทึก (&Save)"), QKeySequence(Qt::CTRL | Qt::Key_S),
             [this] { saveProject(); });
  addCommand(*file, "saveAs", QStringLiteral("บันทึกเป็น… (Save &As)"),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { saveProjectAs(); });
  file->addSeparator();
  addCommand(*file, "importCsv", QStringLiteral("นำเข้าตารางเสา CSV… (&Import CSV)"), none,
             [this] { importSchedule(); });
  addCommand(*file, "exportCsv", QStringLiteral("ส่งออกผลการคำนวณ CSV… (&Export CSV)"), none,
             [this] { exportResults(); });
  addCommand(*file, "exportPdf", QStringLiteral("ส่งออกรายการคำนวณทั้งโครงการ PDF… (Export P&DF)"),
             none, [this] { exportPackage(); });
  addCommand(*file, "printAll", QStringLiteral("พิมพ์ทั้งโครงการ… (&Print all)"),
             QKeySequence(Qt::CTRL | Qt::Key_P), [this] { printPackage(); });
  file->addSeparator();
  addCommand(*file, "exit", QStringLiteral("ออกจากโปรแกรม (E&xit)"),
             QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });

  buildEditMenu(font);

  QMenu* column = menuBar()->addMenu(QStringLiteral("คอลัมน์ (&Column)"));
  column->setFont(font);
  addCommand(*column, "addColumn", QStringLiteral("เพิ่มคอลัมน์ (A&dd)"), none,
             [this] { addColumn(); });
  addCommand(*column, "duplicateColumn", QStringLiteral("ทำสำเนาคอลัมน์ (Du&plicate)"), none,
             [this] { duplicateColumn(); });
  removeCommand_ = addCommand(*column, "removeColumn", QStringLiteral("ลบคอลัมน์ (&Remove)"), none,
                              [this] { removeColumn(); });
  column->addSeparator();
  for (const form::ValuePrompt& prompt : form::kValuePrompts) {
    QAction* ask = column->addAction(PromptCommandText(prompt));
    ask->setObjectName(FromUtf8(form::KeyOf(prompt.input)));
    const form::Input input = prompt.input;
    connect(ask, &QAction::triggered, form_, [this, input] { form_->askForInput(input); });
  }
  column->addSeparator();
  addCommand(*column, "chart", QStringLiteral("กราฟหน่วยแรงอัดที่ยอมให้… (Allowable stress &chart)"),
             none, [this] { showChart(); });

  QMenu* help = menuBar()->addMenu(QStringLiteral("ช่วยเหลือ (&Help)"));
  help->setFont(font);
  QAction* handbook = help->addAction(QStringLiteral("คู่มือการใช้งาน (&Handbook)"));
  handbook->setObjectName(QStringLiteral("handbook"));
  handbook->setShortcut(QKeySequence(Qt::Key_F1));
  connect(handbook, &QAction::triggered, form_, &MainWindow::openHandbook);
  addCommand(*help, "about", QStringLiteral("เกี่ยวกับโปรแกรม (&About)"), none,
             [this] { showAbout(); });
}

void ProjectWindow::buildEditMenu(const QFont& font) {
  QMenu* edit = menuBar()->addMenu(QStringLiteral("แก้ไข (&Edit)"));
  edit->setFont(font);
  const QString undoText = QStringLiteral("เลิกทำ (&Undo)");
  const QString redoText = QStringLiteral("ทำซ้ำ (&Redo)");
  QAction* undo = addCommand(*edit, "undo", undoText, QKeySequence(Qt::CTRL | Qt::Key_Z),
                             [this] { undoStack_->undo(); });
  QAction* redo =
      addCommand(*edit, "redo", redoText, QKeySequence(), [this] { undoStack_->redo(); });
  redo->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  // The commands name what they would take back or do again.
  const auto follow = [](QAction* action, const QString& lead, const QString& what) {
    action->setText(what.isEmpty() ? lead : QStringLiteral("%1 %2").arg(lead, what));
  };
  undo->setEnabled(false);
  redo->setEnabled(false);
  connect(undoStack_, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
  connect(undoStack_, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
  connect(undoStack_, &QUndoStack::undoTextChanged, undo,
          [=](const QString& what) { follow(undo, undoText, what); });
  connect(undoStack_, &QUndoStack::redoTextChanged, redo,
          [=](const QString& what) { follow(redo, redoText, what); });
}

QAction* ProjectWindow::addCommand(QMenu& menu, const char* name, const QString& text,
                                   const QKeySequence& shortcut, std::function<void()> command) {
  QAction* action = menu.addAction(text);
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcut(shortcut);
  connect(action, &QAction::triggered, this,
          [this, command = std::move(command)] { run(command); });
  return action;
}

void ProjectWindow::run(const std::function<void()>& command) {
  form::RunHandler(form_->host(), command);
}

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
    project::ProjectLoad load =
        project::ReadProjectFile(View(*bytes), QFileInfo(path).fileName().toStdString());
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
    session_->load(std::get<project::Project>(std::move(load)), path.toStdString());
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
      form::CommandEdit(form::ColumnCommand::Import, std::move(before), session_->snapshot());
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
  form::ExportPackageCommand(session_->project(), Today(), suggested.toStdString(),
                             form_->state().numberFormat(), form_->host());
}

void ProjectWindow::printPackage() {
  form::PrintPackageCommand(session_->project(), Today(), form_->state().numberFormat(),
                            form_->host());
}

void ProjectWindow::addColumn() {
  form::ProjectSnapshot before = session_->snapshot();
  session_->addColumn();
  record(form::CommandEdit(form::ColumnCommand::Add, std::move(before), session_->snapshot()));
  showColumnsAnew();
}

void ProjectWindow::duplicateColumn() {
  form::ProjectSnapshot before = session_->snapshot();
  session_->duplicateSelected();
  record(
      form::CommandEdit(form::ColumnCommand::Duplicate, std::move(before), session_->snapshot()));
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
  form::ProjectSnapshot before = session_->snapshot();
  session_->removeSelected();
  record(form::CommandEdit(form::ColumnCommand::Remove, std::move(before), session_->snapshot()));
  showColumnsAnew();
}

void ProjectWindow::showAbout() {
  const std::string text =
      std::string(kWindowCaption) + "\nรุ่น (version) " + engine::kVersion +
      "\n\nตรวจสอบเสาท่อเหล็กกลมรับแรงอัดตามแนวแกน และหาขนาดแผ่นเหล็กรองฐาน (Base Plate)"
      "\nโครงการหนึ่งเก็บได้หลายคอลัมน์ในไฟล์ .pipecolumn";
  form_->host().ShowMessage(text, {}, "เกี่ยวกับโปรแกรม (About)");
}

bool ProjectWindow::mayLeaveProject() {
  return form::MayLeaveProject(
      session_->isModified(), [this] { return AskAboutUnsavedChanges(this, fileName()); },
      [this] { return saveProject(); });
}

bool ProjectWindow::writeFile(const QString& path, std::string_view bytes, const QString& title) {
  try {
    project::SaveFileAtomically(path.toStdString(), bytes);
    return true;
  } catch (const project::SaveError& error) {
    // The error says whether an old file was there and is kept.
    form_->host().ShowMessage(error.what(), form::MessageStyle::CriticalOk(), title.toStdString());
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

void ProjectWindow::showSelectedColumn() {
  session_->showSelected(form_->state());
  form_->showStateAgain();
  panel_->showSelectedRow(static_cast<int>(session_->selectedRow()));
  followInChart();
}

void ProjectWindow::showColumnsAnew() {
  model_->refreshAll();
  showSelectedColumn();
  showTitleAndCommands();
}

void ProjectWindow::takeFormEdit(std::optional<form::HeaderField> typedField) {
  form::ProjectSnapshot before = session_->snapshot();
  if (session_->takeFromForm(form_->state())) {
    record(form::FormEdit(std::move(before), session_->snapshot(), typedField));
    model_->refreshRow(static_cast<int>(session_->selectedRow()));
    showTitleAndCommands();
    followInChart();
  }
}

void ProjectWindow::record(form::ProjectEdit edit) {
  undoStack_->push(
      new ProjectEditCommand(std::move(edit), *session_, [this] { showColumnsAnew(); }));
}

void ProjectWindow::followUndoStack() {
  session_->setModified(!undoStack_->isClean());
  showTitleAndCommands();
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
}

void ProjectWindow::showTitleAndCommands() {
  setWindowTitle(QStringLiteral("%1[*] - %2").arg(fileName(), FromUtf8(kWindowCaption)));
  setWindowModified(session_->isModified());
  removeCommand_->setEnabled(session_->canRemoveColumn());
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

bool ProjectWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
        key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y)) {
      return true; // left to the window's Undo and Redo
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void ProjectWindow::centreOnScreen() {
  CentreOnScreen(*this);
}

} // namespace ui
