// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace ui {

// Thai fonts that follow the legacy presentation-form convention shape tone marks and vowels into
// shifted glyphs with private-use code points (U+F700..U+F71A), and Qt's PDF writer tells readers
// that those glyphs stand for those private-use characters, so copied or extracted text loses its
// tone marks. Rewrites the text-extraction maps (ToUnicode CMaps) of a finished PDF so the shifted
// glyphs stand for the Thai characters they show. The file keeps its length and object offsets.
QByteArray MapThaiPresentationFormsToCharacters(QByteArray pdf);

} // namespace ui
