// The desktop program: one window for the design check of a round steel pipe column.

#include "engine/Version.h"
#include "ui/pictures/Pictures.h"
#include "ui/window/MainWindow.h"
#include "ui/window/ThaiFonts.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

namespace {

constexpr const char* kUsage = "Usage: pipecolumn [--version] [--help]\n"
                               "Opens the window for the design check of a round steel pipe\n"
                               "column and the sizing of its base plate.\n";

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
  std::optional<QString> screenshot;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("pipecolumn %s\n", engine::kVersion);
      return 0;
    }
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kUsage, stdout);
      return 0;
    }
    // Undocumented: for the screenshot script.
    if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
      screenshot = QString::fromLocal8Bit(argv[++i]);
    }
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("pipecolumn"));
  QApplication::setApplicationVersion(QString::fromLatin1(engine::kVersion));
  QApplication::setWindowIcon(pictures::pipeIcon());
  ui::InstallThaiFontSubstitutions();

  ui::MainWindow window;
  window.centreOnScreen();
  window.show();
  if (screenshot) {
    ScreenshotWhenShown(window, *screenshot);
  }
  return QApplication::exec();
}
