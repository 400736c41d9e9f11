// SPDX-License-Identifier: GPL-3.0-or-later
// The second opinion's page: its steps, and each comparison printed true to the figures.

#include "report/CrossCheckSheet.h"
#include "engine/ColumnCheck.h"
#include "tests/doubles/RecordingHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Printed(double diameter, double wall, double load) {
  engine::ColumnInputs inputs;
  inputs.outsideDiameterMm = diameter;
  inputs.wallThicknessMm = wall;
  inputs.axialLoadKg = load;
  const engine::DesignRecord record = engine::CheckColumn(inputs);
  form::RecordingHost host;
  const std::unique_ptr<report::Printer> printer = host.OpenDefaultPrinter();
  report::DrawCrossCheckSheet(inputs, record, engine::CrossCheckColumn(inputs, record),
                              {"อาคาร A", "วิศวกร", "ค1"}, {}, *printer);
  return host.printerOperations();
}

bool HasLine(const std::vector<std::string>& operations, const std::string& part) {
  return std::ranges::any_of(operations, [&part](const std::string& operation) {
    return operation.starts_with("PrintLine(") && operation.find(part) != std::string::npos;
  });
}

TEST(CrossCheckSheet, StepsAndVerdictsFollowTheColumn) {
  const struct {
    double diameter, wall, load;
    std::vector<std::string> lines;
  } kCases[] = {
      {114.3,
       3.2,
       8000,
       {"t = 0.93 x 3.2 = 2.976 mm.", "= 10436 kg.  ≥  P = 8000 kg.    OK",
        "fp = P/A1 = 35.5556 kg./sq.cm. = 3.4868 MPa", // MPa beside Fy in MPa below
        "t1 = l √(2 fp Ω / Fy) = 29.28 √(2 x 3.4868 x 1.67 / 240) = 6.45 mm.",
        "t2 = a √(2 fp Ω / (3 Fy)) = 53.95 √(2 x 3.4868 x 1.67 / (3 x 240)) = 6.86 mm.",
        "หน้าแรกให้ 4 mm.    NOT OK"}},
      // Just over the allowable load: the figures keep the decimals that make "<" true.
      {114.3, 3.2, 10436.2, {"= 10436.1 kg.  <  P = 10436.2 kg.    NOT OK"}},
      {2000, 10, 900000, {"Ae = [0.038 E/(Fy D/t) + 2/3] Ag = 473.39 sq.cm.  (E7)", "= 99.17 mm."}},
      {2000, 5, 10000, {"D/t = 430.11 ≥ 0.45 E/Fy = 375.00", "not covered", "(—)"}},
      {34, 1.6, 100, {"หมายเหตุ: Lc/r = 295.48 > 200.00"}}, // slender beyond the code's advice
  };
  for (const auto& c : kCases) {
    const std::vector<std::string> operations = Printed(c.diameter, c.wall, c.load);
    for (const std::string& line : c.lines) {
      EXPECT_TRUE(HasLine(operations, line)) << c.diameter << " x " << c.wall << ": " << line;
    }
  }
}

} // namespace
