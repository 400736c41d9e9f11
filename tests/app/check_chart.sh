#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: check_chart.sh CALCULATOR
# The calculator writes the chart as SVG, silently, with the axis title and the column's label.
set -eu
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
"$1" chart "$folder/column.svg" 2>"$folder/stderr"
test ! -s "$folder/stderr" || { cat "$folder/stderr"; exit 1; }
grep -q 'อัตราส่วนความชะลูด' "$folder/column.svg"
grep -q 'KL/r = 87, Qac = 92 MPa' "$folder/column.svg"
