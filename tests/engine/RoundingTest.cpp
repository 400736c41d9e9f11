// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Rounding.h"
#include "engine/Arithmetic.h"
#include "engine/Failure.h"
#include "engine/Fixed4.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

using engine::Fixed4;

struct Fixed4Case {
  double input;
  std::int64_t count;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Fixed4Case& c, std::ostream* os) {
  *os << c.input;
}

class ToFixed4Rounding : public testing::TestWithParam<Fixed4Case> {};

TEST_P(ToFixed4Rounding, RoundsTheExactValueHalfToEven) {
  EXPECT_EQ(engine::ToFixed4(GetParam().input).count(), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToFixed4Rounding,
    testing::Values(Fixed4Case{2.71828, 27183}, Fixed4Case{0.03125, 312}, Fixed4Case{0.09375, 938},
                    Fixed4Case{-0.03125, -312}, Fixed4Case{-0.09375, -938},
                    // 0.00005 and 1.00005 as doubles lie just above the half, so they round up.
                    Fixed4Case{0.00005, 1}, Fixed4Case{1.00005, 10001}, Fixed4Case{0.0, 0},
                    Fixed4Case{-0.0, 0}, Fixed4Case{3.929608, 39296},
                    Fixed4Case{11.173485714285714, 111735}, Fixed4Case{1e-300, 0},
                    Fixed4Case{4.9e-324, 0}, Fixed4Case{922337203685477.0, 9223372036854770000}));

TEST(ToFixed4, FailsWithOverflowOutsideTheRange) {
  EXPECT_THROW(engine::ToFixed4(1e15), engine::Overflow);
  EXPECT_THROW(engine::ToFixed4(-1e15), engine::Overflow);
  EXPECT_THROW(engine::ToFixed4(std::numeric_limits<double>::infinity()), engine::Overflow);
  EXPECT_THROW(engine::ToFixed4(std::nan("")), engine::Overflow);
  EXPECT_THROW(engine::ToFixed4(DBL_MAX), engine::Overflow);
}

struct Int32Case {
  double input;
  std::int32_t expected;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Int32Case& c, std::ostream* os) {
  *os << c.input;
}

class ToInt32Rounding : public testing::TestWithParam<Int32Case> {};

TEST_P(ToInt32Rounding, RoundsHalfToEven) {
  EXPECT_EQ(engine::ToInt32(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToInt32Rounding,
    testing::Values(Int32Case{0.5, 0}, Int32Case{1.5, 2}, Int32Case{2.5, 2}, Int32Case{-2.5, -2},
                    Int32Case{30.5, 30}, Int32Case{31.5, 32}, Int32Case{86.5, 86},
                    Int32Case{86.50000000000001, 87}, Int32Case{2147483646.5, 2147483646},
                    Int32Case{-2147483648.5, -2147483648}, Int32Case{32767.5, 32768}));

TEST(CeilingToInt32, GivesTheSmallestWholeNumberNotBelow) {
  const std::pair<std::int64_t, std::int32_t> table[] = {
      {120000, 12}, {120001, 13}, {123800, 13}, {20780, 3}, {0, 0}, {-5000, 0}, {-15000, -1}};
  for (const auto& [count, expected] : table) {
    EXPECT_EQ(engine::CeilingToInt32(Fixed4::FromCount(count)), expected) << count;
  }
  EXPECT_THROW(engine::CeilingToInt32(Fixed4::FromCount(21474836470001)), engine::Overflow);
}

TEST(ToInt32, FailsWithOverflowBeyondThirtyTwoBits) {
  EXPECT_THROW(engine::ToInt32(2147483647.5), engine::Overflow);
  EXPECT_THROW(engine::ToInt32(-2147483649.0), engine::Overflow);
  EXPECT_THROW(engine::ToInt32(std::nan("")), engine::Overflow);
}

struct Fixed4ToInt32Case {
  std::int64_t count;
  std::int32_t expected;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Fixed4ToInt32Case& c, std::ostream* os) {
  *os << c.count;
}

class Fixed4ToInt32Rounding : public testing::TestWithParam<Fixed4ToInt32Case> {};

TEST_P(Fixed4ToInt32Rounding, RoundsTheExactDecimalHalfToEven) {
  EXPECT_EQ(engine::ToInt32(Fixed4::FromCount(GetParam().count)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Fixed4ToInt32Rounding,
                         testing::Values(Fixed4ToInt32Case{102796200, 10280},
                                         Fixed4ToInt32Case{2500, 0}, Fixed4ToInt32Case{25000, 2},
                                         Fixed4ToInt32Case{35000, 4}, Fixed4ToInt32Case{-25000, -2},
                                         Fixed4ToInt32Case{-35000, -4},
                                         Fixed4ToInt32Case{-24999, -2},
                                         Fixed4ToInt32Case{-15001, -2},
                                         Fixed4ToInt32Case{21474836465000, 2147483646}));

TEST(Fixed4, ConvertsToTheNearestDoubleAndExactText) {
  EXPECT_EQ(Fixed4::FromCount(102796200).toDouble(), 10279.62);
  EXPECT_EQ(Fixed4::FromCount(102796200).toDecimalString(), "10279.62");
  EXPECT_EQ(Fixed4::FromCount(-2500).toDecimalString(), "-0.25");
  EXPECT_EQ(Fixed4::FromCount(312).toDecimalString(), "0.0312");
  EXPECT_EQ(Fixed4::FromCount(std::numeric_limits<std::int64_t>::min()).toDecimalString(),
            "-922337203685477.5808");
  EXPECT_EQ(Fixed4::FromCount(9007199254740993).toDouble(), 900719925474.0993);
}

TEST(Fixed4, ProductWithAWholeNumberIsExactAndChecked) {
  EXPECT_EQ(engine::MultiplyExact(Fixed4::FromCount(111735), 92).count(), 10279620);
  EXPECT_THROW(engine::MultiplyExact(Fixed4::FromCount(std::int64_t{1} << 62), 2),
               engine::Overflow);
  EXPECT_THROW(engine::MultiplyWhole(46341, 46341), engine::Overflow);
  EXPECT_EQ(engine::MultiplyWhole(46340, 46340), 2147395600);
}

TEST(Arithmetic, FailsInsteadOfYieldingInfinityOrNotANumber) {
  EXPECT_THROW(engine::Divide(1, 0), engine::DivisionByZero);
  EXPECT_THROW(engine::Power(-4, 0.5), engine::InvalidArgument);
  EXPECT_EQ(engine::Power(-2, 2), 4);
  EXPECT_THROW(engine::Power(0, -1), engine::DivisionByZero);
  EXPECT_THROW(engine::Multiply(DBL_MAX, 100), engine::Overflow);
  EXPECT_THROW(engine::Square(1e200), engine::Overflow);
  EXPECT_THROW(engine::Add(DBL_MAX, DBL_MAX), engine::Overflow);
}

} // namespace
