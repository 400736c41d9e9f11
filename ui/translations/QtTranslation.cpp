// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/translations/QtTranslation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace ui {

QtTranslation::QtTranslation(const QLocale& locale, QString thaiFolder) {
  if (thaiFolder.isEmpty()) {
    thaiFolder = QDir(QCoreApplication::applicationDirPath())
                     .filePath(QStringLiteral(PIPECOLUMN_TRANSLATIONS_FROM_PROGRAM));
  }
  const QString folder = locale.language() == QLocale::Thai
                             ? thaiFolder
                             : QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  installed_ = translator_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), folder) &&
               QCoreApplication::installTranslator(&translator_);
}

QtTranslation::~QtTranslation() {
  if (installed_) {
    QCoreApplication::removeTranslator(&translator_);
  }
}

} // namespace ui
