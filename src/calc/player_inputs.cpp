#include "calc/calculator.h"

namespace gw {

void Calculator::txtItmlevel_Commit(int iItem) {
  DisplayItem(iItem);
}

void Calculator::optCraft_Click(int iItem) {
  // Crafted or dropped decides whether each gem has a price, so every gem is priced again.
  for (int g = 0; g < ui::kGemsPerItem; ++g)
    DisplayGem(ui::GemSlot(iItem, g));
  DisplayItem(iItem);
}

void Calculator::optDropped_Click(int iItem) {
  optCraft_Click(iItem);
}

void Calculator::cboAmount_Commit(int iGemNo) {
  DisplayGem(iGemNo);
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
