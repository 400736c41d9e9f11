// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Fixed4.h"

#include "engine/Failure.h"

#include <cstdlib>

namespace engine {

namespace {
constexpr std::int64_t kExactDoubleLimit = std::int64_t{1} << 53;
}

double Fixed4::toDouble() const {
  // Below 2^53 the count is an exact double and one correctly rounded division gives the nearest.
  if (count_ > -kExactDoubleLimit && count_ < kExactDoubleLimit) {
    return static_cast<double>(count_) / static_cast<double>(kScale);
  }
  return std::strtod(toDecimalString().c_str(), nullptr);
}

std::string Fixed4::toDecimalString() const {
  // Work on the magnitude as unsigned so that the most negative count has a magnitude too.
  const bool negative = count_ < 0;
  const std::uint64_t magnitude = negative ? std::uint64_t{0} - static_cast<std::uint64_t>(count_)
                                           : static_cast<std::uint64_t>(count_);
  const std::uint64_t whole = magnitude / kScale;
  std::uint64_t fraction = magnitude % kScale;

  std::string text = negative ? "-" : "";
  text += std::to_string(whole);
  if (fraction != 0) {
    std::string digits = std::to_string(fraction);
    digits.insert(0, 4 - digits.size(), '0');
    while (digits.back() == '0') {
      digits.pop_back();
    }
    text += '.';
    text += digits;
  }
  return text;
}

Fixed4 MultiplyExact(Fixed4 value, std::int32_t factor) {
  std::int64_t product = 0;
  if (__builtin_mul_overflow(value.count(), static_cast<std::int64_t>(factor), &product)) {
    throw Overflow("Fixed4 product out of range");
  }
  return Fixed4::FromCount(product);
}

} // namespace engine
