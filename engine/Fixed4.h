// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <compare>
#include <cstdint>
#include <string>

namespace engine {

// A signed decimal with exactly four fractional digits, held as a 64-bit count of
// ten-thousandths. Arithmetic on it is exact; anything that leaves the range fails with Overflow.
class Fixed4 {
public:
  static constexpr std::int64_t kScale = 10000;

  constexpr Fixed4() = default;
  static constexpr Fixed4 FromCount(std::int64_t count) { return Fixed4(count); }

  constexpr std::int64_t count() const { return count_; }

  // The double nearest to the exact decimal value.
  double toDouble() const;

  // The exact decimal value: "-12.5", "0.0312", "10279.62", "0".
  std::string toDecimalString() const;

  friend constexpr auto operator<=>(const Fixed4&, const Fixed4&) = default;

private:
  constexpr explicit Fixed4(std::int64_t count) : count_(count) {}
  std::int64_t count_ = 0;
};

// The exact product of a Fixed4 and a whole number; fails with Overflow outside the range.
Fixed4 MultiplyExact(Fixed4 value, std::int32_t factor);

} // namespace engine
