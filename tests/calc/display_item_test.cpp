#include <gtest/gtest.h>

#include <array>
#include <string>

#include "support/evaluation_fixture.h"

namespace gw {
namespace {

// Resist gems whose amount index i has the value kValues[i].
constexpr std::array<int, 10> kValues = {0, 2, 6, 8, 9, 10, 13, 1, 5, 4};

class DisplayItem : public test::EvaluationTest {
 protected:
  DisplayItem() {
    for (int level = 1; level <= 10; ++level)
      SetAmount(ui::kResist, level, kValues[level - 1]);
    ref.ImbuePointTable(30, 2) = 10;
  }
  // Gives the four gems of item k the values given (each must be in kValues).
  void Gems(int k, std::array<int, 4> values) {
    for (int g = 0; g < 4; ++g) {
      const auto at = std::find(kValues.begin(), kValues.end(), values[g]);
      ChooseGem(ui::GemSlot(k, g), ui::kResist, static_cast<int>(at - kValues.begin()));
    }
  }
  std::array<std::string, 4> PointCaptions(int k) {
    std::array<std::string, 4> points;
    for (int g = 0; g < 4; ++g)
      points[g] = w.lblGemPoint[ui::GemSlot(k, g)].Caption();
    return points;
  }
  // Crafted item k at level 30 with quality 96%, whose capacity is 10.
  void Capacity10(int k) {
    w.txtItmlevel[k].SetText("30");
    w.cboItmQual[k].SetListIndex(2);
  }
};

using Points = std::array<std::string, 4>;

TEST_F(DisplayItem, TheFirstHighestGemCountsInFullTheOthersAtHalf) {
  Gems(0, {10, 6, 6, 2});
  EXPECT_EQ(PointCaptions(0), (Points{"10", "3", "3", "1"}));
  Gems(1, {8, 8, 0, 0});
  EXPECT_EQ(PointCaptions(1), (Points{"8", "4", "0", "0"}));
  Gems(2, {0, 0, 0, 9});
  EXPECT_EQ(PointCaptions(2), (Points{"0", "0", "0", "9"}));
  Gems(3, {5, 13, 1, 13});
  EXPECT_EQ(PointCaptions(3), (Points{"2.5", "13", "0.5", "6.5"}));
  w.txtItmlevel[0].SetText("30");
  w.cboItmQual[0].SetListIndex(0);
  ref.ImbuePointTable(30, 0) = 32;
  calc.DisplayItem(0);
  EXPECT_EQ(w.lblImbPoint[0].Caption(), "Imbue Points: 17.0 / 32");
}

TEST_F(DisplayItem, AGemWithoutAnAmountChoiceHasNoValue) {
  ChooseGem(0, ui::kResist, 2);
  ChooseGem(1, ui::kResist);
  w.cboAmount[1].UserTyped("13");
  calc.DisplayItem(0);
  EXPECT_EQ(PointCaptions(0), (Points{"6", "0", "0", "0"}));
}

TEST_F(DisplayItem, NoGemsShowZeroPointsAgainstTheCapacity) {
  Capacity10(0);
  EXPECT_EQ(PointCaptions(0), (Points{"0", "0", "0", "0"}));
  EXPECT_EQ(w.lblImbPoint[0].Caption(), "Imbue Points: 0.0 / 10");
  EXPECT_EQ(w.lblOverc[0].Caption(), "Overcharge: none");
}

TEST_F(DisplayItem, OverchargeLevelsFromTheExcessOverTheCapacity) {
  Capacity10(0);
  Gems(0, {10, 1, 0, 0});  // 10.5: half a point over
  EXPECT_EQ(w.lblImbPoint[0].Caption(), "Imbue Points: 10.5 / 10");
  EXPECT_EQ(w.lblOverc[0].Caption(), "Overcharge: none");
  Gems(0, {10, 2, 1, 0});                                 // 11.5: level 1, score 0 - 10
  EXPECT_EQ(w.lblOverc[0].Caption(), "Overcharge: -4.");  // 96% item +6, gems 94% +0
  Gems(0, {13, 2, 1, 0});                                 // 14.5: level 4
  EXPECT_EQ(w.lblOverc[0].Caption(), "Overcharge: -44.");
  Gems(0, {13, 2, 2, 1});  // 15.5: level 5
  EXPECT_EQ(w.lblOverc[0].Caption(), "Overcharge: -64.");
  Gems(0, {13, 2, 2, 2});  // 16: level 6 is impossible
  EXPECT_EQ(w.lblImbPoint[0].Caption(), "Imbue Points: 16.0 / 10");
  EXPECT_EQ(w.lblOverc[0].Caption(), "Overcharge: IMPOS.");
  EXPECT_EQ(w.lblResVal[0].Caption(), "19");  // the totals follow even then: 13 + 2 + 2 + 2
}

TEST_F(DisplayItem, TheScoreAddsCrafterLevelAndQualitiesAndSubtractsThePenalty) {
  // Capacity 10 with item quality 99%: overcharge level 2 from a sum of 12.5.
  ref.ImbuePointTable(30, 5) = 10;
  w.txtItmlevel[0].SetText("30");
  w.txtCLevel.SetText("45");
  Gems(0, {10, 5, 0, 0});
  w.cboGemQual[0].SetListIndex(6);
  w.cboGemQual[1].SetListIndex(6);
  w.cboGemQual[2].SetListIndex(4);
  w.cboItmQual[0].SetListIndex(5);
  EXPECT_EQ(w.lblGemPoint[1].Caption(), "2.5");
  // The fourth gem's quality box is still empty: it adds nothing.
  EXPECT_EQ(w.lblOverc[0].Caption(), "Overcharge: 29.5");  // 4.5 + 18 + 11 + 11 + 5 - 20
  w.txtCLevel.SetText("50");
  calc.DisplayItem(0);
  EXPECT_EQ(w.lblOverc[0].Caption(), "Overcharge: 30.");
  w.txtCLevel.SetText("1e40");  // no single-precision score: unknown, not a crash
  calc.DisplayItem(0);
  EXPECT_EQ(w.lblOverc[0].Caption(), "Overcharge: ??");
}

TEST_F(DisplayItem, DroppedNoLevelOrNoQualityKeepsTheImbueLabel) {
  Gems(0, {13, 13, 13, 13});
  w.txtItmlevel[0].SetText("30");  // no quality yet
  calc.DisplayItem(0);
  EXPECT_EQ(w.lblImbPoint[0].Caption(), "Imbue Points: 00.0 / 00");
  EXPECT_EQ(w.lblOverc[0].Caption(), "Overcharge: none");
  Capacity10(0);
  EXPECT_EQ(w.lblOverc[0].Caption(), "Overcharge: IMPOS.");
  w.optDropped[0].SetValue(true);
  calc.DisplayItem(0);
  EXPECT_EQ(w.lblImbPoint[0].Caption(), "Imbue Points: 32.5 / 10");  // kept from before
  EXPECT_EQ(w.lblOverc[0].Caption(), "Overcharge: none");
  EXPECT_EQ(PointCaptions(0), (Points{"13", "6.5", "6.5", "6.5"}));
  w.optCraft[0].SetValue(true);
  w.txtItmlevel[0].SetText("0.4");  // rounds to level 0
  calc.DisplayItem(0);
  EXPECT_EQ(w.lblOverc[0].Caption(), "Overcharge: none");
}

TEST_F(DisplayItem, ALevelWithoutACapacityRowShowsAnUnknownCapacity) {
  Gems(0, {10, 2, 2, 0});
  w.cboItmQual[0].SetListIndex(2);
  for (const char* level : {"53", "-1", "40000", "1e999", "-32769"}) {
    w.txtItmlevel[0].SetText(level);
    w.lblResVal[0].SetCaption("stale");
    calc.DisplayItem(0);
    EXPECT_EQ(w.lblImbPoint[0].Caption(), "Imbue Points: 12.0 / ??") << level;
    EXPECT_EQ(w.lblOverc[0].Caption(), "Overcharge: none") << level;
    EXPECT_EQ(w.lblGemPoint[1].Caption(), "1") << level;
    EXPECT_EQ(w.lblResVal[0].Caption(), "14") << level;  // the totals are still written
  }
  w.txtItmlevel[0].SetText("52");
  calc.DisplayItem(0);
  EXPECT_EQ(w.lblImbPoint[0].Caption(), "Imbue Points: 12.0 / ");  // row 52 holds 0 here
  w.optDropped[1].SetValue(true);
  w.txtItmlevel[1].SetText("99999");  // a level too big for 16 bits on any item: no crash
  EXPECT_NO_THROW(calc.DisplayItem(1));
}

}  // namespace
}  // namespace gw
