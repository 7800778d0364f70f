#include "common/terminal_text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>

#include "common/text.h"

namespace gw {

namespace {

// The code point of the UTF-8 sequence at `at` and its length; an invalid sequence is its first
// byte alone, with no code point.
struct Decoded {
  char32_t code = 0;
  size_t length = 1;
  bool valid = false;
};

Decoded DecodeAt(std::string_view s, size_t at) {
  const auto byte = [&](size_t i) { return static_cast<uint8_t>(s[i]); };
  const uint8_t lead = byte(at);
  if (lead < 0x80) return {lead, 1, true};
  size_t length = 0;
  char32_t code = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07;
  } else {
    return {};
  }
  if (at + length > s.size()) return {};
  for (size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return {};
    code = (code << 6) | (byte(at + i) & 0x3F);
  }
  // Overlong forms, surrogates and code points past U+10FFFF are no characters.
  static constexpr std::array<char32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kSmallest[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return {};
  return {code, length, true};
}

bool IsControl(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

struct Range {
  char32_t first, last;
};

bool InRanges(char32_t c, const Range* begin, const Range* end) {
  const Range* range =
      std::upper_bound(begin, end, c, [](char32_t code, const Range& r) { return code < r.first; });
  return range != begin && c <= (range - 1)->last;
}

// East Asian Wide and Fullwidth (Unicode's EastAsianWidth.txt, W and F), in order.
constexpr Range kWide[] = {
    {0x1100, 0x115F},   {0x231A, 0x231B},   {0x2329, 0x232A},   {0x23E9, 0x23EC},
    {0x23F0, 0x23F0},   {0x23F3, 0x23F3},   {0x25FD, 0x25FE},   {0x2614, 0x2615},
    {0x2648, 0x2653},   {0x267F, 0x267F},   {0x2693, 0x2693},   {0x26A1, 0x26A1},
    {0x26AA, 0x26AB},   {0x26BD, 0x26BE},   {0x26C4, 0x26C5},   {0x26CE, 0x26CE},
    {0x26D4, 0x26D4},   {0x26EA, 0x26EA},   {0x26F2, 0x26F3},   {0x26F5, 0x26F5},
    {0x26FA, 0x26FA},   {0x26FD, 0x26FD},   {0x2705, 0x2705},   {0x270A, 0x270B},
    {0x2728, 0x2728},   {0x274C, 0x274C},   {0x274E, 0x274E},   {0x2753, 0x2755},
    {0x2757, 0x2757},   {0x2795, 0x2797},   {0x27B0, 0x27B0},   {0x27BF, 0x27BF},
    {0x2B1B, 0x2B1C},   {0x2B50, 0x2B50},   {0x2B55, 0x2B55},   {0x2E80, 0x303E},
    {0x3041, 0x3247},   {0x3250, 0x4DBF},   {0x4E00, 0xA4CF},   {0xA960, 0xA97F},
    {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},   {0xFE10, 0xFE19},   {0xFE30, 0xFE6F},
    {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},   {0x16FE0, 0x16FE4}, {0x16FF0, 0x16FF1},
    {0x17000, 0x18CD5}, {0x18D00, 0x18D08}, {0x1AFF0, 0x1B2FB}, {0x1F004, 0x1F004},
    {0x1F0CF, 0x1F0CF}, {0x1F18E, 0x1F18E}, {0x1F191, 0x1F19A}, {0x1F200, 0x1F202},
    {0x1F210, 0x1F23B}, {0x1F240, 0x1F248}, {0x1F250, 0x1F251}, {0x1F260, 0x1F265},
    {0x1F300, 0x1F320}, {0x1F32D, 0x1F335}, {0x1F337, 0x1F37C}, {0x1F37E, 0x1F393},
    {0x1F3A0, 0x1F3CA}, {0x1F3CF, 0x1F3D3}, {0x1F3E0, 0x1F3F0}, {0x1F3F4, 0x1F3F4},
    {0x1F3F8, 0x1F43E}, {0x1F440, 0x1F440}, {0x1F442, 0x1F4FC}, {0x1F4FF, 0x1F53D},
    {0x1F54B, 0x1F54E}, {0x1F550, 0x1F567}, {0x1F57A, 0x1F57A}, {0x1F595, 0x1F596},
    {0x1F5A4, 0x1F5A4}, {0x1F5FB, 0x1F64F}, {0x1F680, 0x1F6C5}, {0x1F6CC, 0x1F6CC},
    {0x1F6D0, 0x1F6D2}, {0x1F6D5, 0x1F6D7}, {0x1F6DC, 0x1F6DF}, {0x1F6EB, 0x1F6EC},
    {0x1F6F4, 0x1F6FC}, {0x1F7E0, 0x1F7EB}, {0x1F7F0, 0x1F7F0}, {0x1F90C, 0x1F93A},
    {0x1F93C, 0x1F945}, {0x1F947, 0x1F9FF}, {0x1FA70, 0x1FAFF}, {0x20000, 0x2FFFD},
    {0x30000, 0x3FFFD},
};

// Characters a terminal draws on the one before, or not at all: the combining marks of the
// common scripts and the zero-width characters.
constexpr Range kZeroWidth[] = {
    {0x0300, 0x036F}, {0x0483, 0x0489}, {0x0591, 0x05BD}, {0x0610, 0x061A}, {0x064B, 0x065F},
    {0x0E31, 0x0E31}, {0x0E34, 0x0E3A}, {0x0E47, 0x0E4E}, {0x1AB0, 0x1AFF}, {0x1DC0, 0x1DFF},
    {0x200B, 0x200F}, {0x202A, 0x202E}, {0x2060, 0x2064}, {0x20D0, 0x20FF}, {0x302A, 0x302D},
    {0x3099, 0x309A}, {0xFE00, 0xFE0F}, {0xFE20, 0xFE2F}, {0xFEFF, 0xFEFF}, {0xE0100, 0xE01EF},
};

constexpr bool Ordered(const Range* begin, const Range* end) {
  return std::is_sorted(begin, end,
                        [](const Range& a, const Range& b) { return a.last < b.first; });
}
static_assert(Ordered(std::begin(kWide), std::end(kWide)));
static_assert(Ordered(std::begin(kZeroWidth), std::end(kZeroWidth)));

template <size_t N>
bool In(char32_t c, const Range (&ranges)[N]) {
  return InRanges(c, ranges, ranges + N);
}

}  // namespace

std::string TerminalText(std::string_view utf8) {
  std::string text;
  text.reserve(utf8.size());
  for (size_t at = 0; at < utf8.size();) {
    const Decoded d = DecodeAt(utf8, at);
    if (d.valid && IsControl(d.code)) {
      text += '?';
    } else {
      text.append(utf8.substr(at, d.length));
    }
    at += d.length;
  }
  return text;
}

size_t DisplayWidth(std::string_view utf8) {
  size_t width = 0;
  for (size_t at = 0; at < utf8.size();) {
    if (static_cast<unsigned char>(utf8[at]) < 0x80) {  // ASCII, most of any report: one column
      ++width;
      ++at;
      continue;
    }
    const Decoded d = DecodeAt(utf8, at);
    if (!d.valid) {
      width += 1;
    } else if (In(d.code, kWide)) {
      width += 2;
    } else if (!In(d.code, kZeroWidth)) {
      width += 1;
    }
    at += d.length;
  }
  return width;
}

std::string PrintableText(std::string_view bytes) {
  return TerminalText(ShownText(bytes));
}

std::string PadRight(const std::string& text, size_t width) {
  const size_t w = DisplayWidth(text);
  return w >= width ? text : text + std::string(width - w, ' ');
}

std::string PadLeft(const std::string& text, size_t width) {
  const size_t w = DisplayWidth(text);
  return w >= width ? text : std::string(width - w, ' ') + text;
}

std::string FitWidth(const std::string& text, size_t width) {
  if (DisplayWidth(text) <= width) return text;
  if (width == 0) return "";
  // Whole characters only: a UTF-8 sequence is its lead byte and the continuation bytes after.
  std::string cut;
  for (size_t i = 0; i < text.size();) {
    size_t next = i + 1;
    while (next < text.size() && (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80)
      ++next;
    const std::string_view one(text.data() + i, next - i);
    if (DisplayWidth(cut) + DisplayWidth(one) > width - 1) break;
    cut.append(one);
    i = next;
  }
  return cut + "~";
}

}  // namespace gw
