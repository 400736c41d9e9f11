#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds one preset (default: release) after installing what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-release}
bash scripts/setup-debian.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -- -j"$(nproc)"
