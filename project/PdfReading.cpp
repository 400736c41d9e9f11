// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/PdfReading.h"

#include "project/LoadMessages.h"
#include "project/ProblemList.h"

#include <poppler-document.h>
#include <poppler-embedded-file.h>
#include <poppler-global.h>
#include <poppler-page.h>

#include <climits>
#include <memory>

namespace project {

namespace {

namespace messages = load_messages;

constexpr std::string_view kPdfSignature = "%PDF-";
constexpr std::string_view kEndOfFile = "%%EOF";

// A whole PDF ends with its end-of-file marker; a file cut short is refused rather than pieced
// together by the reader.
bool EndsWhole(std::string_view bytes) {
  const std::size_t last = bytes.find_last_not_of(" \t\r\n");
  return last != std::string_view::npos && last + 1 >= kEndOfFile.size() &&
         bytes.substr(last + 1 - kEndOfFile.size(), kEndOfFile.size()) == kEndOfFile;
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

std::optional<std::string> CarriedProject(const poppler::document& document) {
  if (!document.has_embedded_files()) {
    return std::nullopt;
  }
  for (poppler::embedded_file* file : document.embedded_files()) {
    if (file != nullptr && file->is_valid() && file->name().ends_with(kProjectFileExtension)) {
      const poppler::byte_array data = file->data();
      return std::string(data.begin(), data.end());
    }
  }
  return std::nullopt;
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
  if (!document || document->is_locked()) {
    problems.addInFile(messages::kUnreadablePdf);
    return problems.take();
  }
  std::optional<std::string> project = CarriedProject(*document);
  if (!project) {
    problems.addInFile(messages::kNoCarriedProject);
    return problems.take();
  }
  PdfContents contents{std::move(*project), Utf8(document->info_key("Subject")), {}};
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
