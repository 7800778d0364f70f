#include "calc/calculator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>
#include <string>

#include "app/wiring.h"
#include "calc/effect_list.h"
#include "calc/gem_price.h"
#include "data/constant_tables.h"
#include "data/reference_tables.h"
#include "ui/main_window.h"

namespace gw {
namespace {

// Resist gems whose amount index i has the value kValues[i]; other types 5 per level.
constexpr std::array<int, 10> kValues = {0, 2, 6, 8, 9, 10, 13, 1, 5, 4};

// A main window wired to the evaluation over reference tables that each test fills itself.
class Evaluation : public ::testing::Test {
 protected:
  Evaluation() {
    InitConst(constants);
    WireEvaluation(w, calc);
    for (int level = 1; level <= 10; ++level) {
      ref.GemLevelTable(level).LevelName = "Level" + std::to_string(level);
      for (int type = 1; type <= 6; ++type)
        ref.GemAmountTable(type, level).Amount =
            type == ui::kResist ? kValues[level - 1] : 5 * level;
    }
    ref.GemEffectTable(ui::kResist, 0).GemNameSuffix = "Body Jewel";
    ref.GemEffectTable(ui::kResist, 4).GemNameSuffix = "Matter Jewel";
    ref.GemEffectTable(ui::kUnused, 0).GemNameSuffix = "Nothing";
    ref.GemEffectTable(ui::kStat, 0).EffectName = "Stat 0";
    ref.GemEffectTable(ui::kHits, 0).EffectName = "Hits";
    ref.GemEffectTable(ui::kSkill, 0).EffectName = "Blades";  // the other 25 names are missing
    ref.ImbuePointTable(30, 2) = 10;
  }

  // Chooses a gem slot's type, then (when given) its effect and amount, as a player would.
  void ChooseGem(int slot, int type, int amount_index = -1, int effect = -1) {
    w.cboType[slot].SetListIndex(type);
    if (effect >= 0) w.cboEffect[slot].SetListIndex(effect);
    if (amount_index >= 0) w.cboAmount[slot].SetListIndex(amount_index);
  }
  void Price(int level, int count, float unit_price, int units_a = 0, int units_b = 0,
             int type = ui::kResist) {
    ref.GemLevelTable(level).UnitCount = count;
    ref.GemLevelTable(level).UnitPrice = unit_price;
    ref.GemAmountTable(type, level).CostUnitsA = units_a;
    ref.GemAmountTable(type, level).CostUnitsB = units_b;
  }
  // Gives the four gems of item k resist values (each from kValues).
  void Gems(int k, std::array<int, 4> values) {
    for (int g = 0; g < 4; ++g)
      ChooseGem(ui::GemSlot(k, g), ui::kResist,
                std::ranges::find(kValues, values[g]) - kValues.begin());
  }
  // The point captions of item k's gems, then its imbue and overcharge captions.
  std::string Item(int k) {
    std::string text;
    for (int g = 0; g < 4; ++g)
      text += w.lblGemPoint[ui::GemSlot(k, g)].Caption() + " ";
    return text + "| " + w.lblImbPoint[k].Caption() + " | " + w.lblOverc[k].Caption();
  }
  // A gem's point, cost and name captions.
  std::string Gem(int slot) {
    return w.lblGemPoint[slot].Caption() + "|" + w.lblGemCost[slot].Caption() + "|" +
           w.lblGemName[slot].Caption();
  }
  // A gem whose amount is typed rather than chosen, then the totals.
  void Typed(int slot, int type, const char* amount) {
    ChooseGem(slot, type);
    w.cboAmount[slot].UserTyped(amount);
    calc.DisplayTotal();
  }
  // Every value label that does not read "0", as "name=caption ".
  std::string NonZeroTotals() {
    std::string text;
    for (const ui::Control* c : w.controls()) {
      const std::string& name = c->name();
      if (c->kind() != ui::ControlKind::Label || name.find("Val") == std::string::npos) continue;
      const std::string& caption = static_cast<const ui::Label*>(c)->Caption();
      if (caption != "0") text += name + "=" + caption + " ";
    }
    return text;
  }

