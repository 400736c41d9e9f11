// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/HeaderFields.h"

namespace project {

std::string_view InitialHeaderText(HeaderField field) {
  switch (field) {
  case HeaderField::Project:
    return "อาคารโกดัง B";
  case HeaderField::Engineer:
    return "นายสมมติ ตัวอย่าง";
  case HeaderField::ColumnMark:
    break;
  }
  return " C-002";
}

std::string_view KeyOf(HeaderField field) {
  switch (field) {
  case HeaderField::Project:
    return "project";
  case HeaderField::Engineer:
    return "engineer";
  case HeaderField::ColumnMark:
    break;
  }
  return "column_mark";
}

} // namespace project
