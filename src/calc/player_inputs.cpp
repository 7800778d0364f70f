#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calculator.h"
#include "common/text.h"

namespace gw {

void Calculator::txtItmlevel_Commit(int iItem) {
  DisplayItem(iItem);
}

void Calculator::optCraft_Click(int iItem) {
  // Crafted or dropped decides whether each gem has a price, so every gem is priced again. A
  // dropped item's amount typed as an entry of its list is, on a crafted one, that entry.
  for (int g = 0; g < ui::kGemsPerItem; ++g) {
    const int slot = ui::GemSlot(iItem, g);
    if (!ChooseTypedAmount(slot)) DisplayGem(slot);
  }
  DisplayItem(iItem);
}

void Calculator::optDropped_Click(int iItem) {
  optCraft_Click(iItem);
}

void Calculator::cboAmount_Commit(int iGemNo) {
  if (!ChooseTypedAmount(iGemNo)) DisplayGem(iGemNo);
}

bool Calculator::ChooseTypedAmount(int iGemNo) {
  ui::ComboBox& amount = w_.cboAmount[iGemNo];
  if (w_.ImportInProgress || !w_.optCraft[ui::ItemOfSlot(iGemNo)].Value() ||
      amount.ListIndex() != -1) {
    return false;
  }
  // A whole number, as the list writes it once the leading zeros and a zero fraction are gone
  // ("022" and "22.0" are 22); nothing else is a number equal to an entry.
  const std::string text = amount.Text();
  std::string_view typed = Trim(text);
  const auto is_digit = [](char c) { return c >= '0' && c <= '9'; };
  const size_t point = typed.find('.');
  if (point != std::string_view::npos) {
    if (typed.find_first_not_of('0', point + 1) != std::string_view::npos) return false;
    typed = typed.substr(0, point);
  }
  if (typed.empty() || !std::all_of(typed.begin(), typed.end(), is_digit)) return false;
  typed.remove_prefix(std::min(typed.find_first_not_of('0'), typed.size() - 1));
  const std::vector<std::string>& entries = amount.items();
  const auto entry = std::find(entries.begin(), entries.end(), typed);
  if (entry == entries.end()) return false;
  amount.SetListIndex(static_cast<int>(entry - entries.begin()));
  return true;
}

void Calculator::chkEquip_Click() {
  if (w_.mnuEquippedOnly.Checked()) DisplayTotal();
}

void Calculator::txtCLevel_Commit() {
  {
    // Every item's overcharge score reads the crafter level; the totals do not.
    const TotalsDeferred once_at_the_end(*this);
    for (int k = 0; k < ui::kItemCount; ++k)
      DisplayItem(k);
  }
  DisplayTotal();
}

void Calculator::PrepareItem(int iItem) {
  // The first showing of an item gives its empty gem quality boxes "94%", each through its
  // handler, so each gem is evaluated once with a quality.
  for (int g = 0; g < ui::kGemsPerItem; ++g) {
    ui::ComboBox& quality = w_.cboGemQual[ui::GemSlot(iItem, g)];
    if (quality.ListIndex() == -1) quality.SetListIndex(0);
  }
  DisplayItem(iItem);
}

}  // namespace gw
