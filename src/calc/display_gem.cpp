#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "calc/calculator.h"
#include "calc/gem_price.h"
#include "common/text.h"

namespace gw {

namespace {

// What a gem slot shows when it holds no priced gem.
constexpr const char* kNoPrice = " 0g 0s 0c";
// The name of a crafted gem whose typed amount no gem level gives.
constexpr const char* kNoGemOfAmount = "no crafted gem of this amount";

}  // namespace

void Calculator::DisplayGem(int iGem) {
  const int type = w_.cboType[iGem].ListIndex();
  const int level = std::max(w_.cboAmount[iGem].ListIndex(), 0) + 1;  // nothing chosen: level 1
  const int effect = std::max(w_.cboEffect[iGem].ListIndex(), 0);
  // The gem's own item decides, so that an import (which fills items whose tab is not shown)
  // prices each gem by its own item's dropped flag and re-evaluates that item.
  const int item = ui::ItemOfSlot(iGem);

  if (w_.optDropped[item].Value() || type == -1 || type == ui::kUnused) {
    // No priced gem: a dropped item's gems were not made here, and a slot with no type or marked
    // unused holds none. Nothing to price or name.
    w_.lblGemCost[iGem].SetCaption(kNoPrice);
    w_.lblGemName[iGem].SetCaption("");
  } else if (NoGemOfAmount(iGem)) {
    // Priced as the level-1 gem it is not, it would contradict the totals, which count the
    // typed amount.
    w_.lblGemCost[iGem].SetCaption(kUnknownPrice);
    w_.lblGemName[iGem].SetCaption(kNoGemOfAmount);
  } else {
    const std::optional<float> price =
        GemPrice(ref_.GemLevelTable(level), ref_.GemAmountTable(type, level));
    w_.lblGemCost[iGem].SetCaption(price ? CoinText(*price) : kUnknownPrice);
    w_.lblGemName[iGem].SetCaption(ref_.GemLevelTable(level).LevelName + " " +
                                   ref_.GemEffectTable(type, effect).GemNameSuffix);
  }
  if (items_deferred_) return;
  DisplayItemCost(item);
  // Every gem change goes on to its item, priced or not: the item's points and overcharge and
  // the totals (which count a dropped item's amounts too) never lag behind the gem.
  DisplayItem(item);
}

bool Calculator::NoGemOfAmount(int iGem) const {
  const int type = w_.cboType[iGem].ListIndex();
  const ui::ComboBox& amount = w_.cboAmount[iGem];
  return w_.optCraft[ui::ItemOfSlot(iGem)].Value() && type != -1 && type != ui::kUnused &&
         amount.ListIndex() == -1 && !Trim(amount.Text()).empty();
}

// The item's cost is the sum of what its four gem cost labels show, so it is written whenever
// one of them is.
void Calculator::DisplayItemCost(int iItem) {
  std::array<std::string, ui::kGemsPerItem> prices;
  for (int g = 0; g < ui::kGemsPerItem; ++g)
    prices[static_cast<size_t>(g)] = w_.lblGemCost[ui::GemSlot(iItem, g)].Caption();
  const std::optional<std::string> sum = SumOfCoinTexts(prices);
  w_.lblItemCost[iItem].SetCaption("Cost: " + (sum ? *sum : std::string(kUnknownPrice)));
}

}  // namespace gw
