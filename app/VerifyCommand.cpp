// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CheckCommand.h"
#include "app/FileReading.h"

#include "project/PdfReading.h"
#include "project/ProjectCheck.h"
#include "project/ProjectFile.h"
#include "report/DocumentProperties.h"
#include "report/PageComparison.h"
#include "report/PrintRecord.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <variant>

namespace app {

namespace {

constexpr const char* kUnknownWriter = "unknown";
constexpr int kJsonSchema = 2;

struct VerifyRequest {
  std::string path;
  bool json = false;
};

// What verify holds the PDF against, and what it could not take from the PDF's own record.
struct Expectation {
  report::PrintRecord record;
  bool recorded = true;
  std::vector<std::string> notes;
};

const char* KindName(report::DocumentKind kind) {
  switch (kind) {
  case report::DocumentKind::Sheet:
    return "sheet";
  case report::DocumentKind::Package:
    return "package";
  case report::DocumentKind::Chart:
    return "chart";
  }
  return "";
}

// A PDF from before documents recorded what they printed: its kind is read from its pages and
// its date from its first page.
Expectation GuessedExpectation(std::string_view pdf, const project::Project& carried,
                               std::span<const engine::ColumnAnswer> answers) {
  const report::PrintedPagesFacts facts = report::ReadPrintedPagesFacts(pdf);
  Expectation expectation;
  expectation.recorded = false;
  report::PrintRecord& record = expectation.record;
  record.kind = report::DocumentKind::Package;
  if (carried.columns.size() == 1 && !facts.firstPagePortrait) {
    record.kind = report::DocumentKind::Chart;
  } else if (carried.columns.size() == 1 &&
             static_cast<std::size_t>(facts.pages) ==
                 report::PagePlan(report::DocumentKind::Sheet, carried, answers).size()) {
    record.kind = report::DocumentKind::Sheet;
  }
  record.date = facts.date;
  record.pages = report::PagePlan(record.kind, carried, answers);
  expectation.notes.push_back(std::string("the PDF does not record what it printed, as PDFs of "
                                          "older versions do not: read from its pages as a ") +
                              KindName(record.kind));
  return expectation;
}

// A folder of its own for the expected document, removed with everything in it.
class ScratchFolder {
public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pipecolumn-verify-XXXXXX");
    if (mkdtemp(pattern.data()) == nullptr) {
      throw std::runtime_error("cannot make a temporary folder");
    }
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  std::string file(const char* name) const { return (path_ / name).string(); }

private:
  std::filesystem::path path_;
};

std::string Millimetres(double value) {
  return std::to_string(static_cast<long>(std::lround(value)));
}

std::string PageShows(const Expectation& expectation, const project::Project& carried, int page) {
  const std::vector<report::PlannedPage>& pages = expectation.record.pages;
  return page >= 1 && static_cast<std::size_t>(page) <= pages.size()
             ? report::PageName(pages[static_cast<std::size_t>(page - 1)], carried)
             : std::string("a page the document does not have");
}

std::string DifferenceText(const report::PageDifference& difference) {
  const auto quoted = [](const std::string& text) {
    return text.empty() ? std::string("nothing") : "\"" + text + "\"";
  };
  if (difference.kind == report::DifferenceKind::Text) {
    return "printed " + quoted(difference.printed) + ", expected " + quoted(difference.expected);
  }
  return "the picture differs over " + Millimetres(difference.widthMm) + " x " +
         Millimetres(difference.heightMm) + " mm" +
         (difference.printed.empty() ? "" : ": " + difference.printed);
}

struct Verification {
  Expectation expectation;
  report::PagesComparison comparison;
  std::vector<std::size_t> sheetPages; // each column's sheet, from 1; 0 where it prints none
};

void WriteVerifyText(const Verification& verification, const project::Project& carried,
                     const std::string& writer, std::ostream& out) {
  for (const report::PageDifference& difference : verification.comparison.differences) {
    out << "page " << difference.page << " ("
        << PageShows(verification.expectation, carried, difference.page) << "), "
        << Millimetres(difference.leftMm) << " mm from the left, " << Millimetres(difference.topMm)
        << " mm from the top: " << DifferenceText(difference) << "\n";
  }
  for (const std::string& note : verification.expectation.notes) {
    out << "note: " << note << "\n";
  }
  out << "pages: " << verification.comparison.printedPages << " printed, "
      << verification.comparison.expectedPages << " expected\n"
      << "written by " << writer << ", checked by " << report::WriterName() << "\n"
      << (verification.comparison.agrees() ? "every page agrees as text and as a picture\n"
                                           : "the document differs\n");
}

Json DifferenceJson(const report::PageDifference& difference, const std::string& shows) {
  return {{"page", difference.page},
          {"shows", shows},
          {"kind", difference.kind == report::DifferenceKind::Text ? "text" : "picture"},
          {"x_mm", std::lround(difference.leftMm)},
          {"y_mm", std::lround(difference.topMm)},
          {"width_mm", std::lround(difference.widthMm)},
          {"height_mm", std::lround(difference.heightMm)},
          {"printed", difference.printed},
          {"expected", difference.expected}};
}

Json VerifyDocumentJson(const std::string& path, const Verification& verification,
                        const project::Project& carried, const std::string& writer) {
  const report::PagesComparison& comparison = verification.comparison;
  const std::vector<report::PlannedPage>& plan = verification.expectation.record.pages;
  Json differences = Json::array();
  for (const report::PageDifference& difference : comparison.differences) {
    differences.push_back(
        DifferenceJson(difference, PageShows(verification.expectation, carried, difference.page)));
  }
  Json columns = Json::array();
  for (std::size_t column = 0; column < verification.sheetPages.size(); ++column) {
    const std::size_t page = verification.sheetPages[column];
    const bool printed = page > 0 && page <= static_cast<std::size_t>(comparison.printedPages);
    Json own = Json::array();
    for (const report::PageDifference& difference : comparison.differences) {
      const auto at = static_cast<std::size_t>(difference.page);
      if (at >= 1 && at <= plan.size() && plan[at - 1].kind != report::PageKind::Summary &&
          plan[at - 1].column == column) {
        own.push_back(DifferenceJson(difference, report::PageName(plan[at - 1], carried)));
      }
    }
    columns.push_back({{"mark", carried.columns[column].mark},
                       {"page", page},
                       {"page_printed", printed},
                       {"agrees", printed && own.empty()},
                       {"differences", std::move(own)}});
  }
  Json document;
  document["schema"] = kJsonSchema;
  document["file"] = path;
  document["written_by"] = writer;
  document["checked_by"] = report::WriterName();
  document["document"] = KindName(verification.expectation.record.kind);
  document["recorded"] = verification.expectation.recorded;
  document["pages"] = {{"printed", comparison.printedPages},
                       {"expected", comparison.expectedPages}};
  document["agrees"] = comparison.agrees();
  document["differences"] = std::move(differences);
  document["columns"] = std::move(columns);
  document["notes"] = verification.expectation.notes;
  return document;
}

// Draws the document the PDF says it printed and holds the PDF's pages against it.
Verification Verify(std::string_view pdf, const std::string& projectBytes,
                    const project::Project& carried, const std::string& writer,
                    const FileWriters& writers) {
  const std::vector<engine::ColumnAnswer> answers = project::CheckProject(carried).columns;
  Verification verification;
  if (std::optional<report::PrintRecord> record = report::ReadPrintRecord(projectBytes)) {
    verification.expectation.record = std::move(*record);
  } else {
    verification.expectation = GuessedExpectation(pdf, carried, answers);
  }
  Expectation& expectation = verification.expectation;
  const std::vector<report::PlannedPage> plan =
      report::PagePlan(expectation.record.kind, carried, answers);
  if (plan != expectation.record.pages) {
    expectation.notes.push_back("the PDF records other pages than this version prints for it");
    expectation.record.pages = plan;
  }
  verification.sheetPages.assign(expectation.record.kind == report::DocumentKind::Chart
                                     ? 0
                                     : (expectation.record.kind == report::DocumentKind::Sheet
                                            ? std::min<std::size_t>(carried.columns.size(), 1)
                                            : carried.columns.size()),
                                 0);
  for (std::size_t page = 0; page < plan.size(); ++page) {
    if (plan[page].kind == report::PageKind::Sheet) {
      verification.sheetPages[plan[page].column] = page + 1;
    }
  }
  const ScratchFolder folder;
  const std::string expectedPath = folder.file("expected.pdf");
  writers.redraw(expectation.record, carried, answers, expectedPath);
  verification.comparison = report::ComparePdfPages(pdf, ReadWholeFile(expectedPath));
  if (!verification.comparison.agrees() && writer != report::WriterName()) {
    expectation.notes.push_back(
        "written by " + writer +
        ": where that version's method or drawing differs from this one's, verify cannot tell "
        "the change of version from a change made to the PDF");
  }
  return verification;
}

ExitStatus RunVerify(const VerifyRequest& request, std::ostream& out, std::ostream& err,
                     const FileWriters& writers) {
  const std::optional<std::string> read = ReadInputFile(request.path, err);
  if (!read) {
    return ExitStatus::Failed;
  }
  const std::string& bytes = *read;
  const project::PdfLoad pdf = project::ReadPdf(bytes, request.path, false);
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
  Verification verification;
  try {
    verification = Verify(bytes, contents.projectBytes, carried, writer, writers);
  } catch (const std::exception& failure) {
    err << request.path << ": cannot verify: " << failure.what() << "\n";
    return ExitStatus::Failed;
  }
  if (request.json) {
    out << VerifyDocumentJson(request.path, verification, carried, writer).dump(2) << "\n";
  } else {
    WriteVerifyText(verification, carried, writer, out);
  }
  return verification.comparison.agrees() ? ExitStatus::Succeeded : ExitStatus::DoesNotCarry;
}

} // namespace

Command AddVerifyCommand(CLI::App& program) {
  CLI::App* command = program.add_subcommand(
      "verify", "Draws the document a PDF carries anew and compares every page with it.\n"
                "FILE is a calculation sheet, package or chart this program wrote. Its project "
                "is checked\nagain with this version and the document drawn as the PDF records "
                "it was printed; every\npage is compared as text, line by line, and as a "
                "picture. Prints each difference with\nits page and place, then the versions "
                "that wrote and checked it.");
  auto request = std::make_shared<VerifyRequest>();
  command->option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  command->add_option("FILE", request->path, "the PDF to verify")
      ->type_name("FILE.pdf")
      ->required();
  command->add_flag("--json", request->json, "print one JSON object instead of text")
      ->disable_flag_override();
  command->footer("Exit status: 0 every page agrees, 1 a page differs or is missing, 2 usage "
                  "error,\na file that cannot be read or carries no project.\n"
                  "Example: pipecolumn-cli verify package.pdf\n");
  return {command, [request](std::ostream& out, std::ostream& err, const FileWriters& writers) {
            return RunVerify(*request, out, err, writers);
          }};
}

} // namespace app
