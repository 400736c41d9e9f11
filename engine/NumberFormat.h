// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace engine {

// The separators of the user's locale. Passed to the conversions that depend on the locale;
// the period and the comma are the Thai and English convention.
struct NumberFormat {
  std::string decimalSeparator = ".";
  std::string thousandsSeparator = ",";

  friend bool operator==(const NumberFormat&, const NumberFormat&) = default;
};

} // namespace engine
