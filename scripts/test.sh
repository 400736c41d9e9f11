#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh release
export QT_QPA_PLATFORM=offscreen
ctest --preset release -j"$(nproc)"
