// The window as it opens: places, captions, fonts, focus, pointers and the hidden store; and the
// window's own commands.

#include "ModalDialogDriver.h"
#include "engine/RecordingHost.h"
#include "ui/pictures/Pictures.h"
#include "ui/window/ClickableLabel.h"
#include "ui/window/Form1.h"
#include "ui/window/PictureView.h"
#include "ui/window/ThaiFonts.h"
#include "ui/window/WindowTexts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <memory>

using engine::PictureId;

Q_DECLARE_METATYPE(PictureId)

class WindowLayoutTest : public QObject {
  Q_OBJECT

private slots:
  void init() {
    host_ = std::make_unique<engine::RecordingHost>();
    window_ = std::make_unique<ui::Form1>(host_.get());
    window_->setExitAction([this] { ++exits_; });
    exits_ = 0;
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

  void cleanup() {
    window_.reset();
    QVERIFY2(driver_.unexpected().isEmpty(), qPrintable(driver_.unexpected().join('\n')));
    driver_.reset();
  }

  void windowFrame() {
    QCOMPARE(window_->windowTitle(),
             QStringLiteral("คำนวณเสาท่อเหล็กกลม (TUBRALEX Design & Calculation)"));
    QCOMPARE(window_->size(), QSize(684, 534));
    QCOMPARE(window_->palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(window_->autoFillBackground());
    QVERIFY(!window_->windowIcon().isNull());
  }

  void opensCentred() {
    ui::Form1 window(host_.get());
    window.centreOnScreen();
    const QRect available = window.screen()->availableGeometry();
    const QPoint offset = window.frameGeometry().center() - available.center();
    QVERIFY2(offset.manhattanLength() <= 2,
             qPrintable(QStringLiteral("off centre by %1, %2").arg(offset.x()).arg(offset.y())));
  }

  // Places in pixels at 96 dpi; labels: width and height follow the caption (-1 here).
  void geometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    const auto row = [](const char* name, int x, int y, int w, int h) {
      QTest::newRow(name) << QString::fromLatin1(name) << QRect(x, y, w, h);
    };
    row("Image1", 8, 8, 349, 470);
    row("Label1", 320, 32, -1, -1);
    row("Label2", 320, 64, -1, -1);
    row("Label3", 320, 96, -1, -1);
    row("Label14", 320, 128, -1, -1);
    row("Label4", 320, 160, -1, -1);
    row("Label555", 304, 312, -1, -1);
    row("Label556", 304, 336, -1, -1);
    row("Label5", 344, 208, -1, -1);
    row("Text15", 408, 200, 241, 27);
    row("Label6", 336, 240, -1, -1);
    row("Text16", 408, 232, 241, 27);
    row("Label7", 352, 272, -1, -1);
    row("Text17", 408, 264, 241, 27);
    row("Command4", 608, 168, 41, 25);
    row("Command3", 392, 400, 145, 25);
    row("Command2", 464, 432, 73, 25);
    row("Picture1", 544, 352, 126, 174);
    row("Label8", 16, 480, -1, -1);
    row("Label9", 16, 504, -1, -1);
  }

  void geometry() {
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QWidget* control = window_->findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QVERIFY(control->isVisible());
    QCOMPARE(control->pos(), place.topLeft());
    if (place.width() >= 0) {
      QCOMPARE(control->size(), place.size());
    } else {
      QCOMPARE(control->size(), control->sizeHint()); // sized to its caption
      QVERIFY(control->width() > 0);
      QVERIFY2(control->height() >= 12 && control->height() <= 40,
               qPrintable(QString::number(control->height())));
    }
  }

  void captionsStayOnOneLineAndPlain() {
    for (auto* label : window_->findChildren<QLabel*>()) {
      QVERIFY2(!label->wordWrap(), qPrintable(label->objectName()));
      QCOMPARE(label->textFormat(), Qt::PlainText);
      QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    }
  }

  void resizingMovesNothing() {
    QList<QPair<QWidget*, QRect>> before;
    for (auto* child : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      before.append({child, child->geometry()});
    }
    window_->resize(1000, 800);
    window_->showMaximized();
    QCoreApplication::processEvents();
    for (const auto& [child, place] : before) {
      QCOMPARE(child->geometry(), place);
    }
  }

  void initialTexts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    const auto row = [](const char* name, const char* text) {
      QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(text);
    };
    row("Label1", "ขนาดเส้นผ่าศูนย์กลางภายนอก D = 114.3 mm.");
    row("Label2", "ความหนาของท่อ T = 3.2 mm.");
    row("Label3", "ความสูงของท่อกลม H = 4 m.");
    row("Label14", "ออกแบบให้เสารับน้ำหนัก = 8000 kg.");
    row("Label4", "K ที่ใช้ในการออกแบบ = 0.85");
    row("Label555", "เสาท่อกลมนี้รับน้ำหนักได้ ?");
    row("Label556", "Base Plate ขนาด ?");
    row("Label5", "Project");
    row("Label6", "Engineer");
    row("Label7", "Column");
    row("Text15", "อาคารโกดัง B");
    row("Text16", "นายสมมติ ตัวอย่าง");
    row("Text17", " C-002");
    row("Command4", "ลบ");
    row("Command3", "พิมพ์รายการคำนวณ");
    row("Command2", "Exit");
    row("Label8", "Download โปรแกรมและหนังสือคู่มือนี้ได้ฟรีในกลุ่ม TAVRIN");
    row("Label9", "https://pipecolumn.example.org/download");
    row("Text1", "114.3");
    row("Text2", "3.2");
    row("Text3", "4");
    row("Text4", "0.85");
    row("Text5", "200000");
    row("Text11", "240");
    row("Text12", "40");
    row("Text13", "1850");
    row("Text14", "8000");
  }

