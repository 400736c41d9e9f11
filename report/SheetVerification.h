// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/ColumnAnswer.h"
#include "project/PdfReading.h"
#include "project/Project.h"
#include "report/CalculationSheet.h"
#include "report/DocumentProperties.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace report {

// A figure a page prints otherwise than this program computes it; an empty text is a figure
// missing from its side.
struct FigureDifference {
  std::string figure; // the line's label, with the figure's place where the line has several
  std::string printed;
  std::string computed;
};

// One column's calculation sheet held against its page.
struct SheetCheck {
  std::string mark;
  int page = 0; // from 1
  bool pagePrinted = true;
  std::vector<FigureDifference> differences;

  bool agrees() const { return pagePrinted && differences.empty(); }
};

struct DocumentCheck {
  int printedPages = 0;
  int expectedPages = 0;
  std::vector<SheetCheck> sheets;

  bool agrees() const;
};

// Draws the document of `kind` for `project` and its columns' `answers` as this program prints it
// and compares every figure of each column's sheet with the words of its page, and the number of
// pages. A chart prints no sheet, and only its page count is compared. The header's free texts are
// the user's, not figures, and are not compared.
DocumentCheck VerifyDocument(DocumentKind kind, const project::Project& project,
                             std::span<const engine::ColumnAnswer> answers,
                             std::span<const project::PrintedPage> pages);

} // namespace report
