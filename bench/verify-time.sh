#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times `pipecolumn-cli verify` of a package of 600 columns, written by the same calculator, on the
# machine's cores. Usage: bash bench/verify-time.sh [PIPECOLUMN-CLI] [RUNS]
set -euo pipefail
cli=${1:-build/release/app/pipecolumn-cli}
runs=${2:-3}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
export QT_QPA_PLATFORM=offscreen

python3 - "$folder/big.pipecolumn" <<'PY'
import json, sys
sizes = [(114.3, 3.2, 8000), (139.8, 4.0, 15000), (165.2, 4.5, 22000), (216.3, 5.8, 35000),
         (60.5, 2.3, 900), (267.4, 6.0, 55000)]
columns = [{"mark": f"C{i + 1}", "outside_diameter_mm": d, "wall_thickness_mm": t,
            "height_m": 3 + i % 5, "k_factor": 0.85, "axial_load_kg": p}
           for i, (d, t, p) in enumerate(sizes[i % len(sizes)] for i in range(600))]
json.dump({"schema": 1, "header": {"project": "Bench", "engineer": "วิศวกร ข"},
           "columns": columns}, open(sys.argv[1], "w"))
PY
"$cli" schedule "$folder/big.pipecolumn" --sheets "$folder/big.pdf" > /dev/null || true
echo "pages: $(pdfinfo "$folder/big.pdf" | awk '/^Pages:/ {print $2}'), cores: $(nproc)"
for run in $(seq "$runs"); do
  /usr/bin/time -o "$folder/time.txt" -f "%e s wall, %U s user, %S s system, %M KB peak" \
    "$cli" verify "$folder/big.pdf" > "$folder/out.txt" || true
  echo "run $run: $(cat "$folder/time.txt"); $(tail -1 "$folder/out.txt")"
done
