// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/ControlTable.h"

namespace ui {

namespace {

using report::PictureId;
using K = ControlKind;

constexpr ControlRow InputCaption(std::string_view name, int top, int width, std::int32_t colour) {
  return {.name = name,
          .kind = K::Label,
          .left = 4800,
          .top = top,
          .width = width,
          .height = 300,
          .fontPoints = 12,
          .bold = true,
          .underline = true,
          .textColour = colour,
          .handPointer = true};
}

constexpr ControlRow HeaderLabel(std::string_view name, int left, int top, int width,
                                 std::string_view text) {
  return {.name = name,
          .kind = K::Label,
          .left = left,
          .top = top,
          .width = width,
          .height = 240,
          .text = text,
          .fontPoints = 9.75,
          .bold = true};
}

constexpr ControlRow HeaderField(std::string_view name, int top) {
  return {.name = name,
          .kind = K::TextField,
          .left = 6120,
          .top = top,
          .width = 3615,
          .height = 405,
          .fontPoints = 9.75,
          .bold = true,
          .backgroundColour = 0xC0FFC0};
}

// One line of the strip below the form, `line` lines down; it is blank while its caption is empty.
constexpr ControlRow StripLine(std::string_view name, int line, bool bold, std::int32_t colour) {
  constexpr int kFirstLineTop = kFormHeightTwips + 90;
  constexpr int kLinePitch = 360;
  return {.name = name,
          .kind = K::Label,
          .left = 240,
          .top = kFirstLineTop + line * kLinePitch,
          .height = 240,
          .fontPoints = 9.75,
          .bold = bold,
          .textColour = colour};
}

// Dark red and bold: a warning still stands out on a black-and-white screen or printout.
constexpr std::int32_t kWarningColour = 0x990000;

// Captions and header texts that the logic owns come from the form state, and the address line
// from the window; the table only places and dresses those controls.
constexpr std::array kControls = {
    ControlRow{.name = "columnDrawing",
               .kind = K::Image,
               .left = 120,
               .top = 120,
               .width = 5235,
               .height = 7050,
               .picture = PictureId::ColumnDrawing},
    InputCaption("outsideDiameterCaption", 480, 4845, kDefaultColour),
    InputCaption("wallThicknessCaption", 960, 3150, 0x0000FF),
    InputCaption("heightCaption", 1440, 3045, 0xFF0000),
    InputCaption("axialLoadCaption", 1920, 3825, 0x008000),
    InputCaption("kFactorCaption", 2400, 3030, 0xC04000),
    ControlRow{.name = "verdictCaption",
               .kind = K::Label,
               .left = 4560,
               .top = 4680,
               .width = 2445,
               .height = 300,
               .fontPoints = 12,
               .textColour = 0xC00000},
    ControlRow{.name = "basePlateCaption",
               .kind = K::Label,
               .left = 4560,
               .top = 5040,
               .width = 1575,
               .height = 240,
               .fontPoints = 9.75,
               .textColour = 0x0000C0},
    HeaderLabel("projectLabel", 5160, 3120, 750, "Project"),
    HeaderField("projectField", 3000),
    HeaderLabel("engineerLabel", 5040, 3600, 945, "Engineer"),
    HeaderField("engineerField", 3480),
    HeaderLabel("columnMarkLabel", 5280, 4080, 780, "Column"),
    HeaderField("columnMarkField", 3960),
    ControlRow{.name = "clearHeaderButton",
               .kind = K::Button,
               .left = 9120,
               .top = 2520,
               .width = 615,
               .height = 375,
               .text = "ลบ",
               .fontPoints = 9.75,
               .bold = true},
    ControlRow{.name = "printButton",
               .kind = K::Button,
               .left = 5880,
               .top = 6000,
               .width = 2175,
               .height = 375,
               .text = "พิมพ์รายการคำนวณ",
               .fontPoints = 12,
               .bold = true},
    ControlRow{.name = "exitButton",
               .kind = K::Button,
               .left = 6960,
               .top = 6480,
               .width = 1095,
               .height = 375,
               .text = "Exit",
               .fontPoints = 12,
               .bold = true},
    ControlRow{.name = "handbookCover",
               .kind = K::PictureBox,
               .left = 8160,
               .top = 5280,
               .width = 1890,
               .height = 2610,
               .picture = PictureId::HandbookCover},
    ControlRow{.name = "downloadLink",
               .kind = K::Label,
               .left = 240,
               .top = 7200,
               .width = 7515,
               .height = 240,
               .text = "Download โปรแกรมและหนังสือคู่มือนี้ได้ฟรีในกลุ่ม TAVRIN",
               .fontPoints = 9.75,
               .bold = true,
               .underline = true,
               .textColour = 0x0000FF,
               .handPointer = true},
    ControlRow{.name = "downloadAddress",
               .kind = K::Label,
               .left = 240,
               .top = 7560,
               .width = 5715,
               .height = 240,
               .fontPoints = 9.75,
               .bold = true,
               .textColour = 0xC00000},
    StripLine("utilisationCaption", 0, false, 0x0000C0),
    // The window underlines it and shows the hand while there is a pipe to take.
    StripLine("suggestionCaption", 1, true, 0x006000),
    StripLine("slendernessWarningCaption", 2, true, kWarningColour),
    StripLine("localBucklingWarningCaption", 3, true, kWarningColour),
    StripLine("crossCheckCaption", 4, false, 0x404040),
};

constexpr std::array<std::string_view, 6> kTabOrder = {"exitButton",      "printButton",
                                                       "projectField",    "engineerField",
                                                       "columnMarkField", "clearHeaderButton"};

} // namespace

std::span<const ControlRow> WindowControls() {
  return kControls;
}

std::span<const std::string_view> TabOrder() {
  return kTabOrder;
}

} // namespace ui
