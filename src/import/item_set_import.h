// File, "Open...": choose an item set file and load it into the nineteen items. A cancelled
// dialog changes nothing; a file that cannot be read, that holds no item lines or that sets
// nothing changes nothing and says why; settings that cannot be used are skipped and listed when
// it ends.
#pragma once

#include <filesystem>
#include <string>

#include "calc/calculator.h"
#include "data/reference_tables.h"
#include "import/import_problems.h"
#include "ui/main_window.h"

namespace gw {

enum class ImportStatus {
  Cancelled,          // the dialog was cancelled
  NotImported,        // unreadable, no item lines, or nothing set: the plan is unchanged
  Imported,           // every setting was used
  ImportedWithSkips,  // imported, but some values were skipped (listed in `problems`)
};

// Sets the window's ImportInProgress for as long as it lives and clears it on every way out,
// errors included. An import holds one from before the dialog until the totals are rebuilt.
class ImportFlag {
 public:
  explicit ImportFlag(ui::MainWindow& w) : w_(w) { w_.ImportInProgress = true; }
  ~ImportFlag() { w_.ImportInProgress = false; }
  ImportFlag(const ImportFlag&) = delete;
  ImportFlag& operator=(const ImportFlag&) = delete;

 private:
  ui::MainWindow& w_;
};

// How an import ended; the message is also shown to the player in a message box.
struct ImportOutcome {
  ImportStatus status = ImportStatus::Cancelled;
  std::string message;
  ImportProblems problems;
};

// File, "Open...": shows the window's open-file dialog, then imports the chosen file.
ImportOutcome ImportItemSet(ui::MainWindow& window, Calculator& calc,
                            const ReferenceTables& tables);

// The same import for a file chosen another way (the command line, a drop on the window).
ImportOutcome ImportItemSetFile(ui::MainWindow& window, Calculator& calc,
                                const ReferenceTables& tables, const std::filesystem::path& path);

// The title of the import's message boxes.
inline constexpr const char* kImportTitle = "Open";

}  // namespace gw
