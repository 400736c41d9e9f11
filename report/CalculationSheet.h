// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ColumnAnswer.h"
#include "engine/NumberFormat.h"
#include "report/Printer.h"

#include <string>

namespace report {

// The texts at the top of the sheet.
struct SheetHeader {
  std::string project;
  std::string engineer;
  std::string columnMark;
  bool crossCheckPage = false; // the second opinion's page follows the sheet
};

// The face the sheet is designed in; the printer maps it onto an installed Thai face.
inline constexpr const char* kSheetFontName = "MS Sans Serif";

// Writes the sheet onto the current page of an open document and returns how many of the answer's
// warnings it holds, the first ones; throws on the first failing operation.
std::size_t DrawCalculationSheet(const engine::ColumnAnswer& answer, const SheetHeader& header,
                                 const engine::NumberFormat& format, Printer& printer);

// Whether the answer has more warnings than its sheet always holds whole: they go on to a page of
// their own after it.
bool HasWarningsPage(const engine::ColumnAnswer& answer);

// The pages a column prints on: its sheet, its warnings' page where it has one, then the second
// opinion's page where the header asks for it and the check completed.
std::size_t ColumnPageCount(const engine::ColumnAnswer& answer, const SheetHeader& header);

// Writes a column's pages, the first onto the current page of an open document; throws on the
// first failing operation.
void DrawColumnPages(const engine::ColumnAnswer& answer, const SheetHeader& header,
                     const engine::NumberFormat& format, Printer& printer);

// Writes a column's pages onto an open document and ends it; throws on the first failing
// operation.
void PrintCalculationSheet(const engine::ColumnAnswer& answer, const SheetHeader& header,
                           const engine::NumberFormat& format, Printer& printer);

} // namespace report
