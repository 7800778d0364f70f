#include "calc/calculator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "calc/cap_rule.h"
#include "calc/gem_price.h"
#include "calc/wiring.h"

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
    ref.GemEffectTable(ui::kStat, 0).EffectName = "Stat 0";
    ref.GemEffectTable(ui::kHits, 0).EffectName = "Hits";
    ref.GemEffectTable(ui::kSkill, 0).EffectName = "Blades";
    ref.ImbuePointTable(30, 2) = 10;
  }

  // Chooses a gem slot's type, then (when given) its effect and amount, as a player would.
  void ChooseGem(int slot, int type, int amount_index = -1, int effect = -1) {
    w.cboType[slot].SetListIndex(type);
    if (effect >= 0) w.cboEffect[slot].SetListIndex(effect);
    if (amount_index >= 0) w.cboAmount[slot].SetListIndex(amount_index);
  }
  // Gives the four gems of item k resist values (each from kValues).
  void Gems(int k, std::array<int, 4> values) {
    for (int g = 0; g < 4; ++g)
      ChooseGem(ui::GemSlot(k, g), ui::kResist,
                std::ranges::find(kValues, values[g]) - kValues.begin());
  }
  // What warns of item k: its tab's mark, then the words and colours of its imbue points and
  // overcharge ("red: over capacity by 2 points"); "-" for none.
  std::string Warning(int k) {
    auto said = [](const ui::Label& label) {
      if (label.description().empty()) return std::string("-");
      const bool red = label.fore_color() == ui::MainWindow::kWarningRed;
      return std::string(red ? "red: " : "amber: ") + label.description();
    };
    const ui::TabMark& mark = w.SSTab1.Mark(k);
    const char* shapes[] = {"", "triangle", "cross", "ring"};
    return (mark.description.empty()
                ? "-"
                : shapes[static_cast<int>(mark.shape)] + std::string(" ") + mark.description) +
           " | " + said(w.lblImbPoint[k]) + " | " + said(w.lblOverc[k]);
  }
  // The point captions of item k's gems, then its imbue and overcharge captions.
  std::string Item(int k) {
    std::string text;
    for (int g = 0; g < 4; ++g)
      text += w.lblGemPoint[ui::GemSlot(k, g)].Caption() + " ";
    return text + "| " + w.lblImbPoint[k].Caption() + " | " + w.lblOverc[k].Caption();
  }
  // A gem whose amount is typed rather than chosen, then the totals.
  void Typed(int slot, int type, const char* amount) {
    ChooseGem(slot, type);
    w.cboAmount[slot].UserTyped(amount);
    calc.DisplayTotal();
  }
  ui::MainWindow w;
  ReferenceTables ref;
  ConstantTables constants;
  Calculator calc{w, ref, constants};
};

TEST_F(Evaluation, StatAmountsShowOneAndAHalfTimesTheAmountRoundedDownAndUnusedHasNone) {
  const int amounts[] = {0, 1, 3, 4, 5, 19, 170, 171, 255, 2};
  std::string shown;
  for (int level = 1; level <= 10; ++level)
    ref.GemAmountTable(ui::kStat, level).Amount = amounts[level - 1];
  ChooseGem(0, ui::kStat);
  for (int i = 0; i < 10; ++i)
    shown += w.cboAmount[0].List(i) + " ";
  EXPECT_EQ(shown, "0 1 4 6 7 28 255 256 382 3 ");
  ChooseGem(0, ui::kUnused);  // which has neither effects nor amounts
  EXPECT_EQ(w.cboEffect[0].ListCount() + w.cboAmount[0].ListCount(), 0);
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
    ref.GemLevelTable(c.level).UnitCount = c.count;
    ref.GemLevelTable(c.level).UnitPrice = c.unit_price;
    ref.GemAmountTable(ui::kResist, c.level).CostUnitsA = c.units_a;
    ref.GemAmountTable(ui::kResist, c.level).CostUnitsB = c.units_b;
    ChooseGem(0, ui::kResist, c.level - 1);
    EXPECT_EQ(w.lblGemCost[0].Caption(), c.cost);
    EXPECT_EQ(w.lblGemName[0].Caption(), "Level" + std::to_string(c.level) + " Body Jewel");
  }
}

