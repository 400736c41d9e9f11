// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/NumberText.h"

#include "engine/Failure.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace engine {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Parses a clean "[-]digits[.digits][e[-]digits]" with correct rounding. from_chars is the fast
// path; a number beyond the double range either way goes to strtod, which gives the infinity or
// the zero of the right sign.
double ParseClean(const std::string& clean) {
  double value = 0.0;
  const char* const end = clean.data() + clean.size();
  const std::from_chars_result parsed = std::from_chars(clean.data(), end, value);
  if (parsed.ec == std::errc{} && parsed.ptr == end) {
    return value;
  }
  errno = 0;
  return std::strtod(clean.c_str(), nullptr);
}

// The first two of the three bytes every Thai digit (U+0E50 to U+0E59) takes in UTF-8.
constexpr std::string_view kThaiDigitLead = "\xE0\xB9";

// Thai digits as the digits 0 to 9.
std::string WithArabicDigits(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  // Whole runs between Thai digits are copied at once: a long answer is mostly such a run.
  std::size_t from = 0;
  for (std::size_t at = text.find(kThaiDigitLead); at != std::string_view::npos;
       at = text.find(kThaiDigitLead, at + 1)) {
    if (at + 2 < text.size() && static_cast<unsigned char>(text[at + 2]) >= 0x90 &&
        static_cast<unsigned char>(text[at + 2]) <= 0x99) {
      result.append(text.substr(from, at - from));
      result += static_cast<char>('0' + (static_cast<unsigned char>(text[at + 2]) - 0x90));
      from = at + 3;
      at += 2;
    }
  }
  result.append(text.substr(from));
  return result;
}

// Where the run of digits that starts at `from` ends.
std::size_t DigitsEnd(std::string_view text, std::size_t from) {
  while (from < text.size() && IsDigit(text[from])) {
    ++from;
  }
  return from;
}

bool StartsWith(std::string_view text, std::size_t position, std::string_view piece) {
  return !piece.empty() && text.substr(position, piece.size()) == piece;
}

// The decimal digits of a finite non-zero magnitude rounded to 15 significant digits, trailing
// zeros dropped, and the power of ten of the first digit.
struct SignificantDigits {
  std::string digits;
  int exponent = 0;
};

SignificantDigits ToSignificantDigits(double magnitude) {
  // The same text as printf's "%.14e" (correctly rounded, ties to even), several times faster.
  char buffer[64];
  const std::to_chars_result printed = std::to_chars(buffer, buffer + sizeof buffer - 1, magnitude,
                                                     std::chars_format::scientific, 14);
  *printed.ptr = '\0';
  const std::string_view text(buffer);
  const std::size_t e = text.find('e');
  SignificantDigits result;
  result.digits += text[0];
  result.digits += text.substr(2, e - 2);
  while (result.digits.size() > 1 && result.digits.back() == '0') {
    result.digits.pop_back();
  }
  result.exponent = std::atoi(buffer + e + 1);
  return result;
}

// The unsigned body of a double's text: whole part (possibly empty), fraction, or exponent form.
struct NumberBody {
  std::string whole;
  std::string fraction;
  std::string exponentSuffix; // "E+15" in exponent form, else empty
};

NumberBody ToBody(double magnitude) {
  NumberBody body;
  if (magnitude == 0.0) {
    body.whole = "0";
    return body;
  }
  const SignificantDigits sig = ToSignificantDigits(magnitude);
  // Fixed notation for the magnitudes an engineer types; exponent form far outside them.
  if (sig.exponent >= -4 && sig.exponent < 15) {
    if (sig.exponent >= 0) {
      const auto wholeLength = static_cast<std::size_t>(sig.exponent) + 1;
      body.whole = sig.digits.substr(0, wholeLength);
      body.whole.append(wholeLength - body.whole.size(), '0');
      if (sig.digits.size() > wholeLength) {
        body.fraction = sig.digits.substr(wholeLength);
      }
    } else {
      body.fraction = std::string(static_cast<std::size_t>(-sig.exponent - 1), '0') + sig.digits;
    }
    return body;
  }
  body.whole = sig.digits.substr(0, 1);
  body.fraction = sig.digits.substr(1);
  char exponent[16];
  std::snprintf(exponent, sizeof exponent, "E%c%02d", sig.exponent < 0 ? '-' : '+',
                std::abs(sig.exponent));
  body.exponentSuffix = exponent;
  return body;
}

} // namespace

