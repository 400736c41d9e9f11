#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks every marked figure of the handbook against the calculator's JSON.

Usage: check_handbook.py HANDBOOK.html CALCULATOR [ARGUMENT]...
The calculator is run with its arguments plus --json and must print schema 1. A figure is
marked data-input, data-material, data-result or data-cross-check with its key in that JSON section; with
data-digits="N" it is the value rounded to N decimals, otherwise the value itself. Every key of
those sections must be shown at least once. A window caption quoted is marked data-caption and
must read exactly as the calculator's; the verdict is marked data-verdict. Figures inside an
element with data-args="--height 1 ..." are checked against a run with those arguments instead.
"""
import json
import shlex
import subprocess
import sys
from decimal import ROUND_HALF_UP, Decimal, InvalidOperation
from html.parser import HTMLParser

SECTION_OF_ATTRIBUTE = {"data-input": "inputs", "data-material": "materials",
                        "data-result": "results", "data-caption": "captions",
                        "data-cross-check": "cross_check"}
EVERY_KEY_SHOWN = ("inputs", "materials", "results", "cross_check")
VOID_ELEMENTS = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta",
                 "source", "track", "wbr"}


class MarkedFigures(HTMLParser):
    def __init__(self):
        super().__init__()
        self.figures = []  # (section, key, digits, shown text, line, arguments)
        self.verdicts = []  # (verdict, line)
        self._open = []  # one entry per open element: the figure it collects, or None
        self._arguments = [()]  # the run the figures of each open element are checked against

    def handle_starttag(self, tag, attrs):
        if tag in VOID_ELEMENTS:
            return
        attributes = dict(attrs)
        arguments = self._arguments[-1]
        if "data-args" in attributes:
            arguments = tuple(shlex.split(attributes["data-args"]))
        self._arguments.append(arguments)
        if "data-verdict" in attributes:
            self.verdicts.append((attributes["data-verdict"], self.getpos()[0]))
        marks = [(section, attributes[name]) for name, section in SECTION_OF_ATTRIBUTE.items()
                 if name in attributes]
        if len(marks) > 1:
            raise SystemExit(f"line {self.getpos()[0]}: one figure carries two marks")
        figure = None
        if marks:
            section, key = marks[0]
            figure = [section, key, attributes.get("data-digits"), "", self.getpos()[0], arguments]
            self.figures.append(figure)
        self._open.append(figure)

    def handle_endtag(self, tag):
        if self._open and tag not in VOID_ELEMENTS:
            self._open.pop()
            self._arguments.pop()

    def handle_data(self, data):
        for figure in self._open:
            if figure is not None:
                figure[3] += data


def mismatch(value, digits, shown):
    """Why the shown text is not the value, or None when it is."""
    if isinstance(value, str):
        return None if shown == value else f"reads '{shown}', the calculator's '{value}'"
    if isinstance(value, bool) or not isinstance(value, (int, float)):
        return f"the calculator gives {json.dumps(value)}, not a number"
    try:
        figure = Decimal(shown.strip())
    except InvalidOperation:
        return f"'{shown.strip()}' is not a plain number"
    exact = Decimal(repr(value))
    expected = exact if digits is None else exact.quantize(Decimal(1).scaleb(-int(digits)),
                                                            ROUND_HALF_UP)
    if figure != expected or (digits is not None and figure.as_tuple().exponent != -int(digits)):
        shown_as = "" if digits is None else f" shown to {digits} decimals"
        return f"shows {shown.strip()}, the calculator gives {value!r}{shown_as}"
    return None


def calculate(command, arguments):
    run = subprocess.run(command + list(arguments) + ["--json"], capture_output=True, text=True,
                         check=False)
    if run.returncode not in (0, 1):
        raise SystemExit(f"{shlex.join(command + list(arguments))} exited {run.returncode}: "
                         f"{run.stderr.strip()}")
    document = json.loads(run.stdout)
    if document.get("schema") != 1:
        raise SystemExit(f"the calculator's JSON is not schema 1 (schema {document.get('schema')})")
    return document


def main(handbook_path, command):
    runs = {(): calculate(command, ())}
    document = runs[()]

    parser = MarkedFigures()
    with open(handbook_path, encoding="utf-8") as handbook:
        parser.feed(handbook.read())

    faults = []
    for section, key, digits, shown, line, arguments in parser.figures:
        if arguments not in runs:
            runs[arguments] = calculate(command, arguments)
        computed = runs[arguments].get(section, {})
        if key not in computed:
            faults.append(f"line {line}: {section}.{key} is not in the calculator's JSON")
            continue
        reason = mismatch(computed[key], digits, shown)
        if reason:
            faults.append(f"line {line}: {section}.{key} {reason}")
    for verdict, line in parser.verdicts:
        if verdict != document.get("verdict"):
            faults.append(f"line {line}: verdict '{verdict}', the calculator gives "
                          f"'{document.get('verdict')}'")
    if not parser.verdicts:
        faults.append("the worked example's verdict is not marked")
    shown_keys = {(section, key) for section, key, *_, arguments in parser.figures
                  if not arguments}
    for section in EVERY_KEY_SHOWN:
        for key in document.get(section, {}):
            if (section, key) not in shown_keys:
                faults.append(f"the worked example does not show {section}.{key}")

    for fault in faults:
        print(f"{handbook_path}: {fault}")
    print(f"{len(parser.figures)} marked figures, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2:]))
