// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "project/ColumnEntry.h"
#include "project/Project.h"
#include "project/ProjectCheck.h"

#include <string>
#include <vector>

namespace project {

// The schedule as CSV for spreadsheets: UTF-8 with a byte-order mark (so that they show Thai),
// commas, CR LF line ends, a header row "mark,outside_diameter_mm,...", marks always quoted (with
// an apostrophe before one a spreadsheet would take for a formula) and numbers in the shortest
// form that reads back to the same value.
std::string ScheduleCsv(const std::vector<ColumnEntry>& columns);

// The schedule with each column's results after it: verdict ("passes", "fails", or empty when
// the check failed), max_axial_force_kg, utilisation, plate_side_cm, plate_thickness_mm, the
// failure's name, slenderness_ratio and the warnings' kinds ("slenderness;local_buckling").
// `results` must be the check of `project`; throws std::invalid_argument when it has another
// number of columns.
std::string ResultsCsv(const Project& project, const ProjectResults& results);

} // namespace project
