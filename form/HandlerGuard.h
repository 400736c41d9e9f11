// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

namespace form {

class HostServices;

// The Thai text that tells the user what stopped a handler.
std::string UncaughtFailureMessage(const std::exception& failure);

// Runs an event handler. A failure it does not catch ends it where it happened (what it wrote
// stays written); the host then says what went wrong in a message box and carries on. Nothing
// escapes into the event loop. Returns false when the handler was ended by a failure.
bool RunHandler(HostServices& host, const std::function<void()>& handler);

} // namespace form
