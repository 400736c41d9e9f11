// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TextTable.h"

#include <algorithm>
#include <string_view>

namespace app {

namespace {

// The cells a terminal gives `text`: one a character, none for a Thai vowel or tone mark written
// above or below its letter (U+0E31, U+0E34-U+0E3A, U+0E47-U+0E4E).
std::size_t DisplayWidth(std::string_view text) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if ((byte & 0xC0) == 0x80) {
      continue; // a continuation byte belongs to the character before
    }
    if (byte == 0xE0 && i + 2 < text.size()) {
      const auto block = static_cast<unsigned char>(text[i + 1]);
      const auto last = static_cast<unsigned char>(text[i + 2]);
      const bool mark = (block == 0xB8 && (last == 0xB1 || (last >= 0xB4 && last <= 0xBA))) ||
                        (block == 0xB9 && last >= 0x87 && last <= 0x8E);
      if (mark) {
        continue;
      }
    }
    ++width;
  }
  return width;
}

} // namespace

void WriteTable(std::ostream& out, const std::vector<std::string>& header,
                const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::size_t> widths(header.size());
  for (std::size_t column = 0; column < header.size(); ++column) {
    widths[column] = DisplayWidth(header[column]);
    for (const std::vector<std::string>& row : rows) {
      widths[column] = std::max(widths[column], DisplayWidth(row[column]));
    }
  }
  const auto writeRow = [&](const std::vector<std::string>& row) {
    std::string line;
    for (std::size_t column = 0; column < row.size(); ++column) {
      const std::string padding(widths[column] - DisplayWidth(row[column]), ' ');
      line += column == 0 ? row[column] + padding : "  " + padding + row[column];
    }
    line.erase(line.find_last_not_of(' ') + 1);
    out << line << "\n";
  };
  writeRow(header);
  for (const std::vector<std::string>& row : rows) {
    writeRow(row);
  }
}

} // namespace app
