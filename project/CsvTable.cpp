// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/CsvTable.h"

#include <csv.h>

#include <algorithm>
#include <cctype>
#include <new>

namespace project {

namespace {

// Spaces around an unquoted field are part of it: a mark keeps its blanks as typed.
int NoSpaces(unsigned char) {
  return 0;
}

// Builds records from the parser's callbacks and counts rows as a spreadsheet shows them.
class RecordBuilder {
public:
  explicit RecordBuilder(CsvTable& table) : table_(table) {}

  static void OnField(void* data, std::size_t size, void* self) {
    static_cast<RecordBuilder*>(self)->addField(static_cast<const char*>(data), size);
  }
  static void OnRowEnd(int terminator, void* self) {
    static_cast<RecordBuilder*>(self)->endRow(terminator);
  }

  std::size_t currentRow() const { return row_; }

private:
  void addField(const char* data, std::size_t size) {
    fields_.emplace_back(size == 0 ? std::string() : std::string(data, size));
    lastEndedWithCarriageReturn_ = false;
  }

  void endRow(int terminator) {
    // The parser reports every line break; the LF of a CR LF pair ends no further row.
    const bool secondHalfOfCrLf =
        terminator == CSV_LF && fields_.empty() && lastEndedWithCarriageReturn_;
    lastEndedWithCarriageReturn_ = terminator == CSV_CR;
    if (secondHalfOfCrLf) {
      return;
    }
    if (!fields_.empty()) {
      table_.records.push_back({row_, std::move(fields_)});
      fields_.clear();
    }
    ++row_;
  }

  CsvTable& table_;
  std::vector<std::string> fields_;
  std::size_t row_ = 1;
  bool lastEndedWithCarriageReturn_ = false;
};

// The library's parser, freed however the reading ends.
class Parser {
public:
  Parser() { csv_init(&state_, CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL); }
  ~Parser() { csv_free(&state_); }
  Parser(const Parser&) = delete;
  Parser& operator=(const Parser&) = delete;

  csv_parser* get() { return &state_; }

private:
  csv_parser state_{};
};

} // namespace

CsvTable CsvTable::Read(std::string_view text, char separator) {
  CsvTable table;
  Parser parser;
  csv_set_delim(parser.get(), static_cast<unsigned char>(separator));
  csv_set_space_func(parser.get(), NoSpaces);
  csv_set_blk_size(parser.get(), 4096);

  RecordBuilder builder(table);
  const std::size_t parsed = csv_parse(parser.get(), text.data(), text.size(),
                                       RecordBuilder::OnField, RecordBuilder::OnRowEnd, &builder);
  const bool stopped = parsed != text.size();
  if (!stopped) {
    csv_fini(parser.get(), RecordBuilder::OnField, RecordBuilder::OnRowEnd, &builder);
  }
  switch (csv_error(parser.get())) {
  case CSV_SUCCESS:
    break;
  case CSV_EPARSE:
    table.malformedRow = builder.currentRow();
    break;
  default:
    throw std::bad_alloc();
  }
  return table;
}

char DetectSeparator(std::string_view text) {
  const std::string_view headerRow = text.substr(0, text.find_first_of("\r\n"));
  const auto count = [&](char separator) {
    return std::count(headerRow.begin(), headerRow.end(), separator);
  };
  return count(';') > count(',') ? ';' : ',';
}

std::optional<DeclaredSeparator> ReadDeclaredSeparator(std::string_view text) {
  constexpr std::string_view kPrefix = "sep=";
  const std::size_t lineEnd = text.find_first_of("\r\n");
  const std::string_view line = text.substr(0, lineEnd);
  if (line.size() != kPrefix.size() + 1 ||
      !std::equal(kPrefix.begin(), kPrefix.end(), line.begin(), [](char a, char b) {
        return a == std::tolower(static_cast<unsigned char>(b));
      })) {
    return std::nullopt;
  }
  const char separator = line.back();
  if (separator == '"') {
    return std::nullopt;
  }
  std::string_view rest =
      lineEnd == std::string_view::npos ? std::string_view() : text.substr(lineEnd);
  if (rest.starts_with("\r\n")) {
    rest.remove_prefix(2);
  } else if (!rest.empty()) {
    rest.remove_prefix(1);
  }
  return DeclaredSeparator{separator, rest};
}

namespace {

constexpr char kApostrophe = '\'';

// Whether a spreadsheet would take the text for a formula, once its leading apostrophes are gone.
bool NeedsApostrophe(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kApostrophe);
  if (first == std::string_view::npos) {
    return false;
  }
  return std::string_view("=+-@\t\r").find(text[first]) != std::string_view::npos;
}

} // namespace

std::string SpreadsheetSafe(std::string_view text) {
  return NeedsApostrophe(text) ? kApostrophe + std::string(text) : std::string(text);
}

std::string_view FromSpreadsheetSafe(std::string_view cell) {
  if (cell.starts_with(kApostrophe) && NeedsApostrophe(cell.substr(1))) {
    cell.remove_prefix(1);
  }
  return cell;
}

} // namespace project
