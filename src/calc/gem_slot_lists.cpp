#include <optional>
#include <string>

#include "calc/calculator.h"
#include "calc/effect_list.h"

namespace gw {

void Calculator::cboType_Click(int iGemNo) {
  const std::string type = w_.cboType[iGemNo].Text();
  AssignAmount(iGemNo, type);
  AssignEffect(iGemNo, type);
  DisplayGem(iGemNo);
}

void Calculator::cboEffect_Click(int iGemNo) {
  DisplayGem(iGemNo);
}
void Calculator::cboAmount_Click(int iGemNo) {
  DisplayGem(iGemNo);
}
void Calculator::cboGemQual_Click(int iGemNo) {
  DisplayGem(iGemNo);
}
void Calculator::cboItmQual_Click(int iItem) {
  DisplayItem(iItem);
}

void Calculator::AssignAmount(int iGemNo, std::string_view sGemType) {
  const std::optional<int> type = ui::GemTypeNumber(sGemType);
  if (!type) return;
  ui::ComboBox& amounts = w_.cboAmount[iGemNo];
  amounts.Clear();
  if (*type == ui::kUnused) return;
  for (int level = 1; level <= kGemLevels; ++level) {
    amounts.AddItem(std::to_string(AmountEntry(ref_, *type, level)));
  }
}

void Calculator::AssignEffect(int iGemNo, std::string_view sGemType) {
  ui::ComboBox& effects = w_.cboEffect[iGemNo];
  FillEffectList(effects, sGemType, ref_);
  // During an import the import chooses the effect itself, after the lists are rebuilt.
  if (!w_.ImportInProgress && effects.ListCount() > 0) effects.SetListIndex(0);
}

}  // namespace gw
