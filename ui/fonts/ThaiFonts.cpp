// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fonts/ThaiFonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <array>

namespace ui {

namespace {

struct ThaiFace {
  const char* family;
  // Shapes tone marks and vowels into glyphs with private-use codes, which the PDF's text layer
  // maps back to Thai (TextMapPerGlyph); other faces' shifted marks are lost.
  bool keepsDocumentText;
};

// Faces that carry Thai, the closest in width to the design face first.
constexpr std::array<ThaiFace, 10> kThaiFaces = {{
    {"Tahoma", true}, // Windows
    {"Leelawadee UI", false},
    {"Thonburi", false}, // macOS
    {"Sukhumvit Set", false},
    {"Noto Sans Thai UI", false}, // Linux, fonts-noto
    {"Noto Sans Thai", false},
    {"Loma", true}, // Linux, fonts-thai-tlwg
    {"Garuda", true},
    {"Waree", true},
    {"Norasi", true},
}};

} // namespace

QString InstalledThaiFamily(const QString& requested, ThaiTextTarget target) {
  // One look at the installed families, not hasFamily(), which asks fontconfig about each name.
  const QStringList installed = QFontDatabase::families(QFontDatabase::Thai);
  if (installed.contains(requested)) {
    return requested;
  }
  QString anyInstalled;
  for (const ThaiFace& face : kThaiFaces) {
    const QString family = QString::fromLatin1(face.family);
    if (!installed.contains(family)) {
      continue;
    }
    if (target == ThaiTextTarget::Screen || face.keepsDocumentText) {
      return family;
    }
    if (anyInstalled.isEmpty()) {
      anyInstalled = family;
    }
  }
  return anyInstalled.isEmpty() ? requested : anyInstalled;
}

QString ThaiFamilyFallbackList(const QString& first) {
  QStringList families{first};
  for (const ThaiFace& face : kThaiFaces) {
    const QString family = QString::fromLatin1(face.family);
    if (family != first) {
      families << family;
    }
  }
  for (QString& family : families) {
    family = QLatin1Char('\'') + family + QLatin1Char('\'');
  }
  families << QStringLiteral("sans-serif");
  return families.join(QStringLiteral(", "));
}

} // namespace ui
