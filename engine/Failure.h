// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace engine {

// A failure ends the running operation at once; only the print handler and the host's guard
// around every event handler catch it.
class Failure : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
  // The failure's name as users and scripts see it: "TypeMismatch", "Overflow", ...
  virtual std::string name() const = 0;
};

// A text that is not a number.
class TypeMismatch final : public Failure {
public:
  using Failure::Failure;
  std::string name() const override { return "TypeMismatch"; }
};

// A value that does not fit its kind, or a double result beyond the double range.
class Overflow final : public Failure {
public:
  using Failure::Failure;
  std::string name() const override { return "Overflow"; }
};

class DivisionByZero final : public Failure {
public:
  using Failure::Failure;
  std::string name() const override { return "DivisionByZero"; }
};

// A negative number raised to a fractional power.
class InvalidArgument final : public Failure {
public:
  using Failure::Failure;
  std::string name() const override { return "InvalidArgument"; }
};

// A wall thickness of half the outside diameter or more: no pipe has such a section.
class ImpossiblePipe final : public Failure {
public:
  using Failure::Failure;
  std::string name() const override { return "ImpossiblePipe"; }
};

} // namespace engine