TEST(SumOfCoinTexts, AddsWhatTheTextsShowInCopperAndNothingWhenOneShowsNoPrice) {
  const std::string unknown = "unknown";
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"66g 86s 59c", "66g 86s 59c", "23g 9s 0c", "66g 87s 59c"}, "223g 69s 77c"},
      {{" 0g 0s 0c", " 0g 0s 0c", " 0g 0s 0c", " 0g 0s 0c"}, "0g 0s 0c"},
      {{}, "0g 0s 0c"},
      {{"0g 99s 99c", " 0g 0s 0c", "0g 0s 1c"}, "1g 0s 0c"},  // copper into silver into gold
      {{"0g 99s 99c", "0g 99s 99c", "0g 99s 99c", "0g 99s 99c"}, "3g 99s 96c"},
      {{"99999999999999999999g 99s 99c", "0g 0s 1c"}, "100000000000000000000g 0s 0c"},
      {{"999999999999999g 0s 0c", "999999999999999g 99s 99c", "0g 0s 1c"},
       "1999999999999999g 0s 0c"},  // the longest gold still added as a number
      {{"1000000000000000g 0s 0c", "0009g 0s 0c"}, "1000000000000009g 0s 0c"},
      {{"1g 0s 0c", kUnknownPrice}, unknown},
      // Nothing that is not a coin text counts as one.
      {{"1g 100s 0c"}, unknown},
      {{"1g 5s"}, unknown},
      {{"1g 5s 0c "}, unknown},
      {{"-1g 0s 0c"}, unknown},
      {{"1 g 5s 0c"}, unknown},
      {{""}, unknown}};
  for (const auto& [texts, sum] : cases) {
    EXPECT_EQ(SumOfCoinTexts(texts).value_or(unknown), sum) << testing::PrintToString(texts);
  }
}

TEST_F(Evaluation, AnItemCostsWhatItsGemCostLabelsShowAddedUp) {
  ref.GemLevelTable(1) = {"", "Level1", 1.5f, 1};
  ref.GemLevelTable(2) = {"", "Level2", 0.25f, 2};
  ref.GemAmountTable(ui::kResist, 2).CostUnitsA = 10;  // 0g 56s 99c with the line above
  ref.GemAmountTable(ui::kResist, 2).CostUnitsB = 5;
  ref.GemLevelTable(3) = {"", "Level3", 3e38f, 9};  // beyond single precision
  const auto costs = [this] {
    std::string text;
    for (int g = 0; g < 4; ++g)
      text += w.lblGemCost[ui::GemSlot(2, g)].Caption() + ",";
    return text + " " + w.lblItemCost[2].Caption();
  };
  ChooseGem(ui::GemSlot(2, 0), ui::kResist, 1);
  EXPECT_EQ(costs(), "0g 56s 99c, 0g 0s 0c, 0g 0s 0c, 0g 0s 0c, Cost: 0g 56s 99c");
  ChooseGem(ui::GemSlot(2, 3), ui::kHits, 0);
  ChooseGem(ui::GemSlot(2, 1), ui::kResist, 1);
  EXPECT_EQ(costs(), "0g 56s 99c,0g 56s 99c, 0g 0s 0c,1g 50s 0c, Cost: 2g 63s 98c");
  ChooseGem(ui::GemSlot(2, 2), ui::kSkill, 2);  // a price no one knows: nor is the sum
  EXPECT_EQ(costs(), "0g 56s 99c,0g 56s 99c,??g ??s ??c,1g 50s 0c, Cost: ??g ??s ??c");
  ChooseGem(ui::GemSlot(2, 2), ui::kUnused);
  EXPECT_EQ(costs(), "0g 56s 99c,0g 56s 99c, 0g 0s 0c,1g 50s 0c, Cost: 2g 63s 98c");
  EXPECT_EQ(w.lblItemCost[0].Caption(), "Cost: 0g 0s 0c");  // another item's gems cost nothing
  // A dropped item's gems lose their prices one by one as each is evaluated again.
  w.optDropped[2].SetValue(true);
  w.cboGemQual[ui::GemSlot(2, 0)].SetListIndex(3);
  EXPECT_EQ(costs(), " 0g 0s 0c,0g 56s 99c, 0g 0s 0c,1g 50s 0c, Cost: 2g 6s 99c");
  for (int g = 1; g < 4; ++g)
    w.cboGemQual[ui::GemSlot(2, g)].SetListIndex(3);
  EXPECT_EQ(costs(), " 0g 0s 0c, 0g 0s 0c, 0g 0s 0c, 0g 0s 0c, Cost: 0g 0s 0c");
}

