// Attaching the evaluation to the main window's lists: every gem slot's type, effect, amount and
// quality list and every item quality list runs its handler when an entry is chosen.
#pragma once

#include "calc/calculator.h"
#include "ui/main_window.h"

namespace gw {

void WireEvaluation(ui::MainWindow& window, Calculator& calc);

}  // namespace gw
