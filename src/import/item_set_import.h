// File, "Open...": choose an item set file and load it into the nineteen items. A cancelled
// dialog changes nothing; a file that cannot be read, or that holds no item lines, changes
// nothing and says why; settings that cannot be used are skipped and listed when it ends.
#pragma once

#include "calc/calculator.h"
#include "data/reference_tables.h"
#include "ui/main_window.h"

namespace gw {

void ImportItemSet(ui::MainWindow& window, Calculator& calc, const ReferenceTables& tables);

// The title of the import's message boxes.
inline constexpr const char* kImportTitle = "Open";

}  // namespace gw
