// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Fixed4.h"
#include "engine/NumberFormat.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// The strict reading of a whole text under the locale's separators. Empty when the text is not a
// number; an infinity of the right sign when it is one beyond the double range.
std::optional<double> ReadStrictNumber(std::string_view text, const NumberFormat& format = {});

// The strict reading that fails: TypeMismatch for a text that is not a number, Overflow for a
// number beyond the double range.
double StrictNumber(std::string_view text, const NumberFormat& format = {});

// Print form: one leading blank for non-negative values, no leading zero, always the period,
// trailing fractional zeros dropped (0.5 gives " .5", -0.25 gives "-.25", 4 gives " 4").
// Doubles keep up to 15 significant digits.
std::string SpacedText(double value);
std::string SpacedText(Fixed4 value);
std::string SpacedText(std::int32_t value);

// The same digits as SpacedText, without the blank, with a leading zero and the locale's
// decimal separator (0.5 gives "0.5").
std::string PlainText(double value, const NumberFormat& format = {});

// A figure rounded to `decimals` places, with the locale's decimal separator: 6.4499 to one
// place gives "6.4".
std::string DecimalText(double value, int decimals, const NumberFormat& format = {});

// A least figure ("at least ...") to `decimals` places, rounded up so that it never reads below the
// figure: 9.749 to one place gives "9.8", 9.7 gives "9.7".
std::string AtLeastText(double value, int decimals, const NumberFormat& format = {});

// A figure rounded half away from zero to `decimals` places: 91.666 to two gives 91.67.
double RoundedTo(double value, int decimals);

// The fewest decimals from `fewest` up (twelve at most) at which `a` and `b`, so rounded, keep the
// order they have, so that a printed comparison is as true as the figures: 91.667 and 91.6667 need
// four.
int DecimalsKeepingOrder(double a, double b, int fewest);

// A ratio as a percentage with one decimal: 0.7782 gives "77.8", 1 gives "100.0"; a ratio above
// one never gives "100.0" (1.0004 gives "100.1").
std::string PercentText(double ratio);

// The pieces of `text` between each `separator`: n separators give n + 1 pieces, empty ones kept.
std::vector<std::string_view> SplitAt(std::string_view text, char separator);

} // namespace engine
