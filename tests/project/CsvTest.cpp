// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/CsvExport.h"
#include "project/CsvImport.h"
#include "tests/project/RuleText.h"

#include "engine/InputRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

namespace {

using project::ColumnEntry;
using project::ReadScheduleCsv;

const std::string kHeaderRow =
    "mark,outside_diameter_mm,wall_thickness_mm,height_m,k_factor,axial_load_kg";

ColumnEntry Column(std::string mark, engine::ColumnInputs inputs = {}) {
  return {std::move(mark), inputs};
}

std::vector<ColumnEntry> Read(const std::string& bytes) {
  const project::ScheduleLoad read = ReadScheduleCsv(bytes, "schedule.csv");
  if (const auto* errors = std::get_if<project::LoadErrors>(&read)) {
    ADD_FAILURE() << errors->text();
    return {};
  }
  return std::get<std::vector<ColumnEntry>>(read);
}

TEST(CsvTest, ExportsWithAByteOrderMarkAndReadsBackTheSameColumns) {
  const std::vector<ColumnEntry> columns = {
      Column(" C-002"),
      Column("เสา \"ก\", แนว ๓\r\nชั้น 2", {168.3, 4.5, 3.5, 1, 12345.678, {}}),
      Column("", {2000, 50, 10, 0.1 + 0.2 + 1, 900000, {}}),
      Column("=1+2"),
      Column("@SUM(A1)"),
      Column("-C1"),
      Column("\tC"),
      Column("'=x"),
      Column("'C1")};
  const std::string bytes = project::ScheduleCsv(columns);
  EXPECT_EQ(bytes.substr(0, 3 + kHeaderRow.size() + 2), "\xEF\xBB\xBF" + kHeaderRow + "\r\n");
  for (const char* cell :
       {"\"'=1+2\"", "\"'@SUM(A1)\"", "\"'-C1\"", "\"'\tC\"", "\"''=x\"", "\"'C1\""}) {
    EXPECT_NE(bytes.find(std::string("\r\n") + cell + ","), std::string::npos) << cell;
  }
  EXPECT_EQ(Read(bytes), columns);
}

TEST(CsvTest, ReadsTheSchedulesOfOtherProgramsAndOfTheResultsExport) {
  const engine::ColumnInputs initial;
  const engine::ColumnInputs heavier{168.3, 4.5, 3.5, 1, 12500, {}};
  project::Project checked;
  checked.columns = {Column("ก1"), Column("ก2", heavier)};
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<ColumnEntry> columns;
  };
  const std::vector<Case> table = {
      {"SemicolonsAndCrLf",
       "mark;outside_diameter_mm;wall_thickness_mm;height_m;k_factor;axial_load_kg\r\n"
       "ก1;114.3;3.2;4;0.85;8000\r\n\r\n;;;;;\r\n\"ก;2\";168.3;4.5;3.5;1;12500\r\n",
       {Column("ก1", initial), Column("ก;2", heavier)}},
      {"ColumnsInAnyOrderAndUnknownOnesPassedOver",
       "note, axial_load_kg ,k_factor,height_m,wall_thickness_mm,outside_diameter_mm,mark\n"
       "x,๘๐๐๐,0.85,4,3.2,114.3,\"ก\"\"1\"\"\n\"",
       {Column("ก\"1\"\n", initial)}},
      {"ResultsExport", project::ResultsCsv(checked, project::CheckProject(checked)),
       checked.columns},
      // Either mark may be the decimal one in a semicolon file; a value read only one way is.
      {"DecimalCommasAndSeparatorLine",
       "sep=;\r\n Mark ;OUTSIDE_DIAMETER_MM;wall_thickness_mm;height_m;k_factor;axial_load_kg\r\n"
       "ก1;114,3;3,2;4;0,85;8000\r\nก2;168.3;4.5;3.5;1;1.234,5\r\nก3;168,3;4.5;3.5;1;12500\r\n",
       {Column("ก1", initial), Column("ก2", {168.3, 4.5, 3.5, 1, 1234.5, {}}),
        Column("ก3", heavier)}},
      {"CommaFileWithSemicolonsInItsHeader",
       "sep=,\nmark,outside_diameter_mm,wall_thickness_mm,height_m,k_factor,\"n;o;t;e;s;;;\","
       "axial_load_kg\nก1,114.3,3.2,4,0.85,x,\"8,000\"\n",
       {Column("ก1", initial)}},
  };
  for (const Case& each : table) {
    SCOPED_TRACE(each.name);
    EXPECT_EQ(Read(each.bytes), each.columns);
  }
}

