// SPDX-License-Identifier: GPL-3.0-or-later
// Whole roads through the window with the real dialogs: a click on a caption, the prompt answered
// as a user would, the messages, and what the window then shows.

#include "ModalDialogDriver.h"
#include "TestHost.h"
#include "WindowNames.h"
#include "form/FormState.h"
#include "ui/window/ColumnForm.h"
#include "ui/window/WindowTexts.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <stdexcept>

namespace {

const QString kPass = QStringLiteral("เสาท่อกลมนี้รับน้ำหนักได้ OK");
const QString kFail = QStringLiteral("เสาท่อกลมนี้รับน้ำหนักไม่ได้  !!! โปรดแก้ไขนาดให้ใหญ่ขึ้น");
const QString kVerdictBefore = QStringLiteral("เสาท่อกลมนี้รับน้ำหนักได้ ?");
const QString kPlateBefore = QStringLiteral("Base Plate ขนาด ?");
const QString kPlate15 = QStringLiteral("Base Plate ขนาด =  15 cm. x  15 cm. หนา =  4 mm.");
const QString kPlate18 = QStringLiteral("Base Plate ขนาด =  18 cm. x  18 cm. หนา =  7 mm.");

} // namespace

class WindowRoadsTest : public QObject {
  Q_OBJECT

private slots:
  void init() {
    host_ = std::make_unique<TestHost>();
    window_ = std::make_unique<ui::ColumnForm>(host_.get());
    host_->setDialogParent(window_.get());
    window_->setExitAction([] {});
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

  void cleanup() {
    QVERIFY2(driver_.unexpected().isEmpty(), qPrintable(driver_.unexpected().join('\n')));
    QCOMPARE(driver_.pendingAnswers(), 0);
    driver_.reset();
    window_.reset();
  }

  void prompts_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("offered");
    QTest::newRow("D") << "outsideDiameterCaption"
                       << "Input Outside Diameter "
                       << "ขนาดเส้นผ่าศูนย์กลางภายนอก D( m.m.) ="
                       << "114.3"; // the column's own value, not the fixed 100
    QTest::newRow("T") << "wallThicknessCaption"
                       << "Input Thickness  "
                       << "ความหนาของท่อ T ( m.m.) ="
                       << "3.2";
    QTest::newRow("H") << "heightCaption"
                       << "Input Height  "
                       << "ความยาวหรือความสูงท่อกลม( m.) ="
                       << "4";
    QTest::newRow("K") << "kFactorCaption"
                       << "Input K factor"
                       << "กำหนดค่า K ="
                       << "0.85";
    QTest::newRow("P") << "axialLoadCaption"
                       << "Input Axial Load "
                       << "กำหนดให้เสารับน้ำหนัก( kg.) ="
                       << "8000";
  }

  // Each caption opens its own prompt; cancelling it changes nothing on the window.
  void prompts() {
    QFETCH(QString, label);
    QFETCH(QString, title);
    QFETCH(QString, prompt);
    QFETCH(QString, offered);
    const QString captionBefore = caption(label);
    driver_.expect(ModalDialogDriver::pressEscape());
    click(label);
    QCOMPARE(driver_.seen().size(), 1);
    QCOMPARE(driver_.seen()[0].kind, QStringLiteral("input"));
    QCOMPARE(driver_.seen()[0].title, title);
    QCOMPARE(driver_.seen()[0].text, prompt);
    QCOMPARE(driver_.seen()[0].offered, offered);
    QCOMPARE(caption(label), captionBefore);
    QCOMPARE(caption("verdictCaption"), kVerdictBefore);
    QCOMPARE(caption("basePlateCaption"), kPlateBefore);
    QVERIFY(printButton()->isEnabled());
  }

  void roads_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("typed"); // null: cancel by the close box
    QTest::addColumn<QString>("message");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("plate");

