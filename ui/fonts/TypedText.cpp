// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fonts/TypedText.h"

#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>

#include <utility>

namespace ui {

bool TypedPdfWriter::newPage() {
  if (!QPdfWriter::newPage()) {
    return false;
  }
  pages_.emplace_back();
  return true;
}

void TypedPdfWriter::addWord(TypedWord word) {
  pages_.back().push_back(std::move(word));
}

void DrawTypedText(QPainter& painter, const QPointF& origin, const QString& text) {
  auto* writer = dynamic_cast<TypedPdfWriter*>(painter.device());
  if (writer == nullptr) {
    painter.drawText(origin, text);
    return;
  }
  if (painter.pen().style() == Qt::NoPen) {
    return; // the PDF writer draws no text without a pen, so there is no run to note
  }
  // The whole line is shaped once, so each word keeps the glyphs and places drawText gives it.
  QTextLayout layout(text, painter.font(), painter.device());
  layout.beginLayout();
  QTextLine line = layout.createLine();
  line.setNumColumns(static_cast<int>(text.size()));
  layout.endLayout();
  const QPointF topLeft = origin - QPointF(0, line.ascent());
  for (qsizetype start = 0; start < text.size();) {
    if (text[start] == u' ') {
      ++start;
      continue;
    }
    qsizetype end = text.indexOf(u' ', start);
    if (end < 0) {
      end = text.size();
    }
    int drawn = 0;
    for (const QGlyphRun& run :
         layout.glyphRuns(static_cast<int>(start), static_cast<int>(end - start))) {
      if (!run.glyphIndexes().isEmpty()) {
        painter.drawGlyphRun(topLeft, run);
        ++drawn;
      }
    }
    writer->addWord({text.mid(start, end - start), drawn});
    start = end;
  }
}

} // namespace ui
