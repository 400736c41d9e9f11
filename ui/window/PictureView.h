// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/Printer.h"

#include <QPixmap>
#include <QWidget>

namespace ui {

// Shows one of the program's pictures filling the widget, rendered afresh for the device pixel
// ratio of the screen it is on so that it stays sharp on high-density screens.
class PictureView : public QWidget {
  Q_OBJECT
public:
  PictureView(report::PictureId picture, QWidget* parent = nullptr);

  report::PictureId picture() const { return picture_; }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  report::PictureId picture_;
  QPixmap rendered_;
};

} // namespace ui
