// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

// What a test saw of one modal dialog when it answered it.
struct SeenDialog {
  QString kind; // "message" or "input"
  QString title;
  QString text;    // the message, or the input prompt's label
  QString offered; // the input prompt's prefilled text
  int icon = 0;    // QMessageBox::Icon
  QStringList buttons;
};

// Types `text` into the widget key by key, as a keyboard would (any script).
void TypeText(QWidget* widget, const QString& text);

// Answers the modal dialogs that a click opens, in order, as a user would: it watches for the
// active modal widget, records what it shows and applies the next scripted answer. A dialog that
// opens with no answer left, or that its answer leaves open, is a failure: it is recorded and
// closed, so a test never hangs.
class ModalDialogDriver : public QObject {
  Q_OBJECT
public:
  using Answer = std::function<void(QWidget* dialog)>;

  ModalDialogDriver();

  void expect(Answer answer) { answers_.enqueue(std::move(answer)); }

  // Replaces the prompt's text with `text` by typing, then presses Enter.
  static Answer typeAndAccept(const QString& text);
  // Presses Enter on the dialog as it stands.
  static Answer accept();
  static Answer pressEscape();
  // Closes the dialog by its window's close box.
  static Answer closeBox();
  static Answer pressOk();

  const QList<SeenDialog>& seen() const { return seen_; }
  const QStringList& unexpected() const { return unexpected_; }
  int pendingAnswers() const { return static_cast<int>(answers_.size()); }
  void reset();

private:
  void poll();

  QTimer timer_;
  QQueue<Answer> answers_;
  QPointer<QWidget> answered_;
  QElapsedTimer answeredAt_;
  QList<SeenDialog> seen_;
  QStringList unexpected_;
};
