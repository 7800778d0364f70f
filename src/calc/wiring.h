// Attaching the evaluation to the main window's controls: every gem slot's type, effect, amount
// and quality list and every item quality list runs its handler when an entry is chosen; a
// committed item level, typed amount or crafter level and a click on "Crafted Item" or "Dropped
// Item" evaluate what they feed.
#pragma once

#include "calc/calculator.h"
#include "ui/main_window.h"

namespace gw {

void WireEvaluation(ui::MainWindow& window, Calculator& calc);

}  // namespace gw
