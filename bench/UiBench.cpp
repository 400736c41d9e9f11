// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt side: the calculation sheet drawn into a PDF, and the window built and shown until its
// first paint. Runs on any platform plugin; QT_QPA_PLATFORM=offscreen needs no display.

#include "FirstPaint.h"

#include "form/FormState.h"
#include "form/PrintCommand.h"
#include "form/ResultCaptions.h"
#include "report/CalculationSheet.h"
#include "tests/doubles/RecordingHost.h"
#include "ui/printing/SheetPrinters.h"
#include "ui/window/ColumnForm.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include "QtBenchmarkMain.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A directory in memory where the system has one, so the figure is the drawing, not the disk.
std::string PdfPath() {
  const QString dir =
      QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
  return (dir + QStringLiteral("/pipecolumn-bench-%1.pdf").arg(QCoreApplication::applicationPid()))
      .toStdString();
}

// The sheet of the worked example: the page set-up, the header, three pictures and the values.
void SheetToPdf(benchmark::State& state) {
  form::FormState form;
  form::Recalculate(form);
  const std::string path = PdfPath();
  for (auto _ : state) {
    const std::unique_ptr<report::Printer> printer = ui::OpenPdfPrinter(path);
    form::PrintFormSheet(form, *printer);
  }
  QFile::remove(QString::fromStdString(path));
}
BENCHMARK(SheetToPdf)->Unit(benchmark::kMillisecond);

// The window from its constructor to its first paint, then closed and destroyed.
void WindowToFirstPaint(benchmark::State& state) {
  for (auto _ : state) {
    form::RecordingHost host;
    ui::ColumnForm window(&host);
    bool painted = false;
    FirstPaint watch([&] { painted = true; });
    window.installEventFilter(&watch);
    window.centreOnScreen();
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!painted && waited.elapsed() < 10000) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    if (!painted) {
      state.SkipWithError("the window was not painted within 10 s");
      break;
    }
    window.close();
  }
}
BENCHMARK(WindowToFirstPaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
  return RunBenchmarksInside<QApplication>(argc, argv);
}
