#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (no display needed): the suite in the
# release build and under the sanitizers, then the fuzz targets for a minute each.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh release
export QT_QPA_PLATFORM=offscreen
ctest --preset release -j"$(nproc)"
# The same suite under AddressSanitizer and UndefinedBehaviorSanitizer (leaks included), then a
# bounded run of every fuzz target.
bash scripts/build.sh asan
ctest --preset asan -j"$(nproc)"
bash scripts/fuzz.sh
