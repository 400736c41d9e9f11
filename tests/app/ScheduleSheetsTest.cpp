// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator itself writes a project's package through Qt into a real PDF.

#include "report/ProjectPackage.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// What `command` prints on stdout.
std::string Output(const std::string& command) {
  std::string text;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) {
    return text;
  }
  char buffer[4096];
  for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
    text.append(buffer, read);
  }
  ::pclose(pipe);
  return text;
}

std::string Quoted(const fs::path& path) {
  return "'" + path.string() + "'";
}

TEST(ScheduleSheets, PrintTheSummaryThenEachColumnsSheetWithTheFailingOneMarked) {
  const fs::path folder =
      fs::temp_directory_path() / ("pipecolumn-sheets-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const char* marks[] = {"C1", "C2", "C3"};
  std::ofstream(folder / "p.pipecolumn")
      << R"({"schema": 1, "header": {"project": "อาคาร ก", "engineer": "วิศวกร ข"}, "columns": [
  {"mark": "C1", "outside_diameter_mm": 114.3, "wall_thickness_mm": 3.2, "height_m": 4,
   "k_factor": 0.85, "axial_load_kg": 8000},
  {"mark": "C2", "outside_diameter_mm": 114.3, "wall_thickness_mm": 3.2, "height_m": 4,
   "k_factor": 0.85, "axial_load_kg": 12000},
  {"mark": "C3", "outside_diameter_mm": 168.3, "wall_thickness_mm": 4.5, "height_m": 4,
   "k_factor": 0.85, "axial_load_kg": 12000}]})";
  const fs::path pdf = folder / "package.pdf";

  const int status =
      std::system((std::string(PIPECOLUMN_CLI) + " schedule " + Quoted(folder / "p.pipecolumn") +
                   " --sheets " + Quoted(pdf) + " >/dev/null 2>" + Quoted(folder / "err"))
                      .c_str());

  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_EQ(fs::file_size(folder / "err"), 0u);
  const std::string info = Output("pdfinfo " + Quoted(pdf));
  EXPECT_NE(info.find("Pages:           " + std::to_string(report::PackagePageCount(3)) + "\n"),
            std::string::npos)
      << info;
  const std::string summary = Output("pdftotext -layout -f 1 -l 1 " + Quoted(pdf) + " -");
  for (int column = 0; column < 3; ++column) {
    SCOPED_TRACE(marks[column]);
    const std::size_t row = summary.find(std::string("\n") + marks[column] + " ");
    ASSERT_NE(row, std::string::npos) << summary;
    const std::string line = summary.substr(row + 1, summary.find('\n', row + 1) - row - 1);
    EXPECT_EQ(line.find("NOT OK") != std::string::npos, column == 1) << line;
    const int page = report::PackagePageCount(3) - 3 + column + 1;
    const std::string sheet = Output("pdftotext -layout -f " + std::to_string(page) + " -l " +
                                     std::to_string(page) + " " + Quoted(pdf) + " -");
    EXPECT_NE(sheet.find(std::string("Column : ") + marks[column]), std::string::npos) << sheet;
    EXPECT_EQ(sheet.find("NOT OK") != std::string::npos, column == 1);
  }
  fs::remove_all(folder);
}

} // namespace
