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
  host.OpenAddress(address);
}

} // namespace form
