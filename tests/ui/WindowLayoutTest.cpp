// SPDX-License-Identifier: GPL-3.0-or-later
// The window as it looks: the controls as the control table places and dresses them, room for the
// captions at their longest, fonts with Thai glyphs, focus, pointers and pictures.

#include "RecordedWindow.h"
#include "form/FormState.h"
#include "ui/fonts/ThaiFonts.h"
#include "ui/pictures/Pictures.h"
#include "ui/window/ControlTable.h"
#include "ui/window/PictureView.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <memory>

using report::PictureId;

namespace {

// Where a control marks the window: a caption's text with its underline (its box is transparent
// and as high as the font's line), any other control's whole box.
QRect Ink(const QWidget& control) {
  const auto* label = qobject_cast<const QLabel*>(&control);
  if (label == nullptr) {
    return control.geometry();
  }
  const QFontMetrics metrics(label->font());
  const int baseline = (label->height() - metrics.height()) / 2 + metrics.ascent();
  QRect ink =
      metrics.tightBoundingRect(label->text()).translated(label->pos() + QPoint(0, baseline));
  if (label->font().underline()) {
    ink.setBottom(std::max(ink.bottom(),
                           label->y() + baseline + metrics.underlinePos() + metrics.lineWidth()));
  }
  return ink;
}

} // namespace

class WindowLayoutTest : public QObject {
  Q_OBJECT

private slots:
  void init() {
    shown_ = std::make_unique<RecordedWindow>();
    QVERIFY(shown_->show());
  }

  void cleanup() { shown_.reset(); }

