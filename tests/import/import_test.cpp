#include <gtest/gtest.h>

#include <optional>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "common/convert.h"
#include "data/data_files.h"
#include "import/item_set_reader.h"
#include "support/files.h"

namespace gw {
namespace {

// An imported item as one line: level, quality, flags, AF/DPS, speed, bonus, name, then each
// gem as type/amount/effect/quality.
std::string Text(const ImportedItem& i) {
  std::string t = "L" + std::to_string(i.ItemLevel) + " Q" + std::to_string(i.ItemQuality) +
                  (i.Equipped ? " equipped" : "") + (i.PlayerMade ? " crafted" : "") + " " +
                  NumberToText(i.AfDps) + " " + NumberToText(i.Speed) + " " +
                  NumberToText(i.Bonus) + " '" + i.ItemName + "'";
  for (const ImportedGem& g : i.Gems) {
    t += " " + std::to_string(g.GemType) + "/" + std::to_string(g.AmountCode) + "/" +
         std::to_string(g.EffectIndex) + "/" + std::to_string(g.GemQuality);
  }
  return t;
}

class ReadItemSetTest : public ::testing::Test {
 protected:
  ReadItemSetTest() { InitData(test::SampleDataFolder(), tables); }
  ItemSetReading Read(const std::string& text) { return ReadItemSet(text, tables); }
  static std::string Reasons(const ItemSetReading& r) {
    std::string text;
    for (const ImportProblem& p : r.problems.first())
      text += std::to_string(p.line) + ": " + p.reason + "\n";
    return text;
  }
  ReferenceTables tables;
};

TEST_F(ReadItemSetTest, OnlyLinesBeginningWithItemAndAnItemNumberCount) {
  // Lines end at CR LF, CR or LF; a byte-order mark is dropped at the start of the text only.
  const auto r = Read(
      "\xEF\xBB\xBFITEM2_LEVEL=2\n ITEM1_LEVEL=3\nitem1_LEVEL=4\n; ITEM1_LEVEL=5\n\rITEM1_LEVEL=6\n"
      "ITEM07_LEVEL=40\r\nITEM7_QUALITY=3\rITEM12_LEVEL=12\r\r\nITEM123_LEVEL=9\n"
      "\xEF\xBB\xBFITEM3_LEVEL=3\nITEM19_LEVEL=5\nITEM-1_LEVEL=5\nITEM19 says nothing\n");
  EXPECT_TRUE(r.has_item_lines);
  std::string levels;
  for (int k : {1, 2, 3, 7, 12})
    levels += std::to_string(r.ImportedItems[k].ItemLevel) + " ";
  EXPECT_EQ(levels, "6 2 0 40 9 ");  // a third digit is not read
  EXPECT_EQ(r.ImportedItems[7].ItemQuality, 3);
  EXPECT_EQ(Reasons(r),
            "13: item number 19 is outside 0..18\n14: item number -1 is outside 0..18\n");
  EXPECT_FALSE(Read("[Chest]\n\n ITEM1_LEVEL=3\nITE").has_item_lines);
}

TEST_F(ReadItemSetTest, FieldsGoWhereTheirKeysSayAndValuesBeyondTheirLimitsAreReportedByLine) {
  tables.GemIdList(53) = {"ST_STR", 6, 25};  // a second record with the same identifier
  const std::string long_id = std::string(39, 'X') + "\xC3\xA9" + "Y";  // "é" at bytes 40 and 41
  const auto r = Read(
      "ITEM0_NAME=  Helm = of Dawn  \nITEM1_NAME\nITEM2_DPS=16.5\nITEM2_SPEED=3.7\n"
      "ITEM4_GEM2_QUALITY=5\nITEM4_GEM2_LEVEL=6\nITEM4_GEM2_NAME=x\nITEM4_GEM1_BONUS=12\n"
      "ITEM4_GEMx_QUALITY=3\n"  // "_GEM" then a non-digit: gem 0
      "ITEM3_LEVEL=10\nITEM3_GEM1_GEM_ID=ST_STR\nITEM3_LEVEL=20\nITEM3_GEM1_GEM_ID=RS_SLASH\n"
      // Identifiers: case matters, the last equal record wins, and an unknown one changes
      // nothing, is held to no limits and is reported (a long one cut short, never inside a
      // UTF-8 character).
      "ITEM5_GEM0_GEM_ID= ST_STR \nITEM5_GEM1_GEM_ID=st_str\n"
      "ITEM5_GEM2_GEM_ID=RS_HEAT\nITEM5_GEM2_GEM_ID=NOT_THERE\n"
      "ITEM25_GEM2_GEM_ID=NOT_THERE\nITEM5_GEM7_GEM_ID=" +
      long_id +
      "\n"
      // Values beyond their limits are skipped; the rest of the item is read.
      "ITEM6_LEVEL=300\nITEM6_QUALITY=7\nITEM6_GEM4_LEVEL=1\n"
      "ITEM6_GEM0_QUALITY=-1\nITEM6_DPS=1e39\nITEM6_GEM0_GEM_ID=ST_STR\n"
      "ITEM6_GEM9_GEM_ID=ST_CON\nITEM6_LEVEL=52\nITEM6_QUALITY=6.4\n");
  std::string items;
  for (int k = 0; k < 7; ++k)
    items += Text(r.ImportedItems[k]) + "\n";
  EXPECT_EQ(items,
            "L0 Q0 0 0 0 '  Helm = of Dawn  ' 0/0/0/0 0/0/0/0 0/0/0/0 0/0/0/0\n"
            "L0 Q0 0 0 0 'ITEM1_NAME' 0/0/0/0 0/0/0/0 0/0/0/0 0/0/0/0\n"  // no "=": the whole line
            "L0 Q0 16.5 3.7 0 '' 0/0/0/0 0/0/0/0 0/0/0/0 0/0/0/0\n"
            "L20 Q0 0 0 0 '' 0/0/0/0 2/0/8/0 0/0/0/0 0/0/0/0\n"
            "L0 Q0 0 0 12 'x' 0/0/0/3 0/0/0/0 0/6/0/5 0/0/0/0\n"
            "L0 Q0 0 0 0 '' 6/0/25/0 0/0/0/0 2/0/2/0 0/0/0/0\n"
            "L52 Q6 0 0 0 '' 6/0/25/0 0/0/0/0 0/0/0/0 0/0/0/0\n");
  EXPECT_EQ(Reasons(r),
            "15: gem identifier \"st_str\" is not in velmora.dat\n"
            "17: gem identifier \"NOT_THERE\" is not in velmora.dat\n"
            "18: gem identifier \"NOT_THERE\" is not in velmora.dat\n"
            "19: gem identifier \"" +
                long_id.substr(0, 39) +
                "...\" is not in velmora.dat\n"
                "20: item level 300 is outside 0..255\n"
                "21: item quality 7 is outside 0..6 (94% to 100%)\n"
                "22: gem number 4 is outside 0..3\n"
                "23: gem quality -1 is outside 0..255\n"
                "24: AF/DPS 1E+39 is too large for single precision\n"
                "26: gem number 9 is outside 0..3\n");
  tables.GemIdList(53) = {};  // an empty identifier matches the unused records past the last
  EXPECT_EQ(
      Read("ITEM1_GEM3_GEM_ID=RS_COLD\nITEM1_GEM3_GEM_ID=  ").ImportedItems[1].Gems[3].GemType, 0);
  // Flags are true only for exactly one.
  std::string text, flags;
  const char* values[] = {"1", "1.0", " 1 ", "2", "-1", "yes", "", "0.5"};
  for (int k = 0; k < 8; ++k)
    text += "ITEM" + std::to_string(k) + "_EQUIPPED=" + values[k] + "\nITEM" + std::to_string(k) +
            "_PLAYER_MADE=" + values[k] + "\n";
  for (const ImportedItem& item : Read(text).ImportedItems)
    flags += std::to_string(item.Equipped) + std::to_string(item.PlayerMade) + " ";
  EXPECT_EQ(flags, "11 11 11 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 ");
}

// The character's lines: exactly their keys, anywhere in the file, the last one winning; a value
// the window cannot hold is skipped and reported by line, and a field no line sets stays unset.
TEST_F(ReadItemSetTest, CharacterLinesSetTheirFieldsAndRefuseWhatTheWindowCannotHold) {
  const auto r = Read(
      "CAP_STAT_STR=75\nITEM0_NAME=x\n[Character]\nCAP_STAT_STR=12a\nCAP_SKILL_CELT_DUAL=0009\n"
      "CAP_HITS=10000\nPRIORITY_RESIST_BODY=Med.\nPRIORITY_POWER=med.\nPRIORITY_FOCUS_VOID=\n"
      "CHARACTER_CLASS=Bard\nCHARACTER_CLASS=Paladin\nDISPLAY=Distance to Cap\nDISPLAY=cap\n"
      "EQUIPPED_ONLY=1\nEQUIPPED_ONLY=yes\n CAP_STAT_CON=5\ncap_stat_dex=5\nCAP_STAT_QUI 5\n"
      "CHARACTER_NAME= Thane = of Dawn \nCRAFTER_LEVEL=50.5\n"
      // A focus row's cap under the misspelt caption earlier versions wrote, its priority under
      // the corrected one.
      "CAP_FOCUS_MANTALISM=40\nPRIORITY_FOCUS_MENTALISM=High\n");
  const CharacterSettings& c = r.character;
  EXPECT_EQ(c.caps[0], std::optional<std::string>("75"));  // the later "12a" is refused
  EXPECT_EQ(c.caps[ui::kPanelRowCount - 26 + 2], std::optional<std::string>("0009"));
  EXPECT_EQ(c.caps[8 + 9], std::nullopt);  // Hits: 10000 is past 9999
  EXPECT_EQ(c.priorities[8], std::optional(2));
  EXPECT_EQ(c.priorities[8 + 9 + 1], std::nullopt);           // case matters
  EXPECT_EQ(c.priorities[8 + 9 + 2 + 4], std::optional(-1));  // empty: none chosen
  EXPECT_EQ(c.class_choice, std::optional(1));
  EXPECT_EQ(c.distance_to_cap, std::optional(true));
  EXPECT_EQ(c.equipped_only, std::optional(true));
  EXPECT_EQ(c.caps[1], std::nullopt);  // keys begin their lines, as written
  EXPECT_EQ(c.name, std::optional<std::string>(" Thane = of Dawn "));
  EXPECT_EQ(c.crafter_level, std::optional<std::string>("50.5"));
  EXPECT_EQ(c.level, std::nullopt);
  EXPECT_EQ(c.caps[8 + 9 + 2 + 3], std::optional<std::string>("40"));
  EXPECT_EQ(c.priorities[8 + 9 + 2 + 3], std::optional(1));
  // The keys are the file's: saved files rely on every one of them staying as it is.
  EXPECT_EQ(CapKey(0, 0) + " " + CapKey(4, 5) + " " + PriorityKey(5, 7) + " " + CapKey(2, 0) + " " +
                PriorityKey(5, 2) + " " + CapKey(3, 0),
            "CAP_STAT_STR CAP_FOCUS_ARBOREAL PRIORITY_SKILL_L_WEAP CAP_HITS "
            "PRIORITY_SKILL_CELT_DUAL CAP_POWER");
  EXPECT_EQ(c.settings, 11);
  EXPECT_EQ(r.settings, 12);
  EXPECT_EQ(Reasons(r),
            "4: CAP_STAT_STR \"12a\" is not a whole number from 0 to 9999\n"
            "6: CAP_HITS \"10000\" is not a whole number from 0 to 9999\n"
            "8: PRIORITY_POWER \"med.\" is not a priority\n"
            "11: class \"Paladin\" is not in the class list\n"
            "13: display \"cap\" is neither \"Total Bonus\" nor \"Distance to Cap\"\n"
            "15: EQUIPPED_ONLY \"yes\" is neither 0 nor 1\n");
}

TEST(ImportProblems, KeepTheFirstTwentyByLineWhateverOrderTheyComeIn) {
  // The transfer reports after the whole file was read, at lines before the reader's last ones;
  // one line may be reported more than once. What is kept must be what a stable sort of them
  // all by line would put first.
  std::mt19937 random(20);
  for (int round = 0; round < 300; ++round) {
    const int count = std::uniform_int_distribution<int>(0, 60)(random);
    const int lines = std::uniform_int_distribution<int>(1, 80)(random);
    ImportProblems problems;
    std::vector<ImportProblem> all;
    for (int i = 0; i < count; ++i) {
      const int line = std::uniform_int_distribution<int>(1, lines)(random);
      all.push_back({line, std::to_string(i)});
      problems.Add(line, std::to_string(i));
    }
    std::stable_sort(all.begin(), all.end(), [](const ImportProblem& a, const ImportProblem& b) {
      return a.line < b.line;
    });
    all.resize(std::min(all.size(), ImportProblems::kKept));
    std::string expected, kept;
    for (const ImportProblem& p : all)
      expected += std::to_string(p.line) + ":" + p.reason + " ";
    for (const ImportProblem& p : problems.first())
      kept += std::to_string(p.line) + ":" + p.reason + " ";
    ASSERT_EQ(kept, expected) << "round " << round;
    ASSERT_EQ(problems.count(), static_cast<size_t>(count));
    ASSERT_EQ(problems.more(), static_cast<size_t>(count) - all.size());
    ASSERT_EQ(problems.empty(), count == 0);
  }

  ImportProblems problems;
  for (int line = 30; line >= 1; --line)
    problems.Add(line, "bad");
  const std::string message = problems.Message(ImportProblems::SkippedHeading("set.txt"));
  EXPECT_EQ(message.find("Some settings in \"set.txt\" could not be used and were skipped:\n\n"
                         "line 1: bad\nline 2: bad\n"),
            0u);
  EXPECT_NE(message.find("line 20: bad\n\n... and 10 more."), std::string::npos);
  EXPECT_EQ(message.find("line 21"), std::string::npos);

  // Twenty are all listed; one more is counted.
  ImportProblems twenty;
  for (int line = 1; line <= 20; ++line)
    twenty.Add(line, "bad");
  EXPECT_EQ(twenty.Message("h").substr(twenty.Message("h").size() - 13), "\nline 20: bad");
  twenty.Add(21, "bad");
  EXPECT_EQ(twenty.Message("h").substr(twenty.Message("h").size() - 30),
            "\nline 20: bad\n\n... and 1 more.");
}

}  // namespace
}  // namespace gw
