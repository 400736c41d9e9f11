// SPDX-License-Identifier: GPL-3.0-or-later
// Compiled as C++17: qpdf's headers do not compile as C++20 with clang 14, which builds the fuzz
// targets.
#include "project/PdfAttachment.h"

#include <qpdf/Pipeline.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFEFStreamObjectHelper.hh>
#include <qpdf/QPDFEmbeddedFileDocumentHelper.hh>
#include <qpdf/QPDFFileSpecObjectHelper.hh>

#include <exception>
#include <stdexcept>
#include <utility>
#include <vector>

namespace project {

namespace {

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
    } else if (NamedAsProjectFile(spec->getFilename())) {
      found.named.push_back(stream);
    }
  }
  return found;
}

} // namespace

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
