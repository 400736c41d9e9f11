#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and opens the program's window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh release
if [ -x build/release/app/pipecolumn ]; then
  exec build/release/app/pipecolumn "$@"
fi
exec build/release/app/pipecolumn-cli "$@"
