// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/DesignRecord.h"
#include "engine/NumberFormat.h"

#include <string>

namespace form {
class FormState;
class HostServices;
class Printer;
} // namespace form

namespace report {

// The texts at the top of the sheet.
struct SheetHeader {
  std::string project;
  std::string engineer;
  std::string columnMark;
};

// The print command: asks for confirmation, then prints the one-page calculation sheet of the
// last calculation on the default printer (or, where the host has none, offers a PDF file).
// A printing failure aborts the document and is reported in a message box.
void PrintCommand(form::FormState& form, form::HostServices& host);

// The face the sheet is designed in; the printer maps it onto an installed Thai face.
inline constexpr const char* kSheetFontName = "MS Sans Serif";

// Writes the sheet onto the current page of an open document; throws on the first failing
// operation.
void DrawCalculationSheet(const engine::DesignRecord& record, const SheetHeader& header,
                          const engine::NumberFormat& format, form::Printer& printer);

// Writes the sheet onto an open document and ends it; throws on the first failing operation.
void PrintCalculationSheet(const engine::DesignRecord& record, const SheetHeader& header,
                           const engine::NumberFormat& format, form::Printer& printer);
// The form's sheet, followed by the second opinion's page where the form asks for it.
void PrintCalculationSheet(const form::FormState& form, form::Printer& printer);

} // namespace report
