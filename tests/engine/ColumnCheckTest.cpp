// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ColumnCheck.h"
#include "engine/Failure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <limits>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace {

using engine::ColumnInputs;
using engine::DesignRecord;
using engine::Fixed4;

Fixed4 F(std::int64_t count) {
  return Fixed4::FromCount(count);
}

constexpr auto kDiameter = &ColumnInputs::outsideDiameterMm;
constexpr auto kWall = &ColumnInputs::wallThicknessMm;
constexpr auto kHeight = &ColumnInputs::heightM;
constexpr auto kK = &ColumnInputs::kFactor;
constexpr auto kLoad = &ColumnInputs::axialLoadKg;

// The initial column with some of its design values changed.
ColumnInputs Column(std::initializer_list<std::pair<double ColumnInputs::*, double>> changes) {
  ColumnInputs inputs;
  for (const auto& [member, value] : changes) {
    inputs.*member = value;
  }
  return inputs;
}

TEST(ColumnCheck, InitialColumnGivesTheWorkedExample) {
  const DesignRecord q = engine::CheckColumn(ColumnInputs{});

  EXPECT_EQ(q.outsideDiameter, 114.3);
  EXPECT_EQ(q.wallThickness, 3.2);
  EXPECT_EQ(q.columnLength, 400);
  EXPECT_EQ(q.insideDiameter, 107.89999999999999);
  EXPECT_EQ(q.radiusOfGyration, F(39296));
  EXPECT_EQ(q.kFactor, 0.85);
  EXPECT_EQ(q.effectiveLength, 340);
  EXPECT_EQ(q.slendernessRatio, 87);
  EXPECT_EQ(q.sectionArea, F(111735));
  EXPECT_EQ(q.yieldStress, 240);
  EXPECT_EQ(q.elasticModulus, 200000);
  EXPECT_NEAR(q.elasticCriticalStress.value(), 260.99066825, 1e-8);
  EXPECT_EQ(q.stressBlend, F(4101360));
  EXPECT_EQ(q.allowableStress, 92);
  EXPECT_EQ(q.axialCapacity, F(102796200));
  EXPECT_EQ(q.maxAxialForce, 10280);
  EXPECT_EQ(q.allowableBearing, 40);
  EXPECT_EQ(q.axialLoad, 8000);
  EXPECT_EQ(q.bearingAreaRequired, 200);
  EXPECT_EQ(q.plateSide, 15);
  EXPECT_EQ(q.plateOverhang, 1.7850000000000001);
  EXPECT_EQ(q.bearingPressure, F(355556));
  EXPECT_EQ(q.allowablePlateBending, 1850);
  EXPECT_EQ(q.plateThickness, F(3712));
  EXPECT_EQ(q.plateThicknessMm, 4);
  EXPECT_TRUE(engine::Carries(q));
}

struct CompletedCheck {
  const char* name;
  ColumnInputs inputs;
  std::int32_t maxAxialForce;
  std::int32_t plateSide;
  double plateOverhang;
  Fixed4 bearingPressure;
  Fixed4 plateThickness;
  std::int32_t plateThicknessMm;
  bool carries;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const CompletedCheck& c, std::ostream* os) {
  *os << c.name;
}

class CompletedChecks : public testing::TestWithParam<CompletedCheck> {};

