// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/PrintRecord.h"

#include "report/CalculationSheet.h"
#include "report/ProjectPackage.h"

#include <nlohmann/json.hpp>

#include <array>
#include <stdexcept>
#include <utility>

namespace report {

namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kRecordKey = "printed";

constexpr std::array<std::pair<DocumentKind, const char*>, 3> kDocumentNames{{
    {DocumentKind::Sheet, "sheet"},
    {DocumentKind::Package, "package"},
    {DocumentKind::Chart, "chart"},
}};
constexpr std::array<std::pair<PageKind, const char*>, 4> kPageNames{{
    {PageKind::Summary, "summary"},
    {PageKind::Sheet, "sheet"},
    {PageKind::SecondOpinion, "second_opinion"},
    {PageKind::Chart, "chart"},
}};

template <typename Kind, std::size_t N>
const char* NameOf(const std::array<std::pair<Kind, const char*>, N>& names, Kind kind) {
  for (const auto& [known, name] : names) {
    if (known == kind) {
      return name;
    }
  }
  return "";
}

template <typename Kind, std::size_t N>
Kind KindNamed(const std::array<std::pair<Kind, const char*>, N>& names, const Json& name,
               const char* what) {
  for (const auto& [kind, known] : names) {
    if (name.is_string() && name.get<std::string>() == known) {
      return kind;
    }
  }
  throw std::invalid_argument(std::string("the record of what was printed names no known ") + what +
                              ": " + name.dump());
}

bool HasColumn(PageKind kind) {
  return kind == PageKind::Sheet || kind == PageKind::SecondOpinion;
}

std::string TextAt(const Json& record, const char* key) {
  const auto found = record.find(key);
  if (found == record.end() || !found->is_string()) {
    throw std::invalid_argument(std::string("the record of what was printed has no text ") + key);
  }
  return found->get<std::string>();
}

} // namespace

std::vector<PlannedPage> PagePlan(DocumentKind kind, const project::Project& project,
                                  std::span<const engine::ColumnAnswer> answers) {
  if (kind == DocumentKind::Chart) {
    return {{PageKind::Chart, 0}};
  }
  std::vector<PlannedPage> pages;
  std::size_t columns = std::min(project.columns.size(), answers.size());
  if (kind == DocumentKind::Sheet) {
    columns = std::min<std::size_t>(columns, 1);
  } else {
    const int summaryPages = PackagePageCount(columns) - static_cast<int>(columns);
    pages.assign(static_cast<std::size_t>(summaryPages), {PageKind::Summary, 0});
  }
  for (std::size_t column = 0; column < columns; ++column) {
    pages.push_back({PageKind::Sheet, column});
    if (ColumnPageCount(answers[column], ColumnSheetHeader(project, column)) > 1) {
      pages.push_back({PageKind::SecondOpinion, column});
    }
  }
  return pages;
}

std::string WithPrintRecord(const std::string& projectBytes, const PrintRecord& record) {
  Json document = Json::parse(projectBytes);
  Json pages = Json::array();
  for (const PlannedPage& page : record.pages) {
    Json entry = {{"page", NameOf(kPageNames, page.kind)}};
    if (HasColumn(page.kind)) {
      entry["column"] = page.column + 1;
    }
    pages.push_back(std::move(entry));
  }
  document[kRecordKey] = {{"kind", NameOf(kDocumentNames, record.kind)},
                          {"date", record.date},
                          {"decimal_separator", record.format.decimalSeparator},
                          {"thousands_separator", record.format.thousandsSeparator},
                          {"pages", std::move(pages)}};
  return document.dump(2) + "\n";
}

std::optional<PrintRecord> ReadPrintRecord(std::string_view projectBytes) {
  const Json document = Json::parse(projectBytes, nullptr, false);
  const auto found = document.is_object() ? document.find(kRecordKey) : document.end();
  if (!document.is_object() || found == document.end()) {
    return std::nullopt;
  }
  const Json& stored = *found;
  if (!stored.is_object() || !stored.contains("pages") || !stored["pages"].is_array()) {
    throw std::invalid_argument("the record of what was printed lists no pages");
  }
  PrintRecord record;
  record.kind = KindNamed(kDocumentNames, stored.value("kind", Json()), "document");
  record.date = TextAt(stored, "date");
  record.format = {TextAt(stored, "decimal_separator"), TextAt(stored, "thousands_separator")};
  for (const Json& entry : stored["pages"]) {
    if (!entry.is_object()) {
      throw std::invalid_argument("the record of what was printed lists a page that is no object");
    }
    PlannedPage page{KindNamed(kPageNames, entry.value("page", Json()), "page"), 0};
    if (HasColumn(page.kind)) {
      const Json column = entry.value("column", Json());
      if (!column.is_number_unsigned() || column.get<std::size_t>() == 0) {
        throw std::invalid_argument("the record of what was printed lists a page of no column");
      }
      page.column = column.get<std::size_t>() - 1;
    }
    record.pages.push_back(page);
  }
  return record;
}

std::string PageName(const PlannedPage& page, const project::Project& project) {
  const std::string mark =
      page.column < project.columns.size() ? project.columns[page.column].mark : std::string();
  switch (page.kind) {
  case PageKind::Summary:
    return "summary";
  case PageKind::Sheet:
    return "sheet " + mark;
  case PageKind::SecondOpinion:
    return "second opinion " + mark;
  case PageKind::Chart:
    return "chart";
  }
  return {};
}

} // namespace report
