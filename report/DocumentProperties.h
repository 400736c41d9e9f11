// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ColumnInputs.h"
#include "project/Project.h"
#include "report/CalculationSheet.h"
#include "report/PrintRecord.h"
#include "report/Printer.h"

#include <optional>
#include <span>
#include <string>

namespace report {

// The program and version that write a document: "pipecolumn 1.0.0".
std::string WriterName();

// The project file a document carries: what a Save writes, the program that wrote it and the
// record of what the document printed.
std::string CarriedProjectBytes(const project::Project& project, const PrintRecord& record);

// The project a single sheet or chart carries: its one column under the sheet's header, with the
// engineer's licence number.
project::Project SheetProject(const SheetHeader& header, const engine::ColumnInputs& inputs,
                              std::string licenceNumber = {});

// A sheet's properties, carrying its project; printed today with `format`.
DocumentDescription SheetDescription(const engine::ColumnAnswer& answer, const SheetHeader& header,
                                     const engine::NumberFormat& format,
                                     std::string licenceNumber = {});
// A package's properties, carrying the project of all its columns, whose answers are `answers`.
DocumentDescription PackageDescription(const project::Project& project,
                                       std::span<const engine::ColumnAnswer> answers,
                                       const std::string& date, const engine::NumberFormat& format);
// The allowable stress chart's properties, carrying the project of its column; printed today.
DocumentDescription ChartDescription(const SheetHeader& header, const engine::ColumnInputs& inputs,
                                     std::string licenceNumber = {});

} // namespace report
