// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule command: every column of a project file or a CSV schedule, checked and reported.

#include "CliRun.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using app::ExitStatus;
using clitest::Json;
using clitest::KeysOf;
using clitest::LinesOf;
using clitest::Outcome;
using clitest::RunCli;

std::string ColumnJson(const char* mark, const char* diameter, const char* thickness,
                       const char* load) {
  return std::string("{\"mark\": \"") + mark + "\", \"outside_diameter_mm\": " + diameter +
         ", \"wall_thickness_mm\": " + thickness +
         ", \"height_m\": 4, \"k_factor\": 0.85, \"axial_load_kg\": " + load + "}";
}

std::string ProjectJson(const std::vector<std::string>& columns) {
  std::string list;
  for (const std::string& column : columns) {
    list += (list.empty() ? "" : ",\n  ") + column;
  }
  return "{\"schema\": 1, \"header\": {\"project\": \"อาคาร ก\", \"engineer\": \"วิศวกร ข\"},\n"
         " \"columns\": [\n  " +
         list + "]}\n";
}

// C2 carries 12000 kg on a pipe whose capacity is 10280 kg; C1 and C3 carry their loads.
const std::string kProject = ProjectJson({ColumnJson("C1", "114.3", "3.2", "8000"),
                                          ColumnJson("C2", "114.3", "3.2", "12000"),
                                          ColumnJson("C3", "168.3", "4.5", "12000")});
const std::string kPassingProject = ProjectJson(
    {ColumnJson("C1", "114.3", "3.2", "8000"), ColumnJson("C3", "168.3", "4.5", "12000")});
const std::string kMissingKFactor = ProjectJson(
    {ColumnJson("C1", "114.3", "3.2", "8000"),
     R"({"mark": "C2", "outside_diameter_mm": 114.3, "wall_thickness_mm": 3.2, "height_m": 4,
         "axial_load_kg": 8000})"});

const std::string kCsvHeader =
    "mark,outside_diameter_mm,wall_thickness_mm,height_m,k_factor,axial_load_kg\n";
const std::string kPassingCsv = "\xEF\xBB\xBF"
                                "mark;outside_diameter_mm;wall_thickness_mm;height_m;k_factor;"
                                "axial_load_kg\r\n\"ก-1\";114.3;3.2;4;0.85;8000\r\n";
const std::string kFailingCsv = kCsvHeader + "ก-1,114.3,3.2,4,0.85,8000\n"
                                             "\"เสาต้นที่ 2\",114.3,3.2,4,0.85,12000\n";
const std::string kHeightOutOfRange = kCsvHeader + "ก-1,114.3,3.2,4,0.85,8000\n"
                                                   "ก-2,114.3,3.2,11,0.85,8000\n";

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A fresh folder per test holding the file the command reads, removed after it.
class ScheduleTest : public testing::Test {
protected:
  void SetUp() override {
    std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
    std::ranges::replace(name, '/', '-');
    folder_ = fs::temp_directory_path() /
              ("pipecolumn-schedule-" + std::to_string(::getpid()) + "-" + name);
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(folder_ / name, std::ios::binary) << bytes;
    return (folder_ / name).string();
  }

  std::string InFolder(const std::string& name) const { return (folder_ / name).string(); }

  std::vector<std::string> Listing() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      names.push_back(entry.path().filename().string());
    }
    std::ranges::sort(names);
    return names;
  }

  fs::path folder_;
};

struct ExitCase {
  const char* name;
  const char* fileName; // nullptr: no file is written
  std::string contents;
  std::vector<std::string> options; // "@" stands for the test's folder
  ExitStatus status;
  std::vector<std::string> inErr; // empty: nothing on stderr
};

class ScheduleExits : public ScheduleTest, public testing::WithParamInterface<ExitCase> {};

