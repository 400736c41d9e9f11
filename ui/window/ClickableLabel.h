// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

class QMouseEvent;
class QPaintEvent;

namespace ui {

// A single-line caption that reports a click: the left button pressed and released over it.
// Shows its text literally (never as markup) and sizes itself to it; the left and top edges stay.
// A caption longer than the room to its parent's right edge ends in "…" there, whole in its
// tooltip.
class ClickableLabel : public QLabel {
  Q_OBJECT
public:
  explicit ClickableLabel(QWidget* parent = nullptr);

  // Sets the caption and resizes the label to fit it.
  void setCaption(const QString& text);

signals:
  void clicked();

protected:
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  bool pressed_ = false;
  // The room from the left edge to the parent's right edge; the label's own width without a parent.
  int room() const;

  bool fitted_ = false;       // the size follows the current caption in the current font
  bool tipIsCaption_ = false; // the tooltip was set to show a caption cut short
};

} // namespace ui
