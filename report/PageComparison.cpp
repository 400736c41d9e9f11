// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/PageComparison.h"

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-image.h>
#include <poppler-page-renderer.h>
#include <poppler-page.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <exception>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <thread>

namespace report {

namespace {

constexpr double kMmPerPoint = 25.4 / 72.0;
// How far from a line's middle a word may lie and be read on it, in the word's heights.
constexpr double kLineReach = 0.6;
// How far a word may lie from its place across the line, in points: its glyphs' origins are kept.
constexpr double kWordShiftPoints = 2.0;
// Where lines of text turned a quarter are read, in points: beyond any page's own lines.
constexpr double kTurnedTextOffset = 1.0e6;
// The resolution both pictures are drawn at: a changed figure of the sheet's smallest type spans
// several dots.
constexpr double kDotsPerInch = 72.0;
constexpr double kMmPerDot = 25.4 / kDotsPerInch;
// A dot differs when its grey differs by more than smoothing of an edge moves it; an area differs
// when enough of its dots do.
constexpr int kDotThreshold = 64;
constexpr int kCellDots = 6;
constexpr int kDifferingDotsPerCell = 2;
// Past this many differing areas on a page, the page's picture is named as one difference.
constexpr std::size_t kMostAreasNamed = 5;
// Pages are compared on this many cores at most.
constexpr int kMostWorkers = 4;

// Thai marks that stack over or under a consonant; their order within a stack does not change
// what is seen, and readers give it in the order the glyphs were drawn or placed.
bool IsStackedThaiMark(char16_t c) {
  return c == 0x0E31 || (c >= 0x0E34 && c <= 0x0E3A) || (c >= 0x0E47 && c <= 0x0E4E);
}

// A line's text as it reads, whatever a reader makes of its words' spacing, its ligatures and the
// order and place of its stacked marks.
std::u16string Key(const poppler::ustring& text) {
  std::u16string key;
  for (const auto unit : text) {
    const auto c = static_cast<char16_t>(unit);
    if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == 0x00A0) {
      continue;
    }
    switch (c) {
    case 0xFB00:
      key += u"ff";
      break;
    case 0xFB01:
      key += u"fi";
      break;
    case 0xFB02:
      key += u"fl";
      break;
    case 0xFB03:
      key += u"ffi";
      break;
    case 0xFB04:
      key += u"ffl";
      break;
    case 0x0E33:
      key += u"\u0E4D\u0E32";
      break; // sara am is nikhahit and sara aa drawn as one
    default:
      key += c;
    }
  }
  // Readers that go by the glyphs' places may give a mark after the letter that follows its own;
  // the marks are held apart, in order, and where they stand is left to the picture.
  const auto marks = std::stable_partition(key.begin(), key.end(),
                                           [](char16_t c) { return !IsStackedThaiMark(c); });
  std::sort(marks, key.end());
  return key;
}

std::string Utf8(const poppler::ustring& text) {
  const poppler::byte_array bytes = text.to_utf8();
  return {bytes.begin(), bytes.end()};
}

struct Word {
  poppler::ustring text;
  poppler::rectf box;   // as read: lines run across it
  poppler::rectf shown; // on the page
  double middle() const { return box.y() + box.height() / 2; }
};

struct TextLine {
  std::vector<Word> words; // left to right
  double middle = 0;
};

std::vector<Word> WordsOf(const poppler::page& page) {
  std::vector<Word> words;
  for (const poppler::text_box& box : page.text_list()) {
    const poppler::rectf shown = box.bbox();
    // Text turned a quarter reads along the page's height; its lines are gathered apart, beyond
    // the page's own, so that none of its words is read on a line across the page.
    if (box.rotation() == 1 || box.rotation() == 3) {
      const double along = box.rotation() == 1 ? shown.y() : -shown.bottom();
      const double across = kTurnedTextOffset + (box.rotation() == 1 ? -shown.right() : shown.x());
      words.push_back({box.text(), {along, across, shown.height(), shown.width()}, shown});
    } else {
      words.push_back({box.text(), shown, shown});
    }
  }
  return words;
}

poppler::ustring TextOf(const std::vector<Word>& words) {
  poppler::ustring text;
  for (const Word& word : words) {
    if (!text.empty()) {
      text.push_back(static_cast<poppler::ustring::value_type>(u' '));
    }
    text += word.text;
  }
  return text;
}

// The words gathered into lines: words whose middles lie within half a word's height of each
// other, read left to right; the lines top to bottom.
std::vector<TextLine> LinesOf(std::vector<Word> words) {
  std::stable_sort(words.begin(), words.end(),
                   [](const Word& a, const Word& b) { return a.middle() < b.middle(); });
  std::vector<TextLine> lines;
  for (std::size_t first = 0; first < words.size();) {
    std::size_t end = first + 1;
    while (end < words.size() &&
           words[end].middle() - words[first].middle() <=
               std::min(words[first].box.height(), words[end].box.height()) / 2) {
      ++end;
    }
    TextLine line{{words.begin() + static_cast<std::ptrdiff_t>(first),
                   words.begin() + static_cast<std::ptrdiff_t>(end)},
                  0};
    std::sort(line.words.begin(), line.words.end(),
              [](const Word& a, const Word& b) { return a.box.x() < b.box.x(); });
    for (const Word& word : line.words) {
      line.middle += word.middle() / static_cast<double>(line.words.size());
    }
    lines.push_back(std::move(line));
    first = end;
  }
  return lines;
}

PageDifference TextDifference(int page, const std::vector<Word>& printed,
                              const std::vector<Word>& expected) {
  const std::vector<Word>& placed = expected.empty() ? printed : expected;
  double left = placed.front().shown.left();
  double top = placed.front().shown.top();
  double right = placed.front().shown.right();
  double bottom = placed.front().shown.bottom();
  for (const Word& word : placed) {
    left = std::min(left, word.shown.left());
    top = std::min(top, word.shown.top());
    right = std::max(right, word.shown.right());
    bottom = std::max(bottom, word.shown.bottom());
  }
  return {page,
          DifferenceKind::Text,
          left * kMmPerPoint,
          top * kMmPerPoint,
          (right - left) * kMmPerPoint,
          (bottom - top) * kMmPerPoint,
          Utf8(TextOf(printed)),
          Utf8(TextOf(expected))};
}

// Marks the printed words found among `unmatched` (each at most once, then nulled): the same
// text with its place across the line kept and its height's worth of room up and down.
bool FoundAmong(const Word& word, std::vector<const Word*>& unmatched) {
  const auto found = std::find_if(unmatched.begin(), unmatched.end(), [&](const Word* other) {
    return other != nullptr && std::abs(other->box.x() - word.box.x()) <= kWordShiftPoints &&
           std::abs(other->middle() - word.middle()) <=
               std::max(other->box.height(), word.box.height()) &&
           Key(other->text) == Key(word.text);
  });
  if (found == unmatched.end()) {
    return false;
  }
  *found = nullptr;
  return true;
}

// Each printed word is read on the expected line nearest it, where the two documents' faces may
// place a word's box a little higher or lower; a word near no line is a line of its own. Names
// every line whose words read otherwise than expected. Words of unequal size stacked in a formula
// may fall to other lines in the two documents, so a line differs only where its words are not
// all found, each in its place, on the other side.
void CompareText(int page, const std::vector<Word>& printed, const std::vector<TextLine>& expected,
                 std::vector<PageDifference>& differences) {
  std::vector<std::vector<Word>> onLine(expected.size() + 1); // the last: near no line
  for (const Word& word : printed) {
    const auto below =
        std::lower_bound(expected.begin(), expected.end(), word.middle(),
                         [](const TextLine& line, double middle) { return line.middle < middle; });
    auto nearest = below;
    if (below != expected.begin() &&
        (below == expected.end() ||
         word.middle() - std::prev(below)->middle < below->middle - word.middle())) {
      nearest = std::prev(below);
    }
    const bool near = nearest != expected.end() &&
                      std::abs(nearest->middle - word.middle()) <= word.box.height() * kLineReach;
    onLine[near ? static_cast<std::size_t>(nearest - expected.begin()) : expected.size()].push_back(
        word);
  }
  std::vector<std::size_t> differing;
  for (std::size_t line = 0; line < onLine.size(); ++line) {
    std::vector<Word>& words = onLine[line];
    std::sort(words.begin(), words.end(),
              [](const Word& a, const Word& b) { return a.box.x() < b.box.x(); });
    const std::vector<Word> none;
    if (Key(TextOf(words)) != Key(TextOf(line < expected.size() ? expected[line].words : none))) {
      differing.push_back(line);
    }
  }
  std::vector<const Word*> unmatched;
  for (const std::size_t line : differing) {
    for (const Word& word : onLine[line]) {
      unmatched.push_back(&word);
    }
  }
  std::vector<bool> whole(differing.size(), true);
  for (std::size_t i = 0; i < differing.size() && differing[i] < expected.size(); ++i) {
    for (const Word& word : expected[differing[i]].words) {
      whole[i] = FoundAmong(word, unmatched) && whole[i];
    }
  }
  std::size_t next = 0;
  for (std::size_t i = 0; i < differing.size(); ++i) {
    std::vector<Word> left; // the line's printed words not found elsewhere
    for (const Word& word : onLine[differing[i]]) {
      if (unmatched[next++] != nullptr) {
        left.push_back(word);
      }
    }
    if (differing[i] == expected.size()) {
      for (const TextLine& line : LinesOf(std::move(left))) {
        differences.push_back(TextDifference(page, line.words, {}));
      }
    } else if (!whole[i] || !left.empty()) {
      differences.push_back(
          TextDifference(page, onLine[differing[i]], expected[differing[i]].words));
    }
  }
}

poppler::image Picture(const poppler::page& page) {
  poppler::page_renderer renderer;
  renderer.set_render_hints(poppler::page_renderer::antialiasing |
                            poppler::page_renderer::text_antialiasing);
  renderer.set_image_format(poppler::image::format_gray8);
  return renderer.render_page(&page, kDotsPerInch, kDotsPerInch);
}

// The areas where the pages' pictures differ, each a group of touching cells that differ.
void ComparePictures(int page, const poppler::page& printedPage, const poppler::page& expectedPage,
                     std::vector<PageDifference>& differences) {
  const poppler::image printed = Picture(printedPage);
  const poppler::image expected = Picture(expectedPage);
  const int width = printed.width();
  const int height = printed.height();
  if (width != expected.width() || height != expected.height() || !printed.is_valid() ||
      !expected.is_valid()) {
    differences.push_back({page, DifferenceKind::Picture, 0, 0, width * kMmPerDot,
                           height * kMmPerDot, "the page's size differs", ""});
    return;
  }
  const int columns = (width + kCellDots - 1) / kCellDots;
  const int rows = (height + kCellDots - 1) / kCellDots;
  std::vector<int> differing(static_cast<std::size_t>(columns * rows), 0);
  for (int y = 0; y < height; ++y) {
    const auto* a = reinterpret_cast<const unsigned char*>(printed.const_data()) +
                    static_cast<std::ptrdiff_t>(y) * printed.bytes_per_row();
    const auto* b = reinterpret_cast<const unsigned char*>(expected.const_data()) +
                    static_cast<std::ptrdiff_t>(y) * expected.bytes_per_row();
    for (int x = 0; x < width; ++x) {
      if (std::abs(a[x] - b[x]) > kDotThreshold) {
        ++differing[static_cast<std::size_t>((y / kCellDots) * columns + x / kCellDots)];
      }
    }
  }
  std::vector<bool> seen(differing.size(), false);
  std::vector<PageDifference> areas;
  for (std::size_t start = 0; start < differing.size(); ++start) {
    if (seen[start] || differing[start] < kDifferingDotsPerCell) {
      continue;
    }
    int left = columns, top = rows, right = 0, bottom = 0;
    std::vector<std::size_t> pending{start};
    seen[start] = true;
    while (!pending.empty()) {
      const std::size_t cell = pending.back();
      pending.pop_back();
      const int cx = static_cast<int>(cell) % columns;
      const int cy = static_cast<int>(cell) / columns;
      left = std::min(left, cx);
      top = std::min(top, cy);
      right = std::max(right, cx + 1);
      bottom = std::max(bottom, cy + 1);
      for (int ny = std::max(0, cy - 1); ny <= std::min(rows - 1, cy + 1); ++ny) {
        for (int nx = std::max(0, cx - 1); nx <= std::min(columns - 1, cx + 1); ++nx) {
          const auto next = static_cast<std::size_t>(ny * columns + nx);
          if (!seen[next] && differing[next] >= kDifferingDotsPerCell) {
            seen[next] = true;
            pending.push_back(next);
          }
        }
      }
    }
    const double cellMm = kCellDots * kMmPerDot;
    areas.push_back({page, DifferenceKind::Picture, left * cellMm, top * cellMm,
                     (right - left) * cellMm, (bottom - top) * cellMm, "", ""});
  }
  if (areas.size() <= kMostAreasNamed) {
    differences.insert(differences.end(), areas.begin(), areas.end());
    return;
  }
  // A page that differs all over is one difference, over the area the differing places span.
  PageDifference spanned = areas.front();
  double right = spanned.leftMm + spanned.widthMm;
  double bottom = spanned.topMm + spanned.heightMm;
  for (const PageDifference& area : areas) {
    spanned.leftMm = std::min(spanned.leftMm, area.leftMm);
    spanned.topMm = std::min(spanned.topMm, area.topMm);
    right = std::max(right, area.leftMm + area.widthMm);
    bottom = std::max(bottom, area.topMm + area.heightMm);
  }
  spanned.widthMm = right - spanned.leftMm;
  spanned.heightMm = bottom - spanned.topMm;
  spanned.printed = "in " + std::to_string(areas.size()) + " places";
  differences.push_back(std::move(spanned));
}

std::unique_ptr<poppler::document> Opened(std::string_view bytes, const char* which) {
  poppler::set_debug_error_function([](const std::string&, void*) {}, nullptr);
  std::unique_ptr<poppler::document> document(
      bytes.size() > INT_MAX
          ? nullptr
          : poppler::document::load_from_raw_data(bytes.data(), static_cast<int>(bytes.size())));
  if (!document || document->is_locked()) {
    throw std::invalid_argument(std::string("the ") + which + " PDF cannot be read");
  }
  return document;
}

void ComparePage(const poppler::document& printed, const poppler::document& expected, int index,
                 std::vector<PageDifference>& differences) {
  const std::unique_ptr<poppler::page> printedPage(printed.create_page(index));
  const std::unique_ptr<poppler::page> expectedPage(expected.create_page(index));
  if (!printedPage || !expectedPage) {
    differences.push_back(
        {index + 1, DifferenceKind::Picture, 0, 0, 0, 0, "the page cannot be read", ""});
    return;
  }
  CompareText(index + 1, WordsOf(*printedPage), LinesOf(WordsOf(*expectedPage)), differences);
  ComparePictures(index + 1, *printedPage, *expectedPage, differences);
}

} // namespace

