// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "project/ColumnEntry.h"
#include "project/LoadErrors.h"

#include <string_view>
#include <variant>
#include <vector>

namespace project {

// A schedule read whole, or every problem found in it and none of its columns.
using ScheduleLoad = std::variant<std::vector<ColumnEntry>, LoadErrors>;

// Reads a schedule in CSV: UTF-8 with or without a byte-order mark, commas or semicolons (as the
// header row uses), quotes as RFC 4180 has them. The header row names the columns in any order;
// columns it does not know, such as the results of an export, are passed over, and so are rows
// with no values. Every value is read and judged as the prompts read and judge an answer. Rows
// are numbered as a spreadsheet shows them, the header row being the first; `fileName` is how
// the messages name the file.
ScheduleLoad ReadScheduleCsv(std::string_view bytes, std::string_view fileName);

} // namespace project
