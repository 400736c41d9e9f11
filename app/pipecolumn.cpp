// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program: one window for the design check of round steel pipe columns, a project of
// them at a time.

#include "engine/Version.h"
#include "ui/startup/RuntimeFolder.h"
#include "ui/window/ProjectWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <optional>

namespace {

constexpr int kUsageError = 2;

// What the command line asks for: the window (perhaps with a project file to open, perhaps saved
// as a screenshot), or an exit status once the answer has been printed.
struct Request {
  std::optional<int> exitStatus = {};
  std::optional<QString> screenshot = {};
  std::optional<QString> projectFile = {};
};

Request ReadCommandLine(int argc, char* argv[]) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Opens the window for the design check of round steel pipe columns\n"
                     "and the sizing of their base plates."));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Show this help and exit."));
  const QCommandLineOption version(QStringLiteral("version"),
                                   QStringLiteral("Show the version and exit."));
  QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                QStringLiteral("Save the window as PNG once shown, then exit."),
                                QStringLiteral("file"));
  screenshot.setFlags(QCommandLineOption::HiddenFromHelp); // for scripts/screenshot-window.sh
  parser.addOptions({help, version, screenshot});
  parser.addPositionalArgument(QStringLiteral("file"),
                               QStringLiteral("A project file (.pipecolumn) to open."),
                               QStringLiteral("[file]"));

  QStringList arguments;
  for (int i = 0; i < argc; ++i) {
    arguments << QString::fromLocal8Bit(argv[i]);
  }
  const QString usage =
      parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("pipecolumn"));
  // Read before the application exists, so that no answer needs a display.
  if (!parser.parse(arguments) || parser.positionalArguments().size() > 1) {
    const QString error =
        parser.errorText().isEmpty()
            ? QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().at(1))
            : parser.errorText();
    std::fprintf(stderr, "pipecolumn: %s\n%s", qPrintable(error), qPrintable(usage));
    return {.exitStatus = kUsageError};
  }
  if (parser.isSet(help)) {
    std::fputs(qPrintable(usage), stdout);
    return {.exitStatus = 0};
  }
  if (parser.isSet(version)) {
    std::printf("pipecolumn %s\n", engine::kVersion);
    return {.exitStatus = 0};
  }
  Request request;
  if (parser.isSet(screenshot)) {
    request.screenshot = parser.value(screenshot);
  }
  if (!parser.positionalArguments().isEmpty()) {
    request.projectFile = parser.positionalArguments().constFirst();
  }
  return request;
}

// Saves the window as it shows on the screen once it has been drawn, then ends the program.
void ScreenshotWhenShown(QWidget& window, const QString& path) {
  auto* poll = new QTimer(&window);
  poll->setInterval(50);
  QObject::connect(poll, &QTimer::timeout, &window, [&window, path, poll] {
    const QWindow* handle = window.windowHandle();
    if (handle == nullptr || !handle->isExposed()) {
      return;
    }
    poll->stop();
    // One more turn of the event loop so that the first paint has reached the screen.
    QTimer::singleShot(1500, &window, [&window, path] {
      QPixmap shot;
      if (QScreen* screen = window.screen()) {
        shot = screen->grabWindow(window.winId());
      }
      if (shot.isNull()) {
        shot = window.grab();
      }
      const bool saved = shot.save(path, "PNG");
      if (!saved) {
        std::fprintf(stderr, "pipecolumn: cannot write %s\n", qPrintable(path));
      }
      QCoreApplication::exit(saved ? 0 : 1);
    });
  });
  poll->start();
}

} // namespace

int main(int argc, char* argv[]) {
  const Request request = ReadCommandLine(argc, argv);
  if (request.exitStatus) {
    return *request.exitStatus;
  }
  ui::EnsureRuntimeFolder();

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("pipecolumn"));
  QApplication::setApplicationVersion(QString::fromLatin1(engine::kVersion));

  ui::ProjectWindow window;
  QApplication::setWindowIcon(window.windowIcon()); // for the dialogs, without drawing it again
  window.centreOnScreen();
  window.show();
  if (request.projectFile) {
    // Once the window shows, so that a box about a bad file stands over it.
    QTimer::singleShot(0, &window, [&window, &request] { window.openFile(*request.projectFile); });
  }
  if (request.screenshot) {
    ScreenshotWhenShown(window, *request.screenshot);
  }
  return QApplication::exec();
}
