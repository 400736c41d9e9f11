// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/printing/PdfActualText.h"

#include <qpdf/Pl_String.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ui {

namespace {

// Where the page's text objects lie in its content: just after each "BT" and just before each
// "ET", in the order drawn.
struct TextObjects {
  std::vector<std::size_t> insides;
  std::vector<std::size_t> ends;
};

bool IsWhite(char c) {
  return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

bool IsDelimiter(char c) {
  return std::string_view("()<>[]{}/%").find(c) != std::string_view::npos;
}

// Scans the content's tokens once, skipping strings and comments, for the text objects' operators;
// nothing where the content holds an inline image, whose data is not tokens.
std::optional<TextObjects> FindTextObjects(std::string_view content) {
  TextObjects objects;
  std::size_t at = 0;
  while (at < content.size()) {
    const char c = content[at];
    if (IsWhite(c)) {
      ++at;
    } else if (c == '%') {
      at = content.find_first_of("\r\n", at);
    } else if (c == '(') {
      int depth = 0;
      for (; at < content.size(); ++at) {
        if (content[at] == '\\') {
          ++at;
        } else if (content[at] == '(') {
          ++depth;
        } else if (content[at] == ')' && --depth == 0) {
          break;
        }
      }
      ++at;
    } else if (content.substr(at, 2) == "<<") {
      at += 2;
    } else if (c == '<') {
      at = content.find('>', at);
      at = at == std::string_view::npos ? at : at + 1;
    } else if (IsDelimiter(c) && c != '/') {
      ++at;
    } else {
      // A name, or a number or an operator.
      const std::size_t start = at++;
      while (at < content.size() && !IsWhite(content[at]) && !IsDelimiter(content[at])) {
        ++at;
      }
      const std::string_view word = content.substr(start, at - start);
      if (word == "BT") {
        objects.insides.push_back(at);
      } else if (word == "ET") {
        objects.ends.push_back(start);
      } else if (word == "BI") {
        return std::nullopt;
      }
    }
  }
  return objects;
}

std::string SpanOpening(const std::string& text) {
  return "\n/Span <</ActualText " + QPDFObjectHandle::newUnicodeString(text).unparse() + ">> BDC\n";
}

std::string ContentOf(QPDFObjectHandle contents) {
  std::string content;
  Pl_String collected("page content", nullptr, content);
  std::string description;
  contents.pipeContentStreams(&collected, "page content", description);
  return content;
}

// Writes the content with a span inside each text object: the first of a word's runs says the
// word, the others nothing, so that a word drawn in two fonts reads once.
void WriteMarked(const std::string& content, const TextObjects& objects, const TypedPage& words,
                 Pipeline& out) {
  const auto write = [&out](std::string_view text) {
    out.write(reinterpret_cast<const unsigned char*>(text.data()), text.size());
  };
  const std::string_view all(content);
  std::size_t copied = 0;
  std::size_t run = 0;
  for (const TypedWord& word : words) {
    for (int part = 0; part < word.glyphRuns; ++part, ++run) {
      write(all.substr(copied, objects.insides[run] - copied));
      write(SpanOpening(part == 0 ? word.text.toUtf8().toStdString() : std::string()));
      write(all.substr(objects.insides[run], objects.ends[run] - objects.insides[run]));
      write("\nEMC\n");
      copied = objects.ends[run];
    }
  }
  write(all.substr(copied));
  out.finish();
}

} // namespace

bool MarkActualText(QPDFPageObjectHelper& page, const TypedPage& words) {
  QPDFObjectHandle object = page.getObjectHandle();
  const QPDFObjectHandle contents = object.getKey("/Contents");
  std::optional<TextObjects> found = FindTextObjects(ContentOf(contents));
  std::size_t expected = 0;
  for (const TypedWord& word : words) {
    expected += static_cast<std::size_t>(word.glyphRuns);
  }
  if (!found || expected == 0 || found->insides.size() != expected ||
      found->ends.size() != expected) {
    return false;
  }
  for (std::size_t run = 0; run < expected; ++run) {
    if (found->ends[run] < found->insides[run] ||
        (run > 0 && found->insides[run] < found->ends[run - 1])) {
      return false;
    }
  }
  // Made as the file is written, one page at a time, so that no more than one page's content is
  // held uncompressed; `words` lives until then.
  QPDFObjectHandle marked = object.getOwningQPDF()->newStream();
  marked.replaceStreamData(
      [contents, objects = std::move(*found), &words](Pipeline* out) {
        WriteMarked(ContentOf(contents), objects, words, *out);
      },
      QPDFObjectHandle::newNull(), QPDFObjectHandle::newNull());
  object.replaceKey("/Contents", marked);
  return true;
}

} // namespace ui
