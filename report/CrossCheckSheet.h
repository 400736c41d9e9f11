// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ColumnInputs.h"
#include "engine/CrossCheck.h"
#include "engine/DesignRecord.h"
#include "engine/NumberFormat.h"
#include "report/CalculationSheet.h"

namespace form {
class Printer;
}

namespace report {

// Writes the second opinion's page onto the current page of an open document: its assumptions,
// every step for the column and the base plate, and the figures that differ from the method's
// side by side. `methodRecord` is the method's completed check of `inputs`. Throws on the first
// failing operation.
void DrawCrossCheckSheet(const engine::ColumnInputs& inputs,
                         const engine::DesignRecord& methodRecord, const engine::CrossCheck& check,
                         const SheetHeader& header, const engine::NumberFormat& format,
                         form::Printer& printer);

// Starts a new page with the second opinion on the column of `record`, where its check completed;
// a column the check did not complete gets no page.
void DrawCrossCheckPage(const engine::ColumnInputs& inputs, const engine::DesignRecord& record,
                        const SheetHeader& header, const engine::NumberFormat& format,
                        form::Printer& printer);

} // namespace report
