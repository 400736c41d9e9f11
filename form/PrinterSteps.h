// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The steps the print commands share: finding a document to print on, withdrawing a half-made one,
// and the line that reports a failure.

#include "form/HostServices.h"
#include "report/Printer.h"

#include <memory>
#include <string>

namespace form {

// The default printer; without one, a PDF file when the user accepts `noPrinterPrompt` and names
// the file. Null when the user declines either.
std::unique_ptr<report::Printer> OpenPrinterOrPdf(HostServices& host, const char* noPrinterPrompt,
                                                  const char* title,
                                                  const std::string& suggestedPdfName);

// Runs `draw` on the open document; on any failure withdraws the document, so that nothing
// incomplete reaches the printer or the file, and goes on up.
template <typename Draw> void DrawOrWithdraw(report::Printer& printer, Draw draw) {
  try {
    draw();
  } catch (...) {
    try {
      printer.AbortDocument();
    } catch (...) {
    }
    throw;
  }
}

// "lead: reason", or the lead alone when there is no reason.
std::string FailureLine(const char* lead, const std::string& reason);

} // namespace form
