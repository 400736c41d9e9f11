#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Drives the built window as its user does: the program started with no file, under a window
# manager on a virtual screen, answered with real key presses and mouse clicks (the X server's test
# extension, after the window is activated). After every step the program must still be running; at
# the end the saved project and the exported PDF must hold what was typed.
# Usage: window-e2e.sh PIPECOLUMN PIPECOLUMN-CLI LOCALE
set -euo pipefail

program=$1 cli=$2 locale=$3
if [ -z "${E2E_ON_SCREEN:-}" ]; then
  exec env E2E_ON_SCREEN=1 xvfb-run --auto-servernum --server-args="-screen 0 1600x1200x24" \
    bash "$0" "$@"
fi

work=$(mktemp -d)
saved=$work/tower.pipecolumn
package=$work/tower.pdf
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  kill "$wm" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Where the user clicks, in pixels from the top-left corner of the window's client area: the menu
# bar, then the form as it is laid out (a caption's middle, a field's left part, the clear button).
menu_bar=27
declare -A place=(
  [D]="360 $((menu_bar + 42))" [T]="360 $((menu_bar + 74))" [H]="360 $((menu_bar + 106))"
  [P]="360 $((menu_bar + 138))" [K]="360 $((menu_bar + 170))" [clear]="628 $((menu_bar + 180))"
  [project]="500 $((menu_bar + 213))" [engineer]="500 $((menu_bar + 245))"
  [mark]="500 $((menu_bar + 277))"
)

# One step a line: what the user does, then what it takes. «type» fills a field after a click on
# it; «answer» types into the prompt a click opened, «refused» likewise and then closes the box
# that refuses it; «cancel» closes the prompt with Esc; «file» names a file in the dialog a command
# opened; «unsaved» expects the box that asks about unsaved changes and cancels it; «quit» ends the
# program, which must leave on its own.
steps=$(cat <<EOF
click D
answer 139.8
click T
cancel
click H
refused abc
click H
answer 5
click K
answer 1
click P
answer 9000
click clear
type project E2E Tower
type engineer Somchai Jaidee
type mark C-101
key ctrl+z
key ctrl+shift+z
key alt+f d
file $package
key ctrl+s
file $saved
type mark X
key ctrl+q
unsaved
key ctrl+z
quit
EOF
)

fail() {
  echo "window-e2e ($locale): $*" >&2
  [ -f "$work/stderr" ] && sed 's/^/  program: /' "$work/stderr" >&2
  import -window root "${TMPDIR:-/tmp}/window-e2e-failure.png" 2>/dev/null &&
    echo "  the screen is in ${TMPDIR:-/tmp}/window-e2e-failure.png" >&2
  exit 1
}

trap 'fail "a command failed at step: ${step:-start}"' ERR

visible_windows() { xdotool search --onlyvisible --class pipecolumn 2>/dev/null || true; }

# The one window other than the main one, once it shows.
await_dialog() {
  for _ in $(seq 100); do
    for id in $(visible_windows); do
      [ "$id" != "$main" ] && { echo "$id"; return; }
    done
    sleep 0.1
  done
  fail "no dialog appeared after: $step"
}

await_no_dialog() {
  for _ in $(seq 150); do
    [ "$(visible_windows | grep -vcx "$main")" -eq 0 ] && return
    sleep 0.1
  done
  fail "a dialog stayed open after: $step"
}

# Brings the dialog forward, then types `text` into its focused field after `keys`, and presses
# `last`.
in_dialog() {
  local keys=$1 text=$2 last=$3 dialog
  dialog=$(await_dialog)
  xdotool windowactivate --sync "$dialog"
  [ -z "$keys" ] || xdotool key $keys
  [ -z "$text" ] || xdotool type --delay 20 "$text"
  xdotool key "$last"
}

# Under the sanitizers: the X keyboard library hands strndup an unterminated name of exactly the
# length it gives, which the strict string checks read past though strndup never does.
[ -z "${ASAN_OPTIONS:-}" ] || export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"

openbox >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_ACTIVE_WINDOW && break
  sleep 0.1
done
LANG=$locale LC_ALL=$locale QT_QPA_PLATFORM=xcb "$program" >"$work/stderr" 2>&1 &
pid=$!
main=""
for _ in $(seq 300); do
  main=$(visible_windows | head -n1)
  [ -n "$main" ] && break
  sleep 0.1
done
[ -n "$main" ] || fail "the window never showed"
sleep 0.5

while read -r action argument; do
  step="$action $argument"
  case $action in
    click | type)
      read -r x y <<<"${place[${argument%% *}]}"
      xdotool windowactivate --sync "$main" mousemove --window "$main" "$x" "$y" click 1
      if [ "$action" = type ]; then
        xdotool key --delay 20 End type --delay 20 "${argument#* }"
      fi
      ;;
    answer | file) in_dialog ctrl+a "$argument" Return ;;
    refused)
      in_dialog ctrl+a "$argument" Return
      sleep 0.3 # the prompt gives way to the box that says why
      in_dialog "" "" Return
      ;;
    cancel | unsaved) in_dialog "" "" Escape ;;
    key) xdotool windowactivate --sync "$main" key --delay 100 $argument ;;
    quit)
      xdotool windowactivate --sync "$main" key ctrl+q
      for _ in $(seq 150); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
      kill -0 "$pid" 2>/dev/null && fail "the program did not leave after its saved state was undone to"
      wait "$pid" || fail "the program left with status $?"
      pid=""
      continue
      ;;
  esac
  kill -0 "$pid" 2>/dev/null || fail "the program ended after: $step"
  # A caption's prompt or a command's dialog stays open for the next step.
  [ "$action" = click ] && [ "$argument" != clear ] && continue
  [ "$action" = key ] && continue
  await_no_dialog
  if [ "$action" = unsaved ]; then
    visible_windows | grep -qx "$main" || fail "Cancel in the unsaved-changes box closed the window"
  fi
done <<<"$steps"

# What was typed, as the calculator reads it back from the project file and from the PDF.
expected='{"project": "E2E Tower", "engineer": "Somchai Jaidee", "mark": "C-101",
           "D": 139.8, "T": 3.2, "H": 5, "K": 1, "P": 9000}'
for file in "$saved" "$package"; do
  [ -s "$file" ] || fail "nothing was written to $file"
  "$cli" schedule "$file" --json >"$work/read.json" 2>&1 ||
    fail "schedule could not read $file: $(cat "$work/read.json")"
  python3 - "$work/read.json" "$expected" "$file" <<'PY' || fail "$file does not hold what was typed"
import json, sys
read, expected, name = json.load(open(sys.argv[1])), json.loads(sys.argv[2]), sys.argv[3]
header, (column,) = read["header"], read["columns"]
inputs = column["inputs"]
found = {"project": header.get("project"), "engineer": header.get("engineer"),
         "mark": column.get("mark"), "D": inputs["outside_diameter_mm"],
         "T": inputs["wall_thickness_mm"], "H": inputs["height_m"], "K": inputs["k_factor"],
         "P": inputs["axial_load_kg"]}
if found != expected:
    sys.exit(f"{name}: read {found}, typed {expected}")
PY
done
"$cli" verify "$package" >"$work/verify.txt" || fail "verify refused the exported PDF: $(cat "$work/verify.txt")"
echo "window-e2e ($locale): every step passed"
