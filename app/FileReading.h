// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace app {

// The whole file; throws std::runtime_error saying why it cannot be read.
std::string ReadWholeFile(const std::string& path);

} // namespace app
