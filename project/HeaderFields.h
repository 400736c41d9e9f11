// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace project {

// The calculation sheet's header, typed by the user and printed at the top of the sheet.
enum class HeaderField { Project, Engineer, ColumnMark };

inline constexpr std::array kAllHeaderFields = {HeaderField::Project, HeaderField::Engineer,
                                                HeaderField::ColumnMark};

std::string_view InitialHeaderText(HeaderField field);

// A stable English name for scripts, widgets and files: "project", "engineer", "column_mark".
std::string_view KeyOf(HeaderField field);

} // namespace project
