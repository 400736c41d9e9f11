// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "project/LoadErrors.h"
#include "project/ProjectFile.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace project {

// A word as a PDF reader finds it on a page: its text and the top-left corner of its box, in
// points from the page's top-left corner.
struct PrintedWord {
  std::string text;
  double left = 0;
  double top = 0;
};

using PrintedPage = std::vector<PrintedWord>;

// What a PDF written by this program holds: the project file it carries and each page's words.
struct PdfContents {
  std::string projectBytes;
  std::string subject; // the document's Subject property
  std::vector<PrintedPage> pages;
};

using PdfLoad = std::variant<PdfContents, LoadErrors>;

// Whether the bytes begin as a PDF does, whatever the file's name.
bool LooksLikePdf(std::string_view bytes);

// Reads a PDF's carried project file and, when `withPages`, the words of every page. A file that
// is not a whole PDF, needs a password, or carries no project or more than one is refused with a
// message naming it.
PdfLoad ReadPdf(std::string_view bytes, std::string_view fileName, bool withPages);

// The project a PDF carries, read as a project file is.
ProjectLoad ReadProjectFromPdf(std::string_view bytes, std::string_view fileName);

// A project file, or the project a PDF carries when the bytes are a PDF's.
ProjectLoad ReadProjectDocument(std::string_view bytes, std::string_view fileName);

} // namespace project
