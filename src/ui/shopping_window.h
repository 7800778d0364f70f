// The "Shopping List" window as a logical model: the gems the plan's crafted items need, the
// plan's total cost, and buttons to copy the list and to close the window.
#pragma once

#include "ui/window.h"

namespace gw::ui {

class ShoppingListWindow : public Window {
 public:
  ShoppingListWindow();

  ListBox lstGems;
  Label lblTotal, lblNote;
  CommandButton cmdCopy, cmdClose;
};

}  // namespace gw::ui
