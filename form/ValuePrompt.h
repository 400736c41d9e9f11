// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form/FormFields.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace form {

class FormState;
class HostServices;

// One input's prompt and caption: what it asks and how its caption reads. The values it accepts
// are the input's engine::InputRule.
struct ValuePrompt {
  Input input;
  std::string_view promptText;
  std::string_view title;
  std::string_view captionLead;
  std::string_view unit;
};

// Shown when an answer for D or T would leave no pipe wall (2T >= D); the input keeps its value.
using engine::kImpossiblePipeMessage;

// The five prompts, in the order of their captions on the window: D, T, H, K, P.
extern const std::array<ValuePrompt, 5> kValuePrompts;

const ValuePrompt& PromptFor(Input input);

// The standard values a prompt lists: every standard diameter with its nominal size
// ("114.3  (100A, 4\")"), or the standard thicknesses of the form's diameter with their unit
// masses; nothing for the other inputs or a diameter the standard does not list.
std::vector<std::string> PromptChoices(Input input, const FormState& form);

// What a prompt offers and what an empty or refused answer leaves. The one-column form offers the
// input's fixed default and stores it in their place; a project's column offers its own value and
// keeps it, since a saved column must not change unless the user means it to.
enum class PromptDefault { Fixed, ColumnValue };

// Takes a typed answer as the prompt does: stores it (or the fallback), rewrites its caption and
// recalculates. Each message the prompt shows for it goes to `refuse` where the prompt would show
// it: a refused value is already in place, a pipe with no wall leaves the input as it was. A
// failure of the calculation is not caught.
void AnswerInput(Input input, const std::string& answer, FormState& form,
                 const std::function<void(std::string_view message)>& refuse,
                 PromptDefault offered = PromptDefault::Fixed);

// Asks for the input's value and, unless the user cancels, answers it as AnswerInput does, each
// refusal in a critical-stop box. A failure of the calculation is not caught.
void AskForInput(Input input, FormState& form, HostServices& host,
                 PromptDefault offered = PromptDefault::Fixed);

} // namespace form
