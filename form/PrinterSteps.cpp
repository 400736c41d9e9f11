// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/PrinterSteps.h"

#include <optional>

namespace form {

std::unique_ptr<report::Printer> OpenPrinterOrPdf(HostServices& host, const char* noPrinterPrompt,
                                                  const char* title,
                                                  const std::string& suggestedPdfName) {
  if (std::unique_ptr<report::Printer> printer = host.OpenDefaultPrinter()) {
    return printer;
  }
  // Without a printer the document can still be kept as a PDF file.
  if (host.ShowMessage(noPrinterPrompt, MessageStyle::QuestionOkCancel(), title) !=
      MessageAnswer::Ok) {
    return nullptr;
  }
  const std::optional<std::string> path = host.AskPdfFileName(suggestedPdfName);
  return path ? host.OpenPdfFile(*path) : nullptr;
}

std::string FailureLine(const char* lead, const std::string& reason) {
  return reason.empty() ? std::string(lead) : std::string(lead) + ": " + reason;
}

} // namespace form
