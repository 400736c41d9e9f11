// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/Handbook.h"

#include "ui/window/HandbookPlaces.h"

#include <QFileInfo>

namespace ui {

QString HandbookPath(const QString& installed, const QString& source) {
  return QFileInfo(installed).isFile() ? installed : source;
}

QString HandbookPath() {
  return HandbookPath(QString::fromUtf8(kInstalledHandbook), QString::fromUtf8(kSourceHandbook));
}

QString LicencePath() {
  return HandbookPath(QString::fromUtf8(kSystemLicence), QString::fromUtf8(kSourceLicence));
}

} // namespace ui
