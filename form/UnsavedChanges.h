// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace form {

// The user's answer to "save the changes first?".
enum class UnsavedAnswer { Save, Discard, Cancel };

// Whether a project with or without unsaved changes may now be replaced or closed (New, Open,
// Import, Exit, the window's close box). Without changes it may, and nobody is asked; otherwise
// `ask` decides: Discard goes on, Cancel stops, and Save goes on only when `save` succeeded (a
// cancelled or failed save keeps the changes, and the project stays).
bool MayLeaveProject(bool modified, const std::function<UnsavedAnswer()>& ask,
                     const std::function<bool()>& save);

} // namespace form
