// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace project {

// The local date, as the engineer dates a submission: "2026-12-08".
std::string Today();

} // namespace project
