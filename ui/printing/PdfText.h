// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

class QPDF;

namespace ui {

// The text-extraction map (ToUnicode CMap) `cmap` written again with one "bfchar" line per glyph,
// the form every reader takes alike (some misread Qt's ranges of arrays), each glyph standing for
// the characters it shows: Thai fonts that follow the legacy presentation-form convention shape
// tone marks and vowels into shifted glyphs with private-use codes (U+F700..U+F71A), which stand
// for their Thai characters here. Nothing where `cmap`'s
// mappings cannot be read.
std::optional<std::string> TextMapPerGlyph(std::string_view cmap);

// Writes every text-extraction map of the document so (TextMapPerGlyph).
void WriteTextMapsPerGlyph(QPDF& pdf);

} // namespace ui
