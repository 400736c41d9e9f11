#include "engine/HostServices.h"

namespace engine {

int MessageStyle::code() const {
  int code = buttons == MessageButtons::OkCancel ? 1 : 0;
  if (icon == MessageIcon::Critical) {
    code += 16;
  } else if (icon == MessageIcon::Question) {
    code += 32;
  }
  return code;
}

} // namespace engine