TEST_F(Evaluation, AnUnusedSlotHoldsNoGemAndItsItemLosesTheGemThatWasThere) {
  // Rows for type 0 that would price and name a gem if it were priced like the others.
  ref.GemLevelTable(1).UnitCount = 1;
  ref.GemLevelTable(1).UnitPrice = 1.5f;
  ref.GemAmountTable(ui::kUnused, 1) = {10, 5, 0, 9};
  ref.GemEffectTable(ui::kUnused, 0).GemNameSuffix = "Phantom";
  w.txtItmlevel[0].SetText("30");
  w.cboItmQual[0].SetListIndex(2);  // capacity 10
  Gems(0, {10, 6, 0, 0});
  EXPECT_EQ(Item(0), "10 3 0 0 | Imbue Points: 13.0 / 10 | Overcharge: -24.");
  for (int slot : {0, 2}) {  // a gem, and a slot that held a gem without value
    ChooseGem(slot, ui::kUnused);
    EXPECT_EQ(w.lblGemCost[slot].Caption() + "|" + w.lblGemName[slot].Caption(), " 0g 0s 0c|");
  }
  // The item and the totals were evaluated again without the first gem.
  EXPECT_EQ(Item(0), "0 6 0 0 | Imbue Points: 6.0 / 10 | Overcharge: none");
  EXPECT_EQ(w.lblResVal[0].Caption(), "6");
  // On a dropped item too the item and the totals follow: the slot's gem is gone from both.
  w.optDropped[0].SetValue(true);
  ChooseGem(1, ui::kUnused);
  EXPECT_EQ(w.lblGemPoint[1].Caption() + "|" + w.lblGemCost[1].Caption(), "0| 0g 0s 0c");
  EXPECT_EQ(w.lblResVal[0].Caption(), "0");
}

