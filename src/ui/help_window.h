// The help window: the walk-through of planning an item and the keys, a paragraph a row.
#pragma once

#include "ui/window.h"

namespace gw::ui {

class HelpWindow : public Window {
 public:
  HelpWindow();

  ListBox lstHelp;
  CommandButton cmdClose;
};

}  // namespace gw::ui
