// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>

#include <functional>
#include <utility>

// Calls `done` once, on the turn of the event loop right after the widget's first paint event has
// been handled (so the first frame has been drawn and handed to the platform).
class FirstPaint : public QObject {
public:
  explicit FirstPaint(std::function<void()> done) : done_(std::move(done)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      QTimer::singleShot(0, this, [this] { done_(); });
    }
    return QObject::eventFilter(watched, event);
  }

private:
  std::function<void()> done_;
  bool seen_ = false;
};