TEST_F(Evaluation, TheFirstHighestGemCountsInFullTheOthersAtHalfAndTheExcessOvercharges) {
  // Overcharge levels from the excess over the capacity.
  w.txtItmlevel[0].SetText("30");
  w.cboItmQual[0].SetListIndex(2);  // 96%: capacity 10, bonus 6; no gem quality adds anything
  const std::pair<std::array<int, 4>, const char*> cases[] = {
      {{0, 0, 0, 0}, "0 0 0 0 | Imbue Points: 0.0 / 10 | Overcharge: none"},
      {{10, 1, 0, 0}, "10 0.5 0 0 | Imbue Points: 10.5 / 10 | Overcharge: none"},
      {{2, 10, 10, 0}, "1 10 5 0 | Imbue Points: 16.0 / 10 | Overcharge: IMPOS."},  // a tie
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
  // The gem that counts in full says so, the others that they count at half.
  Gems(0, {2, 10, 1, 0});
  std::string said;
  for (int g = 0; g < 4; ++g)
    said += w.lblGemPoint[g].tool_tip().find("in full: it is") != std::string::npos ? "F" : "h";
  EXPECT_EQ(said, "hFhh");
  // Showing an item for the first time gives its own gems a quality, and no other item's.
  calc.PrepareItem(0);
  EXPECT_EQ(w.cboGemQual[3].ListIndex() * 10 + w.cboGemQual[4].ListIndex(), 0 * 10 - 1);
  // What warns of it: nothing up to the capacity, a mark over it, and words with each colour.
  const std::pair<std::array<int, 4>, const char*> warnings[] = {
      {{10, 1, 0, 0}, "- | - | -"},  // half a point over: no overcharge
      {{10, 2, 1, 0},
       "triangle over capacity by 1 point: can be made, with an overcharge | red: over capacity "
       "by 1 point | -"},
      {{13, 2, 2, 1},
       "triangle over capacity by 5 points: can be made, with an overcharge | red: over capacity "
       "by 5 points | -"},
      {{13, 2, 2, 2},
       "cross impossible: over capacity by 6 points | red: over capacity by 6 points | red: "
       "impossible"},
      {{0, 0, 0, 0}, "- | - | -"}};
  for (auto [gems, warning] : warnings) {
    Gems(0, gems);
    EXPECT_EQ(Warning(0), warning);
  }
}

TEST_F(Evaluation, OnlyACraftedItemWithAQualityAndALevelShowsItsCapacityTheOthersShowNone) {
  Gems(0, {10, 2, 2, 0});
  // What the label is created with: no earlier figure may stay behind.
  const char* none = "Imbue Points: 00.0 / 00 | Overcharge: none";
  const struct {
    const char *levels, *imbue_and_overcharge;  // the levels each in turn
    int quality;
    bool dropped;
  } cases[] = {
      {"30", none, -1, false},
      {"30", none, 2, true},
      {"0.4", none, 2, false},
      {"99999", none, 2, true},
      {"52 1", "Imbue Points: 12.0 /  | Overcharge: IMPOS.", 2, false},  // capacity 0
      {"53 -1 40000 1e999 -32769", "Imbue Points: 12.0 / ?? | Overcharge: none", 2, false}};
  const bool unknown[] = {false, false, false, false, false, true};
  for (size_t i = 0; i < std::size(cases); ++i) {
    const auto& c = cases[i];
    if (c.quality >= 0) w.cboItmQual[0].SetListIndex(c.quality);
    (c.dropped ? w.optDropped[0] : w.optCraft[0]).SetValue(true);
    std::istringstream levels(c.levels);
    for (std::string level; levels >> level;) {
      w.txtItmlevel[0].SetText(level);
      w.lblImbPoint[0].SetCaption("stale");
      calc.DisplayItem(0);
      EXPECT_EQ(Item(0), "10 1 1 0 | " + std::string(c.imbue_and_overcharge)) << level;
      // Only a capacity unknown for the level is marked; an item not compared is not.
      if (unknown[i]) {
        EXPECT_EQ(Warning(0), "ring capacity unknown: no capacity for item level " + level +
                                  " | amber: capacity unknown | -");
      } else if (c.imbue_and_overcharge == none) {
        EXPECT_EQ(Warning(0), "- | - | -") << level;
      }
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

// On a crafted item a committed typed amount is the entry it names, chosen, or no gem at all,
// said in every caption it feeds; on a dropped item it stays what was typed.
TEST_F(Evaluation, ATypedAmountOnACraftedItemIsTheEntryItNamesOrNoGem) {
  w.txtItmlevel[0].SetText("30");
  w.cboItmQual[0].SetListIndex(2);  // capacity 10
  const std::string no_gem =
      "-1 | ??g ??s ??c | no crafted gem of this amount | ?? 0 0 0 | Imbue Points: ?? / 10 | "
      "Overcharge: ??";
  const std::string level1 =
      "-1 | 0g 0s 0c | Level1  | 0 0 0 0 | Imbue Points: 0.0 / 10 | Overcharge: none";
  const std::string dropped =
      "-1 |  0g 0s 0c |  | 0 0 0 0 | Imbue Points: 00.0 / 00 | Overcharge: none";
  const std::string level3 =
      "2 | 0g 0s 0c | Level3  | 15 0 0 0 | Imbue Points: 15.0 / 10 | Overcharge: -64.";
  const struct {
    const char* typed;
    bool crafted;
    std::string shown;
  } rows[] = {
      {"22", true, level3},   {" 022 ", true, level3}, {"22.00", true, level3},
      {"21", true, no_gem},   {"22.5", true, no_gem},  {"2 2", true, no_gem},
      {"abc", true, no_gem},  {".", true, no_gem},     {"", true, level1},  // nothing chosen yet
      {"22", false, dropped}, {"21", false, dropped},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.typed) + (row.crafted ? " crafted" : " dropped"));
    (row.crafted ? w.optCraft[0] : w.optDropped[0]).UserClick();
    ChooseGem(0, ui::kStat);
    w.cboAmount[0].UserTyped(row.typed);
    w.cboAmount[0].UserCommit();
    EXPECT_EQ(std::to_string(w.cboAmount[0].ListIndex()) + " | " + w.lblGemCost[0].Caption() +
                  " | " + w.lblGemName[0].Caption() + " | " + Item(0),
              row.shown);
    const bool marked = row.shown == no_gem;
    if (marked) {
      EXPECT_EQ(Warning(0),
                "ring imbue points unknown: no crafted gem of the amount typed in Gem 1 | amber: "
                "imbue points unknown | -");
    } else if (row.shown != level3) {
      EXPECT_EQ(Warning(0), "- | - | -");
    }
    EXPECT_EQ(w.lblItemCost[0].Caption() == "Cost: ??g ??s ??c", marked);
  }
  // A dropped item's amount typed as an entry is that entry once the item is crafted.
  w.cboAmount[0].UserTyped("15");
  w.cboAmount[0].UserCommit();
  w.optCraft[0].UserClick();
  EXPECT_EQ(w.cboAmount[0].ListIndex(), 1);
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
  for (int slot = 0; slot < 10; ++slot)
    Typed(slot, ui::kPower, "0.1");
  EXPECT_EQ(w.lblPowVal.Caption(), "1");  // not 0.9999999999999999
  // Each amount is added to what the caption shows, 15 digits: one below the last of them is
  // lost every time, however many there are.
  Typed(20, ui::kHits, "0.5");
  for (int slot = 21; slot < 24; ++slot)
    Typed(slot, ui::kHits, "4e-16");
  EXPECT_EQ(w.lblHitsVal.Caption(), "0.5");
}

}  // namespace
}  // namespace gw

