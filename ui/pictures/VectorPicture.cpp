// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pictures/VectorPicture.h"

#include "ui/fonts/TypedText.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace pictures {
namespace {

// Texts are laid out at this pixel size and scaled to their real size, so that glyph advances
// do not depend on how small a picture is drawn.
constexpr qreal kLayoutPixelSize = 100.0;

QStringList parseFamilies(const QString& attribute) {
  QStringList families;
  for (const QString& part : attribute.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
    QString family = part.trimmed();
    if (family.size() >= 2 &&
        (family.front() == QLatin1Char('\'') || family.front() == QLatin1Char('"'))) {
      family = family.mid(1, family.size() - 2);
    }
    if (family == QLatin1String("sans-serif")) {
      family = QStringLiteral("Sans Serif");
    }
    if (!family.isEmpty()) {
      families.append(family);
    }
  }
  return families;
}

Qt::Alignment parseAnchor(QStringView anchor) {
  if (anchor == QLatin1String("middle")) {
    return Qt::AlignHCenter;
  }
  if (anchor == QLatin1String("end")) {
    return Qt::AlignRight;
  }
  return Qt::AlignLeft;
}

TextRun startRun(const QXmlStreamAttributes& attributes) {
  TextRun run;
  run.anchor = QPointF(attributes.value(QLatin1String("x")).toDouble(),
                       attributes.value(QLatin1String("y")).toDouble());
  run.families = parseFamilies(attributes.value(QLatin1String("font-family")).toString());
  if (attributes.hasAttribute(QLatin1String("font-size"))) {
    run.size = attributes.value(QLatin1String("font-size")).toDouble();
  }
  if (attributes.hasAttribute(QLatin1String("fill"))) {
    run.fill = QColor(attributes.value(QLatin1String("fill")).toString());
  }
  run.alignment = parseAnchor(attributes.value(QLatin1String("text-anchor")));
  run.bold = attributes.value(QLatin1String("font-weight")) == QLatin1String("bold");
  run.italic = attributes.value(QLatin1String("font-style")) == QLatin1String("italic");
  return run;
}

QRectF parseViewBox(QStringView attribute) {
  const auto numbers = attribute.toString()
                           .simplified()
                           .replace(QLatin1Char(','), QLatin1Char(' '))
                           .split(QLatin1Char(' '), Qt::SkipEmptyParts);
  if (numbers.size() != 4) {
    return {};
  }
  return {numbers[0].toDouble(), numbers[1].toDouble(), numbers[2].toDouble(),
          numbers[3].toDouble()};
}

} // namespace

VectorPicture::VectorPicture(const QString& path) {
  QFile file(path);
  if (file.open(QIODevice::ReadOnly)) {
    parse(file.readAll());
  }
}

VectorPicture::~VectorPicture() = default;

bool VectorPicture::isValid() const {
  return parsed_ && shapes_ && shapes_->isValid() && viewBox_.isValid();
}

void VectorPicture::parse(const QByteArray& source) {
  QByteArray shapesOnly;
  QXmlStreamReader reader(source);
  QXmlStreamWriter writer(&shapesOnly);
  int textDepth = 0;
  TextRun run;
  while (!reader.atEnd()) {
    reader.readNext();
    if (reader.isStartElement() && reader.name() == QLatin1String("svg") && !viewBox_.isValid()) {
      viewBox_ = parseViewBox(reader.attributes().value(QLatin1String("viewBox")));
      declaredWidth_ = reader.attributes().value(QLatin1String("width")).toString();
      declaredHeight_ = reader.attributes().value(QLatin1String("height")).toString();
    }
    if (reader.isStartElement() && reader.name() == QLatin1String("text")) {
      if (textDepth++ == 0) {
        run = startRun(reader.attributes());
      }
      continue;
    }
    if (textDepth > 0) {
      if (reader.isStartElement()) {
        ++textDepth;
      } else if (reader.isEndElement() && --textDepth == 0) {
        textRuns_.append(run);
      } else if (reader.isCharacters()) {
        QString piece = reader.text().toString();
        piece.replace(QLatin1Char('\n'), QLatin1Char(' '))
            .replace(QLatin1Char('\t'), QLatin1Char(' '));
        run.spans.append(piece);
      }
      continue;
    }
    writer.writeCurrentToken(reader);
  }
  if (reader.hasError()) {
    return;
  }
  shapes_ = std::make_unique<QSvgRenderer>(shapesOnly);
  shapes_->setAspectRatioMode(Qt::IgnoreAspectRatio);
  parsed_ = true;
}

void VectorPicture::draw(QPainter& painter, const QRectF& target) const {
  if (!isValid()) {
    return;
  }
  shapes_->render(&painter, target);
  painter.save();
  painter.translate(target.topLeft());
  painter.scale(target.width() / viewBox_.width(), target.height() / viewBox_.height());
  painter.translate(-viewBox_.topLeft());
  for (const TextRun& run : textRuns_) {
    drawText(painter, run);
  }
  painter.restore();
}

void VectorPicture::drawText(QPainter& painter, const TextRun& run) const {
  QFont font;
  font.setFamilies(run.families);
  font.setPixelSize(static_cast<int>(kLayoutPixelSize));
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setKerning(false);
  font.setBold(run.bold);
  font.setItalic(run.italic);
  const QFontMetricsF metrics(font);
  const QString text = run.text();
  qreal x = 0;
  if (run.alignment == Qt::AlignHCenter) {
    x = -metrics.horizontalAdvance(text) / 2;
  } else if (run.alignment == Qt::AlignRight) {
    x = -metrics.horizontalAdvance(text);
  }
  painter.save();
  painter.translate(run.anchor);
  painter.scale(run.size / kLayoutPixelSize, run.size / kLayoutPixelSize);
  painter.setFont(font);
  painter.setPen(QPen(run.fill));
  ui::DrawTypedText(painter, QPointF(x, 0), text);
  painter.restore();
}

} // namespace pictures
