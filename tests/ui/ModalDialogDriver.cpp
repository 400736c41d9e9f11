// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModalDialogDriver.h"

#include <QApplication>
#include <QCloseEvent>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

SeenDialog Describe(QWidget* dialog) {
  SeenDialog seen;
  seen.title = dialog->windowTitle();
  if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
    seen.kind = QStringLiteral("message");
    seen.text = box->text();
    seen.icon = box->icon();
    for (QAbstractButton* button : box->buttons()) {
      seen.buttons << button->text().remove(QLatin1Char('&'));
    }
  } else if (auto* input = qobject_cast<QInputDialog*>(dialog)) {
    seen.kind = QStringLiteral("input");
    seen.text = input->labelText();
    seen.offered = input->textValue();
  } else {
    seen.kind = QString::fromLatin1(dialog->metaObject()->className());
  }
  return seen;
}

// Longer than any answer takes to close its dialog, even on a loaded machine.
constexpr qint64 kAnswerMilliseconds = 3000;

void Dismiss(QWidget* dialog) {
  dialog->close();
  if (auto* modal = qobject_cast<QDialog*>(dialog); modal && modal->isVisible()) {
    modal->reject();
  }
}

} // namespace

void TypeText(QWidget* widget, const QString& text) {
  for (const QChar c : text) { // key by key; Thai has no key codes of its own
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

ModalDialogDriver::ModalDialogDriver() {
  timer_.setInterval(10);
  connect(&timer_, &QTimer::timeout, this, &ModalDialogDriver::poll);
  timer_.start();
}

void ModalDialogDriver::reset() {
  answers_.clear();
  seen_.clear();
  unexpected_.clear();
}

void ModalDialogDriver::poll() {
  QWidget* dialog = QApplication::activeModalWidget();
  if (dialog == nullptr || !dialog->isVisible()) {
    return;
  }
  if (dialog == answered_) {
    if (answeredAt_.hasExpired(kAnswerMilliseconds)) {
      unexpected_ << QStringLiteral("still open after its answer: ") + dialog->windowTitle();
      Dismiss(dialog);
    }
    return;
  }
  answered_ = dialog;
  answeredAt_.start();
  const SeenDialog seen = Describe(dialog);
  if (answers_.isEmpty()) {
    unexpected_ << seen.kind + QStringLiteral(": ") + seen.title + QStringLiteral(": ") + seen.text;
    Dismiss(dialog);
    return;
  }
  seen_ << seen;
  answers_.dequeue()(dialog);
}

ModalDialogDriver::Answer ModalDialogDriver::typeAndAccept(const QString& text) {
  return [text](QWidget* dialog) {
    auto* edit = dialog->findChild<QLineEdit*>();
    QVERIFY(edit != nullptr);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    TypeText(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
  };
}

ModalDialogDriver::Answer ModalDialogDriver::accept() {
  return [](QWidget* dialog) {
    QWidget* target = dialog->findChild<QLineEdit*>();
    QTest::keyClick(target != nullptr ? target : dialog, Qt::Key_Return);
  };
}

ModalDialogDriver::Answer ModalDialogDriver::pressEscape() {
  return [](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); };
}

ModalDialogDriver::Answer ModalDialogDriver::closeBox() {
  return [](QWidget* dialog) { dialog->close(); };
}

ModalDialogDriver::Answer ModalDialogDriver::pressOk() {
  return [](QWidget* dialog) {
    auto* box = qobject_cast<QMessageBox*>(dialog);
    QVERIFY(box != nullptr && box->button(QMessageBox::Ok) != nullptr);
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
  };
}
