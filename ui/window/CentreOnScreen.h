// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace ui {

// Places a top-level window in the middle of its screen's available area.
void CentreOnScreen(QWidget& window);

} // namespace ui
