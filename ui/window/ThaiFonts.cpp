#include "ui/window/ThaiFonts.h"

namespace ui {

QStringList ThaiFontSubstitutes() {
  return {
      "Tahoma",            // Windows
      "Leelawadee UI",     // Windows
      "Thonburi",          // macOS
      "Sukhumvit Set",     // macOS
      "Noto Sans Thai UI", // Linux, fonts-noto: the closest in width to the design
      "Noto Sans Thai",
      "Loma", // Linux, fonts-thai-tlwg
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
