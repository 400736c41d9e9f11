// SPDX-License-Identifier: GPL-3.0-or-later
// The window's own commands on a recording host: the header fields and their clear button, the
// download line and the handbook it opens, Exit, and the controls that do nothing.

#include "ModalDialogDriver.h"
#include "RecordedWindow.h"
#include "form/FormState.h"
#include "form/ResultCaptions.h"
#include "ui/pictures/Pictures.h"
#include "ui/window/Handbook.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

class WindowCommandsTest : public QObject {
  Q_OBJECT

private slots:
  void init() {
    shown_ = std::make_unique<RecordedWindow>();
    QVERIFY(shown_->show());
  }

  void cleanup() { shown_.reset(); }

  void headerFieldsFollowTypingAndClear() {
    auto* project = shown_->find<QLineEdit>("projectField");
    project->selectAll();
    TypeText(project, QStringLiteral("โรงงาน 7"));
    const form::FormState& state = shown_->window.state();
    QCOMPARE(state.header(form::HeaderField::Project), std::string("โรงงาน 7"));

    const form::FormState before = state;
    for (int click = 0; click < 2; ++click) { // clearing empty fields changes nothing more
      shown_->click("clearHeaderButton");
      for (form::HeaderField field : form::kAllHeaderFields) {
        QVERIFY(shown_->find<QLineEdit>(kHeaderFieldNames[qsizetype(field)])->text().isEmpty());
        QVERIFY(state.header(field).empty());
      }
      for (form::Caption caption : form::kAllCaptions) {
        QCOMPARE(state.caption(caption), before.caption(caption));
      }
      QCOMPARE(state.inputs().axialLoadKg, before.inputs().axialLoadKg);
    }
    QVERIFY(shown_->host.prompts().empty() && shown_->host.messages().empty());
  }

  void headerFieldsTakeTextOfAnyLength() {
    const QString longText(40000, QChar(u'ก'));
    auto* column = shown_->find<QLineEdit>("columnMarkField");
    column->selectAll();
    column->insert(longText);
    QCOMPARE(column->text(), longText);
    QCOMPARE(shown_->window.state().header(form::HeaderField::ColumnMark), longText.toStdString());
  }

  // The download line opens the handbook the address line names; where nothing can open it, a
  // critical box says so and shows where it is. The address line itself opens nothing.
  void downloadLineOpensTheHandbook_data() {
    QTest::addColumn<bool>("opens");
    QTest::newRow("a viewer opens it") << true;
    QTest::newRow("no viewer") << false;
  }

  void downloadLineOpensTheHandbook() {
    QFETCH(bool, opens);
    form::RecordingHost& host = shown_->host;
    host.setAddressOpens(opens);
    shown_->click("downloadAddress");
    QVERIFY(host.addressesOpened().empty());

    shown_->click("downloadLink");
    const QString path = ui::HandbookPath();
    const std::string address = QUrl::fromLocalFile(path).toString().toStdString();
    QCOMPARE(host.addressesOpened(), std::vector<std::string>{address});
    QCOMPARE(host.messages().size(), opens ? 0u : 1u);
    if (!opens) {
      QCOMPARE(host.messages()[0].style, form::MessageStyle::CriticalOk());
      QVERIFY(QString::fromStdString(host.messages()[0].prompt)
                  .contains(QString::fromStdString(address)));
    }
  }

  // Whole, or shortened in the middle where the path is too long for the line.
  void addressLineNamesTheHandbook() {
    const QString path = ui::HandbookPath();
    const QString shown = shown_->text("downloadAddress");
    QCOMPARE(shown_->find("downloadAddress")->toolTip(), path);
    const QStringList ends = shown.split(QChar(u'…'));
    QVERIFY2(ends.size() == 1
                 ? shown == path
                 : ends.size() == 2 && path.startsWith(ends[0]) && path.endsWith(ends[1]),
             qPrintable(shown));
  }

