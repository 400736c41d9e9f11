// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/Today.h"

#include <ctime>

namespace project {

std::string Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char date[16];
  std::strftime(date, sizeof date, "%Y-%m-%d", &local);
  return date;
}

} // namespace project
