// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/Printer.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace ui {

enum class ControlKind {
  Image,      // a picture drawn beneath everything, no window of its own
  Label,      // a caption sized to its text
  TextField,  // single-line editable text
  Button,     // push button
  PictureBox, // a box holding a picture
};

// 0xRRGGBB, or kDefaultColour for the style's own colour.
inline constexpr std::int32_t kDefaultColour = -1;

// One control of the main window. Places and sizes are in twips (15 to the pixel at 96 dpi).
struct ControlRow {
  std::string_view name = {};
  ControlKind kind;
  int left = 0;
  int top = 0;
  int width = 0; // labels: that of the initial caption; they follow their caption
  int height = 0;
  std::string_view text = {}; // initial caption or text; empty where the form state supplies it
  double fontPoints = 0;      // 0: the toolkit's standard font
  bool bold = false;
  bool underline = false;
  std::int32_t textColour = kDefaultColour;
  std::int32_t backgroundColour = kDefaultColour;
  bool handPointer = false;
  std::optional<report::PictureId> picture = {};
};

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidthTwips = 10260;
// The form keeps the height it was drawn with; the strip of the assessment lines lies below it.
inline constexpr int kFormHeightTwips = 8010;
inline constexpr int kAssessmentStripTwips = 1950;
inline constexpr int kClientHeightTwips = kFormHeightTwips + kAssessmentStripTwips;

// Every control, bottom of the stack first.
std::span<const ControlRow> WindowControls();

// The names of the controls that take the focus, in the order the tab key visits them.
std::span<const std::string_view> TabOrder();

} // namespace ui
