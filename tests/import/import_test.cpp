#include <gtest/gtest.h>
#include <sys/stat.h>

#include <optional>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "common/convert.h"
#include "common/error.h"
#include "common/text.h"
#include "data/data_files.h"
#include "import/item_set_reader.h"
#include "support/files.h"
#include "support/snapshot.h"

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
    for (const ImportProblem& p : r.problems.all())
      text += std::to_string(p.line) + ": " + p.reason + "\n";
    return text;
  }
  ReferenceTables tables;
};

TEST_F(ReadItemSetTest, OnlyLinesBeginningWithItemAndAnItemNumberCount) {
  const auto r = Read(
      "[Chest]\n ITEM1_LEVEL=3\nitem1_LEVEL=4\n; ITEM1_LEVEL=5\n\nITEM1_LEVEL=6\n"
      "ITEM07_LEVEL=40\r\nITEM7_QUALITY=3\rITEM12_LEVEL=12\nITEM123_LEVEL=9\n"
      "ITEM19_LEVEL=5\nITEM-1_LEVEL=5\nITEM19 says nothing\n");
  EXPECT_TRUE(r.has_item_lines);
  EXPECT_EQ(r.ImportedItems[1].ItemLevel, 6);
  EXPECT_EQ(r.ImportedItems[7].ItemLevel, 40);
  EXPECT_EQ(r.ImportedItems[7].ItemQuality, 3);
  EXPECT_EQ(r.ImportedItems[12].ItemLevel, 9);  // a third digit is not read
  EXPECT_EQ(Reasons(r),
            "11: item number 19 is outside 0..18\n12: item number -1 is outside 0..18\n");
  EXPECT_FALSE(Read("[Chest]\n\n ITEM1_LEVEL=3\nITE").has_item_lines);
}