  ui::MainWindow w;
  ReferenceTables ref;
  ConstantTables constants;
  Calculator calc{w, ref, constants};
};

TEST_F(Evaluation, ATypeFillsItsEffectsAndTenAmountsAndUnusedEmptiesBoth) {
  // Effects, the effect chosen, amounts and the amount chosen, after an amount was chosen.
  std::string lists;
  for (int type : {1, 2, 3, 4, 5, 6, 0}) {
    ChooseGem(4, type, type == 0 ? -1 : 3);
    ChooseGem(4, type);
    const ui::ComboBox &effects = w.cboEffect[4], &amounts = w.cboAmount[4];
    lists += std::to_string(effects.ListCount()) + "/" + std::to_string(effects.ListIndex()) +
             effects.Text() + "/" + std::to_string(amounts.ListCount()) + "/" +
             std::to_string(amounts.ListIndex()) + amounts.Text() + " ";
  }
  EXPECT_EQ(lists,
            "8/0Stat 0/10/-1 9/0/10/-1 1/0Hits/10/-1 1/0/10/-1 8/0/10/-1 26/0Blades/10/-1 "
            "0/-1/0/-1 ");
  ChooseGem(4, ui::kSkill);
  EXPECT_EQ(w.cboEffect[4].List(25), "");  // blank where a name is missing
  w.ImportInProgress = true;               // the import chooses the effect itself
  ChooseGem(2, ui::kStat);
  EXPECT_EQ(w.cboEffect[2].ListCount() * 100 + w.cboEffect[2].ListIndex(), 799);
  // Stat amounts show the whole part of one and a half times the amount.
  const int amounts[] = {0, 1, 3, 4, 5, 19, 170, 171, 255, 2};
  std::string shown;
  for (int level = 1; level <= 10; ++level)
    ref.GemAmountTable(ui::kStat, level).Amount = amounts[level - 1];
  ChooseGem(0, ui::kStat);
  for (int i = 0; i < 10; ++i)
    shown += w.cboAmount[0].List(i) + " ";
  EXPECT_EQ(shown, "0 1 4 6 7 28 255 256 382 3 ");
  // A text that is no type leaves the lists alone.
  w.cboAmount[0].SetListIndex(2);
  calc.AssignAmount(0, "stat");
  calc.AssignEffect(0, "Gem");
  EXPECT_EQ(w.cboAmount[0].ListIndex() * 100 + w.cboEffect[0].ListCount(), 208);
  EXPECT_EQ(ui::GemTypeNumber("skill"), std::nullopt);
}

TEST_F(Evaluation, PricesInSinglePrecisionRoundedAfterEachStep) {
  EXPECT_EQ(CoinText(1e9f), "1000000000g 0s 0c");  // past where 16-bit silver would overflow
  const struct {
    const char *name, *cost;
    int level, count, units_a, units_b;
    float unit_price;
  } cases[] = {{"whole", "1g 50s 0c", 1, 1, 0, 0, 1.5f},
               {"0.57 gold in single precision", "0g 56s 99c", 2, 2, 10, 5, 0.25f},
               {"no units", "0g 0s 0c", 3, 0, 0, 0, 7.0f},
               {"dear", "400g 0s 0c", 10, 4, 0, 0, 100.0f},
               {"beyond single precision", kUnknownPrice, 9, 9, 0, 0, 3e38f}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Price(c.level, c.count, c.unit_price, c.units_a, c.units_b);
    ChooseGem(0, ui::kResist, c.level - 1);
    EXPECT_EQ(w.lblGemCost[0].Caption(), c.cost);
    EXPECT_EQ(w.lblGemName[0].Caption(), "Level" + std::to_string(c.level) + " Body Jewel");
  }
  // The gem quality changes neither price nor name.
  const std::string gem = Gem(0);
  w.cboGemQual[0].SetListIndex(6);
  EXPECT_EQ(Gem(0), gem);
}

TEST_F(Evaluation, NoChoiceNamesLevelOneAndEntryZeroNoTypeOrADroppedItemShowsPlaceholders) {
  Price(1, 1, 0.25f);
  ChooseGem(0, ui::kResist, 4);
  w.cboAmount[0].UserTyped("5");
  w.cboEffect[0].SetListIndex(4);
  EXPECT_EQ(Gem(0), "0|0g 25s 0c|Level1 Matter Jewel");
  w.ImportInProgress = true;  // leaves the effect list without a choice
  ChooseGem(0, ui::kResist);
  EXPECT_EQ(w.lblGemName[0].Caption(), "Level1 Body Jewel");
  w.ImportInProgress = false;
  Price(1, 2, 0.5f, 0, 0, ui::kUnused);  // Unused is priced like any type
  ChooseGem(0, ui::kUnused);
  EXPECT_EQ(Gem(0), "0|1g 0s 0c|Level1 Nothing");
  // No type or a dropped item shows placeholders, and the gem's own item decides.
  Price(2, 1, 1.0f);
  ChooseGem(0, ui::kResist, 1);
  EXPECT_EQ(Gem(0), "2|1g 0s 0c|Level2 Body Jewel");
  calc.DisplayGem(1);  // no type chosen
  EXPECT_EQ(Gem(1), "0.0| 0g 0s 0c|");
  w.optDropped[0].SetValue(true);                 // the shown tab's item
  ref.GemAmountTable(ui::kResist, 2).Amount = 9;  // would show if the item were evaluated again
  w.cboGemQual[0].SetListIndex(6);
  EXPECT_EQ(Gem(0) + Gem(1), "0.0| 0g 0s 0c|0.0| 0g 0s 0c|");
  EXPECT_EQ(NonZeroTotals(), "lblResVal(0)=2 ");  // totals not rebuilt
  ChooseGem(8, ui::kResist, 1);                   // a gem of crafted item 2
  EXPECT_EQ(Gem(8), "9|1g 0s 0c|Level2 Body Jewel");
  w.optDropped[2].SetValue(true);
  w.optCraft[0].SetValue(true);
  w.cboAmount[8].SetListIndex(1);
  EXPECT_EQ(Gem(8), "0.0| 0g 0s 0c|");
}

TEST_F(Evaluation, TheFirstHighestGemCountsInFullTheOthersAtHalfAndTheExcessOvercharges) {
  const std::pair<std::array<int, 4>, const char*> halves[] = {{{10, 6, 6, 2}, "10 3 3 1 "},
                                                               {{8, 8, 0, 0}, "8 4 0 0 "},
                                                               {{0, 0, 0, 9}, "0 0 0 9 "},
                                                               {{5, 13, 1, 13}, "2.5 13 0.5 6.5 "}};
  for (int k = 0; k < 4; ++k) {
    Gems(k, halves[k].first);
    EXPECT_EQ(Item(k),
              std::string(halves[k].second) + "| Imbue Points: 00.0 / 00 | Overcharge: none");
  }
  w.txtItmlevel[3].SetText("30");
  w.cboItmQual[3].SetListIndex(0);
  ref.ImbuePointTable(30, 0) = 32;
  calc.DisplayItem(3);
  EXPECT_EQ(w.lblImbPoint[3].Caption(), "Imbue Points: 22.5 / 32");
  ChooseGem(16, ui::kResist);
  w.cboAmount[16].UserTyped("13");  // a gem without an amount choice has no value
  calc.DisplayItem(4);
  EXPECT_EQ(w.lblGemPoint[16].Caption(), "0");
  // Overcharge levels from the excess over the capacity.
  w.txtItmlevel[0].SetText("30");
  w.cboItmQual[0].SetListIndex(2);  // 96%: capacity 10, bonus 6; no gem quality adds anything
  const std::pair<std::array<int, 4>, const char*> cases[] = {
      {{0, 0, 0, 0}, "0 0 0 0 | Imbue Points: 0.0 / 10 | Overcharge: none"},
      {{10, 1, 0, 0}, "10 0.5 0 0 | Imbue Points: 10.5 / 10 | Overcharge: none"},
      {{10, 2, 1, 0}, "10 1 0.5 0 | Imbue Points: 11.5 / 10 | Overcharge: -4."},
      {{10, 5, 0, 0}, "10 2.5 0 0 | Imbue Points: 12.5 / 10 | Overcharge: -14."},
      {{13, 1, 0, 0}, "13 0.5 0 0 | Imbue Points: 13.5 / 10 | Overcharge: -24."},
      {{13, 2, 1, 0}, "13 1 0.5 0 | Imbue Points: 14.5 / 10 | Overcharge: -44."},
      {{13, 2, 2, 1}, "13 1 1 0.5 | Imbue Points: 15.5 / 10 | Overcharge: -64."},
      {{13, 2, 2, 2}, "13 1 1 1 | Imbue Points: 16.0 / 10 | Overcharge: IMPOS."}};
  for (auto [gems, item] : cases) {
    Gems(0, gems);
    EXPECT_EQ(Item(0), item);
  }
  EXPECT_EQ(w.lblResVal[0].Caption(), "89");  // the totals follow even then: 19 + 57 + 13
}

TEST_F(Evaluation, OnlyACraftedItemWithAQualityAndALevelShowsItsCapacity) {
  Gems(0, {10, 2, 2, 0});
  const struct {
    const char *levels, *imbue_and_overcharge;  // the levels each in turn
    int quality;
    bool dropped;
  } cases[] = {
      {"30", "kept | Overcharge: none", -1, false},
      {"30", "kept | Overcharge: none", 2, true},
      {"0.4", "kept | Overcharge: none", 2, false},
      {"99999", "kept | Overcharge: none", 2, true},
      {"52", "Imbue Points: 12.0 /  | Overcharge: IMPOS.", 2, false},  // capacity 0
      {"53 -1 40000 1e999 -32769", "Imbue Points: 12.0 / ?? | Overcharge: none", 2, false}};
  for (const auto& c : cases) {
    if (c.quality >= 0) w.cboItmQual[0].SetListIndex(c.quality);
    (c.dropped ? w.optDropped[0] : w.optCraft[0]).SetValue(true);
    std::istringstream levels(c.levels);
    for (std::string level; levels >> level;) {
      w.txtItmlevel[0].SetText(level);
      w.lblImbPoint[0].SetCaption("kept");
      w.lblResVal[0].SetCaption("stale");
      calc.DisplayItem(0);
      EXPECT_EQ(Item(0), "10 1 1 0 | " + std::string(c.imbue_and_overcharge)) << level;
      EXPECT_EQ(w.lblResVal[0].Caption(), "14") << level;  // the totals are still written
    }
  }
}

TEST_F(Evaluation, TheScoreAddsCrafterLevelAndQualitiesAndSubtractsThePenalty) {
  for (int quality = 0; quality < 7; ++quality)
    ref.ImbuePointTable(30, quality) = 10;
  w.txtItmlevel[0].SetText("30");
  w.txtCLevel.SetText("45");
  Gems(0, {10, 5, 0, 0});  // 12.5: overcharge level 2, penalty 20
  // 4.5 - 20 plus the bonus of each item quality, no gem quality chosen yet; then the bonus of
  // each gem quality on top of 100%; then two more crafter levels.
  std::string scores;
  for (ui::ComboBox* box : {&w.cboItmQual[0], &w.cboGemQual[3]}) {
    for (int quality = 0; quality < 7; ++quality) {
      box->SetListIndex(quality);
      scores += w.lblOverc[0].Caption().substr(12) + " ";
    }
  }
  for (const char* level : {"50", "1e40"}) {
    w.txtCLevel.SetText(level);
    calc.DisplayItem(0);
    scores += w.lblOverc[0].Caption().substr(12) + " ";
  }
  EXPECT_EQ(scores,
            "-15.5 -15.5 -9.5 -7.5 -5.5 2.5 10.5 10.5 10.5 11.5 12.5 15.5 18.5 21.5 22. ?? ");
}

TEST_F(Evaluation, GemsOfEveryItemWithATypeAnAmountAndAnEffectAddUpInTheirPanelRow) {
  // Only gems with a type, an amount and an effect count: these three do not.
  w.ImportInProgress = true;  // type and amount, but no effect chosen
  ChooseGem(20, ui::kResist, 4);
  w.ImportInProgress = false;
  ChooseGem(21, ui::kResist);  // type and effect, no amount
  ChooseGem(22, ui::kUnused);
  w.cboAmount[22].SetText("9");
  ChooseGem(ui::GemSlot(0, 0), ui::kStat, 1);  // Stat entries show 1.5 x 10 = 15
  ChooseGem(ui::GemSlot(7, 3), ui::kStat, 0);  // 1.5 x 5 = 7 shown, then 10 below
  w.cboAmount[ui::GemSlot(7, 3)].UserTyped("10");
  ChooseGem(ui::GemSlot(18, 3), ui::kSkill, 2, 25);
  ChooseGem(ui::GemSlot(18, 2), ui::kFocus, 9, 7);
  ChooseGem(ui::GemSlot(9, 0), ui::kResist, 9, 8);
  ChooseGem(1, ui::kHits, 3);
  ChooseGem(2, ui::kPower, 1);
  ChooseGem(40, ui::kHits, 0);
  w.optDropped[3].SetValue(true);  // dropped items count like all others
  ChooseGem(ui::GemSlot(3, 0), ui::kFocus);
  w.cboAmount[ui::GemSlot(3, 0)].SetText("20");
  calc.DisplayTotal();
  EXPECT_EQ(NonZeroTotals(),
            "lblStatVal(0)=25 lblResVal(8)=4 lblHitsVal=25 lblPowVal=10 lblFocusVal(0)=20 "
            "lblFocusVal(7)=50 lblSkillVal(25)=15 ");
  ChooseGem(0, ui::kUnused);  // removing a gem shows at the next rebuild
  EXPECT_EQ(w.lblStatVal[0].Caption(), "10");
}

TEST_F(Evaluation, TypedAmountsCountByTheirValue) {
  const std::pair<const char*, const char*> cases[] = {
      {"7", "7"},       {"1", "1"},     {"2.5", "2.5"},     {"0", "0"},       {"-1", "0"},
      {"abc", "0"},     {"", "0"},      {"-0.6", "0"},      {"-1.4", "0"},    {"-2", "-2"},
      {"-1.5", "-1.5"}, {" 1 2", "12"}, {"40000", "40000"}, {"1e20", "1E+20"}};
  for (auto [typed, total] : cases) {
    Typed(0, ui::kResist, typed);
    EXPECT_EQ(w.lblResVal[0].Caption(), total) << typed;
  }
  Typed(0, ui::kResist, "40000");
  Typed(1, ui::kResist, "-99999.5");
  EXPECT_EQ(w.lblResVal[0].Caption(), "-59999.5");
  for (int slot = 0; slot < 10; ++slot)
    Typed(slot, ui::kPower, "0.1");
  EXPECT_EQ(w.lblPowVal.Caption(), "1");  // not 0.9999999999999999
}

}  // namespace
}  // namespace gw
