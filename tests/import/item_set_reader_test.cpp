#include "import/item_set_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "common/error.h"
#include "data/data_files.h"
#include "support/test_data.h"

namespace gw {
namespace {

class ReadItemSetTest : public ::testing::Test {
 protected:
  ReadItemSetTest() { InitData(test::SampleDataFolder(), tables); }
  ItemSetReading Read(const std::string& text) { return ReadItemSet(text, tables); }
  ReferenceTables tables;
};

std::string Reasons(const ItemSetReading& r) {
  std::string text;
  for (const ImportProblem& p : r.problems.all()) {
    text += std::to_string(p.line) + ": " + p.reason + "\n";
  }
  return text;
}

TEST_F(ReadItemSetTest, OnlyLinesBeginningWithItemCount) {
  const auto r = Read("[Chest]\n ITEM1_LEVEL=3\nitem1_LEVEL=4\n; ITEM1_LEVEL=5\n\nITEM1_LEVEL=6");
  EXPECT_TRUE(r.has_item_lines);
  EXPECT_EQ(r.ImportedItems[1].ItemLevel, 6);
  EXPECT_FALSE(Read("[Chest]\n\n ITEM1_LEVEL=3\nITE").has_item_lines);
}

TEST_F(ReadItemSetTest, ItemNumbersWithOneOrTwoDigits) {
  const auto r = Read(
      "ITEM07_LEVEL=40\r\nITEM7_QUALITY=3\rITEM12_LEVEL=12\nITEM123_LEVEL=9\n"
      "ITEM19_LEVEL=5\nITEM-1_LEVEL=5\nITEM19 says nothing\n");
  EXPECT_EQ(r.ImportedItems[7].ItemLevel, 40);
  EXPECT_EQ(r.ImportedItems[7].ItemQuality, 3);
  EXPECT_EQ(r.ImportedItems[12].ItemLevel, 9);  // a third digit is not read
  EXPECT_EQ(Reasons(r), "5: item number 19 is outside 0..18\n6: item number -1 is outside 0..18\n");
}

TEST_F(ReadItemSetTest, FlagsAreTrueOnlyForExactlyOne) {
  const char* values[] = {"1", "1.0", " 1 ", "2", "-1", "yes", "", "0.5"};
  const bool expected[] = {true, true, true, false, false, false, false, false};
  for (size_t i = 0; i < std::size(values); ++i) {
    const auto r =
        Read(std::string("ITEM2_EQUIPPED=") + values[i] + "\nITEM2_PLAYER_MADE=" + values[i]);
    EXPECT_EQ(r.ImportedItems[2].Equipped, expected[i]) << values[i];
    EXPECT_EQ(r.ImportedItems[2].PlayerMade, expected[i]) << values[i];
  }
}

TEST_F(ReadItemSetTest, TheNameIsEverythingAfterTheFirstEquals) {
  const auto r = Read("ITEM0_NAME=  Helm = of Dawn  \nITEM1_NAME\nITEM2_DPS=16.5\nITEM2_SPEED=3.7");
  EXPECT_EQ(r.ImportedItems[0].ItemName, "  Helm = of Dawn  ");
  EXPECT_EQ(r.ImportedItems[1].ItemName, "ITEM1_NAME");  // no "=": the whole line
  EXPECT_EQ(r.ImportedItems[2].AfDps, 16.5f);
  EXPECT_EQ(r.ImportedItems[2].Speed, 3.7f);
}

TEST_F(ReadItemSetTest, AGemLineSetsItemFieldsButNotTheItemsQualityOrLevel) {
  const auto r = Read(
      "ITEM4_GEM2_QUALITY=5\nITEM4_GEM2_LEVEL=6\nITEM4_GEM2_NAME=x\n"
      "ITEM4_GEM1_BONUS=12\nITEM4_GEMx_QUALITY=3");
  EXPECT_EQ(r.ImportedItems[4].Gems[2].GemQuality, 5);
  EXPECT_EQ(r.ImportedItems[4].Gems[2].AmountCode, 6);
  EXPECT_EQ(r.ImportedItems[4].ItemQuality, 0);
  EXPECT_EQ(r.ImportedItems[4].ItemLevel, 0);
  EXPECT_EQ(r.ImportedItems[4].ItemName, "x");
  EXPECT_EQ(r.ImportedItems[4].Bonus, 12);
  EXPECT_EQ(r.ImportedItems[4].Gems[0].GemQuality, 3);  // "_GEM" then a non-digit: gem 0
}

TEST_F(ReadItemSetTest, TheLastOfTwoEqualLinesWins) {
  const auto r = Read(
      "ITEM3_LEVEL=10\nITEM3_GEM1_GEM_ID=ST_STR\nITEM3_LEVEL=20\n"
      "ITEM3_GEM1_GEM_ID=RS_SLASH");
  EXPECT_EQ(r.ImportedItems[3].ItemLevel, 20);
  EXPECT_EQ(r.ImportedItems[3].Gems[1].GemType, 2);
  EXPECT_EQ(r.ImportedItems[3].Gems[1].EffectIndex, 8);
}

TEST_F(ReadItemSetTest, IdentifiersAreLookedUpExactlyAndTheLastEqualRecordWins) {
  tables.GemIdList(53) = {"ST_STR", 6, 25};  // a second record with the same identifier
  const auto r = Read(
      "ITEM0_GEM0_GEM_ID= ST_STR \nITEM0_GEM1_GEM_ID=st_str\n"
      "ITEM0_GEM2_GEM_ID=RS_HEAT\nITEM0_GEM2_GEM_ID=NOT_THERE\n"
      "ITEM25_GEM2_GEM_ID=NOT_THERE\nITEM0_GEM7_GEM_ID=ALSO_NOT\n");
  EXPECT_EQ(r.ImportedItems[0].Gems[0].GemType, 6);
  EXPECT_EQ(r.ImportedItems[0].Gems[0].EffectIndex, 25);
  EXPECT_EQ(r.ImportedItems[0].Gems[1].GemType, 0);  // case matters
  EXPECT_EQ(r.ImportedItems[0].Gems[2].GemType, 2);  // an unknown one changes nothing
  EXPECT_EQ(r.ImportedItems[0].Gems[2].EffectIndex, 2);
  EXPECT_EQ(Reasons(r), "");  // unknown identifiers are held to no limits
}

TEST_F(ReadItemSetTest, AnEmptyIdentifierMatchesTheUnusedRecordsPastTheLastOne) {
  tables.GemIdList(53) = {};
  const auto r = Read("ITEM1_GEM3_GEM_ID=RS_COLD\nITEM1_GEM3_GEM_ID=  ");
  EXPECT_EQ(r.ImportedItems[1].Gems[3].GemType, 0);
  EXPECT_EQ(r.ImportedItems[1].Gems[3].EffectIndex, 0);
}

TEST_F(ReadItemSetTest, ValuesBeyondTheirLimitsAreSkippedAndReportedByLine) {
  const auto r = Read(
      "ITEM1_LEVEL=300\nITEM1_QUALITY=7\nITEM1_GEM4_LEVEL=1\n"
      "ITEM1_GEM0_QUALITY=-1\nITEM1_DPS=1e39\nITEM1_GEM0_GEM_ID=ST_STR\n"
      "ITEM1_GEM9_GEM_ID=ST_CON\nITEM1_LEVEL=52\nITEM1_QUALITY=6.4\n");
  EXPECT_EQ(Reasons(r),
            "1: item level 300 is outside 0..255\n"
            "2: item quality 7 is outside 0..6 (94% to 100%)\n"
            "3: gem number 4 is outside 0..3\n"
            "4: gem quality -1 is outside 0..255\n"
            "5: AF/DPS 1E+39 is too large for single precision\n"
            "7: gem number 9 is outside 0..3\n");
  EXPECT_EQ(r.ImportedItems[1].ItemLevel, 52);
  EXPECT_EQ(r.ImportedItems[1].ItemQuality, 6);
  EXPECT_EQ(r.ImportedItems[1].Gems[0].GemType, 1);
  EXPECT_EQ(r.ImportedItems[1].AfDps, 0);
}

TEST_F(ReadItemSetTest, ReadsFromAStreamOrAFileAndNamesAFileItCannotRead) {
  std::istringstream stream("ITEM5_LEVEL=33");
  EXPECT_EQ(ReadItemSet(stream, tables).ImportedItems[5].ItemLevel, 33);
  const auto r = ReadItemSetFile(test::ExamplesFolder() / "full-set.txt", tables);
  EXPECT_TRUE(r.has_item_lines);
  EXPECT_TRUE(r.problems.empty()) << Reasons(r);
  try {
    ReadItemSetFile("/nonexistent/set.txt", tables);
    FAIL();
  } catch (const RuntimeError& e) {
    EXPECT_NE(e.detail().find("/nonexistent/set.txt"), std::string::npos);
  }
}

TEST(ImportProblems, TheMessageListsTwentyByLineThenCountsTheRest) {
  ImportProblems problems;
  for (int line = 30; line >= 1; --line)
    problems.Add(line, "bad");
  const std::string message = problems.Message(ImportProblems::SkippedHeading("set.txt"));
  EXPECT_EQ(message.find("Some settings in \"set.txt\" could not be used and were skipped:\n\n"
                         "line 1: bad\nline 2: bad\n"),
            0u);
  EXPECT_NE(message.find("line 20: bad\n\n... and 10 more."), std::string::npos);
  EXPECT_EQ(message.find("line 21"), std::string::npos);
}

}  // namespace
}  // namespace gw
