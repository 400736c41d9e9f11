// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace app {

// Writes `rows` under `header` in aligned columns two blanks apart: the first column to the left,
// the numbers after it to the right, Thai text by the cells it takes on a terminal. Every row has
// the header's number of cells.
void WriteTable(std::ostream& out, const std::vector<std::string>& header,
                const std::vector<std::vector<std::string>>& rows);

} // namespace app
