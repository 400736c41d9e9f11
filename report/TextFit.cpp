// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/TextFit.h"

#include "engine/ThaiText.h"

#include "report/Printer.h"

#include <algorithm>
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

// The places `text` may be cut, in order, past `from`.
std::vector<std::size_t> Cuts(std::string_view text, std::size_t from) {
  std::vector<std::size_t> cuts;
  for (std::size_t end = from + 1; end <= text.size(); ++end) {
    if (StartsCharacter(text, end)) {
      cuts.push_back(end);
    }
  }
  return cuts;
}

// The number of leading `cuts` whose piece fits; widths grow with the cut, so a binary search.
template <typename Piece>
std::size_t CutsThatFit(report::Printer& printer, const std::vector<std::size_t>& cuts,
                        int roomTwips, Piece piece) {
  std::size_t low = 0;
  std::size_t high = cuts.size();
  while (low < high) {
    const std::size_t middle = (low + high) / 2;
    if (printer.TextWidth(piece(cuts[middle])) <= roomTwips) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return low;
}

const std::string kEllipsis = "\u2026";

} // namespace

std::vector<std::string> WrapText(report::Printer& printer, const std::string& text, int roomTwips,
                                  std::size_t maxLines) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size() && lines.size() + 1 < maxLines) {
    const std::string_view rest = std::string_view(text).substr(start);
    if (printer.TextWidth(std::string(rest)) <= roomTwips) {
      break;
    }
    const std::vector<std::size_t> cuts = Cuts(rest, 0);
    const std::size_t fit = CutsThatFit(printer, cuts, roomTwips, [&](std::size_t end) {
      return std::string(rest.substr(0, end));
    });
    std::size_t end = fit == 0 ? cuts.front() : cuts[fit - 1]; // one character at the least
    const std::size_t space = rest.substr(0, end).rfind(' ');
    if (space != std::string_view::npos && space > 0 && end < rest.size()) {
      end = space + 1;
    }
    std::string line(rest.substr(0, end));
    while (!line.empty() && line.back() == ' ') {
      line.pop_back();
    }
    lines.push_back(line);
    start += end;
  }
  const std::string rest = text.substr(start);
  if (rest.empty() && !lines.empty()) {
    return lines;
  }
  if (printer.TextWidth(rest) <= roomTwips) {
    lines.push_back(rest);
    return lines;
  }
  // The end of the text after an ellipsis: the longest tail that fits.
  std::vector<std::size_t> starts = Cuts(rest, 0);
  starts.insert(starts.begin(), 0);
  starts.pop_back();
  std::reverse(starts.begin(), starts.end());
  const std::size_t fit = CutsThatFit(
      printer, starts, roomTwips, [&](std::size_t from) { return kEllipsis + rest.substr(from); });
  lines.push_back(fit == 0 ? kEllipsis : kEllipsis + rest.substr(starts[fit - 1]));
  return lines;
}

std::string FitText(report::Printer& printer, const std::string& text, int roomTwips) {
  if (printer.TextWidth(text) <= roomTwips) {
    return text;
  }
  std::vector<std::size_t> cuts = Cuts(text, 0);
  if (!cuts.empty()) {
    cuts.pop_back(); // the whole text, which does not fit
  }
  const std::size_t fit = CutsThatFit(
      printer, cuts, roomTwips, [&](std::size_t end) { return text.substr(0, end) + kEllipsis; });
  return fit == 0 ? kEllipsis : text.substr(0, cuts[fit - 1]) + kEllipsis;
}

std::vector<std::string> WrapShowing(report::Printer& printer, const std::string& text,
                                     int roomTwips, std::size_t differsAt) {
  std::vector<std::string> lines = WrapText(printer, text, roomTwips, 2);
  if (lines.size() < 2 || !lines[1].starts_with(kEllipsis)) {
    return lines;
  }
  const std::size_t tailStart = text.size() - (lines[1].size() - kEllipsis.size());
  if (differsAt >= tailStart || differsAt < lines[0].size()) {
    return lines;
  }
  std::size_t from = differsAt;
  while (from > lines[0].size() && !StartsCharacter(text, from)) {
    --from;
  }
  lines[1] = FitText(printer, kEllipsis + text.substr(from), roomTwips);
  return lines;
}

std::string WithControlsAsSpaces(std::string text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    // U+0080 to U+009F, the second set of controls, are two bytes in UTF-8.
    if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0 &&
        static_cast<unsigned char>(text[i + 1]) >= 0x80) {
      text.replace(i, 2, " ");
    } else if (byte < 0x20 || byte == 0x7F) {
      text[i] = ' ';
    }
  }
  return text;
}

} // namespace report
