// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/ProjectFile.h"

#include "project/ColumnFields.h"
#include "project/HeaderFields.h"
#include "project/LoadMessages.h"
#include "project/ProblemList.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace project {

namespace {

namespace messages = load_messages;
using Json = nlohmann::json;

constexpr std::string_view kSchemaKey = "schema";
constexpr std::string_view kHeaderKey = "header";
constexpr std::string_view kColumnsKey = "columns";
constexpr std::string_view kWrittenByKey = "written_by";
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::string_view ProjectNameKey() {
  return KeyOf(HeaderField::Project);
}
std::string_view EngineerKey() {
  return KeyOf(HeaderField::Engineer);
}

bool IsWhitespace(std::string_view bytes) {
  return std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

// The line and the character within it (both from 1) of the byte at `offset`, as an editor
// shows them: a byte-order mark is no character.
std::pair<std::size_t, std::size_t> LineAndCharacter(std::string_view bytes, std::size_t offset) {
  offset = std::min(offset, bytes.size());
  std::size_t line = 1;
  std::size_t character = 1;
  for (std::size_t i = bytes.starts_with(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0;
       i < offset; ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte == '\n') {
      ++line;
      character = 1;
    } else if ((byte & 0xC0) != 0x80) { // continuation bytes belong to the character before
      ++character;
    }
  }
  return {line, character};
}

// Where the JSON syntax first fails, found without building anything, and the first key written
// twice in one object, which the parser would otherwise settle silently by taking the last value.
// The parser itself stops a number beyond the double range with another exception than a syntax
// error, and no position.
class SyntaxCheck final : public nlohmann::json_sax<Json> {
public:
  std::size_t stoppedAt = 0; // the byte the parser stopped on, from 0
  bool numberOverflow = false;
  // Where the repeated key lies: the keys and the list positions (from 1) leading to it.
  std::optional<std::vector<std::string>> repeatedKey;

  bool null() override { return value(); }
  bool boolean(bool) override { return value(); }
  bool number_integer(number_integer_t) override { return value(); }
  bool number_unsigned(number_unsigned_t) override { return value(); }
  bool number_float(number_float_t, const string_t&) override { return value(); }
  bool string(string_t&) override { return value(); }
  bool binary(binary_t&) override { return value(); }
  bool start_object(std::size_t) override {
    value();
    levels_.push_back({true, {}, {}, 0});
    return true;
  }
  bool key(string_t& name) override {
    Level& object = levels_.back();
    if (!object.keys.insert(name).second && !repeatedKey) {
      repeatedKey = pathTo(name);
    }
    object.lastKey = name;
    return true;
  }
  bool end_object() override { return end(); }
  bool start_array(std::size_t) override {
    value();
    levels_.push_back({false, {}, {}, 0});
    return true;
  }
  bool end_array() override { return end(); }
  bool parse_error(std::size_t position, const std::string&,
                   const Json::exception& error) override {
    stoppedAt = position == 0 ? 0 : position - 1;
    numberOverflow = dynamic_cast<const Json::out_of_range*>(&error) != nullptr;
    return false;
  }

private:
  struct Level {
    bool isObject;
    std::set<std::string> keys;
    std::string lastKey;
    std::size_t items; // of a list
  };

  bool value() {
    if (!levels_.empty() && !levels_.back().isObject) {
      ++levels_.back().items;
    }
    return true;
  }
  bool end() {
    levels_.pop_back();
    return true;
  }
  std::vector<std::string> pathTo(const std::string& name) const {
    std::vector<std::string> path;
    for (std::size_t i = 0; i + 1 < levels_.size(); ++i) {
      path.push_back(levels_[i].isObject ? levels_[i].lastKey : std::to_string(levels_[i].items));
    }
    path.push_back(name);
    return path;
  }

  std::vector<Level> levels_;
};

// A key written twice, named as the other problems name their field.
void ReportRepeatedKey(const std::vector<std::string>& path, ProblemList& problems) {
  const auto isPosition = [](const std::string& part) {
    return !part.empty() && part.size() < 10 &&
           std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  if (path.size() == 3 && path[0] == kColumnsKey && isPosition(path[1])) {
    problems.addInColumn(std::stoul(path[1]), {}, path[2], messages::kRepeatedKey);
    return;
  }
  std::string field;
  for (const std::string& part : path) {
    field += (field.empty() ? "" : ".") + part;
  }
  problems.addInField(field, messages::kRepeatedKey);
}

// A text member of `object`, or a problem reported through `report(field, message)`.
template <typename Report>
std::optional<std::string> TextMember(const Json& object, std::string_view key,
                                      const Report& report) {
  const auto found = object.find(key);
  if (found == object.end()) {
    report(key, messages::kMissingField);
    return std::nullopt;
  }
  if (!found->is_string()) {
    report(key, messages::kNotText);
    return std::nullopt;
  }
  return found->get<std::string>();
}

std::optional<Project::Header> ReadHeader(const Json& document, ProblemList& problems) {
  const auto found = document.find(kHeaderKey);
  if (found == document.end()) {
    problems.addInField(kHeaderKey, messages::kMissingField);
    return std::nullopt;
  }
  if (!found->is_object()) {
    problems.addInField(kHeaderKey, messages::kNotAnObject);
    return std::nullopt;
  }
  const auto report = [&](std::string_view key, std::string_view message) {
    problems.addInField(std::string(kHeaderKey) + "." + std::string(key), message);
  };
  std::optional<std::string> project = TextMember(*found, ProjectNameKey(), report);
  std::optional<std::string> engineer = TextMember(*found, EngineerKey(), report);
  std::optional<std::string> licenceNumber = std::string();
  if (found->contains(kLicenceNumberKey)) {
    licenceNumber = TextMember(*found, kLicenceNumberKey, report);
  }
  if (!project || !engineer || !licenceNumber) {
    return std::nullopt;
  }
  return Project::Header{std::move(*project), std::move(*engineer), std::move(*licenceNumber)};
}

std::optional<ColumnEntry> ReadColumn(const Json& column, std::size_t row, ProblemList& problems) {
  if (!column.is_object()) {
    problems.addInColumn(row, {}, {}, messages::kNotAnObject);
    return std::nullopt;
  }
  const auto markFound = column.find(kMarkKey);
  const std::string mark =
      markFound != column.end() && markFound->is_string() ? markFound->get<std::string>() : "";
  const auto report = [&](std::string_view key, std::string_view message) {
    problems.addInColumn(row, mark, key, message);
  };
  const std::optional<std::string> acceptedMark = TextMember(column, kMarkKey, report);

  InputValues values;
  for (const engine::Input input : engine::kAllInputs) {
    const std::string_view key = FileKeyOf(input);
    const auto found = column.find(key);
    if (found == column.end()) {
      report(key, messages::kMissingField);
    } else if (!found->is_number()) {
      report(key, messages::kNotANumberType);
    } else {
      values[static_cast<std::size_t>(input)] = found->get<double>();
    }
  }
  const std::optional<engine::ColumnInputs> inputs = AcceptInputs(values, report);
  if (!acceptedMark || !inputs) {
    return std::nullopt;
  }
  return ColumnEntry{*acceptedMark, *inputs};
}

std::vector<ColumnEntry> ReadColumns(const Json& document, ProblemList& problems) {
  std::vector<ColumnEntry> columns;
  const auto found = document.find(kColumnsKey);
  if (found == document.end()) {
    problems.addInField(kColumnsKey, messages::kMissingField);
    return columns;
  }
  if (!found->is_array()) {
    problems.addInField(kColumnsKey, messages::kNotAList);
    return columns;
  }
  if (found->empty()) {
    problems.addInField(kColumnsKey, messages::kNoColumns);
    return columns;
  }
  columns.reserve(found->size());
  std::size_t row = 0;
  for (const Json& column : *found) {
    if (std::optional<ColumnEntry> entry = ReadColumn(column, ++row, problems)) {
      columns.push_back(std::move(*entry));
    }
  }
  return columns;
}

// The schema the file declares, when this program reads it; otherwise the problem is reported.
bool ReadableSchema(const Json& document, ProblemList& problems) {
  const auto found = document.find(kSchemaKey);
  if (found == document.end()) {
    problems.addInField(kSchemaKey, messages::kMissingField);
    return false;
  }
  if (found->is_number_unsigned() && found->get<std::uint64_t>() > kProjectFileSchema) {
    const auto schema = found->get<std::uint64_t>();
    problems.addInFile(messages::NewerSchema(
        static_cast<std::int64_t>(std::min<std::uint64_t>(schema, INT64_MAX)), kProjectFileSchema));
    return false;
  }
  if (!found->is_number_integer() || found->get<std::int64_t>() < 1) {
    problems.addInField(kSchemaKey, messages::kBadSchema);
    return false;
  }
  return true;
}

} // namespace

std::string ProjectFileBytes(const Project& project, std::string_view writtenBy) {
  nlohmann::ordered_json document;
  document[kSchemaKey] = kProjectFileSchema;
  document[kHeaderKey] = {{ProjectNameKey(), project.header.project},
                          {EngineerKey(), project.header.engineer}};
  if (!project.header.licenceNumber.empty()) {
    document[kHeaderKey][kLicenceNumberKey] = project.header.licenceNumber;
  }
  nlohmann::ordered_json columns = nlohmann::ordered_json::array();
  for (const ColumnEntry& entry : project.columns) {
    nlohmann::ordered_json column;
    column[kMarkKey] = entry.mark;
    for (const engine::Input input : engine::kAllInputs) {
      column[FileKeyOf(input)] = engine::ValueOf(entry.inputs, input);
    }
    columns.push_back(std::move(column));
  }
  document[kColumnsKey] = std::move(columns);
  if (!writtenBy.empty()) {
    document[kWrittenByKey] = writtenBy;
  }
  try {
    return document.dump(2) + "\n";
  } catch (const nlohmann::json::type_error& error) {
    throw std::invalid_argument(std::string("a text of the project is not UTF-8: ") + error.what());
  }
}

std::optional<std::string> WriterOfProjectFile(std::string_view bytes) {
  const Json document = Json::parse(bytes, nullptr, false);
  if (!document.is_object()) {
    return std::nullopt;
  }
  const auto found = document.find(kWrittenByKey);
  if (found == document.end() || !found->is_string()) {
    return std::nullopt;
  }
  return found->get<std::string>();
}

ProjectLoad ReadProjectFile(std::string_view bytes, std::string_view fileName) {
  ProblemList problems(fileName);
  const std::string_view body =
      bytes.starts_with(kUtf8ByteOrderMark) ? bytes.substr(kUtf8ByteOrderMark.size()) : bytes;
  if (IsWhitespace(body)) {
    problems.addInFile(messages::kEmptyFile);
    return problems.take();
  }
  SyntaxCheck syntax;
  if (!Json::sax_parse(bytes, &syntax)) {
    const auto [line, character] = LineAndCharacter(bytes, syntax.stoppedAt);
    problems.addInFile(syntax.numberOverflow ? messages::NumberTooLarge(line, character)
                                             : messages::MalformedJson(line, character));
    return problems.take();
  }
  if (syntax.repeatedKey) {
    ReportRepeatedKey(*syntax.repeatedKey, problems);
    return problems.take();
  }
  const Json document = Json::parse(bytes);
  if (!document.is_object()) {
    problems.addInFile(messages::kNotAProject);
    return problems.take();
  }
  if (!ReadableSchema(document, problems)) {
    return problems.take();
  }
  std::optional<Project::Header> header = ReadHeader(document, problems);
  std::vector<ColumnEntry> columns = ReadColumns(document, problems);
  if (!problems.empty()) {
    return problems.take();
  }
  return Project{std::move(*header), std::move(columns)};
}

} // namespace project
