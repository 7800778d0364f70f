#include "plan/plan.h"

#include "import/item_set_import.h"

namespace gw {

CharacterPlan::CharacterPlan() {
  priorities.fill(-1);
}

namespace {

ItemPlan CaptureItem(const ui::MainWindow& w, int k) {
  ItemPlan item;
  item.quality = w.cboItmQual[k].ListIndex();
  item.level = w.txtItmlevel[k].Text();
  item.name = w.txtItemName[k].Text();
  item.af_dps = w.txtAF[k].Text();
  item.speed = w.txtSpeed[k].Text();
  item.bonus = w.txtBonus[k].Text();
  item.crafted = w.optCraft[k].Value();
  item.dropped = w.optDropped[k].Value();
  item.equipped = w.chkEquip[k].Value();
  for (int g = 0; g < ui::kGemsPerItem; ++g) {
    const int slot = ui::GemSlot(k, g);
    GemPlan& gem = item.gems[static_cast<size_t>(g)];
    gem.type = w.cboType[slot].ListIndex();
    gem.effect = w.cboEffect[slot].ListIndex();
    gem.amount = w.cboAmount[slot].ListIndex();
    gem.amount_text = w.cboAmount[slot].Text();
    gem.quality = w.cboGemQual[slot].ListIndex();
  }
  return item;
}

void Choose(ui::ComboBox& box, int index) {
  if (index >= 0) {
    box.SetListIndex(index);
  } else {
    box.Deselect();
  }
}

CharacterPlan CaptureCharacter(const ui::MainWindow& w) {
  CharacterPlan character;
  character.name = w.txtName.Text();
  character.class_choice = w.cboClass.ListIndex();
  character.level = w.cboLevel.Text();
  character.crafter_name = w.txtCName.Text();
  character.distance_to_cap = w.optCap.Value();
  character.equipped_only = w.mnuEquippedOnly.Checked();
  size_t at = 0;
  for (size_t p = 0; p < ui::kPanels.size(); ++p) {
    const ui::MainWindow::PanelControls<true> panel = w.Panel(p);
    for (size_t row = 0; row < panel.texts.size(); ++row, ++at) {
      character.caps[at] = panel.texts[row].Text();
      character.priorities[at] = panel.priorities[row].ListIndex();
    }
  }
  return character;
}

// Writes the character back; the caller rebuilds the totals.
void RestoreCharacter(ui::MainWindow& w, const CharacterPlan& character) {
  w.txtName.SetText(character.name);
  Choose(w.cboClass, character.class_choice);
  w.cboLevel.SetText(character.level);
  w.txtCName.SetText(character.crafter_name);
  (character.distance_to_cap ? w.optCap : w.optTotal).SetValue(true);
  w.mnuEquippedOnly.SetChecked(character.equipped_only);
  size_t at = 0;
  for (size_t p = 0; p < ui::kPanels.size(); ++p) {
    const ui::MainWindow::PanelControls<false> panel = w.Panel(p);
    for (size_t row = 0; row < panel.texts.size(); ++row, ++at) {
      panel.texts[row].SetText(character.caps[at]);
      Choose(panel.priorities[row], character.priorities[at]);
    }
  }
}

void RestoreGem(ui::MainWindow& w, int slot, const GemPlan& gem) {
  Choose(w.cboGemQual[slot], gem.quality);
  if (gem.type >= 0) {
    w.cboType[slot].SetListIndex(gem.type);  // rebuilds the amount and effect lists
  } else {
    // Only a slot the player never chose a type in has none: its lists are empty.
    w.cboType[slot].Deselect();
    w.cboAmount[slot].Clear();
    w.cboEffect[slot].Clear();
  }
  if (gem.amount >= 0) {
    w.cboAmount[slot].SetListIndex(gem.amount);
  } else {
    w.cboAmount[slot].SetTypedText(gem.amount_text);
  }
  Choose(w.cboEffect[slot], gem.effect);
}

void RestoreItem(ui::MainWindow& w, Calculator& calc, int k, const ItemPlan& item) {
  Choose(w.cboItmQual[k], item.quality);
  w.txtItmlevel[k].SetText(item.level);
  w.txtItemName[k].SetText(item.name);
  w.txtAF[k].SetText(item.af_dps);
  w.txtSpeed[k].SetText(item.speed);
  w.txtBonus[k].SetText(item.bonus);
  // The two buttons exclude each other; a plan holds one of them chosen (or, never, neither).
  w.optCraft[k].SetValue(item.crafted);
  w.optDropped[k].SetValue(item.dropped);
  w.chkEquip[k].SetValue(item.equipped);
  for (int g = 0; g < ui::kGemsPerItem; ++g) {
    RestoreGem(w, ui::GemSlot(k, g), item.gems[static_cast<size_t>(g)]);
  }
  for (int g = 0; g < ui::kGemsPerItem; ++g)
    calc.DisplayGem(ui::GemSlot(k, g));
  calc.DisplayItemCost(k);
  calc.DisplayItem(k);
}

}  // namespace

ItemPlan FreshItem() {
  ItemPlan item;
  item.level = item.af_dps = item.speed = item.bonus = "0";
  item.crafted = true;
  for (GemPlan& gem : item.gems)
    gem.quality = 0;
  return item;
}

Plan BlankPlan() {
  Plan plan = CapturePlan(ui::MainWindow());
  plan.items.fill(FreshItem());
  return plan;
}

Plan CapturePlan(const ui::MainWindow& w) {
  Plan plan;
  for (int k = 0; k < ui::kItemCount; ++k)
    plan.items[static_cast<size_t>(k)] = CaptureItem(w, k);
  plan.crafter_level = w.txtCLevel.Text();
  plan.character = CaptureCharacter(w);
  return plan;
}

void RestorePlan(ui::MainWindow& w, Calculator& calc, const Plan& plan) {
  const Plan now = CapturePlan(w);
  {
    const ImportFlag writing(w);  // the effect lists wait for the plan's own choice
    const Calculator::TotalsDeferred once_at_the_end(calc);
    const Calculator::ItemsDeferred each_item_once(calc);  // RestoreItem evaluates its item
    const bool crafter_level_changed = plan.crafter_level != now.crafter_level;
    if (crafter_level_changed) w.txtCLevel.SetText(plan.crafter_level);
    if (plan.character != now.character) RestoreCharacter(w, plan.character);
    for (int k = 0; k < ui::kItemCount; ++k) {
      const ItemPlan& item = plan.items[static_cast<size_t>(k)];
      if (item != now.items[static_cast<size_t>(k)]) {
        RestoreItem(w, calc, k, item);
      } else if (crafter_level_changed) {
        calc.DisplayItem(k);
      }
    }
  }
  calc.DisplayTotal();
}

void PrepareItem(Plan& plan, int item) {
  for (GemPlan& gem : plan.items[static_cast<size_t>(item)].gems) {
    if (gem.quality == -1) gem.quality = 0;
  }
}

}  // namespace gw
