#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Recomputes every row of the sweep's golden table with the independent reference calculation
and fails on the first column that differs. Usage: check_golden.py REFERENCE.py GOLDEN.csv"""
import csv
import importlib.util
import sys
from decimal import Decimal


def main(reference_path, golden_path):
    module = importlib.util.spec_from_file_location("reference", reference_path)
    reference = importlib.util.module_from_spec(module)
    module.loader.exec_module(reference)

    mismatches = 0
    rows = 0
    with open(golden_path, newline="") as table:
        for row in csv.DictReader(table):
            rows += 1
            q = reference.run(*(float(row[name]) for name in ("D", "T", "H", "K", "P")))
            if q is None or row["verdict"] == "impossible":
                if not (q is None and row["verdict"] == "impossible"):
                    mismatches += 1
                    print(f"{row['D']} x {row['T']}: refused by one side only")
                continue
            expected = {
                "lambda": q["lam"],
                "Qac": q["Qac"],
                "A": q["A"],
                "AxialCapacity": q["cap"],
                "MaxAxialForce": q["maxf"],
                "PlateSize": q["B"],
                "BearingPressure": q["fp"],
                "PlateThickness": q["t"],
                "PlateThicknessMm": q["tmm"],
                "verdict": "pass" if q["passes"] else "fail",
            }
            for column, value in expected.items():
                actual = row[column]
                same = actual == value if column == "verdict" else Decimal(actual) == Decimal(value)
                if not same:
                    mismatches += 1
                    print(f"{row['D']} x {row['T']} H={row['H']} K={row['K']} P={row['P']}: "
                          f"{column} is {actual}, the reference gives {value}")
    print(f"{rows} rows checked, {mismatches} mismatches")
    return 1 if mismatches or rows == 0 else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
