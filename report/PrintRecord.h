// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ColumnAnswer.h"
#include "engine/NumberFormat.h"
#include "project/Project.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace report {

// The documents this program writes.
enum class DocumentKind { Sheet, Package, Chart };

// What a page of a document shows; a sheet or a second opinion's page belongs to a column.
enum class PageKind { Summary, Sheet, SecondOpinion, Chart };

struct PlannedPage {
  PageKind kind = PageKind::Sheet;
  std::size_t column = 0; // from 0, in the project's order

  friend bool operator==(const PlannedPage&, const PlannedPage&) = default;
};

// What a document printed, kept in the project it carries, so that it can be drawn again exactly:
// its kind, the date it was printed on, the separators of its figures and its pages in order.
struct PrintRecord {
  DocumentKind kind = DocumentKind::Sheet;
  std::string date; // "2026-12-08"
  engine::NumberFormat format;
  std::vector<PlannedPage> pages;
};

// The pages this version prints for a document of `kind` of `project`, whose columns' answers are
// `answers`; a sheet and a chart are of the project's first column.
std::vector<PlannedPage> PagePlan(DocumentKind kind, const project::Project& project,
                                  std::span<const engine::ColumnAnswer> answers);

// The project file's bytes with the record added under its own key, which reading a project
// passes over.
std::string WithPrintRecord(const std::string& projectBytes, const PrintRecord& record);

// The record a carried project file holds; none for a file written before documents recorded
// what they printed. Throws std::invalid_argument naming what is wrong with a record that
// cannot be read.
std::optional<PrintRecord> ReadPrintRecord(std::string_view projectBytes);

// How a page is named to the user: "summary", "sheet C1", "second opinion C1", "chart".
std::string PageName(const PlannedPage& page, const project::Project& project);

} // namespace report
