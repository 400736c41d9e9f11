// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/InputRules.h"

#include <string>
#include <string_view>

// One of an input's messages, as the reader quotes it.
inline std::string Prompt(engine::Input input, std::string_view engine::InputRule::*message) {
  return std::string(engine::RuleFor(input).*message);
}
