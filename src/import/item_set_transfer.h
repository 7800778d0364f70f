// Writing the staging table into the nineteen items of the main window, through the same
// controls the player uses, so that every choice runs the same handlers as a player's choice.
#pragma once

#include "calc/calculator.h"
#include "data/reference_tables.h"
#include "import/import_problems.h"
#include "import/imported_items.h"
#include "ui/main_window.h"

namespace gw {

// Writes every item and gem slot, named in the file or not, evaluates every item again, then
// rebuilds the totals. A value that the window's lists cannot take (an amount code past 9 on a
// crafted item, an effect past its type's list) is skipped and added to `problems`. Expects
// ImportInProgress to be set.
void TransferItemSet(const ImportedItemTable& items, const ImportSourceLines& sources,
                     ui::MainWindow& window, Calculator& calc, const ReferenceTables& tables,
                     ImportProblems& problems);

}  // namespace gw
