// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ui {

// `installed` where that file exists, else `source`.
QString HandbookPath(const QString& installed, const QString& source);

// The handbook the download line opens: in the documentation folder of the prefix the running
// program is installed in, or of the build tree it runs from.
QString HandbookPath();

// The full text of the program's licence, the GPL version 3.
QString LicencePath();

} // namespace ui
