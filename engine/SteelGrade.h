// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace engine {

// A named steel and the yield stress the method's fy and the second opinion's Fy both take.
struct SteelGrade {
  std::string_view name;
  double yieldStressMpa;
};

// The method's own steel first (the default), then the pipe and box grades by name.
std::span<const SteelGrade> SteelGrades();

// The yield stress of a grade named as SteelGrades() names it, or of a value in MPa given as a
// plain number within the accepted range; none for anything else.
std::optional<double> YieldStressOf(std::string_view gradeOrValue);

// The yield stresses a value may give, MPa, inclusive.
inline constexpr double kLowestYieldStressMpa = 200;
inline constexpr double kHighestYieldStressMpa = 500;

} // namespace engine
