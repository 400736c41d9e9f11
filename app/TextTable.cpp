#include "app/TextTable.h"

#include <algorithm>

namespace app {

void WriteTable(std::ostream& out, const std::vector<std::string>& header,
                const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::size_t> widths(header.size());
  for (std::size_t column = 0; column < header.size(); ++column) {
    widths[column] = header[column].size();
    for (const std::vector<std::string>& row : rows) {
      widths[column] = std::max(widths[column], row[column].size());
    }
  }
  const auto writeRow = [&](const std::vector<std::string>& row) {
    std::string line;
    for (std::size_t column = 0; column < row.size(); ++column) {
      const std::string padding(widths[column] - row[column].size(), ' ');
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
