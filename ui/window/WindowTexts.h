// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string_view>

namespace ui {

inline constexpr std::string_view kWindowCaption =
    "คำนวณเสาท่อเหล็กกลม (TUBRALEX Design & Calculation)";

inline QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace ui
