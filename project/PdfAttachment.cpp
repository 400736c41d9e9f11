// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/PdfAttachment.h"

#include "project/ProjectFile.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace project {

namespace {

constexpr std::string_view kFallbackName = "project";

bool KeptInName(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
         std::string_view(" .,_-+&()").find(c) != std::string_view::npos;
}

std::string_view TrimmedEnds(std::string_view text) {
  constexpr std::string_view kLoose = " ._-";
  const std::size_t first = text.find_first_not_of(kLoose);
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(kLoose) - first + 1);
}

bool IsDeviceName(std::string_view name) {
  std::string upper(name);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  constexpr std::array<std::string_view, 4> kDevices = {"CON", "PRN", "AUX", "NUL"};
  if (std::find(kDevices.begin(), kDevices.end(), upper) != kDevices.end()) {
    return true;
  }
  return upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) &&
         upper[3] >= '0' && upper[3] <= '9';
}

} // namespace

std::string AttachmentFileName(std::string_view projectName) {
  std::string kept;
  for (const char c : projectName) {
    if (KeptInName(c)) {
      kept += c;
    } else if (!kept.ends_with('_')) {
      kept += '_';
    }
  }
  std::string_view base = TrimmedEnds(kept);
  base = TrimmedEnds(base.substr(0, kMaxAttachmentNameLength - kProjectFileExtension.size()));
  if (base.empty() || IsDeviceName(base.substr(0, base.find('.')))) {
    base = kFallbackName;
  }
  return std::string(base) + std::string(kProjectFileExtension);
}

bool NamedAsProjectFile(std::string_view fileName) {
  return fileName.ends_with(kProjectFileExtension);
}

} // namespace project
