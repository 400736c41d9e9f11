// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/NumberText.h"
#include "engine/Failure.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <string>

namespace {

using engine::Fixed4;
using engine::NumberFormat;

struct TextToNumber {
  std::string text;
  double expected;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const TextToNumber& c, std::ostream* os) {
  *os << "\"" << c.text << "\"";
}

class StrictNumberAccepts : public testing::TestWithParam<TextToNumber> {};

TEST_P(StrictNumberAccepts, ReadsAWholeNumberText) {
  EXPECT_EQ(engine::StrictNumber(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, StrictNumberAccepts,
                         testing::Values(TextToNumber{"114.3", 114.3}, TextToNumber{" 50 ", 50},
                                         TextToNumber{"1e3", 1000}, TextToNumber{"1,000", 1000},
                                         TextToNumber{"1,000,000.5", 1000000.5},
                                         TextToNumber{"-.25", -0.25}, TextToNumber{"+3", 3},
                                         TextToNumber{"0114.30", 114.3}, TextToNumber{"5.", 5},
                                         TextToNumber{"\t8000", 8000}, TextToNumber{"2E-1", 0.2}));

class StrictNumberRejects : public testing::TestWithParam<std::string> {};

TEST_P(StrictNumberRejects, FailsWithTypeMismatch) {
  EXPECT_THROW(engine::StrictNumber(GetParam()), engine::TypeMismatch) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Cases, StrictNumberRejects,
                         testing::Values("", " ", "abc", "1..2", ".", "-", "114.3 mm", "1e", "1e+",
                                         ",5", "5,", "1 2", "&HFF", "1.2.3", "--1", "1,000.5.5",
                                         "1,5", "๑x"));

TEST(StrictNumber, FollowsTheGivenLocale) {
  const NumberFormat european{",", "."};
  EXPECT_EQ(engine::StrictNumber("1.000,5", european), 1000.5);
  EXPECT_THROW(engine::StrictNumber("1,000.5", european), engine::TypeMismatch);
}

TEST(StrictNumber, FailsWithOverflowBeyondTheDoubleRange) {
  EXPECT_THROW(engine::StrictNumber("1e400"), engine::Overflow);
  EXPECT_EQ(engine::ReadStrictNumber("-1e400").value(), -HUGE_VAL);
}

struct NumberToText {
  double value;
  std::string spaced;
  std::string plain;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const NumberToText& c, std::ostream* os) {
  *os << c.value;
}

class DoubleText : public testing::TestWithParam<NumberToText> {};

TEST_P(DoubleText, SpacedAndPlainForms) {
  EXPECT_EQ(engine::SpacedText(GetParam().value), GetParam().spaced);
  EXPECT_EQ(engine::PlainText(GetParam().value), GetParam().plain);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DoubleText,
    testing::Values(NumberToText{0.75, " .75", "0.75"}, NumberToText{-3, "-3", "-3"},
                    NumberToText{0.5, " .5", "0.5"}, NumberToText{-0.25, "-.25", "-0.25"},
                    NumberToText{114.30, " 114.3", "114.3"}, NumberToText{4, " 4", "4"},
                    NumberToText{108.5, " 108.5", "108.5"}, NumberToText{3.2, " 3.2", "3.2"},
                    NumberToText{107.89999999999999, " 107.9", "107.9"},
                    NumberToText{1.7850000000000001, " 1.785", "1.785"}, NumberToText{0, " 0", "0"},
                    NumberToText{-0.0, " 0", "0"},
                    NumberToText{260.99066825118, " 260.99066825118", "260.99066825118"},
                    NumberToText{1.0 / 3, " .333333333333333", "0.333333333333333"},
                    NumberToText{123456789012345.0, " 123456789012345", "123456789012345"},
                    NumberToText{1e15, " 1E+15", "1E+15"},
                    NumberToText{-2.5e-7, "-2.5E-07", "-2.5E-07"},
                    NumberToText{0.0001, " .0001", "0.0001"},
                    NumberToText{1e100, " 1E+100", "1E+100"}));

TEST(PercentText, NeverShowsAnOverloadAsFull) {
  const std::pair<double, const char*> table[] = {{0.7782, "77.8"},   {1, "100.0"},
                                                  {0.99999, "100.0"}, {10280 / 10279.62, "100.1"},
                                                  {1.0006, "100.1"},  {1.5, "150.0"}};
  for (const auto& [ratio, text] : table) {
    EXPECT_EQ(engine::PercentText(ratio), text) << ratio;
  }
}

TEST(PlainText, UsesTheLocaleDecimalSeparator) {
  EXPECT_EQ(engine::PlainText(0.85, NumberFormat{",", "."}), "0,85");
}

TEST(SpacedText, Fixed4AndWholeNumbersAreExact) {
  EXPECT_EQ(engine::SpacedText(Fixed4::FromCount(102796200)), " 10279.62");
  EXPECT_EQ(engine::SpacedText(Fixed4::FromCount(5000)), " .5");
  EXPECT_EQ(engine::SpacedText(Fixed4::FromCount(-2500)), "-.25");
  EXPECT_EQ(engine::SpacedText(Fixed4::FromCount(0)), " 0");
  EXPECT_EQ(engine::SpacedText(Fixed4::FromCount(-20000)), "-2");
  EXPECT_EQ(engine::SpacedText(std::int32_t{87}), " 87");
  EXPECT_EQ(engine::SpacedText(std::int32_t{-3}), "-3");
}

} // namespace
