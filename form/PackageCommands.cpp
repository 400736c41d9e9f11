// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/PackageCommands.h"

#include "engine/Failure.h"
#include "form/HandlerGuard.h"
#include "form/HostServices.h"
#include "form/PrinterSteps.h"
#include "project/ProjectCheck.h"
#include "report/ProjectPackage.h"

#include <memory>
#include <optional>

namespace form {

namespace {

constexpr const char* kPrintTitle = "พิมพ์ทั้งโครงการ (Print all)";
constexpr const char* kExportTitle = "ส่งออกเป็น PDF (Export PDF)";
constexpr const char* kPackageNoPrinterPrompt =
    "ไม่พบเครื่องพิมพ์ (Printer) ในเครื่องนี้   "
    "ต้องการบันทึกรายการคำนวณทั้งโครงการเป็นไฟล์ PDF แทนหรือไม่?";
constexpr const char* kPackagePrintFailedLead = "พิมพ์รายการคำนวณทั้งโครงการไม่สำเร็จ";
constexpr const char* kExportFailedLead = "บันทึกรายการคำนวณทั้งโครงการเป็น PDF ไม่สำเร็จ";
constexpr const char* kPackageSuggestedPdfName = "project-package.pdf";
constexpr const char* kDoneWord = "เสร็จแล้ว";
constexpr const char* kStoppedWord = "หยุดแล้ว ไม่มีสิ่งใดถูกพิมพ์หรือบันทึก";

std::string ConfirmPrompt(const project::Project& project) {
  const std::size_t columns = project.columns.size();
  return "พิมพ์รายการคำนวณทั้งโครงการ " + std::to_string(columns) + " คอลัมน์ รวม " +
         std::to_string(report::PackagePageCount(columns)) + " หน้า ?";
}

// Prints the package onto an open document, page by page under the host's progress; a failure, or
// the user stopping it, withdraws the document and goes on up.
void PrintOnto(const project::Project& project, const std::string& date,
               const engine::NumberFormat& format, report::Printer& printer, HostServices& host,
               const char* title) {
  const project::ProjectResults results = project::CheckProject(project);
  const int pages = report::PackagePageCount(results.columns.size());
  const std::unique_ptr<WorkProgress> progress =
      host.StartProgress(title, static_cast<std::size_t>(pages));
  DrawOrWithdraw(printer, [&] {
    report::PrintProjectPackage(project, results.columns, date, format, printer, [&](int done) {
      return !progress || progress->Step(static_cast<std::size_t>(done));
    });
  });
}

// Opens the document with `open` and prints onto it; a failure is shown under `lead` in a box.
template <typename Open>
void PrintReporting(const project::Project& project, const std::string& date,
                    const engine::NumberFormat& format, HostServices& host, const char* lead,
                    const char* title, Open open) {
  try {
    std::unique_ptr<report::Printer> printer = open();
    if (printer) {
      PrintOnto(project, date, format, *printer, host, title);
      host.ShowDone(std::string(title) + ": " + kDoneWord);
    }
  } catch (const report::PackageStopped&) {
    host.ShowDone(std::string(title) + ": " + kStoppedWord);
  } catch (const report::PrinterError& failure) {
    host.ShowMessage(FailureLine(lead, failure.what()), MessageStyle::CriticalOk(), title);
  } catch (const engine::Failure& failure) {
    host.ShowMessage(FailureLine(lead, UncaughtFailureMessage(failure)), MessageStyle::CriticalOk(),
                     title);
  }
}

} // namespace

void PrintPackageCommand(const project::Project& project, const std::string& date,
                         const engine::NumberFormat& format, HostServices& host) {
  if (host.ShowMessage(ConfirmPrompt(project), MessageStyle::QuestionOkCancel(), kPrintTitle) !=
      MessageAnswer::Ok) {
    return;
  }
  PrintReporting(project, date, format, host, kPackagePrintFailedLead, kPrintTitle, [&] {
    return OpenPrinterOrPdf(host, kPackageNoPrinterPrompt, kPrintTitle, kPackageSuggestedPdfName);
  });
}

void ExportPackageCommand(const project::Project& project, const std::string& date,
                          const std::string& suggestedName, const engine::NumberFormat& format,
                          HostServices& host) {
  PrintReporting(project, date, format, host, kExportFailedLead, kExportTitle,
                 [&]() -> std::unique_ptr<report::Printer> {
                   const std::optional<std::string> path = host.AskPdfFileName(suggestedName);
                   return path ? host.OpenPdfFile(*path) : nullptr;
                 });
}

} // namespace form
