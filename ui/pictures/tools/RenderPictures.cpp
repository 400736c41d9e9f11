// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the fixed pictures for looking at them: every picture at natural size and at 4x as PNG,
// plus the report pictures in one PDF.  Usage: render-pictures <folder>
#include "ui/pictures/Pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextStream>

#include <array>

namespace {

using report::PictureId;

struct NamedPicture {
  PictureId id;
  const char* name;
};

constexpr std::array<NamedPicture, 10> kNamedPictures{{
    {PictureId::PipeIcon, "pipe-icon"},
    {PictureId::HandPointer, "hand-pointer"},
    {PictureId::HandbookCover, "handbook-cover"},
    {PictureId::ColumnDrawing, "column-drawing"},
    {PictureId::ColumnSketch, "column-sketch"},
    {PictureId::GyrationFormula, "gyration-formula"},
    {PictureId::PermissibleStressSheet, "permissible-stress-sheet"},
    {PictureId::BoxColumnDrawing, "box-column-drawing"},
    {PictureId::BoxColumnSketch, "box-column-sketch"},
    {PictureId::BoxSectionFormula, "box-section-formula"},
}};

bool saveOnWhite(const QPixmap& pixmap, const QString& path) {
  QImage image(pixmap.size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.drawPixmap(0, 0, pixmap);
  painter.end();
  return image.save(path);
}

int renderAll(const QString& folder) {
  QDir().mkpath(folder);
  for (const auto& picture : kNamedPictures) {
    const QString base = folder + QLatin1Char('/') + QLatin1String(picture.name);
    QPixmap natural = pictures::picturePixmap(picture.id, 1.0);
    QPixmap large = pictures::picturePixmap(picture.id, 4.0);
    natural.setDevicePixelRatio(1.0);
    large.setDevicePixelRatio(1.0);
    if (!saveOnWhite(natural, base + QStringLiteral(".png")) ||
        !saveOnWhite(large, base + QStringLiteral("@4x.png"))) {
      QTextStream(stderr) << "cannot write " << base << "\n";
      return 1;
    }
  }

  // The report pictures at their natural sizes, placed as on the calculation sheet (twips).
  QPdfWriter pdf(folder + QStringLiteral("/report-pictures.pdf"));
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setResolution(1440);
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  QPainter painter(&pdf);
  // The pipe's sheet, then the box's with its own section pictures in the same places.
  const std::array<std::array<std::pair<PictureId, QPointF>, 3>, 2> pages{{
      {{{PictureId::ColumnSketch, {2400, 3200}},
        {PictureId::GyrationFormula, {5500, 7100}},
        {PictureId::PermissibleStressSheet, {5700, 9300}}}},
      {{{PictureId::BoxColumnSketch, {2400, 3200}},
        {PictureId::BoxSectionFormula, {5500, 7100}},
        {PictureId::PermissibleStressSheet, {5700, 9300}}}},
  }};
  for (const auto& placements : pages) {
    if (&placements != &pages.front()) {
      pdf.newPage();
    }
    for (const auto& [id, topLeft] : placements) {
      const QSizeF inches = pictures::naturalSizeInches(id);
      pictures::drawPicture(painter, id, QRectF(topLeft, inches * 1440));
    }
  }
  return 0;
}

} // namespace

int main(int argc, char* argv[]) {
  QGuiApplication application(argc, argv);
  const QStringList arguments = application.arguments();
  if (arguments.size() == 2) {
    return renderAll(arguments.at(1));
  }
  QTextStream(stderr) << "usage: render-pictures <folder>\n";
  return 2;
}
