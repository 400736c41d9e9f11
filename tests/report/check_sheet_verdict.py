#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The capacity line of a real PDF sheet says OK only for a column that carries its load.
Usage: check_sheet_verdict.py PIPECOLUMN-CLI"""
import os
import re
import subprocess
import sys
import tempfile

CASES = [  # load, exit status, the line's tail as pdftotext reads it
    ("8000", 0, r"10280\s*kg\.\s*>\s*8000\s*kg\.\s*OK$"),
    ("12000", 1, r"10280\s*kg\.\s*<\s*12000\s*kg\.\s*NOT OK$"),
]


def main(cli):
    failures = 0
    with tempfile.TemporaryDirectory() as folder:
        for load, status, tail in CASES:
            pdf = os.path.join(folder, f"sheet-{load}.pdf")
            run = subprocess.run([cli, "--load", load, "--sheet", pdf], capture_output=True)
            text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True,
                                  text=True).stdout if os.path.exists(pdf) else ""
            lines = [line.strip() for line in text.splitlines() if "10280" in line and "<" in line
                     or "10280" in line and ">" in line]
            if run.returncode != status or len(lines) != 1 or not re.search(tail, lines[0]):
                failures += 1
                print(f"load {load}: exit {run.returncode}, capacity line {lines}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