  void windowFrame() {
    const ui::ColumnForm& window = shown_->window;
    QCOMPARE(window.windowTitle(),
             QStringLiteral("คำนวณเสาท่อเหล็กกลม (TUBRALEX Design & Calculation)"));
    QCOMPARE(window.size(), QSize(684, 664)); // the form's 534 and the strip's 130 below it
    QCOMPARE(window.palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(window.autoFillBackground());
    QVERIFY(!window.windowIcon().isNull());
  }

  void opensCentred() {
    form::RecordingHost host;
    ui::ColumnForm window(&host);
    window.centreOnScreen();
    const QRect available = window.screen()->availableGeometry();
    const QPoint offset = window.frameGeometry().center() - available.center();
    QVERIFY2(offset.manhattanLength() <= 2,
             qPrintable(QStringLiteral("off centre by %1, %2").arg(offset.x()).arg(offset.y())));
  }

  // Every row of the control table is a visible control in its place, font and colours; captions
  // are as wide and high as their text.
  void controlsAreBuiltAsTheTableSays() {
    const QString family = ui::InstalledThaiFamily(QString::fromUtf8(ui::kDesignFontFamily),
                                                   ui::ThaiTextTarget::Screen);
    for (const ui::ControlRow& row : ui::WindowControls()) {
      const QString name = QString::fromUtf8(row.name.data(), qsizetype(row.name.size()));
      QWidget* control = shown_->find(name);
      QVERIFY2(control != nullptr && control->isVisible(), qPrintable(name));
      const QRect place(row.left / ui::kTwipsPerPixel, row.top / ui::kTwipsPerPixel,
                        row.width / ui::kTwipsPerPixel, row.height / ui::kTwipsPerPixel);
      QCOMPARE(control->pos(), place.topLeft());
      if (row.kind == ui::ControlKind::Label) {
        QCOMPARE(control->size(), control->sizeHint());
        QVERIFY2(control->height() >= 12 && control->height() <= 40, qPrintable(name));
      } else {
        QCOMPARE(control->size(), place.size());
      }
      if (row.fontPoints > 0) {
        QCOMPARE(control->font().family(), family);
        QCOMPARE(control->font().pointSizeF(), row.fontPoints);
        QCOMPARE(control->font().bold(), row.bold);
        QCOMPARE(control->font().underline(), row.underline);
      }
      const bool field = qobject_cast<QLineEdit*>(control) != nullptr;
      if (row.textColour != ui::kDefaultColour) {
        QCOMPARE(control->palette().color(field ? QPalette::Text : QPalette::WindowText),
                 QColor(QRgb(row.textColour)));
      }
      if (row.backgroundColour != ui::kDefaultColour) {
        QCOMPARE(control->palette().color(QPalette::Base), QColor(QRgb(row.backgroundColour)));
      }
    }
    QVERIFY(QFontDatabase::writingSystems(family).contains(QFontDatabase::Thai));
  }

  // The longest captions a user brings about: every input at its upper bound with two decimals,
  // the verdict that the column does not carry its load with the largest base plate, and the
  // strip's longest lines.
  void captionsAtTheirLongestStayInsideAndApart_data() {
    QTest::addColumn<QStringList>("answers"); // D, T, H, K, P
    QTest::newRow("largest inputs") << QStringList{"1999.99", "49.99", "9.99", "1.99", "899999.99"};
    QTest::newRow("does not carry, largest plate, slender")
        << QStringList{"10.01", "1.01", "9.99", "1.99", "899999.99"};
    QTest::newRow("largest utilisation") << QStringList{"10.7", "1", "5", "1", "899999.99"};
    QTest::newRow("thinnest wall") << QStringList{"1999.9", "1", "10", "2", "899999.99"};
    // 318.5 x 10.3 mm. (78.3 kg/m): the widest pipe a suggestion names.
    QTest::newRow("widest suggestion") << QStringList{"114.3", "3.2", "1", "0.6", "144500"};
  }

  void captionsAtTheirLongestStayInsideAndApart() {
    QFETCH(QStringList, answers);
    for (qsizetype i = 0; i < answers.size(); ++i) {
      shown_->answer(kCaptionNames[i], answers[i]);
    }
    const QWidget& window = shown_->window;
    QList<QWidget*> controls = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    controls.removeOne(shown_->find("columnDrawing")); // drawn beneath the captions on purpose
    controls.removeIf([](const QWidget* control) { return Ink(*control).isEmpty(); });
    for (qsizetype i = 0; i < controls.size(); ++i) {
      const QRect one = Ink(*controls[i]);
      QVERIFY2(window.rect().contains(one), qPrintable(controls[i]->objectName()));
      for (qsizetype j = i + 1; j < controls.size(); ++j) {
        QVERIFY2(!one.intersects(Ink(*controls[j])),
                 qPrintable(controls[i]->objectName() + " overlaps " + controls[j]->objectName()));
      }
    }
  }

  void captionsStayOnOneLineAndPlain() {
    for (auto* label : shown_->window.findChildren<QLabel*>()) {
      QVERIFY2(!label->wordWrap(), qPrintable(label->objectName()));
      QCOMPARE(label->textFormat(), Qt::PlainText);
      QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    }
  }

  void resizingMovesNothing() {
    QList<QPair<QWidget*, QRect>> before;
    for (auto* child : shown_->window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      before.append({child, child->geometry()});
    }
    shown_->window.resize(1000, 800);
    shown_->window.showMaximized();
    QCoreApplication::processEvents();
    for (const auto& [child, place] : before) {
      QCOMPARE(child->geometry(), place);
    }
  }

  // The captions and header fields show the form state's texts.
  void showsTheFormState() {
    shown_->answer("axialLoadCaption", "12000");
    const form::FormState& state = shown_->window.state();
    for (qsizetype i = 0; i < kCaptionNames.size(); ++i) {
      QCOMPARE(shown_->text(kCaptionNames[i]),
               QString::fromStdString(state.caption(static_cast<form::Caption>(i))));
    }
    for (form::HeaderField field : form::kAllHeaderFields) {
      QCOMPARE(shown_->find<QLineEdit>(kHeaderFieldNames[qsizetype(field)])->text(),
               QString::fromStdString(state.header(field)));
    }
  }

  // Text shown in a font with Thai glyphs: no character falls back to a missing-glyph box.
  void thaiTextHasGlyphs() {
    for (auto* control : shown_->window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      const QString text = control->property("text").toString();
      const QFontMetrics metrics(control->font());
      for (const QChar c : text) {
        QVERIFY2(metrics.inFontUcs4(c.unicode()),
                 qPrintable(QStringLiteral("%1: U+%2 in %3")
                                .arg(control->objectName())
                                .arg(c.unicode(), 4, 16)
                                .arg(QFontInfo(control->font()).family())));
      }
    }
  }

  void focusStartsOnExitAndTabFollowsTheOrder() {
    shown_->window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&shown_->window));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("exitButton"));
    const QStringList expected = {"printButton",     "projectField",      "engineerField",
                                  "columnMarkField", "clearHeaderButton", "exitButton"};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
  }

  void enterAtStartLeavesTheProgram() {
    shown_->window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&shown_->window));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(shown_->exits, 1);
  }

  void handPointerOnExactlyTheClickableCaptions() {
    QSet<QString> expected(kCaptionNames.begin(), kCaptionNames.begin() + 5);
    expected << "downloadLink";
    const QCursor hand = pictures::handPointerCursor();
    const auto isHand = [&hand](const QCursor& cursor) {
      return cursor.shape() == hand.shape() &&
             cursor.pixmap().toImage() == hand.pixmap().toImage() &&
             cursor.hotSpot() == hand.hotSpot();
    };
    QSet<QString> withPointer;
    for (auto* child : shown_->window.findChildren<QWidget*>()) {
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

  void visiblePictures() {
    auto* drawing = shown_->find<ui::PictureView>("columnDrawing");
    auto* cover = shown_->find<ui::PictureView>("handbookCover");
    QCOMPARE(drawing->picture(), PictureId::ColumnDrawing);
    QCOMPARE(cover->picture(), PictureId::HandbookCover);
    // The drawing lies beneath every other control.
    QCOMPARE(shown_->window.children().indexOf(drawing), 0);
  }

  void printEnabledAtStart() {
    QVERIFY(shown_->find<QPushButton>("printButton")->isEnabled());
    QVERIFY(shown_->host.prompts().empty());
  }

  void captionWidthFollowsItsText() {
    auto* label = shown_->find<QLabel>("axialLoadCaption");
    shown_->answer("axialLoadCaption", "100");
    QCOMPARE(label->text(), QStringLiteral("ออกแบบให้เสารับน้ำหนัก =  100 kg."));
    const QRect shorter = label->geometry();
    shown_->answer("axialLoadCaption", "900000");
    QCOMPARE(label->text(), QStringLiteral("ออกแบบให้เสารับน้ำหนัก =  900000 kg."));
    QCOMPARE(label->pos(), shorter.topLeft());
    QCOMPARE(label->height(), shorter.height());
    QVERIFY(label->width() > shorter.width());
    QCOMPARE(label->width(), label->sizeHint().width());
  }

private:
  std::unique_ptr<RecordedWindow> shown_;
};

int RunWindowLayoutTest(int argc, char** argv) {
  WindowLayoutTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "WindowLayoutTest.moc"
