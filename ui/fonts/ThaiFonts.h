#pragma once

#include <QFont>
#include <QStringList>

namespace ui {

// The face the window's captions are designed in. Few systems have it; it is mapped onto an
// installed face that carries Thai.
inline constexpr const char* kWindowFontFamily = "MS Sans Serif";

// Installed Thai-capable faces, best match first: Windows, macOS, then Linux.
QStringList ThaiFontSubstitutes();

// Maps the window's face onto the substitutes. Call once after the application is created.
void InstallThaiFontSubstitutions();

// The first installed substitute, or the window's face itself where none is installed. Naming the
// installed face directly spares every font variant its own search through the substitutes.
QString ResolveWindowFontFamily();

// The window's face, `family` as resolved above, at the given size.
QFont WindowFont(const QString& family, double points, bool bold, bool underline);

} // namespace ui
