// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <memory>

class QPainter;
class QSvgRenderer;

namespace pictures {

// One <text> element: its runs follow each other from the anchor point on one baseline.
struct TextRun {
  QPointF anchor;
  QStringList spans;
  QStringList families;
  qreal size = 16;
  QColor fill = Qt::black;
  Qt::Alignment alignment = Qt::AlignLeft;
  bool bold = false;
  bool italic = false;

  QString text() const { return spans.join(QString()); }
};

// An SVG picture whose shapes QtSvg draws and whose texts are drawn here as real text runs, so
// that a printer or PDF receives searchable text in the first available face of the list
// (QtSvg neither honours a family list nor keeps texts as text on a PDF device).
class VectorPicture {
public:
  explicit VectorPicture(const QString& path);
  ~VectorPicture();
  VectorPicture(const VectorPicture&) = delete;
  VectorPicture& operator=(const VectorPicture&) = delete;

  bool isValid() const;
  QRectF viewBox() const { return viewBox_; }
  // The width and height attributes as written, e.g. "3.486in".
  QString declaredWidth() const { return declaredWidth_; }
  QString declaredHeight() const { return declaredHeight_; }
  const QList<TextRun>& textRuns() const { return textRuns_; }

  void draw(QPainter& painter, const QRectF& target) const;

private:
  void parse(const QByteArray& source);
  void drawText(QPainter& painter, const TextRun& run) const;

  std::unique_ptr<QSvgRenderer> shapes_;
  QRectF viewBox_;
  QString declaredWidth_;
  QString declaredHeight_;
  QList<TextRun> textRuns_;
  bool parsed_ = false;
};

} // namespace pictures
