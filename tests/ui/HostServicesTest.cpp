// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt host services on their own: the answers of the message box and the input prompt.

#include "ModalDialogDriver.h"
#include "ui/window/QtHostServices.h"
#include "ui/window/WindowTexts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

using form::MessageAnswer;
using form::MessageStyle;

namespace {

enum class Gesture { Ok, Enter, Escape, CloseBox };

// Opens the field's list from the keyboard, moves down to the item and takes it with Enter.
void PickItem(QComboBox* field, int index) {
  QTest::keyClick(field->lineEdit(), Qt::Key_Down, Qt::AltModifier);
  QAbstractItemView* list = field->view();
  QVERIFY(list->isVisible());
  QTest::keyClick(list, Qt::Key_Home);
  for (int i = 0; i < index; ++i) {
    QTest::keyClick(list, Qt::Key_Down);
  }
  QTest::keyClick(list, Qt::Key_Return);
  QVERIFY(!list->isVisible());
}

ModalDialogDriver::Answer Perform(Gesture gesture) {
  switch (gesture) {
  case Gesture::Ok:
    return ModalDialogDriver::pressOk();
  case Gesture::Enter:
    return ModalDialogDriver::accept();
  case Gesture::Escape:
    return ModalDialogDriver::pressEscape();
  case Gesture::CloseBox:
    return ModalDialogDriver::closeBox();
  }
  return {};
}

} // namespace

Q_DECLARE_METATYPE(Gesture)
Q_DECLARE_METATYPE(MessageAnswer)
Q_DECLARE_METATYPE(std::optional<std::string>)

class HostServicesTest : public QObject {
  Q_OBJECT

private slots:
  void cleanup() {
    QVERIFY2(driver_.unexpected().isEmpty(), qPrintable(driver_.unexpected().join('\n')));
    QCOMPARE(driver_.pendingAnswers(), 0);
    driver_.reset();
  }

  void messageAnswers_data() {
    QTest::addColumn<bool>("okCancel");
    QTest::addColumn<Gesture>("gesture");
    QTest::addColumn<MessageAnswer>("expected");
    QTest::newRow("OK box, OK") << false << Gesture::Ok << MessageAnswer::Ok;
    QTest::newRow("OK box, Escape") << false << Gesture::Escape << MessageAnswer::Ok;
    QTest::newRow("OK box, close box") << false << Gesture::CloseBox << MessageAnswer::Ok;
    QTest::newRow("OK/Cancel, OK") << true << Gesture::Ok << MessageAnswer::Ok;
    QTest::newRow("OK/Cancel, Enter") << true << Gesture::Enter << MessageAnswer::Ok;
    QTest::newRow("OK/Cancel, Escape") << true << Gesture::Escape << MessageAnswer::Cancel;
    QTest::newRow("OK/Cancel, close box") << true << Gesture::CloseBox << MessageAnswer::Cancel;
  }

  void messageAnswers() {
    QFETCH(bool, okCancel);
    QFETCH(Gesture, gesture);
    QFETCH(MessageAnswer, expected);
    driver_.expect(Perform(gesture));
    const MessageStyle style =
        okCancel ? MessageStyle::QuestionOkCancel() : MessageStyle::CriticalOk();
    QCOMPARE(host_.ShowMessage("ข้อความ", style, std::nullopt), expected);
  }

  void messageBoxShowsStyleTitleAndPlainText_data() {
    QTest::addColumn<bool>("okCancel");
    QTest::addColumn<std::optional<std::string>>("title");
    QTest::addColumn<QString>("expectedTitle");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QStringList>("buttons");
    const QString caption = QString::fromUtf8(ui::kWindowCaption);
    QTest::newRow("critical, no title") << false << std::optional<std::string>() << caption
                                        << int(QMessageBox::Critical) << QStringList{"OK"};
    QTest::newRow("question, own title")
        << true << std::optional<std::string>("พิมพ์") << QStringLiteral("พิมพ์")
        << int(QMessageBox::Question) << QStringList{"OK", "Cancel"};
  }

