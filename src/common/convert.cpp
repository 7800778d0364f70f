#include "common/convert.h"

#include <algorithm>
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

namespace {

// Position of the first character from `i` on that is not skipped.
size_t SkipBlanks(std::string_view text, size_t i) {
  while (i < text.size() && IsSkipped(text[i]))
    ++i;
  return i;
}

// The exponent from the "E" or "D" at `i` on, as "e-3", advancing `i` past it; nothing when it
// has no digits. Blanks are skipped inside it too.
std::string ReadExponent(std::string_view text, size_t& i) {
  std::string exponent = "e";
  i = SkipBlanks(text, i + 1);
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) exponent += text[i++];
  bool any_digit = false;
  for (i = SkipBlanks(text, i); i < text.size() && IsDigit(text[i]); i = SkipBlanks(text, i + 1)) {
    exponent += text[i];
    any_digit = true;
  }
  return any_digit ? exponent : "";
}

// The decimal number from `i` on without its blanks ("-12.5e3"); empty when it has no digit.
std::string GatherDecimal(std::string_view text, size_t i) {
  std::string number;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') number += '-';
    ++i;
  }
  bool any_digit = false;
  bool seen_point = false;
  for (i = SkipBlanks(text, i); i < text.size(); i = SkipBlanks(text, i + 1)) {
    const char c = text[i];
    if (IsDigit(c)) {
      any_digit = true;
    } else if (c != '.' || seen_point) {
      break;
    }
    seen_point = seen_point || c == '.';
    number += c;
  }
  if (!any_digit) return "";
  const char e = i < text.size() ? text[i] : '\0';
  if (e == 'E' || e == 'e' || e == 'D' || e == 'd') number += ReadExponent(text, i);
  return number;
}

// The value of a gathered decimal number, rounded correctly; beyond a double's range, plus or
// minus infinity or 0.
double DecimalValue(const std::string& number) {
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

}  // namespace

double ParseNumber(std::string_view text) {
  if (const std::optional<double> plain = PlainWholeNumber(text)) return *plain;
  size_t i = SkipBlanks(text, 0);
  if (i < text.size() && text[i] == '&') {
    i = SkipBlanks(text, i + 1);
    const char marker = i < text.size() ? text[i] : '\0';
    if (marker == 'H' || marker == 'h') return ParseRadix(text, i + 1, 16);
    if (marker == 'O' || marker == 'o') return ParseRadix(text, i + 1, 8);
    return 0;
  }
  const std::string number = GatherDecimal(text, i);
  return number.empty() ? 0 : DecimalValue(number);
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

namespace {

// What a digit pattern asks for.
struct DigitPattern {
  bool has_point = false;
  int decimals = 0;     // digit places after the point
  size_t min_int = 0;   // integer digits always shown: the "0"s before the point
  size_t min_frac = 0;  // decimal digits always shown: the "0"s after it
};

DigitPattern ReadPattern(std::string_view pattern) {
  const size_t point = pattern.find('.');
  const std::string_view int_part = pattern.substr(0, point);
  const std::string_view frac_part =
      point == std::string_view::npos ? std::string_view() : pattern.substr(point + 1);
  DigitPattern p;
  p.has_point = point != std::string_view::npos;
  p.decimals = static_cast<int>(frac_part.size());
  p.min_int = static_cast<size_t>(std::count(int_part.begin(), int_part.end(), '0'));
  p.min_frac = static_cast<size_t>(std::count(frac_part.begin(), frac_part.end(), '0'));
  return p;
}

// A magnitude as decimal digits with the decimal point after the first `int_digits` of them;
// `int_digits` may be negative (0.001 is "1" with -2) or beyond the digits (400 may be "4" with 3).
struct DecimalDigits {
  std::string digits;
  int int_digits = 0;
};

// The first 15 significant digits of |x|; none for 0. Up to 15 digits a whole number's digits
// are those of the integer.
DecimalDigits SignificantDigits(double x) {
  DecimalDigits d;
  if (x == 0) return d;
  std::array<char, 40> buffer{};
  if (std::fabs(x) < 1e15 && x == std::trunc(x)) {
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                      static_cast<int64_t>(std::fabs(x)));
    d.digits.assign(buffer.data(), result.ptr);
    d.int_digits = static_cast<int>(d.digits.size());
    return d;
  }
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(x),
                                    std::chars_format::scientific, 14);
  const std::string_view text(buffer.data(), static_cast<size_t>(result.ptr - buffer.data()));
  const size_t e = text.find('e');
  d.digits.assign(buffer.data(), e);  // "1.23456789012340"
  d.digits.erase(1, 1);
  // The exponent: "e+05", "e-03".
  const std::string_view exponent = text.substr(e + (text[e + 1] == '+' ? 2 : 1));
  std::from_chars(exponent.data(), exponent.data() + exponent.size(), d.int_digits);
  ++d.int_digits;
  return d;
}

// Rounds to `decimals` places, half away from zero: what a reader of the digits expects.
void RoundHalfAwayFromZero(DecimalDigits& d, int decimals) {
  const int keep = d.int_digits + decimals;
  if (keep < 0) {
    d.digits.clear();
    return;
  }
  if (keep >= static_cast<int>(d.digits.size())) return;
  const bool round_up = d.digits[static_cast<size_t>(keep)] >= '5';
  d.digits.resize(static_cast<size_t>(keep));
  if (!round_up) return;
  for (int i = keep - 1; i >= 0; --i) {
    char& digit = d.digits[static_cast<size_t>(i)];
    if (digit != '9') {
      ++digit;
      return;
    }
    digit = '0';
  }
  d.digits.insert(d.digits.begin(), '1');  // 9.96 to 10.
  ++d.int_digits;
}

// Rounded digits laid out by the pattern; a minus sign only when a digit other than 0 shows.
std::string LayOut(const DecimalDigits& d, const DigitPattern& p, bool negative) {
  const auto digit_at = [&](int position) {  // position 0 is the first integer digit
    if (position < 0 || position >= static_cast<int>(d.digits.size())) return '0';
    return d.digits[static_cast<size_t>(position)];
  };
  std::string int_text;
  for (int position = 0; position < d.int_digits; ++position)
    int_text += digit_at(position);
  const size_t first_nonzero = int_text.find_first_not_of('0');
  int_text = first_nonzero == std::string::npos ? "" : int_text.substr(first_nonzero);
  if (int_text.size() < p.min_int) int_text.insert(0, p.min_int - int_text.size(), '0');

  std::string frac_text;
  for (int place = 0; place < p.decimals; ++place)
    frac_text += digit_at(d.int_digits + place);
  while (frac_text.size() > p.min_frac && frac_text.back() == '0')
    frac_text.pop_back();

  const bool nonzero = d.digits.find_first_not_of('0') != std::string::npos;
  std::string result = negative && nonzero ? "-" : "";
  result += int_text;
  if (p.has_point) result += '.';
  result += frac_text;
  return result;
}

}  // namespace

std::string FormatNumber(double x, std::string_view pattern) {
  if (!std::isfinite(x)) return ShortestText(x, 15);
  const DigitPattern p = ReadPattern(pattern);
  DecimalDigits d = SignificantDigits(x);
  RoundHalfAwayFromZero(d, p.decimals);
  return LayOut(d, p, x < 0);
}

}  // namespace gw
