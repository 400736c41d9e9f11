// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ColumnInputs.h"

#include <string>

namespace project {

// One column of a project: the mark engineers call it by (free text, Thai allowed) and what the
// check needs to know of it.
struct ColumnEntry {
  std::string mark;
  engine::ColumnInputs inputs;

  friend bool operator==(const ColumnEntry&, const ColumnEntry&) = default;
};

} // namespace project
