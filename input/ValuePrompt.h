#pragma once

#include "engine/Controls.h"

#include <array>
#include <string_view>

namespace engine {
class FormState;
class HostServices;
} // namespace engine

namespace input {

// One input quantity's prompt: what it asks, the range it accepts and how its caption reads.
struct ValuePrompt {
  engine::Caption label;
  engine::Field field;
  std::string_view promptText;
  std::string_view title;
  double defaultValue; // offered in the prompt, and the fallback for empty or rejected answers
  double lowerBound;   // inclusive
  double upperBound;   // inclusive
  std::string_view messageBelow;
  std::string_view messageAbove;
  std::string_view messageNotANumber;
  std::string_view captionLead;
  std::string_view unit;
};

// The five prompts, in the order of their labels on the window: D, T, H, K, P.
extern const std::array<ValuePrompt, 5> kValuePrompts;

const ValuePrompt& PromptFor(engine::Caption label);

// Asks for the row's value and, unless the user cancels, writes it (or the fallback) into the
// field, rewrites the caption and runs the calculation. A failure of the calculation is not caught.
void RunValuePrompt(const ValuePrompt& row, engine::FormState& form, engine::HostServices& host);

void Label1_Click(engine::FormState& form, engine::HostServices& host);
void Label2_Click(engine::FormState& form, engine::HostServices& host);
void Label3_Click(engine::FormState& form, engine::HostServices& host);
void Label4_Click(engine::FormState& form, engine::HostServices& host);
void Label14_Click(engine::FormState& form, engine::HostServices& host);

} // namespace input
