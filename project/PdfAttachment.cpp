// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/PdfAttachment.h"

#include "project/ProjectFile.h"

#include <qpdf/Pipeline.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFEFStreamObjectHelper.hh>
#include <qpdf/QPDFEmbeddedFileDocumentHelper.hh>
#include <qpdf/QPDFFileSpecObjectHelper.hh>

#include <algorithm>
#include <array>
#include <cctype>
#include <exception>
#include <stdexcept>
#include <utility>
#include <vector>

namespace project {

namespace {

constexpr std::string_view kFallbackName = "project";
// Far beyond any project's file; a stream that inflates past it is not one.
constexpr std::size_t kMaxProjectBytes = 16 << 20;

// Collects a stream's decoded bytes, and gives up past the limit.
class CappedText final : public Pipeline {
public:
  CappedText() : Pipeline("carried project", nullptr) {}
  void write(unsigned char const* data, size_t length) override {
    if (length > kMaxProjectBytes - text.size()) {
      throw std::length_error("the attachment is too large to be a project");
    }
    text.append(reinterpret_cast<const char*>(data), length);
  }
  void finish() override {}
  std::string text;
};

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

// The embedded files that may be the project: first the standard ones, then those named as
// older versions named them.
struct Candidates {
  std::vector<QPDFObjectHandle> standard;
  std::vector<QPDFObjectHandle> named;
};

Candidates FindCandidates(QPDF& pdf) {
  Candidates found;
  QPDFEmbeddedFileDocumentHelper files(pdf);
  for (const auto& [key, spec] : files.getEmbeddedFiles()) {
    QPDFObjectHandle stream = spec->getEmbeddedFileStream();
    if (!stream.isStream()) {
      continue;
    }
    QPDFObjectHandle relationship = spec->getObjectHandle().getKey("/AFRelationship");
    if (QPDFEFStreamObjectHelper(stream).getSubtype() == kProjectMimeType &&
        relationship.isNameAndEquals("/" + std::string(kCarriedFileRelationship))) {
      found.standard.push_back(stream);
    } else if (spec->getFilename().ends_with(kProjectFileExtension)) {
      found.named.push_back(stream);
    }
  }
  return found;
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
  if (base.empty() || IsDeviceName(base)) {
    base = kFallbackName;
  }
  return std::string(base) + std::string(kProjectFileExtension);
}

std::variant<std::string, CarriedProjectProblem> CarriedProject(std::string_view bytes) {
  try {
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.processMemoryFile("carried project", bytes.data(), bytes.size());
    const Candidates candidates = FindCandidates(pdf);
    std::vector<QPDFObjectHandle> chosen =
        candidates.standard.empty() ? candidates.named : candidates.standard;
    if (chosen.empty()) {
      return CarriedProjectProblem::None;
    }
    if (chosen.size() > 1) {
      return CarriedProjectProblem::Ambiguous;
    }
    CappedText data;
    bool decoded = false;
    if (!chosen.front().pipeStreamData(&data, &decoded, 0, qpdf_dl_generalized, true) || !decoded) {
      return CarriedProjectProblem::Unreadable;
    }
    return std::move(data.text);
  } catch (const std::exception&) {
    return CarriedProjectProblem::Unreadable;
  }
}

} // namespace project
