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

struct Plan {
  std::array<ItemPlan, ui::kItemCount> items;
  std::string crafter_level;
  bool operator==(const Plan&) const = default;
};

Plan CapturePlan(const ui::MainWindow& window);

// Writes `plan` into the window through the same controls and evaluation as a player's choices
// or an import, so that every caption is computed, never copied. Only the items that differ from
// what the window holds are written; the crafter level, when it differs, evaluates every item.
void RestorePlan(ui::MainWindow& window, Calculator& calc, const Plan& plan);

// What showing item `item`'s tab does to a plan: its gem qualities with nothing chosen become
// the first entry. A tab shown is no change of the plan, so the plans kept for comparison and
// undo take it too.
void PrepareItem(Plan& plan, int item);

}  // namespace gw
