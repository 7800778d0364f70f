#include "common/convert.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/error.h"

namespace gw {
namespace {

ErrorKind KindOf(auto&& call) {
  try {
    call();
  } catch (const RuntimeError& e) {
    return e.kind();
  }
  ADD_FAILURE() << "no error raised";
  return ErrorKind::InvalidArgument;
}

TEST(ParseNumber, ReadsTheLeadingNumberAndSkipsBlanksAnywhere) {
  EXPECT_EQ(ParseNumber(" 1 2"), 12);
  EXPECT_EQ(ParseNumber("\t3\n4x5"), 34);
  EXPECT_EQ(ParseNumber("2.5"), 2.5);
  EXPECT_EQ(ParseNumber("-.5e1"), -5);
  EXPECT_EQ(ParseNumber("1D2"), 100);
  EXPECT_EQ(ParseNumber("1d-2"), 0.01);
  EXPECT_EQ(ParseNumber("+7"), 7);
  EXPECT_EQ(ParseNumber("- 7"), -7);
  EXPECT_EQ(ParseNumber("1.2.3"), 1.2);
  EXPECT_EQ(ParseNumber("5."), 5);
  EXPECT_EQ(ParseNumber("12abc"), 12);
  EXPECT_EQ(ParseNumber("1e"), 1);  // an exponent without digits is not read
  EXPECT_EQ(ParseNumber("1e+"), 1);
  EXPECT_EQ(ParseNumber("3 e 2"), 300);
}

TEST(ParseNumber, PlainDigitsUpToFifteenAndBeyond) {
  const struct {
    const char* name;
    const char* text;
    double expected;
  } cases[] = {
      {"fifteen digits are exact", "999999999999999", 999999999999999.0},
      {"sixteen round to the nearest double", "9007199254740993", 9007199254740992.0},
      {"leading zeros", "007", 7},
      {"a sign leaves the plain digits", "-12", -12},
      {"minus zero is zero", "-0", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const double value = ParseNumber(c.text);
    EXPECT_EQ(value, c.expected);
    EXPECT_FALSE(std::signbit(value) && value == 0);
  }
}

TEST(ParseNumber, TextWithoutALeadingNumberIsZero) {
  EXPECT_EQ(ParseNumber(""), 0);
  EXPECT_EQ(ParseNumber("abc"), 0);
  EXPECT_EQ(ParseNumber("."), 0);
  EXPECT_EQ(ParseNumber("-"), 0);
  EXPECT_EQ(ParseNumber("e5"), 0);
  EXPECT_EQ(ParseNumber("\r5"), 0);  // a carriage return is not a blank
  EXPECT_FALSE(std::signbit(ParseNumber("-0")));
}

TEST(ParseNumber, HexadecimalAndOctal) {
  EXPECT_EQ(ParseNumber("&H1F"), 31);
  EXPECT_EQ(ParseNumber("&h1f"), 31);
  EXPECT_EQ(ParseNumber("&O17"), 15);
  EXPECT_EQ(ParseNumber("&O19"), 1);  // 9 is no octal digit
  EXPECT_EQ(ParseNumber("&HG"), 0);
  EXPECT_EQ(ParseNumber("&X1"), 0);
  EXPECT_EQ(ParseNumber(" & H 1 0"), 16);
}

TEST(ParseNumber, HugeNumbersBecomeInfinityAndTinyOnesZero) {
  EXPECT_EQ(ParseNumber("1e999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(ParseNumber("-1e999"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(ParseNumber("1e-999"), 0);
  EXPECT_EQ(KindOf([] { ToInt16(ParseNumber("1e999")); }), ErrorKind::Overflow);
}

TEST(ToInt16, RoundsTiesToEvenOnBothSidesAndChecksTheRange) {
  EXPECT_EQ(ToInt16(2.5), 2);
  EXPECT_EQ(ToInt16(3.5), 4);
  EXPECT_EQ(ToInt16(-2.5), -2);
  EXPECT_EQ(ToInt16(-3.5), -4);
  EXPECT_EQ(ToInt16(0.5), 0);
  EXPECT_EQ(ToInt16(2.6), 3);
  EXPECT_EQ(ToInt16(32767.4), 32767);
  EXPECT_EQ(ToInt16(-32768.5), -32768);  // the tie goes to the even -32768
  EXPECT_EQ(KindOf([] { ToInt16(32767.5); }), ErrorKind::Overflow);
  EXPECT_EQ(KindOf([] { ToInt16(-32768.6); }), ErrorKind::Overflow);
}

TEST(ToByte, RoundsTiesToEvenAndChecksTheRange) {
  EXPECT_EQ(ToByte(2.5), 2);
  EXPECT_EQ(ToByte(3.5), 4);
  EXPECT_EQ(ToByte(-0.5), 0);
  EXPECT_EQ(ToByte(255.4), 255);
  EXPECT_EQ(ToByte(254.5), 254);
  EXPECT_EQ(KindOf([] { ToByte(255.5); }), ErrorKind::Overflow);
  EXPECT_EQ(KindOf([] { ToByte(256); }), ErrorKind::Overflow);
  EXPECT_EQ(KindOf([] { ToByte(-0.6); }), ErrorKind::Overflow);
}

TEST(FloorInt16, TakesTheFloorAndChecksTheRange) {
  EXPECT_EQ(FloorInt16(2.7), 2);
  EXPECT_EQ(FloorInt16(-0.5), -1);
  EXPECT_EQ(FloorInt16(32767.9), 32767);
  EXPECT_EQ(FloorInt16(-32768), -32768);
  EXPECT_EQ(KindOf([] { FloorInt16(32768); }), ErrorKind::Overflow);
  EXPECT_EQ(KindOf([] { FloorInt16(-32768.1); }), ErrorKind::Overflow);
}

TEST(ToSingle, RoundsAndRefusesWhatSinglePrecisionCannotHold) {
  EXPECT_EQ(ToSingle(0.1), 0.1f);
  EXPECT_EQ(ToSingle(3.4e38), 3.4e38f);
  EXPECT_EQ(KindOf([] { ToSingle(3.5e38); }), ErrorKind::Overflow);
  EXPECT_EQ(KindOf([] { ToSingle(-1e300); }), ErrorKind::Overflow);
}

TEST(NumberToText, ShortestTextWithSevenOrFifteenDigits) {
  EXPECT_EQ(NumberToText(0.0f), "0");
  EXPECT_EQ(NumberToText(12.0f), "12");
  EXPECT_EQ(NumberToText(2.5f), "2.5");
  EXPECT_EQ(NumberToText(0.5f), "0.5");
  EXPECT_EQ(NumberToText(-2.5f), "-2.5");
  EXPECT_EQ(NumberToText(0.1f), "0.1");  // not 0.100000001
  EXPECT_EQ(NumberToText(1.0f / 3), "0.3333333");
  EXPECT_EQ(NumberToText(-0.0f), "0");
  EXPECT_EQ(NumberToText(0.1 + 0.2), "0.3");
  EXPECT_EQ(NumberToText(1.0 / 3), "0.333333333333333");
  EXPECT_EQ(NumberToText(123456789012345.0), "123456789012345");
  EXPECT_EQ(NumberToText(1e15), "1E+15");
  EXPECT_EQ(NumberToText(1e7f), "1E+07");
  EXPECT_EQ(NumberToText(9999999.0f), "9999999");
}

TEST(FormatNumber, ThePatternsInUse) {
  EXPECT_EQ(FormatNumber(0, "#0"), "0");
  EXPECT_EQ(FormatNumber(7, "#0"), "7");
  EXPECT_EQ(FormatNumber(400, "#0"), "400");  // every integer digit, however few positions
  EXPECT_EQ(FormatNumber(5, "#0.0"), "5.0");
  EXPECT_EQ(FormatNumber(0, "#0.0"), "0.0");
  EXPECT_EQ(FormatNumber(32.5, "#0.0"), "32.5");
  EXPECT_EQ(FormatNumber(32, "##"), "32");
  EXPECT_EQ(FormatNumber(0, "##"), "");
  EXPECT_EQ(FormatNumber(29.5, "###.#"), "29.5");
  EXPECT_EQ(FormatNumber(30, "###.#"), "30.");
  EXPECT_EQ(FormatNumber(0.5, "###.#"), ".5");
  EXPECT_EQ(FormatNumber(1234.5, "###.#"), "1234.5");
}

TEST(FormatNumber, WholeNumbersAroundFifteenDigits) {
  const struct {
    const char* name;
    double x;
    const char* pattern;
    const char* expected;
  } cases[] = {
      {"negative", -3, "#0", "-3"},
      {"minus zero", -0.0, "#0", "0"},
      {"fifteen digits", 999999999999999.0, "#0", "999999999999999"},
      {"sixteen digits", 1e15, "#0", "1000000000000000"},
      {"beyond fifteen digits only fifteen are kept", 1234567890123456789.0, "##",
       "1234567890123460000"},
      {"with decimals", 7, "#0.0", "7.0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FormatNumber(c.x, c.pattern), c.expected);
  }
}

TEST(FormatNumber, RoundsHalfAwayFromZero) {
  EXPECT_EQ(FormatNumber(0.25, "#0.0"), "0.3");
  EXPECT_EQ(FormatNumber(-0.25, "#0.0"), "-0.3");
  EXPECT_EQ(FormatNumber(2.5, "#0"), "3");
  EXPECT_EQ(FormatNumber(-2.5, "#0"), "-3");
  EXPECT_EQ(FormatNumber(9.96, "###.#"), "10.");
  EXPECT_EQ(FormatNumber(-9.96, "###.#"), "-10.");
  EXPECT_EQ(FormatNumber(0.04, "###.#"), ".");
  EXPECT_EQ(FormatNumber(-0.04, "#0.0"), "0.0");  // no sign on a value that rounds to zero
  EXPECT_EQ(FormatNumber(0.05, "###.#"), ".1");
  EXPECT_EQ(FormatNumber(4.55f, "###.#"), "4.6");
}

TEST(RuntimeError, NamesItsKindAndDetail) {
  const RuntimeError e(ErrorKind::IndexOutOfRange, "an 11th data line in section 1");
  EXPECT_STREQ(e.what(), "Index out of range: an 11th data line in section 1");
  const RuntimeError placed = e.At("GemData2.dat line 23");
  EXPECT_EQ(placed.kind(), ErrorKind::IndexOutOfRange);
  EXPECT_EQ(placed.detail(), "GemData2.dat line 23: an 11th data line in section 1");
  EXPECT_EQ(KindName(ErrorKind::FileNotFound), "File not found");
  EXPECT_EQ(KindName(ErrorKind::Overflow), "Overflow");
  EXPECT_EQ(KindName(ErrorKind::InvalidArgument), "Invalid argument");
}

}  // namespace
}  // namespace gw
