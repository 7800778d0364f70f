#include "common/text.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "common/error.h"
#include "support/temp_folder.h"

namespace gw {
namespace {

std::vector<std::string> Lines(std::string_view text) {
  LineReader reader(text);
  std::vector<std::string> lines;
  std::string_view line;
  while (reader.Next(line))
    lines.emplace_back(line);
  return lines;
}

TEST(LineReader, AnyOfCrLfCrAndLfEndsALine) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Lines(""), V{});
  EXPECT_EQ(Lines("a"), V{"a"});
  EXPECT_EQ(Lines("a\r\nb\rc\nd"), (V{"a", "b", "c", "d"}));
  EXPECT_EQ(Lines("a\r\n"), V{"a"});
  EXPECT_EQ(Lines("\n\n"), (V{"", ""}));
  EXPECT_EQ(Lines("a\n\rb"), (V{"a", "", "b"}));  // LF then CR are two endings
  EXPECT_EQ(Lines("a\r\r\n"), (V{"a", ""}));
}

TEST(LineReader, CountsLinesFromOne) {
  LineReader reader("x\ny\n");
  std::string_view line;
  ASSERT_TRUE(reader.Next(line));
  EXPECT_EQ(reader.number(), 1);
  ASSERT_TRUE(reader.Next(line));
  EXPECT_EQ(reader.number(), 2);
  EXPECT_FALSE(reader.Next(line));
}

TEST(Fields, MidCutsShortAndTrimRemovesOnlyBlanks) {
  EXPECT_EQ(Mid("abcdef", 2, 3), "bcd");
  EXPECT_EQ(Mid("abcdef", 5, 9), "ef");
  EXPECT_EQ(Mid("abc", 4, 2), "");
  EXPECT_EQ(Mid("abc", 9, 2), "");
  EXPECT_EQ(MidRest("abcdef", 4), "def");
  EXPECT_EQ(MidRest("abc", 74), "");
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim("\ta\t"), "\ta\t");
}

TEST(ReadWholeFile, ReadsBytesAndReportsWhatCannotBeRead) {
  test::TempFolder folder;
  const auto file = folder.Write("f.txt", std::string("a\0b\r\n", 5));
  EXPECT_EQ(ReadWholeFile(file), std::string("a\0b\r\n", 5));
  try {
    ReadWholeFile(folder.path() / "missing.txt");
    FAIL();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.kind(), ErrorKind::FileNotFound);
    EXPECT_NE(e.detail().find("missing.txt"), std::string::npos);
  }
  EXPECT_THROW(ReadWholeFile(folder.path()), RuntimeError);  // a folder is no file
  std::istringstream stream("line");
  EXPECT_EQ(ReadWholeStream(stream), "line");
}

}  // namespace
}  // namespace gw
