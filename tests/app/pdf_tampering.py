# SPDX-License-Identifier: GPL-3.0-or-later
"""Changes made to a written PDF the way a person with PDF tools would make them, for the tests
of `verify`. Needs pikepdf."""
import re
import subprocess

import pikepdf


def run(*command):
    return subprocess.run(command, capture_output=True, text=True)


def text_map(font):
    """A font's glyph codes and the text each stands for, from its text-extraction map."""
    codes = {}
    if "/ToUnicode" not in font:
        return codes
    data = font.ToUnicode.read_bytes()

    def text(hexdigits):
        return bytes.fromhex(hexdigits.decode()).decode("utf-16-be", "replace")

    for section in re.findall(rb"beginbfrange(.*?)endbfrange", data, re.S):
        for first, last, targets in re.findall(
                rb"<([0-9A-Fa-f]+)>\s*<([0-9A-Fa-f]+)>\s*(\[[^\]]*\]|<[0-9A-Fa-f]+>)", section):
            start, width = int(first, 16), len(first) // 2
            if targets.startswith(b"["):
                for offset, target in enumerate(re.findall(rb"<([0-9A-Fa-f]+)>", targets)):
                    codes[(start + offset).to_bytes(width, "big")] = text(target)
            else:
                base = int(targets[1:-1], 16)
                for offset in range(int(last, 16) - start + 1):
                    codes[(start + offset).to_bytes(width, "big")] = chr(base + offset)
    for section in re.findall(rb"beginbfchar(.*?)endbfchar", data, re.S):
        for code, target in re.findall(rb"<([0-9A-Fa-f]+)>\s*<([0-9A-Fa-f]+)>", section):
            codes[bytes.fromhex(code.decode())] = text(target)
    return codes


def kin(a, b):
    """Whether two characters are of a kind: both digits, both Latin letters or both Thai."""
    thai = lambda c: "\u0e01" <= c <= "\u0e2e"
    return a != b and ((a.isdigit() and b.isdigit()) or (a.isascii() and a.isalpha() and
                                                         b.isascii() and b.isalpha())
                       or (thai(a) and thai(b)))


def swap_glyph(source, target, page_number, line, marked_too=True):
    """Copies `source` to `target` with one glyph of the text that reads `line` (blanks aside) on
    page `page_number` (from 1) drawn as another glyph of its kind from the same face, and the
    text marked as the word's (ActualText), where there is one and `marked_too`, changed to
    match. Returns the character changed and the one drawn instead."""
    pdf = pikepdf.open(source)
    page = pdf.pages[page_number - 1]
    fonts = page.Resources.Font
    operations = pikepdf.parse_content_stream(page)
    font, span, shown = None, None, []
    for index, (operands, operator) in enumerate(operations):
        name = str(operator)
        if name == "Tf":
            font = fonts[operands[0]]
        elif name == "BDC" and isinstance(operands[1], pikepdf.Dictionary) \
                and "/ActualText" in operands[1]:
            span = index
        elif name == "EMC":
            span = None
        elif name == "Tj" and font is not None:
            codes = text_map(font)
            shown.append((index, span, bytes(operands[0]), codes,
                          "".join(codes.get(bytes(operands[0]), "").split())))
    wanted = "".join(line.split())
    at = "".join(character for *_, character in shown).find(wanted)
    if at < 0:
        raise LookupError(f"no text reads {line!r} on page {page_number} of {source}")
    position = 0
    for index, span, code, codes, character in shown:
        inside = at <= position < at + len(wanted)
        position += len(character)
        swap = next((c for c, t in sorted(codes.items()) if kin(character, t)), None)
        if not inside or swap is None:
            continue
        operations[index] = pikepdf.ContentStreamInstruction([pikepdf.String(swap)],
                                                             pikepdf.Operator("Tj"))
        if span is not None and marked_too:
            tag, marked = operations[span].operands
            marked.ActualText = pikepdf.String(str(marked.ActualText).replace(
                character, codes[swap], 1))
            operations[span] = pikepdf.ContentStreamInstruction([tag, marked],
                                                                pikepdf.Operator("BDC"))
        page.Contents = pdf.make_stream(pikepdf.unparse_content_stream(operations))
        pdf.save(target)
        return character, codes[swap]
    raise LookupError(f"no glyph of {line!r} on page {page_number} has another of its kind")


def set_subject(source, target, subject):
    pdf = pikepdf.open(source)
    pdf.docinfo["/Subject"] = subject
    pdf.save(target)


def word_box(pdf, page_number, word):
    """The box (left, top, right, bottom, in points from the top-left) of the first `word` on a
    page, as poppler reads it."""
    html = run("pdftotext", "-bbox", "-f", str(page_number), "-l", str(page_number), pdf, "-").stdout
    for box in re.finditer(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" '
                           r'yMax="([\d.]+)">([^<]*)</word>', html):
        if box.group(5) == word:
            return tuple(float(box.group(i)) for i in range(1, 5))
    raise LookupError(f"no word {word!r} on page {page_number} of {pdf}")


def patch_over(source, target, page_number, word, replacement, folder):
    """`source` with a white box laid over `word` on its page and `replacement` printed on it, as
    `qpdf --overlay` lays one PDF's page over another's."""
    pdf = pikepdf.open(source)
    height = float(pdf.pages[page_number - 1].MediaBox[3])
    left, top, right, bottom = word_box(source, page_number, word)
    patch = pikepdf.new()
    for number in range(len(pdf.pages)):
        patch.add_blank_page(page_size=(float(pdf.pages[number].MediaBox[2]),
                                        float(pdf.pages[number].MediaBox[3])))
    page = patch.pages[page_number - 1]
    page.Resources = pikepdf.Dictionary(Font=pikepdf.Dictionary(F1=pikepdf.Dictionary(
        Type=pikepdf.Name.Font, Subtype=pikepdf.Name.Type1, BaseFont=pikepdf.Name.Helvetica)))
    size = bottom - top
    page.Contents = patch.make_stream(
        f"1 g {left - 1} {height - bottom - 1} {right - left + 2} {size + 2} re f "
        f"0 g BT /F1 {size} Tf {left} {height - bottom + size * 0.2} Td ({replacement}) Tj ET"
        .encode())
    patch_path = f"{folder}/patch.pdf"
    patch.save(patch_path)
    subprocess.run(["qpdf", source, "--overlay", patch_path, "--", target], check=True)


def free_text_over(source, target, page_number, word, replacement):
    """`source` with a FreeText annotation showing `replacement` over `word`."""
    pdf = pikepdf.open(source)
    page = pdf.pages[page_number - 1]
    height = float(page.MediaBox[3])
    left, top, right, bottom = word_box(source, page_number, word)
    annotation = pdf.make_indirect(pikepdf.Dictionary(
        Type=pikepdf.Name.Annot, Subtype=pikepdf.Name.FreeText,
        Rect=[left - 2, height - bottom - 2, right + 30, height - top + 2],
        Contents=pikepdf.String(replacement), DA=pikepdf.String("/Helv 10 Tf 0 g"),
        C=[1, 1, 1], F=4))
    page.Annots = pdf.make_indirect(pikepdf.Array([annotation]))
    pdf.save(target)
