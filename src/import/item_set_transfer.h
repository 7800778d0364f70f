// Writing the staging table into the nineteen items of the main window, through the same
// controls the player uses, so that every choice runs the same handlers as a player's choice.
#pragma once

#include <optional>

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

// What gem `g` of a staged item adds to the character totals once TransferItemSet has written
// it: its type, its effect (its panel row) and its amount; nothing for an unused gem or one whose
// amount or effect the transfer skips. Lets the item library weigh items without a window.
struct AddedAmount {
  int type = 0;
  int effect = 0;
  double amount = 0;
};
std::optional<AddedAmount> AmountAdded(const ImportedItem& item, int g,
                                       const ReferenceTables& tables);

}  // namespace gw
