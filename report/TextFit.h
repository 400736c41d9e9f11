// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
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

// `text` in lines of at most `roomTwips`, broken after a space where a line has one, else after a
// whole character. Where more than `maxLines` are needed, the last one shows the text's end after
// an ellipsis, so texts that differ only at the end still read differently.
std::vector<std::string> WrapText(Printer& printer, const std::string& text, int roomTwips,
                                  std::size_t maxLines = SIZE_MAX);

// `text` in at most two lines of `roomTwips`, as WrapText gives them, except where the second
// line's end would hide byte `differsAt`, at which the text parts from another: then the second
// line shows the text from that character on, after an ellipsis, so that the two never print the
// same.
std::vector<std::string> WrapShowing(Printer& printer, const std::string& text, int roomTwips,
                                     std::size_t differsAt);

// `text` with every control character (a tab, a line break) as a space, as a printer shows it.
std::string WithControlsAsSpaces(std::string text);

} // namespace report
