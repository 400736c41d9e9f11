// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CheckCommand.h"
#include "app/FileReading.h"
#include "app/TextTable.h"

#include "project/PdfReading.h"
#include "project/ProjectCheck.h"
#include "project/ProjectFile.h"
#include "report/DocumentProperties.h"
#include "report/SheetVerification.h"

#include <memory>
#include <variant>

namespace app {

namespace {

constexpr const char* kUnknownWriter = "unknown";

struct VerifyRequest {
  std::string path;
  bool json = false;
};

std::string DifferenceText(const report::FigureDifference& difference) {
  const auto shown = [](const std::string& figure) {
    return figure.empty() ? std::string("(none)") : figure;
  };
  return difference.figure + ": printed " + shown(difference.printed) + ", computed " +
         shown(difference.computed);
}

void WriteVerifyText(const report::DocumentCheck& check, const std::string& writer,
                     std::ostream& out) {
  std::vector<std::vector<std::string>> rows;
  for (const report::SheetCheck& sheet : check.sheets) {
    const std::string page = std::to_string(sheet.page);
    if (!sheet.pagePrinted) {
      rows.push_back({sheet.mark, page, "page missing"});
    } else if (sheet.differences.empty()) {
      rows.push_back({sheet.mark, page, "agrees"});
    }
    for (const report::FigureDifference& difference : sheet.differences) {
      rows.push_back({sheet.mark, page, DifferenceText(difference)});
    }
  }
  if (!rows.empty()) {
    WriteTable(out, {"column", "page", "check"}, rows);
  }
  out << "pages: " << check.printedPages << " printed, " << check.expectedPages << " expected\n"
      << "written by " << writer << ", checked by " << report::WriterName() << "\n"
      << (check.agrees() ? "every figure agrees\n" : "the document differs\n");
}

Json VerifyDocumentJson(const std::string& path, const report::DocumentCheck& check,
                        const std::string& writer) {
  Json columns = Json::array();
  for (const report::SheetCheck& sheet : check.sheets) {
    Json differences = Json::array();
    for (const report::FigureDifference& difference : sheet.differences) {
      differences.push_back({{"figure", difference.figure},
                             {"printed", difference.printed},
                             {"computed", difference.computed}});
    }
    columns.push_back({{"mark", sheet.mark},
                       {"page", sheet.page},
                       {"page_printed", sheet.pagePrinted},
                       {"agrees", sheet.agrees()},
                       {"differences", std::move(differences)}});
  }
  Json document;
  document["schema"] = 1;
  document["file"] = path;
  document["written_by"] = writer;
  document["checked_by"] = report::WriterName();
  document["pages"] = {{"printed", check.printedPages}, {"expected", check.expectedPages}};
  document["agrees"] = check.agrees();
  document["columns"] = std::move(columns);
  return document;
}

ExitStatus RunVerify(const VerifyRequest& request, std::ostream& out, std::ostream& err) {
  const std::optional<std::string> read = ReadInputFile(request.path, err);
  if (!read) {
    return ExitStatus::Failed;
  }
  const std::string& bytes = *read;
  const project::PdfLoad pdf = project::ReadPdf(bytes, request.path, true);
  if (const auto* errors = std::get_if<project::LoadErrors>(&pdf)) {
    err << errors->text() << "\n";
    return ExitStatus::Failed;
  }
  const project::PdfContents& contents = std::get<project::PdfContents>(pdf);
  const project::ProjectLoad load = project::ReadProjectFile(contents.projectBytes, request.path);
  if (const auto* errors = std::get_if<project::LoadErrors>(&load)) {
    err << errors->text() << "\n";
    return ExitStatus::Failed;
  }
  const project::Project& carried = std::get<project::Project>(load);
  const std::string writer =
      project::WriterOfProjectFile(contents.projectBytes).value_or(kUnknownWriter);
  std::optional<report::PrintRecord> record;
  try {
    record = report::ReadPrintRecord(contents.projectBytes);
  } catch (const std::invalid_argument& unreadable) {
    err << request.path << ": " << unreadable.what() << "\n";
    return ExitStatus::Failed;
  }
  // A PDF from before documents recorded what they printed is read as a sheet when it is one page
  // of one column.
  const report::DocumentKind kind = record
                                        ? record->kind
                                        : (carried.columns.size() == 1 && contents.pages.size() == 1
                                               ? report::DocumentKind::Sheet
                                               : report::DocumentKind::Package);
  const report::DocumentCheck check =
      report::VerifyDocument(kind, carried, project::CheckProject(carried).columns, contents.pages);
  if (request.json) {
    out << VerifyDocumentJson(request.path, check, writer).dump(2) << "\n";
  } else {
    WriteVerifyText(check, writer, out);
  }
  return check.agrees() ? ExitStatus::Succeeded : ExitStatus::DoesNotCarry;
}

} // namespace

Command AddVerifyCommand(CLI::App& program) {
  CLI::App* command = program.add_subcommand(
      "verify", "Recomputes the project a PDF carries and checks every printed figure.\n"
                "FILE is a calculation sheet or package this program wrote. Each column is "
                "checked again\nwith this version and its sheet's figures are read from the page "
                "and compared; the\npage count is compared too. Prints a row for each column, and "
                "one for each figure that\ndiffers, then the versions that wrote and checked it.");
  auto request = std::make_shared<VerifyRequest>();
  command->option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  command->add_option("FILE", request->path, "the PDF to verify")
      ->type_name("FILE.pdf")
      ->required();
  command->add_flag("--json", request->json, "print one JSON object instead of text")
      ->disable_flag_override();
  command->footer("Exit status: 0 every page and figure agrees, 1 a page or a figure differs, 2 "
                  "usage error,\na file that cannot be read or carries no project.\n"
                  "Example: pipecolumn-cli verify package.pdf\n");
  return {command, [request](std::ostream& out, std::ostream& err, const FileWriters&) {
            return RunVerify(*request, out, err);
          }};
}

} // namespace app
