// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/fonts/Utf8Text.h"

#include <string_view>

namespace ui {

inline constexpr std::string_view kWindowCaption =
    "คำนวณเสาท่อเหล็กกลม (TUBRALEX Design & Calculation)";

} // namespace ui
