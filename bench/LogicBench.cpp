// The logic without a screen: one calculation with its captions, and one prompt answer end to end.

#include "engine/CapacityCalculation.h"
#include "engine/FormState.h"
#include "engine/RecordingHost.h"
#include "input/ValuePrompt.h"

#include <benchmark/benchmark.h>

namespace {

// The calculation from the field texts through the base plate, ending with the result captions.
void CalculationWithCaptions(benchmark::State& state) {
  engine::FormState form;
  form.setText(engine::Field::Text14, "12000");
  for (auto _ : state) {
    engine::RunCapacityCalculation(form);
    benchmark::DoNotOptimize(form.caption(engine::Caption::Label556).data());
  }
}
BENCHMARK(CalculationWithCaptions);

// A load typed into its prompt: the answer, the range tests, the caption, the calculation.
void PromptAnswer(benchmark::State& state) {
  engine::FormState form;
  const input::ValuePrompt& row = input::PromptFor(engine::Caption::Label14);
  for (auto _ : state) {
    engine::RecordingHost host;
    host.scriptAnswer("12000");
    input::RunValuePrompt(row, form, host);
    benchmark::DoNotOptimize(form.caption(engine::Caption::Label555).data());
  }
}
BENCHMARK(PromptAnswer);

// A rejected answer: the fallback, the message box, the caption, the calculation.
void PromptAnswerRejected(benchmark::State& state) {
  engine::FormState form;
  const input::ValuePrompt& row = input::PromptFor(engine::Caption::Label1);
  for (auto _ : state) {
    engine::RecordingHost host;
    host.scriptAnswer("2001");
    input::RunValuePrompt(row, form, host);
    benchmark::DoNotOptimize(form.caption(engine::Caption::Label1).data());
  }
}
BENCHMARK(PromptAnswerRejected);

} // namespace
