#include "engine/FormState.h"

#include <cstddef>

namespace engine {

namespace {
std::size_t IndexOf(Field field) {
  return static_cast<std::size_t>(field);
}
std::size_t IndexOf(Caption caption) {
  return static_cast<std::size_t>(caption);
}
} // namespace

FormState::FormState() {
  for (Field field : kAllFields) {
    texts_[IndexOf(field)] = InitialText(field);
  }
  for (Caption caption : kAllCaptions) {
    captions_[IndexOf(caption)] = InitialCaption(caption);
  }
}

const std::string& FormState::text(Field field) const {
  return texts_[IndexOf(field)];
}
void FormState::setText(Field field, std::string text) {
  texts_[IndexOf(field)] = std::move(text);
}

const std::string& FormState::caption(Caption caption) const {
  return captions_[IndexOf(caption)];
}
void FormState::setCaption(Caption caption, std::string text) {
  captions_[IndexOf(caption)] = std::move(text);
}

} // namespace engine
