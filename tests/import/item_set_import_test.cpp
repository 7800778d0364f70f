#include "import/item_set_import.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <optional>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "common/error.h"
#include "common/text.h"
#include "support/snapshot.h"
#include "support/test_data.h"

namespace gw {
namespace {

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
  // Chooses every tab in turn and comes back: an import must leave nothing that a tab's
  // evaluation would still change.
  void ChooseEveryTab() {
    const int shown = w.SSTab1.Tab();
    for (int k = 0; k < ui::kItemCount; ++k)
      w.SSTab1.SetTab(k);
    w.SSTab1.SetTab(shown);
  }

  test::TempFolder folder;
  MainForm form;
  ui::MainWindow& w;
  std::vector<std::string> messages;
};

TEST_F(ImportTest, CraftedAmountsAreTheAmountListEntriesAndDroppedOnesTheCodeItself) {
  Import(
      "ITEM0_PLAYER_MADE=1\nITEM0_GEM0_GEM_ID=ST_DEX\nITEM0_GEM0_LEVEL=3\n"
      "ITEM0_GEM1_GEM_ID=RS_HEAT\nITEM0_GEM1_LEVEL=4\n"
      "ITEM1_PLAYER_MADE=0\nITEM1_GEM0_GEM_ID=RS_HEAT\nITEM1_GEM0_LEVEL=15\n");
  EXPECT_EQ(w.cboAmount[0].Text(), "10");    // Stat amount 7 shows as 10
  EXPECT_EQ(w.cboAmount[0].ListIndex(), 3);  // and counts at its level
  EXPECT_EQ(w.cboEffect[0].Text(), w.cboEffect[0].List(2));
  EXPECT_EQ(w.cboAmount[1].Text(), "7");
  EXPECT_EQ(w.cboAmount[4].Text(), "15");
  EXPECT_EQ(w.cboAmount[4].ListIndex(), 8);  // "15" is also the text of a list entry
  EXPECT_EQ(w.lblStatVal[2].Caption(), "10");
  EXPECT_EQ(w.lblResVal[2].Caption(), "22");  // 7 + 15
  EXPECT_EQ(w.lblGemPoint[0].Caption(), "7");
  EXPECT_EQ(w.lblGemPoint[1].Caption(), "3.5");
  EXPECT_EQ(w.lblGemCost[4].Caption(), " 0g 0s 0c");  // dropped
  EXPECT_FALSE(w.ImportInProgress);
  EXPECT_TRUE(messages.empty());
}

TEST_F(ImportTest, ItemsTheFileDoesNotNameBecomeEmptyDroppedItems) {
  w.txtItemName[5].SetText("Old boots");
  w.cboType[20].SetListIndex(1);
  Import(
      "ITEM3_PLAYER_MADE=1\nITEM3_NAME=Greaves\nITEM3_LEVEL=40\nITEM3_QUALITY=6\n"
      "ITEM3_EQUIPPED=1\nITEM3_DPS=87.5\n");
  for (int k = 0; k < ui::kItemCount; ++k) {
    if (k == 3) continue;
    EXPECT_TRUE(w.optDropped[k].Value()) << k;
    EXPECT_EQ(w.cboItmQual[k].Text(), "94%") << k;
    EXPECT_EQ(w.txtItmlevel[k].Text(), "0") << k;
    EXPECT_EQ(w.txtItemName[k].Text(), "") << k;
    EXPECT_EQ(w.txtAF[k].Text(), "0") << k;
    for (int g = 0; g < 4; ++g) {
      const int slot = ui::GemSlot(k, g);
      EXPECT_EQ(w.cboType[slot].Text(), "Unused") << slot;
      EXPECT_EQ(w.cboGemQual[slot].Text(), "94%") << slot;
      EXPECT_EQ(w.cboAmount[slot].Text(), "0") << slot;
      EXPECT_EQ(w.cboEffect[slot].ListCount(), 0) << slot;
    }
  }
  EXPECT_TRUE(w.optCraft[3].Value());
  EXPECT_TRUE(w.chkEquip[3].Value());
  EXPECT_FALSE(w.chkEquip[4].Value());
  EXPECT_EQ(w.txtItemName[3].Text(), "Greaves");
  EXPECT_EQ(w.txtItmlevel[3].Text(), "40");
  EXPECT_EQ(w.txtAF[3].Text(), "87.5");
  EXPECT_EQ(w.cboItmQual[3].Text(), "100%");
  // Four Unused gems on a crafted item at level 40, 100%: priced from the Unused rows.
  EXPECT_EQ(w.lblImbPoint[3].Caption().rfind("Imbue Points: 0.0 / ", 0), 0u);
  EXPECT_EQ(w.SSTab1.Tab(), 0);  // the import keeps the tab
}

TEST_F(ImportTest, EachImportStartsFromAnEmptyStagingTable) {
  Import("ITEM3_NAME=First\nITEM5_NAME=Only in the first file\nITEM5_PLAYER_MADE=1\n");
  EXPECT_EQ(w.txtItemName[5].Text(), "Only in the first file");
  Import("ITEM3_NAME=Second\n");
  EXPECT_EQ(w.txtItemName[3].Text(), "Second");
  EXPECT_EQ(w.txtItemName[5].Text(), "");
  EXPECT_TRUE(w.optDropped[5].Value());
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
    EXPECT_NE(w.lblGemCost[slot].Caption(), " 0g 0s 0c") << slot;
    EXPECT_NE(w.lblGemName[slot].Caption(), "") << slot;
    EXPECT_NE(w.lblGemPoint[slot].Caption(), "0.0") << slot;
  }
  EXPECT_GT(crafted_gems, 30);
  EXPECT_NE(w.lblOverc[0].Caption(), "Overcharge: none");  // the example overcharges its chest
  std::string imported = test::Snapshot(w);
  ChooseEveryTab();
  EXPECT_EQ(test::SnapshotDiff(imported, test::Snapshot(w)), "");