PagesComparison ComparePdfPages(std::string_view printed, std::string_view expected) {
  PagesComparison comparison{
      Opened(printed, "printed")->pages(), Opened(expected, "expected")->pages(), {}};
  const int pages = std::min(comparison.printedPages, comparison.expectedPages);
  // Each worker reads the two documents for itself: a document is not shared between threads.
  const int workers = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1,
                                 std::min(kMostWorkers, std::max(pages, 1)));
  std::vector<std::vector<PageDifference>> pageDifferences(static_cast<std::size_t>(pages));
  std::vector<std::exception_ptr> failures(static_cast<std::size_t>(workers));
  const auto compareEvery = [&](int first) {
    try {
      const std::unique_ptr<poppler::document> printedDocument = Opened(printed, "printed");
      const std::unique_ptr<poppler::document> expectedDocument = Opened(expected, "expected");
      for (int index = first; index < pages; index += workers) {
        ComparePage(*printedDocument, *expectedDocument, index,
                    pageDifferences[static_cast<std::size_t>(index)]);
      }
    } catch (...) {
      failures[static_cast<std::size_t>(first)] = std::current_exception();
    }
  };
  std::vector<std::thread> threads;
  for (int worker = 1; worker < workers; ++worker) {
    threads.emplace_back(compareEvery, worker);
  }
  compareEvery(0);
  for (std::thread& thread : threads) {
    thread.join();
  }
  for (const std::exception_ptr& failure : failures) {
    if (failure) {
      std::rethrow_exception(failure);
    }
  }
  for (std::vector<PageDifference>& differences : pageDifferences) {
    std::move(differences.begin(), differences.end(), std::back_inserter(comparison.differences));
  }
  return comparison;
}

PrintedPagesFacts ReadPrintedPagesFacts(std::string_view pdf) {
  const std::unique_ptr<poppler::document> document = Opened(pdf, "printed");
  PrintedPagesFacts facts;
  facts.pages = document->pages();
  const std::unique_ptr<poppler::page> first(facts.pages > 0 ? document->create_page(0) : nullptr);
  if (!first) {
    return facts;
  }
  const poppler::rectf size = first->page_rect();
  facts.firstPagePortrait = size.height() >= size.width();
  static constexpr std::string_view kDateLabel = "Date :";
  for (const TextLine& line : LinesOf(WordsOf(*first))) {
    const std::string text = Utf8(TextOf(line.words));
    const std::size_t label = text.find(kDateLabel);
    if (label != std::string::npos) {
      const std::size_t start = text.find_first_not_of(' ', label + kDateLabel.size());
      const std::size_t end = text.find(' ', start);
      facts.date = start == std::string::npos ? std::string() : text.substr(start, end - start);
      break;
    }
  }
  return facts;
}

} // namespace report
