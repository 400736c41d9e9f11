// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/HostServices.h"
#include "report/CalculationSheet.h"
#include "report/ProjectPackage.h"

#include <optional>
#include <string>

namespace report {

// The documents this program writes.
enum class DocumentKind { Sheet, Package, Chart };

// The kind of document a PDF's Subject property names, when it is one of this program's.
std::optional<DocumentKind> KindOfSubject(const std::string& subject);

// The program and version that write a document: "pipecolumn 1.0.0".
std::string WriterName();

// A sheet's properties, carrying `projectBytes` (the project file of its one column) as its
// project file.
form::DocumentDescription SheetDescription(const SheetHeader& header, std::string projectBytes);
// A package's properties, carrying the project file of all its columns.
form::DocumentDescription PackageDescription(const PackageHeader& header, std::string projectBytes);
// The allowable stress chart's properties, carrying the project file of its column.
form::DocumentDescription ChartDescription(const SheetHeader& header, std::string projectBytes);

} // namespace report