  void initialTexts() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QObject* control = window_->findChild<QObject*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->property("text").toString(), text);
  }

  void fontsAndColours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<QColor>("text");
    const QColor black(Qt::black);
    const auto row = [](const char* name, double points, bool bold, bool underline, QColor colour) {
      QTest::newRow(name) << QString::fromLatin1(name) << points << bold << underline << colour;
    };
    row("Label1", 12, true, true, black);
    row("Label2", 12, true, true, QColor(0x0000FF));
    row("Label3", 12, true, true, QColor(0xFF0000));
    row("Label14", 12, true, true, QColor(0x008000));
    row("Label4", 12, true, true, QColor(0xC04000));
    row("Label555", 12, false, false, QColor(0xC00000));
    row("Label556", 9.75, false, false, QColor(0x0000C0));
    row("Label5", 9.75, true, false, black);
    row("Label6", 9.75, true, false, black);
    row("Label7", 9.75, true, false, black);
    row("Text15", 9.75, true, false, black);
    row("Command4", 9.75, true, false, black);
    row("Command3", 12, true, false, black);
    row("Command2", 12, true, false, black);
    row("Label8", 9.75, true, true, QColor(0x0000FF));
    row("Label9", 9.75, true, false, QColor(0xC00000));
  }

  void fontsAndColours() {
    QFETCH(QString, name);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(bool, underline);
    QFETCH(QColor, text);
    auto* control = window_->findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    // The installed Thai face that stands in for the window's design face.
    QCOMPARE(control->font().family(), ui::ResolveWindowFontFamily());
    QVERIFY(QFontDatabase::writingSystems(control->font().family()).contains(QFontDatabase::Thai));
    QCOMPARE(control->font().pointSizeF(), points);
    QCOMPARE(control->font().bold(), bold);
    QCOMPARE(control->font().underline(), underline);
    const QPalette::ColorRole role =
        qobject_cast<QLineEdit*>(control) ? QPalette::Text : QPalette::WindowText;
    if (!qobject_cast<QPushButton*>(control)) {
      QCOMPARE(control->palette().color(role), text);
    }
  }

  void headerFieldsAreLightGreen() {
    for (const char* name : {"Text15", "Text16", "Text17"}) {
      auto* field = window_->findChild<QLineEdit*>(QString::fromLatin1(name));
      QCOMPARE(field->palette().color(QPalette::Base), QColor(0xC0FFC0));
      QVERIFY(!field->isReadOnly());
    }
  }

  // Text shown in a font with Thai glyphs: no character falls back to a missing-glyph box.
  void thaiCaptionsHaveGlyphs() {
    for (const char* name : {"Label1", "Label555", "Label8", "Text16", "Command3"}) {
      auto* control = window_->findChild<QWidget*>(QString::fromLatin1(name));
      const QString text = control->property("text").toString();
      const QFontMetrics metrics(control->font());
      for (const QChar c : text) {
        QVERIFY2(metrics.inFontUcs4(c.unicode()),
                 qPrintable(QStringLiteral("%1: U+%2 in %3")
                                .arg(QString::fromLatin1(name))
                                .arg(c.unicode(), 4, 16)
                                .arg(QFontInfo(control->font()).family())));
      }
    }
  }

  void focusStartsOnExitAndTabFollowsTheOrder() {
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command2"));
    const QStringList expected = {"Command3", "Text15", "Text16", "Text17", "Command4", "Command2"};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
  }

  void enterAtStartLeavesTheProgram() {
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(exits_, 1);
  }

  void handPointerOnExactlySixLabels() {
    const QSet<QString> expected = {"Label1", "Label2", "Label3", "Label4", "Label14", "Label8"};
    const QCursor hand = pictures::handPointerCursor();
    const auto isHand = [&hand](const QCursor& cursor) {
      return cursor.shape() == hand.shape() &&
             cursor.pixmap().toImage() == hand.pixmap().toImage() &&
             cursor.hotSpot() == hand.hotSpot();
    };
    QSet<QString> withPointer;
    for (auto* child : window_->findChildren<QWidget*>()) {
      if (child->testAttribute(Qt::WA_SetCursor) && isHand(child->cursor())) {
        withPointer << child->objectName();
      }
      // Labels without the hand keep the window's arrow.
      if (qobject_cast<QLabel*>(child) && !expected.contains(child->objectName())) {
        QVERIFY2(!child->testAttribute(Qt::WA_SetCursor), qPrintable(child->objectName()));
      }
    }
    QCOMPARE(withPointer, expected);
  }

  void hiddenStore_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("picture"); // -1: a value field
    for (const char* name :
         {"Text1", "Text2", "Text3", "Text4", "Text5", "Text11", "Text12", "Text13", "Text14"}) {
      QTest::newRow(name) << QString::fromLatin1(name) << -1;
    }
    QTest::newRow("Joint1") << "Joint1" << int(PictureId::ColumnSketch);
    QTest::newRow("PicP1") << "PicP1" << int(PictureId::GyrationFormula);
    QTest::newRow("PicP2") << "PicP2" << int(PictureId::PermissibleStressSheet);
  }

  void hiddenStore() {
    QFETCH(QString, name);
    QFETCH(int, picture);
    QWidget* control = window_->findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QVERIFY(!control->isVisible());
    if (picture >= 0) {
      auto* holder = qobject_cast<ui::PictureView*>(control);
      QVERIFY(holder != nullptr);
      QCOMPARE(int(holder->picture()), picture);
    }
    // A prompt's road through the window leaves them hidden.
    host_->scriptAnswer("12000");
    QTest::mouseClick(window_->findChild<QWidget*>("Label14"), Qt::LeftButton);
    QVERIFY(!control->isVisible());
  }

  void visiblePictures() {
    auto* drawing = window_->findChild<ui::PictureView*>("Image1");
    auto* cover = window_->findChild<ui::PictureView*>("Picture1");
    QCOMPARE(drawing->picture(), PictureId::ColumnDrawing);
    QCOMPARE(cover->picture(), PictureId::HandbookCover);
    // The drawing lies beneath every other control.
    QCOMPARE(window_->children().indexOf(drawing), 0);
  }

  void printEnabledAtStart() {
    QVERIFY(window_->findChild<QPushButton*>("Command3")->isEnabled());
    QVERIFY(host_->prompts().empty());
  }

  void captionWidthFollowsItsText() {
    auto* label = window_->findChild<QLabel*>("Label14");
    host_->scriptAnswer("100");
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(label->text(), QStringLiteral("ออกแบบให้เสารับน้ำหนัก =  100 kg."));
    const QRect shorter = label->geometry();
    host_->scriptAnswer("900000");
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(label->text(), QStringLiteral("ออกแบบให้เสารับน้ำหนัก =  900000 kg."));
    QCOMPARE(label->pos(), shorter.topLeft());
    QCOMPARE(label->height(), shorter.height());
    QVERIFY(label->width() > shorter.width());
    QCOMPARE(label->width(), label->sizeHint().width());
  }

  void headerFieldsFollowTypingAndClear() {
    auto* project = window_->findChild<QLineEdit*>("Text15");
    project->selectAll();
    TypeText(project, QStringLiteral("โรงงาน 7"));
    QCOMPARE(window_->state().text(engine::Field::Text15), std::string("โรงงาน 7"));

    const engine::FormState before = window_->state();
    for (int click = 0; click < 2; ++click) { // clearing empty fields changes nothing more
      QTest::mouseClick(window_->findChild<QPushButton*>("Command4"), Qt::LeftButton);
      for (const char* name : {"Text15", "Text16", "Text17"}) {
        QVERIFY(window_->findChild<QLineEdit*>(name)->text().isEmpty());
      }
      for (engine::Field field : engine::kAllFields) {
        const bool header = field == engine::Field::Text15 || field == engine::Field::Text16 ||
                            field == engine::Field::Text17;
        QCOMPARE(window_->state().text(field), header ? std::string() : before.text(field));
      }
      for (engine::Caption caption : engine::kAllCaptions) {
        QCOMPARE(window_->state().caption(caption), before.caption(caption));
      }
    }
    QVERIFY(host_->prompts().empty() && host_->messages().empty());
  }

  void headerFieldsTakeTextOfAnyLength() {
    const QString longText(40000, QChar(u'ก'));
    auto* column = window_->findChild<QLineEdit*>("Text17");
    column->selectAll();
    column->insert(longText);
    QCOMPARE(column->text(), longText);
    QCOMPARE(window_->state().text(engine::Field::Text17), longText.toStdString());
  }

  void downloadCaptionOpensThePageAndTheAddressLineDoesNot() {
    QTest::mouseClick(window_->findChild<QWidget*>("Label9"), Qt::LeftButton);
    QVERIFY(host_->shellCalls().empty());
    QTest::mouseClick(window_->findChild<QWidget*>("Label8"), Qt::LeftButton);
    QCOMPARE(host_->shellCalls(),
             std::vector<std::string>{"open https://pipecolumn.example.org/download 3"});
    QVERIFY(host_->messages().empty());
  }

  void otherControlsHaveNoHandler() {
    const engine::FormState before = window_->state();
    for (const char* name : {"Image1", "Picture1", "Label555", "Label556", "Label5", "Label9"}) {
      QTest::mouseClick(window_->findChild<QWidget*>(name), Qt::LeftButton);
    }
    QVERIFY(host_->prompts().empty() && host_->messages().empty() && host_->shellCalls().empty());
    QCOMPARE(exits_, 0);
    for (engine::Caption caption : engine::kAllCaptions) {
      QCOMPARE(window_->state().caption(caption), before.caption(caption));
    }
  }

  void exitEndsTheProgram() {
    QTest::mouseClick(window_->findChild<QPushButton*>("Command2"), Qt::LeftButton);
    QCOMPARE(exits_, 1);
  }

private:
  ModalDialogDriver driver_;
  std::unique_ptr<engine::RecordingHost> host_;
  std::unique_ptr<ui::Form1> window_;
  int exits_ = 0;
};

int RunWindowLayoutTest(int argc, char** argv) {
  WindowLayoutTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "WindowLayoutTest.moc"
