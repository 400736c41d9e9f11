// Feeds arbitrary answers to the five value prompts, one after another on the same form, each
// followed by the calculation and the captions, and checks that every answer ends in exactly one
// of three ways and that nothing else happens:
// - cancelled: nothing changes at all;
// - accepted: no message, the calculation completes;
// - rejected: one critical-stop box with the row's message, the fallback in the field, and the
//   calculation completes with it.
// After every answer the field holds a text that the captions' strict reading and the
// calculation's forgiving reading both take as the same number inside the row's range, the
// captions agree with the field and the record, and no other field, dialog or device is touched.
//
// Input: segments separated by the byte 0xFF (never part of UTF-8). The first byte of a segment
// chooses the prompt and how it is answered, the rest is the text typed:
//   bits 0-2  the row (D, T, H, K, P; 5-7 wrap around)
//   bit 3     cancel instead of answering
//   bit 4     repeat the typed text up to 100 000 bytes
//   bit 5     in the first segment only: the form uses the comma locale (decimal comma, period
//             for thousands); the locale is chosen once, when the form is created

#include "engine/FormState.h"
#include "engine/HandlerGuard.h"
#include "engine/NumberText.h"
#include "engine/RecordingHost.h"
#include "input/ValuePrompt.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using engine::Caption;
using engine::Field;

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

std::string ExpectedPlateCaption(const engine::DesignRecord& q) {
  return "Base Plate ขนาด = " + engine::SpacedText(q.PlateSize) + " cm. x " +
         engine::SpacedText(q.PlateSize) + " cm. หนา = " + engine::SpacedText(q.PlateThicknessMm) +
         " mm.";
}

void AnswerOnce(engine::FormState& form, std::uint8_t how, std::string answer) {
  const input::ValuePrompt& row = input::kValuePrompts[(how & 7) % 5];
  const bool cancel = (how & 8) != 0;
  if ((how & 16) != 0 && !answer.empty()) {
    while (answer.size() < kLongAnswer) {
      answer += answer;
    }
  }
  const engine::NumberFormat format = form.numberFormat();

  engine::RecordingHost host;
  host.setPrinterAvailable(false);
  if (!cancel) {
    host.scriptAnswer(answer);
  }
  const engine::FormState before = form;

  const bool completed = engine::RunHandler(host, [&] { input::RunValuePrompt(row, form, host); });

  // Only the prompt itself and its message box were used.
  CHECK(completed);
  CHECK(host.prompts().size() == 1);
  CHECK(host.shellCalls().empty() && host.printerOperations().empty());
  CHECK(host.pdfFilesOpened().empty());
  for (Field field : engine::kAllFields) {
    CHECK(field == row.field || form.text(field) == before.text(field));
  }
  if (cancel) {
    CHECK(host.messages().empty());
    for (Field field : engine::kAllFields) {
      CHECK(form.text(field) == before.text(field));
    }
    for (Caption caption : engine::kAllCaptions) {
      CHECK(form.caption(caption) == before.caption(caption));
    }
    return;
  }

  // Accepted silently, or rejected with one box carrying the row's message.
  CHECK(host.messages().size() <= 1);
  if (host.messages().size() == 1) {
    const engine::MessageCall& box = host.messages().front();
    CHECK(box.prompt == row.messageBelow || box.prompt == row.messageAbove ||
          box.prompt == row.messageNotANumber);
    CHECK(box.style == engine::MessageStyle::CriticalOk() && !box.title);
    CHECK(engine::ReadStrictNumber(form.text(row.field), format) == row.defaultValue);
  }

  // The field is a number both readings agree on, inside the range.
  const std::string& text = form.text(row.field);
  const std::optional<double> strict = engine::ReadStrictNumber(text, format);
  CHECK(strict.has_value());
  CHECK(*strict == engine::LeadingNumber(text));
  CHECK(*strict >= row.lowerBound && *strict <= row.upperBound);

  // The calculation ran on it and the captions show it.
  const engine::DesignRecord& q = form.record();
  const double load = q.AxialLoad.value_or(-1);
  CHECK(load == engine::LeadingNumber(form.text(Field::Text14)));
  const std::string caption =
      std::string(row.captionLead) + engine::SpacedText(*strict) + std::string(row.unit);
  CHECK(form.caption(row.label) == caption);
  const bool carries = q.AxialCapacity.toDouble() >= load;
  CHECK(form.printEnabled() == carries);
  CHECK(form.caption(Caption::Label556) == ExpectedPlateCaption(q));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  engine::FormState form;
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
