#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A sheet and a package written by the calculator carry their project: reopened it is the
project written, `verify` finds every page agreeing, one printed digit changed is named, and a
PDF without a project or cut short is refused.
Usage: check_pdf_project.py PIPECOLUMN-CLI"""
import json
import os
import re
import subprocess
import sys
import tempfile

PROJECT = """{"schema": 1, "header": {"project": "Warehouse B", "engineer": "วิศวกร ข",
  "licence_number": "สย. 12345"}, "columns": [
  {"mark": "C1", "outside_diameter_mm": 114.3, "wall_thickness_mm": 3.2, "height_m": 4,
   "k_factor": 0.85, "axial_load_kg": 8000},
  {"mark": "C2", "outside_diameter_mm": 168.3, "wall_thickness_mm": 4.5, "height_m": 4,
   "k_factor": 0.85, "axial_load_kg": 12000}]}"""


def run(*command):
    return subprocess.run(command, capture_output=True, text=True)


def digit_maps(qdf):
    """Each font's glyph codes of the digits, as its text-extraction map gives them."""
    for cmap in re.findall(rb"begincmap(.*?)endcmap", qdf, re.S):
        codes = {}
        for code, target in re.findall(rb"<([0-9A-F]{4})> <([0-9A-F]{4})>\n", cmap):
            character = chr(int(target, 16))
            if character.isdigit():
                codes[character] = code
        yield codes


def tamper(cli, pdf, folder):
    """A copy of `pdf` with the first printed '7' on its last page shown and typed as an '8'."""
    qdf = os.path.join(folder, "qdf.pdf")
    subprocess.run(["qpdf", "--qdf", "--object-streams=disable", pdf, qdf], check=True)
    data = open(qdf, "rb").read()
    last_page = data.rindex(b"%% Contents for page")

    def shown(code):
        """Where the glyph is first shown on the last page; hex digits in either case."""
        found = [at for at in (data.find(b"<" + c + b"> Tj", last_page) for c in
                               (code, code.lower())) if at > 0]
        return min(found, default=-1)
    codes, seven = next((codes, shown(codes["7"])) for codes in digit_maps(data)
                        if "7" in codes and "8" in codes and shown(codes["7"]) > 0)
    data = data[:seven + 1] + codes["8"] + data[seven + 5:]
    # The word's text as typed, which readers extract, changed alike.
    typed = data.rindex(b"/ActualText (", 0, seven)
    digit = data.index(b"7", typed)
    data = data[:digit] + b"8" + data[digit + 1:]
    changed = os.path.join(folder, "changed.pdf")
    open(qdf, "wb").write(data)
    subprocess.run(["fix-qdf"], stdin=open(qdf, "rb"), stdout=open(changed, "wb"), check=True)
    return changed


def main(cli):
    problems = []

    def expect(condition, what):
        if not condition:
            problems.append(what)

    with tempfile.TemporaryDirectory() as folder:
        source = os.path.join(folder, "warehouse.pipecolumn")
        open(source, "w", encoding="utf-8").write(PROJECT)
        package = os.path.join(folder, "package.pdf")
        sheet = os.path.join(folder, "sheet.pdf")
        run(cli, "schedule", source, "--sheets", package)
        run(cli, "--diameter", "168.3", "--thickness", "4.5", "--load", "12000",
            "--project", "Warehouse B", "--engineer", "วิศวกร ข", "--column", "C2",
            "--concrete-strength", "300", "--cross-check", "--sheet", sheet)
        written = run(cli, "schedule", source, "--json").stdout
        for pdf, columns in ((package, 2), (sheet, 1)):
            reopened = run(cli, "schedule", pdf, "--json")
            document = json.loads(reopened.stdout or "{}")
            expect(len(document.get("columns", [])) == columns, f"{pdf}: reopened {reopened}")
            if pdf == package:
                expect(reopened.stdout == written, "the package reopens as another project")
            verified = run(cli, "verify", pdf)
            expect(verified.returncode == 0 and "written by pipecolumn " in verified.stdout,
                   f"{pdf}: verify {verified}")

        # A thin wall's warnings wrap over three lines of the sheet, where the printer's faces put them.
        thin = os.path.join(folder, "thin.pdf")
        run(cli, "--diameter", "400", "--thickness", "2", "--load", "60000", "--sheet", thin)
        verified = run(cli, "verify", thin)
        expect(verified.returncode == 0, f"{thin}: verify {verified}")
        expect("Author" not in run("pdfinfo", thin).stdout, "an Author without an engineer")

        # Warnings beyond the sheet's room go on to a page of their own; verify still agrees.
        run(cli, *"--diameter 1000 --thickness 9 --load 403000 --height 4 --k-factor 1".split(),
            "--cross-check", "--sheet", thin)
        expect(run(cli, "verify", thin).returncode == 0 and "Pages:           3"
               in run("pdfinfo", thin).stdout, "a sheet with its warnings' page")

        # With the second opinion's pages each column's own sheet is the page verified.
        opinions = os.path.join(folder, "opinions.pdf")
        run(cli, "schedule", source, "--cross-check", "--sheets", opinions)
        verified = run(cli, "verify", opinions, "--json")
        pages = [c["page"] for c in json.loads(verified.stdout or "{}").get("columns", [])]
        expect(verified.returncode == 0 and pages == [2, 4], f"{opinions}: verify {verified}")

        info = run("pdfinfo", package).stdout
        for line in (r"Title:\s+Warehouse B", r"Author:\s+วิศวกร ข", r"Creator:\s+pipecolumn \d"):
            expect(re.search(line, info), f"pdfinfo lacks {line}: {info}")
        expect("Warehouse B.pipecolumn" in run("pdfdetach", "-list", package).stdout,
               "pdfdetach lists no project")

        changed = run(cli, "verify", tamper(cli, package, folder), "--json")
        document = json.loads(changed.stdout or "{}")
        differing = [c for c in document.get("columns", []) if not c["agrees"]]
        expect(changed.returncode == 1 and len(differing) == 1 and differing[0]["mark"] == "C2"
               and differing[0]["page"] == 3, f"changed figure: {changed}")
        texts = [d for d in document.get("differences", []) if d["kind"] == "text"]
        expect(texts and all(d["page"] == 3 and d["shows"] == "sheet C2" and "8" in d["printed"]
                             and "7" in d["expected"] for d in texts), f"differences {texts}")

        elsewhere = os.path.join(folder, "elsewhere.pdf")
        subprocess.run(["qpdf", "--empty", "--pages", package, "1", "--", elsewhere], check=True)
        cut = os.path.join(folder, "cut.pdf")
        open(cut, "wb").write(open(package, "rb").read()[:20000])
        for pdf in (elsewhere, cut):
            for command in (("verify", pdf), ("schedule", pdf)):
                refused = run(cli, *command)
                expect(refused.returncode == 2 and refused.stdout == "" and refused.stderr,
                       f"{command}: {refused}")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
