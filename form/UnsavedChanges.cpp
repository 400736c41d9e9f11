// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/UnsavedChanges.h"

namespace form {

bool MayLeaveProject(bool modified, const std::function<UnsavedAnswer()>& ask,
                     const std::function<bool()>& save) {
  if (!modified) {
    return true;
  }
  switch (ask()) {
  case UnsavedAnswer::Save:
    return save();
  case UnsavedAnswer::Discard:
    return true;
  case UnsavedAnswer::Cancel:
    break;
  }
  return false;
}

} // namespace form
