#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the program next to the floor, in one run: the time from launch to the window's
# first paint and the peak memory, of window_start (the program's own start steps: the project
# window), of window_start --form-only (the form alone, as the program started before it held
# projects), of bare_window (a bare Qt Widgets program showing one empty window of the program's
# size; the target's floor), and of bare_window with one Thai label (what font set-up and Thai
# shaping alone cost), launched in turn so that a drifting machine affects all alike. Prints each
# run and the medians.
# Usage: bench/start-time.sh [RUNS] [BUILD_DIR]   (defaults: 15, build-bench)
# The platform is QT_QPA_PLATFORM (default offscreen); under a display or xvfb-run, use xcb.
set -euo pipefail
export LC_ALL=C
declare -A ms kb
here=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-15}
build=${2:-$here/build-bench}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
window=$build/bench/window_start
bare=$build/bench/bare_window
for program in "$window" "$bare"; do
  [ -x "$program" ] || { echo "start-time.sh: build $program first (bench/README.md)" >&2; exit 1; }
done
[ -x /usr/bin/time ] || { echo "start-time.sh: needs /usr/bin/time (Debian: time)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One launch: prints "FIRST_PAINT_MS PEAK_RSS_KB CPU_MS" (peak over the whole process, from the
# kernel; processor time up to the first paint, which a busy machine hardly changes).
launch() {
  local output
  output=$(START_US=${EPOCHREALTIME/./} /usr/bin/time -o "$work/time" -f '%M' "$@" 2>/dev/null)
  local paint=${output#* first-paint-ms }
  local cpu=${output#* cpu-ms }
  echo "${paint%% *} $(cat "$work/time") ${cpu%%[[:space:]]*}"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

size=$("$window" | sed -n 's/^window-size //p')
launch "$window" >/dev/null # warm the file cache for all four
launch "$window" --form-only >/dev/null
launch "$bare" "$size" >/dev/null
launch "$bare" "$size" --thai-label >/dev/null
names=(program form bare thai)
for name in "${names[@]}"; do : >"$work/$name"; done
for ((i = 1; i <= runs; i++)); do
  launch "$window" >>"$work/program"
  launch "$window" --form-only >>"$work/form"
  launch "$bare" "$size" >>"$work/bare"
  launch "$bare" "$size" --thai-label >>"$work/thai"
done

printf '%-14s %18s %16s %10s\n' "run" "first paint (ms)" "peak RSS (MB)" "CPU (ms)"
for name in "${names[@]}"; do
  awk -v name="$name" '{ printf "%-8s %-5d %18.1f %16.1f %10.1f\n", name, NR, $1, $2 / 1024, $3 }' \
    "$work/$name"
done
declare -A cpu
for name in "${names[@]}"; do
  ms[$name]=$(cut -d' ' -f1 "$work/$name" | median)
  kb[$name]=$(cut -d' ' -f2 "$work/$name" | median)
  cpu[$name]=$(cut -d' ' -f3 "$work/$name" | median)
done
awk -v pm="${ms[program]}" -v fm="${ms[form]}" -v bm="${ms[bare]}" -v tm="${ms[thai]}" \
  -v pk="${kb[program]}" -v fk="${kb[form]}" -v bk="${kb[bare]}" -v tk="${kb[thai]}" -v n="$runs" \
  -v pc="${cpu[program]}" -v fc="${cpu[form]}" -v bc="${cpu[bare]}" \
  -v platform="$QT_QPA_PLATFORM" -v size="$size" 'BEGIN {
  printf "\nmedians of %d launches each, platform %s, window %s\n", n, platform, size
  printf "project window against the form alone (target at most 1.10):\n"
  printf "  first paint %.1f / %.1f ms, ratio %.2f; CPU %.1f / %.1f ms, ratio %.2f; peak %.1f / %.1f MB\n",
         pm, fm, pm / fm, pc, fc, pc / fc, pk / 1024, fk / 1024
  printf "first paint: program %.1f ms, bare %.1f ms, ratio %.2f (target at most 1.5); CPU %.1f / %.1f ms\n",
         pm, bm, pm / bm, pc, bc
  printf "peak memory: program %.1f MB, bare %.1f MB, difference %.1f MB (target at most 20)\n",
         pk / 1024, bk / 1024, (pk - bk) / 1024
  printf "bare with one Thai label: first paint %.1f ms (program ratio %.2f), peak %.1f MB\n",
         tm, pm / tm, tk / 1024
}'
