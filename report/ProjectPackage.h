// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ColumnAnswer.h"
#include "engine/NumberFormat.h"
#include "project/Project.h"
#include "project/ScheduleRow.h"
#include "report/CalculationSheet.h"
#include "report/Printer.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace report {

// The second opinion's mark: after the verdict where it does not accept the column, after the base
// plate where it does not accept the plate. The method's own warnings are marked kWarningMark.
inline constexpr std::string_view kSecondOpinionMark = "(*)";

// Told the pages printed so far after each page; false stops the printing with PackageStopped,
// before the document ends.
using PagesDone = std::function<bool(int pages)>;
struct PackageStopped {};

// The permit package as one document: the summary page(s) of every column, then each column's
// calculation sheet with its mark in the header (and its second opinion's page where the project
// asks for it), all dated `date` ("2026-12-08"). The document carries the project, and the summary
// ends with a place for the engineer and the checker to sign. `answers` are the project's columns'
// answers, in its order. Ends the document; throws on the first failing operation.
// The header of column `column`'s sheet in the project's package.
SheetHeader ColumnSheetHeader(const project::Project& project, std::size_t column);

void PrintProjectPackage(const project::Project& project,
                         std::span<const engine::ColumnAnswer> answers, const std::string& date,
                         const engine::NumberFormat& format, Printer& printer,
                         const PagesDone& pagesDone = {});

// The pages the package takes: the summary's, then one a column.
int PackagePageCount(std::size_t columnCount);

} // namespace report
