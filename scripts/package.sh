#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package into build/release (pipecolumn_<version>_<arch>.deb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
# The package installs under /usr; paths compiled into the programs (the handbook's) must agree.
cmake --preset release -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
bash scripts/build.sh release
(cd build/release && cpack -G DEB >/dev/null)
ls build/release/pipecolumn_*.deb
