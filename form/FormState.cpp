// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/FormState.h"

#include "engine/Failure.h"
#include "form/ResultCaptions.h"

#include <cstddef>

namespace form {

namespace {
template <typename Enum> std::size_t IndexOf(Enum value) {
  return static_cast<std::size_t>(value);
}
} // namespace

FormState::FormState() {
  for (Caption caption : kAllCaptions) {
    captions_[IndexOf(caption)] = InitialCaption(caption, inputs());
  }
}

const engine::ColumnInputs& FormState::inputs() const {
  return session_.column(session_.selectedRow()).inputs;
}

void FormState::setInput(Input input, double value) {
  engine::ColumnInputs changed = inputs();
  ValueOf(changed, input) = value;
  session_.setSelectedInputs(changed);
}

void FormState::setMaterials(const engine::Materials& materials) {
  engine::ColumnInputs changed = inputs();
  changed.materials = materials;
  session_.setSelectedInputs(changed);
}

const std::optional<engine::PipeCandidate>& FormState::lightestStandardPipe() {
  const engine::DesignLoad key = engine::DesignLoadOf(inputs());
  if (lastSearched_ != key) {
    lastLightest_ = engine::LightestPassingPipe(*catalogue_, inputs());
    lastSearched_ = key;
  }
  return lastLightest_;
}

const std::string& FormState::header(HeaderField field) const {
  switch (field) {
  case HeaderField::Project:
    return session_.project().header.project;
  case HeaderField::Engineer:
    return session_.project().header.engineer;
  case HeaderField::ColumnMark:
    break;
  }
  return session_.column(session_.selectedRow()).mark;
}

void FormState::setHeader(HeaderField field, std::string text) {
  if (field == HeaderField::ColumnMark) {
    session_.setSelectedMark(std::move(text));
    return;
  }
  project::Project::Header header = session_.project().header;
  (field == HeaderField::Project ? header.project : header.engineer) = std::move(text);
  session_.setHeader(std::move(header));
}

const std::string& FormState::caption(Caption caption) const {
  return captions_[IndexOf(caption)];
}
void FormState::setCaption(Caption caption, std::string text) {
  captions_[IndexOf(caption)] = std::move(text);
}

void ShowSelectedColumn(FormState& form) {
  const engine::ColumnInputs& inputs = form.inputs();
  for (const Input input : kAllInputs) {
    form.setCaption(CaptionOf(input), InputCaption(input, ValueOf(inputs, input)));
  }
  form.record() = {};
  form.setPrintEnabled(true);
  for (const Caption caption : {Caption::Verdict, Caption::BasePlate}) {
    form.setCaption(caption, InitialCaption(caption, inputs));
  }
  for (const Caption caption : kAssessmentCaptions) {
    form.setCaption(caption, {});
  }
  form.setSuggestion(std::nullopt);
  try {
    Recalculate(form);
  } catch (const engine::Failure&) {
    // The form then reads as before any calculation; the panel names the failure.
    form.record() = {};
  }
}

} // namespace form