  void handbookPrefersTheInstalledCopy() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString installed = folder.filePath("handbook.html");
    const QString source = folder.filePath("docs/handbook.html");
    QCOMPARE(ui::HandbookPath(installed, source), source);
    QFile file(installed);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QCOMPARE(ui::HandbookPath(installed, source), installed);
  }

  void otherControlsHaveNoHandler() {
    const form::FormState before = shown_->window.state();
    for (const char* name : {"columnDrawing", "handbookCover", "verdictCaption", "basePlateCaption",
                             "projectLabel", "downloadAddress"}) {
      shown_->click(name);
    }
    const form::RecordingHost& host = shown_->host;
    QVERIFY(host.prompts().empty() && host.messages().empty() && host.addressesOpened().empty());
    QCOMPARE(shown_->exits, 0);
    for (form::Caption caption : form::kAllCaptions) {
      QCOMPARE(shown_->window.state().caption(caption), before.caption(caption));
    }
  }

  // The strip's suggestion is a link, underlined under the hand, exactly while there is a lighter
  // standard pipe to take; a click takes its D and T and the column is checked again with them.
  void takingTheSuggestion_data() {
    QTest::addColumn<QStringList>("answers"); // caption, answer, caption, answer, ...
    QTest::addColumn<QString>("suggestionStart");
    QTest::newRow("load 12000 fails")
        << QStringList{"axialLoadCaption", "12000"} << "ท่อมาตรฐานที่เบาที่สุดที่รับได้ ";
    QTest::newRow("no standard pipe carries it")
        << QStringList{"heightCaption", "10", "kFactorCaption", "2", "axialLoadCaption", "900000"}
        << "ไม่มีท่อมาตรฐานที่รับน้ำหนักนี้ได้";
  }

  void takingTheSuggestion() {
    QFETCH(QStringList, answers);
    QFETCH(QString, suggestionStart);
    for (qsizetype i = 0; i + 1 < answers.size(); i += 2) {
      shown_->answer(answers[i], answers[i + 1]);
    }
    const form::FormState& state = shown_->window.state();
    QCOMPARE(shown_->text("verdictCaption"), QString::fromUtf8(form::kDoesNotCarryCaption));
    QVERIFY2(shown_->text("suggestionCaption").startsWith(suggestionStart),
             qPrintable(shown_->text("suggestionCaption")));
    const std::optional<engine::StandardPipe> pipe = state.suggestion();
    QCOMPARE(isLink("suggestionCaption"), pipe.has_value());
    const engine::ColumnInputs before = state.inputs();

    shown_->click("suggestionCaption");
    QVERIFY(shown_->host.prompts().size() == std::size_t(answers.size() / 2));
    QVERIFY(shown_->host.messages().empty());
    if (!pipe) {
      QCOMPARE(state.inputs().outsideDiameterMm, before.outsideDiameterMm);
      QCOMPARE(state.inputs().wallThicknessMm, before.wallThicknessMm);
      QCOMPARE(shown_->text("verdictCaption"), QString::fromUtf8(form::kDoesNotCarryCaption));
      return;
    }
    for (const auto& [input, value] :
         {std::pair{form::Input::OutsideDiameter, pipe->outsideDiameterMm},
          std::pair{form::Input::WallThickness, pipe->wallThicknessMm}}) {
      QCOMPARE(state.input(input), value);
      QCOMPARE(shown_->text(kCaptionNames[qsizetype(input)]),
               QString::fromStdString(form::InputCaption(input, value)));
    }
    QCOMPARE(shown_->text("verdictCaption"), QString::fromUtf8(form::kCarriesCaption));
    QVERIFY(shown_->find<QPushButton>("printButton")->isEnabled());
    // The column's pipe is now the lightest: nothing more to take.
    QVERIFY(shown_->text("suggestionCaption").isEmpty());
    QVERIFY(!isLink("suggestionCaption"));
  }

  void exitEndsTheProgram() {
    shown_->click("exitButton");
    QCOMPARE(shown_->exits, 1);
  }

private:
  // Underlined with the hand pointer, as the input captions are.
  bool isLink(const QString& name) {
    QWidget* caption = shown_->find(name);
    return caption->font().underline() && caption->testAttribute(Qt::WA_SetCursor) &&
           caption->cursor().pixmap().toImage() == pictures::handPointerCursor().pixmap().toImage();
  }

  std::unique_ptr<RecordedWindow> shown_;
};

int RunWindowCommandsTest(int argc, char** argv) {
  WindowCommandsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "WindowCommandsTest.moc"
