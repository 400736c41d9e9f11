#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the seed corpus of the two fuzz targets next to this script. Rerun after editing."""
import hashlib
import os
import struct

here = os.path.dirname(os.path.abspath(__file__))


def write(target, seeds):
    folder = os.path.join(here, target)
    os.makedirs(folder, exist_ok=True)
    for seed in seeds:
        name = hashlib.sha1(seed).hexdigest()[:16]
        with open(os.path.join(folder, name), "wb") as out:
            out.write(seed)


texts = ["114.3", "  1 14.3 mm", "1e3", "1E+03", "1d5", "1,5", "1,234.5", "1.234,5", "-.5", "+7",
         "12.5mm", "&H7FFF", "&hFFFFFFFFFFFF", "&O777", "&", "1e400", "-1e400", "1e-400", "-0",
         ".", "-", "", " ", "\t8000\t", "0.03125", "4.94065645841247E-324",
         "1.7976931348623157e308", "๑๒๓", "１２３", "٣", b"\xc3\x28", b"\xff\xfe", "9" * 300,
         "0." + "0" * 300 + "1", "1" + "0" * 400, "1e", "1e+", "5.", "1 2", "1\n2", "1..2"]
numbers = [struct.pack("<d", x) for x in (0.1, 114.3, -2.5, 0.85, 1e300, 5e-324, 123456789012345.0,
                                            1e15, 1e-5, -0.0)]
products = [struct.pack("<qi", count, factor) for count, factor in
            ((111735, 92), (2**62, 2), (-2**63, -1), (102796200, 10))]
write("number_text_fuzzer", [t.encode("utf-8", "surrogateescape") if isinstance(t, str) else t
                             for t in texts] + numbers + products)

D, T, H, K, P = b"\x00", b"\x01", b"\x02", b"\x03", b"\x04"
CANCEL, LONG, COMMA, PICK = 8, 16, 32, 64
SEP = b"\xff"


def answer(row, text, flags=0):
    return bytes([row[0] | flags]) + text.encode("utf-8")


prompts = [
    answer(D, "114.3"), answer(P, "12000"), answer(D, "1e400"), answer(P, "-1e400"),
    answer(D, "&HFFFFFFFFFFFF"), answer(K, "-0"), answer(D, "."), answer(T, ""), answer(H, " "),
    answer(D, "๑๒๓"), answer(P, "８０００"), answer(P, "1,000"), answer(T, " 50 "),
    answer(D, "1e3"), answer(H, "1e-400"), answer(K, "0.6"), answer(K, "2.01"), answer(D, "9.99"),
    answer(D, "9", LONG), answer(P, "0", LONG), answer(T, "1", LONG), answer(K, "0.5", LONG),
    answer(D, "", CANCEL), answer(K, "1,5", COMMA), answer(D, "114,3", COMMA),
    answer(P, "1.000", COMMA), answer(D, "12.5mm"),
    bytes([0]) + b"\xc3\x28", bytes([1]) + b"\xfe\xfe",
    SEP.join([answer(D, "2000"), answer(T, "50"), answer(H, "10"), answer(K, "2"),
              answer(P, "900000")]),
    SEP.join([answer(D, "10"), answer(T, "50"), answer(H, "1"), answer(K, "0.6"),
              answer(P, "100")]),
    SEP.join([answer(D, "168.3"), answer(T, "6"), answer(P, "8000")]),
    answer(D, "", PICK), answer(D, "12345", PICK | COMMA), answer(T, "x", PICK),
    SEP.join([answer(D, "114.3"), answer(T, "", PICK), answer(H, "", PICK)]),
    SEP.join([answer(T, "50"), answer(D, "100")]), SEP.join([answer(T, "50"), answer(D, "abc")]),
    SEP.join([answer(T, "50"), answer(D, "", PICK)]), answer(D, "๑๑๔.๓"), answer(P, "12,500"),
]
write("prompt_fuzzer", prompts)
