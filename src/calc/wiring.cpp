#include "calc/wiring.h"

namespace gw {

void WireEvaluation(ui::MainWindow& w, Calculator& calc) {
  for (int i = 0; i < ui::kGemSlotCount; ++i) {
    w.cboType[i].Click = [&calc, i] { calc.cboType_Click(i); };
    w.cboEffect[i].Click = [&calc, i] { calc.cboEffect_Click(i); };
    w.cboAmount[i].Click = [&calc, i] { calc.cboAmount_Click(i); };
    w.cboAmount[i].Commit = [&calc, i] { calc.cboAmount_Commit(i); };
    w.cboGemQual[i].Click = [&calc, i] { calc.cboGemQual_Click(i); };
  }
  for (int k = 0; k < ui::kItemCount; ++k) {
    w.cboItmQual[k].Click = [&calc, k] { calc.cboItmQual_Click(k); };
    w.txtItmlevel[k].Commit = [&calc, k] { calc.txtItmlevel_Commit(k); };
    w.optCraft[k].Click = [&calc, k] { calc.optCraft_Click(k); };
    w.optDropped[k].Click = [&calc, k] { calc.optDropped_Click(k); };
    w.chkEquip[k].Click = [&calc] { calc.chkEquip_Click(); };
  }
  w.txtCLevel.Commit = [&calc] { calc.txtCLevel_Commit(); };
  // What the totals are read against: each cap, the display choice, the equipped-only rule.
  for (size_t p = 0; p < ui::kPanels.size(); ++p) {
    for (ui::TextBox& cap : w.Panel(p).texts)
      cap.Commit = [&calc] { calc.DisplayTotal(); };
  }
  w.optTotal.Click = w.optCap.Click = w.mnuEquippedOnly.Click = [&calc] { calc.DisplayTotal(); };
}

}  // namespace gw
