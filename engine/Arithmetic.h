// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace engine {

// Double arithmetic of the calculation. No operation yields an infinity or a not-a-number:
// a result beyond the double range fails with Overflow, a zero divisor with DivisionByZero and
// a negative base under a fractional exponent with InvalidArgument.
double Add(double a, double b);
double Subtract(double a, double b);
double Multiply(double a, double b);
double Divide(double dividend, double divisor);
double Power(double base, double exponent);
double Square(double x);

// A whole-number product that must stay within 32 bits, else Overflow.
std::int32_t MultiplyWhole(std::int32_t a, std::int32_t b);

} // namespace engine
