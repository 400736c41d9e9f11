// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/startup/RuntimeFolder.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace ui {

void EnsureRuntimeFolder() {
  if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    return;
  }
  const QString folder = QDir::tempPath() + QStringLiteral("/runtime-%1").arg(getuid());
  if (mkdir(QFile::encodeName(folder).constData(), 0700) == 0 || errno == EEXIST) {
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
  }
}

} // namespace ui
