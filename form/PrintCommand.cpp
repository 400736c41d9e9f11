// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/PrintCommand.h"

#include "engine/Failure.h"
#include "form/FormState.h"
#include "form/HandlerGuard.h"
#include "form/HostServices.h"
#include "report/DocumentProperties.h"

#include <memory>
#include <optional>
#include <string>

namespace form {

namespace {

constexpr const char* kConfirmPrompt = "Are You Want To Print  Calculation Report?";
constexpr const char* kTitle = "Print Calculation Report";
constexpr const char* kNoPrinterPrompt =
    "ไม่พบเครื่องพิมพ์ (Printer) ในเครื่องนี้   ต้องการบันทึกรายการคำนวณเป็นไฟล์ PDF แทนหรือไม่?";
constexpr const char* kPrintFailedLead = "พิมพ์รายการคำนวณไม่สำเร็จ";
constexpr const char* kSuggestedPdfName = "calculation-report.pdf";

std::string Reason(const std::exception& failure) {
  const std::string what = failure.what();
  return what.empty() ? std::string(kPrintFailedLead) : std::string(kPrintFailedLead) + ": " + what;
}

} // namespace

report::SheetHeader SheetHeaderOf(const FormState& form) {
  return {form.header(HeaderField::Project), form.header(HeaderField::Engineer),
          form.header(HeaderField::ColumnMark), form.printCrossCheck()};
}

void PrintFormSheet(const FormState& form, report::Printer& printer) {
  printer.Describe(report::SheetDescription(SheetHeaderOf(form), form.inputs(),
                                            form.session().project().header.licenceNumber));
  report::PrintCalculationSheet(form.answer(), SheetHeaderOf(form), form.numberFormat(), printer);
}

void PrintCommand(FormState& form, HostServices& host) {
  try {
    if (host.ShowMessage(kConfirmPrompt, MessageStyle::QuestionOkCancel(), kTitle) !=
        MessageAnswer::Ok) {
      return;
    }
    std::unique_ptr<report::Printer> printer = host.OpenDefaultPrinter();
    if (!printer) {
      // Without a printer the sheet can still be kept as a PDF file.
      if (host.ShowMessage(kNoPrinterPrompt, MessageStyle::QuestionOkCancel(), kTitle) !=
          MessageAnswer::Ok) {
        return;
      }
      const std::optional<std::string> path = host.AskPdfFileName(kSuggestedPdfName);
      if (!path) {
        return;
      }
      printer = host.OpenPdfFile(*path);
    }
    try {
      PrintFormSheet(form, *printer);
    } catch (...) {
      // Withdraw the half-made document so nothing incomplete reaches the printer.
      try {
        printer->AbortDocument();
      } catch (...) {
      }
      throw;
    }
  } catch (const report::PrinterError& failure) {
    host.ShowMessage(Reason(failure), MessageStyle::CriticalOk(), kTitle);
  } catch (const engine::Failure& failure) {
    host.ShowMessage(std::string(kPrintFailedLead) + ": " + UncaughtFailureMessage(failure),
                     MessageStyle::CriticalOk(), kTitle);
  }
}

} // namespace form
