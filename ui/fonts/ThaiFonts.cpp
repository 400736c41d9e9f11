#include "ui/window/ThaiFonts.h"

#include <QFontDatabase>

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

QString ResolveWindowFontFamily() {
  // The list of installed families, not hasFamily(), which asks fontconfig to resolve each name.
  const QStringList installed = QFontDatabase::families(QFontDatabase::Thai);
  for (const QString& family : ThaiFontSubstitutes()) {
    if (installed.contains(family)) {
      return family;
    }
  }
  return QString::fromUtf8(kWindowFontFamily);
}

QFont WindowFont(const QString& family, double points, bool bold, bool underline) {
  QFont font(family);
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setUnderline(underline);
  return font;
}

} // namespace ui
