// The plan an item set gives, read from the main window's captions after an import, and written
// as text for people or as JSON for scripts. Nothing here evaluates anything: every figure is
// the caption the window holds, so the report and the window cannot disagree.
#pragma once

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "calc/shopping_list.h"
#include "import/import_problems.h"
#include "ui/main_window.h"

namespace gw::report {

// One shown value and the control that shows it (its name, as "lblGemCost(5)").
struct Figure {
  std::string control;
  std::string text;
};

struct GemFigures {
  Figure type, effect, amount, quality, name, price, points;
};

struct ItemFigures {
  std::string tab;  // the tab's caption, "Chest" to "Right Wrist"
  Figure name, level, quality;
  bool crafted = false;
  bool equipped = false;
  std::array<GemFigures, ui::kGemsPerItem> gems;
  Figure imbue_points, overcharge, cost;

  // True when any gem has a type other than "Unused".
  bool HasGems() const;
};

struct PanelRow {
  Figure caption, value;
  int cap = 0;           // 0: no cap
  std::string distance;  // with a cap: cap less total ("-13": over it by 13)
  std::string state;     // "at cap", "over cap by 13", or empty
};

// Who the items are planned for, and how the totals are read.
struct CharacterFigures {
  Figure name, class_name, level, crafter_name, crafter_level;
  bool distance_to_cap = false;
  bool equipped_only = false;
};

struct Panel {
  std::string name;  // the frame's caption, "Stats" to "Skills"
  std::vector<PanelRow> rows;
};

struct Report {
  CharacterFigures character;
  std::vector<ItemFigures> items;
  std::vector<Panel> panels;
  // The gems to make and the plan's total cost.
  ShoppingList shopping;
  // The first skipped values by line, and how many more there were.
  std::vector<ImportProblem> skipped;
  size_t skipped_more = 0;
};

// Reads every figure from the window as it stands.
Report Collect(const ui::MainWindow& window, const ImportProblems& skipped);

// Aligned text, one block per item (one line for an item without gems); control characters of
// names show as "?", and columns are aligned by the width a terminal gives each character.
void WriteText(std::ostream& out, const Report& report);
// One JSON object, UTF-8, every string escaped.
void WriteJson(std::ostream& out, const Report& report);

}  // namespace gw::report
