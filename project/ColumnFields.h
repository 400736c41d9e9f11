// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/InputRules.h"

#include <array>
#include <functional>
#include <optional>
#include <string_view>

namespace project {

// The names a column's fields have in project files and in CSV header rows.
inline constexpr std::string_view kMarkKey = "mark";
// "outside_diameter_mm", "wall_thickness_mm", "height_m", "k_factor", "axial_load_kg".
std::string_view FileKeyOf(engine::Input input);

// A column's five inputs as read from a file, in the prompts' order; none where the file gave
// no usable number.
using InputValues = std::array<std::optional<double>, engine::kAllInputs.size()>;

// Judges the values read as the prompts judge answers: each against its prompt's range, then
// the diameter and thickness together. Calls report(field key, message) for every problem,
// and gives the inputs only when every value is there and accepted.
std::optional<engine::ColumnInputs>
AcceptInputs(const InputValues& values,
             const std::function<void(std::string_view, std::string_view)>& report);

} // namespace project
