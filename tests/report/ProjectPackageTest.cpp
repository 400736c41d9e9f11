// SPDX-License-Identifier: GPL-3.0-or-later
// The package: a summary then one sheet a column, each sheet with its column's mark; failing rows
// stand out and no failing column is called OK.

#include "report/ProjectPackage.h"
#include "project/ProjectCheck.h"
#include "project/ScheduleRow.h"
#include "report/TextFit.h"
#include "tests/doubles/RecordingHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

project::ColumnEntry Column(std::string mark, double load, double wall = 3.2) {
  project::ColumnEntry column{std::move(mark), {}};
  column.inputs.axialLoadKg = load;
  column.inputs.wallThicknessMm = wall;
  return column;
}

std::vector<std::string> Print(const std::vector<project::ColumnEntry>& columns) {
  form::RecordingHost host;
  const std::unique_ptr<report::Printer> printer = host.OpenDefaultPrinter();
  const project::Project printed{{"อาคาร A", "วิศวกร", {}}, columns};
  report::PrintProjectPackage(printed, project::CheckProject(printed).columns, "2026-12-08", {},
                              *printer);
  return host.printerOperations();
}

std::size_t Count(const std::vector<std::string>& operations, const std::string& text) {
  return static_cast<std::size_t>(std::count(operations.begin(), operations.end(), text));
}

TEST(ProjectPackage, SummaryThenOneSheetPerColumnWithItsMark) {
  const struct {
    std::size_t columns;
    int pages;
  } kSizes[] = {{1, 2}, {12, 13}, {44, 47}, {100, 105}};
  for (const auto& size : kSizes) {
    std::vector<project::ColumnEntry> columns;
    for (std::size_t i = 0; i < size.columns; ++i) {
      columns.push_back(Column("ค" + std::to_string(i + 1), i % 5 == 4 ? 12000 : 8000));
    }
    const std::vector<std::string> operations = Print(columns);
    EXPECT_EQ(report::PackagePageCount(size.columns), size.pages);
    EXPECT_EQ(Count(operations, "NewPage()") + 1, static_cast<std::size_t>(size.pages));
    EXPECT_EQ(operations.back(), "EndDocument()");
    for (std::size_t i = 0; i < size.columns; ++i) {
      EXPECT_EQ(Count(operations, "PrintLine( Column : ค" + std::to_string(i + 1) + ")"), 1u);
    }
  }
}

TEST(ProjectPackage, FailingColumnsStandOutAndAreNeverCalledOk) {
  const std::vector<project::ColumnEntry> columns = {Column("C1", 8000), Column("C2", 12000),
                                                     Column("C3", 8000, 60)}; // C3: no wall left
  const std::vector<std::string> operations = Print(columns);
  EXPECT_EQ(Count(operations, "PrintLine(OK)"), 1u);
  EXPECT_EQ(Count(operations, "PrintLine(NOT OK)"), 1u);
  EXPECT_EQ(Count(operations, "PrintLine(ERROR)"), 1u);
  const auto shaded =
      std::count_if(operations.begin(), operations.end(),
                    [](const std::string& op) { return op.rfind("ShadeRectangle(", 0) == 0; });
  EXPECT_EQ(shaded, 2);
  EXPECT_EQ(Count(operations, "PrintLine( ตามวิธีคำนวณ: ผ่าน 1 ต้น   ไม่ผ่าน 2 ต้น   จากทั้งหมด 3 ต้น)"), 1u);
  for (const std::string& operation : operations) {
    EXPECT_EQ(operation.find("12000   kg.     OK"), std::string::npos) << operation;
  }
}

bool Printed(const std::vector<std::string>& operations, const std::string& start) {
  return std::ranges::any_of(
      operations, [&](const std::string& op) { return op.starts_with("PrintLine(" + start); });
}

