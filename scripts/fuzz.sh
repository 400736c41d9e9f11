#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang and libFuzzer (no Qt) and runs each for a bounded time from
# its committed seed corpus. Fails when a target finds something; the input is kept in
# build-fuzz/findings/ and can be replayed with: build-fuzz/fuzz/<target> <file>.
# Usage: scripts/fuzz.sh [SECONDS]   (default 60: the three targets side by side for a minute)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=build-fuzz
compiler=$(command -v clang++-14 || command -v clang++ || true)
if [ -z "$compiler" ]; then
  echo "fuzz.sh: clang++ not found (Debian: clang-14 libclang-rt-14-dev)" >&2
  exit 1
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$compiler" \
  -DCMAKE_UNITY_BUILD=ON -DPIPECOLUMN_FUZZ=ON -DPIPECOLUMN_WITH_QT=OFF -DPIPECOLUMN_BUILD_TESTS=OFF \
  >/dev/null
cmake --build "$build" --target number_text_fuzzer prompt_fuzzer project_file_fuzzer \
  -- -j"$(nproc)"

export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The targets run side by side, so on two cores each still gets about two thirds of its time in CPU.
targets=(number_text_fuzzer prompt_fuzzer project_file_fuzzer)
declare -A running
for target in "${targets[@]}"; do
  corpus=$build/corpus/$target # the seeds plus what this machine found, kept between runs
  mkdir -p "$corpus" "$build/findings/$target"
  echo "== $target: ${seconds}s"
  "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=4096 -print_final_stats=1 -artifact_prefix="$build/findings/$target/" \
    "$corpus" "fuzz/corpus/$target" >"$build/$target.log" 2>&1 &
  running[$target]=$!
done
status=0
for target in "${targets[@]}"; do
  log=$build/$target.log
  if ! wait "${running[$target]}"; then
    status=1
    grep -A40 -E '^==[0-9]+==ERROR|property violated|runtime error|deadly signal|ERROR: libFuzzer' \
      "$log" | head -80 >&2 || tail -40 "$log" >&2
    echo "== $target: FINDING, input kept in $build/findings/$target/" >&2
  fi
  echo "== $target:"
  grep -E '^stat::(number_of_executed_units|peak_rss_mb)|^Done|cov:' "$log" | tail -3
done
exit $status
