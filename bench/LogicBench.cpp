// SPDX-License-Identifier: GPL-3.0-or-later
// The logic without a screen: one calculation with its captions, and one prompt answer end to end.

#include "form/FormState.h"
#include "form/ResultCaptions.h"
#include "form/ValuePrompt.h"

#include <benchmark/benchmark.h>

namespace {

using form::Caption;
using form::Input;

// The check from the typed inputs through the base plate, ending with the captions.
void CalculationWithCaptions(benchmark::State& state) {
  form::FormState form;
  form.setInput(Input::AxialLoad, 12000);
  for (auto _ : state) {
    form::Recalculate(form);
    benchmark::DoNotOptimize(form.caption(Caption::BasePlate).data());
  }
}
BENCHMARK(CalculationWithCaptions);

// One answer typed into an input's prompt: the range tests, the caption, the calculation.
void Answer(benchmark::State& state, Input input, const char* answer, Caption shown) {
  form::FormState form;
  for (auto _ : state) {
    form::AnswerInput(input, answer, form,
                      [](std::string_view message) { benchmark::DoNotOptimize(message.data()); });
    benchmark::DoNotOptimize(form.caption(shown).data());
  }
}
// A load the prompt accepts.
BENCHMARK_CAPTURE(Answer, PromptAnswer, Input::AxialLoad, "12000", Caption::Verdict);
// A diameter above its range: the fallback and the refusal's message as well.
BENCHMARK_CAPTURE(Answer, PromptAnswerRejected, Input::OutsideDiameter, "2001",
                  Caption::OutsideDiameter);

} // namespace
