// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ColumnInputs.h"
#include "project/ColumnEntry.h"

#include <string>
#include <vector>

namespace project {

// A set of columns designed together, in the order the engineer lists them.
struct Project {
  // What every calculation sheet of the project carries at its top.
  struct Header {
    std::string project;
    std::string engineer;

    friend bool operator==(const Header&, const Header&) = default;
  };

  Header header;
  std::vector<ColumnEntry> columns;
  // The materials of every column; each column's inputs carry the same.
  engine::Materials materials;
  // Whether the second opinion's page prints after each calculation sheet.
  bool printCrossCheck = false;

  friend bool operator==(const Project&, const Project&) = default;
};

// The project a user starts with: the window's initial header and one column with the initial
// mark and inputs, so that someone who ignores projects sees the program as before.
Project NewProject();

// Gives every column the project's materials.
void ApplyMaterials(Project& project);

} // namespace project
