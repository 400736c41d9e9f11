// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TextTable.h"

#include "engine/ThaiText.h"

#include <algorithm>
#include <string_view>

namespace app {

namespace {

// The cells a terminal gives `text`: one a character, none for a Thai mark above or below.
std::size_t DisplayWidth(std::string_view text) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if ((byte & 0xC0) == 0x80) {
      continue; // a continuation byte belongs to the character before
    }
    if (!engine::IsThaiMarkAt(text, i)) {
      ++width;
    }
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