TEST_P(CompletedChecks, GiveTheExpectedPlateAndVerdict) {
  const CompletedCheck& c = GetParam();
  const DesignRecord q = engine::CheckColumn(c.inputs);
  EXPECT_EQ(q.maxAxialForce, c.maxAxialForce);
  EXPECT_EQ(q.plateSide, c.plateSide);
  EXPECT_DOUBLE_EQ(q.plateOverhang.value(), c.plateOverhang);
  EXPECT_EQ(q.bearingPressure, c.bearingPressure);
  EXPECT_EQ(q.plateThickness, c.plateThickness);
  EXPECT_EQ(q.plateThicknessMm, c.plateThicknessMm);
  EXPECT_EQ(engine::Carries(q), c.carries);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CompletedChecks,
    testing::Values(
        // Square root 1.58 + 1 rounds to 3, widened to 11.43 + 2 rounded half to even.
        CompletedCheck{"Load100", Column({{kLoad, 100}}), 10280, 13, 1, F(5917), F(2000), 2, true},
        CompletedCheck{"Load900000", Column({{kLoad, 900000}}), 10280, 151, 69.785, F(394720),
                       F(152902), 153, false},
        CompletedCheck{"Load12000", Column({{kLoad, 12000}}), 10280, 18, 3.2850000000000001,
                       F(370370), F(6972), 7, false},
        // Whole millimetres round up: 12.405 mm is at least 13, 2.078 mm at least 3.
        CompletedCheck{"Load20000", Column({{kLoad, 20000}}), 10280, 23, 5.785, F(378072), F(12405),
                       13, false},
        CompletedCheck{"Load6000", Column({{kLoad, 6000}}), 10280, 13, 1, F(355030), F(2078), 3,
                       true},
        // 10280 is the rounded force; the exact capacity 10279.62 is what the load must not pass.
        CompletedCheck{"Load10280", Column({{kLoad, 10280}}), 10280, 17, 2.7850000000000001,
                       F(355709), F(5793), 6, false},
        CompletedCheck{"LoadEqualToCapacity", Column({{kLoad, 10279.62}}), 10280, 17,
                       2.7850000000000001, F(355696), F(5793), 6, true},
        // Beyond 16 bits, yet within what the prompts accept.
        CompletedCheck{"Pipe168x6", Column({{kDiameter, 168.3}, {kWall, 6.0}}), 36726, 19,
                       1.0849999999999995, F(221607), F(2000), 2, true},
        CompletedCheck{"Pipe2000x50", Column({{kDiameter, 2000}, {kWall, 50}}), 4443214, 202, 1,
                       F(1961), F(2000), 2, true}),
    [](const testing::TestParamInfo<CompletedCheck>& info) {
      return std::string(info.param.name);
    });

TEST(ColumnCheck, HalfWaySlendernessRoundsToEven) {
  // r = 3.9296 cm; a KL of 86.5 r = 339.9104 cm gives exactly 86.5.
  const DesignRecord q = engine::CheckColumn(Column({{kHeight, 3.399104}, {kK, 1}}));
  EXPECT_EQ(q.slendernessRatio, 86);
}

TEST(ColumnCheck, PlateIsNeverSmallerThanThePipeWithRoomToWeld) {
  const struct {
    double diameter;
    double load;
    std::int32_t plateSide;
  } table[] = {
      {150, 7840, 17},    // sqrt(196) + 1 = 15, the pipe's own width: widened to 15 + 2
      {150, 6760, 17},    // 14, narrower than the pipe
      {139.8, 7000, 16},  // 14, wider than the pipe by 0.1 mm a side: round(13.98 + 2)
      {139.8, 6000, 16},  // 13
      {139.8, 12000, 18}, // the bearing plate is the larger
  };
  for (const auto& row : table) {
    EXPECT_EQ(engine::CheckColumn(Column({{kDiameter, row.diameter}, {kLoad, row.load}})).plateSide,
              row.plateSide)
        << row.diameter << " mm, " << row.load << " kg";
  }
}

TEST(ColumnCheck, OverhangOfExactlyOneStays) {
  const DesignRecord q = engine::CheckColumn(Column({{kDiameter, 130}}));
  EXPECT_EQ(q.plateSide, 15);
  EXPECT_EQ(q.plateOverhang, 1);
}

struct FailingCheck {
  const char* name;
  std::function<void(ColumnInputs&)> change;
  const char* failure;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const FailingCheck& c, std::ostream* os) {
  *os << c.name;
}

class FailingChecks : public testing::TestWithParam<FailingCheck> {};

TEST_P(FailingChecks, StopAtTheFailingStepAndKeepTheRest) {
  DesignRecord record = engine::CheckColumn(ColumnInputs{});
  const engine::OptionalWhole lastBefore = record.plateThicknessMm;
  ColumnInputs inputs;
  GetParam().change(inputs);
  try {
    engine::CheckColumn(inputs, record);
    FAIL() << "the check completed";
  } catch (const engine::Failure& failure) {
    EXPECT_EQ(failure.name(), GetParam().failure);
  }
  // The last quantity is never reached by any failing step.
  EXPECT_EQ(record.plateThicknessMm, lastBefore);
}

constexpr double kLargest = std::numeric_limits<double>::max();