TEST(CsvTest, ResultsFollowEachColumn) {
  project::Project checked;
  engine::ColumnInputs impossible;
  impossible.wallThicknessMm = 60;
  checked.columns = {Column("ผ่าน"), Column("ไม่ผ่าน", {114.3, 3.2, 4, 0.85, 900000, {}}),
                     Column("ตรวจไม่ได้", impossible)};
  const project::ProjectResults results = project::CheckProject(checked);
  const std::string bytes = project::ResultsCsv(checked, results);

  const std::string lead = "\xEF\xBB\xBF" + kHeaderRow +
                           ",verdict,max_axial_force_kg,utilisation,plate_side_cm,"
                           "plate_thickness_mm,failure,slenderness_ratio,warnings\r\n\"ผ่าน\",114.3,"
                           "3.2,4,0.85,8000,passes,";
  EXPECT_EQ(bytes.substr(0, lead.size()), lead);
  EXPECT_NE(bytes.find("\r\n\"ไม่ผ่าน\",114.3,3.2,4,0.85,900000,fails,"), std::string::npos);
  EXPECT_NE(bytes.find("\r\n\"ตรวจไม่ได้\",114.3,60,4,0.85,8000,,,,,,ImpossiblePipe,,\r\n"),
            std::string::npos);
  EXPECT_THROW(project::ResultsCsv(project::Project{}, results), std::invalid_argument);
}

TEST(CsvTest, ReportsEveryBadRowAtOnceAndLoadsNothing) {
  using engine::Input;
  using ValuePrompt = engine::InputRule;
  const std::string file = "ไฟล์ schedule.csv";
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::string> messages;
  };
  const std::vector<Case> table = {
      {"Empty", "", {file + ": ไฟล์ว่างเปล่า ไม่มีข้อมูลโครงการ"}},
      {"ByteOrderMarkOnly", "\xEF\xBB\xBF\r\n", {file + ": ไฟล์ว่างเปล่า ไม่มีข้อมูลโครงการ"}},
      {"HeaderOnly", kHeaderRow + "\n", {file + ": ไม่มีคอลัมน์เลย โครงการต้องมีอย่างน้อย 1 คอลัมน์"}},
      {"Utf16",
       std::string("\xFF\xFEm\0a\0", 6),
       {file + ": ไฟล์เป็น UTF-16 โปรดบันทึกไฟล์เป็น CSV UTF-8"}},
      {"HeaderWithoutHeight",
       "\n\nmark,outside_diameter_mm,wall_thickness_mm,k_factor,axial_load_kg,k_factor\n",
       {file + " แถว 3 ช่อง height_m: แถวหัวตารางไม่มีช่องนี้",
        file + " แถว 3 ช่อง k_factor: มีช่องนี้ซ้ำในแถวหัวตาราง"}},
      {"BadRows",
       kHeaderRow + "\n"
                    "C1,114.3,60,4,0.85,8000\n"         // row 2: out of range
                    "C2,114.3,3.2,4,0.85,8000\n"        // fine
                    "\n"                                // row 4: blank
                    "C5,114.3,3.2,4 m,0.85,8000\n"      // not a number
                    ",114.3,3.2,4,0.85,\n"              // empty value, no mark
                    "C7,10,5,4,0.85,8000\n"             // impossible pipe
                    "C8,114.3,3.2\n"                    // too few fields
                    "\"C\xA1\xA2\",114.3,3.2,4,2,8000", // Thai in a Windows code page
       {file + " คอลัมน์ C1 (แถว 2) ช่อง wall_thickness_mm: ความหนาที่ คุณป้อนมากกว่า 50 "
               "mm.!?!   โปรดแก้ไขใหม่",
        file + " คอลัมน์ C5 (แถว 5) ช่อง height_m: " +
            Prompt(Input::Height, &ValuePrompt::messageNotANumber),
        file + " แถว 6 ช่อง axial_load_kg: ช่องนี้ว่าง ไม่มีค่า",
        file + " คอลัมน์ C7 (แถว 7) ช่อง wall_thickness_mm: " +
            std::string(engine::kImpossiblePipeMessage),
        file + " แถว 8: มี 3 ช่อง แต่แถวหัวตารางมี 6 ช่อง",
        file + " แถว 9 ช่อง mark: ข้อความไม่ใช่ UTF-8 โปรดบันทึกไฟล์เป็น CSV UTF-8"}},
      {"QuoteOutOfPlace",
       kHeaderRow + "\r\nC1,114.3,3.2,4,0.85,1\r\n\"C2\nยาว\",114.3,3.2,4,0.85,8000\r\nC\"3,1",
       {file + " คอลัมน์ C1 (แถว 2) ช่อง axial_load_kg: " +
            Prompt(Input::AxialLoad, &ValuePrompt::messageBelow),
        file + " แถว 4: เครื่องหมายคำพูด (\") ผิดรูปแบบ CSV: ช่องที่มีเครื่องหมายคำพูดต้องขึ้นต้น"
               "และลงท้ายด้วย \" และเขียน \" ในข้อความเป็น \"\""}},
      {"UnclosedQuote",
       kHeaderRow + "\n\n\"C1,114.3",
       {file + " แถว 3: เครื่องหมายคำพูด (\") ผิดรูปแบบ CSV: ช่องที่มีเครื่องหมายคำพูดต้องขึ้นต้น"
               "และลงท้ายด้วย \" และเขียน \" ในข้อความเป็น \"\""}},
  };
  for (const Case& each : table) {
    SCOPED_TRACE(each.name);
    const project::ScheduleLoad read = ReadScheduleCsv(each.bytes, "schedule.csv");
    ASSERT_TRUE(std::holds_alternative<project::LoadErrors>(read));
    EXPECT_EQ(std::get<project::LoadErrors>(read).messages, each.messages);
  }
}