namespace gw {
namespace {

// WCAG's contrast of two sRGB colours, 1 to 21.
double Contrast(ui::Color a, ui::Color b) {
  auto luminance = [](ui::Color rgb) {
    double sum = 0;
    const double weights[] = {0.2126, 0.7152, 0.0722};
    for (int i = 0; i < 3; ++i) {
      const double c = ((rgb >> (16 - 8 * i)) & 0xFF) / 255.0;
      sum += weights[i] * (c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
    }
    return sum;
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A total against its cap, in both modes: the caption, the colour, and the words that carry what
// the colour shows.
TEST(CapRule, DistanceColourAndWordsAtUnderAndOverTheCapAndWithoutOne) {
  const struct {
    const char* cap_text;
    double total;
    const char* total_caption;
    const char* distance_caption;
    std::optional<ui::Color> color;
    const char* spoken;
    const char* description;
  } rows[] = {
      {"75", 88, "88", "-13", ui::MainWindow::kOverCapRed, "STR 88, cap 75, over by 13",
       "over cap by 13"},
      {"75", 75, "75", "0", ui::MainWindow::kAtCapGreen, "STR 75, cap 75, at cap", "at cap"},
      {"75", 74, "74", "1", std::nullopt, "STR 74, cap 75, 1 to go", ""},
      {"75", 75.5, "75.5", "-0.5", ui::MainWindow::kOverCapRed, "STR 75.5, cap 75, over by 0.5",
       "over cap by 0.5"},
      {"9999", -2, "-2", "10001", std::nullopt, "STR -2, cap 9999, 10001 to go", ""},
      {"0", 88, "88", "", std::nullopt, "", ""},      // 0 is no cap
      {"", 0, "0", "", std::nullopt, "", ""},         // neither is an empty box
      {"10000", 88, "88", "", std::nullopt, "", ""},  // nor a number past 9999
      {"7a", 7, "7", "", std::nullopt, "", ""},       // nor anything but digits
      {"0075", 75, "75", "0", ui::MainWindow::kAtCapGreen, "STR 75, cap 75, at cap", "at cap"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.cap_text);
    const int cap = CapOf(row.cap_text);
    for (const bool distance : {false, true}) {
      const TotalAgainstCap shown = ReadAgainstCap("STR", row.total, cap, distance);
      EXPECT_EQ(shown.caption, distance ? row.distance_caption : row.total_caption);
      EXPECT_EQ(shown.fore_color, row.color);
      EXPECT_EQ(shown.description, row.description);
      const std::string uncapped = distance ? "STR, no cap" : "";
      EXPECT_EQ(shown.spoken_name, cap > 0 ? std::string(row.spoken) : uncapped);
    }
  }
  for (const ui::Color color :
       {ui::MainWindow::kAtCapGreen, ui::MainWindow::kOverCapRed, ui::MainWindow::kWarningAmber})
    EXPECT_GE(Contrast(color, ui::MainWindow::kValueGrey), 4.5) << color;
}

// Through the window: a cap or the display choice rebuilds the totals against the caps; with
// "Count Equipped Items Only" the gems of items not equipped count for nothing, and "Equipped"
// then rebuilds them too.
TEST_F(Evaluation, CapsDistanceAndEquippedItemsOnlyRebuildTheTotals) {
  ChooseGem(0, ui::kStat, 2, 0);  // the chest: STR 22
  ChooseGem(4, ui::kStat, 1, 0);  // the arms: STR 15
  ChooseGem(8, ui::kHits, 0, 0);  // the head: Hits 5
  EXPECT_EQ(w.lblStatVal[0].Caption() + " " + w.lblHitsVal.Caption(), "37 5");
  w.txtStat[0].UserTyped("20");
  w.txtStat[0].UserCommit();
  EXPECT_EQ(w.lblStatVal[0].fore_color(), ui::MainWindow::kOverCapRed);
  EXPECT_EQ(w.lblStatVal[0].description(), "over cap by 17");
  w.optCap.UserClick();
  EXPECT_EQ(w.lblStatVal[0].Caption() + "|" + w.lblHitsVal.Caption(), "-17|");
  EXPECT_EQ(w.lblHitsVal.spoken_name(), "Hits, no cap");
  w.chkEquip[0].UserSetValue(true);
  EXPECT_EQ(w.lblStatVal[0].Caption(), "-17");  // equipped or not, every item counts
  w.mnuEquippedOnly.Press();
  EXPECT_TRUE(w.mnuEquippedOnly.Checked());
  EXPECT_EQ(w.lblStatVal[0].Caption() + "|" + w.lblStatVal[0].description(), "-2|over cap by 2");
  w.chkEquip[1].UserSetValue(true);
  EXPECT_EQ(w.lblStatVal[0].Caption() + "|" + w.lblStatVal[0].description(), "-17|over cap by 17");
  w.txtStat[0].UserTyped("37");
  w.txtStat[0].UserCommit();
  EXPECT_EQ(w.lblStatVal[0].Caption() + "|" + w.lblStatVal[0].description(), "0|at cap");
  w.optTotal.UserClick();
  EXPECT_EQ(w.lblStatVal[0].Caption() + " " + w.lblHitsVal.Caption(), "37 0");
  w.mnuEquippedOnly.Press();
  EXPECT_EQ(w.lblHitsVal.Caption(), "5");
  // A cap box takes a whole number of up to four digits; anything else typed is refused.
  for (const char* refused : {"12a", "10000", "-1", " 1", "1.5"}) {
    w.txtStat[0].UserTyped(refused);
    EXPECT_EQ(w.txtStat[0].Text(), "37") << refused;
  }
  w.txtStat[0].UserTyped("");
  EXPECT_EQ(w.txtStat[0].Text(), "");
}

}  // namespace
}  // namespace gw
