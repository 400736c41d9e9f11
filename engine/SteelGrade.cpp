// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/SteelGrade.h"

#include "engine/ColumnInputs.h"
#include "engine/NumberText.h"

#include <array>

namespace engine {

namespace {

constexpr std::array kSteelGrades = {
    SteelGrade{"method", Materials{}.yieldStressMpa},
    SteelGrade{"STK400", 235},
    SteelGrade{"STK490", 315},
    SteelGrade{"STKR400", 245},
    SteelGrade{"STKR490", 325},
};

} // namespace

std::span<const SteelGrade> SteelGrades() {
  return kSteelGrades;
}

std::optional<double> YieldStressOf(std::string_view gradeOrValue) {
  for (const SteelGrade& grade : kSteelGrades) {
    if (grade.name == gradeOrValue) {
      return grade.yieldStressMpa;
    }
  }
  const std::optional<double> value = ReadStrictNumber(gradeOrValue);
  if (value && *value >= kLowestYieldStressMpa && *value <= kHighestYieldStressMpa) {
    return value;
  }
  return std::nullopt;
}

} // namespace engine
