// File, "Open...": choose an item set file and load it into the nineteen items. A cancelled
// dialog changes nothing; a file that cannot be read, that holds no item lines or that sets
// nothing changes nothing and says why; settings that cannot be used are skipped and listed when
// it ends.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "calc/calculator.h"
#include "data/reference_tables.h"
#include "import/import_problems.h"
#include "ui/main_window.h"

namespace gw {

// ImportInProgress is true while one lives (the import from before the dialog until the totals
// are rebuilt), and false again on every way out, errors included. Anything that writes a whole
// plan into the window through its controls holds one, so the refilled effect lists wait for
// the writer's own choice.
class ImportFlag {
 public:
  explicit ImportFlag(ui::MainWindow& w) : w_(w) { w_.ImportInProgress = true; }
  ~ImportFlag() { w_.ImportInProgress = false; }
  ImportFlag(const ImportFlag&) = delete;
  ImportFlag& operator=(const ImportFlag&) = delete;

 private:
  ui::MainWindow& w_;
};

enum class ImportStatus {
  Cancelled,          // the dialog was cancelled
  NotImported,        // unreadable, no item lines, or nothing set: the plan is unchanged
  Imported,           // every setting was used
  ImportedWithSkips,  // imported, but some values were skipped (listed in `problems`)
};

// How an import ended; the message is also shown to the player in a message box.
struct ImportOutcome {
  ImportStatus status = ImportStatus::Cancelled;
  std::string message;
  ImportProblems problems;
  // The start of the file's first line (see ItemSetReading), empty when it could not be read.
  std::string first_line;
  // The items the file set a value of.
  std::array<bool, ui::kItemCount> items_set{};
};

// File, "Open...": shows the window's open-file dialog, then imports the chosen file.
ImportOutcome ImportItemSet(ui::MainWindow& window, Calculator& calc,
                            const ReferenceTables& tables);

// The same import for a file chosen another way (the command line, a drop on the window).
ImportOutcome ImportItemSetFile(ui::MainWindow& window, Calculator& calc,
                                const ReferenceTables& tables, const std::filesystem::path& path);

// The same import of text already in memory, named `name` in messages, without a message box.
ImportOutcome ImportItemSetText(ui::MainWindow& window, Calculator& calc,
                                const ReferenceTables& tables, std::string_view text,
                                const std::filesystem::path& name);

// The title of the import's message boxes.
inline constexpr const char* kImportTitle = "Open";

}  // namespace gw
