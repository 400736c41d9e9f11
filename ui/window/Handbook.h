// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ui {

// The handbook the download line opens: the installed copy where there is one, else `source`.
QString HandbookPath(const QString& installed, const QString& source);

// The same for this build's two places: the package's documentation folder and the source tree.
QString HandbookPath();

// The full text of the program's licence, the GPL version 3.
QString LicencePath();

} // namespace ui
