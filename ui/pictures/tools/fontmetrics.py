# SPDX-License-Identifier: GPL-3.0-or-later
"""Advance widths of an Arial-metric TrueType face, read straight from its tables.

The generator lays out formula runs at explicit positions, so it needs the same
advance widths the renderer will use; Liberation Sans shares Arial's metrics.
"""

import struct

DEFAULT_FACE = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf"


class FontMetrics:
    def __init__(self, path=DEFAULT_FACE):
        with open(path, "rb") as handle:
            self._data = handle.read()
        self._tables = self._read_table_directory()
        self.units_per_em = struct.unpack_from(">H", self._data, self._tables["head"] + 18)[0]
        hhea = self._tables["hhea"]
        ascender, descender = struct.unpack_from(">hh", self._data, hhea + 4)
        self.ascent = ascender / self.units_per_em
        self.descent = -descender / self.units_per_em
        self._metric_count = struct.unpack_from(">H", self._data, hhea + 34)[0]
        self._char_to_glyph = self._read_cmap()

    def _read_table_directory(self):
        count = struct.unpack_from(">H", self._data, 4)[0]
        tables = {}
        for index in range(count):
            tag, _, offset, _ = struct.unpack_from(">4sIII", self._data, 12 + 16 * index)
            tables[tag.decode("latin-1")] = offset
        return tables

    def _read_cmap(self):
        cmap = self._tables["cmap"]
        count = struct.unpack_from(">H", self._data, cmap + 2)[0]
        for index in range(count):
            platform, encoding, offset = struct.unpack_from(">HHI", self._data, cmap + 4 + 8 * index)
            if platform == 3 and encoding == 1:
                return self._read_format4(cmap + offset)
        raise ValueError("no Unicode BMP cmap")

    def _read_format4(self, table):
        segments = struct.unpack_from(">H", self._data, table + 6)[0] // 2
        ends = table + 14
        starts = ends + 2 * segments + 2
        deltas = starts + 2 * segments
        range_offsets = deltas + 2 * segments
        mapping = {}
        for seg in range(segments):
            end = struct.unpack_from(">H", self._data, ends + 2 * seg)[0]
            start = struct.unpack_from(">H", self._data, starts + 2 * seg)[0]
            delta = struct.unpack_from(">h", self._data, deltas + 2 * seg)[0]
            range_offset = struct.unpack_from(">H", self._data, range_offsets + 2 * seg)[0]
            for code in range(start, min(end, 0xFFFE) + 1):
                if range_offset == 0:
                    glyph = (code + delta) & 0xFFFF
                else:
                    address = range_offsets + 2 * seg + range_offset + 2 * (code - start)
                    glyph = struct.unpack_from(">H", self._data, address)[0]
                    if glyph:
                        glyph = (glyph + delta) & 0xFFFF
                mapping[code] = glyph
        return mapping

    def advance(self, char):
        """Advance width of one character in em."""
        glyph = self._char_to_glyph.get(ord(char), 0)
        hmtx = self._tables["hmtx"]
        index = min(glyph, self._metric_count - 1)
        width = struct.unpack_from(">H", self._data, hmtx + 4 * index)[0]
        return width / self.units_per_em

    def width(self, text, size):
        """Width of a run in drawing units at the given font size (no kerning)."""
        return sum(self.advance(char) for char in text) * size
