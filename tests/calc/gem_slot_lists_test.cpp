#include <gtest/gtest.h>

#include "calc/effect_list.h"
#include "support/evaluation_fixture.h"

namespace gw {
namespace {

class GemSlotLists : public test::EvaluationTest {
 protected:
  GemSlotLists() {
    for (int e = 0; e < 8; ++e)
      ref.GemEffectTable(ui::kStat, e).EffectName = "Stat " + std::to_string(e);
    ref.GemEffectTable(ui::kHits, 0).EffectName = "Hits";
    ref.GemEffectTable(ui::kSkill, 0).EffectName = "Blades";  // the other 25 names are missing
    for (int level = 1; level <= 10; ++level)
      SetAmount(ui::kResist, level, level);
  }
};

TEST_F(GemSlotLists, UnusedEmptiesBothListsAndChoosesNothing) {
  ChooseGem(0, ui::kStat, 3);
  ChooseGem(0, ui::kUnused);
  EXPECT_EQ(w.cboEffect[0].ListCount(), 0);
  EXPECT_EQ(w.cboEffect[0].ListIndex(), -1);
  EXPECT_EQ(w.cboAmount[0].ListCount(), 0);
  EXPECT_EQ(w.cboAmount[0].Text(), "");
}

TEST_F(GemSlotLists, EachTypeFillsItsFixedNumberOfEffectsAndTenAmounts) {
  const int expected[] = {0, 8, 9, 1, 1, 8, 26};
  for (int type = 0; type <= 6; ++type) {
    ChooseGem(4, type);
    EXPECT_EQ(w.cboEffect[4].ListCount(), expected[type]) << type;
    EXPECT_EQ(w.cboEffect[4].ListIndex(), type == 0 ? -1 : 0) << type;
    EXPECT_EQ(w.cboAmount[4].ListCount(), type == 0 ? 0 : 10) << type;
    EXPECT_EQ(w.cboAmount[4].ListIndex(), -1) << type;
  }
  ChooseGem(4, ui::kSkill);
  EXPECT_EQ(w.cboEffect[4].List(0), "Blades");
  EXPECT_EQ(w.cboEffect[4].List(25), "");  // missing names are blank entries
  ChooseGem(4, ui::kHits);
  EXPECT_EQ(w.cboEffect[4].Text(), "Hits");
}

TEST_F(GemSlotLists, StatAmountsShowTheWholePartOfOneAndAHalfTimesTheAmount) {
  const int amounts[] = {0, 1, 3, 4, 5, 19, 170, 171, 255, 2};
  for (int level = 1; level <= 10; ++level)
    SetAmount(ui::kStat, level, amounts[level - 1]);
  ChooseGem(0, ui::kStat);
  const char* shown[] = {"0", "1", "4", "6", "7", "28", "255", "256", "382", "3"};
  for (int i = 0; i < 10; ++i)
    EXPECT_EQ(w.cboAmount[0].List(i), shown[i]) << i;
  ChooseGem(1, ui::kResist);
  EXPECT_EQ(w.cboAmount[1].List(0), "1");
  EXPECT_EQ(w.cboAmount[1].List(9), "10");
}

TEST_F(GemSlotLists, DuringAnImportATypeChoiceRebuildsTheListsButChoosesNoEffect) {
  w.ImportInProgress = true;
  ChooseGem(2, ui::kStat);
  EXPECT_EQ(w.cboEffect[2].ListCount(), 8);
  EXPECT_EQ(w.cboEffect[2].ListIndex(), -1);
  EXPECT_EQ(w.cboAmount[2].ListCount(), 10);
}

TEST_F(GemSlotLists, ATextThatIsNoTypeLeavesTheListsAlone) {
  ChooseGem(0, ui::kStat, 2);
  calc.AssignAmount(0, "stat");
  calc.AssignEffect(0, "Gem");
  EXPECT_EQ(w.cboAmount[0].ListCount(), 10);
  EXPECT_EQ(w.cboAmount[0].ListIndex(), 2);
  EXPECT_EQ(w.cboEffect[0].ListCount(), 8);
  EXPECT_EQ(ui::GemTypeNumber("Skill"), 6);
  EXPECT_EQ(ui::GemTypeNumber("skill"), std::nullopt);
}

TEST_F(GemSlotLists, AChoiceReEvaluatesOnlyItsGemAndAnItemQualityItsItem) {
  ref.GemLevelTable(1).UnitCount = 1;
  ref.GemLevelTable(1).UnitPrice = 1;
  ChooseGem(0, ui::kResist);
  EXPECT_EQ(w.lblGemCost[0].Caption(), "1g 0s 0c");
  EXPECT_EQ(w.lblGemCost[1].Caption(), " 0g 0s 0c");
  w.lblGemPoint[1].SetCaption("stale");
  w.cboItmQual[1].SetListIndex(3);  // another item: its labels only
  EXPECT_EQ(w.lblGemPoint[1].Caption(), "stale");
  EXPECT_EQ(w.lblGemPoint[4].Caption(), "0");
  w.cboItmQual[0].SetListIndex(3);
  EXPECT_EQ(w.lblGemPoint[1].Caption(), "0");
}

}  // namespace
}  // namespace gw
