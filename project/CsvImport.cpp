// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/CsvImport.h"

#include "engine/NumberText.h"
#include "project/ColumnFields.h"
#include "project/CsvTable.h"
#include "project/LoadMessages.h"
#include "project/ProblemList.h"
#include "project/Project.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace project {

namespace {

namespace messages = load_messages;

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kFieldCount = 1 + engine::kAllInputs.size(); // the mark and the inputs

// Well-formed UTF-8 as RFC 3629 defines it: no overlong forms, no surrogates, nothing beyond
// U+10FFFF. Thai saved in a Windows code page fails here rather than turning into other letters.
bool IsUtf8(std::string_view text) {
  const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char lead = byteAt(i);
    std::size_t length = 1;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
      ++i;
      continue;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      low = lead == 0xE0 ? 0xA0 : 0x80;
      high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      low = lead == 0xF0 ? 0x90 : 0x80;
      high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
      return false;
    }
    if (text.size() - i < length || byteAt(i + 1) < low || byteAt(i + 1) > high) {
      return false;
    }
    for (std::size_t k = 2; k < length; ++k) {
      if (byteAt(i + k) < 0x80 || byteAt(i + k) > 0xBF) {
        return false;
      }
    }
    i += length;
  }
  return true;
}

// A header field naming `key`, whatever its case and the blanks around it.
bool IsKey(std::string_view name, std::string_view key) {
  name = WithoutBlanks(name);
  return std::equal(name.begin(), name.end(), key.begin(), key.end(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
  });
}

// Where each field of a column lies in the records: the mark first, then the inputs in the
// prompts' order.
using FieldPositions = std::array<std::size_t, kFieldCount>;

std::string_view KeyOfField(std::size_t field) {
  return field == 0 ? kMarkKey : FileKeyOf(engine::kAllInputs[field - 1]);
}

std::optional<FieldPositions> ReadHeaderRow(const CsvTable::Record& header, ProblemList& problems) {
  FieldPositions positions{};
  bool complete = true;
  for (std::size_t field = 0; field < kFieldCount; ++field) {
    const std::string_view key = KeyOfField(field);
    const auto named = [&](const std::string& name) { return IsKey(name, key); };
    const auto first = std::find_if(header.fields.begin(), header.fields.end(), named);
    if (first == header.fields.end()) {
      problems.addInColumn(header.row, {}, key, messages::kMissingHeaderColumn);
      complete = false;
    } else if (std::find_if(first + 1, header.fields.end(), named) != header.fields.end()) {
      problems.addInColumn(header.row, {}, key, messages::kRepeatedHeaderColumn);
      complete = false;
    }
    positions[field] = static_cast<std::size_t>(first - header.fields.begin());
  }
  if (!complete) {
    return std::nullopt;
  }
  return positions;
}

const engine::NumberFormat kPointDecimals{".", ","};
const engine::NumberFormat kCommaDecimals{",", "."};

// The decimal mark a file's numbers use, as far as the file shows it.
enum class DecimalMark { Unknown, Point, Comma };

// A value read with the point and with the comma as its decimal mark.
struct Readings {
  std::optional<double> point;
  std::optional<double> comma;

  explicit Readings(std::string_view text)
      : point(engine::ReadStrictNumber(text, kPointDecimals)),
        comma(engine::ReadStrictNumber(text, kCommaDecimals)) {}

  bool differ() const { return point && comma && *point != *comma; }
  // The mark of the one convention the value fits, where it fits only one.
  DecimalMark shows() const {
    if (point.has_value() == comma.has_value()) {
      return DecimalMark::Unknown;
    }
    return point ? DecimalMark::Point : DecimalMark::Comma;
  }
};

// The value of one input's field, or its problem reported. A value that fits one convention is
// read in it, whatever the separator; one that fits both with different numbers ("1,500") is read
// in the file's, and refused naming both readings where the file shows none.
std::optional<double> ReadValue(std::string_view text, engine::Input input, DecimalMark fileMark,
                                const std::function<void(std::string_view)>& report) {
  if (WithoutBlanks(text).empty()) {
    report(messages::kEmptyValue);
    return std::nullopt;
  }
  const Readings readings(text);
  if (readings.differ()) {
    if (fileMark == DecimalMark::Unknown) {
      report(messages::TwoReadings(WithoutBlanks(text), *readings.point, *readings.comma));
      return std::nullopt;
    }
    return fileMark == DecimalMark::Point ? readings.point : readings.comma;
  }
  const std::optional<double> value = readings.point ? readings.point : readings.comma;
  if (!value) {
    report(engine::RuleFor(input).messageNotANumber);
  }
  return value;
}

// The decimal mark the file shows: the one its values that fit a single convention use, or else
// the one its "sep=" line goes with (a semicolon file is written where the comma is the decimal
// mark). Unknown where nothing shows it, or where the file shows both.
DecimalMark FileDecimalMark(std::span<const CsvTable::Record> rows, const FieldPositions& positions,
                            std::optional<char> declaredSeparator) {
  bool point = false;
  bool comma = false;
  for (const CsvTable::Record& row : rows) {
    for (std::size_t field = 1; field < kFieldCount; ++field) {
      if (positions[field] < row.fields.size()) {
        const DecimalMark shown = Readings(row.fields[positions[field]]).shows();
        point = point || shown == DecimalMark::Point;
        comma = comma || shown == DecimalMark::Comma;
      }
    }
  }
  if (!point && !comma && declaredSeparator) {
    point = *declaredSeparator == ',';
    comma = *declaredSeparator == ';';
  }
  if (point == comma) {
    return DecimalMark::Unknown;
  }
  return point ? DecimalMark::Point : DecimalMark::Comma;
}

