#include "ui/window/ControlTable.h"

#include "ui/window/WindowCommands.h"

namespace ui {

namespace {

using engine::PictureId;
using K = ControlKind;

constexpr ControlRow Hidden(std::string_view name) {
  return {.name = name, .kind = K::HiddenField, .visible = false};
}

constexpr ControlRow HiddenPicture(std::string_view name, PictureId picture) {
  return {.name = name, .kind = K::PictureBox, .visible = false, .picture = picture};
}

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

// Captions and texts that the logic owns (Label1 ... Label556, Text1 ... Text17) come from the
// form state; the table only places and dresses those controls.
constexpr std::array kControls = {
    ControlRow{.name = "Image1",
               .kind = K::Image,
               .left = 120,
               .top = 120,
               .width = 5235,
               .height = 7050,
               .picture = PictureId::ColumnDrawing},
    InputCaption("Label1", 480, 4845, kDefaultColour),
    InputCaption("Label2", 960, 3150, 0x0000FF),
    InputCaption("Label3", 1440, 3045, 0xFF0000),
    InputCaption("Label14", 1920, 3825, 0x008000),
    InputCaption("Label4", 2400, 3030, 0xC04000),
    ControlRow{.name = "Label555",
               .kind = K::Label,
               .left = 4560,
               .top = 4680,
               .width = 2445,
               .height = 300,
               .fontPoints = 12,
               .textColour = 0xC00000},
    ControlRow{.name = "Label556",
               .kind = K::Label,
               .left = 4560,
               .top = 5040,
               .width = 1575,
               .height = 240,
               .fontPoints = 9.75,
               .textColour = 0x0000C0},
    HeaderLabel("Label5", 5160, 3120, 750, "Project"),
    HeaderField("Text15", 3000),
    HeaderLabel("Label6", 5040, 3600, 945, "Engineer"),
    HeaderField("Text16", 3480),
    HeaderLabel("Label7", 5280, 4080, 780, "Column"),
    HeaderField("Text17", 3960),
    ControlRow{.name = "Command4",
               .kind = K::Button,
               .left = 9120,
               .top = 2520,
               .width = 615,
               .height = 375,
               .text = "ลบ",
               .fontPoints = 9.75,
               .bold = true},
    ControlRow{.name = "Command3",
               .kind = K::Button,
               .left = 5880,
               .top = 6000,
               .width = 2175,
               .height = 375,
               .text = "พิมพ์รายการคำนวณ",
               .fontPoints = 12,
               .bold = true},
    ControlRow{.name = "Command2",
               .kind = K::Button,
               .left = 6960,
               .top = 6480,
               .width = 1095,
               .height = 375,
               .text = "Exit",
               .fontPoints = 12,
               .bold = true},
    ControlRow{.name = "Picture1",
               .kind = K::PictureBox,
               .left = 8160,
               .top = 5280,
               .width = 1890,
               .height = 2610,
               .picture = PictureId::HandbookCover},
    ControlRow{.name = "Label8",
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
    ControlRow{.name = "Label9",
               .kind = K::Label,
               .left = 240,
               .top = 7560,
               .width = 5715,
               .height = 240,
               .text = kDownloadAddress,
               .fontPoints = 9.75,
               .bold = true,
               .textColour = 0xC00000},
    HiddenPicture("Joint1", PictureId::ColumnSketch),
    HiddenPicture("PicP1", PictureId::GyrationFormula),
    HiddenPicture("PicP2", PictureId::PermissibleStressSheet),
    Hidden("Text1"),
    Hidden("Text2"),
    Hidden("Text3"),
    Hidden("Text4"),
    Hidden("Text5"),
    Hidden("Text11"),
    Hidden("Text12"),
    Hidden("Text13"),
    Hidden("Text14"),
};

constexpr std::array<std::string_view, 6> kTabOrder = {"Command2", "Command3", "Text15",
                                                       "Text16",   "Text17",   "Command4"};

} // namespace

std::span<const ControlRow> WindowControls() {
  return kControls;
}

std::span<const std::string_view> TabOrder() {
  return kTabOrder;
}

} // namespace ui
