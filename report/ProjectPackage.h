// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ColumnInputs.h"
#include "engine/DesignRecord.h"
#include "engine/NumberFormat.h"

#include <optional>
#include <span>
#include <string>

namespace form {
class Printer;
}

namespace report {

// One column of a project as the package prints it.
struct PackageColumn {
  std::string mark;
  engine::ColumnInputs inputs;
  engine::DesignRecord record;        // as far as the check got
  std::optional<std::string> failure; // the failure's name where the check stopped
};

struct PackageHeader {
  std::string project;
  std::string engineer;
  std::string date;        // as the user reads it, e.g. "2026-12-08"
  bool crossCheck = false; // each sheet goes on with the second opinion's page
};

// The permit package as one document: the summary page(s) of every column, then each column's
// calculation sheet with its mark in the header. Ends the document; throws on the first failing
// operation.
void PrintProjectPackage(const PackageHeader& header, std::span<const PackageColumn> columns,
                         const engine::NumberFormat& format, form::Printer& printer);

// The pages the package takes: the summary's, then one a column (the second opinion's pages
// not counted).
int PackagePageCount(std::size_t columnCount);

} // namespace report
