# SPDX-License-Identifier: GPL-3.0-or-later
# Who releases the package and when: read by the package, its changelog, the AppStream metadata
# and the manual pages.
set(PIPECOLUMN_MAINTAINER "pipecolumn developers <dev@pipecolumn.example.org>")
set(PIPECOLUMN_RELEASE_DATE 2026-12-08)