TEST(ProjectPackage, SummaryMarksAndCountsWhatTheSecondOpinionRejects) {
  std::vector<project::ColumnEntry> columns(4, Column("C", 14190));
  for (auto& column : columns) {
    column.inputs.heightM = 2; // carried by the method, not by the second opinion
  }
  const std::vector<std::string> operations = Print(columns);
  const std::string opinion(report::kSecondOpinionMark);
  EXPECT_EQ(Count(operations, "PrintLine(OK " + opinion + ")"), 4u);
  EXPECT_TRUE(Printed(operations, " ตามวิธีคำนวณ: ผ่าน 4 ต้น   ไม่ผ่าน 0 ต้น"));
  EXPECT_TRUE(Printed(operations, " ความเห็นที่สอง AISC 360-22 ASD: เสาผ่าน 0 ต้น   ไม่ผ่าน 4 ต้น"));
  EXPECT_TRUE(Printed(operations, opinion + " = "));
  EXPECT_FALSE(Printed(operations, std::string(project::kWarningMark) + " = "));
}

TEST(ProjectPackage, MarksPrintAsDistinctAsTheyAreWithControlsAsSpaces) {
  std::vector<project::ColumnEntry> columns;
  for (int i = 10; i < 22; ++i) { // long marks that differ only in the middle
    columns.push_back(
        Column(std::string(40, 'x') + std::to_string(i) + std::string(40, 'y'), 8000));
  }
  columns.push_back(Column("C\t1\n", 8000));
  std::vector<std::string> lines; // the mark column's, below the heading and above the legend
  const std::vector<std::string> operations = Print(columns);
  for (std::size_t i = 2; i < operations.size(); ++i) {
    const int y =
        operations[i - 1].starts_with("SetCurrentY(") ? std::stoi(operations[i - 1].substr(12)) : 0;
    if (operations[i - 2] == "SetCurrentX(800)" && y > 3400 && y < 15000) {
      lines.push_back(operations[i]);
    }
  }
  ASSERT_EQ(lines.size(), 12u * 2 + 1);
  for (std::size_t i = 1; i < 24; i += 2) {
    EXPECT_EQ(std::ranges::count(lines, lines[i]), 1) << lines[i];
  }
  EXPECT_EQ(lines.back(), "PrintLine(C 1 )");
}

TEST(ProjectPackage, EverySummaryPageHasRows) {
  for (const std::size_t count : {21u, 22u, 44u, 45u}) {
    const std::vector<std::string> operations = Print({count, Column("C", 8000)});
    std::size_t rows = 0;
    for (auto op = operations.begin(); *op != "PrintLine( Column : C)"; ++op) {
      EXPECT_TRUE(*op != "NewPage()" || std::exchange(rows, 0) > 0) << count;
      rows += *op == "PrintLine(C)" ? 1 : 0;
    }
  }
}

} // namespace

// Marks wrap in the summary rather than being cut, so distinct marks read differently.
TEST(ProjectPackage, MarksWrapAndStayDistinct) {
  const std::vector<std::string> operations =
      Print({Column("เสาต้นที่ ๑ (ชั้นล่าง)", 8000), Column("เสาต้นที่ ๑ (ชั้นบน)", 12000)});
  EXPECT_EQ(Count(operations, "PrintLine(เสาต้นที่ ๑)"), 2u);
  EXPECT_EQ(Count(operations, "PrintLine((ชั้นล่าง))"), 1u);
  EXPECT_EQ(Count(operations, "PrintLine((ชั้นบน))"), 1u);

  std::string ko29; // a tone mark at the 31st character stays with its letter on the next line
  for (int i = 0; i < 29; ++i) {
    ko29 += "ก";
  }
  const std::string long100(100, 'x');
  const struct {
    std::string text;
    std::vector<std::string> lines; // at 30 characters a line, two lines at the most
  } kCases[] = {
      {"C1", {"C1"}},
      {"", {""}},
      {"Column A1 on grid line 12, ground floor", {"Column A1 on grid line 12,", "ground floor"}},
      {ko29 + "ก่ขขขข", {ko29, "ก่ขขขข"}},
      {long100 + "-top", {std::string(30, 'x'), "\u2026" + std::string(25, 'x') + "-top"}},
  };
  form::RecordingHost host;
  const std::unique_ptr<report::Printer> printer = host.OpenDefaultPrinter();
  for (const auto& c : kCases) {
    EXPECT_EQ(report::WrapText(*printer, c.text, 3000, 2), c.lines) << c.text;
  }
}
