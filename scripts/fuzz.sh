#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang and libFuzzer (no Qt) and runs each for a bounded time from
# its committed seed corpus. Fails on the first finding; the crashing input is kept in
# build-fuzz/findings/ and can be replayed with: build-fuzz/fuzz/<target> <file>.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET]   (default 40, three targets in two minutes)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-40}
build=build-fuzz
compiler=$(command -v clang++-14 || command -v clang++ || true)
if [ -z "$compiler" ]; then
  echo "fuzz.sh: clang++ not found (Debian: clang-14 libclang-rt-14-dev)" >&2
  exit 1
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$compiler" \
  -DPIPECOLUMN_FUZZ=ON -DPIPECOLUMN_WITH_QT=OFF -DPIPECOLUMN_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target number_text_fuzzer prompt_fuzzer project_file_fuzzer \
  -- -j"$(nproc)"

export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for target in number_text_fuzzer prompt_fuzzer project_file_fuzzer; do
  corpus=$build/corpus/$target # the seeds plus what this machine found, kept between runs
  findings=$build/findings/$target
  mkdir -p "$corpus" "$findings"
  echo "== $target: ${seconds}s"
  if ! "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=4096 -print_final_stats=1 -artifact_prefix="$findings/" \
    "$corpus" "fuzz/corpus/$target" >"$build/$target.log" 2>&1; then
    status=1
    grep -A40 -E '^==[0-9]+==ERROR|property violated|runtime error|deadly signal|ERROR: libFuzzer' \
      "$build/$target.log" | head -80 >&2 || tail -40 "$build/$target.log" >&2
    echo "== $target: FINDING, input kept in $findings/" >&2
  fi
  grep -E '^stat::(number_of_executed_units|peak_rss_mb)|^Done|cov:' "$build/$target.log" | tail -3
done
exit $status
