// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <ostream>
#include <string>

namespace app {

// The whole file; throws std::runtime_error saying why it cannot be read.
std::string ReadWholeFile(const std::string& path);

// The whole file, or nothing after saying on `err` why it cannot be read.
std::optional<std::string> ReadInputFile(const std::string& path, std::ostream& err);

} // namespace app
