// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CheckCommand.h"
#include "app/FileReading.h"
#include "app/TextTable.h"

#include "engine/NumberText.h"
#include "project/CsvExport.h"
#include "project/CsvImport.h"
#include "project/DocumentProjects.h"
#include "project/PdfReading.h"
#include "project/ProjectCheck.h"
#include "project/ProjectFile.h"
#include "project/ProjectPackageColumns.h"
#include "project/SaveFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <stdexcept>
#include <variant>

namespace app {

namespace {

namespace fs = std::filesystem;

struct ScheduleRequest {
  std::string path;
  bool json = false;
  std::optional<std::string> csvPath;
  std::optional<std::string> sheetsPath;
  std::optional<std::string> licenceNumber;
};

using ScheduleLoad = std::variant<project::Project, project::LoadErrors>;

bool IsCsvName(const std::string& path) {
  std::string extension = fs::path(path).extension().string();
  std::ranges::transform(extension, extension.begin(),
                         [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == ".csv";
}

// A schedule has no header of its own: its columns come under the one a new project has. A PDF
// gives the project it carries, whatever its name.
ScheduleLoad LoadSchedule(const std::string& path, std::string_view bytes) {
  if (project::LooksLikePdf(bytes)) {
    return project::ReadProjectFromPdf(bytes, path);
  }
  if (!IsCsvName(path)) {
    return project::ReadProjectFile(bytes, path);
  }
  project::ScheduleLoad columns = project::ReadScheduleCsv(bytes, path);
  if (auto* errors = std::get_if<project::LoadErrors>(&columns)) {
    return std::move(*errors);
  }
  project::Project schedule = project::NewProject();
  schedule.columns = std::get<std::vector<project::ColumnEntry>>(std::move(columns));
  return schedule;
}

bool SameFile(const std::string& one, const std::string& other) {
  std::error_code error;
  return fs::equivalent(one, other, error) || fs::weakly_canonical(fs::absolute(one), error) ==
                                                  fs::weakly_canonical(fs::absolute(other), error);
}

std::optional<bool> CarriesOf(project::Verdict verdict) {
  switch (verdict) {
  case project::Verdict::Passes:
    return true;
  case project::Verdict::Fails:
    return false;
  case project::Verdict::NotChecked:
    break;
  }
  return std::nullopt;
}

Json ScheduleDocument(const project::Project& schedule, const project::ProjectResults& results) {
  Json columns = Json::array();
  for (std::size_t i = 0; i < schedule.columns.size(); ++i) {
    const project::ColumnResult& result = results.columns[i];
    Json column;
    column["mark"] = schedule.columns[i].mark;
    column["inputs"] = InputsJson(schedule.columns[i].inputs);
    column["results"] =
        ResultsJson(result.record.value_or(engine::DesignRecord{}), result.utilisation);
    column["verdict"] = VerdictJson(CarriesOf(result.verdict));
    column["failure"] = result.failure.empty() ? Json(nullptr) : Json(result.failure);
    columns.push_back(std::move(column));
  }
  Json document;
  document["schema"] = 1;
  document["header"] = {
      {std::string(form::KeyOf(form::HeaderField::Project)), schedule.header.project},
      {std::string(form::KeyOf(form::HeaderField::Engineer)), schedule.header.engineer}};
  if (!schedule.header.licenceNumber.empty()) {
    document["header"][std::string(project::kLicenceNumberKey)] = schedule.header.licenceNumber;
  }
  document["columns"] = std::move(columns);
  document["summary"] = {{"count", results.columns.size()},
                         {"passing", results.passing},
                         {"failing", results.failing},
                         {"unchecked", results.unchecked}};
  return document;
}

std::string WholeText(std::optional<std::int32_t> value) {
  return value ? std::to_string(*value) : "-";
}

std::string VerdictText(const project::ColumnResult& result) {
  switch (result.verdict) {
  case project::Verdict::Passes:
    return "passes";
  case project::Verdict::Fails:
    return "fails";
  case project::Verdict::NotChecked:
    break;
  }
  return "not checked (" + result.failure + ")";
}

void WriteScheduleText(const project::Project& schedule, const project::ProjectResults& results,
                       std::ostream& out) {
  std::vector<std::vector<std::string>> rows;
  for (std::size_t i = 0; i < schedule.columns.size(); ++i) {
    const engine::ColumnInputs& in = schedule.columns[i].inputs;
    const project::ColumnResult& result = results.columns[i];
    const std::string plate = result.record ? WholeText(result.plateSideCm()) + " x " +
                                                  WholeText(result.plateSideCm()) + " cm, " +
                                                  WholeText(result.plateThicknessMm()) + " mm"
                                            : "-";
    rows.push_back(
        {schedule.columns[i].mark,
         engine::PlainText(in.outsideDiameterMm) + " x " + engine::PlainText(in.wallThicknessMm),
         engine::PlainText(in.heightM), engine::PlainText(in.kFactor),
         engine::PlainText(in.axialLoadKg), WholeText(result.maxAxialForceKg()),
         result.utilisation ? engine::PercentText(*result.utilisation) : "-", VerdictText(result),
         plate});
  }
  WriteTable(
      out,
      {"mark", "D x T mm", "H m", "K", "P kg", "capacity kg", "utilisation %", "verdict", "plate"},
      rows);
  const std::size_t count = results.columns.size();
  out << count << (count == 1 ? " column: " : " columns: ") << results.passing << " pass, "
      << results.failing << " fail, " << results.unchecked << " not checked\n";
}

// Writes the files asked for, each whole or not at all; gives whether every one was written.
bool WriteOutputs(const ScheduleRequest& request, const project::Project& schedule,
                  const project::ProjectResults& results, std::ostream& err,
                  const FileWriters& writers) {
  bool written = true;
  const auto attempt = [&](const char* what, const std::function<void()>& write) {
    try {
      write();
    } catch (const std::exception& caught) {
      err << kProgram << ": cannot write the " << what << ": " << caught.what() << "\n";
      written = false;
    }
  };
  if (request.csvPath) {
    attempt("results CSV", [&] {
      project::SaveFileAtomically(*request.csvPath, project::ResultsCsv(schedule, results));
    });
  }
  if (request.sheetsPath) {
    attempt("sheets", [&] {
      writers.package(project::PackageHeaderOf(schedule, writers.today),
                      project::PackageColumns(schedule, results), *request.sheetsPath,
                      project::PackageDescriptionOf(schedule, writers.today));
    });
  }
  return written;
}

// An output that names the schedule itself would overwrite what the user saved.
std::optional<std::string> OutputOverInput(const ScheduleRequest& request) {
  const std::pair<const char*, const std::optional<std::string>*> outputs[] = {
      {"--csv", &request.csvPath}, {"--sheets", &request.sheetsPath}};
  for (const auto& [option, path] : outputs) {
    if (*path && SameFile(**path, request.path)) {
      return std::string(option) + " names the schedule " + request.path +
             " itself, which is never overwritten";
    }
  }
  if (request.csvPath && request.sheetsPath && SameFile(*request.csvPath, *request.sheetsPath)) {
    return "--csv and --sheets name the same file " + *request.csvPath;
  }
  return std::nullopt;
}

ExitStatus RunSchedule(const ScheduleRequest& request, std::ostream& out, std::ostream& err,
                       const FileWriters& writers) {
  if (const std::optional<std::string> problem = OutputOverInput(request)) {
    err << kProgram << ": " << *problem << "\nTry '" << kProgram << " schedule --help'.\n";
    return ExitStatus::Failed;
  }
  std::string bytes;
  try {
    bytes = ReadWholeFile(request.path);
  } catch (const std::runtime_error& caught) {
    err << kProgram << ": cannot read " << request.path << ": " << caught.what() << "\n";
    return ExitStatus::Failed;
  }
  const ScheduleLoad load = LoadSchedule(request.path, bytes);
  if (const auto* errors = std::get_if<project::LoadErrors>(&load)) {
    err << errors->text() << "\n";
    return ExitStatus::Failed;
  }
  project::Project schedule = std::get<project::Project>(load);
  if (request.licenceNumber) {
    schedule.header.licenceNumber = *request.licenceNumber;
  }
  const project::ProjectResults results = project::CheckProject(schedule);

  const bool written = WriteOutputs(request, schedule, results, err, writers);
  if (request.json) {
    out << ScheduleDocument(schedule, results).dump(2) << "\n";
  } else {
    WriteScheduleText(schedule, results, out);
  }
  if (!written) {
    return ExitStatus::Failed;
  }
  return results.passing == results.columns.size() ? ExitStatus::Carries : ExitStatus::DoesNotCarry;
}

} // namespace

Command AddScheduleCommand(CLI::App& program) {
  CLI::App* command = program.add_subcommand(
      "schedule", "Checks every column of a project file or a CSV schedule.\n"
                  "FILE is a .pipecolumn project, a PDF this program wrote (the project it "
                  "carries), or a\nschedule when its name ends in .csv. Prints a row for each "
                  "column, then how many pass.\nThe file itself is only read.");
  auto request = std::make_shared<ScheduleRequest>();
  command->option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  command
      ->add_option("FILE", request->path,
                   "the project file, a PDF carrying one, or the CSV schedule")
      ->type_name("FILE")
      ->required();
  command->add_flag("--json", request->json, "print one JSON object instead of text")
      ->disable_flag_override();
  command
      ->add_option_function<std::string>(
          "--csv", [request](const std::string& path) { request->csvPath = path; },
          "write the columns with their results to OUT.csv")
      ->type_name("OUT.csv");
  command
      ->add_option_function<std::string>(
          "--sheets", [request](const std::string& path) { request->sheetsPath = path; },
          "write the summary and every column's calculation sheet to OUT.pdf")
      ->type_name("OUT.pdf");
  command
      ->add_option_function<std::string>(
          "--licence-number",
          [request](const std::string& number) { request->licenceNumber = number; },
          "the engineer's licence number, for the package's signature block")
      ->type_name("TEXT");
  command->footer("Exit status: 0 every column carries its load, 1 one or more does not or could "
                  "not be\nchecked, 2 usage error, a file that cannot be read or is refused (each "
                  "problem named\nby row and field), or an output that could not be written.\n"
                  "Example: pipecolumn-cli schedule columns.csv --csv results.csv --sheets "
                  "package.pdf\n");
  return {command, [request](std::ostream& out, std::ostream& err, const FileWriters& writers) {
            return RunSchedule(*request, out, err, writers);
          }};
}

} // namespace app