  void messageBoxShowsStyleTitleAndPlainText() {
    QFETCH(bool, okCancel);
    QFETCH(std::optional<std::string>, title);
    QFETCH(QString, expectedTitle);
    QFETCH(int, icon);
    QFETCH(QStringList, buttons);
    const std::string markup = "<b>T</b> = 3.2 mm. & <i>!?!</i>";
    Qt::TextFormat format = Qt::RichText;
    driver_.expect([&format](QWidget* dialog) {
      format = qobject_cast<QMessageBox*>(dialog)->textFormat();
      ModalDialogDriver::pressOk()(dialog);
    });
    host_.ShowMessage(
        markup, okCancel ? MessageStyle::QuestionOkCancel() : MessageStyle::CriticalOk(), title);
    QCOMPARE(driver_.seen().size(), 1);
    const SeenDialog& seen = driver_.seen().front();
    QCOMPARE(seen.title, expectedTitle);
    QCOMPARE(seen.text, QString::fromStdString(markup));
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(seen.icon, icon);
    QStringList shown = seen.buttons;
    shown.sort();
    buttons.sort();
    QCOMPARE(shown, buttons);
  }

  void promptAnswers_data() {
    QTest::addColumn<int>("gesture"); // -1: type `typed` and press Enter
    QTest::addColumn<QString>("typed");
    QTest::addColumn<std::optional<std::string>>("expected");
    QTest::newRow("offered text confirmed")
        << int(Gesture::Enter) << QString() << std::optional<std::string>("3.2");
    QTest::newRow("blanks kept") << -1 << " 50 " << std::optional<std::string>(" 50 ");
    QTest::newRow("emptied and confirmed") << -1 << "" << std::optional<std::string>("");
    QTest::newRow("Thai text") << -1 << "ห้าสิบ" << std::optional<std::string>("ห้าสิบ");
    QTest::newRow("Escape") << int(Gesture::Escape) << QString() << std::optional<std::string>();
    QTest::newRow("close box") << int(Gesture::CloseBox) << QString()
                               << std::optional<std::string>();
  }

  void promptAnswers() {
    QFETCH(int, gesture);
    QFETCH(QString, typed);
    QFETCH(std::optional<std::string>, expected);
    driver_.expect(gesture < 0 ? ModalDialogDriver::typeAndAccept(typed)
                               : Perform(static_cast<Gesture>(gesture)));
    const auto answer = host_.AskText("ความหนาของท่อ T ( m.m.) =", "Input Thickness  ", "3.2");
    QCOMPARE(answer, expected);
    QCOMPARE(driver_.seen().size(), 1);
    const SeenDialog& seen = driver_.seen().front();
    QCOMPARE(seen.kind, QStringLiteral("input"));
    QCOMPARE(seen.title, QStringLiteral("Input Thickness  "));
    QCOMPARE(seen.text, QStringLiteral("ความหนาของท่อ T ( m.m.) ="));
    QCOMPARE(seen.offered, QStringLiteral("3.2"));
  }

  // The prompt with a list: the field starts as the offered text, selected so that typing replaces
  // it; a picked item comes back as its text exactly, and typing the start of an item is answered
  // as typed, not completed to the item.
  void choicePromptAnswers_data() {
    QTest::addColumn<int>("gesture"); // -1: type `typed` and press Enter; -2: pick item `typed`
    QTest::addColumn<QString>("typed");
    QTest::addColumn<std::optional<std::string>>("expected");
    QTest::newRow("offered text confirmed")
        << int(Gesture::Enter) << QString() << std::optional<std::string>("100");
    QTest::newRow("second item picked")
        << -2 << "1" << std::optional<std::string>("114.3  (100A, 4\")");
    QTest::newRow("last item picked")
        << -2 << "2" << std::optional<std::string>("139.8  (125A, 5\")");
    QTest::newRow("start of an item typed") << -1 << "114" << std::optional<std::string>("114");
    QTest::newRow("non-standard value typed")
        << -1 << "123.4" << std::optional<std::string>("123.4");
    QTest::newRow("Escape") << int(Gesture::Escape) << QString() << std::optional<std::string>();
    QTest::newRow("close box") << int(Gesture::CloseBox) << QString()
                               << std::optional<std::string>();
  }

