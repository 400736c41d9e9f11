// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/HostServices.h"

#include <memory>
#include <string>

namespace ui {

// A document on the host's default printer, or nothing when the host has no printer.
std::unique_ptr<report::Printer> OpenDefaultSystemPrinter();

// A document written as a one-page A4 PDF to `path`, twips counted from the page corner.
std::unique_ptr<report::Printer> OpenPdfPrinter(const std::string& path);

} // namespace ui
