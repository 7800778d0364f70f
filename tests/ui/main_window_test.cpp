#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ui/search_window.h"

namespace gw::ui {
namespace {

TEST(IndexScheme, GemSlotsNumberItemsAndRows) {
  EXPECT_EQ(ItemOfSlot(0), 0);
  EXPECT_EQ(RowOfSlot(0), 0);
  EXPECT_EQ(ItemOfSlot(45), 11);
  EXPECT_EQ(RowOfSlot(45), 1);
  EXPECT_EQ(ItemOfSlot(75), 18);
  EXPECT_EQ(RowOfSlot(75), 3);
  EXPECT_EQ(GemSlot(11, 1), 45);
  EXPECT_EQ(kItemNames[11], "Neck");
  EXPECT_EQ(kItemNames[18], "Right Wrist");
}

TEST(MainWindow, EveryControlHasAUniqueNameAndSitsInsideItsContainer) {
  MainWindow w;
  std::set<std::string> names;
  for (const Control* c : w.controls()) {
    EXPECT_TRUE(names.insert(c->name()).second) << c->name();
    if (c->kind() == ControlKind::MenuItem) continue;
    const Control* in = c->container();
    const int width = in ? in->rect().width : w.client_width();
    const int height = in ? in->rect().height : w.client_height();
    if (in != nullptr && in->kind() == ControlKind::PictureBox) continue;  // clipped on purpose
    EXPECT_GE(c->rect().left, 0) << c->name();
    EXPECT_GE(c->rect().top, 0) << c->name();
    EXPECT_LE(c->rect().left + c->rect().width, width) << c->name();
    EXPECT_LE(c->rect().top + c->rect().height, height) << c->name();
  }
  EXPECT_EQ(w.lblHitsVal.name(), "lblHitsVal");
  EXPECT_EQ(w.cboType[5].name(), "cboType(5)");
  EXPECT_EQ(w.cboType[45].container(), &w.fraItem[11]);
  EXPECT_EQ(w.fraItem[11].container(), &w.SSTab1);
  EXPECT_EQ(w.fraItem[11].page(), 11);
  EXPECT_EQ(w.lblSkillVal[25].container(), &w.ScrollPictureSki);
}

TEST(MainWindow, InitialState) {
  MainWindow w;
  EXPECT_EQ(w.caption(), "Orvalis's Gemwrighting Workshop");
  EXPECT_EQ(w.SSTab1.Tab(), 0);
  EXPECT_EQ(w.SSTab1.captions.size(), 19u);
  EXPECT_FALSE(w.cmdSearch.enabled());
  EXPECT_TRUE(w.optTotal.Value());
  EXPECT_FALSE(w.optCap.Value());
  for (int k = 0; k < kItemCount; ++k) {
    EXPECT_TRUE(w.optCraft[k].Value());
    EXPECT_FALSE(w.optDropped[k].Value());
    EXPECT_FALSE(w.chkEquip[k].Value());
    EXPECT_EQ(w.txtItmlevel[k].Text(), "0");
    EXPECT_EQ(w.cboItmQual[k].ListIndex(), -1);
    EXPECT_EQ(w.cboItmQual[k].ListCount(), 7);
    EXPECT_EQ(w.lblImbPoint[k].Caption(), "Imbue Points: 00.0 / 00");
    EXPECT_EQ(w.lblOverc[k].Caption(), "Overcharge: none");
    EXPECT_EQ(w.lblItemCost[k].Caption(), "Cost: 0g 0s 0c");
  }
  for (int i = 0; i < kGemSlotCount; ++i) {
    EXPECT_EQ(w.cboType[i].List(6), "Skill");
    EXPECT_EQ(w.cboType[i].ListIndex(), -1);
    EXPECT_EQ(w.cboAmount[i].style, ComboStyle::Editable);
    EXPECT_EQ(w.cboAmount[i].ListCount(), 0);
    EXPECT_EQ(w.cboEffect[i].ListCount(), 0);
    EXPECT_EQ(w.cboGemQual[i].List(6), "100%");
    EXPECT_EQ(w.lblGemPoint[i].Caption(), "0.0");
    EXPECT_EQ(w.lblGemCost[i].Caption(), " 0g 0s 0c");
    EXPECT_EQ(w.lblGemName[i].Caption(), "");
  }
  EXPECT_EQ(w.lblGem[6].Caption(), "Gem 3:");
  EXPECT_EQ(w.lblStat[0].Caption(), "STR");
  EXPECT_EQ(w.lblResist[8].Caption(), "Slash");
  EXPECT_EQ(w.lblSkill[25].Caption(), "Verdant");
  EXPECT_EQ(w.lblStatVal[7].Caption(), "0");
  EXPECT_EQ(w.txtSkillMax[3].Text(), "0");
  EXPECT_EQ(w.cboSkillPri[3].List(2), "Med.");
  EXPECT_EQ(w.cboLevel.ListCount(), 50);
  EXPECT_EQ(w.cboLevel.List(49), "50");
  EXPECT_EQ(w.cboClass.List(12), "Warden");
  EXPECT_EQ(w.MainPictureFoc.ScaleHeight(), 1365 - 2 * MainWindow::kViewportBorder);
}

TEST(MainWindow, EachItemsOptionButtonsExcludeOnlyEachOther) {
  MainWindow w;
  w.optDropped[3].SetValue(true);
  EXPECT_FALSE(w.optCraft[3].Value());
  EXPECT_TRUE(w.optCraft[2].Value());
  EXPECT_TRUE(w.optCraft[4].Value());
  w.optCap.SetValue(true);
  EXPECT_FALSE(w.optTotal.Value());
  EXPECT_TRUE(w.optCraft[0].Value());
}

TEST(ItemSearchWindow, LayoutAndInitialState) {
  ItemSearchWindow s;
  EXPECT_EQ(s.caption(), "Item Search");
  EXPECT_EQ(s.cboItem.ListCount(), 6);
  EXPECT_EQ(s.cboItem.List(1), "Cloak");
  EXPECT_EQ(s.cboItem.ListIndex(), -1);
  for (int r = 0; r < ItemSearchWindow::kRows; ++r) {
    EXPECT_EQ(s.cboType[r].ListCount(), 7);
    EXPECT_EQ(s.cboType[r].ListIndex(), -1);
    EXPECT_EQ(s.cboEffect[r].ListCount(), 0);
    EXPECT_EQ(s.txtValue[r].Text(), "");
  }
  EXPECT_EQ(s.cboEffect[0].rect().left, 1350);
  EXPECT_EQ(s.cboEffect[1].rect().left, 1335);
  EXPECT_TRUE(s.lstItems.items().empty());
  EXPECT_EQ(s.lstItems.font_family, "Lucida Console");
  EXPECT_EQ(s.lstItems.fore_color, 0x0000C0u);
}

}  // namespace
}  // namespace gw::ui