  // A later set that empties the chest leaves no figure of its old gems behind.
  Import("ITEM0_NAME=Plain robe\n");
  EXPECT_EQ(w.lblOverc[0].Caption(), "Overcharge: none");
  imported = test::Snapshot(w);
  ChooseEveryTab();
  EXPECT_EQ(test::SnapshotDiff(imported, test::Snapshot(w)), "");
}

TEST_F(ImportTest, ACancelledUnreadableItemlessOrEmptyFileChangesNothing) {
  w.cboType[0].SetListIndex(2);
  w.txtItemName[0].SetText("My plan");
  const std::string before = test::Snapshot(w);
  ImportFile(std::nullopt);
  EXPECT_TRUE(messages.empty());
  ImportFile((folder.path() / "missing.txt").string());
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("missing.txt"), std::string::npos);
  EXPECT_NE(messages[0].find("Nothing was imported."), std::string::npos);
  ImportFile(folder.path().string());  // a folder
  EXPECT_EQ(messages.size(), 2u);
  ImportFile("/dev/zero");  // would never end
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[2], "/dev/zero cannot be read (it is a device). Nothing was imported.");
  ASSERT_EQ(::mkfifo((folder.path() / "pipe").c_str(), 0600), 0);
  ImportFile((folder.path() / "pipe").string());  // would wait for a writer
  ASSERT_EQ(messages.size(), 4u);
  EXPECT_NE(messages[3].find("(it is a named pipe)"), std::string::npos);
  messages.erase(messages.begin() + 2, messages.end());
  Import("[Chest]\n\nName=Runed Hauberk\n");
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_NE(messages[2].find("set.txt\" holds no item lines"), std::string::npos);
  // Item lines that set nothing, or whose every setting is refused, import nothing either.
  Import("ITEM");
  ASSERT_EQ(messages.size(), 4u);
  EXPECT_NE(messages[3].find("none of them sets anything. Nothing was imported."),
            std::string::npos);
  Import("ITEM19_NAME=x\nITEM3_GEM0_GEM_ID=NO_SUCH_GEM\n");
  ASSERT_EQ(messages.size(), 5u);
  EXPECT_EQ(messages[4],
            "Nothing in \"set.txt\" could be used, so nothing was imported:\n\n"
            "line 1: item number 19 is outside 0..18");
  EXPECT_EQ(test::SnapshotDiff(before, test::Snapshot(w)), "");
  EXPECT_FALSE(w.ImportInProgress);
}

TEST_F(ImportTest, SettingsTheListsCannotTakeAreSkippedAndTheRestIsImported) {
  Import(
      "ITEM2_PLAYER_MADE=1\nITEM2_GEM0_GEM_ID=ST_STR\nITEM2_GEM0_LEVEL=12\n"
      "ITEM2_GEM1_GEM_ID=HT_HITS\nITEM2_GEM1_LEVEL=2\nITEM2_QUALITY=9\nITEM19_NAME=x\n"
      "ITEM2_NAME=Still here\n");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0],
            "Some settings in \"set.txt\" could not be used and were skipped:\n\n"
            "line 3: gem level 12 is outside 0..9 for a crafted item\n"
            "line 6: item quality 9 is outside 0..6 (94% to 100%)\n"
            "line 7: item number 19 is outside 0..18");
  EXPECT_EQ(w.cboType[8].Text(), "Stat");
  EXPECT_EQ(w.cboAmount[8].Text(), "");  // the amount was skipped, not guessed
  EXPECT_EQ(w.cboAmount[9].Text(), w.cboAmount[9].List(2));
  EXPECT_EQ(w.cboItmQual[2].Text(), "94%");
  EXPECT_EQ(w.txtItemName[2].Text(), "Still here");
  EXPECT_FALSE(w.ImportInProgress);
}

TEST_F(ImportTest, AnEffectPastItsTypesListIsSkipped) {
  // An identifier file that gives a Hits gem a second effect, which the Hits list lacks.
  test::SampleDataCopy data;
  data.Write("velmora.dat", "[3]\nHT_HITS=0\nHT_MORE=1\n[1]\nST_STR=9\n");
  MainForm other(data.path());
  other.Form_Load();
  std::vector<std::string> shown;
  other.window().present_message = [&](const std::string&, const std::string& t) {
    shown.push_back(t);
  };
  const auto path =
      folder.Write("set.txt", "ITEM0_GEM0_GEM_ID=HT_MORE\nITEM0_GEM1_GEM_ID=ST_STR\n");
  other.window().CommonDialog.chooser = [&] { return std::optional<std::string>(path.string()); };
  other.window().mnuOpen.Press();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find("line 1: effect 1 is outside the 1 effects of a Hits gem"),
            std::string::npos);
  EXPECT_NE(shown[0].find("line 2: effect 9 is outside the 8 effects of a Stat gem"),
            std::string::npos);
  EXPECT_EQ(other.window().cboEffect[0].ListIndex(), -1);
  EXPECT_EQ(other.window().cboType[1].Text(), "Stat");
}

TEST_F(ImportTest, ImportInProgressIsFalseAfterAnErrorToo) {
  w.cboItmQual[4].Click = [] { throw RuntimeError(ErrorKind::Overflow, "test"); };
  EXPECT_THROW(Import("ITEM4_LEVEL=1\n"), RuntimeError);
  EXPECT_FALSE(w.ImportInProgress);
}

}  // namespace
}  // namespace gw
