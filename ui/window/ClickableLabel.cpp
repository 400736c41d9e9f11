// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/ClickableLabel.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace ui {

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setWordWrap(false);
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setMargin(0);
  setIndent(0);
  setAutoFillBackground(false); // whatever lies beneath shows through
}

void ClickableLabel::setCaption(const QString& text) {
  // Laying out Thai text is the costly part of a caption; an unchanged caption keeps its size.
  if (text == this->text() && fitted_) {
    return;
  }
  if (text != this->text()) {
    setText(text);
  }
  resize(sizeHint());
  fitted_ = true;
  const bool cut = width() > room();
  if (cut || tipIsCaption_) {
    setToolTip(cut ? text : QString());
    tipIsCaption_ = cut;
  }
}

int ClickableLabel::room() const {
  return parentWidget() != nullptr ? parentWidget()->width() - x() : width();
}

void ClickableLabel::paintEvent(QPaintEvent* event) {
  const int room = this->room();
  if (room <= 0 || width() <= room) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  const QRect shown(0, 0, room, height());
  style()->drawItemText(&painter, shown, static_cast<int>(alignment()), palette(), isEnabled(),
                        fontMetrics().elidedText(text(), Qt::ElideRight, room), foregroundRole());
}

void ClickableLabel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) {
    fitted_ = false;
  }
  QLabel::changeEvent(event);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    pressed_ = true;
  }
  QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  if (event->button() == Qt::LeftButton) {
    pressed_ = false;
  }
  QLabel::mouseReleaseEvent(event);
  if (click) {
    emit clicked();
  }
}

} // namespace ui
