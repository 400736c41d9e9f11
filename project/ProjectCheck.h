// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ColumnAnswer.h"
#include "project/Project.h"

#include <cstddef>
#include <vector>

namespace project {

// The check of every column of a project, in the project's order, and how many ended which way.
struct ProjectResults {
  std::vector<engine::ColumnAnswer> columns;
  std::size_t passing = 0;
  std::size_t failing = 0;   // checked and not carrying their load
  std::size_t unchecked = 0; // the check stopped with a failure
};

ProjectResults CheckProject(const Project& project);

} // namespace project
