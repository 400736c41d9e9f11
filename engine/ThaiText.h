// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

namespace engine {

// Whether the UTF-8 character at byte `at` is a Thai vowel or tone mark written above or below its
// letter (U+0E31, U+0E34-U+0E3A, U+0E47-U+0E4E): it takes no width and stays with its letter.
inline bool IsThaiMarkAt(std::string_view text, std::size_t at) {
  if (at + 2 >= text.size() || static_cast<unsigned char>(text[at]) != 0xE0) {
    return false;
  }
  const auto block = static_cast<unsigned char>(text[at + 1]);
  const auto last = static_cast<unsigned char>(text[at + 2]);
  return (block == 0xB8 && (last == 0xB1 || (last >= 0xB4 && last <= 0xBA))) ||
         (block == 0xB9 && last >= 0x87 && last <= 0x8E);
}

} // namespace engine
