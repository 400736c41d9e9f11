// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "project/LoadErrors.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace project {

// Collects the problems found in one file, each phrased with where it lies:
// "ไฟล์ C1.pipecolumn คอลัมน์ C2 (แถว 2) ช่อง wall_thickness_mm: ...".
class ProblemList {
public:
  explicit ProblemList(std::string_view fileName);

  // A problem of the file as a whole.
  void addInFile(std::string_view message);
  // A problem of one top-level field, or of one column of a CSV header row.
  void addInField(std::string_view field, std::string_view message);
  // A problem of the column at `row`; a blank mark names the row alone, a blank field the whole
  // column.
  void addInColumn(std::size_t row, std::string_view mark, std::string_view field,
                   std::string_view message);

  bool empty() const { return errors_.messages.empty(); }
  LoadErrors take() { return std::move(errors_); }

private:
  std::string fileName_;
  LoadErrors errors_;
};

} // namespace project
