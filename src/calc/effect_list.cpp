#include "calc/effect_list.h"

#include <array>

#include "ui/lists.h"

namespace gw {

std::optional<int> GemTypeNumber(std::string_view type_name) {
  for (size_t t = 0; t < ui::kGemTypes.size(); ++t) {
    if (ui::kGemTypes[t] == type_name) return static_cast<int>(t);
  }
  return std::nullopt;
}

int EffectCount(int gem_type) {
  static constexpr std::array<int, 7> kCounts = {0, 8, 9, 1, 1, 8, 26};
  if (gem_type < 0 || gem_type >= static_cast<int>(kCounts.size())) return 0;
  return kCounts[static_cast<size_t>(gem_type)];
}

void FillEffectList(ui::ComboBox& list, std::string_view type_name, const ReferenceTables& tables) {
  const std::optional<int> type = GemTypeNumber(type_name);
  if (!type) return;
  list.Clear();
  for (int e = 0; e < EffectCount(*type); ++e) {
    list.AddItem(tables.GemEffectTable(*type, e).EffectName);
  }
}

int AmountEntry(const ReferenceTables& tables, int gem_type, int gem_level) {
  const int amount = tables.GemAmountTable(gem_type, gem_level).Amount;
  // Whole part of amount x 1.5, in integers: amount is never negative.
  return gem_type == ui::kStat ? amount * 3 / 2 : amount;
}

}  // namespace gw
