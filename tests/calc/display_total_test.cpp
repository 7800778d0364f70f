#include <gtest/gtest.h>

#include "support/evaluation_fixture.h"

namespace gw {
namespace {

class DisplayTotal : public test::EvaluationTest {
 protected:
  DisplayTotal() {
    for (int type = 1; type <= 6; ++type) {
      for (int level = 1; level <= 10; ++level)
        SetAmount(type, level, 5 * level);
    }
  }
  // A gem whose amount is typed rather than chosen.
  void Typed(int slot, int type, const char* amount) {
    ChooseGem(slot, type);
    w.cboAmount[slot].UserTyped(amount);
    calc.DisplayTotal();
  }
  // Every value label but the one named reads "0".
  void ExpectOthersZero(const ui::Label* except) {
    for (const ui::Panel& panel : ui::kPanels) {
      for (int row = 0; row < static_cast<int>(panel.rows.size()); ++row) {
        const ui::Label& label = w.ValueLabel(panel.type, row);
        if (&label != except) {
          EXPECT_EQ(label.Caption(), "0") << label.name();
        }
      }
    }
  }
};

TEST_F(DisplayTotal, GemsOfEveryItemAddUpInTheirPanelRow) {
  ChooseGem(ui::GemSlot(0, 0), ui::kStat, 1);  // Stat entries show 1.5 x 10 = 15
  ChooseGem(ui::GemSlot(7, 3), ui::kStat, 0);  // 1.5 x 5 = 7 shown, then 10 below
  w.cboAmount[ui::GemSlot(7, 3)].UserTyped("10");
  calc.DisplayTotal();
  EXPECT_EQ(w.lblStatVal[0].Caption(), "25");
  ExpectOthersZero(&w.lblStatVal[0]);
  ChooseGem(ui::GemSlot(18, 3), ui::kSkill, 2, 25);
  EXPECT_EQ(w.lblSkillVal[25].Caption(), "15");
  ChooseGem(ui::GemSlot(18, 2), ui::kFocus, 9, 7);
  EXPECT_EQ(w.lblFocusVal[7].Caption(), "50");
  ChooseGem(ui::GemSlot(9, 0), ui::kResist, 0, 8);
  EXPECT_EQ(w.lblResVal[8].Caption(), "5");
}

TEST_F(DisplayTotal, HitsAndPowerGoToTheirSingleLabels) {
  ChooseGem(0, ui::kHits, 3);
  ChooseGem(1, ui::kPower, 1);
  ChooseGem(40, ui::kHits, 0);
  EXPECT_EQ(w.lblHitsVal.Caption(), "25");
  EXPECT_EQ(w.lblPowVal.Caption(), "10");
  EXPECT_EQ(w.lblStatVal[0].Caption(), "0");
}

TEST_F(DisplayTotal, OnlyGemsWithATypeAnAmountAndAnEffectCount) {
  w.ImportInProgress = true;  // type and amount, but no effect chosen
  ChooseGem(0, ui::kResist, 4);
  w.ImportInProgress = false;
  calc.DisplayTotal();
  EXPECT_EQ(w.lblResVal[0].Caption(), "0");
  ChooseGem(1, ui::kResist);  // type and effect, no amount
  calc.DisplayTotal();
  EXPECT_EQ(w.lblResVal[0].Caption(), "0");
  ChooseGem(2, ui::kUnused);
  w.cboAmount[2].SetText("9");
  calc.DisplayTotal();
  ExpectOthersZero(nullptr);
}

TEST_F(DisplayTotal, TypedAmountsCountByTheirValue) {
  Typed(0, ui::kResist, "7");
  EXPECT_EQ(w.lblResVal[0].Caption(), "7");
  Typed(0, ui::kResist, "2.5");
  EXPECT_EQ(w.lblResVal[0].Caption(), "2.5");
  for (const char* ignored : {"0", "-1", "abc", "", "-0.6", "-1.4"}) {
    Typed(0, ui::kResist, ignored);
    EXPECT_EQ(w.lblResVal[0].Caption(), "0") << ignored;
  }
  Typed(0, ui::kResist, "-2");  // only values that round to -1 look like "no choice"
  EXPECT_EQ(w.lblResVal[0].Caption(), "-2");
  Typed(0, ui::kResist, "-1.5");
  EXPECT_EQ(w.lblResVal[0].Caption(), "-1.5");
  Typed(0, ui::kResist, " 1 2");
  EXPECT_EQ(w.lblResVal[0].Caption(), "12");
}

TEST_F(DisplayTotal, ATypedAmountBeyondSixteenBitsCountsWithItsValue) {
  Typed(0, ui::kResist, "40000");
  EXPECT_EQ(w.lblResVal[0].Caption(), "40000");
  Typed(1, ui::kResist, "-99999.5");
  EXPECT_EQ(w.lblResVal[0].Caption(), "-59999.5");
  Typed(1, ui::kResist, "1e20");
  EXPECT_EQ(w.lblResVal[0].Caption(), "1E+20");
}

TEST_F(DisplayTotal, SumsKeepTheFifteenDigitsTheirCaptionsHold) {
  for (int slot = 0; slot < 10; ++slot)
    Typed(slot, ui::kPower, "0.1");
  EXPECT_EQ(w.lblPowVal.Caption(), "1");  // not 0.9999999999999999
}

TEST_F(DisplayTotal, DroppedAndUnequippedItemsCountLikeAllOthers) {
  w.optDropped[3].SetValue(true);
  ChooseGem(ui::GemSlot(3, 0), ui::kHits);  // placeholders for the gem itself
  w.cboAmount[ui::GemSlot(3, 0)].SetText("20");
  calc.DisplayTotal();
  EXPECT_EQ(w.lblHitsVal.Caption(), "20");
  EXPECT_FALSE(w.chkEquip[3].Value());
}

TEST_F(DisplayTotal, RemovingAGemShowsAtTheNextRebuild) {
  ChooseGem(0, ui::kStat, 9, 3);
  EXPECT_EQ(w.lblStatVal[3].Caption(), "75");
  ChooseGem(0, ui::kUnused);
  EXPECT_EQ(w.lblStatVal[3].Caption(), "0");
}

}  // namespace
}  // namespace gw
