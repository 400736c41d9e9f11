// SPDX-License-Identifier: GPL-3.0-or-later
// A project of many columns: checking all of them and writing the results CSV, and printing the
// whole package into a PDF, per page.

#include "project/CsvExport.h"
#include "project/Project.h"
#include "project/ProjectCheck.h"
#include "report/ProjectPackage.h"
#include "ui/printing/SheetPrinters.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include "QtBenchmarkMain.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// Columns of every kind: passing, failing, slender and stocky, with Thai marks.
project::Project ManyColumns(std::size_t count) {
  project::Project project = project::NewProject();
  project.columns.clear();
  for (std::size_t i = 0; i < count; ++i) {
    project::ColumnEntry column;
    column.mark = "เสา C-" + std::to_string(i + 1);
    column.inputs.heightM = 2 + static_cast<double>(i % 9);
    column.inputs.axialLoadKg = 1000 + static_cast<double>(i % 17) * 1500;
    column.inputs.kFactor = 0.6 + static_cast<double>(i % 5) * 0.3;
    project.columns.push_back(column);
  }
  return project;
}

void CheckThousandColumnsAndWriteResultsCsv(benchmark::State& state) {
  const project::Project project = ManyColumns(1000);
  for (auto _ : state) {
    const project::ProjectResults results = project::CheckProject(project);
    benchmark::DoNotOptimize(project::ResultsCsv(project, results).size());
  }
}
BENCHMARK(CheckThousandColumnsAndWriteResultsCsv)->Unit(benchmark::kMillisecond);

// The package of a project into a PDF in memory; the figure per page is the time over the pages.
void PackageToPdf(benchmark::State& state) {
  const project::Project project = ManyColumns(static_cast<std::size_t>(state.range(0)));
  const auto columns = project::CheckProject(project).columns;
  const QString dir =
      QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
  const std::string path = (dir + QStringLiteral("/pipecolumn-package-bench.pdf")).toStdString();
  for (auto _ : state) {
    const std::unique_ptr<report::Printer> printer = ui::OpenPdfPrinter(path);
    report::PrintProjectPackage(project, columns, "2026-12-08", {}, *printer);
  }
  const double pages = report::PackagePageCount(columns.size());
  state.counters["pages"] = pages;
  // Seconds per page: the time over every page printed.
  state.counters["s_per_page"] = benchmark::Counter(
      pages, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  QFile::remove(QString::fromStdString(path));
}
BENCHMARK(PackageToPdf)->Arg(12)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
  return RunBenchmarksInside<QGuiApplication>(argc, argv);
}
