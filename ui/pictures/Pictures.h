// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/Printer.h"

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

// Size the picture declares for itself.
QSizeF naturalSizeInches(report::PictureId id);

// Natural size in device-independent pixels at 96 pixels per inch, rounded.
QSize naturalSizePixels(report::PictureId id);

// Qt resource path of the picture's file, e.g. ":/pictures/svg/column-sketch.svg".
QString resourcePath(report::PictureId id);

// Draws the picture stretched into target. Every picture is a vector drawing and stays one, so the
// same call serves the screen at any pixel density, a printer and a PDF.
void drawPicture(QPainter& painter, report::PictureId id, const QRectF& target);

// The picture rendered at its natural size for the screen, transparent where the picture is.
QPixmap picturePixmap(report::PictureId id, qreal devicePixelRatio = 1.0);

QIcon pipeIcon();

QCursor handPointerCursor();

// Hot spot of the hand pointer in its 32 x 32 image: the tip of the index finger.
QPoint handPointerHotSpot();

} // namespace pictures
