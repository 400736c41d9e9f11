#pragma once

#include <string_view>

namespace engine {
class FormState;
class HostServices;
} // namespace engine

namespace ui {

inline constexpr std::string_view kWindowCaption =
    "คำนวณเสาท่อเหล็กกลม (TUBRALEX Design & Calculation)";

// The page the download caption opens; the line under the caption shows the same address.
inline constexpr std::string_view kDownloadAddress = "https://pipecolumn.example.org/download";

// Start-up: the window opens with its initial texts and captions; nothing is calculated.
void Form_Load(engine::FormState& form);

// Empties the three header fields of the calculation sheet; nothing else changes.
void Command4_Click(engine::FormState& form);

// Opens the download page in the browser. Whether it opens is not checked.
void Label8_Click(engine::HostServices& host);

} // namespace ui
