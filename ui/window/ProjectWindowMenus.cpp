// SPDX-License-Identifier: GPL-3.0-or-later
// The project window's menus and their commands.
#include "ui/window/ProjectWindow.h"

#include "form/FormState.h"
#include "form/ProjectSession.h"
#include "form/ValuePrompt.h"
#include "ui/fonts/ThaiFonts.h"
#include "ui/window/ColumnForm.h"
#include "ui/window/WindowTexts.h"

#include <QMenu>
#include <QMenuBar>

namespace ui {

namespace {

// The menus and the panel write in the form's Thai face at the size of its smaller captions: the
// face is loaded once, and Thai needs no search for a fallback face.
constexpr double kMenuFontPoints = 9.75;
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

} // namespace

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
  addCommand(*file, "licenceNumber", QStringLiteral("เลขทะเบียนใบอนุญาตวิศวกร… (&Licence number)"),
             none, [this] { askLicenceNumber(); });
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
  // Kept in the project file, so a project prints the same pages wherever it is opened.
  crossCheckCommand_ = addCommand(
      *column, "printCrossCheck",
      QStringLiteral("พิมพ์หน้าความเห็นที่สอง AISC 360-22 ASD (Print &second opinion)"), none, [this] {
        changeProject(form::ProjectCommand::PrintCrossCheck,
                      [this] { session_->setPrintCrossCheck(crossCheckCommand_->isChecked()); });
        showTitleAndCommands();
      });
  crossCheckCommand_->setCheckable(true);

  QMenu* help = menuBar()->addMenu(QStringLiteral("ช่วยเหลือ (&Help)"));
  help->setFont(font);
  QAction* handbook = help->addAction(QStringLiteral("คู่มือการใช้งาน (&Handbook)"));
  handbook->setObjectName(QStringLiteral("handbook"));
  handbook->setShortcut(QKeySequence(Qt::Key_F1));
  connect(handbook, &QAction::triggered, form_, &ColumnForm::openHandbook);
  addCommand(*help, "about", QStringLiteral("เกี่ยวกับโปรแกรม (&About)"), none,
             [this] { showAbout(); });

  // Under a Thai locale a menu is measured a pixel narrower than its widest Thai text is drawn,
  // which the style then cuts in the middle; a character's slack keeps every command whole.
  for (QMenu* menu : menuBar()->findChildren<QMenu*>()) {
    connect(menu, &QMenu::aboutToShow, menu, [menu] {
      menu->setMinimumWidth(0);
      menu->setMinimumWidth(menu->sizeHint().width() + menu->fontMetrics().averageCharWidth());
    });
  }
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

} // namespace ui