    QTest::newRow("load 12000 fails")
        << "axialLoadCaption"
        << "12000"
        << "" << 12000.0 << "ออกแบบให้เสารับน้ำหนัก =  12000 kg." << kFail << kPlate18;
    QTest::newRow("load 8000 passes")
        << "axialLoadCaption"
        << "8000"
        << "" << 8000.0 << "ออกแบบให้เสารับน้ำหนัก =  8000 kg." << kPass << kPlate15;
    QTest::newRow("K offered, no leading zero")
        << "kFactorCaption"
        << "0.85"
        << "" << 0.85 << "K ที่ใช้ในการออกแบบ =  .85" << kPass << kPlate15;
    QTest::newRow("thickness above 50 keeps its value")
        << "wallThicknessCaption"
        << "60"
        << "ความหนาที่ คุณป้อนมากกว่า 50 mm.!?!   โปรดแก้ไขใหม่" << 3.2 << "ความหนาของท่อ T =  3.2 mm."
        << kPass << kPlate15;
    QTest::newRow("diameter below 10 keeps its value")
        << "outsideDiameterCaption"
        << "9.99"
        << "ขนาดเส้นผ่าศูนย์กลางภายนอก คุณป้อนน้อยกว่า 10 mm.. !?!   โปรดแก้ไขใหม่" << 114.3
        << "ขนาดเส้นผ่าศูนย์กลางภายนอก D =  114.3 mm." << kPass << kPlate15;
    QTest::newRow("height not a number keeps its value")
        << "heightCaption"
        << "abc"
        << "ความสูงที่คุณป้อนค่าที่ไม่ใช่ตัวเลข !?!   โปรดแก้ไขใหม่" << 4.0 << "ความสูงของท่อกลม H =  4 m."
        << kPass << kPlate15;
    QTest::newRow("thickness with blanks")
        << "wallThicknessCaption"
        << " 5 "
        << "" << 5.0 << "ความหนาของท่อ T =  5 mm." << kPass << kPlate15;
    QTest::newRow("closing the prompt keeps the value")
        << "axialLoadCaption" << QString() << "" << 8000.0 << "ออกแบบให้เสารับน้ำหนัก = 8000 kg."
        << kVerdictBefore << kPlateBefore;
  }

  void roads() {
    QFETCH(QString, label);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(double, value);
    QFETCH(QString, caption);
    QFETCH(QString, verdict);
    QFETCH(QString, plate);
    const auto input = static_cast<form::Input>(kCaptionNames.indexOf(label));

    driver_.expect(typed.isNull() ? ModalDialogDriver::closeBox()
                                  : ModalDialogDriver::typeAndAccept(typed));
    double valueWhileBoxShows = 0;
    if (!message.isEmpty()) {
      // The kept value is in place before the box shows.
      driver_.expect([this, input, &valueWhileBoxShows](QWidget* box) {
        valueWhileBoxShows = window_->state().input(input);
        ModalDialogDriver::pressOk()(box);
      });
    }
    click(label);

    QCOMPARE(driver_.seen().size(), message.isEmpty() ? 1 : 2);
    if (!message.isEmpty()) {
      const SeenDialog& box = driver_.seen()[1];
      QCOMPARE(box.kind, QStringLiteral("message"));
      QCOMPARE(box.text, message);
      QCOMPARE(box.icon, int(QMessageBox::Critical));
      QCOMPARE(box.buttons.size(), 1);
      QCOMPARE(box.title, QString::fromUtf8(ui::kWindowCaption));
      QCOMPARE(valueWhileBoxShows, value);
    }
    QCOMPARE(window_->state().input(input), value);
    QCOMPARE(this->caption(label), caption);
    QCOMPARE(this->caption("verdictCaption"), verdict);
    QCOMPARE(this->caption("basePlateCaption"), plate);
    QCOMPARE(printButton()->isEnabled(), verdict != kFail);
  }

  void failingThenPassingLoadTurnsPrintingOffAndOn() {
    driver_.expect(ModalDialogDriver::typeAndAccept("12000"));
    click("axialLoadCaption");
    QVERIFY(!printButton()->isEnabled());
    QVERIFY(!window_->state().printEnabled());
    driver_.expect(ModalDialogDriver::typeAndAccept("10279"));
    click("axialLoadCaption");
    QCOMPARE(caption("verdictCaption"), kPass);
    QVERIFY(printButton()->isEnabled());
  }

  // A failure inside a handler is reported in a box; the window carries on.
  void handlerFailureIsReportedAndTheWindowCarriesOn() {
    class FailingPrompt : public TestHost {
    public:
      std::optional<std::string> AskText(const std::string&, const std::string&,
                                         const std::string&) override {
        throw std::runtime_error("prompt unavailable");
      }
      std::optional<std::string> AskTextWithChoices(const std::string&, const std::string&,
                                                    const std::string&,
                                                    const std::vector<std::string>&) override {
        throw std::runtime_error("prompt unavailable");
      }
    };
    FailingPrompt host;
    ui::ColumnForm window(&host);
    driver_.expect(ModalDialogDriver::pressOk());
    QTest::mouseClick(window.findChild<QWidget*>("wallThicknessCaption"), Qt::LeftButton);
    QCOMPARE(driver_.seen().size(), 1);
    QCOMPARE(driver_.seen()[0].icon, int(QMessageBox::Critical));
    QVERIFY2(driver_.seen()[0].text.contains(QStringLiteral("prompt unavailable")),
             qPrintable(driver_.seen()[0].text));
    QCOMPARE(window.findChild<QLabel*>("wallThicknessCaption")->text(),
             QStringLiteral("ความหนาของท่อ T = 3.2 mm."));
    QVERIFY(window.findChild<QPushButton*>("printButton")->isEnabled());
  }

  void printAsksFirstAndCancelPrintsNothing() {
    driver_.expect(ModalDialogDriver::pressEscape());
    QTest::mouseClick(printButton(), Qt::LeftButton);
    QCOMPARE(driver_.seen().size(), 1);
    QCOMPARE(driver_.seen()[0].icon, int(QMessageBox::Question));
    QCOMPARE(driver_.seen()[0].buttons.size(), 2);
  }

private:
  void click(const QString& name) {
    QWidget* control = window_->findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QTest::mouseClick(control, Qt::LeftButton);
  }

  QString caption(const QString& name) const { return window_->findChild<QLabel*>(name)->text(); }
  QPushButton* printButton() const { return window_->findChild<QPushButton*>("printButton"); }

  ModalDialogDriver driver_;
  std::unique_ptr<TestHost> host_;
  std::unique_ptr<ui::ColumnForm> window_;
};

int RunWindowRoadsTest(int argc, char** argv) {
  WindowRoadsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "WindowRoadsTest.moc"
