// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ui {

// Without XDG_RUNTIME_DIR (a session without a login manager, root, a cron job) Qt falls back to a
// folder of its own and warns about it on every start; naming a private folder first keeps the
// start quiet. An existing folder of that name is left to Qt's own owner and permission checks.
// Call before the Qt application is made.
void EnsureRuntimeFolder();

} // namespace ui
