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

// Reads a schedule in CSV: UTF-8 with or without a byte-order mark, commas or semicolons (as a
// first line "sep=;" names or else the header row uses), quotes as RFC 4180 has them. The header
// row names the columns in any order and any case; columns it does not know, such as the results
// of an export, are passed over, and so are rows with no values. Every value is read and judged
// as the prompts read and judge an answer. In comma and semicolon files alike a value that fits
// one decimal mark only is read with it ("0,875", "1.500,25"); one that fits both with different
// numbers ("1,500") takes the mark the file's other values show, or else the one its "sep=" line
// goes with, and is refused naming both readings where the file shows neither or both. A mark
// loses the apostrophe the export puts before a formula character. Rows are numbered as a
// spreadsheet shows them, the header row being the first; `fileName` is how the messages name
// the file.
ScheduleLoad ReadScheduleCsv(std::string_view bytes, std::string_view fileName);

// What a file holds, told by its content whatever its name: a project file (a JSON text), a CSV
// schedule (a "sep=" line, or a first row naming a column of the schedule, or UTF-16 text, which
// the schedule reader explains), or neither.
enum class FileContent { ProjectFile, Schedule, Neither };
FileContent RecogniseContent(std::string_view bytes);

// The refusal of a file that is neither, saying what was expected.
LoadErrors NeitherProjectNorSchedule(std::string_view fileName);

} // namespace project