std::optional<double> ReadStrictNumber(std::string_view typed, const NumberFormat& format) {
  // Most text has no Thai digit and is read where it lies.
  const bool thaiDigits = typed.find(kThaiDigitLead) != std::string_view::npos;
  const std::string arabic = thaiDigits ? WithArabicDigits(typed) : std::string();
  std::string_view text = thaiDigits ? std::string_view(arabic) : typed;
  const std::string_view decimal = format.decimalSeparator;
  const std::string_view thousands = format.thousandsSeparator == format.decimalSeparator
                                         ? std::string_view{}
                                         : std::string_view{format.thousandsSeparator};
  const auto isSpace = [](char c) { return c == ' ' || c == '\t'; };

  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && isSpace(text[begin])) {
    ++begin;
  }
  while (end > begin && isSpace(text[end - 1])) {
    --end;
  }
  text = text.substr(begin, end - begin);

  std::string clean;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') {
      clean += '-';
    }
    ++i;
  }
  bool anyDigit = false;
  // Whole part: digits; a thousands separator only where it groups thousands ("12,500", not
  // "1,5" nor "0,875"): the first group has one to three digits, not led by a zero, and every
  // later one exactly three.
  std::size_t groupDigits = 0;
  bool grouped = false;
  const bool leadingZero = i < text.size() && text[i] == '0';
  while (i < text.size()) {
    if (IsDigit(text[i])) {
      const std::size_t digitsEnd = DigitsEnd(text, i);
      clean.append(text.substr(i, digitsEnd - i));
      groupDigits += digitsEnd - i;
      anyDigit = true;
      i = digitsEnd;
    } else if (anyDigit && StartsWith(text, i, thousands)) {
      if (leadingZero || groupDigits > 3 || (grouped && groupDigits != 3)) {
        return std::nullopt;
      }
      grouped = true;
      groupDigits = 0;
      i += thousands.size();
    } else {
      break;
    }
  }
  if (grouped && groupDigits != 3) {
    return std::nullopt;
  }
  if (StartsWith(text, i, decimal)) {
    i += decimal.size();
    clean += '.';
    const std::size_t digitsEnd = DigitsEnd(text, i);
    clean.append(text.substr(i, digitsEnd - i));
    anyDigit = anyDigit || digitsEnd > i;
    i = digitsEnd;
  }
  if (!anyDigit) {
    return std::nullopt;
  }
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    clean += 'e';
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
      clean += text[i++];
    }
    const std::size_t digitsEnd = DigitsEnd(text, i);
    if (digitsEnd == i) {
      return std::nullopt;
    }
    clean.append(text.substr(i, digitsEnd - i));
    i = digitsEnd;
  }
  if (i != text.size()) {
    return std::nullopt;
  }
  return ParseClean(clean) + 0.0;
}

double StrictNumber(std::string_view text, const NumberFormat& format) {
  const std::optional<double> value = ReadStrictNumber(text, format);
  if (!value) {
    throw TypeMismatch("not a number: \"" + std::string(text.substr(0, 80)) + "\"");
  }
  if (std::isinf(*value)) {
    throw Overflow("number beyond the double range");
  }
  return *value;
}

std::string SpacedText(double value) {
  const NumberBody body = ToBody(std::fabs(value));
  std::string text = value < 0 ? "-" : " ";
  if (body.whole != "0" || body.fraction.empty()) {
    text += body.whole;
  }
  if (!body.fraction.empty()) {
    text += '.';
    text += body.fraction;
  }
  return text + body.exponentSuffix;
}

std::string SpacedText(Fixed4 value) {
  std::string text = value.toDecimalString();
  const bool negative = text.front() == '-';
  if (negative) {
    text.erase(0, 1);
  }
  if (text.size() > 1 && text[0] == '0' && text[1] == '.') {
    text.erase(0, 1);
  }
  return (negative ? "-" : " ") + text;
}

std::string SpacedText(std::int32_t value) {
  return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

std::string PlainText(double value, const NumberFormat& format) {
  const NumberBody body = ToBody(std::fabs(value));
  std::string text = value < 0 ? "-" : "";
  text += body.whole.empty() ? "0" : body.whole;
  if (!body.fraction.empty()) {
    text += format.decimalSeparator;
    text += body.fraction;
  }
  return text + body.exponentSuffix;
}

std::string DecimalText(double value, int decimals, const NumberFormat& format) {
  char buffer[400];
  const auto printed =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  std::string text(buffer, printed.ptr);
  const std::size_t point = text.find('.');
  if (point != std::string::npos) {
    text.replace(point, 1, format.decimalSeparator);
  }
  return text;
}

std::string AtLeastText(double value, int decimals, const NumberFormat& format) {
  const double scale = std::pow(10.0, decimals);
  double units = std::floor(value * scale);
  std::string text = DecimalText(value, decimals);
  double printed = 0;
  while (std::from_chars(text.data(), text.data() + text.size(), printed).ec == std::errc{} &&
         printed < value) {
    text = DecimalText(++units / scale, decimals);
  }
  const std::size_t point = text.find('.');
  if (point != std::string::npos) {
    text.replace(point, 1, format.decimalSeparator);
  }
  return text;
}

double RoundedTo(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return std::round(value * scale) / scale;
}

int DecimalsKeepingOrder(double a, double b, int fewest) {
  constexpr int kMostDecimals = 12;
  int decimals = fewest;
  while (decimals < kMostDecimals && (a < b) != (RoundedTo(a, decimals) < RoundedTo(b, decimals))) {
    ++decimals;
  }
  while (decimals < kMostDecimals && (a > b) != (RoundedTo(a, decimals) > RoundedTo(b, decimals))) {
    ++decimals;
  }
  return decimals;
}

std::string PercentText(double ratio) {
  const std::string text = DecimalText(ratio * 100, 1);
  // Just above one, the nearest tenth would read as a column at exactly its capacity.
  if (ratio > 1 && text == "100.0") {
    return "100.1";
  }
  return text;
}

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  for (std::size_t end = text.find(separator); end != std::string_view::npos;
       end = text.find(separator, start)) {
    pieces.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  pieces.push_back(text.substr(start));
  return pieces;
}

} // namespace engine