TEST_F(ReadItemSetTest, FieldsGoWhereTheirKeysSayAndValuesBeyondTheirLimitsAreReportedByLine) {
  tables.GemIdList(53) = {"ST_STR", 6, 25};  // a second record with the same identifier
  const auto r = Read(
      "ITEM0_NAME=  Helm = of Dawn  \nITEM1_NAME\nITEM2_DPS=16.5\nITEM2_SPEED=3.7\n"
      "ITEM4_GEM2_QUALITY=5\nITEM4_GEM2_LEVEL=6\nITEM4_GEM2_NAME=x\nITEM4_GEM1_BONUS=12\n"
      "ITEM4_GEMx_QUALITY=3\n"  // "_GEM" then a non-digit: gem 0
      "ITEM3_LEVEL=10\nITEM3_GEM1_GEM_ID=ST_STR\nITEM3_LEVEL=20\nITEM3_GEM1_GEM_ID=RS_SLASH\n"
      // Identifiers: case matters, the last equal record wins, and an unknown one changes
      // nothing and is held to no limits.
      "ITEM5_GEM0_GEM_ID= ST_STR \nITEM5_GEM1_GEM_ID=st_str\n"
      "ITEM5_GEM2_GEM_ID=RS_HEAT\nITEM5_GEM2_GEM_ID=NOT_THERE\n"
      "ITEM25_GEM2_GEM_ID=NOT_THERE\nITEM5_GEM7_GEM_ID=ALSO_NOT\n"
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

class ImportTest : public ::testing::Test {
 protected:
  ImportTest() : form(test::SampleDataFolder()), w(form.window()) {
    form.Form_Load();
    w.present_message = [this](const std::string&, const std::string& text) {
      messages.push_back(text);
    };
  }
  // Opens `text` through File, "Open..." as a player would.
  void Import(const std::string& text) { ImportFile(folder.Write("set.txt", text).string()); }
  void ImportFile(std::optional<std::string> path) {
    w.CommonDialog.chooser = [path] { return path; };
    w.mnuOpen.Press();
  }
  // Item k's options, quality, level, name and AF, then type/quality/amount/effects per gem.
  std::string Item(int k) {
    std::string t = std::string(w.optDropped[k].Value() ? "dropped " : "crafted ") +
                    (w.chkEquip[k].Value() ? "equipped " : "") + w.cboItmQual[k].Text() + " " +
                    w.txtItmlevel[k].Text() + " '" + w.txtItemName[k].Text() + "' " +
                    w.txtAF[k].Text();
    for (int g = 0; g < 4; ++g) {
      const int s = ui::GemSlot(k, g);
      t += " " + w.cboType[s].Text() + "/" + w.cboGemQual[s].Text() + "/" + w.cboAmount[s].Text() +
           "/" + std::to_string(w.cboEffect[s].ListCount());
    }
    return t;
  }

  test::TempFolder folder;
  MainForm form;
  ui::MainWindow& w;
  std::vector<std::string> messages;
};

TEST_F(ImportTest,
       CraftedAmountsAreListEntriesDroppedOnesTheCodeAndWhatTheListsCannotTakeIsSkipped) {
  Import(
      "ITEM0_PLAYER_MADE=1\nITEM0_GEM0_GEM_ID=ST_DEX\nITEM0_GEM0_LEVEL=3\n"
      "ITEM0_GEM1_GEM_ID=RS_HEAT\nITEM0_GEM1_LEVEL=4\n"
      "ITEM1_PLAYER_MADE=0\nITEM1_GEM0_GEM_ID=RS_HEAT\nITEM1_GEM0_LEVEL=15\n"
      "ITEM2_PLAYER_MADE=1\nITEM2_GEM0_GEM_ID=ST_STR\nITEM2_GEM0_LEVEL=12\n"
      "ITEM2_GEM1_GEM_ID=HT_HITS\nITEM2_GEM1_LEVEL=2\nITEM2_QUALITY=9\nITEM19_NAME=x\n"
      "ITEM2_NAME=Still here\n");
  EXPECT_EQ(messages, std::vector<std::string>{
                          "Some settings in \"set.txt\" could not be used and were skipped:\n\n"
                          "line 11: gem level 12 is outside 0..9 for a crafted item\n"
                          "line 14: item quality 9 is outside 0..6 (94% to 100%)\n"
                          "line 15: item number 19 is outside 0..18"});
  // Stat amount 7 shows as 10 and counts at its level; "15" is also an entry's text.
  EXPECT_EQ(w.cboAmount[0].Text() + " " + w.cboAmount[1].Text() + " " + w.cboAmount[4].Text(),
            "10 7 15");
  EXPECT_EQ(w.cboAmount[0].ListIndex() * 10 + w.cboAmount[4].ListIndex(), 38);
  EXPECT_EQ(w.cboEffect[0].Text(), w.cboEffect[0].List(2));
  EXPECT_EQ(w.lblStatVal[2].Caption() + " " + w.lblResVal[2].Caption(), "10 22");  // 7 + 15
  EXPECT_EQ(w.lblGemPoint[0].Caption() + " " + w.lblGemPoint[1].Caption(), "7 3.5");
  EXPECT_EQ(w.lblGemCost[4].Caption(), " 0g 0s 0c");  // dropped
  // The skipped amount is not guessed; the rest of item 2 is imported.
  EXPECT_EQ(Item(2), "crafted 94% 0 'Still here' 0 Stat/94%//8 Hits/94%/" + w.cboAmount[9].List(2) +
                         "/1 Unused/94%/0/0 Unused/94%/0/0");
  EXPECT_FALSE(w.ImportInProgress);
}

TEST_F(ImportTest, ItemsTheFileDoesNotNameBecomeEmptyDroppedItemsAndEachImportStartsAfresh) {
  w.txtItemName[5].SetText("Old boots");
  w.cboType[20].SetListIndex(1);
  Import("ITEM5_NAME=Only in the first file\nITEM5_PLAYER_MADE=1\n");
  EXPECT_EQ(w.txtItemName[5].Text(), "Only in the first file");
  Import(
      "ITEM3_PLAYER_MADE=1\nITEM3_NAME=Greaves\nITEM3_LEVEL=40\nITEM3_QUALITY=6\n"
      "ITEM3_EQUIPPED=1\nITEM3_DPS=87.5\n");
  for (int k = 0; k < ui::kItemCount; ++k) {
    EXPECT_EQ(Item(k), k == 3 ? "crafted equipped 100% 40 'Greaves' 87.5 Unused/94%/0/0 "
                                "Unused/94%/0/0 Unused/94%/0/0 Unused/94%/0/0"
                              : "dropped 94% 0 '' 0 Unused/94%/0/0 Unused/94%/0/0 "
                                "Unused/94%/0/0 Unused/94%/0/0")
        << k;
  }
  // Four Unused gems on a crafted item at level 40, 100%: priced from the Unused rows.
  EXPECT_EQ(w.lblImbPoint[3].Caption().rfind("Imbue Points: 0.0 / ", 0), 0u);
  EXPECT_EQ(w.SSTab1.Tab(), 0);  // the import keeps the tab
}

TEST_F(ImportTest, TheExampleSetPricesEveryGemByItsOwnItemWhateverTabIsShown) {
  w.SSTab1.SetTab(11);  // the example's Neck is a dropped item
  Import(ReadWholeFile(test::ExamplesFolder() / "full-set.txt"));
  ASSERT_TRUE(messages.empty()) << messages[0];
  ASSERT_TRUE(w.optDropped[11].Value());
  int crafted_gems = 0;
  for (int slot = 0; slot < ui::kGemSlotCount; ++slot) {
    if (!w.optCraft[ui::ItemOfSlot(slot)].Value() || w.cboType[slot].ListIndex() < 1) continue;
    ++crafted_gems;
    EXPECT_TRUE(w.lblGemCost[slot].Caption() != " 0g 0s 0c" && w.lblGemName[slot].Caption() != "" &&
                w.lblGemPoint[slot].Caption() != "0.0")
        << slot;
  }
  EXPECT_GT(crafted_gems, 30);
  EXPECT_NE(w.lblOverc[0].Caption(), "Overcharge: none");  // the example overcharges its chest
  // Every item shows what choosing its tab shows, also after a set that empties the chest.
  for (const char* set : {"", "ITEM0_NAME=Plain robe\n"}) {
    if (*set != '\0') Import(set);
    const std::string imported = test::Snapshot(w);
    for (int k : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 11})
      w.SSTab1.SetTab(k);
    EXPECT_EQ(test::Snapshot(w), imported);
  }
  EXPECT_EQ(w.lblOverc[0].Caption(), "Overcharge: none");
}

TEST_F(ImportTest, ACancelledUnreadableItemlessOrEmptyFileChangesNothing) {
  w.cboType[0].SetListIndex(2);
  w.txtItemName[0].SetText("My plan");
  const std::string before = test::Snapshot(w);
  ASSERT_EQ(::mkfifo((folder.path() / "pipe").c_str(), 0600), 0);
  ImportFile(std::nullopt);
  ImportFile((folder.path() / "missing.txt").string());
  ImportFile(folder.path().string());             // a folder
  ImportFile("/dev/zero");                        // would never end
  ImportFile((folder.path() / "pipe").string());  // would wait for a writer
  Import("[Chest]\n\nName=Runed Hauberk\n");
  Import("ITEM");
  Import("ITEM19_NAME=x\nITEM3_GEM0_GEM_ID=NO_SUCH_GEM\n");
  ASSERT_EQ(messages.size(), 7u);
  EXPECT_NE(messages[0].find("missing.txt"), std::string::npos);
  EXPECT_NE(messages[0].find("Nothing was imported."), std::string::npos);
  EXPECT_EQ(messages[2], "/dev/zero cannot be read (it is a device). Nothing was imported.");
  EXPECT_NE(messages[3].find("(it is a named pipe)"), std::string::npos);
  EXPECT_NE(messages[4].find("set.txt\" holds no item lines"), std::string::npos);
  EXPECT_NE(messages[5].find("none of them sets anything. Nothing was imported."),
            std::string::npos);
  EXPECT_EQ(messages[6],
            "Nothing in \"set.txt\" could be used, so nothing was imported:\n\n"
            "line 1: item number 19 is outside 0..18");
  EXPECT_EQ(test::Snapshot(w), before);
  w.cboItmQual[4].Click = [] { throw RuntimeError(ErrorKind::Overflow, "test"); };
  EXPECT_THROW(Import("ITEM4_LEVEL=1\n"), RuntimeError);
  EXPECT_FALSE(w.ImportInProgress);  // even after an error
}

TEST_F(ImportTest, AnEffectPastItsTypesListIsSkipped) {
  // An identifier file that gives a Hits gem a second effect, which the Hits list lacks.
  test::SampleDataCopy data;
  data.Write("velmora.dat", "[3]\nHT_HITS=0\nHT_MORE=1\n[1]\nST_STR=9\n");
  MainForm other(data.path());
  other.Form_Load();
  const ImportOutcome outcome = other.OpenItemSet(
      folder.Write("set.txt", "ITEM0_GEM0_GEM_ID=HT_MORE\nITEM0_GEM1_GEM_ID=ST_STR\n"));
  EXPECT_NE(outcome.message.find("line 1: effect 1 is outside the 1 effects of a Hits gem\n"
                                 "line 2: effect 9 is outside the 8 effects of a Stat gem"),
            std::string::npos);
  EXPECT_EQ(other.window().cboEffect[0].ListIndex(), -1);
  EXPECT_EQ(other.window().cboType[1].Text(), "Stat");
}

}  // namespace
}  // namespace gw
