// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/PictureView.h"

#include "ui/pictures/Pictures.h"

#include <QPainter>

namespace ui {

PictureView::PictureView(report::PictureId picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
  setAttribute(Qt::WA_NoSystemBackground); // transparent where the picture is
  setFocusPolicy(Qt::NoFocus);
}

void PictureView::paintEvent(QPaintEvent*) {
  const qreal ratio = devicePixelRatioF();
  const QSize wanted = (QSizeF(size()) * ratio).toSize();
  if (rendered_.isNull() || rendered_.size() != wanted ||
      !qFuzzyCompare(rendered_.devicePixelRatio(), ratio)) {
    rendered_ = QPixmap(wanted);
    rendered_.setDevicePixelRatio(ratio);
    rendered_.fill(Qt::transparent);
    QPainter painter(&rendered_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    pictures::drawPicture(painter, picture_, QRectF(QPointF(0, 0), QSizeF(size())));
  }
  QPainter painter(this);
  painter.drawPixmap(0, 0, rendered_);
}

} // namespace ui
