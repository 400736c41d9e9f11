// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/FormState.h"

#include "form/ResultCaptions.h"

#include <cstddef>

namespace form {

namespace {
template <typename Enum> std::size_t IndexOf(Enum value) {
  return static_cast<std::size_t>(value);
}
} // namespace

FormState::FormState() {
  for (HeaderField field : kAllHeaderFields) {
    headers_[IndexOf(field)] = InitialHeaderText(field);
  }
  for (Caption caption : kAllCaptions) {
    captions_[IndexOf(caption)] = InitialCaption(caption, inputs_);
  }
}

const std::optional<engine::PipeCandidate>& FormState::lightestStandardPipe() {
  engine::ColumnInputs key = inputs_;
  key.outsideDiameterMm = 0;
  key.wallThicknessMm = 0;
  if (lastSearched_ != key) {
    lastLightest_ = engine::LightestPassingPipe(*catalogue_, inputs_);
    lastSearched_ = key;
  }
  return lastLightest_;
}

const std::string& FormState::header(HeaderField field) const {
  return headers_[IndexOf(field)];
}
void FormState::setHeader(HeaderField field, std::string text) {
  headers_[IndexOf(field)] = std::move(text);
}

const std::string& FormState::caption(Caption caption) const {
  return captions_[IndexOf(caption)];
}
void FormState::setCaption(Caption caption, std::string text) {
  captions_[IndexOf(caption)] = std::move(text);
}

} // namespace form
