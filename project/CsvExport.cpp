// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/CsvExport.h"

#include "project/ColumnFields.h"
#include "project/CsvTable.h"

#include <csv.h>

#include <array>
#include <charconv>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace project {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::array<std::string_view, 8> kResultKeys = {
    "verdict", "max_axial_force_kg", "utilisation", "plate_side_cm", "plate_thickness_mm",
    "failure", "slenderness_ratio",  "warnings"};

// The shortest digits that read back to exactly `value`, never in exponent form.
void AppendExact(std::string& out, double value) {
  std::array<char, 400> digits{};
  const auto written =
      std::to_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed);
  out.append(digits.data(), written.ptr);
}

void AppendQuoted(std::string& out, std::string_view text) {
  const std::size_t start = out.size();
  out.resize(start + csv_write(nullptr, 0, text.data(), text.size()));
  csv_write(out.data() + start, out.size() - start, text.data(), text.size());
}

void AppendHeader(std::string& out) {
  out += kByteOrderMark;
  out += kMarkKey;
  for (const engine::Input input : engine::kAllInputs) {
    out += ',';
    out += FileKeyOf(input);
  }
}

void AppendEntry(std::string& out, const ColumnEntry& entry) {
  AppendQuoted(out, SpreadsheetSafe(entry.mark));
  for (const engine::Input input : engine::kAllInputs) {
    out += ',';
    AppendExact(out, engine::ValueOf(entry.inputs, input));
  }
}

void AppendWhole(std::string& out, std::optional<std::int32_t> value) {
  if (value) {
    out += std::to_string(*value);
  }
}

void AppendResult(std::string& out, const engine::ColumnAnswer& answer) {
  using engine::DesignRecord;
  out += ',';
  out += engine::KeyOf(answer.verdict);
  out += ',';
  AppendWhole(out, answer.checked(&DesignRecord::maxAxialForce));
  out += ',';
  if (answer.utilisation) {
    AppendExact(out, *answer.utilisation);
  }
  out += ',';
  AppendWhole(out, answer.checked(&DesignRecord::plateSide));
  out += ',';
  AppendWhole(out, answer.checked(&DesignRecord::plateThicknessMm));
  out += ',';
  out += answer.failure.value_or(""); // a failure's name never needs quotes
  out += ',';
  AppendWhole(out, answer.checked(&DesignRecord::slendernessRatio));
  out += ',';
  out += engine::WarningKeys(answer.warnings, ";"); // the kinds' keys never need quotes
}

// Room for a typical row, so that a long schedule grows its text a few times only.
constexpr std::size_t kBytesPerRow = 96;

} // namespace

std::string ScheduleCsv(const std::vector<ColumnEntry>& columns) {
  std::string out;
  out.reserve((columns.size() + 1) * kBytesPerRow);
  AppendHeader(out);
  out += kLineEnd;
  for (const ColumnEntry& entry : columns) {
    AppendEntry(out, entry);
    out += kLineEnd;
  }
  return out;
}

std::string ResultsCsv(const Project& project, const ProjectResults& results) {
  if (results.columns.size() != project.columns.size()) {
    throw std::invalid_argument(
        "the results are not those of the project: " + std::to_string(results.columns.size()) +
        " results for " + std::to_string(project.columns.size()) + " columns");
  }
  std::string out;
  out.reserve((project.columns.size() + 1) * 2 * kBytesPerRow);
  AppendHeader(out);
  for (const std::string_view key : kResultKeys) {
    out += ',';
    out += key;
  }
  out += kLineEnd;
  for (std::size_t i = 0; i < project.columns.size(); ++i) {
    AppendEntry(out, project.columns[i]);
    AppendResult(out, results.columns[i]);
    out += kLineEnd;
  }
  return out;
}

} // namespace project
