// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary answers to the five value prompts' answer step, one after another on the same
// form, and checks that every answer ends in exactly one of these ways and that nothing else
// happens:
// - accepted: no message, the value read is within the row's range, the caption shows it and the
//   calculation completes with it;
// - rejected: one refusal with the row's message, the row's fallback taken, its caption
//   shown and the calculation completed with it;
// - refused, where the value would leave no pipe wall: a refusal says so (after the
//   rejection's, if any), the input keeps the value it had and nothing else changes.
// In every case no other input or header is touched, and the verdict, the print
// command and the base plate caption agree with the record.
//
// Input: segments separated by the byte 0xFF (never part of UTF-8). The first byte of a segment
// chooses the prompt and how it is answered, the rest is the text typed:
//   bits 0-2  the row (D, T, H, K, P; 5-7 wrap around)
//   bit 3     cancel instead of answering (the answer is skipped)
//   bit 4     repeat the typed text up to 100 000 bytes
//   bit 5     in the first segment only: the form uses the comma locale (decimal comma, period
//             for thousands); the locale is chosen once, when the form is created
//   bit 6     pick one of the prompt's listed values (chosen by the text's length) where it lists
//   any

#include "engine/ColumnCheck.h"
#include "engine/DesignRecord.h"
#include "engine/NumberText.h"
#include "form/FormState.h"
#include "form/ResultCaptions.h"
#include "form/ValuePrompt.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using form::Caption;
using form::FormState;
using form::Input;

[[noreturn]] void Fail(const char* property, std::string_view answer) {
  std::fprintf(stderr, "property violated: %s [answer %.*s]\n", property,
               static_cast<int>(answer.size() > 200 ? 200 : answer.size()), answer.data());
  std::abort();
}