INSTANTIATE_TEST_SUITE_P(
    Cases, FailingChecks,
    testing::Values(
        FailingCheck{"ZeroHeight", [](ColumnInputs& c) { c.heightM = 0; }, "DivisionByZero"},
        FailingCheck{"ZeroK", [](ColumnInputs& c) { c.kFactor = 0; }, "DivisionByZero"},
        FailingCheck{"ZeroBearing",
                     [](ColumnInputs& c) {
                       c.wallThicknessMm = 0;
                       c.materials.allowableBearingKgCm2 = 0;
                     },
                     "DivisionByZero"},
        FailingCheck{"ZeroBendingStress",
                     [](ColumnInputs& c) { c.materials.allowablePlateBendingKgCm2 = 0; },
                     "DivisionByZero"},
        FailingCheck{"NegativeLoad", [](ColumnInputs& c) { c.axialLoadKg = -8000; },
                     "InvalidArgument"},
        FailingCheck{"NegativeYield", [](ColumnInputs& c) { c.materials.yieldStressMpa = -240; },
                     "InvalidArgument"},
        FailingCheck{"HugeHeight", [](ColumnInputs& c) { c.heightM = kLargest; }, "Overflow"}),
    [](const testing::TestParamInfo<FailingCheck>& info) { return std::string(info.param.name); });

// Typed inputs can hold what no text reads as: a not-a-number or an infinity in any design input
// ends the check with a failure before it reaches the plate.
TEST(ColumnCheck, NonFiniteInputsNeverReachTheResults) {
  const std::function<double&(ColumnInputs&)> inputs[] = {
      [](ColumnInputs& c) -> double& { return c.outsideDiameterMm; },
      [](ColumnInputs& c) -> double& { return c.wallThicknessMm; },
      [](ColumnInputs& c) -> double& { return c.heightM; },
      [](ColumnInputs& c) -> double& { return c.kFactor; },
      [](ColumnInputs& c) -> double& { return c.axialLoadKg; },
  };
  for (const double value :
       {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity()}) {
    for (std::size_t i = 0; i < std::size(inputs); ++i) {
      SCOPED_TRACE("input " + std::to_string(i) + " = " + std::to_string(value));
      ColumnInputs column;
      inputs[i](column) = value;
      DesignRecord record;
      EXPECT_THROW(engine::CheckColumn(column, record), engine::Failure);
      EXPECT_FALSE(record.plateThicknessMm.has_value());
    }
  }
}

TEST(ColumnCheck, FailureLeavesEarlierQuantitiesNewAndLaterOnesOld) {
  DesignRecord q = engine::CheckColumn(ColumnInputs{});
  // No wall and no bearing stress: the section is new, the plate stays from the last check.
  ColumnInputs inputs;
  inputs.wallThicknessMm = 0;
  inputs.materials.allowableBearingKgCm2 = 0;
  EXPECT_THROW(engine::CheckColumn(inputs, q), engine::DivisionByZero);
  EXPECT_EQ(q.wallThickness, 0);
  EXPECT_EQ(q.insideDiameter, 114.3);
  EXPECT_EQ(q.allowableBearing, 0);
  EXPECT_EQ(q.axialLoad, 8000);
  EXPECT_EQ(q.bearingAreaRequired, 200);
  EXPECT_EQ(q.plateSide, 15);
  EXPECT_EQ(q.bearingPressure, F(355556));
}

TEST(ColumnCheck, NothingIsComputedBeforeAndEveryResultAfter) {
  struct Visited {
    std::vector<std::string> keys;
    std::vector<std::string> computed;
  };
  const auto visit = [](const DesignRecord& record) {
    Visited visited;
    engine::ForEachResult(record, [&](std::string_view key, const engine::QuantityValue& value) {
      visited.keys.emplace_back(key);
      if (std::visit([](const auto& quantity) { return quantity.has_value(); }, value)) {
        visited.computed.emplace_back(key);
      }
    });
    return visited;
  };
  const Visited before = visit(DesignRecord{});
  EXPECT_TRUE(before.computed.empty());
  EXPECT_FALSE(engine::Carries(DesignRecord{}));

  const Visited after = visit(engine::CheckColumn(ColumnInputs{}));
  EXPECT_EQ(after.computed, after.keys);
  EXPECT_EQ(std::set<std::string>(after.keys.begin(), after.keys.end()).size(), after.keys.size())
      << "a key named twice";
}

TEST(ColumnCheck, PipeWithoutAWallIsRefusedBeforeAnyStep) {
  for (const double wall : {57.15, 120.0}) {
    DesignRecord q;
    EXPECT_THROW(engine::CheckColumn(Column({{kWall, wall}}), q), engine::ImpossiblePipe) << wall;
    EXPECT_FALSE(q.outsideDiameter) << "nothing is computed for a pipe without a wall";
  }
}

} // namespace
