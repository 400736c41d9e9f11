// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "project/Today.h"
#include "ui/startup/RuntimeFolder.h"

#include "form/FormState.h"
#include "report/CalculationSheet.h"
#include "report/DocumentProperties.h"
#include "report/ProjectPackage.h"
#include "ui/chart/ChartFile.h"
#include "ui/chart/DesignPoint.h"
#include "ui/printing/SheetPrinters.h"

#include <QGuiApplication>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <memory>
#include <stdexcept>

#include <unistd.h>

namespace {

// The sheet and the chart need Qt's fonts and painter, so a GUI application is created on first
// use only; a run that writes neither never touches Qt. Without a display the offscreen platform
// serves.
void EnsureGuiApplication(std::unique_ptr<QGuiApplication>& application) {
  if (application) {
    return;
  }
  const char* display = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  const bool hasDisplay =
      (display != nullptr && *display != '\0') || (wayland != nullptr && *wayland != '\0');
  if (!hasDisplay && std::getenv("QT_QPA_PLATFORM") == nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }
  ui::EnsureRuntimeFolder();
  static int argc = 1;
  static char name[] = "pipecolumn-cli";
  static char* argv[] = {name, nullptr};
  application = std::make_unique<QGuiApplication>(argc, argv);
}

// Draws a document into a PDF file that exists only once the document ends whole.
void WritePdf(std::unique_ptr<QGuiApplication>& application, const std::string& path,
              const std::function<void(report::Printer&)>& print) {
  EnsureGuiApplication(application);
  const std::unique_ptr<report::Printer> printer = ui::OpenPdfPrinter(path);
  try {
    print(*printer);
  } catch (...) {
    printer->AbortDocument();
    throw;
  }
}

// The pages written so far, on one line of standard error, for a person watching a terminal;
// scripts and logs see nothing of it.
report::PagesDone TerminalProgress(std::size_t columns) {
  if (isatty(STDERR_FILENO) == 0) {
    return {};
  }
  const int total = report::PackagePageCount(columns);
  return [total](int pages) {
    std::fprintf(stderr, "\rpipecolumn-cli: page %d / %d", pages, total);
    if (pages == total) {
      std::fputc('\n', stderr);
    }
    return true;
  };
}

} // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  std::unique_ptr<QGuiApplication> application; // ends before main returns, with Qt still intact
  app::FileWriters writers;
  writers.sheet = [&application](const engine::ColumnAnswer& answer,
                                 const report::SheetHeader& header, const std::string& path) {
    WritePdf(application, path, [&](report::Printer& printer) {
      printer.Describe(report::SheetDescription(answer, header, {}));
      report::PrintCalculationSheet(answer, header, {}, printer);
    });
  };
  writers.package = [&application](const project::Project& project,
                                   std::span<const engine::ColumnAnswer> answers,
                                   const std::string& date, const std::string& path) {
    WritePdf(application, path, [&](report::Printer& printer) {
      report::PrintProjectPackage(project, answers, date, {}, printer,
                                  TerminalProgress(answers.size()));
    });
  };
  writers.today = project::Today();
  const auto writeChart = [&application](const engine::ColumnAnswer& answer,
                                         const std::string& path) {
    EnsureGuiApplication(application);
    std::vector<ui::ChartColumn> columns;
    if (const std::optional<ui::ChartColumn> point = ui::DesignPointOf(answer)) {
      columns.push_back(*point);
    }
    const QString error = ui::WriteStressChart(
        QString::fromStdString(path), ui::StressChart::For(answer.inputs.materials, columns),
        report::ChartDescription({}, answer.inputs));
    if (!error.isEmpty()) {
      throw std::runtime_error(error.toStdString());
    }
  };
  writers.chart = writeChart;
  writers.redraw = [&application, writeChart](
                       const report::PrintRecord& record, const project::Project& project,
                       std::span<const engine::ColumnAnswer> answers, const std::string& path) {
    if (answers.empty()) {
      throw std::invalid_argument("the project has no column to draw");
    }
    if (record.kind == report::DocumentKind::Chart) {
      writeChart(answers.front(), path);
      return;
    }
    WritePdf(application, path, [&](report::Printer& printer) {
      if (record.kind == report::DocumentKind::Package) {
        report::PrintProjectPackage(project, answers, record.date, record.format, printer);
        return;
      }
      const report::SheetHeader header = report::ColumnSheetHeader(project, 0);
      printer.Describe(report::SheetDescription(answers.front(), header, record.format));
      report::PrintCalculationSheet(answers.front(), header, record.format, printer);
    });
  };
  return static_cast<int>(app::RunCommandLine(arguments, std::cout, std::cerr, writers));
}
