// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

// Runs the registered benchmarks inside a Qt application of the kind they need (QApplication for
// widgets, QGuiApplication for painting alone).
template <typename Application> int RunBenchmarksInside(int argc, char* argv[]) {
  Application application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
