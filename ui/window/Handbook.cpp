// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/Handbook.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ui {

namespace {

// A file of the documentation folder, found from the running program's own folder.
QString DocumentBesideProgram(const QString& name) {
  const QDir programs(QCoreApplication::applicationDirPath());
  return QDir::cleanPath(
      programs.filePath(QStringLiteral(PIPECOLUMN_DOCS_FROM_PROGRAM "/") + name));
}

} // namespace

QString HandbookPath(const QString& installed, const QString& source) {
  return QFileInfo(installed).isFile() ? installed : source;
}

QString HandbookPath() {
  return DocumentBesideProgram(QStringLiteral("handbook.html"));
}

QString LicencePath() {
  // Debian's shared copy of the licence, else the one beside the handbook.
  return HandbookPath(QStringLiteral("/usr/share/common-licenses/GPL-3"),
                      DocumentBesideProgram(QStringLiteral("LICENSE")));
}

} // namespace ui
