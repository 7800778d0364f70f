// Every control event of the main window that has a handler, attached to it. Events not named
// here run nothing: typing, option buttons, check boxes, the class, level and priority lists,
// "Clear", "About" and the version entry.
#include "app/wiring.h"

#include "app/main_form.h"

namespace gw {

void WireEvaluation(ui::MainWindow& w, Calculator& calc) {
  for (int i = 0; i < ui::kGemSlotCount; ++i) {
    w.cboType[i].Click = [&calc, i] { calc.cboType_Click(i); };
    w.cboEffect[i].Click = [&calc, i] { calc.cboEffect_Click(i); };
    w.cboAmount[i].Click = [&calc, i] { calc.cboAmount_Click(i); };
    w.cboGemQual[i].Click = [&calc, i] { calc.cboGemQual_Click(i); };
  }
  for (int k = 0; k < ui::kItemCount; ++k) {
    w.cboItmQual[k].Click = [&calc, k] { calc.cboItmQual_Click(k); };
  }
}

void MainForm::Wire() {
  ui::MainWindow& w = *window_;
  WireEvaluation(w, calc_);
  w.SSTab1.Click = [this](int16_t previous) { SSTab1_Click(previous); };
  w.VScrollFoc.Change = [this] { VScrollFoc_Change(); };
  w.VScrollFoc.Scroll = [this] { VScrollFoc_Scroll(); };
  w.VScrollSki.Change = [this] { VScrollSki_Change(); };
  w.VScrollSki.Scroll = [this] { VScrollSki_Scroll(); };
  w.cmdExit.Click = [this] { cmdExit_Click(); };
  w.cmdLoadItem.Click = [this] { cmdLoadItem_Click(); };
  w.cmdSaveItem.Click = [this] { cmdSaveItem_Click(); };
  w.cmdSwapItem.Click = [this] { cmdSwapItem_Click(); };
  w.cmdSearch.Click = [this] { cmdSearch_Click(); };
  w.mnuOpen.Click = [this] { mnuOpen_Click(); };
  w.mnuAlc.Click = [this] { mnuAlc_Click(); };
  w.mnuAC.Click = [this] { mnuAC_Click(); };
  w.mnuFlet.Click = [this] { mnuFlet_Click(); };
  w.mnuGW.Click = [this] { mnuGW_Click(); };
  w.mnuTail.Click = [this] { mnuTail_Click(); };
  w.mnuWC.Click = [this] { mnuWC_Click(); };
}

}  // namespace gw
