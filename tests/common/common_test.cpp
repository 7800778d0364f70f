#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "common/convert.h"
#include "common/error.h"
#include "common/text.h"
#include "support/files.h"

namespace gw {
namespace {

// What `convert` makes of `in`, or kOverflow when it reports an overflow.
constexpr double kOverflow = 99999;
double Converted(auto convert, double in) {
  try {
    return convert(in);
  } catch (const RuntimeError& e) {
    return e.kind() == ErrorKind::Overflow ? kOverflow : -kOverflow;
  }
}

TEST(ParseNumber, ReadsTheLeadingNumberSkippingBlanksAnywhere) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    const char* text;
    double value;
  } cases[] = {{" 1 2", 12},     {"\t3\n4x5", 34}, {"2.5", 2.5},     {"-.5e1", -5},  {"1D2", 100},
               {"1d-2", 0.01},   {"+7", 7},        {"- 7", -7},      {"1.2.3", 1.2}, {"5.", 5},
               {"1e", 1},        {"1e+", 1},       {"3 e 2", 300},   {"", 0},        {"abc", 0},
               {".", 0},         {"-", 0},         {"e5", 0},        {"\r5", 0},     {"&H1F", 31},
               {"&h1f", 31},     {"&O17", 15},     {"&O19", 1},      {"&HG", 0},     {"&X1", 0},
               {" & H 1 0", 16}, {"1e999", inf},   {"-1e999", -inf}, {"1e-999", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseNumber(c.text), c.value);
  }
  EXPECT_FALSE(std::signbit(ParseNumber("-0")));
}

TEST(Conversions, RoundTiesToEvenOrTakeTheFloorAndCheckTheRange) {
  const double x = kOverflow;
  const struct {
    double in, int16, byte, floor;
  } cases[] = {{2.5, 2, 2, 2},           {3.5, 4, 4, 3},         {-2.5, -2, x, -3},
               {-3.5, -4, x, -4},        {0.5, 0, 0, 0},         {-0.5, 0, 0, -1},
               {2.6, 3, 3, 2},           {255.4, 255, 255, 255}, {254.5, 254, 254, 254},
               {255.5, 256, x, 255},     {-0.6, -1, x, -1},      {32767.4, 32767, x, 32767},
               {32767.5, x, x, 32767},   {32768, x, x, x},       {-32768, -32768, x, -32768},
               {-32768.5, -32768, x, x}, {-32768.6, x, x, x},    {HUGE_VAL, x, x, x}};
  for (const auto& c : cases) {
    EXPECT_EQ(Converted(ToInt16, c.in), c.int16) << c.in;
    EXPECT_EQ(Converted(ToByte, c.in), c.byte) << c.in;
    EXPECT_EQ(Converted(FloorInt16, c.in), c.floor) << c.in;
  }
  EXPECT_EQ(ToSingle(0.1), 0.1f);
  EXPECT_EQ(ToSingle(3.4e38), 3.4e38f);
  EXPECT_EQ(Converted(ToSingle, 3.5e38), x);
  EXPECT_EQ(Converted(ToSingle, -1e300), x);
}

TEST(NumberToText, ShortestTextWithSevenOrFifteenDigits) {
  const std::pair<float, const char*> singles[] = {
      {0.0f, "0"},     {12.0f, "12"},          {2.5f, "2.5"}, {0.5f, "0.5"},
      {-2.5f, "-2.5"}, {0.1f, "0.1"},          {-0.0f, "0"},  {1.0f / 3, "0.3333333"},
      {1e7f, "1E+07"}, {9999999.0f, "9999999"}};
  for (auto [x, text] : singles)
    EXPECT_EQ(NumberToText(x), text);
  EXPECT_EQ(NumberToText(0.1 + 0.2), "0.3");
  EXPECT_EQ(NumberToText(1.0 / 3), "0.333333333333333");
  EXPECT_EQ(NumberToText(123456789012345.0), "123456789012345");
  EXPECT_EQ(NumberToText(1e15), "1E+15");
}

TEST(FormatNumber, ThePatternsInUseRoundingHalfAwayFromZero) {
  const struct {
    const char* pattern;
    std::vector<double> values;
    const char* texts;
  } cases[] = {{"#0", {0, 400, 2.5, -2.5, 123456789012345}, "0 400 3 -3 123456789012345 "},
               {"#0.0", {5, 0, 32.5, 0.25, -0.25, -0.04}, "5.0 0.0 32.5 0.3 -0.3 0.0 "},
               {"##", {32, 0}, "32  "},
               {"###.#",
                {29.5, 30, 0.5, 1234.5, 9.96, -9.96, 0.04, 0.05, 4.55f},
                "29.5 30. .5 1234.5 10. -10. . .1 4.6 "}};
  for (const auto& c : cases) {
    std::string texts;
    for (double x : c.values)
      texts += FormatNumber(x, c.pattern) + " ";
    EXPECT_EQ(texts, c.texts) << c.pattern;
  }
}

TEST(LineReader, AnyOfCrLfCrAndLfEndsALineCountedFromOne) {
  const std::pair<const char*, const char*> cases[] = {{"", ""},
                                                       {"a", "a|"},
                                                       {"a\r\nb\rc\nd", "a|b|c|d|"},
                                                       {"a\r\n", "a|"},
                                                       {"\n\n", "||"},
                                                       {"a\n\rb", "a||b|"},
                                                       {"a\r\r\n", "a||"},
                                                       {"\xEF\xBB\xBF"
                                                        "a\n\xEF\xBB\xBF",
                                                        "a|\xEF\xBB\xBF|"}};  // a leading mark
  for (auto [text, expected] : cases) {
    LineReader reader(text);
    std::string lines;
    std::string_view line;
    for (int number = 1; reader.Next(line); ++number) {
      lines += std::string(line) + "|";
      EXPECT_EQ(reader.number(), number);
    }
    EXPECT_EQ(lines, expected) << text;
  }
}

TEST(ReadWholeFile, ReadsOnlyRegularFilesAndSaysWhatElseItFound) {
  test::TempFolder folder;
  const std::filesystem::path dir = folder.path(),
                              file = folder.Write("f", std::string("a\0\n", 3));
  std::filesystem::create_symlink(file, dir / "link");
  EXPECT_EQ(ReadWholeFile(dir / "link"), std::string("a\0\n", 3));
  EXPECT_EQ(ReadWholeFile(file, 3).size(), 3u);
  EXPECT_NE(ReadWholeFile("/proc/self/status").find("VmRSS"), std::string::npos);  // size 0
  ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
  std::filesystem::create_symlink(dir / "loop", dir / "loop");
  std::filesystem::create_symlink("/dev/zero", dir / "zero");
  const struct {
    std::filesystem::path path;
    uint64_t max_size;
    const char* reason;
  } cases[] = {
      {dir / "missing", kMaxFileSize, "(No such file or directory)"},
      {dir, kMaxFileSize, "(it is a folder)"},
      {dir / "pipe", kMaxFileSize, "(it is a named pipe)"},  // never waited on
      {dir / "zero", kMaxFileSize, "(it is a device)"},
      {dir / "loop", kMaxFileSize, "(Too many levels of symbolic links)"},
      {file, 2, "(it is larger than"},
  };
  for (const auto& c : cases) {
    try {
      ReadWholeFile(c.path, c.max_size);
      ADD_FAILURE() << c.path;
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.kind(), ErrorKind::FileNotFound);
      EXPECT_EQ(e.detail().rfind(c.path.string() + " cannot be read " + c.reason, 0), 0u)
          << e.detail();
    }
  }
}

}  // namespace
}  // namespace gw
