// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ColumnInputs.h"
#include "project/ColumnEntry.h"

#include <cstddef>
#include <string>
#include <string_view>
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

// A mark that does not tell columns apart: blank, or shared by several columns. `columns` are
// their positions in the list, from 0.
struct UnclearMark {
  std::string mark; // empty for the blank marks
  std::vector<std::size_t> columns;

  friend bool operator==(const UnclearMark&, const UnclearMark&) = default;
};

// A text without its leading and trailing blanks (spaces and tabs): marks are compared so.
std::string_view WithoutBlanks(std::string_view text);

// The blank marks first, then each shared mark in the order it first appears. Marks are compared
// without their surrounding blanks.
std::vector<UnclearMark> UnclearMarks(const std::vector<ColumnEntry>& columns);

} // namespace project
