#include "common/convert.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "common/error.h"

namespace gw {

namespace {

bool IsSkipped(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// "&H1F", "&O17": digits in the given base, blanks skipped like everywhere else.
double ParseRadix(std::string_view text, size_t i, int base) {
  double value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (IsSkipped(c)) continue;
    int digit = -1;
    if (IsDigit(c)) {
      digit = c - '0';
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (base == 16 && c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    }
    if (digit < 0 || digit >= base) break;
    value = value * base + digit;
  }
  return value;
}

}  // namespace

namespace {

// Most texts the program reads back are plain whole numbers ("0", "12"); those need neither the
// blanks, signs and exponents of the general reading nor from_chars. Up to 15 digits the value is
// exact either way. Nothing when `text` is not such a number.
std::optional<double> PlainWholeNumber(std::string_view text) {
  if (text.empty() || text.size() > 15) return std::nullopt;
  int64_t value = 0;
  for (const char c : text) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return static_cast<double>(value);
}

}  // namespace

double ParseNumber(std::string_view text) {
  if (const std::optional<double> plain = PlainWholeNumber(text)) return *plain;
  size_t i = 0;
  auto skip = [&] {
    while (i < text.size() && IsSkipped(text[i]))
      ++i;
  };
  skip();
  if (i < text.size() && text[i] == '&') {
    ++i;
    skip();
    const char marker = i < text.size() ? text[i] : '\0';
    if (marker == 'H' || marker == 'h') return ParseRadix(text, i + 1, 16);
    if (marker == 'O' || marker == 'o') return ParseRadix(text, i + 1, 8);
    return 0;
  }

  // Gather the number without its blanks, then let from_chars round it correctly.
  std::string number;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') number += '-';
    ++i;
  }
  bool any_digit = false;
  bool seen_point = false;
  for (skip(); i < text.size(); ++i, skip()) {
    const char c = text[i];
    if (IsDigit(c)) {
      number += c;
      any_digit = true;
    } else if (c == '.' && !seen_point) {
      number += c;
      seen_point = true;
    } else {
      break;
    }
  }
  if (!any_digit) return 0;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
    std::string exponent = "e";
    ++i;
    skip();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
      exponent += text[i];
      ++i;
    }
    bool exponent_digit = false;
    for (skip(); i < text.size() && IsDigit(text[i]); ++i, skip()) {
      exponent += text[i];
      exponent_digit = true;
    }
    if (exponent_digit) number += exponent;
  }

  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  (void)end;
  if (error == std::errc::result_out_of_range) {
    // from_chars reports both directions alike; tell a huge number from a tiny one by its digits.
    const bool negative = number.front() == '-';
    const bool tiny = number.find("e-") != std::string::npos;
    if (tiny) return 0;
    return negative ? -std::numeric_limits<double>::infinity()
                    : std::numeric_limits<double>::infinity();
  }
  return value == 0 ? 0.0 : value;  // no negative zero
}

std::string OverflowDetail(double x, NumberKind kind) {
  switch (kind) {
    case NumberKind::Int16:
      return NumberToText(x) + " is outside -32768..32767";
    case NumberKind::Byte:
      return NumberToText(x) + " is outside 0..255";
    case NumberKind::Single:
      break;
  }
  return NumberToText(x) + " is too large for single precision";
}

namespace {

bool FitsInt16(double whole) {
  return whole >= -32768.0 && whole <= 32767.0;  // false for NaN
}

template <class Number>
Number OrOverflow(std::optional<Number> value, double x, NumberKind kind) {
  if (!value) throw RuntimeError(ErrorKind::Overflow, OverflowDetail(x, kind));
  return *value;
}

}  // namespace

std::optional<int16_t> TryToInt16(double x) {
  const double r = std::nearbyint(x);
  if (!FitsInt16(r)) return std::nullopt;
  return static_cast<int16_t>(r);
}

std::optional<uint8_t> TryToByte(double x) {
  const double r = std::nearbyint(x);
  if (!(r >= 0.0 && r <= 255.0)) return std::nullopt;
  return static_cast<uint8_t>(r);
}

std::optional<float> TryToSingle(double x) {
  // From this magnitude on, rounding to single precision gives infinity.
  constexpr double kSingleLimit = 0x1.ffffffp+127;
  if (!(std::fabs(x) < kSingleLimit)) return std::nullopt;
  return static_cast<float>(x);
}

int16_t ToInt16(double x) {
  return OrOverflow(TryToInt16(x), x, NumberKind::Int16);
}

uint8_t ToByte(double x) {
  return OrOverflow(TryToByte(x), x, NumberKind::Byte);
}

float ToSingle(double x) {
  return OrOverflow(TryToSingle(x), x, NumberKind::Single);
}

int16_t FloorInt16(double x) {
  const double r = std::floor(x);
  if (!FitsInt16(r)) throw RuntimeError(ErrorKind::Overflow, OverflowDetail(x, NumberKind::Int16));
  return static_cast<int16_t>(r);
}

