#include "platform/numbers.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace platform {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' '; }
bool IsSeparator(char c) { return c == ',' || c == '.'; }
bool IsSign(char c) { return c == '+' || c == '-'; }

// The parts of a number text as the numeric test finds them.
struct NumberParts {
  bool negative = false;
  std::string_view mantissa;  // digits with at most one separator
  bool hasExponent = false;
  bool negativeExponent = false;
  std::string_view exponent;  // one to three digits
};

std::optional<NumberParts> SplitNumber(std::string_view text) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && IsBlank(text[i])) ++i;

  NumberParts parts;
  if (i < n && IsSign(text[i])) {
    parts.negative = text[i] == '-';
    ++i;
  }

  const size_t mantissaStart = i;
  int digits = 0;
  int separators = 0;
  for (; i < n && (IsDigit(text[i]) || IsSeparator(text[i])); ++i) {
    if (IsDigit(text[i])) {
      ++digits;
    } else if (++separators > 1) {
      return std::nullopt;
    }
  }
  if (digits == 0) return std::nullopt;
  parts.mantissa = text.substr(mantissaStart, i - mantissaStart);

  if (i < n && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    parts.hasExponent = true;
    if (i < n && IsSign(text[i])) {
      parts.negativeExponent = text[i] == '-';
      ++i;
    }
    const size_t exponentStart = i;
    while (i < n && IsDigit(text[i])) ++i;
    const size_t exponentDigits = i - exponentStart;
    if (exponentDigits < 1 || exponentDigits > 3) return std::nullopt;
    parts.exponent = text.substr(exponentStart, exponentDigits);
  }

  while (i < n && IsBlank(text[i])) ++i;
  if (i != n) return std::nullopt;
  return parts;
}

// printf("%.15G") in the C locale: "." as decimal point, upper-case "E",
// exponent sign and at least two exponent digits. std::to_chars with a
// precision is specified to give exactly printf's "%.*g" form.
std::string PrintG15(double value) {
  if (value == 0.0) value = 0.0;  // no "-0"
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::general, 15);
  std::string text(buffer.data(), result.ptr);
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

std::string Fixed(double value, int decimals) {
  std::array<char, 400> buffer{};  // DBL_MAX has 309 integer digits
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, decimals);
  return std::string(buffer.data(), result.ptr);
}

// The decimal exponent of the value rounded to 15 significant digits.
int DecimalExponent(double value) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::scientific, 14);
  const std::string_view text(buffer.data(), static_cast<size_t>(result.ptr - buffer.data()));
  const size_t e = text.find('e');
  int exponent = 0;
  const char* first = text.data() + e + 1;
  if (*first == '+') ++first;
  std::from_chars(first, text.data() + text.size(), exponent);
  return exponent;
}

}  // namespace

bool IsNumeric(std::string_view text) { return SplitNumber(text).has_value(); }

// Every place of the test where a text can stop short of a number is one where
// a digit may follow, so one more digit tells whether more keys can finish it.
// Blanks alone are no start of a number.
bool IsUnfinishedNumber(std::string_view text) {
  if (text.find_first_not_of(' ') == std::string_view::npos || IsNumeric(text)) return false;
  return IsNumeric(std::string(text) + '0');
}

std::optional<double> TextToNumber(std::string_view text) {
  const auto parts = SplitNumber(text);
  if (!parts) return std::nullopt;

  // Rebuild the number in the one form std::from_chars reads: "." as the
  // separator, a digit on each side of it, no "+" signs.
  std::string normal;
  if (parts->negative) normal += '-';
  bool nonzeroMantissa = false;
  for (size_t i = 0; i < parts->mantissa.size(); ++i) {
    const char c = parts->mantissa[i];
    if (IsSeparator(c)) {
      if (i == 0) normal += '0';
      normal += '.';
      if (i + 1 == parts->mantissa.size()) normal += '0';
    } else {
      normal += c;
      nonzeroMantissa = nonzeroMantissa || c != '0';
    }
  }
  if (parts->hasExponent) {
    normal += 'e';
    if (parts->negativeExponent) normal += '-';
    normal += parts->exponent;
  }

  double value = 0.0;
  const char* end = normal.data() + normal.size();
  const auto result = std::from_chars(normal.data(), end, value, std::chars_format::general);
  if (result.ec != std::errc() || result.ptr != end) return std::nullopt;
  if (!std::isfinite(value)) return std::nullopt;
  if (nonzeroMantissa && std::fpclassify(value) != FP_NORMAL) return std::nullopt;
  if (value == 0.0) value = 0.0;  // no negative zero
  return value;
}

std::string NumberToText(double value) {
  std::string text = PrintG15(value);
  std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

std::string PlainNumberText(double value) {
  std::string text = PrintG15(value);
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.erase(0, 1);
  if (text.size() > 1 && text[0] == '0' && text[1] == '.') text.erase(0, 1);
  return (negative ? "-" : " ") + text;
}

std::optional<std::string> NumberTextForBox(double value, int maxLength) {
  if (!std::isfinite(value)) return std::nullopt;
  const std::string text = NumberToText(value);
  if (maxLength <= 0 || text.size() <= static_cast<size_t>(maxLength)) return text;

  const size_t keep = static_cast<size_t>(maxLength);
  // A cut exponent form reads as a different magnitude (1,5E+20 -> 1,5E+2).
  if (text.find('E') != std::string::npos) return std::nullopt;
  // So would an integer part that loses digits.
  const size_t integerLength = std::min(text.find(','), text.size());
  if (integerLength > keep) return std::nullopt;

  std::string cut = text.substr(0, keep);
  if (IsSign(cut.back())) return std::nullopt;
  return cut;
}

std::optional<std::string> FixedPointText(double value, int width) {
  if (!std::isfinite(value) || width <= 0) return std::nullopt;

  // More decimals than 15 significant digits would show the binary noise of
  // the double (0,1000000000000000055...).
  const int maxDecimals = value == 0.0 ? 0 : std::max(0, 14 - DecimalExponent(value));

  std::optional<std::string> text;
  // Rounding may lengthen the integer part (9,99 -> 10,0), so each count of
  // decimals is tried from the most that could fit.
  for (int decimals = std::min(width, maxDecimals); decimals >= 0; --decimals) {
    std::string candidate = Fixed(value, decimals);
    if (candidate.size() <= static_cast<size_t>(width)) {
      text = std::move(candidate);
      break;
    }
  }
  if (!text) return std::nullopt;

  if (text->find('.') != std::string::npos) {
    while (text->back() == '0') text->pop_back();
    if (text->back() == '.') text->pop_back();
  }
  const bool readsZero = text->find_first_not_of("-0") == std::string::npos;
  if (readsZero) {
    if (value != 0.0) return std::nullopt;
    return std::string("0");
  }
  std::replace(text->begin(), text->end(), '.', ',');
  return text;
}

}  // namespace platform
