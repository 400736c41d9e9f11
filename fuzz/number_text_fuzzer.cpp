// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the number/text conversions and checks their properties, not only that
// they do not crash:
// - ReadStrictNumber reads a plain number text exactly as the C library does;
// - ReadStrictNumber and StrictNumber agree: a text is a number for both or for neither, and
//   StrictNumber fails only as TypeMismatch (not a number) or Overflow (beyond the double range);
// - the number of a text StrictNumber accepts prints through SpacedText and PlainText back to the
//   same number once rounded to 15 significant digits;
// - for any finite double x, StrictNumber(PlainText(x)) and StrictNumber(SpacedText(x)) give x
//   rounded to 15 significant digits, under the period and under the comma locale;
// - ToFixed4 rounds the exact value half to even or fails with Overflow only beyond the range;
// - the exact Fixed4 product is exact or fails with Overflow only beyond the range.
// The text is handed over in a buffer of exactly its length, so any read past it is caught.

#include "PropertyCheck.h"
#include "engine/Failure.h"
#include "engine/Fixed4.h"
#include "engine/NumberText.h"
#include "engine/Rounding.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace {

const engine::NumberFormat kPeriod{};
const engine::NumberFormat kComma{",", "."};

// x rounded to 15 significant digits, the precision the number texts keep.
double Round15(double x) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.14e", x);
  return std::strtod(buffer, nullptr);
}

// The strict reading of a text, an infinity where it is a number beyond the double range.
double ReadBack(std::string_view text, const engine::NumberFormat& format) {
  try {
    return engine::StrictNumber(text, format);
  } catch (const engine::Overflow&) {
    const std::optional<double> read = engine::ReadStrictNumber(text, format);
    return read ? *read : 0.0;
  }
}

std::string Show(double x) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.17g", x);
  return buffer;
}

void CheckText(std::string_view text, const engine::NumberFormat& format) {
  const std::optional<double> read = engine::ReadStrictNumber(text, format);
  CHECK(!read || !std::isnan(*read), text);

  // A plain number text reads as the C library reads it, beyond the range as an infinity.
  if (read && format == kPeriod && !text.empty() &&
      text.find_first_not_of("0123456789.+-eE") == std::string_view::npos) {
    CHECK(*read == std::strtod(std::string(text).c_str(), nullptr), text);
  }

  double strict = 0;
  try {
    strict = engine::StrictNumber(text, format);
    CHECK(read && std::isfinite(*read) && *read == strict, text);
  } catch (const engine::TypeMismatch&) {
    CHECK(!read, text);
    return;
  } catch (const engine::Overflow&) {
    CHECK(read && std::isinf(*read), text);
    return;
  }

  CHECK(ReadBack(engine::SpacedText(strict), kPeriod) == Round15(strict), text);
  CHECK(ReadBack(engine::PlainText(strict, format), format) == Round15(strict), text);
}

void CheckDouble(double x) {
  if (!std::isfinite(x)) {
    return;
  }
  // Rounding to 15 digits takes the largest doubles beyond the range: those texts read back as
  // Overflow.
  const double expected = Round15(x);
  for (const engine::NumberFormat* format : {&kPeriod, &kComma}) {
    const std::string plain = engine::PlainText(x, *format);
    CHECK(ReadBack(plain, *format) == expected, Show(x) + " -> " + plain);
  }
  const std::string spaced = engine::SpacedText(x);
  CHECK(spaced.size() > 1 && (spaced[0] == ' ') == !(x < 0), Show(x) + " -> " + spaced);
  CHECK(ReadBack(spaced, kPeriod) == expected, Show(x) + " -> " + spaced);

  // ToFixed4: x * 10000 is exact in a long double (53 + 14 bits of mantissa fit in 64).
  const long double exact = static_cast<long double>(x) * 10000.0L;
  try {
    const std::int64_t count = engine::ToFixed4(x).count();
    const long double difference = std::fabs(exact - static_cast<long double>(count));
    CHECK(difference < 0.5L || (difference == 0.5L && count % 2 == 0), Show(x));
  } catch (const engine::Overflow&) {
    CHECK(std::fabs(exact) >= 9223372036854775807.5L, Show(x));
  }
}

void CheckProduct(std::int64_t count, std::int32_t factor) {
  __extension__ const __int128 exact = static_cast<__int128>(count) * factor;
  const bool fits = exact >= INT64_MIN && exact <= INT64_MAX;
  try {
    const engine::Fixed4 product = engine::MultiplyExact(engine::Fixed4::FromCount(count), factor);
    CHECK(fits && product.count() == static_cast<std::int64_t>(exact), "product");
  } catch (const engine::Overflow&) {
    CHECK(!fits, "product");
  }
  // The exact decimal text of any count, through its print form.
  const engine::Fixed4 value = engine::Fixed4::FromCount(count);
  std::string decimal = engine::SpacedText(value);
  decimal.erase(0, decimal[0] == ' ' ? 1 : 0);
  const std::size_t point = decimal.find('.');
  if (point == 0 || (point == 1 && decimal[0] == '-')) {
    decimal.insert(point, "0");
  }
  CHECK(decimal == value.toDecimalString(), decimal);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A heap copy of exactly `size` bytes: one byte too many read is an ASan report.
  const std::unique_ptr<char[]> copy(new char[size == 0 ? 1 : size]);
  if (size != 0) {
    std::memcpy(copy.get(), data, size);
  }
  const std::string_view text(copy.get(), size);
  CheckText(text, kPeriod);
  CheckText(text, kComma);

  // The same bytes seen as binary numbers.
  if (size >= sizeof(double)) {
    double x = 0;
    std::memcpy(&x, data, sizeof x);
    CheckDouble(x);
  }
  if (size >= sizeof(std::int64_t) + sizeof(std::int32_t)) {
    std::int64_t count = 0;
    std::int32_t factor = 0;
    std::memcpy(&count, data, sizeof count);
    std::memcpy(&factor, data + sizeof count, sizeof factor);
    CheckProduct(count, factor);
  }
  // Decimal texts of 15 significant digits come back exactly.
  if (const std::optional<double> read = engine::ReadStrictNumber(text);
      read && std::isfinite(*read)) {
    CheckDouble(*read);
  }
  return 0;
}
