#include "ui/window/ClickableLabel.h"

#include <QMouseEvent>

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
  if (text != this->text()) {
    setText(text);
  }
  resize(sizeHint());
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
