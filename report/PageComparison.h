// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace report {

enum class DifferenceKind { Text, Picture };

// Where two documents' page differs: a text line printed otherwise than expected (either text
// empty where the line is missing from its side), or an area whose picture differs.
struct PageDifference {
  int page = 0; // from 1
  DifferenceKind kind = DifferenceKind::Text;
  double leftMm = 0; // the place on the page, from its top-left corner
  double topMm = 0;
  double widthMm = 0;
  double heightMm = 0;
  std::string printed;
  std::string expected;
};

struct PagesComparison {
  int printedPages = 0;
  int expectedPages = 0;
  std::vector<PageDifference> differences;

  bool agrees() const { return printedPages == expectedPages && differences.empty(); }
};

// Holds every page of the `printed` PDF against the same page of the `expected` one, both read by
// the same PDF reader: every text line, as its words read, and the page's picture, annotations
// included, drawn at the same resolution. The picture may differ by the smoothing of edges that a
// faithful rewrite of the file changes, no more. Throws std::invalid_argument when either PDF
// cannot be read.
PagesComparison ComparePdfPages(std::string_view printed, std::string_view expected);

// What a PDF's own pages say of it, for a document that does not record what it printed.
struct PrintedPagesFacts {
  int pages = 0;
  bool firstPagePortrait = true;
  std::string date; // as printed after "Date :" on the first page, where it is
};

// Throws std::invalid_argument when the PDF cannot be read.
PrintedPagesFacts ReadPrintedPagesFacts(std::string_view pdf);

} // namespace report
