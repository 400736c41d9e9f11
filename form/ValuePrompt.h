// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/FormFields.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace form {

class FormState;
class HostServices;

// One input's prompt and caption: what it asks, the range it accepts and how its caption reads.
struct ValuePrompt {
  Input input;
  std::string_view promptText;
  std::string_view title;
  double fallback;   // offered in the prompt, and taken for empty or rejected answers
  double lowerBound; // inclusive
  double upperBound; // inclusive
  std::string_view messageBelow;
  std::string_view messageAbove;
  std::string_view messageNotANumber;
  std::string_view captionLead;
  std::string_view unit;
};

// Shown when an answer for D or T would leave no pipe wall (2T >= D); the input keeps its value.
inline constexpr std::string_view kImpossiblePipeMessage =
    "ความหนาของท่อต้องน้อยกว่าครึ่งหนึ่งของขนาดเส้นผ่าศูนย์กลาง !?!   โปรดแก้ไขใหม่";

// The five prompts, in the order of their captions on the window: D, T, H, K, P.
extern const std::array<ValuePrompt, 5> kValuePrompts;

const ValuePrompt& PromptFor(Input input);

// The standard values a prompt lists: every standard diameter with its nominal size
// ("114.3  (100A, 4\")"), or the standard thicknesses of the form's diameter with their unit
// masses; nothing for the other inputs or a diameter the standard does not list.
std::vector<std::string> PromptChoices(Input input, const FormState& form);

// Asks for the input's value and, unless the user cancels, stores it (or the fallback), rewrites
// its caption and recalculates. A failure of the calculation is not caught.
void AskForInput(Input input, FormState& form, HostServices& host);

} // namespace form
