#include "search/item_search.h"

#include <string>

#include "calc/effect_list.h"
#include "ui/lists.h"

namespace gw {

ItemSearchForm::ItemSearchForm(ui::ItemSearchWindow& window, const ReferenceTables& reference)
    : w_(window), ref_(reference) {
  for (int r = 0; r < ui::ItemSearchWindow::kRows; ++r) {
    w_.cboType[r].Click = [this, r] { cboType_Click(r); };
  }
  w_.cmdClose.Click = [this] { cmdClose_Click(); };
}

void ItemSearchForm::cboType_Click(int Index) {
  const std::string type = w_.cboType[Index].Text();
  AssignEffect(Index, type);
}

void ItemSearchForm::AssignEffect(int iRow, std::string_view sGemType) {
  ui::ComboBox& effects = w_.cboEffect[iRow];
  FillEffectList(effects, sGemType, ref_);
  if (effects.ListCount() > 0) effects.SetListIndex(0);  // no handler: nothing further runs
}

void ItemSearchForm::cmdClose_Click() {
  w_.Unload();
}

}  // namespace gw
