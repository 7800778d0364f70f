#include "calc/shopping_list.h"

#include <algorithm>
#include <map>
#include <utility>

#include "calc/gem_price.h"
#include "common/terminal_text.h"

namespace gw {

namespace {

constexpr std::string_view kCostPrefix = "Cost: ";

// `count` times the price `each` shows, added coin by coin as the item costs are.
std::string TimesPrice(int count, const std::string& each) {
  const std::vector<std::string> copies(static_cast<size_t>(count), each);
  return SumOfCoinTexts(copies).value_or(kUnknownPrice);
}

}  // namespace

ShoppingList MakeShoppingList(const ui::MainWindow& w) {
  std::map<std::pair<std::string, std::string>, int> counts;  // by name, then price
  std::vector<std::string> item_costs;
  for (int k = 0; k < ui::kItemCount; ++k) {
    const std::string& cost = w.lblItemCost[k].Caption();
    item_costs.push_back(cost.starts_with(kCostPrefix) ? cost.substr(kCostPrefix.size()) : cost);
    if (!w.optCraft[k].Value()) continue;  // a dropped item's gems are not made
    for (int g = 0; g < ui::kGemsPerItem; ++g) {
      const int slot = ui::GemSlot(k, g);
      const int type = w.cboType[slot].ListIndex();
      if (type == -1 || type == ui::kUnused) continue;
      // " 0g 0s 0c" is written with a blank before it; the list shows the price alone.
      std::string price = w.lblGemCost[slot].Caption();
      if (price.starts_with(' ')) price.erase(0, 1);
      ++counts[{w.lblGemName[slot].Caption(), std::move(price)}];
    }
  }
  ShoppingList list;
  for (const auto& [key, count] : counts)
    list.rows.push_back({key.first, count, key.second, TimesPrice(count, key.second)});
  list.total = SumOfCoinTexts(item_costs).value_or(kUnknownPrice);
  return list;
}

std::vector<std::string> ShoppingListLines(const ShoppingList& list) {
  const std::string count_head = "Count", gem_head = "Gem", each_head = "Each", all_head = "All";
  size_t count_width = count_head.size(), gem_width = gem_head.size();
  size_t each_width = each_head.size(), all_width = all_head.size();
  for (const ShoppingRow& row : list.rows) {
    count_width = std::max(count_width, std::to_string(row.count).size());
    gem_width = std::max(gem_width, DisplayWidth(PrintableText(row.gem)));
    each_width = std::max(each_width, DisplayWidth(row.each));
    all_width = std::max(all_width, DisplayWidth(row.all));
  }
  const auto line = [&](const std::string& count, const std::string& gem, const std::string& each,
                        const std::string& all) {
    std::string text = PadLeft(count, count_width) + "  " + PadRight(gem, gem_width) + "  " +
                       PadLeft(each, each_width) + "  " + PadLeft(all, all_width);
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
  };
  std::vector<std::string> lines;
  if (list.rows.empty()) {
    lines.emplace_back("No crafted item has a gem yet.");
  } else {
    lines.push_back(line(count_head, gem_head, each_head, all_head));
    for (const ShoppingRow& row : list.rows)
      lines.push_back(line(std::to_string(row.count), PrintableText(row.gem), row.each, row.all));
  }
  lines.push_back("Total cost: " + list.total);
  lines.emplace_back(kDroppedLeftOut);
  return lines;
}

}  // namespace gw
