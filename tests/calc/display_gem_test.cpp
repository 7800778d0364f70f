#include <gtest/gtest.h>

#include "calc/gem_price.h"
#include "support/evaluation_fixture.h"

namespace gw {
namespace {

class DisplayGem : public test::EvaluationTest {
 protected:
  DisplayGem() {
    for (int level = 1; level <= 10; ++level) {
      ref.GemLevelTable(level).LevelName = "Level" + std::to_string(level);
    }
    ref.GemEffectTable(ui::kResist, 0).GemNameSuffix = "Body Jewel";
    ref.GemEffectTable(ui::kResist, 4).GemNameSuffix = "Matter Jewel";
    ref.GemEffectTable(ui::kUnused, 0).GemNameSuffix = "Nothing";
  }
  void Price(int level, int count, float unit_price, int units_a = 0, int units_b = 0,
             int type = ui::kResist) {
    ref.GemLevelTable(level).UnitCount = static_cast<uint8_t>(count);
    ref.GemLevelTable(level).UnitPrice = unit_price;
    ref.GemAmountTable(type, level).CostUnitsA = static_cast<uint8_t>(units_a);
    ref.GemAmountTable(type, level).CostUnitsB = static_cast<uint8_t>(units_b);
  }
};

TEST_F(DisplayGem, PricesInSinglePrecisionRoundedAfterEachStep) {
  Price(1, 1, 1.5f);
  ChooseGem(0, ui::kResist);
  EXPECT_EQ(w.lblGemCost[0].Caption(), "1g 50s 0c");
  Price(2, 2, 0.25f, 10, 5);
  w.cboAmount[0].SetListIndex(1);
  EXPECT_EQ(w.lblGemCost[0].Caption(), "0g 56s 99c");  // 0.57 gold in single precision
  Price(3, 0, 7.0f);
  w.cboAmount[0].SetListIndex(2);
  EXPECT_EQ(w.lblGemCost[0].Caption(), "0g 0s 0c");
  EXPECT_EQ(w.lblGemName[0].Caption(), "Level3 Body Jewel");
}

TEST_F(DisplayGem, DearGemsShowTheirRealPrice) {
  EXPECT_EQ(CoinText(327.66f), "327g 66s 0c");
  EXPECT_EQ(CoinText(327.67f), "327g 67s 0c");
  EXPECT_EQ(CoinText(327.69f), "327g 69s 0c");  // past where 16-bit silver would overflow
  EXPECT_EQ(CoinText(1e9f), "1000000000g 0s 0c");
  Price(10, 4, 100.0f);
  ChooseGem(0, ui::kResist, 9);
  EXPECT_EQ(w.lblGemCost[0].Caption(), "400g 0s 0c");
  Price(10, 9, 3e38f);  // beyond single precision: no price, no crash
  w.cboAmount[0].SetListIndex(9);
  EXPECT_EQ(w.lblGemCost[0].Caption(), kUnknownPrice);
  EXPECT_EQ(w.lblGemName[0].Caption(), "Level10 Body Jewel");
}

TEST_F(DisplayGem, NoAmountChosenOrATypedAmountIsLevelOne) {
  Price(1, 1, 0.25f);
  Price(5, 1, 5.0f);
  ChooseGem(0, ui::kResist, 4);
  EXPECT_EQ(w.lblGemName[0].Caption(), "Level5 Body Jewel");
  w.cboAmount[0].UserTyped("5");
  w.cboEffect[0].SetListIndex(4);
  EXPECT_EQ(w.lblGemName[0].Caption(), "Level1 Matter Jewel");
  EXPECT_EQ(w.lblGemCost[0].Caption(), "0g 25s 0c");
}

TEST_F(DisplayGem, NoEffectChosenNamesEntryZeroAndUnusedIsPricedLikeAnyType) {
  w.ImportInProgress = true;  // leaves the effect list without a choice
  ChooseGem(0, ui::kResist);
  EXPECT_EQ(w.lblGemName[0].Caption(), "Level1 Body Jewel");
  w.ImportInProgress = false;
  Price(1, 2, 0.5f, 0, 0, ui::kUnused);
  ChooseGem(0, ui::kUnused);
  EXPECT_EQ(w.lblGemName[0].Caption(), "Level1 Nothing");
  EXPECT_EQ(w.lblGemCost[0].Caption(), "1g 0s 0c");
}

TEST_F(DisplayGem, NoTypeOrADroppedItemShowsThePlaceholdersAndEvaluatesNothing) {
  Price(1, 1, 1.0f);
  SetAmount(ui::kResist, 1, 4);
  ChooseGem(0, ui::kResist, 0);
  EXPECT_EQ(w.lblGemPoint[0].Caption(), "4");
  EXPECT_EQ(w.lblResVal[0].Caption(), "4");
  calc.DisplayGem(1);  // no type chosen
  EXPECT_EQ(w.lblGemPoint[1].Caption(), "0.0");
  EXPECT_EQ(w.lblGemCost[1].Caption(), " 0g 0s 0c");

  w.optDropped[0].SetValue(true);
  SetAmount(ui::kResist, 1, 9);  // would show if the item were evaluated again
  w.cboGemQual[0].SetListIndex(6);
  EXPECT_EQ(w.lblGemPoint[0].Caption(), "0.0");
  EXPECT_EQ(w.lblGemCost[0].Caption(), " 0g 0s 0c");
  EXPECT_EQ(w.lblGemName[0].Caption(), "");
  EXPECT_EQ(w.lblGemPoint[1].Caption(), "0.0");
  EXPECT_EQ(w.lblResVal[0].Caption(), "4");  // totals not rebuilt
}

TEST_F(DisplayGem, TheGemsOwnItemDecidesWhicheverTabIsShown) {
  Price(1, 1, 1.0f);
  SetAmount(ui::kResist, 1, 6);
  w.optDropped[0].SetValue(true);  // the shown tab's item is dropped
  ASSERT_EQ(w.SSTab1.Tab(), 0);
  ChooseGem(8, ui::kResist, 0);  // a gem of crafted item 2
  EXPECT_EQ(w.lblGemCost[8].Caption(), "1g 0s 0c");
  EXPECT_EQ(w.lblGemPoint[8].Caption(), "6");    // item 2 itself was evaluated
  EXPECT_EQ(w.lblGemPoint[0].Caption(), "0.0");  // item 0 was not
  w.optDropped[2].SetValue(true);
  w.optCraft[0].SetValue(true);
  w.cboAmount[8].SetListIndex(0);
  EXPECT_EQ(w.lblGemCost[8].Caption(), " 0g 0s 0c");
}

TEST_F(DisplayGem, TheGemQualityChangesNeitherPriceNorName) {
  Price(1, 3, 0.3f);
  ChooseGem(5, ui::kResist);
  const std::string cost = w.lblGemCost[5].Caption();
  const std::string name = w.lblGemName[5].Caption();
  for (int q = 0; q < 7; ++q) {
    w.cboGemQual[5].SetListIndex(q);
    EXPECT_EQ(w.lblGemCost[5].Caption(), cost);
    EXPECT_EQ(w.lblGemName[5].Caption(), name);
  }
}

}  // namespace
}  // namespace gw
