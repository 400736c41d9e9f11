// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/SheetVerification.h"

#include "project/Project.h"
#include "report/ProjectPackage.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <string_view>

namespace report {

namespace {

constexpr double kTwipsPerPoint = 20.0;
// How far a word's box may lie from where its line was drawn; lines are 15 points apart.
constexpr double kLineTolerancePoints = 1.5;

// A line as the sheet draws it, where it draws it.
struct DrawnLine {
  int xTwips = 0;
  int yTwips = 0;
  std::string text;
  bool fitted = false; // measured to be cut or wrapped: not where the printer puts it
};

using DrawnPage = std::vector<DrawnLine>;

// Keeps the lines a document draws, page by page, in place of printing them. Nothing is cut at
// the margin or wrapped, and a line measured for fitting or wrapping is marked as such: where a
// printer would cut or wrap it depends on its faces.
class LineCapture final : public Printer {
public:
  std::vector<DrawnPage> pages{DrawnPage{}};

  void SetOrientation(PageOrientation) override {}
  void SetFontName(const std::string&) override {}
  void SetFontSize(double) override {}
  void SetCurrentX(int twips) override { x_ = twips; }
  void SetCurrentY(int twips) override { y_ = twips; }
  void PrintLine(const std::string& text) override {
    pages.back().push_back({x_, y_, text, measured_.erase(text) > 0});
  }
  int TextWidth(const std::string& text) override {
    measured_.insert(text);
    return 0;
  }
  void DrawPicture(PictureId, int, int) override {}
  void SetFontBold(bool) override {}
  void ShadeRectangle(int, int, int, int) override {}
  void NewPage() override { pages.emplace_back(); }
  void EndDocument() override {}
  void AbortDocument() override {}

private:
  int x_ = 0;
  int y_ = 0;
  std::set<std::string> measured_;
};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsUpper(char c) {
  return c >= 'A' && c <= 'Z';
}
bool IsLetter(char c) {
  return IsUpper(c) || (c >= 'a' && c <= 'z');
}

// The figures of a line: its numbers (either decimal separator read as a point), and after the
// first "=" its capitalised words, such as a verdict.
std::vector<std::string> FiguresOf(std::string_view line) {
  std::vector<std::string> figures;
  const std::size_t equals = line.find('=');
  for (std::size_t i = 0; i < line.size();) {
    const auto inNumber = [&](std::size_t at) {
      return at < line.size() &&
             (IsDigit(line[at]) || line[at] == '.' || line[at] == ',' || line[at] == '-');
    };
    if (inNumber(i)) {
      std::size_t end = i;
      while (inNumber(end)) {
        ++end;
      }
      std::string number(line.substr(i, end - i));
      while (!number.empty() && !IsDigit(number.back())) {
        number.pop_back();
      }
      if (std::any_of(number.begin(), number.end(), IsDigit)) {
        std::replace(number.begin(), number.end(), ',', '.');
        figures.push_back(number);
      }
      i = end;
    } else if (IsLetter(line[i])) {
      std::size_t end = i;
      while (end < line.size() && IsLetter(line[end])) {
        ++end;
      }
      const std::string_view word = line.substr(i, end - i);
      if (equals != std::string_view::npos && i > equals && word.size() > 1 &&
          std::all_of(word.begin(), word.end(), IsUpper)) {
        figures.emplace_back(word);
      }
      i = end;
    } else {
      ++i;
    }
  }
  return figures;
}

// What a line's figures are called: the words before its "=", or before its first figure.
std::string LabelOf(const std::string& line) {
  std::size_t end = line.find('=');
  if (end == std::string::npos) {
    end = std::find_if(line.begin(), line.end(), IsDigit) - line.begin();
  }
  const std::string_view label = project::WithoutBlanks(std::string_view(line).substr(0, end));
  return std::string(label.empty() ? project::WithoutBlanks(line) : label);
}

// The words printed on the line drawn at `line`'s place, left to right, one space apart.
std::string PrintedLine(const DrawnLine& line, const project::PrintedPage& page) {
  const double top = line.yTwips / kTwipsPerPoint;
  const double left = line.xTwips / kTwipsPerPoint - kLineTolerancePoints;
  std::vector<const project::PrintedWord*> words;
  for (const project::PrintedWord& word : page) {
    if (std::abs(word.top - top) <= kLineTolerancePoints && word.left >= left) {
      words.push_back(&word);
    }
  }
  std::sort(words.begin(), words.end(),
            [](const project::PrintedWord* a, const project::PrintedWord* b) {
              return a->left < b->left;
            });
  std::string text;
  for (const project::PrintedWord* word : words) {
    text += (text.empty() ? "" : " ") + word->text;
  }
  return text;
}

std::vector<FigureDifference> Differences(const DrawnPage& drawn,
                                          const project::PrintedPage& printed) {
  std::vector<FigureDifference> differences;
  for (const DrawnLine& line : drawn) {
    if (line.fitted) {
      continue;
    }
    const std::vector<std::string> computed = FiguresOf(line.text);
    const std::vector<std::string> found = FiguresOf(PrintedLine(line, printed));
    const std::size_t count = std::max(computed.size(), found.size());
    for (std::size_t i = 0; i < count; ++i) {
      const std::string want = i < computed.size() ? computed[i] : std::string();
      const std::string got = i < found.size() ? found[i] : std::string();
      if (want != got) {
        std::string figure = LabelOf(line.text);
        if (count > 1) {
          figure += " (" + std::to_string(i + 1) + "/" + std::to_string(count) + ")";
        }
        differences.push_back({std::move(figure), got, want});
      }
    }
  }
  return differences;
}

} // namespace

bool DocumentCheck::agrees() const {
  return printedPages == expectedPages &&
         std::all_of(sheets.begin(), sheets.end(), [](const SheetCheck& s) { return s.agrees(); });
}

DocumentCheck VerifyDocument(DocumentKind kind, const project::Project& project,
                             std::span<const engine::ColumnAnswer> answers,
                             std::span<const project::PrintedPage> pages) {
  DocumentCheck check;
  check.printedPages = static_cast<int>(pages.size());
  if (kind == DocumentKind::Chart) {
    check.expectedPages = 1;
    return check;
  }
  LineCapture capture;
  std::size_t columns = std::min(project.columns.size(), answers.size());
  if (kind == DocumentKind::Sheet && columns > 0) {
    PrintCalculationSheet(answers.front(), ColumnSheetHeader(project, 0), {}, capture);
    columns = 1;
  } else {
    PrintProjectPackage(project, answers, {}, {}, capture);
  }
  check.expectedPages = static_cast<int>(capture.pages.size());
  // The columns' pages end the document, each column's sheet first.
  std::vector<std::size_t> sheetPages(columns);
  std::size_t next = capture.pages.size();
  for (std::size_t i = columns; i-- > 0;) {
    next -= ColumnPageCount(answers[i], ColumnSheetHeader(project, i));
    sheetPages[i] = next;
  }
  for (std::size_t i = 0; i < columns; ++i) {
    const std::size_t page = sheetPages[i];
    SheetCheck sheet{project.columns[i].mark, static_cast<int>(page + 1), page < pages.size(), {}};
    if (sheet.pagePrinted) {
      sheet.differences = Differences(capture.pages[page], pages[page]);
    }
    check.sheets.push_back(std::move(sheet));
  }
  return check;
}

} // namespace report
