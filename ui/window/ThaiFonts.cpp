#include "ui/window/ThaiFonts.h"

namespace ui {

QStringList ThaiFontSubstitutes() {
  return {
      "Tahoma",        // Windows
      "Leelawadee UI", // Windows
      "Microsoft Sans Serif",
      "Thonburi",          // macOS
      "Sukhumvit Set",     // macOS
      "Loma",              // Linux, fonts-thai-tlwg: the closest in build and width
      "Noto Sans Thai UI", // Linux, fonts-noto
      "Noto Sans Thai",
      "Garuda",
      "Norasi",
  };
}

void InstallThaiFontSubstitutions() {
  QFont::insertSubstitutions(kWindowFontFamily, ThaiFontSubstitutes());
}

QFont WindowFont(double points, bool bold, bool underline) {
  QFont font(kWindowFontFamily);
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setUnderline(underline);
  return font;
}

} // namespace ui
