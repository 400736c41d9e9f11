// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ColumnAnswer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace {

using engine::Verdict;
using engine::WarningKind;

struct AnswerCase {
  const char* name;
  engine::ColumnInputs inputs;
  Verdict verdict;
  std::optional<std::string> failure;
  std::vector<WarningKind> kinds;
  std::vector<std::string> texts; // a piece of each warning's text, in order
};

engine::ColumnInputs Pipe(double d, double t, double h, double k, double p,
                          double fy = engine::Materials{}.yieldStressMpa) {
  engine::ColumnInputs inputs{d, t, h, k, p, {}};
  inputs.materials.yieldStressMpa = fy;
  return inputs;
}

// The initial column on concrete of f'c `kgCm2`.
engine::ColumnInputs Concrete(double kgCm2) {
  engine::ColumnInputs inputs;
  inputs.materials.concreteStrengthKgCm2 = kgCm2;
  return inputs;
}

TEST(ColumnAnswer, JudgesTheColumnAndWordsEachWarningTruly) {
  const AnswerCase cases[] = {
      {"sound", engine::ColumnInputs{}, Verdict::Passes, std::nullopt, {}, {}},
      {"overloaded", Pipe(114.3, 3.2, 4, 0.85, 20000), Verdict::Fails, std::nullopt, {}, {}},
      // The method carries 15866 kg; the second opinion 14760 kg, and 12.28 mm of plate for 10.
      {"second opinion refuses",
       Pipe(114.3, 3.2, 1, 1, 15000),
       Verdict::Passes,
       std::nullopt,
       {WarningKind::CrossCheckColumn, WarningKind::CrossCheckPlate},
       {"AISC 360-22 ASD ไม่ผ่าน: P/(Pn/Ωc) = 1.02 เกิน 1", "12.28 เกิน 10 mm ที่ใช้"}},
      {"wall beyond the second opinion",
       Pipe(2000, 5, 4, 1, 10000),
       Verdict::Passes,
       std::nullopt,
       {WarningKind::LocalBuckling, WarningKind::CrossCheckColumn, WarningKind::CrossCheckPlate},
       {"D/T", "(not covered): D/t = 430.11 ไม่น้อยกว่า 0.45 E/Fy = 375", "mm ที่ใช้"}},
      {"weak concrete",
       Concrete(150),
       Verdict::Passes,
       std::nullopt,
       {WarningKind::ConcreteBelowMethod},
       {"f'c = 150 ต่ำกว่า 160 kg/cm² ที่ fc = 40 kg/cm²"}},
      {"concrete the method assumes", Concrete(160), Verdict::Passes, std::nullopt, {}, {}},
      {"slender",
       Pipe(76.3, 2.8, 10, 2, 100),
       Verdict::Passes,
       std::nullopt,
       {WarningKind::Slenderness},
       {"KL/r =  769 เกิน 180"}},
      {"thin",
       Pipe(1000, 6, 4, 1, 1000),
       Verdict::Passes,
       std::nullopt,
       {WarningKind::LocalBuckling},
       {"D/T = 166.67 เกิน 91.67"}},
      // 91.7 over 91.666...: both at one decimal would read 91.7 over 91.7, rounded 92 before.
      {"just thin",
       Pipe(91.7, 1, 1, 1, 100),
       Verdict::Passes,
       std::nullopt,
       {WarningKind::LocalBuckling},
       {"D/T = 91.7 เกิน 91.67"}},
      {"barely thin",
       Pipe(91.6667, 1, 1, 1, 100),
       Verdict::Passes,
       std::nullopt,
       {WarningKind::LocalBuckling},
       {"D/T = 91.6667 เกิน 91.66667"}},
      {"both",
       Pipe(1000, 6, 100, 2, 100),
       Verdict::Passes,
       std::nullopt,
       {WarningKind::Slenderness, WarningKind::LocalBuckling},
       {"KL/r", "D/T"}},
      {"impossible", Pipe(10, 5, 4, 1, 100), Verdict::NotChecked, "ImpossiblePipe", {}, {}},
  };
  for (const AnswerCase& c : cases) {
    SCOPED_TRACE(c.name);
    const engine::ColumnAnswer answer = engine::AnswerColumn(c.inputs);
    EXPECT_EQ(answer.verdict, c.verdict);
    EXPECT_EQ(answer.failure, c.failure);
    EXPECT_EQ(answer.utilisation.has_value(), c.verdict != Verdict::NotChecked);
    // The method's own plate is thinner than the second opinion's, and than light columns' walls,
    // in most cases; rows about other warnings leave those out.
    std::vector<engine::Warning> warnings = answer.warnings;
    for (const WarningKind plate :
         {WarningKind::CrossCheckPlate, WarningKind::PlateThinnerThanWall}) {
      if (std::ranges::find(c.kinds, plate) == c.kinds.end()) {
        std::erase_if(warnings, [plate](const engine::Warning& w) { return w.kind == plate; });
      }
    }
    ASSERT_EQ(warnings.size(), c.kinds.size());
    for (std::size_t i = 0; i < c.kinds.size(); ++i) {
      EXPECT_EQ(warnings[i].kind, c.kinds[i]);
      EXPECT_TRUE(answer.has(c.kinds[i]));
      // A plate or a concrete falls short of its limit; every other figure exceeds it.
      const bool fallsShort = c.kinds[i] == WarningKind::PlateThinnerThanWall ||
                              c.kinds[i] == WarningKind::ConcreteBelowMethod;
      EXPECT_EQ(warnings[i].value < warnings[i].limit, fallsShort);
      EXPECT_NE(warnings[i].text.find(c.texts[i]), std::string::npos) << warnings[i].text;
    }
  }
}

} // namespace
