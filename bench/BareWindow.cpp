// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for bench/start-time.sh: a bare Qt Widgets program that shows one empty window of the
// program's size and leaves after its first paint. With --thai-label the window carries one label
// with a Thai caption, which shows what font set-up and Thai text shaping alone cost.

#include "FirstPaint.h"
#include "StartClock.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[]) {
  const long long mainMicroseconds = WallMicroseconds();
  QApplication app(argc, argv);
  QWidget window;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--thai-label") == 0) {
      auto* label = new QLabel(QStringLiteral("เสาท่อกลมนี้รับน้ำหนักได้ OK"), &window);
      label->move(20, 20);
      continue;
    }
    // The program's window size ("WIDTHxHEIGHT"), else Qt's default.
    char* end = nullptr;
    const long width = std::strtol(argv[i], &end, 10);
    const long height = *end == 'x' ? std::strtol(end + 1, nullptr, 10) : 0;
    if (width > 0 && height > 0) {
      window.resize(static_cast<int>(width), static_cast<int>(height));
    }
  }
  FirstPaint painted([&] {
    ReportFirstPaint("bare", mainMicroseconds);
    QCoreApplication::quit();
  });
  window.installEventFilter(&painted);
  window.show();
  return QApplication::exec();
}
