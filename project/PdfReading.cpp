// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/PdfReading.h"

#include "project/LoadMessages.h"
#include "project/PdfAttachment.h"
#include "project/ProblemList.h"

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page.h>

#include <algorithm>
#include <climits>
#include <memory>

namespace project {

namespace {

namespace messages = load_messages;

constexpr std::string_view kPdfSignature = "%PDF-";
constexpr std::string_view kEndOfFile = "%%EOF";
// Readers look for the end of a PDF in its last kilobyte, whatever bytes follow the marker.
constexpr std::size_t kEndSearchBytes = 1024;

// A whole PDF has its end-of-file marker in its last kilobyte; a file cut short is refused rather
// than pieced together by the reader.
bool EndsWhole(std::string_view bytes) {
  const std::size_t tail = std::min(bytes.size(), kEndSearchBytes);
  return bytes.substr(bytes.size() - tail).find(kEndOfFile) != std::string_view::npos;
}

// The reader reports each damaged object on stderr; the messages that matter are this program's.
void QuietReader() {
  poppler::set_debug_error_function([](const std::string&, void*) {}, nullptr);
}

std::string Utf8(const poppler::ustring& text) {
  const poppler::byte_array bytes = text.to_utf8();
  return {bytes.begin(), bytes.end()};
}

PrintedPage WordsOf(const poppler::page& page) {
  PrintedPage words;
  for (const poppler::text_box& box : page.text_list()) {
    words.push_back({Utf8(box.text()), box.bbox().x(), box.bbox().y()});
  }
  return words;
}

std::string_view MessageOf(CarriedProjectProblem problem) {
  switch (problem) {
  case CarriedProjectProblem::None:
    return messages::kNoCarriedProject;
  case CarriedProjectProblem::Ambiguous:
    return messages::kAmbiguousCarriedProject;
  case CarriedProjectProblem::Unreadable:
    break;
  }
  return messages::kUnreadablePdf;
}

} // namespace

bool LooksLikePdf(std::string_view bytes) {
  return bytes.substr(0, 1024).find(kPdfSignature) != std::string_view::npos;
}

PdfLoad ReadPdf(std::string_view bytes, std::string_view fileName, bool withPages) {
  ProblemList problems(fileName);
  if (!LooksLikePdf(bytes) || !EndsWhole(bytes) || bytes.size() > INT_MAX) {
    problems.addInFile(messages::kUnreadablePdf);
    return problems.take();
  }
  QuietReader();
  const std::unique_ptr<poppler::document> document(
      poppler::document::load_from_raw_data(bytes.data(), static_cast<int>(bytes.size())));
  if (!document) {
    problems.addInFile(messages::kUnreadablePdf);
    return problems.take();
  }
  if (document->is_locked()) {
    problems.addInFile(messages::kPasswordProtectedPdf);
    return problems.take();
  }
  std::variant<std::string, CarriedProjectProblem> project = CarriedProject(bytes);
  if (const auto* problem = std::get_if<CarriedProjectProblem>(&project)) {
    problems.addInFile(MessageOf(*problem));
    return problems.take();
  }
  PdfContents contents{
      std::move(std::get<std::string>(project)), Utf8(document->info_key("Subject")), {}};
  if (withPages) {
    for (int index = 0; index < document->pages(); ++index) {
      const std::unique_ptr<poppler::page> page(document->create_page(index));
      contents.pages.push_back(page ? WordsOf(*page) : PrintedPage{});
    }
  }
  return contents;
}

ProjectLoad ReadProjectFromPdf(std::string_view bytes, std::string_view fileName) {
  PdfLoad load = ReadPdf(bytes, fileName, false);
  if (auto* errors = std::get_if<LoadErrors>(&load)) {
    return std::move(*errors);
  }
  return ReadProjectFile(std::get<PdfContents>(load).projectBytes, fileName);
}

ProjectLoad ReadProjectDocument(std::string_view bytes, std::string_view fileName) {
  return LooksLikePdf(bytes) ? ReadProjectFromPdf(bytes, fileName)
                             : ReadProjectFile(bytes, fileName);
}

} // namespace project
