// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "report/Printer.h"

namespace report {

// A4 in twips.
inline constexpr int kPageWidthTwips = 11906;
inline constexpr int kPageHeightTwips = 16838;

// `text` as it fits in `roomTwips` in the printer's current font: whole where it fits, else cut
// after a whole character (a Thai mark stays with its letter) and ended with an ellipsis.
std::string FitText(Printer& printer, const std::string& text, int roomTwips);

// `text` broken at its blanks into lines that fit in `roomTwips`; a word wider than the room is
// cut as FitText cuts it.
std::vector<std::string> WrapText(Printer& printer, const std::string& text, int roomTwips);

} // namespace report
