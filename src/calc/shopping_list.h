// What the plan costs and what to make for it: every gem of the crafted items, grouped by name,
// read from the captions the evaluation wrote, so the list and the window never disagree.
#pragma once

#include <string>
#include <vector>

#include "ui/main_window.h"

namespace gw {

struct ShoppingRow {
  std::string gem;  // the gem name caption
  int count = 0;
  std::string each, all;  // coin texts; kUnknownPrice when no price is known
};

struct ShoppingList {
  // By gem name, then price; a name shown at two prices (only odd data can do it) is two rows.
  std::vector<ShoppingRow> rows;
  // The sum of the nineteen items' "Cost" captions; kUnknownPrice when one shows no price.
  std::string total;
};

ShoppingList MakeShoppingList(const ui::MainWindow& window);

// The list as aligned plain text, a line each; its last two lines are the total and what is
// left out.
std::vector<std::string> ShoppingListLines(const ShoppingList& list);

inline constexpr const char* kDroppedLeftOut =
    "Gems of dropped items are not bought here and are left out.";

}  // namespace gw
