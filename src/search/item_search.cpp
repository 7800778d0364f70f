#include "search/item_search.h"

#include <optional>
#include <string>

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

void ItemSearchForm::AssignEffect(int iGemNo, std::string_view sGemType) {
  const std::optional<int> type = ui::GemTypeNumber(sGemType);
  if (!type) return;
  // The same entries as a gem slot's effect list: one per row of the type's panel.
  ui::ComboBox& effects = w_.cboEffect[iGemNo];
  effects.Clear();
  for (int e = 0; e < ui::EffectCount(*type); ++e) {
    effects.AddItem(ref_.GemEffectTable(*type, e).EffectName);
  }
  if (effects.ListCount() > 0) effects.SetListIndex(0);  // no handler: nothing further runs
}

void ItemSearchForm::cmdClose_Click() {
  w_.Unload();
}

}  // namespace gw
