// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the project file reader, the schedule (CSV) reader and the reader of
// the project a PDF carries, and checks
// that each ends in exactly one of two ways, whatever the bytes:
// - refused: at least one message, each naming the file and each valid UTF-8 (a window shows
//   them as they are), and no project or column at all;
// - loaded: at least one column, every input inside its prompt's range and a possible pipe
//   with the program's materials; written back (as a project file and as CSV) and read again
//   it is the same, and checking it and exporting its results never throws.
// Nothing may throw out of a reader, crash, leak or hang.

#include "PropertyCheck.h"
#include "engine/ColumnCheck.h"
#include "engine/InputRules.h"
#include "project/CsvExport.h"
#include "project/CsvImport.h"
#include "project/PdfReading.h"
#include "project/ProjectCheck.h"
#include "project/ProjectFile.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kFileName = "fuzz.pipecolumn";

bool IsUtf8(const std::string& text) {
  try {
    (void)nlohmann::json(text).dump(); // the same strict decoder the project file uses
    return true;
  } catch (const nlohmann::json::exception&) {
    return false;
  }
}

void CheckRefusal(const project::LoadErrors& errors) {
  CHECK(!errors.messages.empty(), "no message");
  const std::string lead = "ไฟล์ " + std::string(kFileName);
  for (const std::string& message : errors.messages) {
    CHECK(message.starts_with(lead), message);
    CHECK(IsUtf8(message), message);
  }
}

void CheckColumns(const std::vector<project::ColumnEntry>& columns) {
  CHECK(!columns.empty(), "loaded no column");
  for (const project::ColumnEntry& entry : columns) {
    CHECK(IsUtf8(entry.mark), entry.mark);
    for (const engine::Input input : engine::kAllInputs) {
      const engine::InputRule& prompt = engine::RuleFor(input);
      const double value = engine::ValueOf(entry.inputs, input);
      CHECK(value >= prompt.lowerBound && value <= prompt.upperBound, entry.mark);
    }
    CHECK(engine::IsPossiblePipe(entry.inputs.outsideDiameterMm, entry.inputs.wallThicknessMm),
          entry.mark);
    CHECK(entry.inputs.materials == engine::Materials{}, entry.mark);
  }
}

// A loaded project survives both writers and both readers unchanged, and can be checked.
void CheckLoaded(const project::Project& loaded) {
  CheckColumns(loaded.columns);
  const project::ProjectLoad again =
      project::ReadProjectFile(project::ProjectFileBytes(loaded), kFileName);
  const auto* reread = std::get_if<project::Project>(&again);
  CHECK(reread != nullptr, std::get<project::LoadErrors>(again).text());
  CHECK(*reread == loaded, "project file round trip");

  const project::ScheduleLoad schedule =
      project::ReadScheduleCsv(project::ScheduleCsv(loaded.columns), kFileName);
  const auto* columns = std::get_if<std::vector<project::ColumnEntry>>(&schedule);
  CHECK(columns != nullptr, std::get<project::LoadErrors>(schedule).text());
  CHECK(*columns == loaded.columns, "CSV round trip");

  const project::ProjectResults results = project::CheckProject(loaded);
  CHECK(results.passing + results.failing + results.unchecked == loaded.columns.size(), "counts");
  (void)project::ResultsCsv(loaded, results);
}

void Run(std::string_view bytes) {
  const project::ProjectLoad file = project::ReadProjectFile(bytes, kFileName);
  if (const auto* errors = std::get_if<project::LoadErrors>(&file)) {
    CheckRefusal(*errors);
  } else {
    CheckLoaded(std::get<project::Project>(file));
  }

  const project::ProjectLoad pdf = project::ReadProjectFromPdf(bytes, kFileName);
  if (const auto* errors = std::get_if<project::LoadErrors>(&pdf)) {
    CheckRefusal(*errors);
  } else {
    CheckLoaded(std::get<project::Project>(pdf));
  }

  const project::ScheduleLoad schedule = project::ReadScheduleCsv(bytes, kFileName);
  if (const auto* errors = std::get_if<project::LoadErrors>(&schedule)) {
    CheckRefusal(*errors);
  } else {
    project::Project imported;
    imported.columns = std::get<std::vector<project::ColumnEntry>>(schedule);
    CheckLoaded(imported);
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    Run(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const std::exception& caught) {
    Fail("nothing throws", caught.what());
  }
  return 0;
}
