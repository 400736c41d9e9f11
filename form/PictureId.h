// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace form {

// The seven pictures compiled into the program; the window shows four, the sheet draws three.
enum class PictureId {
  PipeIcon,
  HandPointer,
  HandbookCover,
  ColumnDrawing,
  ColumnSketch,
  GyrationFormula,
  PermissibleStressSheet,
};

} // namespace form
