#include "search/item_search.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/main_form.h"
#include "support/snapshot.h"
#include "support/test_data.h"

namespace gw {
namespace {

class ItemSearchTest : public ::testing::Test {
 protected:
  ItemSearchTest() : form(test::SampleDataFolder()), w(form.window()) {
    form.Form_Load();
    w.SSTab1.SetTab(11);
  }
  // Opens the search window from "Search..." and lets `use` work in it while it is open.
  void OpenSearch(const std::function<void(ui::ItemSearchWindow&)>& use) {
    w.present_modal = [&](ui::Window& child) {
      ++openings;
      use(static_cast<ui::ItemSearchWindow&>(child));
    };
    w.cmdSearch.Press();
  }
  MainForm form;
  ui::MainWindow& w;
  int openings = 0;
};

TEST_F(ItemSearchTest, ATypeFillsItsRowsEffectsAndChoosesTheFirst) {
  OpenSearch([](ui::ItemSearchWindow& s) {
    s.cboType[0].SetListIndex(6);  // "Skill": 26 entries
    EXPECT_EQ(s.cboEffect[0].ListCount(), 26);
    EXPECT_EQ(s.cboEffect[0].ListIndex(), 0);
    EXPECT_EQ(s.cboEffect[0].List(0), "Blades");
    s.cboType[1].SetListIndex(3);  // "Hits": one entry, chosen
    EXPECT_EQ(s.cboEffect[1].ListCount(), 1);
    EXPECT_EQ(s.cboEffect[1].ListIndex(), 0);
    s.cboType[2].SetListIndex(4);
    EXPECT_EQ(s.cboEffect[2].Text(), "Power");
    EXPECT_EQ(s.cboEffect[3].ListCount(), 0);  // only the chosen rows change
    EXPECT_EQ(s.cboEffect[0].ListCount(), 26);
    s.cboType[0].SetListIndex(0);  // "Unused" empties the row and chooses nothing
    EXPECT_EQ(s.cboEffect[0].ListCount(), 0);
    EXPECT_EQ(s.cboEffect[0].ListIndex(), -1);
    s.cmdClose.Press();
    EXPECT_FALSE(s.loaded());
  });
  EXPECT_EQ(openings, 1);
}

TEST_F(ItemSearchTest, BlankEffectNamesAreEntriesToo) {
  test::SampleDataCopy data;
  data.Write("GemData3.dat", "[6]\n   Blades\n");
  MainForm thin(data.path());
  thin.Form_Load();
  thin.window().SSTab1.SetTab(15);
  thin.window().present_modal = [](ui::Window& child) {
    auto& s = static_cast<ui::ItemSearchWindow&>(child);
    s.cboType[0].SetListIndex(6);
    EXPECT_EQ(s.cboEffect[0].ListCount(), 26);
    EXPECT_EQ(s.cboEffect[0].List(25), "");
  };
  thin.window().cmdSearch.Press();
}

TEST_F(ItemSearchTest, TheFirstEffectIsChosenEvenDuringAnImport) {
  w.ImportInProgress = true;
  OpenSearch([](ui::ItemSearchWindow& s) {
    s.cboType[0].SetListIndex(1);
    EXPECT_EQ(s.cboEffect[0].ListIndex(), 0);
  });
}

TEST_F(ItemSearchTest, SearchChangesNothingAndEveryOpeningStartsClean) {
  OpenSearch([](ui::ItemSearchWindow& s) {
    s.cboItem.SetListIndex(2);
    s.cboType[3].SetListIndex(2);
    s.txtValue[3].SetText("12");
    const std::string before = test::Snapshot(s);
    s.cmdSearch.Press();
    EXPECT_EQ(test::Snapshot(s), before);
    EXPECT_TRUE(s.lstItems.items().empty());
    s.Unload();  // the close box
  });
  const std::string fresh = test::Snapshot(ui::ItemSearchWindow());
  OpenSearch([&](ui::ItemSearchWindow& s) { EXPECT_EQ(test::Snapshot(s), fresh); });
  EXPECT_EQ(openings, 2);
}

TEST_F(ItemSearchTest, SearchOpensOnlyFromNeckToRightWristAndChangesNoPlan) {
  for (int tab = 0; tab < ui::kItemCount; ++tab)
    w.SSTab1.SetTab(tab);  // every item shown once
  w.SSTab1.SetTab(11);
  const std::string plan = test::Snapshot(w);
  for (int tab = 0; tab < ui::kItemCount; ++tab) {
    w.SSTab1.SetTab(tab);
    const int before = openings;
    OpenSearch([](ui::ItemSearchWindow& s) { s.cboType[0].SetListIndex(2); });
    EXPECT_EQ(openings - before, tab >= 11 ? 1 : 0) << tab;
  }
  w.SSTab1.SetTab(11);
  EXPECT_EQ(test::SnapshotDiff(plan, test::Snapshot(w)), "");
}

}  // namespace
}  // namespace gw
