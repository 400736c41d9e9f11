#pragma once

#include "engine/PictureId.h"

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QPoint>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>

class QPainter;

namespace pictures {

// Size the picture declares for itself; bitmaps count 96 pixels to the inch.
QSizeF naturalSizeInches(engine::PictureId id);

// Natural size in device-independent pixels at 96 pixels per inch, rounded.
QSize naturalSizePixels(engine::PictureId id);

bool isVectorPicture(engine::PictureId id);

// Qt resource path of the picture's file, e.g. ":/pictures/column-sketch.svg".
QString resourcePath(engine::PictureId id);

// Draws the picture stretched into target; vector pictures stay vectors, so the same call serves
// the screen, a printer and a PDF.
void drawPicture(QPainter& painter, engine::PictureId id, const QRectF& target);

// The picture rendered at its natural size for the screen, transparent where the picture is.
QPixmap picturePixmap(engine::PictureId id, qreal devicePixelRatio = 1.0);

QIcon pipeIcon();

QCursor handPointerCursor();

// Hot spot of the hand pointer in its 32 x 32 image: the tip of the index finger.
QPoint handPointerHotSpot();

} // namespace pictures
