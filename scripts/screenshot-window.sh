#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the window on a virtual X server and saves what it shows as a PNG.
# Usage: scripts/screenshot-window.sh [OUTPUT.png] [PROGRAM]
# QT_SCALE_FACTOR=2 in the environment gives a high-density screenshot; SCREEN_SIZE=WxH sets the
# virtual screen (default 1600x1200, room for the window at twice its size).
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
output=${1:-window.png}
program=${2:-}
if [ -z "$program" ]; then
  for candidate in "$here"/build/release/app/pipecolumn "$here"/build-window/app/pipecolumn "$here"/build/app/pipecolumn; do
    if [ -x "$candidate" ]; then
      program=$candidate
      break
    fi
  done
fi
if [ -z "$program" ] || [ ! -x "$program" ]; then
  echo "screenshot-window.sh: build the program first (target pipecolumn)" >&2
  exit 1
fi
case $output in
  /*) ;;
  *) output=$(pwd)/$output ;;
esac

QT_QPA_PLATFORM=xcb timeout 60 xvfb-run --auto-servernum --server-args="-screen 0 ${SCREEN_SIZE:-1600x1200}x24" \
  "$program" --screenshot "$output"
echo "$output"
