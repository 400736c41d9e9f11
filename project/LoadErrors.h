// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace project {

// Why a file was not loaded: one message per problem, each naming the file and, where it applies,
// the column and the field.
struct LoadErrors {
  std::vector<std::string> messages;

  // The messages one per line, as a message box shows them.
  std::string text() const;
};

} // namespace project
