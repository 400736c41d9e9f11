// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/FormCommands.h"

#include "form/FormState.h"
#include "form/HostServices.h"

namespace form {

void ClearHeader(FormState& form) {
  for (HeaderField field : kAllHeaderFields) {
    form.setHeader(field, {});
  }
}

void OpenDownloadPage(HostServices& host, const std::string& address) {
  if (!host.OpenAddress(address)) {
    host.ShowMessage("ไม่พบโปรแกรมที่เปิดเอกสารนี้ได้ (web browser)   โปรดเปิดเองที่\n" + address,
                     MessageStyle::CriticalOk(), std::nullopt);
  }
}

} // namespace form
