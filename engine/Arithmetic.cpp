// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Arithmetic.h"

#include "engine/Failure.h"

#include <cmath>

namespace engine {

namespace {
double Finite(double result) {
  if (!std::isfinite(result)) {
    throw Overflow("result beyond the double range");
  }
  return result;
}
} // namespace

double Add(double a, double b) {
  return Finite(a + b);
}
double Subtract(double a, double b) {
  return Finite(a - b);
}
double Multiply(double a, double b) {
  return Finite(a * b);
}

double Divide(double dividend, double divisor) {
  if (divisor == 0.0) {
    throw DivisionByZero("division by zero");
  }
  return Finite(dividend / divisor);
}

double Power(double base, double exponent) {
  if (base < 0.0 && std::trunc(exponent) != exponent) {
    throw InvalidArgument("negative number raised to a fractional power");
  }
  if (base == 0.0 && exponent < 0.0) {
    throw DivisionByZero("zero raised to a negative power");
  }
  return Finite(std::pow(base, exponent));
}

double Square(double x) {
  return Power(x, 2.0);
}

std::int32_t MultiplyWhole(std::int32_t a, std::int32_t b) {
  std::int32_t product = 0;
  if (__builtin_mul_overflow(a, b, &product)) {
    throw Overflow("whole-number product out of range");
  }
  return product;
}

} // namespace engine
