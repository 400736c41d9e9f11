// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/NumberFormat.h"
#include "project/Project.h"

#include <string>

namespace form {

class HostServices;

// Print all: once the user confirms, prints the project's package (the summary, then every
// column's sheet, dated `date`) on the default printer as one document; where the host has no
// printer it offers a PDF file instead. A failure withdraws the document and a box says why.
void PrintPackageCommand(const project::Project& project, const std::string& date,
                         const engine::NumberFormat& format, HostServices& host);

// Export PDF: writes the package into a PDF file the user names, offering `suggestedName`. A
// failure leaves no file behind (and an older file of that name as it was) and a box says why.
void ExportPackageCommand(const project::Project& project, const std::string& date,
                          const std::string& suggestedName, const engine::NumberFormat& format,
                          HostServices& host);

} // namespace form
