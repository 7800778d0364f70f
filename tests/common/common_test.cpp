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
  } cases[] = {
      {" 1 2", 12},     {"\t3\n4x5", 34}, {"2.5", 2.5},     {"-.5e1", -5},  {"1D2", 100},
      {"1d-2", 0.01},   {"+7", 7},        {"- 7", -7},      {"1.2.3", 1.2}, {"5.", 5},
      {"1e", 1},        {"1e+", 1},       {"3 e 2", 300},   {"", 0},        {"abc", 0},
      {".", 0},         {"-", 0},         {"e5", 0},        {"\r5", 0},     {"&H1F", 31},
      {"&h1f", 31},     {"&O17", 15},     {"&O19", 1},      {"&HG", 0},     {"&X1", 0},
      {" & H 1 0", 16}, {"1e999", inf},   {"-1e999", -inf}, {"1e-999", 0},  {"&HA", 10},
      {"&ha", 10},      {"&O18", 1},      {"&H1G2", 1},     {"&O1x7", 1},   {"1.2.3", 1.2}};
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
  EXPECT_EQ(Converted(ToSingle, 3.5e38), x);
}

TEST(NumberToText, ShortestTextWithSevenOrFifteenDigits) {
  std::string texts;
  for (float x : {0.0f, 12.0f, 2.5f, 0.5f, -2.5f, 0.1f, -0.0f, 1.0f / 3, 1e7f, 9999999.0f})
    texts += NumberToText(x) + " ";
  for (double x : {0.1 + 0.2, 1.0 / 3, 123456789012345.0, 1e15})
    texts += NumberToText(x) + " ";
  EXPECT_EQ(texts,
            "0 12 2.5 0.5 -2.5 0.1 0 0.3333333 1E+07 9999999 0.3 0.333333333333333 "
            "123456789012345 1E+15 ");
}

TEST(FormatNumber, PatternsRoundHalfAwayFromZeroAndPadWithTheirZeros) {
  const struct {
    const char* pattern;
    std::vector<double> values;
    const char* texts;
  } cases[] = {{"#0",
                {0, 400, 2.5, -2.5, 123456789012345, 1e15},
                "0 400 3 -3 123456789012345 1000000000000000 "},
               {"#0.0",
                {5, 0, 32.5, 0.25, -0.25, -0.04, 12345678901.25},
                "5.0 0.0 32.5 0.3 -0.3 0.0 12345678901.3 "},
               {"##", {32, 0}, "32  "},
               {"###.#",
                {29.5, 30, 0.5, 1234.5, 9.96, -9.96, 0.04, 0.05, 4.55f},
                "29.5 30. .5 1234.5 10. -10. . .1 4.6 "},
               // Beyond the patterns in use: two decimals, and zeros the integer part pads to.
               {"000.00", {1.25, 7, 1234.5}, "001.25 007.00 1234.50 "},
               // A minus sign for every value whose digits show something, ones included.
               {"#0.0", {-1.1, -11, -0.01}, "-1.1 -11.0 0.0 "}};
  for (const auto& c : cases) {
    std::string texts;
    for (double x : c.values)
      texts += FormatNumber(x, c.pattern) + " ";
    EXPECT_EQ(texts, c.texts) << c.pattern;
  }
}

TEST(ShownText, ValidUtf8AsItIsAnyOtherTextByteByByteAsLatin1) {
  // Each sequence at the edge of what UTF-8 allows; the invalid ones are overlong forms,
  // surrogates, code points past U+10FFFF, stray or cut-off continuation bytes.
  const std::pair<std::string, bool> cases[] = {
      {"", true},
      {"R\xC3\xBCstung", true},
      {"\xC2\x80\xDF\xBF", true},
      {"\xE0\xA0\x80\xED\x9F\xBF\xEF\xBF\xBF", true},
      {"\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", true},
      {"\xC1\xBF", false},
      {"\xE0\x9F\xBF", false},
      {"\xED\xA0\x80", false},
      {"\xF0\x8F\xBF\xBF", false},
      {"\xF4\x90\x80\x80", false},
      {"\xF5\x80\x80\x80", false},
      {"\x80\x80\x80", false},
      {"\xC3\x7F", false},
      {"\xC3\xC0", false},
      {"\xE2\x82"
       "A",
       false},
      {"\xE2\x82\xC0", false},
      {"\xF0\x90\x80"
       "A",
       false},
      {"x\xC3", false},
  };
  for (const auto& [bytes, valid] : cases)
    EXPECT_EQ(ShownText(bytes) == bytes, valid) << testing::PrintToString(bytes);
  EXPECT_EQ(ShownText("caf\xE9 \x80\xFF"), "caf\xC3\xA9 \xC2\x80\xC3\xBF");
}

TEST(ReadWholeFile, ReadsOnlyRegularFilesAndSaysWhatElseItFound) {
  test::TempFolder folder;
  const std::filesystem::path dir = folder.path(), file = folder.Write("f", {"a\0\n", 3});
  std::filesystem::create_symlink(file, dir / "link");
  EXPECT_EQ(ReadWholeFile(dir / "link", 3), std::string("a\0\n", 3));  // a limit of its size
  EXPECT_NE(ReadWholeFile("/proc/self/status").find("VmRSS"), std::string::npos);  // size 0
  ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
  std::filesystem::create_symlink(dir / "loop", dir / "loop");
  std::filesystem::create_symlink("/dev/zero", dir / "zero");
  // The only regular file is read with a limit one byte below its size.
  const std::pair<std::filesystem::path, const char*> cases[] = {
      {dir / "missing", "(No such file or directory)"},
      {dir, "(it is a folder)"},
      {dir / "pipe", "(it is a named pipe)"},  // never waited on
      {dir / "zero", "(it is a device)"},
      {dir / "loop", "(Too many levels of symbolic links)"},
      {file, "(it is larger than"},
      {"/proc/self/mem", "(Input/output error)"},  // a regular file whose reading fails
  };
  for (const auto& [path, reason] : cases) {
    const std::string error =
        test::ErrorOf([&] { ReadWholeFile(path, path == file ? 2 : kMaxFileSize); });
    EXPECT_EQ(error.rfind("File not found: " + path.string() + " cannot be read " + reason, 0), 0u)
        << error;
  }
  // A file whose size shows only in reading it is held to the same limit.
  const std::string line = ReadWholeFile("/proc/self/cmdline");
  EXPECT_EQ(ReadWholeFile("/proc/self/cmdline", line.size()), line);
  EXPECT_NE(test::ErrorOf([&] {
              ReadWholeFile("/proc/self/cmdline", line.size() - 1);
            }).find("(it is larger than"),
            std::string::npos);
}

}  // namespace
}  // namespace gw
