#include "common/text.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

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
  EXPECT_EQ(Lines("\xEF\xBB\xBF"
                  "a\n\xEF\xBB\xBF"),
            (V{"a", "\xEF\xBB\xBF"}));  // a leading mark
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

TEST(ReadWholeFile, ReadsOnlyRegularFilesAndSaysWhatElseItFound) {
  test::TempFolder folder;
  const auto file = folder.Write("f.txt", std::string("a\0b\r\n", 5));
  const std::filesystem::path dir = folder.path();
  std::filesystem::create_symlink(file, dir / "link.txt");
  EXPECT_EQ(ReadWholeFile(dir / "link.txt"), std::string("a\0b\r\n", 5));
  ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
  std::filesystem::create_symlink(dir / "loop", dir / "loop");
  std::filesystem::create_symlink("/dev/zero", dir / "zero");
  const struct {
    const char* name;
    std::filesystem::path path;
    uint64_t max_size;
    const char* reason;
  } cases[] = {
      {"missing", dir / "missing.txt", kMaxFileSize, "No such file or directory"},
      {"folder", dir, kMaxFileSize, "it is a folder"},
      {"named pipe, never waited on", dir / "pipe", kMaxFileSize, "it is a named pipe"},
      {"link to a device", dir / "zero", kMaxFileSize, "it is a device"},
      {"link loop", dir / "loop", kMaxFileSize, "Too many levels of symbolic links"},
      {"over the size limit", file, 4, "it is larger than"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      ReadWholeFile(c.path, c.max_size);
      ADD_FAILURE() << "read";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.kind(), ErrorKind::FileNotFound);
      EXPECT_NE(e.detail().find(c.path.string() + " cannot be read ("), std::string::npos);
      EXPECT_NE(e.detail().find(c.reason), std::string::npos) << e.detail();
    }
  }
  EXPECT_EQ(ReadWholeFile(file, 5).size(), 5u);
  std::istringstream stream("line");
  EXPECT_EQ(ReadWholeStream(stream), "line");
}

}  // namespace
}  // namespace gw
