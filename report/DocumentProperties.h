// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ColumnInputs.h"
#include "project/Project.h"
#include "report/CalculationSheet.h"
#include "report/Printer.h"

#include <optional>
#include <string>

namespace report {

// The documents this program writes.
enum class DocumentKind { Sheet, Package, Chart };

// The kind of document a PDF's Subject property names, when it is one of this program's.
std::optional<DocumentKind> KindOfSubject(const std::string& subject);

// The program and version that write a document: "pipecolumn 1.0.0".
std::string WriterName();

// The project file a document carries: what a Save writes, and the program that wrote it.
std::string CarriedProjectBytes(const project::Project& project);

// The project a single sheet or chart carries: its one column under the sheet's header, with the
// engineer's licence number.
project::Project SheetProject(const SheetHeader& header, const engine::ColumnInputs& inputs,
                              std::string licenceNumber = {});

// A sheet's properties, carrying its project.
DocumentDescription SheetDescription(const SheetHeader& header, const engine::ColumnInputs& inputs,
                                     std::string licenceNumber = {});
// A package's properties, carrying the project of all its columns.
DocumentDescription PackageDescription(const project::Project& project);
// The allowable stress chart's properties, carrying the project of its column.
DocumentDescription ChartDescription(const SheetHeader& header, const engine::ColumnInputs& inputs,
                                     std::string licenceNumber = {});

} // namespace report
