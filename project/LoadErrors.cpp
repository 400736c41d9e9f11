// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/LoadErrors.h"

namespace project {

std::string LoadErrors::text() const {
  std::string joined;
  for (const std::string& message : messages) {
    if (!joined.empty()) {
      joined += '\n';
    }
    joined += message;
  }
  return joined;
}

} // namespace project
