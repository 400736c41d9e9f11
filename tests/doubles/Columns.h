// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "project/ColumnEntry.h"

#include <string>
#include <utility>

// A column of the initial inputs but for its mark and load (kg).
inline project::ColumnEntry Column(std::string mark, double load = 8000) {
  project::ColumnEntry entry{std::move(mark), {}};
  entry.inputs.axialLoadKg = load;
  return entry;
}
