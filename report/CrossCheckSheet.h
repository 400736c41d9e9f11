// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ColumnAnswer.h"
#include "engine/ColumnInputs.h"
#include "engine/CrossCheck.h"
#include "engine/DesignRecord.h"
#include "engine/NumberFormat.h"
#include "report/CalculationSheet.h"
#include "report/Printer.h"

namespace report {

// Writes the second opinion's page onto the current page of an open document: its assumptions,
// every step for the column and the base plate, and the figures that differ from the method's
// side by side. `methodRecord` is the method's completed check of `inputs`. Throws on the first
// failing operation.
void DrawCrossCheckSheet(const engine::ColumnInputs& inputs,
                         const engine::DesignRecord& methodRecord, const engine::CrossCheck& check,
                         const SheetHeader& header, const engine::NumberFormat& format,
                         Printer& printer);

// Starts a new page with the answer's second opinion, which it must have.
void DrawCrossCheckPage(const engine::ColumnAnswer& answer, const SheetHeader& header,
                        const engine::NumberFormat& format, Printer& printer);

} // namespace report
