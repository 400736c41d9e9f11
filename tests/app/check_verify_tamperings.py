#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""`verify` holds every page of a package against the document drawn anew: one changed glyph of
each kind of line on a sheet, the summary and the second opinion's page, a patch laid over a
figure and a note written on the page are each found (exit 1); faithful rewrites by PDF tools
still verify (exit 0). A row whose tool is missing is skipped.
Usage: check_verify_tamperings.py PIPECOLUMN-CLI"""
import os
import shutil
import subprocess
import sys
import tempfile

try:
    import pikepdf  # noqa: F401
except ImportError:
    if os.path.exists("/usr/bin/python3") and sys.executable != "/usr/bin/python3":
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    print("skip: pikepdf is not installed")
    sys.exit(77)

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pdf_tampering import (free_text_over, patch_over, run, set_subject,  # noqa: E402
                           swap_glyph)

# Page 1 the summary, 2 and 3 the first column's sheet and second opinion, 4 and 5 the second's:
# a slender pipe whose sheet warns.
PROJECT = """{"schema": 1, "header": {"project": "Warehouse B", "engineer": "วิศวกร ข",
  "licence_number": "สย. 12345"}, "print_cross_check": true, "columns": [
  {"mark": "C1", "outside_diameter_mm": 114.3, "wall_thickness_mm": 3.2, "height_m": 4,
   "k_factor": 0.85, "axial_load_kg": 8000},
  {"mark": "C2", "outside_diameter_mm": 60.5, "wall_thickness_mm": 2.3, "height_m": 6,
   "k_factor": 1, "axial_load_kg": 900}]}"""
CHART_SUBJECT = "Allowable stress chart: Qac against KL/r, with the column's point"

# One glyph changed in the run of text that reads so, on the page.
GLYPHS = [
    ("sheet header", 4, "Warehouse"),
    ("sheet Thai line", 4, "ขนาดเส้น"),
    ("sheet input", 4, "60.5"),
    ("sheet formula constant", 4, "1.4"),
    ("sheet result", 4, "4.207"),
    ("sheet warning figure", 4, "KL/r = 291"),
    ("sheet warning text", 4, "เกิน 180"),
    ("sheet base plate", 4, "หนาอย่างน้อย"),
    ("summary figure", 1, "10280"),
    ("summary verdict", 1, "NOT OK"),
    ("summary signature block", 1, "Licence"),
    ("second opinion figure", 3, "10436"),
    ("second opinion verdict", 5, "NOT OK"),
    ("second opinion assumption", 5, "t = 0.93"),
]


def pikepdf_save(source, target):
    pikepdf.open(source).save(target)


def without_info(source, target):
    pdf = pikepdf.open(source)
    del pdf.trailer["/Info"]
    pdf.save(target)


# Faithful rewrites: the tool that must be installed and how it rewrites.
REWRITES = [
    ("qpdf --linearize", "qpdf", lambda s, t: ["qpdf", "--linearize", s, t]),
    ("qpdf --qdf", "qpdf", lambda s, t: ["qpdf", "--qdf", s, t]),
    ("mutool clean -gggg", "mutool", lambda s, t: ["mutool", "clean", "-gggg", s, t]),
    ("pikepdf save", None, pikepdf_save),
    ("Info dropped", None, without_info),
    ("Ghostscript pdfwrite", "gs", lambda s, t: ["gs", "-q", "-dNOPAUSE", "-dBATCH",
                                                 "-sDEVICE=pdfwrite", "-o", t, s]),
]


def main(cli):
    problems = []
    with tempfile.TemporaryDirectory() as folder:
        source = os.path.join(folder, "warehouse.pipecolumn")
        open(source, "w", encoding="utf-8").write(PROJECT)
        package = os.path.join(folder, "package.pdf")
        run(cli, "schedule", source, "--sheets", package)
        changed = os.path.join(folder, "changed.pdf")

        def verify(pdf, status, page, what, picture=False):
            verified = run(cli, "verify", pdf)
            named = page is None or f"page {page} (" in verified.stdout
            pictured = not picture or "the picture differs" in verified.stdout
            if verified.returncode != status or not named or not pictured:
                problems.append(f"{what}: exit {verified.returncode}, expected {status}: "
                                f"{verified.stdout}{verified.stderr}")
            return verified

        for what, page, line in GLYPHS:
            was, now = swap_glyph(package, changed, page, line)
            verified = verify(changed, 1, page, f"{what} ({was} drawn as {now})")
            if f'printed "' not in verified.stdout or now not in verified.stdout:
                problems.append(f"{what}: the printed line is not shown: {verified.stdout}")

        swap_glyph(package, changed, 1, "10280", marked_too=False)
        verify(changed, 1, 1, "a figure drawn otherwise under its marked text", picture=True)
        set_subject(package, changed, CHART_SUBJECT)
        swap_glyph(changed, changed + ".2", 2, "8000")
        verify(changed + ".2", 1, 2, "the chart's Subject with a changed figure")
        patch_over(package, changed, 4, "900", "9000", folder)
        verify(changed, 1, 4, "a white patch with another load", picture=True)
        free_text_over(package, changed, 4, "900", "9000")
        verify(changed, 1, 4, "a FreeText note over the load", picture=True)

        for what, tool, rewrite in REWRITES:
            if tool and not shutil.which(tool):
                print(f"skip: {what}: {tool} is not installed")
                continue
            rewritten = os.path.join(folder, "rewritten.pdf")
            command = rewrite(package, rewritten)
            if isinstance(command, list):
                subprocess.run(command, capture_output=True, check=True)
            verify(rewritten, 0, None, what)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
