#include "calc/effect_list.h"

#include "ui/lists.h"

namespace gw {

void FillEffectList(ui::ComboBox& list, std::string_view type_name, const ReferenceTables& tables) {
  const std::optional<int> type = ui::GemTypeNumber(type_name);
  if (!type) return;
  list.Clear();
  for (int e = 0; e < ui::EffectCount(*type); ++e) {
    list.AddItem(tables.GemEffectTable(*type, e).EffectName);
  }
}

int AmountEntry(const ReferenceTables& tables, int gem_type, int gem_level) {
  const int amount = tables.GemAmountTable(gem_type, gem_level).Amount;
  // Whole part of amount x 1.5, in integers: amount is never negative.
  return gem_type == ui::kStat ? amount * 3 / 2 : amount;
}

}  // namespace gw