#define CHECK(condition)                                                                           \
  do {                                                                                             \
    if (!(condition)) {                                                                            \
      Fail(#condition, answer);                                                                    \
    }                                                                                              \
  } while (false)

constexpr std::size_t kLongAnswer = 100000;
constexpr int kMaxAnswers = 8;
// A listed value reads as the number before its note in brackets: "114.3  (100A, 4")".
constexpr std::string_view kChoiceNoteLead = "  (";

std::vector<engine::QuantityValue> Results(const engine::DesignRecord& record) {
  std::vector<engine::QuantityValue> values;
  engine::ForEachResult(record, [&](std::string_view, const engine::QuantityValue& value) {
    values.push_back(value);
  });
  return values;
}

bool SameAllButInput(const FormState& a, const FormState& b, Input except) {
  for (Input input : form::kAllInputs) {
    if (input != except && a.input(input) != b.input(input)) {
      return false;
    }
  }
  for (form::HeaderField field : form::kAllHeaderFields) {
    if (a.header(field) != b.header(field)) {
      return false;
    }
  }
  return a.inputs().materials == b.inputs().materials && a.numberFormat() == b.numberFormat();
}

bool Unchanged(const FormState& a, const FormState& b) {
  if (!SameAllButInput(a, b, Input::OutsideDiameter) ||
      a.input(Input::OutsideDiameter) != b.input(Input::OutsideDiameter)) {
    return false;
  }
  for (Caption caption : form::kAllCaptions) {
    if (a.caption(caption) != b.caption(caption)) {
      return false;
    }
  }
  for (Caption caption : form::kAssessmentCaptions) {
    if (a.caption(caption) != b.caption(caption)) {
      return false;
    }
  }
  return a.printEnabled() == b.printEnabled() && Results(a.record()) == Results(b.record());
}

std::string Spaced(const engine::OptionalWhole& value) {
  return value ? engine::SpacedText(*value) : std::string();
}

// How the prompt should end for an answer, worked out from the answer alone.
struct Expected {
  double value = 0;
  std::optional<std::string_view> message; // the rejection's message, if any
};

Expected Expect(const engine::InputRule& row, std::string_view answer,
                const engine::NumberFormat& format) {
  if (answer.empty()) {
    return {row.fallback, std::nullopt};
  }
  const std::optional<double> read = engine::ReadStrictNumber(answer, format);
  if (!read) {
    return {row.fallback, row.messageNotANumber};
  }
  if (*read < row.lowerBound) {
    return {row.fallback, row.messageBelow};
  }
  if (*read > row.upperBound) {
    return {row.fallback, row.messageAbove};
  }
  return {*read, std::nullopt};
}

void AnswerOnce(FormState& form, std::uint8_t how, std::string typed) {
  const Input input = form::kAllInputs[(how & 7) % 5];
  const engine::InputRule& row = engine::RuleFor(input);
  const bool cancel = (how & 8) != 0;
  if ((how & 16) != 0 && !typed.empty()) {
    while (typed.size() < kLongAnswer) {
      typed += typed;
    }
  }
  const std::vector<std::string> choices = form::PromptChoices(input, form);
  const std::string answer =
      (how & 64) != 0 && !choices.empty() ? choices[typed.size() % choices.size()] : typed;
  const bool picked = std::find(choices.begin(), choices.end(), answer) != choices.end();
  const engine::NumberFormat format = form.numberFormat();

  if (cancel) {
    // A cancelled prompt never reaches the answer.
    return;
  }
  const FormState before = form;
  std::vector<std::string> messages;
  bool completed = true;
  try {
    // A picked item reaches the answer as its number, without the note after it.
    form::AnswerInput(input, picked ? answer.substr(0, answer.find(kChoiceNoteLead)) : answer, form,
                      [&](std::string_view message) { messages.emplace_back(message); });
  } catch (const std::exception&) {
    completed = false;
  }

  // Every calculation completes and touches no other input or header.
  CHECK(completed);
  CHECK(SameAllButInput(form, before, input));

  const Expected expected = Expect(
      row, picked ? std::string_view(answer).substr(0, answer.find(kChoiceNoteLead)) : answer,
      format);
  const engine::ColumnInputs tried = [&] {
    engine::ColumnInputs inputs = before.inputs();
    form::ValueOf(inputs, input) = expected.value;
    return inputs;
  }();
  const bool refused = !engine::IsPossiblePipe(tried.outsideDiameterMm, tried.wallThicknessMm);
  // A listed value is always in range, and a listed thickness always fits the diameter.
  CHECK(!picked || !expected.message);
  CHECK(!picked || input != Input::WallThickness || !refused);

  const std::size_t boxes = (expected.message ? 1 : 0) + (refused ? 1 : 0);
  CHECK(messages.size() == boxes);
  if (expected.message) {
    CHECK(messages.front() == *expected.message);
  }
  if (refused) {
    CHECK(messages.back() == form::kImpossiblePipeMessage);
    CHECK(Unchanged(form, before));
    return;
  }

  // Accepted or rejected: the value is in place, within the range, and the calculation used it.
  CHECK(form.input(input) == expected.value);
  CHECK(expected.value >= row.lowerBound && expected.value <= row.upperBound);
  CHECK(form.caption(form::CaptionOf(input)) == form::InputCaption(input, expected.value));
  for (Input other : form::kAllInputs) {
    const bool rewritten = other == input || other == Input::OutsideDiameter ||
                           other == Input::WallThickness || other == Input::Height;
    CHECK(form.caption(form::CaptionOf(other)) ==
          (rewritten ? form::InputCaption(other, form.input(other))
                     : before.caption(form::CaptionOf(other))));
  }
  const engine::DesignRecord& q = form.record();
  const engine::ColumnInputs& now = form.inputs();
  CHECK(q.outsideDiameter == now.outsideDiameterMm && q.wallThickness == now.wallThicknessMm);
  CHECK(q.columnLength == now.heightM * 100 && q.kFactor == now.kFactor);
  CHECK(q.axialLoad == now.axialLoadKg && q.plateThicknessMm.has_value());
  const bool carries = engine::Carries(q);
  CHECK(form.printEnabled() == carries);
  CHECK(form.caption(Caption::Verdict) ==
        (carries ? form::kCarriesCaption : form::kDoesNotCarryCaption));
  CHECK(form.caption(Caption::BasePlate) ==
        "Base Plate ขนาด = " + Spaced(q.plateSide) + " cm. x " + Spaced(q.plateSide) +
            " cm. หนา = " + Spaced(q.plateThicknessMm) + " mm.");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FormState form;
  if (size != 0 && (data[0] & 32) != 0) {
    form.setNumberFormat(engine::NumberFormat{",", "."});
  }
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::size_t begin = 0;
  for (int answers = 0; begin < input.size() && answers < kMaxAnswers; ++answers) {
    std::size_t end = input.find('\xff', begin);
    if (end == std::string_view::npos) {
      end = input.size();
    }
    const std::string_view segment = input.substr(begin, end - begin);
    if (!segment.empty()) {
      AnswerOnce(form, static_cast<std::uint8_t>(segment[0]), std::string(segment.substr(1)));
    }
    begin = end + 1;
  }
  return 0;
}
