// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/printing/PdfText.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
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

// The CMap format's limit on the lines of one block.
constexpr std::size_t kMostLinesPerBlock = 100;
// Codes are at most four bytes; a range over more glyphs than a font can hold is not read.
constexpr std::size_t kMostCodeBytes = 4;
constexpr std::uint32_t kMostCodesPerRange = 0x10000;

// The characters a glyph shows: a shifted Thai form's are the Thai character's.
std::u16string Shown(const std::u16string& target) {
  std::u16string shown;
  for (const char16_t c : target) {
    if (c >= kFirstForm && c < kFirstForm + kThaiOfForm.size()) {
      shown += kThaiOfForm[c - kFirstForm];
    } else {
      shown += c;
    }
  }
  return shown;
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

struct Token {
  enum Kind { kHex, kOpen, kClose, kWord } kind;
  std::string text; // a hex string's bytes, or a word
  std::size_t begin;
  std::size_t end;
};

bool IsCMapSpace(char c) {
  return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

// The CMap's tokens, strings, dictionaries' brackets and comments left out.
std::optional<std::vector<Token>> Tokens(std::string_view cmap) {
  std::vector<Token> tokens;
  std::size_t at = 0;
  while (at < cmap.size()) {
    const char c = cmap[at];
    const std::size_t begin = at;
    if (IsCMapSpace(c)) {
      ++at;
    } else if (c == '%') {
      at = std::min(cmap.find_first_of("\r\n", at), cmap.size());
    } else if (c == '(') {
      for (int depth = 0; at < cmap.size(); ++at) {
        if (cmap[at] == '\\') {
          ++at;
        } else if (cmap[at] == '(') {
          ++depth;
        } else if (cmap[at] == ')' && --depth == 0) {
          break;
        }
      }
      ++at;
    } else if (cmap.substr(at, 2) == "<<" || cmap.substr(at, 2) == ">>") {
      at += 2;
    } else if (c == '<') {
      const std::size_t close = cmap.find('>', at);
      if (close == std::string_view::npos) {
        return std::nullopt;
      }
      std::string digits;
      for (std::size_t i = at + 1; i < close; ++i) {
        if (HexValue(cmap[i]) >= 0) {
          digits += cmap[i];
        } else if (!IsCMapSpace(cmap[i])) {
          return std::nullopt;
        }
      }
      if (digits.size() % 2 != 0) {
        return std::nullopt;
      }
      std::string bytes;
      for (std::size_t i = 0; i < digits.size(); i += 2) {
        bytes += static_cast<char>(HexValue(digits[i]) * 16 + HexValue(digits[i + 1]));
      }
      at = close + 1;
      tokens.push_back({Token::kHex, bytes, begin, at});
    } else if (c == '[' || c == ']') {
      ++at;
      tokens.push_back({c == '[' ? Token::kOpen : Token::kClose, {}, begin, at});
    } else {
      while (at < cmap.size() && !IsCMapSpace(cmap[at]) &&
             std::string_view("()<>[]{}/%").find(cmap[at]) == std::string_view::npos) {
        ++at;
      }
      at = std::max(at, begin + 1);
      tokens.push_back({Token::kWord, std::string(cmap.substr(begin, at - begin)), begin, at});
    }
  }
  return tokens;
}

std::optional<std::u16string> Utf16(const std::string& bytes) {
  if (bytes.size() % 2 != 0) {
    return std::nullopt;
  }
  std::u16string text;
  for (std::size_t i = 0; i < bytes.size(); i += 2) {
    text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) << 8 |
                                  static_cast<unsigned char>(bytes[i + 1]));
  }
  return text;
}

std::uint32_t CodeValue(const std::string& code) {
  std::uint32_t value = 0;
  for (const char byte : code) {
    value = value << 8 | static_cast<unsigned char>(byte);
  }
  return value;
}

std::string CodeOf(std::uint32_t value, std::size_t bytes) {
  std::string code(bytes, '\0');
  for (std::size_t i = bytes; i-- > 0; value >>= 8) {
    code[i] = static_cast<char>(value & 0xFF);
  }
  return code;
}

// Glyph codes (their bytes, which order them as numbers of one length) and what they stand for.
using Mappings = std::map<std::string, std::u16string>;

// A range "<first> <last> <start>" maps its codes to start, start+1, ... in the last unit; a
// range "<first> <last> [<target> ...]" to the targets in turn.
bool ReadRange(const std::vector<Token>& tokens, std::size_t& at, Mappings& mappings) {
  if (at + 2 >= tokens.size() || tokens[at].kind != Token::kHex ||
      tokens[at + 1].kind != Token::kHex) {
    return false;
  }
  const std::string& first = tokens[at].text;
  const std::string& last = tokens[at + 1].text;
  if (first.empty() || first.size() > kMostCodeBytes || last.size() != first.size() ||
      CodeValue(last) < CodeValue(first) ||
      CodeValue(last) - CodeValue(first) >= kMostCodesPerRange) {
    return false;
  }
  const std::uint32_t count = CodeValue(last) - CodeValue(first) + 1;
  at += 2;
  if (tokens[at].kind == Token::kHex) {
    std::optional<std::u16string> target = Utf16(tokens[at++].text);
    if (!target || target->empty()) {
      return false;
    }
    for (std::uint32_t k = 0; k < count; ++k, ++target->back()) {
      mappings[CodeOf(CodeValue(first) + k, first.size())] = *target;
    }
    return true;
  }
  if (tokens[at++].kind != Token::kOpen) {
    return false;
  }
  for (std::uint32_t k = 0; k < count; ++k, ++at) {
    const std::optional<std::u16string> target =
        at < tokens.size() && tokens[at].kind == Token::kHex ? Utf16(tokens[at].text)
                                                             : std::nullopt;
    if (!target) {
      return false;
    }
    mappings[CodeOf(CodeValue(first) + k, first.size())] = *target;
  }
  return at < tokens.size() && tokens[at++].kind == Token::kClose;
}

