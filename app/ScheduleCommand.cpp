// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CheckCommand.h"
#include "app/FileReading.h"
#include "app/TextTable.h"

#include "engine/NumberText.h"
#include "engine/PipeCatalogue.h"
#include "project/CsvExport.h"
#include "project/CsvImport.h"
#include "project/HeaderFields.h"
#include "project/PdfReading.h"
#include "project/ProjectCheck.h"
#include "project/ProjectFile.h"
#include "project/SaveFile.h"
#include "project/ScheduleRow.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
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
  bool crossCheck = false;
  std::optional<std::string> projectName;
  std::optional<std::string> engineer;
  std::optional<std::string> licenceNumber;
};

using ScheduleLoad = std::variant<project::Project, project::LoadErrors>;

// A schedule has no header of its own: its sheets name no project and no engineer unless the
// command line gives them, which also take the place of a project file's own.
ScheduleLoad LoadSchedule(const ScheduleRequest& request, std::string_view bytes) {
  project::Project schedule;
  const project::FileContent content = project::RecogniseContent(bytes);
  // A PDF this program wrote gives the project it carries.
  if (project::LooksLikePdf(bytes) || content == project::FileContent::ProjectFile) {
    project::ProjectLoad load = project::ReadProjectDocument(bytes, request.path);
    if (auto* errors = std::get_if<project::LoadErrors>(&load)) {
      return std::move(*errors);
    }
    schedule = std::get<project::Project>(std::move(load));
  } else if (content == project::FileContent::Schedule) {
    project::ScheduleLoad columns = project::ReadScheduleCsv(bytes, request.path);
    if (auto* errors = std::get_if<project::LoadErrors>(&columns)) {
      return std::move(*errors);
    }
    schedule.columns = std::get<std::vector<project::ColumnEntry>>(std::move(columns));
  } else {
    return project::NeitherProjectNorSchedule(request.path);
  }
  if (request.projectName) {
    schedule.header.project = *request.projectName;
  }
  if (request.engineer) {
    schedule.header.engineer = *request.engineer;
  }
  if (request.licenceNumber) {
    schedule.header.licenceNumber = *request.licenceNumber;
  }
  return schedule;
}

// Columns that the printed schedule does not tell apart; they are still checked.
void WarnOfUnclearMarks(const ScheduleRequest& request, const project::Project& schedule,
                        std::ostream& err) {
  for (const project::UnclearMark& unclear : project::UnclearMarks(schedule.columns)) {
    err << kProgram << ": warning: " << request.path
        << (unclear.columns.size() == 1 ? ": column" : ": columns");
    for (const std::size_t column : unclear.columns) {
      err << (column == unclear.columns.front() ? " " : ", ") << column + 1;
    }
    if (unclear.mark.empty()) {
      err << (unclear.columns.size() == 1 ? " has no mark\n" : " have no mark\n");
    } else {
      err << " share the mark " << unclear.mark << "\n";
    }
  }
}

bool SameFile(const std::string& one, const std::string& other) {
  std::error_code error;
  return fs::equivalent(one, other, error) || fs::weakly_canonical(fs::absolute(one), error) ==
                                                  fs::weakly_canonical(fs::absolute(other), error);
}

