// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

// Microseconds since the epoch on the wall clock, the clock bash's EPOCHREALTIME reads.
inline long long WallMicroseconds() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return now.tv_sec * 1000000LL + now.tv_nsec / 1000;
}

// The peak resident memory of this process so far, in kB (VmHWM).
inline long PeakResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) {
      return std::strtol(line.c_str() + 6, nullptr, 10);
    }
  }
  return -1;
}

// The processor time this process has used so far, all its threads, in milliseconds: unlike the
// wall clock, it hardly grows when other processes share the cores.
inline double ProcessorMilliseconds() {
  timespec used{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
  return used.tv_sec * 1000.0 + used.tv_nsec / 1e6;
}

// Prints one line for bench/start-time.sh: milliseconds from the launch time the script handed
// over in START_US (or from main when absent) to now, the peak memory and the processor time so
// far.
inline void ReportFirstPaint(const char* program, long long mainMicroseconds) {
  const char* start = std::getenv("START_US");
  const long long from = start != nullptr ? std::atoll(start) : mainMicroseconds;
  std::printf("%s first-paint-ms %.2f from-main-ms %.2f peak-rss-kb %ld cpu-ms %.2f\n", program,
              (WallMicroseconds() - from) / 1000.0,
              (WallMicroseconds() - mainMicroseconds) / 1000.0, PeakResidentKb(),
              ProcessorMilliseconds());
  std::fflush(stdout);
}
