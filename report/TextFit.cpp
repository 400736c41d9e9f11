// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/TextFit.h"

#include "engine/ThaiText.h"

#include <string_view>
#include <vector>

namespace report {

namespace {

// Whether the text may be cut before byte `at`: not inside a UTF-8 sequence, and not before a Thai
// mark, which stays with its letter.
bool StartsCharacter(std::string_view text, std::size_t at) {
  return at >= text.size() ||
         ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80 && !engine::IsThaiMarkAt(text, at));
}

} // namespace

std::string FitText(report::Printer& printer, const std::string& text, int roomTwips) {
  if (printer.TextWidth(text) <= roomTwips) {
    return text;
  }
  const std::string ellipsis = "\u2026";
  std::vector<std::size_t> cuts;
  for (std::size_t end = 1; end < text.size(); ++end) {
    if (StartsCharacter(text, end)) {
      cuts.push_back(end);
    }
  }
  // The longest cut that fits; widths grow with the cut, so a binary search finds it.
  std::size_t low = 0;
  std::size_t high = cuts.size();
  while (low < high) {
    const std::size_t middle = (low + high) / 2;
    if (printer.TextWidth(text.substr(0, cuts[middle]) + ellipsis) <= roomTwips) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return low == 0 ? ellipsis : text.substr(0, cuts[low - 1]) + ellipsis;
}

std::vector<std::string> WrapText(Printer& printer, const std::string& text, int roomTwips) {
  std::vector<std::string> lines;
  std::string line;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t space = text.find(' ', start);
    const std::size_t end = space == std::string::npos ? text.size() : space;
    const std::string word = text.substr(start, end - start);
    const std::string longer = line.empty() ? word : line + " " + word;
    if (!line.empty() && printer.TextWidth(longer) > roomTwips) {
      lines.push_back(std::move(line));
      line = word;
    } else {
      line = longer;
    }
    start = end + 1;
  }
  lines.push_back(FitText(printer, line, roomTwips));
  for (std::string& each : lines) {
    each = FitText(printer, each, roomTwips);
  }
  return lines;
}

} // namespace report
