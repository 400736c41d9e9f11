#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test (no display needed): the suite in the
# release build and under the sanitizers, then the fuzz targets for a minute each.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh release
export QT_QPA_PLATFORM=offscreen
# On CI's throw-away machine the sheet is also printed through a real print server, on a virtual
# PDF printer; elsewhere that test skips, and no printer of the user's is ever used.
if [ "${CI:-}" = "true" ]; then
  if out=$(bash scripts/virtual-printer.sh); then
    export PIPECOLUMN_TEST_PRINTER_OUT=$out
  else
    echo "test.sh: no virtual printer could be set up; the print-system test will skip" >&2
  fi
fi
ctest --preset release -j"$(nproc)"
# The same suite under AddressSanitizer and UndefinedBehaviorSanitizer (leaks included), then a
# bounded run of every fuzz target.
bash scripts/build.sh asan
ctest --preset asan -j"$(nproc)"
bash scripts/fuzz.sh
