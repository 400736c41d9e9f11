// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ui {

// The face the window's captions are designed in, as is the calculation sheet; few systems have it.
inline constexpr const char* kDesignFontFamily = "MS Sans Serif";

// Where Thai text goes: onto the screen, or into a document whose text a reader extracts, where
// only faces whose shifted tone marks map back to their characters keep the text whole.
enum class ThaiTextTarget { Screen, Document };

// `requested` where it is installed and writes Thai, else the installed Thai face closest in width
// to the design face that suits `target`, else any installed one, else `requested` for the font
// matching to fall back from. Naming an installed face spares every font variant its own search
// through fontconfig.
QString InstalledThaiFamily(const QString& requested, ThaiTextTarget target);

// A font-family list for a file read on another system (SVG, CSS): `first`, then every Thai face
// above, then the generic sans-serif.
QString ThaiFamilyFallbackList(const QString& first);

} // namespace ui
