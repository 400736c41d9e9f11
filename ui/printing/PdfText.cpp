// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/printing/PdfText.h"

#include <array>
#include <cstdio>
#include <optional>
#include <vector>

namespace ui {

namespace {

constexpr char16_t kFirstForm = 0xF700;

// The Thai character shown by each presentation form U+F700..U+F71A.
constexpr std::array<char16_t, 27> kThaiOfForm = {
    0x0E10,                                 // F700 tho than without its lower tail
    0x0E34, 0x0E35, 0x0E36, 0x0E37,         // F701-F704 upper vowels shifted left
    0x0E48, 0x0E49, 0x0E4A, 0x0E4B, 0x0E4C, // F705-F709 tone marks low and left
    0x0E48, 0x0E49, 0x0E4A, 0x0E4B, 0x0E4C, // F70A-F70E tone marks low
    0x0E0D,                                 // F70F yo ying without its lower tail
    0x0E31, 0x0E4D, 0x0E47,                 // F710-F712 mai han-akat, nikhahit, maitaikhu left
    0x0E48, 0x0E49, 0x0E4A, 0x0E4B, 0x0E4C, // F713-F717 tone marks left
    0x0E38, 0x0E39, 0x0E3A,                 // F718-F71A lower vowels and phinthu low
};

std::optional<char16_t> ThaiOf(unsigned code) {
  if (code < kFirstForm || code >= kFirstForm + kThaiOfForm.size()) {
    return std::nullopt;
  }
  return kThaiOfForm[code - kFirstForm];
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  return -1;
}

// The value of a four-digit hex token "<XXXX>" starting at `at`, if there is one.
std::optional<unsigned> TokenAt(const QByteArray& data, qsizetype at, qsizetype end) {
  if (at + 6 > end || data[at] != '<' || data[at + 5] != '>') {
    return std::nullopt;
  }
  unsigned value = 0;
  for (int i = 1; i <= 4; ++i) {
    const int digit = HexValue(data[at + i]);
    if (digit < 0) {
      return std::nullopt;
    }
    value = value * 16 + static_cast<unsigned>(digit);
  }
  return value;
}

void WriteToken(QByteArray& data, qsizetype at, unsigned value) {
  char text[5];
  std::snprintf(text, sizeof text, "%04X", value & 0xFFFF);
  for (int i = 0; i < 4; ++i) {
    data[at + 1 + i] = text[i];
  }
}

// A range "<first> <last> <start>" maps its codes to start, start+1, ...; its start can be
// rewritten only where the Thai characters follow each other the same way.
bool RangeStaysConsecutive(unsigned first, unsigned last, unsigned start) {
  const std::optional<char16_t> base = ThaiOf(start);
  for (unsigned k = 0; k <= last - first; ++k) {
    const std::optional<char16_t> thai = ThaiOf(start + k);
    if (!thai || *thai != *base + k) {
      return false;
    }
  }
  return true;
}

// One line of a CMap: a bfchar pair "<code> <target>", a bfrange with an array
// "<first> <last> [<target> ...]", or a bfrange with a start "<first> <last> <start>".
void MapLine(QByteArray& pdf, qsizetype begin, qsizetype end) {
  std::vector<qsizetype> tokens;
  qsizetype bracket = -1;
  for (qsizetype at = begin; at < end; ++at) {
    if (pdf[at] == '[' && bracket < 0) {
      bracket = at;
    } else if (pdf[at] == '<') {
      const qsizetype close = pdf.indexOf('>', at);
      if (close < 0 || close >= end) {
        return;
      }
      tokens.push_back(at);
      at = close;
    }
  }
  if (bracket >= 0) {
    for (const qsizetype token : tokens) {
      if (token > bracket) {
        if (const auto code = TokenAt(pdf, token, end); code && ThaiOf(*code)) {
          WriteToken(pdf, token, *ThaiOf(*code));
        }
      }
    }
  } else if (tokens.size() == 2) {
    if (const auto code = TokenAt(pdf, tokens[1], end); code && ThaiOf(*code)) {
      WriteToken(pdf, tokens[1], *ThaiOf(*code));
    }
  } else if (tokens.size() == 3) {
    const auto first = TokenAt(pdf, tokens[0], end);
    const auto last = TokenAt(pdf, tokens[1], end);
    const auto start = TokenAt(pdf, tokens[2], end);
    if (first && last && start && ThaiOf(*start) && *last >= *first &&
        RangeStaysConsecutive(*first, *last, *start)) {
      WriteToken(pdf, tokens[2], *ThaiOf(*start));
    }
  }
}

// The mapping lines between "beginbfchar"/"beginbfrange" and their ends.
void MapSection(QByteArray& pdf, qsizetype begin, qsizetype end) {
  bool inMapping = false;
  qsizetype line = begin;
  while (line < end) {
    qsizetype next = pdf.indexOf('\n', line);
    if (next < 0 || next > end) {
      next = end;
    }
    const QByteArray text = pdf.mid(line, next - line).trimmed();
    if (text.endsWith("beginbfchar") || text.endsWith("beginbfrange")) {
      inMapping = true;
    } else if (text == "endbfchar" || text == "endbfrange") {
      inMapping = false;
    } else if (inMapping) {
      MapLine(pdf, line, next);
    }
    line = next + 1;
  }
}

} // namespace

QByteArray MapThaiPresentationFormsToCharacters(QByteArray pdf) {
  qsizetype at = 0;
  while ((at = pdf.indexOf("begincmap", at)) >= 0) {
    const qsizetype end = pdf.indexOf("endcmap", at);
    if (end < 0) {
      break;
    }
    MapSection(pdf, at, end);
    at = end;
  }
  return pdf;
}

} // namespace ui
