// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "project/ColumnEntry.h"

#include <array>
#include <string>
#include <string_view>

namespace engine {
struct ColumnAnswer;
struct DesignRecord;
} // namespace engine

namespace project {

// The columns of the schedule a window lists, one row a column of the project.
enum class ScheduleField { Mark, Pipe, Height, KFactor, Load, Utilisation, Verdict };

inline constexpr std::size_t kScheduleFieldCount = 7;

// The heading of the section's size in the lists of columns the window and the package print.
inline constexpr std::string_view kSizeHeading = "D x T (mm)";

inline constexpr std::array<std::string_view, kScheduleFieldCount> kScheduleHeadings = {
    "Mark", kSizeHeading, "H (m)", "K", "P (kg)", "Util. (%)", "Verdict"};

// The mark every list of columns puts on a column with warnings, so that it reads without colour.
inline constexpr std::string_view kWarningMark = "(!)";

// One column as the schedule lists it. A column that does not carry its load, or whose check
// stopped, is failing, and its verdict starts with a cross so that it reads without colour; a
// column with warnings carries kWarningMark after its verdict.
struct ScheduleRow {
  std::array<std::string, kScheduleFieldCount> texts;
  bool failing = false;
  std::string warnings; // the warnings' texts, one a line
  // "BP 4 / 6.9 mm": the method's plate beside the second opinion's, where that difference is the
  // only warning of a passing column; empty otherwise.
  std::string plateComparison;

  const std::string& text(ScheduleField field) const {
    return texts[static_cast<std::size_t>(field)];
  }
};

// The column's section as every list of columns prints it: "114.3 x 3.2".
std::string SizeText(const ColumnEntry& entry);

// The method's base plate as every list of columns prints it: "15 x 15 cm, 4 mm", "-" for a figure
// the check did not reach.
std::string BasePlateText(const engine::DesignRecord& record);

ScheduleRow ScheduleRowOf(const ColumnEntry& entry, const engine::ColumnAnswer& answer);

} // namespace project
