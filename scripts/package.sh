#!/usr/bin/env bash
# Builds the Debian package into build/release (pipecolumn_<version>_<arch>.deb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh release
(cd build/release && cpack -G DEB >/dev/null)
ls build/release/pipecolumn_*.deb
