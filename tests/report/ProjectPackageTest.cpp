// SPDX-License-Identifier: GPL-3.0-or-later
// The package: a summary then one sheet a column, each sheet with its column's mark; failing rows
// stand out and no failing column is called OK.

#include "report/ProjectPackage.h"
#include "project/ProjectCheck.h"
#include "tests/doubles/RecordingHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
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
  } kSizes[] = {{1, 2}, {12, 13}, {44, 46}, {100, 103}};
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
  EXPECT_EQ(Count(operations, "PrintLine( ผ่าน 1 ต้น   ไม่ผ่าน 2 ต้น   จากทั้งหมด 3 ต้น)"), 1u);
  for (const std::string& operation : operations) {
    EXPECT_EQ(operation.find("12000   kg.     OK"), std::string::npos) << operation;
  }
}

} // namespace
