#include "import/item_set_transfer.h"

#include <string>

#include "calc/effect_list.h"
#include "common/convert.h"

namespace gw {

namespace {

// What the transfer writes into a gem's amount box: a crafted gem's level's entry in the amount
// list, a dropped gem's amount as the file gives it; nothing for a crafted level past the list.
std::optional<int> WrittenAmount(const ImportedItem& item, const ImportedGem& gem,
                                 const ReferenceTables& tables) {
  if (!item.PlayerMade) return gem.AmountCode;
  if (gem.AmountCode >= kGemLevels) return std::nullopt;
  return AmountEntry(tables, gem.GemType, gem.AmountCode + 1);
}

void WriteItems(const ImportedItemTable& items, const ImportSourceLines& sources, ui::MainWindow& w,
                Calculator& calc, const ReferenceTables& tables, ImportProblems& problems) {
  for (int k = 0; k < ui::kItemCount; ++k) {
    const ImportedItem& item = items[static_cast<size_t>(k)];
    w.cboItmQual[k].SetListIndex(item.ItemQuality);
    w.txtItmlevel[k].SetText(NumberToText(static_cast<double>(item.ItemLevel)));
    w.txtItemName[k].SetText(item.ItemName);
    w.txtAF[k].SetText(NumberToText(item.AfDps));
    w.txtSpeed[k].SetText(NumberToText(item.Speed));
    w.txtBonus[k].SetText(NumberToText(item.Bonus));
    if (item.PlayerMade) {
      w.optCraft[k].SetValue(true);
    } else {
      w.optDropped[k].SetValue(true);
    }
    w.chkEquip[k].SetValue(item.Equipped);

    for (int g = 0; g < ui::kGemsPerItem; ++g) {
      const ImportedGem& gem = item.Gems[static_cast<size_t>(g)];
      const GemSourceLines& from = sources[static_cast<size_t>(k)][static_cast<size_t>(g)];
      const int slot = ui::GemSlot(k, g);
      w.cboGemQual[slot].SetListIndex(gem.GemQuality);
      w.cboType[slot].SetListIndex(gem.GemType);  // rebuilds the amount and effect lists

      // A crafted gem's entry is chosen by the box as its text is written.
      if (const std::optional<int> amount = WrittenAmount(item, gem, tables)) {
        w.cboAmount[slot].SetText(NumberToText(static_cast<double>(*amount)));
      } else {
        problems.Add(from.amount_code, "gem level " + std::to_string(gem.AmountCode) +
                                           " is outside 0..9 for a crafted item");
      }

      if (gem.GemType != ui::kUnused) {
        if (gem.EffectIndex >= 0 && gem.EffectIndex < w.cboEffect[slot].ListCount()) {
          w.cboEffect[slot].SetListIndex(gem.EffectIndex);
        } else {
          problems.Add(from.gem_id,
                       "effect " + std::to_string(gem.EffectIndex) + " is outside the " +
                           std::to_string(ui::EffectCount(gem.GemType)) + " effects of a " +
                           std::string(ui::kGemTypes[gem.GemType]) + " gem");
        }
      }
      calc.DisplayGem(slot);
    }
  }
  // An item was evaluated when its quality was chosen, before its gems were written, and its
  // gems do not evaluate it while the items are written: so each item's cost is shown and the
  // item evaluated once more, and it shows what choosing its tab would show.
  for (int k = 0; k < ui::kItemCount; ++k) {
    calc.DisplayItemCost(k);
    calc.DisplayItem(k);
  }
}

}  // namespace

void TransferItemSet(const ImportedItemTable& items, const ImportSourceLines& sources,
                     ui::MainWindow& w, Calculator& calc, const ReferenceTables& tables,
                     ImportProblems& problems) {
  {
    const Calculator::TotalsDeferred once_at_the_end(calc);
    const Calculator::ItemsDeferred each_item_once(calc);  // WriteItems evaluates every item
    WriteItems(items, sources, w, calc, tables, problems);
  }
  calc.DisplayTotal();
}

std::optional<AddedAmount> AmountAdded(const ImportedItem& item, int g,
                                       const ReferenceTables& tables) {
  const ImportedGem& gem = item.Gems[static_cast<size_t>(g)];
  if (gem.GemType == ui::kUnused || gem.GemType >= ui::kGemTypes.size()) return std::nullopt;
  // The transfer leaves an effect outside the type's list unchosen: the gem is not counted.
  if (gem.EffectIndex < 0 || gem.EffectIndex >= ui::EffectCount(gem.GemType)) return std::nullopt;
  const std::optional<int> amount = WrittenAmount(item, gem, tables);
  if (!amount) return std::nullopt;
  return AddedAmount{gem.GemType, gem.EffectIndex, static_cast<double>(*amount)};
}

}  // namespace gw
