// Every control event of the main window that has a handler, attached to it. Events not named
// here run nothing: typing.

#include "calc/wiring.h"
#include "app/main_form.h"

namespace gw {

void MainForm::Wire() {
  ui::MainWindow& w = *window_;
  WireEvaluation(w, calc_);
  WireSteps();
  w.SSTab1.Click = [this](int16_t previous) { SSTab1_Click(previous); };
  w.VScrollFoc.Change = [this] { VScrollFoc_Change(); };
  w.VScrollFoc.Scroll = [this] { VScrollFoc_Scroll(); };
  w.VScrollSki.Change = [this] { VScrollSki_Change(); };
  w.VScrollSki.Scroll = [this] { VScrollSki_Scroll(); };
  w.cmdExit.Click = [this] { cmdExit_Click(); };
  w.mnuSave.Click = [this] { mnuSave_Click(); };
  w.mnuSaveAs.Click = [this] { mnuSaveAs_Click(); };
  w.mnuShopping.Click = [this] { mnuShopping_Click(); };
  w.mnuQuit.Click = [this] { cmdExit_Click(); };
  w.mnuHelpContents.Click = [this] { mnuHelpContents_Click(); };
  w.mnuAbout.Click = w.mnuVersion.Click = [this] { mnuAbout_Click(); };
  w.mnuUndo.Click = [this] { mnuUndo_Click(); };
  w.mnuRedo.Click = [this] { mnuRedo_Click(); };
  w.cmdClearItem.Click = [this] { cmdClearItem_Click(); };
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

namespace gw {

ui::Handler MainForm::Step(std::string label, ui::Handler handler) {
  return [this, label = std::move(label), handler = std::move(handler)] {
    const bool outermost = step_depth_ == 0;
    Unrecorded([&] {
      if (handler) handler();
    });
    if (!outermost) return;
    history_.Record(CapturePlan(*window_), label);
    ShowHistory();
  };
}

// Every change of the plan the player can make is a step: the lists of the items and gems, the
// texts of the items and the crafter level once committed, crafted or dropped, and "Equipped".
// The step is named for undo as "Chest Gem 2 type", "Arms Item Level", "Crafter Level".
void MainForm::WireSteps() {
  ui::MainWindow& w = *window_;
  for (int k = 0; k < ui::kItemCount; ++k) {
    const std::string item = std::string(ui::kItemNames[static_cast<size_t>(k)]) + " ";
    auto step = [&](ui::Handler& handler, const std::string& what) {
      handler = Step(item + what, std::move(handler));
    };
    step(w.cboItmQual[k].Click, w.cboItmQual[k].accessible_name);
    for (ui::TextBox* text :
         {&w.txtItmlevel[k], &w.txtItemName[k], &w.txtAF[k], &w.txtSpeed[k], &w.txtBonus[k]}) {
      step(text->Commit, text->accessible_name);
    }
    step(w.optCraft[k].Click, w.optCraft[k].caption);
    step(w.optDropped[k].Click, w.optDropped[k].caption);
    step(w.chkEquip[k].Click, w.chkEquip[k].caption);
    for (int g = 0; g < ui::kGemsPerItem; ++g) {
      const int slot = ui::GemSlot(k, g);
      for (ui::ComboBox* list :
           {&w.cboType[slot], &w.cboEffect[slot], &w.cboAmount[slot], &w.cboGemQual[slot]}) {
        step(list->Click, list->accessible_name);
      }
      step(w.cboAmount[slot].Commit, w.cboAmount[slot].accessible_name);
    }
  }
  w.txtCLevel.Commit = Step("Crafter Level", std::move(w.txtCLevel.Commit));
  // The character: names, class and level, the display choice, the equipped-only rule, and
  // each panel row's cap and priority ("STR cap", "STR priority").
  w.txtName.Commit = Step(w.txtName.accessible_name, std::move(w.txtName.Commit));
  w.txtCName.Commit = Step(w.txtCName.accessible_name, std::move(w.txtCName.Commit));
  w.cboClass.Click = Step(w.cboClass.accessible_name, std::move(w.cboClass.Click));
  w.cboLevel.Click = Step(w.cboLevel.accessible_name, std::move(w.cboLevel.Click));
  w.cboLevel.Commit = Step(w.cboLevel.accessible_name, std::move(w.cboLevel.Commit));
  w.optTotal.Click = Step(w.optTotal.caption, std::move(w.optTotal.Click));
  w.optCap.Click = Step(w.optCap.caption, std::move(w.optCap.Click));
  w.mnuEquippedOnly.Click = Step("Count Equipped Items Only", std::move(w.mnuEquippedOnly.Click));
  for (size_t p = 0; p < ui::kPanels.size(); ++p) {
    const ui::MainWindow::PanelControls<false> panel = w.Panel(p);
    for (ui::TextBox& cap : panel.texts)
      cap.Commit = Step(cap.accessible_name, std::move(cap.Commit));
    for (ui::ComboBox& priority : panel.priorities)
      priority.Click = Step(priority.accessible_name, std::move(priority.Click));
  }
}

}  // namespace gw