// One rule for the decimal mark in comma and semicolon files: a value that fits one mark is read
// with it, one that fits both with the mark the file shows elsewhere, else refused.
TEST(CsvTest, ReadsEachNumberInTheOnlyWayItFitsOrInTheFilesWay) {
  struct Case {
    const char* firstLine; // a "sep=" line, or nothing
    char separator;
    std::string row; // D|T|H|K|P, each | the separator
    std::variant<engine::ColumnInputs, std::string> read;
  };
  const std::string twoReadings = "ไฟล์ schedule.csv คอลัมน์ C1 (แถว 2) ช่อง axial_load_kg: ตัวเลข "
                                  "150,125 อ่านได้สองแบบ: 150125 (จุดเป็นจุดทศนิยม) หรือ 150.125 "
                                  "(จุลภาคเป็นจุดทศนิยม) โปรดเขียนโดยไม่มีตัวคั่นหลักพัน";
  const auto inputs = [](double k, double load, double height = 4, double diameter = 150,
                         double wall = 4) {
    return engine::ColumnInputs{diameter, wall, height, k, load, {}};
  };
  const std::vector<Case> table = {
      {"", ';', "150|4|4|0,875|8000", inputs(0.875, 8000)},
      {"", ',', "150|4|4|\"0,875\"|8000", inputs(0.875, 8000)},
      {"", ';', "150|4|4|1|1.500,25", inputs(1, 1500.25)},
      {"", ',', "150|4|4|1|\"1.500,25\"", inputs(1, 1500.25)},
      {"", ';', "150|4|4|1|150,125", twoReadings},
      {"", ',', "150|4|4|1|\"150,125\"", twoReadings},
      {"", ';', "150|4|4|0,875|150,125", inputs(0.875, 150.125)},
      {"", ',', "150|\"4,5\"|4|1|\"150,125\"", inputs(1, 150.125, 4, 150, 4.5)},
      {"", ';', "150|4|4|0.85|1,500", inputs(0.85, 1500)},
      {"", ',', "150|4|4|0.85|\"1,500\"", inputs(0.85, 1500)},
      {"", ';', "150|4,5|4|0.85|150,125", twoReadings},
      {"sep=;\n", ';', "150|4|1,500|1|8000", inputs(1, 8000, 1.5)},
      {"sep=,\n", ',', "\"1,500\"|4|4|1|8000", inputs(1, 8000, 4, 1500)},
  };
  for (const Case& each : table) {
    std::string header = kHeaderRow;
    std::string row = "C1|" + each.row;
    std::replace(header.begin(), header.end(), ',', each.separator);
    std::replace(row.begin(), row.end(), '|', each.separator);
    const std::string bytes = each.firstLine + header + "\n" + row;
    SCOPED_TRACE(bytes);
    const project::ScheduleLoad read = ReadScheduleCsv(bytes, "schedule.csv");
    if (const auto* expected = std::get_if<engine::ColumnInputs>(&each.read)) {
      EXPECT_EQ(Read(bytes), std::vector<ColumnEntry>{Column("C1", *expected)});
    } else {
      ASSERT_TRUE(std::holds_alternative<project::LoadErrors>(read));
      EXPECT_EQ(std::get<project::LoadErrors>(read).messages,
                std::vector<std::string>{std::get<std::string>(each.read)});
    }
  }
}

TEST(CsvTest, FilesAreToldApartByWhatTheyHold) {
  using project::FileContent;
  const std::vector<std::pair<std::string, FileContent>> table = {
      {"\xEF\xBB\xBF\n  {\"schema\": 1}", FileContent::ProjectFile},
      {kHeaderRow + "\nC1,114.3,3.2,4,0.85,8000\n", FileContent::Schedule},
      {"\r\nnote;MARK\n", FileContent::Schedule},
      {"sep=;\n", FileContent::Schedule},
      {std::string("\xFF\xFEm\0", 4), FileContent::Schedule},
      {"C1,114.3,3.2,4,0.85,8000\n", FileContent::Neither},
      {"%PDF-1.4", FileContent::Neither},
      {"", FileContent::Neither},
  };
  for (const auto& [bytes, content] : table) {
    EXPECT_EQ(project::RecogniseContent(bytes), content) << bytes;
  }
}

TEST(CsvTest, BlankAndSharedMarksAreListedWithTheirColumns) {
  const std::vector<ColumnEntry> columns = {Column("C1"), Column(""),   Column("C2"), Column(" C1"),
                                            Column("  "), Column("C2"), Column("C3"), Column("C1")};
  EXPECT_EQ(project::UnclearMarks(columns),
            (std::vector<project::UnclearMark>{{"", {1, 4}}, {"C1", {0, 3, 7}}, {"C2", {2, 5}}}));
}

} // namespace
