// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pictures/Pictures.h"

#include "ui/pictures/VectorPicture.h"

#include <QImage>
#include <QPainter>

#include <array>
#include <cmath>

namespace pictures {
namespace {

using report::PictureId;

struct PictureEntry {
  PictureId id;
  const char* path;
  double widthInches;
  double heightInches;
};

constexpr double kPixelsPerInch = 96.0;
constexpr double kTwipsPerInch = 1440.0;

// The window shows either column drawing at exactly 5235 x 7050 twips.
constexpr std::array<PictureEntry, 10> kPictures{{
    {PictureId::PipeIcon, ":/pictures/svg/pipe-icon.svg", 32 / kPixelsPerInch, 32 / kPixelsPerInch},
    {PictureId::HandPointer, ":/pictures/svg/hand-pointer.svg", 32 / kPixelsPerInch,
     32 / kPixelsPerInch},
    {PictureId::HandbookCover, ":/pictures/svg/handbook-cover.svg", 126 / kPixelsPerInch,
     174 / kPixelsPerInch},
    {PictureId::ColumnDrawing, ":/pictures/svg/column-drawing.svg", 5235 / kTwipsPerInch,
     7050 / kTwipsPerInch},
    {PictureId::ColumnSketch, ":/pictures/svg/column-sketch.svg", 3.486, 8.939},
    {PictureId::GyrationFormula, ":/pictures/svg/gyration-formula.svg", 1.333, 1.193},
    {PictureId::PermissibleStressSheet, ":/pictures/svg/permissible-stress-sheet.svg", 3.460,
     2.448},
    {PictureId::BoxColumnDrawing, ":/pictures/svg/box-column-drawing.svg", 5235 / kTwipsPerInch,
     7050 / kTwipsPerInch},
    {PictureId::BoxColumnSketch, ":/pictures/svg/box-column-sketch.svg", 3.486, 8.939},
    {PictureId::BoxSectionFormula, ":/pictures/svg/box-section-formula.svg", 2.8, 1.5},
}};

constexpr QPoint kHandPointerHotSpot{13, 2};

const PictureEntry& entryFor(PictureId id) {
  for (const auto& entry : kPictures) {
    if (entry.id == id) {
      return entry;
    }
  }
  return kPictures.front();
}

QImage renderedImage(PictureId id, const QSize& pixelSize) {
  QImage image(pixelSize, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.setRenderHint(QPainter::TextAntialiasing);
  drawPicture(painter, id, QRectF(QPointF(0, 0), QSizeF(pixelSize)));
  return image;
}

} // namespace

QSizeF naturalSizeInches(PictureId id) {
  const auto& entry = entryFor(id);
  return {entry.widthInches, entry.heightInches};
}

QSize naturalSizePixels(PictureId id) {
  const QSizeF inches = naturalSizeInches(id);
  return {static_cast<int>(std::lround(inches.width() * kPixelsPerInch)),
          static_cast<int>(std::lround(inches.height() * kPixelsPerInch))};
}

QString resourcePath(PictureId id) {
  return QString::fromLatin1(entryFor(id).path);
}

void drawPicture(QPainter& painter, PictureId id, const QRectF& target) {
  VectorPicture(resourcePath(id)).draw(painter, target);
}

QPixmap picturePixmap(PictureId id, qreal devicePixelRatio) {
  const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
  const QSize logical = naturalSizePixels(id);
  const QSize device(static_cast<int>(std::lround(logical.width() * ratio)),
                     static_cast<int>(std::lround(logical.height() * ratio)));
  QPixmap pixmap = QPixmap::fromImage(renderedImage(id, device));
  pixmap.setDevicePixelRatio(ratio);
  return pixmap;
}

QIcon pipeIcon() {
  QIcon icon;
  for (const int side : {16, 24, 32, 48, 64}) {
    icon.addPixmap(QPixmap::fromImage(renderedImage(PictureId::PipeIcon, QSize(side, side))));
  }
  return icon;
}

QCursor handPointerCursor() {
  const QPixmap pixmap = picturePixmap(PictureId::HandPointer);
  return QCursor(pixmap, kHandPointerHotSpot.x(), kHandPointerHotSpot.y());
}

QPoint handPointerHotSpot() {
  return kHandPointerHotSpot;
}

} // namespace pictures
