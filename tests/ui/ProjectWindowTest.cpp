// SPDX-License-Identifier: GPL-3.0-or-later
// The project window with the real dialogs: a project file opened, a row selected, a prompt
// answered, the row and the title following, and what Exit, Save, Open and Import do with the
// user's work.

#include "ui/window/ProjectWindow.h"
#include "ModalDialogDriver.h"
#include "TestHost.h"
#include "engine/Version.h"
#include "form/FormState.h"
#include "form/ProjectEdits.h"
#include "form/ProjectSession.h"
#include "project/CsvExport.h"
#include "project/ProjectCheck.h"
#include "project/ProjectFile.h"
#include "tests/doubles/Columns.h"
#include "ui/chart/ChartWindow.h"
#include "ui/window/ColumnForm.h"
#include "ui/window/ColumnsModel.h"
#include "ui/window/ColumnsPanel.h"
#include "ui/window/Handbook.h"
#include "ui/window/ProjectFileDialogs.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// File names from a script, in order; none left is a cancelled dialog.
class ScriptedFileDialogs : public ui::ProjectFileDialogs {
public:
  QString fileToOpen(ui::ProjectFileRole, const QString&) override { return next(); }
  QString fileToSave(ui::ProjectFileRole, const QString&) override { return next(); }

  QStringList names;

private:
  QString next() { return names.isEmpty() ? QString() : names.takeFirst(); }
};

const project::Project kProject{
    {"โรงงาน 7", "วิศวกร ก", {}},
    {Column("ก-1", 8000), Column("ก-2", 900000), Column("ก-3", 5000)},
};

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Presses the message box's button with this text.
ModalDialogDriver::Answer PressButton(const QString& text) {
  return [text](QWidget* dialog) {
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
      if (button->text() == text) {
        QTest::mouseClick(button, Qt::LeftButton);
        return;
      }
    }
    QFAIL(qPrintable("no button " + text));
  };
}

const QString kSave = QStringLiteral("บันทึก (Save)");
const QString kDiscard = QStringLiteral("ไม่บันทึก (Discard)");
const QString kCancel = QStringLiteral("ยกเลิก (Cancel)");

} // namespace

class ProjectWindowTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
  void cleanupTestCase() { QApplication::setQuitOnLastWindowClosed(true); }

  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    projectPath_ = folder_->filePath(QStringLiteral("โรงงาน.pipecolumn"));
    QVERIFY(WriteAll(projectPath_, QByteArray::fromStdString(project::ProjectFileBytes(kProject))));
    window_ = std::make_unique<ui::ProjectWindow>(&host_, &dialogs_);
    host_.setDialogParent(window_.get());
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

  void cleanup() {
    QVERIFY2(driver_.unexpected().isEmpty(), qPrintable(driver_.unexpected().join('\n')));
    QCOMPARE(driver_.pendingAnswers(), 0);
    driver_.reset();
    window_.reset();
    dialogs_.names.clear();
  }

  // A new project is the form as it always was, with the panel and the menu beside and above it;
  // the panel takes whatever room the window gains.
  void formKeepsItsPlaceAndSize() {
    ui::ColumnForm& form = window_->form();
    const QSize formSize = ui::ColumnForm(&host_).size(); // the form on its own
    QCOMPARE(form.size(), formSize);
    QCOMPARE(form.state().caption(form::Caption::Verdict), std::string("เสาท่อกลมนี้รับน้ำหนักได้ ?"));
    QCOMPARE(table().model()->rowCount(), 1);
    const QSize least = window_->minimumSize(); // the window manager's limit too
    QVERIFY(least.width() >= formSize.width() + panel().minimumWidth() &&
            least.height() >= formSize.height() + window_->menuBar()->height());
    for (const QSize size : {QSize(100, 100), least, least + QSize(500, 300)}) {
      window_->resize(size);
      QTest::qWait(0);
      QVERIFY(window_->width() >= least.width() && window_->height() >= least.height());
      QVERIFY(panel().width() >= panel().minimumWidth());
      QCOMPARE(form.size(), formSize);
      QCOMPARE(form.mapTo(window_.get(), QPoint(0, 0)),
               QPoint(0, window_->menuBar()->geometry().bottom() + 1));
      QCOMPARE(panel().geometry().left(), formSize.width());
      QCOMPARE(panel().geometry().right(), window_->width() - 1);
    }
    QVERIFY(!window_->isWindowModified());
  }

  // About names the program, its version, its licence with no warranty, and where the licence's
  // full text and the handbook are.
  void aboutShowsVersionLicenceAndHandbook() {
    driver_.expect(ModalDialogDriver::pressOk());
    window_->findChild<QAction*>(QStringLiteral("about"))->trigger();
    QCOMPARE(driver_.seen().size(), 1);
    const QString text = driver_.seen().front().text;
    for (const QString& part :
         {QStringLiteral("pipecolumn"), QString::fromLatin1(engine::kVersion),
          QStringLiteral("GPL-3.0-or-later"), QStringLiteral("WITHOUT ANY WARRANTY"),
          ui::LicencePath(), ui::HandbookPath()}) {
      QVERIFY2(text.contains(part), qPrintable(part));
    }
  }

  // The road of the window: open a project, pick a row, answer a prompt from the menu; the row
  // and the title follow, and Exit asks before the changes could be lost.
  void openSelectAnswerAndExit() {
    QVERIFY(window_->openFile(projectPath_));
    QVERIFY(window_->windowTitle().startsWith(QStringLiteral("โรงงาน.pipecolumn[*]")));
    QVERIFY(!window_->isWindowModified());
    QCOMPARE(table().model()->rowCount(), 3);
    QCOMPARE(cell(1, 6), QStringLiteral("✗ NOT OK"));
    // The plate's second opinion alone is a figure, not an alarm.
    QCOMPARE(cell(0, 6), QStringLiteral("OK  BP 4 / 6.9 mm"));
    QVERIFY(table().model()->index(1, 6).data(Qt::FontRole).value<QFont>().bold());
    QVERIFY(!table().model()->index(0, 6).data(Qt::FontRole).value<QFont>().bold());

    const QRect row = table().visualRect(table().model()->index(2, 0));
    QTest::mouseClick(table().viewport(), Qt::LeftButton, {}, row.center());
    QCOMPARE(window_->session().selectedRow(), 2u);
    QCOMPARE(field("columnMarkField"), QStringLiteral("ก-3"));
    QCOMPARE(field("projectField"), QStringLiteral("โรงงาน 7"));
    QCOMPARE(caption("axialLoadCaption"), QStringLiteral("ออกแบบให้เสารับน้ำหนัก =  5000 kg."));
    QVERIFY(!window_->isWindowModified());

    driver_.expect(ModalDialogDriver::typeAndAccept(QStringLiteral("900000")));
    window_->findChild<QAction*>(QStringLiteral("axial_load"))->trigger();
    QCOMPARE(cell(2, 4), QStringLiteral("900000"));
    QCOMPARE(cell(2, 6), QStringLiteral("✗ NOT OK"));
    QCOMPARE(cell(0, 4), QStringLiteral("8000"));
    QVERIFY(window_->isWindowModified());
    QCOMPARE(table().selectionModel()->selectedRows().constFirst().row(), 2);

    // Exit asks; Cancel keeps the window and the changes, Discard closes, and the file stays.
    driver_.expect(PressButton(kCancel));
    QTest::mouseClick(window_->form().findChild<QPushButton*>(QStringLiteral("exitButton")),
                      Qt::LeftButton);
    QVERIFY(window_->isVisible());
    QVERIFY(window_->isWindowModified());
    const SeenDialog& question = driver_.seen().constLast();
    QVERIFY2(question.text.contains(QStringLiteral("โรงงาน.pipecolumn")),
             qPrintable(question.text));
    QStringList buttons = question.buttons; // in the order of the platform's style
    QStringList expected{kSave, kDiscard, kCancel};
    buttons.sort();
    expected.sort();
    QCOMPARE(buttons, expected);

    driver_.expect(PressButton(kDiscard));
    window_->findChild<QAction*>(QStringLiteral("exit"))->trigger();
    QVERIFY(!window_->isVisible());
    QCOMPARE(ReadAll(projectPath_), QByteArray::fromStdString(project::ProjectFileBytes(kProject)));
  }

  // Remove asks first and never takes the last column; add and duplicate select the new row;
  // Export CSV writes the results of every column.
  void columnCommandsAndExport() {
    QVERIFY(window_->openFile(projectPath_));
    const QString results = folder_->filePath(QStringLiteral("results.csv"));
    dialogs_.names << results;
    window_->findChild<QAction*>(QStringLiteral("exportCsv"))->trigger();
    QCOMPARE(ReadAll(results), QByteArray::fromStdString(
                                   project::ResultsCsv(kProject, project::CheckProject(kProject))));

    auto* remove = window_->findChild<QAction*>(QStringLiteral("removeColumn"));
    table().selectRow(1);
    driver_.expect(ModalDialogDriver::pressEscape());
    remove->trigger();
    QVERIFY(driver_.seen().constLast().text.contains(QStringLiteral("ก-2")));
    QCOMPARE(table().model()->rowCount(), 3);
    QVERIFY(!window_->isWindowModified());
    for (const char* shown : {"ก-3", "ก-1"}) {
      driver_.expect(ModalDialogDriver::pressOk());
      remove->trigger();
      QCOMPARE(field("columnMarkField"), QString::fromUtf8(shown));
    }
    QCOMPARE(table().model()->rowCount(), 1);
    QVERIFY(!remove->isEnabled());
    QVERIFY(window_->isWindowModified());

    window_->findChild<QAction*>(QStringLiteral("duplicateColumn"))->trigger();
    QCOMPARE(table().model()->rowCount(), 2);
    QCOMPARE(table().selectionModel()->selectedRows().constFirst().row(), 1);
    QCOMPARE(field("columnMarkField"), QStringLiteral("C-2"));
    QCOMPARE(window_->session().column(1).inputs, window_->session().column(0).inputs);
    QVERIFY(remove->isEnabled());
  }

  // The chart shows the selected column as it stands: after an answer and after another row.
  void chartFollowsTheSelectedColumn() {
    QVERIFY(window_->openFile(projectPath_));
    window_->findChild<QAction*>(QStringLiteral("chart"))->trigger();
    // The chart window is no QObject class of its own: it is found by its name.
    auto* chart =
        static_cast<ui::ChartWindow*>(window_->findChild<QWidget*>(QStringLiteral("chartWindow")));
    QVERIFY(chart != nullptr && chart->isVisible());
    const auto slenderness = [chart] {
      const std::vector<ui::ChartColumn>& columns = chart->chart().columns;
      return columns.size() == 1 ? columns.front().slenderness : -1;
    };
    const std::int32_t atFourMetres = slenderness();
    QVERIFY(atFourMetres > 0);

    driver_.expect(ModalDialogDriver::typeAndAccept(QStringLiteral("8")));
    window_->findChild<QAction*>(QStringLiteral("height"))->trigger();
    const std::int32_t atEightMetres = *window_->form().state().record().slendernessRatio;
    QVERIFY(atEightMetres > atFourMetres);
    QCOMPARE(slenderness(), atEightMetres);
    table().selectRow(1);
    QCOMPARE(window_->session().selectedRow(), 1u);
    QCOMPARE(slenderness(), atFourMetres);
  }

  // Save writes the file through a temporary one; a save that fails says so, keeps the old file
  // and the unsaved mark.
  void saveKeepsOrReplacesTheFile_data() {
    QTest::addColumn<bool>("intoMissingFolder");
    QTest::newRow("saved") << false;
    QTest::newRow("folder missing") << true;
  }

  void saveKeepsOrReplacesTheFile() {
    QFETCH(bool, intoMissingFolder);
    QVERIFY(window_->openFile(projectPath_));
    window_->findChild<QAction*>(QStringLiteral("addColumn"))->trigger();
    QCOMPARE(field("columnMarkField"), QStringLiteral("C-4"));
    QVERIFY(window_->isWindowModified());

    const QString target = intoMissingFolder
                               ? folder_->filePath(QStringLiteral("none/a.pipecolumn"))
                               : folder_->filePath(QStringLiteral("b.pipecolumn"));
    dialogs_.names << target;
    if (intoMissingFolder) {
      driver_.expect(ModalDialogDriver::pressOk());
    }
    window_->findChild<QAction*>(QStringLiteral("saveAs"))->trigger();

    QCOMPARE(window_->isWindowModified(), intoMissingFolder);
    QCOMPARE(QFile::exists(target), !intoMissingFolder);
    QCOMPARE(ReadAll(projectPath_), QByteArray::fromStdString(project::ProjectFileBytes(kProject)));
    QCOMPARE(QDir(folder_->path()).entryList(QDir::Files).size(), intoMissingFolder ? 1 : 2);
    if (intoMissingFolder) {
      QCOMPARE(driver_.seen().constLast().icon, int(QMessageBox::Critical));
      QVERIFY(driver_.seen().constLast().text.contains(target));
    } else {
      const auto saved = project::ReadProjectFile(ReadAll(target).toStdString(), "b.pipecolumn");
      QCOMPARE(std::get<project::Project>(saved), window_->session().project());
      QVERIFY(window_->windowTitle().startsWith(QStringLiteral("b.pipecolumn[*]")));
    }
  }

  // A file that is not read whole loads nothing: the box names every problem, or the first ones
  // and the count of the rest, and the project stays as it was.
  void badFilesLoadNothing_data() {
    QTest::addColumn<bool>("import");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown"); // a part of the box's text
    QTest::addColumn<bool>("details");
    QByteArray twenty =
        "mark,outside_diameter_mm,wall_thickness_mm,height_m,k_factor,axial_load_kg\n";
    for (int row = 0; row < 20; ++row) {
      twenty += "C" + QByteArray::number(row) + ",114.3,3.2,4,0.85,-1\n";
    }
    QTest::newRow("not JSON") << false << QByteArray("{\"schema\": 1,") << "ไม่ได้เปิดไฟล์" << false;
    QTest::newRow("no columns") << false
                                << QByteArray("{\"schema\":1,\"header\":{\"project\":\"\","
                                              "\"engineer\":\"\"},\"columns\":[]}")
                                << "ไม่มีคอลัมน์เลย" << false;
    QTest::newRow("schedule with one bad row")
        << true
        << QByteArray("mark,outside_diameter_mm,wall_thickness_mm,height_m,k_factor,axial_load_kg\n"
                      "C1,114.3,3.2,4,0.85,8000\nC2,114.3,60,4,0.85,8000\n")
        << "ไม่ได้นำเข้าไฟล์" << false;
    QTest::newRow("schedule with twenty bad rows") << true << twenty << "และอีก 8 ข้อ" << true;
  }

  void badFilesLoadNothing() {
    QFETCH(bool, import);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QFETCH(bool, details);
    QVERIFY(window_->openFile(projectPath_));
    const project::Project before = window_->session().project();
    const QString title = window_->windowTitle();
    const QString bad =
        folder_->filePath(import ? QStringLiteral("bad.csv") : QStringLiteral("bad.pipecolumn"));
    QVERIFY(WriteAll(bad, bytes));

    QString detailed;
    driver_.expect([&detailed](QWidget* box) {
      detailed = qobject_cast<QMessageBox*>(box)->detailedText();
      qobject_cast<QMessageBox*>(box)->accept();
    });
    if (import) {
      dialogs_.names << bad;
      window_->findChild<QAction*>(QStringLiteral("importCsv"))->trigger();
    } else {
      QVERIFY(!window_->openFile(bad));
    }

    const SeenDialog& box = driver_.seen().constFirst();
    QVERIFY2(box.text.contains(shown), qPrintable(box.text));
    QVERIFY2(box.text.contains(QStringLiteral("bad.")), qPrintable(box.text));
    QCOMPARE(box.icon, int(QMessageBox::Critical));
    QCOMPARE(detailed.count(QLatin1Char('\n')), details ? 19 : 0);
    QCOMPARE(window_->session().project(), before);
    QCOMPARE(window_->windowTitle(), title);
    QVERIFY(!window_->isWindowModified());
  }

  // Each change to the project is one step back with Ctrl+Z and forward again with Ctrl+Y or
  // Ctrl+Shift+Z, even from a header field; the unsaved mark follows the step back to the file.
  // The first change to a window that opened no file is undone as any other.
  void undoAndRedoEachChange_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("opened");
    for (const char* change : {"answer", "typing", "clear", "add", "duplicate", "remove",
                               "suggestion", "import", "licence"}) {
      QTest::newRow(change) << QString::fromLatin1(change) << true;
    }
    for (const char* change : {"answer", "typing", "clear", "add", "import", "licence"}) {
      QTest::addRow("%s first in a new window", change) << QString::fromLatin1(change) << false;
    }
  }

  void undoAndRedoEachChange() {
    QFETCH(QString, change);
    QFETCH(bool, opened);
    if (opened) {
      QVERIFY(window_->openFile(projectPath_));
      table().selectRow(2);
    }
    const form::ProjectSnapshot before = window_->session().snapshot();
    const QString title = window_->windowTitle();
    makeChange(change);
    const form::ProjectSnapshot after = window_->session().snapshot();
    QVERIFY(!(after == before));
    QVERIFY(window_->isWindowModified());

    window_->activateWindow(); // a box may have had it
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    auto* projectField = window_->form().findChild<QLineEdit*>(QStringLiteral("projectField"));
    projectField->setFocus();
    QTest::keyClick(projectField, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(window_->session().snapshot() == before);
    QCOMPARE(field("columnMarkField"),
             QString::fromStdString(before.project.columns.at(before.selected).mark));
    QCOMPARE(window_->windowTitle(), title);
    QVERIFY(!window_->isWindowModified());
    QTest::keyClick(projectField, Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(window_->session().snapshot() == after);
    QVERIFY(window_->isWindowModified());
    QTest::keyClick(projectField, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(projectField, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(window_->session().snapshot() == after);
  }

  // An imported schedule is a new project: Save asks for a name and leaves the open file alone;
  // its unclear marks are flagged on their rows.
  void importIsUntitledAndFlagsUnclearMarks() {
    QVERIFY(window_->openFile(projectPath_));
    makeChange(QStringLiteral("import"));
    QVERIFY(window_->windowTitle().startsWith(QStringLiteral("ไม่มีชื่อ")));
    QCOMPARE(cell(0, 0), QStringLiteral("C1 ⚠ ซ้ำ (shared)"));
    QCOMPARE(cell(1, 0), QStringLiteral("⚠ ไม่มีเครื่องหมาย (no mark)"));
    QCOMPARE(cell(2, 0), QStringLiteral("C1 ⚠ ซ้ำ (shared)"));
    const QString named = folder_->filePath(QStringLiteral("imported.pipecolumn"));
    dialogs_.names << named;
    window_->findChild<QAction*>(QStringLiteral("save"))->trigger();
    QVERIFY(dialogs_.names.isEmpty()); // the name was asked for
    QVERIFY(QFile::exists(named));
    QCOMPARE(ReadAll(projectPath_), QByteArray::fromStdString(project::ProjectFileBytes(kProject)));
    QVERIFY(!window_->isWindowModified());
  }

private:
  void makeChange(const QString& change) {
    const auto trigger = [this](const char* name) {
      window_->findChild<QAction*>(QString::fromLatin1(name))->trigger();
    };
    if (change == QLatin1String("answer") || change == QLatin1String("licence")) {
      driver_.expect(ModalDialogDriver::typeAndAccept(QStringLiteral("12345")));
      trigger(change == QLatin1String("answer") ? "axial_load" : "licenceNumber");
    } else if (change == QLatin1String("typing")) {
      QTest::keyClicks(window_->form().findChild<QLineEdit*>(QStringLiteral("columnMarkField")),
                       QStringLiteral("-x9"));
    } else if (change == QLatin1String("clear")) {
      QTest::mouseClick(
          window_->form().findChild<QPushButton*>(QStringLiteral("clearHeaderButton")),
          Qt::LeftButton);
    } else if (change == QLatin1String("remove")) {
      driver_.expect(ModalDialogDriver::pressOk());
      trigger("removeColumn");
    } else if (change == QLatin1String("suggestion")) {
      QVERIFY(window_->form().state().suggestion().has_value());
      QTest::mouseClick(window_->form().findChild<QLabel*>(QStringLiteral("suggestionCaption")),
                        Qt::LeftButton);
    } else if (change == QLatin1String("import")) {
      const QString csv = folder_->filePath(QStringLiteral("schedule.csv"));
      QVERIFY(WriteAll(
          csv, "mark,outside_diameter_mm,wall_thickness_mm,height_m,k_factor,axial_load_kg\n"
               "C1,114.3,3.2,4,0.85,8000\n,114.3,3.2,4,0.85,6000\nC1,139.8,4.5,4,0.85,9000\n"));
      dialogs_.names << csv;
      trigger("importCsv");
    } else {
      trigger(change == QLatin1String("add") ? "addColumn" : "duplicateColumn");
    }
  }

  QTableView& table() { return panel().table(); }
  ui::ColumnsPanel& panel() { return *window_->findChild<ui::ColumnsPanel*>(); }
  QString cell(int row, int column) {
    return table().model()->index(row, column).data().toString();
  }
  QString field(const char* name) {
    return window_->form().findChild<QLineEdit*>(QString::fromLatin1(name))->text();
  }
  QString caption(const char* name) {
    return window_->form().findChild<QLabel*>(QString::fromLatin1(name))->text();
  }

  std::unique_ptr<QTemporaryDir> folder_; // one a test
  QString projectPath_;
  TestHost host_;
  ScriptedFileDialogs dialogs_;
  ModalDialogDriver driver_;
  std::unique_ptr<ui::ProjectWindow> window_;
};

int RunProjectWindowTest(int argc, char** argv) {
  ProjectWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "ProjectWindowTest.moc"