bool ReadChar(const std::vector<Token>& tokens, std::size_t& at, Mappings& mappings) {
  if (at + 1 >= tokens.size() || tokens[at].kind != Token::kHex ||
      tokens[at + 1].kind != Token::kHex || tokens[at].text.empty() ||
      tokens[at].text.size() > kMostCodeBytes) {
    return false;
  }
  const std::optional<std::u16string> target = Utf16(tokens[at + 1].text);
  if (!target) {
    return false;
  }
  mappings[tokens[at].text] = *target;
  at += 2;
  return true;
}

void AppendHex(std::string& out, const std::string& bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  out += '<';
  for (const char byte : bytes) {
    out += kDigits[static_cast<unsigned char>(byte) >> 4];
    out += kDigits[static_cast<unsigned char>(byte) & 0xF];
  }
  out += '>';
}

std::string Blocks(const Mappings& mappings) {
  std::string out;
  std::size_t left = mappings.size();
  for (auto mapping = mappings.begin(); mapping != mappings.end();) {
    const std::size_t lines = std::min(left, kMostLinesPerBlock);
    out += std::to_string(lines) + " beginbfchar\n";
    for (std::size_t line = 0; line < lines; ++line, ++mapping) {
      AppendHex(out, mapping->first);
      out += ' ';
      std::string target;
      for (const char16_t unit : Shown(mapping->second)) {
        target += static_cast<char>(unit >> 8);
        target += static_cast<char>(unit & 0xFF);
      }
      AppendHex(out, target);
      out += '\n';
    }
    out += "endbfchar\n";
    left -= lines;
  }
  return out;
}

} // namespace

std::optional<std::string> TextMapPerGlyph(std::string_view cmap) {
  const std::optional<std::vector<Token>> tokens = Tokens(cmap);
  if (!tokens) {
    return std::nullopt;
  }
  Mappings mappings;
  // The mappings' blocks, from the count before the first to the end of the last, are replaced.
  std::optional<std::size_t> firstBlock;
  std::size_t afterLastBlock = 0;
  for (std::size_t at = 0; at < tokens->size();) {
    const Token& token = (*tokens)[at++];
    const bool chars = token.text == "beginbfchar";
    if (token.kind != Token::kWord || (!chars && token.text != "beginbfrange")) {
      continue;
    }
    if (at < 2 || (*tokens)[at - 2].kind != Token::kWord) {
      return std::nullopt;
    }
    firstBlock = firstBlock.value_or((*tokens)[at - 2].begin);
    const char* end = chars ? "endbfchar" : "endbfrange";
    while (at < tokens->size() &&
           ((*tokens)[at].kind != Token::kWord || (*tokens)[at].text != end)) {
      if (!(chars ? ReadChar(*tokens, at, mappings) : ReadRange(*tokens, at, mappings))) {
        return std::nullopt;
      }
    }
    if (at == tokens->size()) {
      return std::nullopt;
    }
    afterLastBlock = (*tokens)[at++].end;
  }
  if (!firstBlock) {
    return std::nullopt;
  }
  std::string rewritten(cmap.substr(0, *firstBlock));
  rewritten += Blocks(mappings);
  // The blocks end their lines; the line break after the last block is theirs.
  rewritten += cmap.substr(std::min(cmap.find_first_not_of("\r\n", afterLastBlock), cmap.size()));
  return rewritten;
}

void WriteTextMapsPerGlyph(QPDF& pdf) {
  std::set<QPDFObjGen> written;
  for (QPDFObjectHandle object : pdf.getAllObjects()) {
    if (!object.isDictionary() || !object.hasKey("/ToUnicode")) {
      continue;
    }
    QPDFObjectHandle map = object.getKey("/ToUnicode");
    if (!map.isStream() || !written.insert(map.getObjGen()).second) {
      continue;
    }
    const std::shared_ptr<Buffer> data = map.getStreamData();
    const std::optional<std::string> perGlyph = TextMapPerGlyph(
        std::string_view(reinterpret_cast<const char*>(data->getBuffer()), data->getSize()));
    if (perGlyph) {
      map.replaceStreamData(*perGlyph, QPDFObjectHandle::newNull(), QPDFObjectHandle::newNull());
    }
  }
}

} // namespace ui
