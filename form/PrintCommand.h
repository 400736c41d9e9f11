// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/CalculationSheet.h"

#include <string>

namespace form {

class FormState;
class HostServices;

// The sheet's header as the form shows it.
report::SheetHeader SheetHeaderOf(const FormState& form);

// Writes the form's calculation sheet onto an open document and ends it; the document carries the
// form's column with the project's header. Throws on the first failing operation.
void PrintFormSheet(const FormState& form, report::Printer& printer);

// The print command: asks for confirmation, then prints the one-page calculation sheet of the
// last calculation on the default printer (or, where the host has none, offers a PDF file).
// A printing failure aborts the document and is reported in a message box.
void PrintCommand(FormState& form, HostServices& host);

} // namespace form