namespace {

std::string ShortestText(double x, int significant) {
  if (std::isnan(x)) return "NaN";
  if (std::isinf(x)) return x > 0 ? "Infinity" : "-Infinity";
  if (x == 0) return "0";
  // Whole numbers that the digits can show need no formatting machinery.
  const double whole_limit = significant <= 7 ? 1e7 : 1e15;
  if (std::fabs(x) < whole_limit && x == std::trunc(x)) {
    std::array<char, 24> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<int64_t>(x));
    return std::string(buffer.data(), result.ptr);
  }
  // to_chars never consults the locale, so the decimal point is "." under any environment.
  std::array<char, 40> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                    std::chars_format::general, significant);
  std::string text(buffer.data(), result.ptr);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;
}

}  // namespace

std::string NumberToText(float x) {
  return ShortestText(static_cast<double>(x), 7);
}
std::string NumberToText(double x) {
  return ShortestText(x, 15);
}

std::string FormatNumber(double x, std::string_view pattern) {
  const size_t point = pattern.find('.');
  const bool has_point = point != std::string_view::npos;
  const std::string_view int_pattern = pattern.substr(0, point);
  const std::string_view frac_pattern = has_point ? pattern.substr(point + 1) : std::string_view();
  size_t min_int = 0;
  for (char c : int_pattern)
    min_int += c == '0' ? 1 : 0;
  size_t min_frac = 0;
  for (char c : frac_pattern)
    min_frac += c == '0' ? 1 : 0;
  const int decimals = static_cast<int>(frac_pattern.size());

  if (!std::isfinite(x)) return ShortestText(x, 15);

  // A whole number that its 15 digits show exactly, in a pattern without decimals (prices in
  // coins, capacities): the digits are those of the integer, with no rounding to do.
  if (!has_point && std::fabs(x) < 1e15 && x == std::trunc(x)) {
    std::string int_text;
    if (x != 0) {
      std::array<char, 24> buffer{};
      const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                        static_cast<int64_t>(std::fabs(x)));
      int_text.assign(buffer.data(), result.ptr);
    }
    if (int_text.size() < min_int) int_text.insert(0, min_int - int_text.size(), '0');
    return x < 0 ? "-" + int_text : int_text;
  }

  // The value's first 15 significant digits, as a digit string with the position of the decimal
  // point; rounding half away from zero on these digits is what a reader of the digits expects.
  std::string digits;
  int int_digits = 0;  // digits before the decimal point
  if (x != 0) {
    std::array<char, 40> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(x),
                                      std::chars_format::scientific, 14);
    const std::string_view text(buffer.data(), static_cast<size_t>(result.ptr - buffer.data()));
    const size_t e = text.find('e');
    digits.assign(buffer.data(), e);  // "1.23456789012340"
    digits.erase(1, 1);
    // The exponent: "e+05", "e-03".
    const std::string_view exponent = text.substr(e + (text[e + 1] == '+' ? 2 : 1));
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), int_digits);
    ++int_digits;
  }
  const int keep = int_digits + decimals;
  if (keep < 0) {
    digits.clear();
  } else if (keep < static_cast<int>(digits.size())) {
    const bool round_up = digits[static_cast<size_t>(keep)] >= '5';
    digits.resize(static_cast<size_t>(keep));
    if (round_up) {
      int i = keep - 1;
      for (; i >= 0; --i) {
        if (digits[static_cast<size_t>(i)] == '9') {
          digits[static_cast<size_t>(i)] = '0';
        } else {
          ++digits[static_cast<size_t>(i)];
          break;
        }
      }
      if (i < 0) {
        digits.insert(digits.begin(), '1');
        ++int_digits;
      }
    }
  }

  auto digit_at = [&](int position) {  // position 0 is the first integer digit
    if (position < 0 || position >= static_cast<int>(digits.size())) return '0';
    return digits[static_cast<size_t>(position)];
  };
  std::string int_text;
  for (int p = 0; p < int_digits; ++p)
    int_text += digit_at(p);
  const size_t first_nonzero = int_text.find_first_not_of('0');
  int_text = first_nonzero == std::string::npos ? "" : int_text.substr(first_nonzero);
  if (int_text.size() < min_int) int_text.insert(0, min_int - int_text.size(), '0');

  std::string frac_text;
  for (int p = 0; p < decimals; ++p)
    frac_text += digit_at(int_digits + p);
  while (frac_text.size() > min_frac && frac_text.back() == '0')
    frac_text.pop_back();

  const bool nonzero = digits.find_first_not_of('0') != std::string::npos;
  std::string result = x < 0 && nonzero ? "-" : "";
  result += int_text;
  if (has_point) result += '.';
  result += frac_text;
  return result;
}

}  // namespace gw