Json ScheduleDocument(const project::Project& schedule, const project::ProjectResults& results) {
  Json columns = Json::array();
  for (std::size_t i = 0; i < schedule.columns.size(); ++i) {
    const engine::ColumnAnswer& answer = results.columns[i];
    const bool checked = answer.verdict != engine::Verdict::NotChecked;
    Json column;
    column["mark"] = schedule.columns[i].mark;
    column["inputs"] = InputsJson(schedule.columns[i].inputs);
    column["results"] =
        ResultsJson(checked ? answer.record : engine::DesignRecord{}, answer.utilisation);
    AddJudgementJson(answer, column);
    column["failure"] = answer.failure ? Json(*answer.failure) : Json(nullptr);
    columns.push_back(std::move(column));
  }
  Json document;
  document["schema"] = 1;
  document["header"] = {
      {std::string(project::KeyOf(project::HeaderField::Project)), schedule.header.project},
      {std::string(project::KeyOf(project::HeaderField::Engineer)), schedule.header.engineer}};
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

std::string VerdictText(const engine::ColumnAnswer& answer) {
  if (answer.verdict == engine::Verdict::NotChecked) {
    return "not checked (" + answer.failure.value_or("") + ")";
  }
  return std::string(engine::KeyOf(answer.verdict));
}

void WriteScheduleText(const project::Project& schedule, const project::ProjectResults& results,
                       std::ostream& out) {
  std::vector<std::vector<std::string>> rows;
  for (std::size_t i = 0; i < schedule.columns.size(); ++i) {
    const engine::ColumnInputs& in = schedule.columns[i].inputs;
    const engine::ColumnAnswer& answer = results.columns[i];
    const std::string plate =
        answer.verdict != engine::Verdict::NotChecked ? project::BasePlateText(answer.record) : "-";
    rows.push_back({schedule.columns[i].mark, project::SizeText(schedule.columns[i]),
                    engine::PlainText(in.heightM), engine::PlainText(in.kFactor),
                    engine::PlainText(in.axialLoadKg),
                    WholeText(answer.checked(&engine::DesignRecord::maxAxialForce)),
                    answer.utilisation ? engine::PercentText(*answer.utilisation) : "-",
                    VerdictText(answer), plate,
                    answer.warnings.empty() ? "-" : engine::WarningKeys(answer.warnings, ", ")});
  }
  WriteTable(out,
             {"mark", "D x T mm", "H m", "K", "P kg", "capacity kg", "utilisation %", "verdict",
              "plate", "warnings"},
             rows);
  for (std::size_t i = 0; i < schedule.columns.size(); ++i) {
    for (const engine::Warning& warning : results.columns[i].warnings) {
      out << schedule.columns[i].mark << ": " << warning.text << "\n";
    }
  }
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
      project::Project printed = schedule;
      printed.printCrossCheck = schedule.printCrossCheck || request.crossCheck;
      writers.package(printed, results.columns, writers.today, *request.sheetsPath);
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
  const std::optional<std::string> read = ReadInputFile(request.path, err);
  if (!read) {
    return ExitStatus::Failed;
  }
  const std::string& bytes = *read;
  const ScheduleLoad load = LoadSchedule(request, bytes);
  if (const auto* errors = std::get_if<project::LoadErrors>(&load)) {
    err << errors->text() << "\n";
    return ExitStatus::Failed;
  }
  const project::Project& schedule = std::get<project::Project>(load);
  WarnOfUnclearMarks(request, schedule, err);
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
      "schedule",
      "Checks every column of a project file or a CSV schedule.\n"
      "FILE is a .pipecolumn project, a PDF this program wrote (the project it "
      "carries) or a CSV\nschedule, told apart by what it holds. Prints a row for each "
      "column, then how many pass.\nThe file itself is only read. Blank and shared marks "
      "are warned of on stderr.");
  auto request = std::make_shared<ScheduleRequest>();
  command
      ->add_option("FILE", request->path,
                   "the project file, a PDF carrying one, or the CSV schedule")
      ->type_name("FILE")
      ->required();
  command->add_flag("--json", request->json, "print one JSON object instead of text")
      ->disable_flag_override();
  command->add_option("--csv", request->csvPath, "write the columns with their results to OUT.csv")
      ->type_name("OUT.csv");
  command
      ->add_option("--sheets", request->sheetsPath,
                   "write the summary and every column's calculation sheet to OUT.pdf")
      ->type_name("OUT.pdf");
  command
      ->add_flag("--cross-check", request->crossCheck,
                 "follow each sheet with the second opinion's page (AISC 360-22 ASD); a project "
                 "file that asks for it gets it without")
      ->disable_flag_override();
  command
      ->add_option("--project", request->projectName,
                   "sheet header: project (a CSV schedule has none; a project file's is replaced)")
      ->type_name("TEXT");
  command->add_option("--engineer", request->engineer, "sheet header: engineer (the same)")
      ->type_name("TEXT");
  command
      ->add_option("--licence-number", request->licenceNumber,
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
