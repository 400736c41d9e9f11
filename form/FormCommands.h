// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace form {

class FormState;
class HostServices;

// Empties the three header fields of the calculation sheet; nothing else changes.
void ClearHeader(FormState& form);

// Opens the address with the desktop's viewer; where nothing can open it, a critical box says so
// and shows the address.
void OpenDownloadPage(HostServices& host, const std::string& address);

} // namespace form