std::optional<ColumnEntry> ReadRow(const CsvTable::Record& record, const FieldPositions& positions,
                                   std::size_t headerFieldCount, DecimalMark fileMark,
                                   ProblemList& problems) {
  if (record.fields.size() != headerFieldCount) {
    problems.addInColumn(record.row, {}, {},
                         messages::WrongFieldCount(record.fields.size(), headerFieldCount));
    return std::nullopt;
  }
  const std::string mark(FromSpreadsheetSafe(record.fields[positions[0]]));
  const bool markIsText = IsUtf8(mark);
  const std::string_view markShown = markIsText ? std::string_view(mark) : std::string_view();
  const auto report = [&](std::string_view key, std::string_view message) {
    problems.addInColumn(record.row, markShown, key, message);
  };
  if (!markIsText) {
    report(kMarkKey, messages::kNotUtf8);
  }
  InputValues values;
  for (std::size_t field = 1; field < kFieldCount; ++field) {
    const engine::Input input = engine::kAllInputs[field - 1];
    values[field - 1] =
        ReadValue(record.fields[positions[field]], input, fileMark,
                  [&](std::string_view message) { report(FileKeyOf(input), message); });
  }
  const std::optional<engine::ColumnInputs> inputs = AcceptInputs(values, report);
  if (!markIsText || !inputs) {
    return std::nullopt;
  }
  return ColumnEntry{mark, *inputs};
}

bool IsEmptyRow(const CsvTable::Record& record) {
  return std::all_of(record.fields.begin(), record.fields.end(),
                     [](const std::string& field) { return WithoutBlanks(field).empty(); });
}

} // namespace

FileContent RecogniseContent(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
    return FileContent::Schedule;
  }
  std::string_view text =
      bytes.starts_with(kUtf8ByteOrderMark) ? bytes.substr(kUtf8ByteOrderMark.size()) : bytes;
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) {
    return FileContent::Neither;
  }
  if (text[first] == '{' || text[first] == '[') {
    return FileContent::ProjectFile;
  }
  if (ReadDeclaredSeparator(text)) {
    return FileContent::Schedule;
  }
  text.remove_prefix(first);
  const CsvTable table =
      CsvTable::Read(text.substr(0, text.find_first_of("\r\n")), DetectSeparator(text));
  for (const CsvTable::Record& record : table.records) {
    for (const std::string& name : record.fields) {
      for (std::size_t field = 0; field < kFieldCount; ++field) {
        if (IsKey(name, KeyOfField(field))) {
          return FileContent::Schedule;
        }
      }
    }
  }
  return FileContent::Neither;
}

LoadErrors NeitherProjectNorSchedule(std::string_view fileName) {
  std::string headerRow;
  for (std::size_t field = 0; field < kFieldCount; ++field) {
    headerRow += (field == 0 ? "" : ",") + std::string(KeyOfField(field));
  }
  ProblemList problems(fileName);
  problems.addInFile(messages::NeitherProjectNorSchedule(headerRow));
  return problems.take();
}

ScheduleLoad ReadScheduleCsv(std::string_view bytes, std::string_view fileName) {
  ProblemList problems(fileName);
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
    problems.addInFile(messages::kUtf16);
    return problems.take();
  }
  std::string_view text =
      bytes.starts_with(kUtf8ByteOrderMark) ? bytes.substr(kUtf8ByteOrderMark.size()) : bytes;
  std::optional<char> declaredSeparator;
  if (const std::optional<DeclaredSeparator> declared = ReadDeclaredSeparator(text)) {
    declaredSeparator = declared->separator;
    text = declared->rest;
  }
  const CsvTable table = CsvTable::Read(text, declaredSeparator.value_or(DetectSeparator(text)));

  std::vector<ColumnEntry> columns;
  const auto header = std::find_if_not(table.records.begin(), table.records.end(), IsEmptyRow);
  if (header == table.records.end() && !table.malformedRow) {
    problems.addInFile(messages::kEmptyFile);
    return problems.take();
  }
  if (header != table.records.end()) {
    if (const std::optional<FieldPositions> positions = ReadHeaderRow(*header, problems)) {
      const DecimalMark fileMark = FileDecimalMark(std::span(header + 1, table.records.end()),
                                                   *positions, declaredSeparator);
      for (auto record = header + 1; record != table.records.end(); ++record) {
        if (IsEmptyRow(*record)) {
          continue;
        }
        if (std::optional<ColumnEntry> entry =
                ReadRow(*record, *positions, header->fields.size(), fileMark, problems)) {
          columns.push_back(std::move(*entry));
        }
      }
    }
  }
  if (table.malformedRow) {
    problems.addInColumn(*table.malformedRow, {}, {}, messages::kMalformedCsv);
  } else if (problems.empty() && columns.empty()) {
    problems.addInFile(messages::kNoColumns);
  }
  if (!problems.empty()) {
    return problems.take();
  }
  return columns;
}

} // namespace project
