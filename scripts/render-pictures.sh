#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders every fixed picture to PNG (natural size and 4x) and the report pictures to a PDF
# with page images, for looking at them.  Usage: scripts/render-pictures.sh [build-dir] [out-dir]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build-pictures"}
out=${2:-"$build/picture-renders"}
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug
fi
cmake --build "$build" --target render-pictures -j2
tool=$(find "$build" -type f -name render-pictures -perm -u+x | head -n 1)
QT_QPA_PLATFORM=offscreen "$tool" "$out"
if command -v pdftoppm >/dev/null 2>&1; then
  pdftoppm -r 150 -png "$out/report-pictures.pdf" "$out/report-page"
fi
echo "renders in $out"