TEST_P(ScheduleExits, FollowTheColumnsAndNameWhatStoppedTheRun) {
  const ExitCase& c = GetParam();
  std::vector<std::string> arguments = {"schedule"};
  if (c.fileName != nullptr) {
    const bool written = c.contents != "";
    arguments.push_back(written ? Write(c.fileName, c.contents) : InFolder(c.fileName));
  }
  for (std::string option : c.options) {
    if (option.starts_with('@')) {
      option.replace(0, 1, folder_.string());
    }
    arguments.push_back(option);
  }
  const std::vector<std::string> before = Listing();

  const Outcome outcome = RunCli(arguments);

  EXPECT_EQ(outcome.status, c.status);
  for (const std::string& part : c.inErr) {
    EXPECT_NE(outcome.err.find(part), std::string::npos) << part << " not in\n" << outcome.err;
  }
  if (c.inErr.empty()) {
    EXPECT_EQ(outcome.err, "");
  }
  // The schedule is only read, and a run that fails leaves nothing beside it.
  if (c.fileName != nullptr && c.contents != "") {
    EXPECT_EQ(Contents(folder_ / c.fileName), c.contents);
  }
  if (c.status == ExitStatus::Failed) {
    EXPECT_EQ(Listing(), before);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScheduleExits,
    testing::Values(
        ExitCase{"ProjectWhoseColumnsAllCarry",
                 "p.pipecolumn",
                 kPassingProject,
                 {},
                 ExitStatus::Carries,
                 {}},
        ExitCase{"ProjectWithAFailingColumn",
                 "p.pipecolumn",
                 kProject,
                 {},
                 ExitStatus::DoesNotCarry,
                 {}},
        ExitCase{
            "CsvWithByteOrderMarkAndSemicolons", "s.csv", kPassingCsv, {}, ExitStatus::Carries, {}},
        ExitCase{"CsvNamedInCapitalsWithAFailingColumn",
                 "S.CSV",
                 kFailingCsv,
                 {},
                 ExitStatus::DoesNotCarry,
                 {}},
        ExitCase{"CsvNamedTxt", "s.txt", kFailingCsv, {}, ExitStatus::DoesNotCarry, {}},
        ExitCase{"NeitherProjectNorCsv",
                 "notes.txt",
                 "C1 114.3 3.2\n",
                 {},
                 ExitStatus::Failed,
                 {"notes.txt", "ไม่ใช่ไฟล์โครงการหรือตาราง CSV", "mark,outside_diameter_mm"}},
        ExitCase{"LoadReadTwoWaysInASemicolonCsv",
                 "s.csv",
                 "mark;outside_diameter_mm;wall_thickness_mm;height_m;k_factor;axial_load_kg\n"
                 "C1;114;3;4;1;150.000\n",
                 {},
                 ExitStatus::Failed,
                 {"แถว 2", "axial_load_kg", "150 ", "150000"}},
        ExitCase{"BlankAndSharedMarksWarnedOf",
                 "s.csv",
                 kCsvHeader + "C1,114.3,3.2,4,0.85,8000\n,114.3,3.2,4,0.85,8000\n"
                              "C1 ,114.3,3.2,4,0.85,8000\n",
                 {},
                 ExitStatus::Carries,
                 {"column 2 has no mark\n", "columns 1, 3 share the mark C1\n"}},
        ExitCase{"OptionGivenTwice",
                 "s.csv",
                 kFailingCsv,
                 {"--csv", "@/a.csv", "--csv", "@/b.csv"},
                 ExitStatus::Failed,
                 {"--csv"}},
        ExitCase{"CsvValueOutOfRange",
                 "s.csv",
                 kHeightOutOfRange,
                 {},
                 ExitStatus::Failed,
                 {"s.csv", "แถว 3", "height_m"}},
        ExitCase{"ProjectColumnWithoutAField",
                 "p.pipecolumn",
                 kMissingKFactor,
                 {},
                 ExitStatus::Failed,
                 {"p.pipecolumn", "แถว 2", "k_factor"}},
        ExitCase{"MissingFile",
                 "absent.pipecolumn",
                 "",
                 {},
                 ExitStatus::Failed,
                 {"cannot read", "absent.pipecolumn"}},
        ExitCase{"NoFile", nullptr, "", {}, ExitStatus::Failed, {"FILE is required"}},
        ExitCase{"ResultsOverTheSchedule",
                 "s.csv",
                 kFailingCsv,
                 {"--csv", "@/s.csv"},
                 ExitStatus::Failed,
                 {"--csv names the schedule"}},
        ExitCase{"SheetsOverTheResults",
                 "s.csv",
                 kFailingCsv,
                 {"--csv", "@/out", "--sheets", "@/./out"},
                 ExitStatus::Failed,
                 {"name the same file"}},
        ExitCase{"ResultsIntoAMissingFolder",
                 "p.pipecolumn",
                 kPassingProject,
                 {"--csv", "@/none/out.csv"},
                 ExitStatus::Failed,
                 {"cannot write the results CSV"}},
        ExitCase{"SheetsThatCannotBeWritten",
                 "p.pipecolumn",
                 kPassingProject,
                 {"--sheets", "@/out.pdf"},
                 ExitStatus::Failed,
                 {"cannot write the sheets"}}),
    [](const testing::TestParamInfo<ExitCase>& info) { return std::string(info.param.name); });

TEST_F(ScheduleTest, JsonGivesEachColumnAsTheCheckWouldAndCountsThem) {
  const Outcome outcome = RunCli({"schedule", Write("p.pipecolumn", kProject), "--json"});
  EXPECT_EQ(outcome.status, ExitStatus::DoesNotCarry);
  const Json& document = outcome.document;
  EXPECT_EQ(KeysOf(document), (std::vector<std::string>{"schema", "header", "columns", "summary"}));
  EXPECT_EQ(document["schema"], 1);
  EXPECT_EQ(document["header"], (Json{{"project", "อาคาร ก"}, {"engineer", "วิศวกร ข"}}));
  EXPECT_EQ(document["summary"],
            (Json{{"count", 3}, {"passing", 2}, {"failing", 1}, {"unchecked", 0}}));
  const std::vector<std::vector<std::string>> checks = {
      {"--diameter", "114.3", "--thickness", "3.2", "--load", "8000"},
      {"--diameter", "114.3", "--thickness", "3.2", "--load", "12000"},
      {"--diameter", "168.3", "--thickness", "4.5", "--load", "12000"}};
  ASSERT_EQ(document["columns"].size(), checks.size());
  for (std::size_t i = 0; i < checks.size(); ++i) {
    const Json& column = document["columns"][i];
    SCOPED_TRACE(column["mark"]);
    EXPECT_EQ(KeysOf(column), (std::vector<std::string>{
                                  "mark", "inputs", "results", "verdict", "slenderness_warning",
                                  "local_buckling_warning", "warnings", "cross_check", "failure"}));
    std::vector<std::string> check = checks[i];
    check.push_back("--json");
    const Json single = RunCli(check).document;
    EXPECT_EQ(column["mark"], "C" + std::to_string(i + 1));
    EXPECT_EQ(column["inputs"], single["inputs"]);
    EXPECT_EQ(column["results"], single["results"]);
    EXPECT_EQ(column["verdict"], single["verdict"]);
    EXPECT_EQ(column["cross_check"], single["cross_check"]);
    EXPECT_EQ(column["failure"], nullptr);
  }

  // A schedule has no header of its own, and names no one.
  const Json schedule = RunCli({"schedule", Write("s.csv", kFailingCsv), "--json"}).document;
  EXPECT_EQ(schedule["header"]["project"], "");
  EXPECT_EQ(schedule["header"]["engineer"], "");
  EXPECT_EQ(schedule["columns"][1]["mark"], "เสาต้นที่ 2");
}

TEST_F(ScheduleTest, TextIsOneAlignedRowAColumnThenTheCount) {
  const Outcome outcome = RunCli({"schedule", Write("s.csv", kFailingCsv)});
  EXPECT_EQ(outcome.status, ExitStatus::DoesNotCarry);
  EXPECT_EQ(outcome.err, "");
  // Thai vowels and tone marks above a letter take no cell of their own.
  EXPECT_EQ(LinesOf(outcome.out),
            (std::vector<std::string>{
                "mark         D x T mm  H m     K   P kg  capacity kg  utilisation %  verdict"
                "             plate           warnings",
                "ก-1       114.3 x 3.2    4  0.85   8000        10280           77.8   passes"
                "  15 x 15 cm, 4 mm  cross_check_plate",
                "เสาต้นที่ 2  114.3 x 3.2    4  0.85  12000        10280          116.7    fails"
                "  18 x 18 cm, 7 mm  cross_check_plate",
                "ก-1: คำเตือน: AISC 360-22 ASD ต้องการแผ่นเหล็กหนา 6.86 เกิน 4 mm ที่ใช้",
                "เสาต้นที่ 2: คำเตือน: AISC 360-22 ASD ต้องการแผ่นเหล็กหนา 9.96 เกิน 7 mm ที่ใช้",
                "2 columns: 1 pass, 1 fail, 0 not checked"}));
}

TEST_F(ScheduleTest, ResultsCsvFollowsTheScheduleWithTheResults) {
  const std::string results = InFolder("results.csv");
  Write("results.csv", "an earlier export");
  const Outcome outcome = RunCli({"schedule", Write("p.pipecolumn", kProject), "--csv", results});
  EXPECT_EQ(outcome.status, ExitStatus::DoesNotCarry);
  EXPECT_EQ(outcome.err, "");
  const std::vector<std::string> lines = LinesOf(Contents(results));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "\xEF\xBB\xBFmark,outside_diameter_mm,wall_thickness_mm,height_m,k_factor,"
                      "axial_load_kg,verdict,max_axial_force_kg,utilisation,plate_side_cm,"
                      "plate_thickness_mm,failure,slenderness_ratio,warnings\r");
  EXPECT_TRUE(lines[2].starts_with("\"C2\",114.3,3.2,4,0.85,12000,fails,10280,")) << lines[2];
}