  void choicePromptAnswers() {
    QFETCH(int, gesture);
    QFETCH(QString, typed);
    QFETCH(std::optional<std::string>, expected);
    const std::vector<std::string> choices = {"101.6  (90A, 3 1/2\")", "114.3  (100A, 4\")",
                                              "139.8  (125A, 5\")"};
    QStringList listed;
    QString selectedAtFirst;
    driver_.expect([&](QWidget* dialog) {
      auto* field = dialog->findChild<QComboBox*>();
      QVERIFY(field != nullptr && field->isEditable());
      for (int i = 0; i < field->count(); ++i) {
        listed << field->itemText(i);
      }
      selectedAtFirst = field->lineEdit()->selectedText();
      if (gesture == -2) {
        PickItem(field, typed.toInt());
        ModalDialogDriver::accept()(dialog);
      } else {
        (gesture == -1 ? ModalDialogDriver::typeAndAccept(typed)
                       : Perform(static_cast<Gesture>(gesture)))(dialog);
      }
    });
    const auto answer = host_.AskTextWithChoices(
        "ขนาดเส้นผ่าศูนย์กลางภายนอก D( m.m.) =", "Input Outside Diameter ", "100", choices);
    QCOMPARE(answer, expected);
    QCOMPARE(driver_.seen().size(), 1);
    const SeenDialog& seen = driver_.seen().front();
    QCOMPARE(seen.kind, QStringLiteral("input"));
    QCOMPARE(seen.title, QStringLiteral("Input Outside Diameter "));
    QCOMPARE(seen.text, QStringLiteral("ขนาดเส้นผ่าศูนย์กลางภายนอก D( m.m.) ="));
    QCOMPARE(seen.offered, QStringLiteral("100"));
    QCOMPARE(selectedAtFirst, QStringLiteral("100"));
    QCOMPARE(listed.size(), qsizetype(choices.size()));
    for (qsizetype i = 0; i < listed.size(); ++i) {
      QCOMPARE(listed[i].toStdString(), choices[std::size_t(i)]);
    }
  }

  // Without a list the prompt is the plain one.
  void choicePromptWithoutChoicesIsThePlainPrompt() {
    bool hasList = true;
    driver_.expect([&hasList](QWidget* dialog) {
      hasList = dialog->findChild<QComboBox*>() != nullptr;
      ModalDialogDriver::typeAndAccept("2.5")(dialog);
    });
    QCOMPARE(host_.AskTextWithChoices("กำหนดค่า K =", "Input K factor", "0.85", {}),
             std::optional<std::string>("2.5"));
    QVERIFY(!hasList);
    QCOMPARE(driver_.seen().front().offered, QStringLiteral("0.85"));
  }

  // The fixture's own guard: a dialog nobody expected is closed and reported, not waited on.
  void unexpectedDialogIsClosedAndReported() {
    QCOMPARE(host_.AskText("?", "Unexpected", "1"), std::optional<std::string>());
    QCOMPARE(driver_.unexpected().size(), 1);
    QVERIFY(driver_.unexpected().front().contains(QStringLiteral("Unexpected")));
    driver_.reset();
  }

  void pdfFileName_data() {
    QTest::addColumn<QString>("typed"); // null: cancel
    QTest::addColumn<QString>("expected");
    QTest::newRow("suffix added") << "sheet"
                                  << "sheet.pdf";
    QTest::newRow("suffix kept") << "column C-002.pdf"
                                 << "column C-002.pdf";
    QTest::newRow("cancelled") << QString() << QString();
  }

  void pdfFileName() {
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    driver_.expect([&typed](QWidget* dialog) {
      if (typed.isNull()) {
        ModalDialogDriver::pressEscape()(dialog);
        return;
      }
      auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
      QVERIFY(name != nullptr);
      name->clear();
      TypeText(name, typed);
      QTest::keyClick(name, Qt::Key_Return);
    });
    const auto path = host_.AskPdfFileName(folder.filePath("รายการคำนวณ.pdf").toStdString());
    if (expected.isNull()) {
      QVERIFY(!path.has_value());
    } else {
      QVERIFY(path.has_value());
      QCOMPARE(QString::fromStdString(*path), folder.filePath(expected));
    }
  }

private:
  ModalDialogDriver driver_;
  ui::QtHostServices host_;
};

int RunHostServicesTest(int argc, char** argv) {
  HostServicesTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "HostServicesTest.moc"
