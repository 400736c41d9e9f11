// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/fonts/TypedText.h"

class QPDFPageObjectHelper;

namespace ui {

// Marks on the page each typed word's glyph runs as one span whose actual text is the word, so
// that readers extract and search the text as it was typed rather than from the glyphs shaped
// from it (Thai marks reordered, ligatures). Qt draws each run of glyphs as one text object
// ("BT ... ET"); a page whose text objects do not match the words' runs in number is left as it
// is. Returns whether the page will be marked: the marks are made as the file is written, while
// `words` lives.
// Spans rather than a text backend of the program's own: Qt still shapes, draws and embeds the
// glyphs, and readers extract what was typed.
bool MarkActualText(QPDFPageObjectHelper& page, const TypedPage& words);

} // namespace ui
