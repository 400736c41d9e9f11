// SPDX-License-Identifier: GPL-3.0-or-later
// What the prompts accept as a number: thousands separators only where they group thousands,
// Thai digits as their Arabic digits.

#include "engine/NumberText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct Reading {
  const char* text;
  std::optional<double> period; // with "." as decimal point and "," grouping
  std::optional<double> comma;  // with "," as decimal point and "." grouping
};

const Reading kReadings[] = {
    {"1,000", 1000, 1},
    {"12,500.5", 12500.5, std::nullopt},
    {"1,000,000", 1000000, std::nullopt},
    {"-1,234", -1234, -1.234},
    {"1,5", std::nullopt, 1.5},
    {"0,875", std::nullopt, 0.875},
    {"-0.500", -0.5, std::nullopt},
    {"11,43", std::nullopt, 11.43},
    {"1,00", std::nullopt, 1},
    {",5", std::nullopt, 0.5},
    {"1,,000", std::nullopt, std::nullopt},
    {"1000,000", std::nullopt, 1000},
    {"1,0000", std::nullopt, 1},
    {"1,", std::nullopt, 1},
    {"12.500,5", std::nullopt, 12500.5},
    {"๘๐๐๐", 8000, 8000},
    {"๑.๕", 1.5, std::nullopt},
    {"๑,๕", std::nullopt, 1.5},
    {"๑๒,๕๐๐", 12500, 12.5},
    {" ๐.๘๕ ", 0.85, std::nullopt},
};

TEST(StrictReading, GroupsOnlyThousandsAndReadsThaiDigits) {
  const engine::NumberFormat period{};
  const engine::NumberFormat comma{",", "."};
  for (const Reading& reading : kReadings) {
    EXPECT_EQ(engine::ReadStrictNumber(reading.text, period), reading.period) << reading.text;
    EXPECT_EQ(engine::ReadStrictNumber(reading.text, comma), reading.comma) << reading.text;
  }
}

} // namespace
