// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Rounding.h"

#include "engine/Failure.h"

#include <cmath>
#include <limits>

namespace engine {

namespace {

__extension__ using Wide = unsigned __int128;

// Shifts the exact product right by `shift` bits, rounding half to even.
Wide ShiftRoundingHalfEven(Wide value, int shift) {
  if (shift >= 127) {
    return 0; // value < 2^68, so it lies below half of 2^shift
  }
  const Wide quotient = value >> shift;
  const Wide remainder = value - (quotient << shift);
  const Wide half = Wide{1} << (shift - 1);
  if (remainder > half || (remainder == half && (quotient & 1) != 0)) {
    return quotient + 1;
  }
  return quotient;
}

} // namespace

Fixed4 ToFixed4(double x) {
  if (!std::isfinite(x)) {
    throw Overflow("value out of the Fixed4 range");
  }
  if (x == 0.0) {
    return Fixed4{};
  }
  // x = mantissa * 2^exponent exactly, with a 53-bit whole mantissa.
  int binaryExponent = 0;
  const double fraction = std::frexp(std::fabs(x), &binaryExponent);
  const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  const int exponent = binaryExponent - 53;

  constexpr auto kLimit = static_cast<Wide>(std::numeric_limits<std::int64_t>::max());
  Wide scaled = static_cast<Wide>(mantissa) * Fixed4::kScale; // below 2^67
  if (exponent >= 0) {
    if (exponent > 64) {
      throw Overflow("value out of the Fixed4 range");
    }
    scaled <<= exponent;
  } else {
    scaled = ShiftRoundingHalfEven(scaled, -exponent);
  }
  if (scaled > kLimit) {
    throw Overflow("value out of the Fixed4 range");
  }
  const auto count = static_cast<std::int64_t>(scaled);
  return Fixed4::FromCount(x < 0 ? -count : count);
}

std::int32_t ToInt32(double x) {
  // nearbyint under the default rounding mode rounds the exact value half to even.
  const double rounded = std::nearbyint(x);
  if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
        rounded <= std::numeric_limits<std::int32_t>::max())) {
    throw Overflow("value out of the 32-bit range");
  }
  return static_cast<std::int32_t>(rounded);
}

std::int32_t ToInt32(Fixed4 x) {
  const std::int64_t count = x.count();
  std::int64_t whole = count / Fixed4::kScale;
  const std::int64_t remainder = count % Fixed4::kScale; // carries the sign of count
  const std::int64_t half = Fixed4::kScale / 2;
  if (remainder > half || (remainder == half && whole % 2 != 0)) {
    ++whole;
  } else if (remainder < -half || (remainder == -half && whole % 2 != 0)) {
    --whole;
  }
  if (whole < std::numeric_limits<std::int32_t>::min() ||
      whole > std::numeric_limits<std::int32_t>::max()) {
    throw Overflow("value out of the 32-bit range");
  }
  return static_cast<std::int32_t>(whole);
}

std::int32_t CeilingToInt32(Fixed4 x) {
  const std::int64_t count = x.count();
  std::int64_t whole = count / Fixed4::kScale;
  if (count % Fixed4::kScale > 0) {
    ++whole;
  }
  if (whole < std::numeric_limits<std::int32_t>::min() ||
      whole > std::numeric_limits<std::int32_t>::max()) {
    throw Overflow("value out of the 32-bit range");
  }
  return static_cast<std::int32_t>(whole);
}

} // namespace engine