TEST_F(ScheduleTest, ResultsAreNotWrittenOverAReadOnlyFile) {
  const std::string results = Write("out.csv", "old");
  fs::permissions(results, fs::perms::owner_read | fs::perms::group_read);
  const Outcome outcome =
      RunCli({"schedule", Write("p.pipecolumn", kPassingProject), "--csv", results});
  EXPECT_EQ(outcome.status, ExitStatus::Failed);
  EXPECT_NE(outcome.err.find("cannot write the results CSV"), std::string::npos) << outcome.err;
  EXPECT_EQ(Contents(results), "old");
  EXPECT_EQ(fs::status(results).permissions(), fs::perms::owner_read | fs::perms::group_read);
}

struct PackageCase {
  const char* name;
  const char* fileName;
  const std::string* contents;
  std::vector<std::string> options;
  std::string project;
  std::string engineer;
  std::vector<std::string> marks;
  ExitStatus status;
};

class SchedulePackages : public ScheduleTest, public testing::WithParamInterface<PackageCase> {};

TEST_P(SchedulePackages, GetTheHeaderDatedTodayAndEveryColumn) {
  const PackageCase& c = GetParam();
  std::string projectName;
  std::string engineerName;
  std::string date;
  std::vector<std::string> marks;
  std::string path;
  app::FileWriters writers;
  writers.today = "2026-12-08";
  writers.package = [&](const project::Project& printed, std::span<const engine::ColumnAnswer>,
                        const std::string& dated, const std::string& file) {
    projectName = printed.header.project;
    engineerName = printed.header.engineer;
    date = dated;
    for (const project::ColumnEntry& column : printed.columns) {
      marks.push_back(column.mark);
    }
    path = file;
  };
  std::vector<std::string> arguments = {"schedule", Write(c.fileName, *c.contents), "--sheets",
                                        InFolder("package.pdf")};
  arguments.insert(arguments.end(), c.options.begin(), c.options.end());
  const Outcome outcome = RunCli(arguments, writers);
  EXPECT_EQ(outcome.status, c.status);
  EXPECT_EQ(outcome.err, "");
  EXPECT_EQ(projectName, c.project);
  EXPECT_EQ(engineerName, c.engineer);
  EXPECT_EQ(date, "2026-12-08");
  EXPECT_EQ(marks, c.marks);
  EXPECT_EQ(path, InFolder("package.pdf"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SchedulePackages,
    testing::Values(
        PackageCase{"Project",
                    "p.pipecolumn",
                    &kProject,
                    {},
                    "อาคาร ก",
                    "วิศวกร ข",
                    {"C1", "C2", "C3"},
                    ExitStatus::DoesNotCarry},
        // A schedule names no one unless told.
        PackageCase{"Schedule", "s.csv", &kPassingCsv, {}, "", "", {"ก-1"}, ExitStatus::Carries},
        PackageCase{"ScheduleWithItsHeader",
                    "s.csv",
                    &kPassingCsv,
                    {"--project", "อาคาร ง", "--engineer", "วิศวกร ง"},
                    "อาคาร ง",
                    "วิศวกร ง",
                    {"ก-1"},
                    ExitStatus::Carries}),
    [](const testing::TestParamInfo<PackageCase>& info) { return std::string(info.param.name); });

} // namespace
