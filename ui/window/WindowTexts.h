#pragma once

#include <string_view>

namespace ui {

inline constexpr std::string_view kWindowCaption =
    "คำนวณเสาท่อเหล็กกลม (TUBRALEX Design & Calculation)";

// The page the download caption opens; the line under the caption shows the same address.
inline constexpr std::string_view kDownloadAddress = "https://pipecolumn.example.org/download";

} // namespace ui
