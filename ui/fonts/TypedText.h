// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPdfWriter>
#include <QPointF>
#include <QString>

#include <vector>

class QPainter;

namespace ui {

// A word drawn on a PDF page, and the number of runs of glyphs (one font each) it became.
struct TypedWord {
  QString text;
  int glyphRuns = 0;
};

using TypedPage = std::vector<TypedWord>;

// A PDF writer that keeps, page by page, the words DrawTypedText draws on it, so that the finished
// file can state the text each run of glyphs stands for.
class TypedPdfWriter final : public QPdfWriter {
public:
  using QPdfWriter::QPdfWriter;

  bool newPage() override;
  void addWord(TypedWord word);
  // The words of every page begun so far, in the order drawn.
  const std::vector<TypedPage>& typedPages() const { return pages_; }

private:
  std::vector<TypedPage> pages_ = std::vector<TypedPage>(1);
};

// Draws `text` with the start of its baseline at `origin`, as QPainter::drawText does. On a
// TypedPdfWriter the words between blanks are drawn one after another as the line's own glyphs,
// each noted with its glyph runs.
void DrawTypedText(QPainter& painter, const QPointF& origin, const QString& text);

} // namespace ui
