// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

// A violated property ends the fuzz run as a finding, naming the property and the input.
[[noreturn]] inline void Fail(const char* property, std::string_view detail) {
  std::fprintf(stderr, "property violated: %s [%.*s]\n", property,
               static_cast<int>(detail.size() > 400 ? 400 : detail.size()), detail.data());
  std::abort();
}

#define CHECK(condition, detail)                                                                   \
  do {                                                                                             \
    if (!(condition)) {                                                                            \
      Fail(#condition, detail);                                                                    \
    }                                                                                              \
  } while (false)
