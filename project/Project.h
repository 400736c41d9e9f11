// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
    std::string licenceNumber; // the engineer's; empty when not given

    friend bool operator==(const Header&, const Header&) = default;
  };

  Header header;
  std::vector<ColumnEntry> columns;

  friend bool operator==(const Project&, const Project&) = default;
};

// The project a user starts with: the window's initial header and one column with the initial
// mark and inputs, so that someone who ignores projects sees the program as before.
Project NewProject();

} // namespace project
