#include "import/item_set_import.h"

#include <filesystem>
#include <string>

#include "common/error.h"
#include "import/item_set_reader.h"
#include "import/item_set_transfer.h"

namespace gw {

namespace {

// ImportInProgress is true from before the dialog until the totals are rebuilt, and false again
// on every way out, errors included.
class ImportFlag {
 public:
  explicit ImportFlag(ui::MainWindow& w) : w_(w) { w_.ImportInProgress = true; }
  ~ImportFlag() { w_.ImportInProgress = false; }
  ImportFlag(const ImportFlag&) = delete;
  ImportFlag& operator=(const ImportFlag&) = delete;

 private:
  ui::MainWindow& w_;
};

}  // namespace

void ImportItemSet(ui::MainWindow& w, Calculator& calc, const ReferenceTables& tables) {
  std::string report;
  {
    ImportFlag flag(w);
    if (!w.CommonDialog.ShowOpen()) return;
    const std::filesystem::path path = w.CommonDialog.FileName();

    // Everything is read before anything is written, so a file that is no item set costs the
    // player nothing.
    ItemSetReading reading;
    try {
      reading = ReadItemSetFile(path, tables);
    } catch (const RuntimeError& e) {
      report = e.detail() + ". Nothing was imported.";
    }
    if (report.empty() && !reading.has_item_lines) {
      // Onto a named copy: GCC 12 at -O3 gives a false -Wrestrict for a literal + a temporary.
      const std::string name = path.string();
      report = "\"" + name +
               "\" holds no item lines (lines beginning with \"ITEM\"). Nothing was imported.";
    }
    if (report.empty()) {
      TransferItemSet(reading.ImportedItems, reading.sources, w, calc, tables, reading.problems);
      if (!reading.problems.empty()) report = reading.problems.Message(path.filename().string());
    }
  }
  if (!report.empty()) w.MsgBox(kImportTitle, report);
}

}  // namespace gw
