// The plan as a value: what the player decided in the main window, read from its controls, so
// that saving, "changed since last save" and undo share one notion of it. Captions are not part
// of it: they are always recomputed from the controls.
#pragma once

#include <array>
#include <string>

#include "calc/calculator.h"
#include "ui/main_window.h"

namespace gw {

struct GemPlan {
  int type = -1;  // list choices; -1: nothing chosen
  int effect = -1;
  int amount = -1;
  std::string amount_text;  // the amount box's text, typed or chosen
  int quality = -1;
  bool operator==(const GemPlan&) const = default;
};

struct ItemPlan {
  int quality = -1;
  std::string level, name, af_dps, speed, bonus;
  bool crafted = false;
  bool dropped = false;
  bool equipped = false;
  std::array<GemPlan, ui::kGemsPerItem> gems;
  bool operator==(const ItemPlan&) const = default;
};

// The character the items are planned for, and how the totals are read.
struct CharacterPlan {
  std::string name;
  int class_choice = -1;
  std::string level;  // the level list's text: typed or chosen, the same level
  std::string crafter_name;
  bool distance_to_cap = false;  // "Distance to Cap" rather than "Total Bonus"
  bool equipped_only = false;    // "Count Equipped Items Only"
  // Per panel row in kPanels order: the cap box's text and the priority choice.
  std::array<std::string, ui::kPanelRowCount> caps;
  std::array<int, ui::kPanelRowCount> priorities;
  CharacterPlan();
  bool operator==(const CharacterPlan&) const = default;
};

struct Plan {
  std::array<ItemPlan, ui::kItemCount> items;
  std::string crafter_level;
  CharacterPlan character;
  bool operator==(const Plan&) const = default;
};

Plan CapturePlan(const ui::MainWindow& window);

// An item as a new window holds it once its tab has been shown: nothing chosen, the texts the
// window starts with, crafted, not equipped, every gem quality the first entry.
ItemPlan FreshItem();

// The plan of a new window with every tab shown once.
Plan BlankPlan();

// Writes `plan` into the window through the same controls and evaluation as a player's choices
// or an import, so that every caption is computed, never copied. Only the items that differ from
// what the window holds are written; the crafter level, when it differs, evaluates every item.
void RestorePlan(ui::MainWindow& window, Calculator& calc, const Plan& plan);

// What showing item `item`'s tab does to a plan: its gem qualities with nothing chosen become
// the first entry. A tab shown is no change of the plan, so the plans kept for comparison and
// undo take it too.
void PrepareItem(Plan& plan, int item);

}  // namespace gw
