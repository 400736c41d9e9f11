// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace project {

// The records of a CSV text as RFC 4180 reads them, each with the row a spreadsheet shows it
// on: blank lines count as rows, a line break inside quotes does not. Fields keep every byte,
// spaces included. Quotes out of place stop the reading; the records before stay.
struct CsvTable {
  struct Record {
    std::size_t row;
    std::vector<std::string> fields;
  };

  std::vector<Record> records;
  std::optional<std::size_t> malformedRow; // where quotes out of place stopped the reading

  static CsvTable Read(std::string_view text, char separator);
};

// The separator a header row uses: a semicolon where it has more of them than commas.
char DetectSeparator(std::string_view text);

// A first line such as "sep=;", which spreadsheets write to name the separator and do not show.
struct DeclaredSeparator {
  char separator;
  std::string_view rest; // the text after that line
};
std::optional<DeclaredSeparator> ReadDeclaredSeparator(std::string_view text);

// A spreadsheet takes a cell beginning with = + - @, a tab or a carriage return for a formula;
// such a text is written with a leading apostrophe, which the reading removes again. So are texts
// already beginning with apostrophes before such a character, so that every text comes back as
// it was.
std::string SpreadsheetSafe(std::string_view text);
std::string_view FromSpreadsheetSafe(std::string_view cell);

} // namespace project
