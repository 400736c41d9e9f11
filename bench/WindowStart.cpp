// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start steps (those of app/pipecolumn.cpp), ending at the window's first paint:
// prints the time since launch and the peak memory, then leaves. With --form-only it starts the
// form alone, as the program did before it held projects, to set the window's start beside it.

#include "FirstPaint.h"
#include "StartClock.h"

#include "engine/Version.h"
#include "ui/pictures/Pictures.h"
#include "ui/window/ColumnForm.h"
#include "ui/window/ProjectWindow.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// With PHASES=1 in the environment, the time since main at each start step goes to stderr.
void Phase(const char* step, long long mainMicroseconds) {
  static const bool enabled = std::getenv("PHASES") != nullptr;
  if (enabled) {
    std::fprintf(stderr, "%8.2f ms  %s\n", (WallMicroseconds() - mainMicroseconds) / 1000.0, step);
  }
}

} // namespace

int main(int argc, char* argv[]) {
  const long long mainMicroseconds = WallMicroseconds();
  QApplication app(argc, argv);
  Phase("application", mainMicroseconds);
  QApplication::setApplicationName(QStringLiteral("pipecolumn"));
  QApplication::setApplicationVersion(QString::fromLatin1(engine::kVersion));

  const bool formOnly = argc > 1 && std::strcmp(argv[1], "--form-only") == 0;
  std::unique_ptr<QWidget> window;
  if (formOnly) {
    QApplication::setWindowIcon(pictures::pipeIcon());
    Phase("window icon", mainMicroseconds);
    auto form = std::make_unique<ui::ColumnForm>();
    form->centreOnScreen();
    window = std::move(form);
  } else {
    auto project = std::make_unique<ui::ProjectWindow>();
    QApplication::setWindowIcon(project->windowIcon());
    project->centreOnScreen();
    window = std::move(project);
  }
  Phase("window built", mainMicroseconds);
  FirstPaint painted([&] {
    Phase("first paint", mainMicroseconds);
    ReportFirstPaint(formOnly ? "form" : "pipecolumn", mainMicroseconds);
    std::printf("window-size %dx%d\n", window->width(), window->height());
    QCoreApplication::quit();
  });
  window->installEventFilter(&painted);
  window->show();
  Phase("shown", mainMicroseconds);
  return QApplication::exec();
}
