// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace report {

// A word as a PDF reader finds it on a page: its text and the top-left corner of its box, in
// points from the page's top-left corner.
struct PrintedWord {
  std::string text;
  double left = 0;
  double top = 0;
};

using PrintedPage = std::vector<PrintedWord>;

} // namespace report
